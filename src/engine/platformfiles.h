#pragma once

#include <cstddef>
#include <cstdint>
#include <memory>
#include <optional>
#include <string>
#include <utility>
#include <vector>

namespace kelvane {

// What tells one file from another whatever name it is reached by: the device and inode, or
// the volume serial number and file index.
struct FileIdentity {
    std::uint64_t volume = 0;
    std::uint64_t index = 0;

    friend bool operator==(const FileIdentity&, const FileIdentity&) = default;
};

// What a lookup finds at a path.
struct FileStatus {
    bool folder = false;
    // Empty where the platform gives a pipe or device none.
    std::optional<FileIdentity> identity;

    friend bool operator==(const FileStatus&, const FileStatus&) = default;
};

// One open file of the platform's own file API, unbuffered. Every failure raises FileError.
class PlatformFile {
  public:
    // Lets the handle go without reporting anything; Close reports.
    virtual ~PlatformFile() = default;

    // Reads up to `size` bytes into `buffer`; returns how many, 0 only at the end of the file.
    virtual std::size_t Read(char* buffer, std::size_t size) = 0;
    // Writes some of the `size` bytes, at least one, and returns how many; raises when none can
    // be written. So a write that fails part way tells what went out before it.
    virtual std::size_t Write(const char* data, std::size_t size) = 0;
    // Closes the file, raising when the system reports that written data was not kept.
    virtual void Close() = 0;
    // What tells the open file from every other, whatever name it was opened by; empty where
    // the platform gives none to pipes and devices.
    virtual std::optional<FileIdentity> Identity() = 0;
    // Whether the open file is the one `identity` tells: Identity() == identity, told more
    // quickly where the platform can rule most files out first.
    virtual bool Is(const FileIdentity& identity);
    // Whether the file is kept in memory alone (a file system in memory), so that writing it is
    // only a copy by the processor. False where the platform can't tell.
    virtual bool InMemory() { return false; }
    // Ends the file after its first `size` bytes, and goes on writing there; a file of that
    // length already is left as it is, time stamps included. False, changing nothing, when the
    // file is not one that can be cut (a pipe, a device).
    virtual bool Truncate(std::uint64_t size) = 0;
};

// One folder of the platform's file API, held while many names in it are looked up and opened,
// so that each costs no walk down the folder's own path. Each name is joined to the folder as a
// path would be; a folder that can't be reached fails each lookup and opening as the full path
// would. Every failure raises FileError.
class PlatformFolder {
  public:
    virtual ~PlatformFolder() = default;

    // What each name names, as PlatformFiles::LookUp of the full path says; taken from a listing
    // of the folder where that is quicker than one lookup each.
    virtual std::vector<std::optional<FileStatus>> LookUp(
        const std::vector<std::string>& names) = 0;
    // Opens a name for reading, as PlatformFiles::Open of the full path does.
    virtual std::unique_ptr<PlatformFile> Open(const std::string& name) = 0;
};

// The platform's file API, as the merge and the help document need it. Paths are 8-bit texts: on
// Windows UTF-8, and a path that isn't exactly UTF-8 is refused with FileError, never changed into
// another name.
class PlatformFiles {
  public:
    enum class Access { Read, Write };

    virtual ~PlatformFiles() = default;

    // True when something that is not a folder exists at the path; false when nothing does
    // (the path or a folder on the way is missing, or a folder on the way is a file). Any other
    // failure to look, such as a folder that may not be entered, raises: the file may be there.
    virtual bool IsFile(const std::string& path) = 0;
    // What the path names (links followed), in one lookup; empty, or raising, as IsFile says.
    virtual std::optional<FileStatus> LookUp(const std::string& path) = 0;
    // The folder, ending with a separator or empty for the current folder, held where the
    // platform can hold one; where it can't, names in it are reached by their full paths.
    virtual std::unique_ptr<PlatformFolder> Folder(const std::string& folder);
    // Opens a file; when it is missing and `create` is true, it is made empty first. Opening
    // for Write keeps what the file holds until PlatformFile::Truncate cuts it. A folder can't be
    // opened.
    virtual std::unique_ptr<PlatformFile> Open(const std::string& path, Access access,
                                               bool create) = 0;
};

// A folder whose names are reached by their full paths: the folder of a platform that can hold
// none, and the base of one that only looks its names up its own way.
class JoinedFolder : public PlatformFolder {
  public:
    // `folder` ends with a separator, or is empty for the current folder.
    JoinedFolder(PlatformFiles& files, std::string folder)
        : files_(files), folder_(std::move(folder)) {}

    std::vector<std::optional<FileStatus>> LookUp(const std::vector<std::string>& names) override;
    std::unique_ptr<PlatformFile> Open(const std::string& name) override;

  protected:
    PlatformFiles& files_;
    const std::string folder_;
};

// The file API of the platform the program runs on.
PlatformFiles& NativeFiles();

}  // namespace kelvane
