#include "fileservices.h"

#include "base/pathname.h"
#include "fileerror.h"

namespace kelvane {

namespace {

void RequireBytes(FileServices::Tristate format) {
    if (format != FileServices::TristateFalse) {
        throw FileError("unsupported text format");
    }
}

}  // namespace

FileServices::FileServices(PlatformFiles& files, std::size_t bufferSize, std::size_t buffersBehind)
    : files_(files), bufferSize_(bufferSize), buffersBehind_(buffersBehind) {}

bool FileServices::FileExists(const std::string& path) const {
    return files_.IsFile(path);
}

std::string FileServices::GetExtensionName(const std::string& path) const {
    return kelvane::GetExtensionName(path);
}

std::unique_ptr<TextReader> FileServices::OpenTextFile(const std::string& path, ReadingMode,
                                                       bool create, Tristate format) {
    RequireBytes(format);
    return Reader(files_.Open(path, PlatformFiles::Access::Read, create));
}

std::unique_ptr<TextWriter> FileServices::OpenTextFile(const std::string& path, WritingMode,
                                                       bool create, Tristate format) {
    RequireBytes(format);
    // A writing stream holds twice as much, so that a reading buffer's worth of lines, with
    // the CRs they may gain, always goes into it in one step.
    auto stream = std::make_unique<TextWriter>(
        files_.Open(path, PlatformFiles::Access::Write, create), 2 * bufferSize_, buffersBehind_);
    stream->Empty();
    return stream;
}

std::unique_ptr<TextWriter> FileServices::OpenToReplace(const std::string& path) {
    return std::make_unique<TextWriter>(files_.Open(path, PlatformFiles::Access::Write, true),
                                        2 * bufferSize_, buffersBehind_);
}

std::optional<FileIdentity> FileServices::Identity(const std::string& path) const {
    return files_.Identity(path);
}

std::optional<FileStatus> FileServices::LookUp(const std::string& path) const {
    return files_.LookUp(path);
}

std::unique_ptr<PlatformFolder> FileServices::Folder(const std::string& folder) const {
    return files_.Folder(JoinFolder(folder, ""));
}

std::unique_ptr<TextReader> FileServices::Reader(std::unique_ptr<PlatformFile> file) const {
    return std::make_unique<TextReader>(std::move(file), bufferSize_);
}

}  // namespace kelvane
