#pragma once

#include <cstddef>
#include <cstdint>
#include <memory>
#include <optional>
#include <string>

namespace kelvane {

// What tells one file from another whatever name it is reached by: the device and inode, or
// the volume serial number and file index.
struct FileIdentity {
    std::uint64_t volume = 0;
    std::uint64_t index = 0;

    friend bool operator==(const FileIdentity&, const FileIdentity&) = default;
};

// One open file of the platform's own file API, unbuffered. Every failure raises FileError.
class PlatformFile {
  public:
    // Lets the handle go without reporting anything; Close reports.
    virtual ~PlatformFile() = default;

    // Reads up to `size` bytes into `buffer`; returns how many, 0 only at the end of the file.
    virtual std::size_t Read(char* buffer, std::size_t size) = 0;
    // Writes all `size` bytes, or raises.
    virtual void Write(const char* data, std::size_t size) = 0;
    // Closes the file, raising when the system reports that written data was not kept.
    virtual void Close() = 0;
    // What tells the open file from every other, whatever name it was opened by; empty where
    // the platform gives none to pipes and devices.
    virtual std::optional<FileIdentity> Identity() = 0;
    // Ends the file after its first `size` bytes, and goes on writing there. False, changing
    // nothing, when the file is not one that can be cut (a pipe, a device).
    virtual bool Truncate(std::uint64_t size) = 0;
};

// The platform's file API, as the file services need it. Paths are 8-bit texts passed on
// unchanged.
class PlatformFiles {
  public:
    enum class Access { Read, Write };

    virtual ~PlatformFiles() = default;

    // True when something that is not a folder exists at the path; false when nothing does
    // (the path or a folder on the way is missing, or a folder on the way is a file). Any other
    // failure to look, such as a folder that may not be entered, raises: the file may be there.
    virtual bool IsFile(const std::string& path) = 0;
    // The identity of what the path names (links followed); empty, or raising, as IsFile says.
    virtual std::optional<FileIdentity> Identity(const std::string& path) = 0;
    // Opens a file; when it is missing and `create` is true, it is made empty first. Opening
    // for Write keeps what the file holds until PlatformFile::Truncate cuts it. A folder can't be
    // opened.
    virtual std::unique_ptr<PlatformFile> Open(const std::string& path, Access access,
                                               bool create) = 0;
};

// The file API of the platform the program runs on.
PlatformFiles& NativeFiles();

}  // namespace kelvane
