#include "fileservices.h"

#include "fileerror.h"
#include "pathname.h"

namespace kelvane {

FileServices::FileServices(PlatformFiles& files, std::size_t bufferSize)
    : files_(files), bufferSize_(bufferSize) {}

bool FileServices::FileExists(const std::string& path) const {
    return files_.IsFile(path);
}

std::string FileServices::GetExtensionName(const std::string& path) const {
    return kelvane::GetExtensionName(path);
}

std::unique_ptr<TextStream> FileServices::OpenTextFile(const std::string& path, IOMode mode,
                                                       bool create, Tristate format) {
    if (format != TristateFalse) {
        throw FileError("unsupported text format");
    }
    if (mode != ForReading && mode != ForWriting) {
        throw FileError("unsupported file mode");
    }
    if (mode == ForReading) {
        return std::make_unique<TextStream>(files_.Open(path, PlatformFiles::Access::Read, create),
                                            TextStream::Mode::Reading, bufferSize_);
    }
    auto stream = OpenForWriting(path, create);
    stream->Empty();
    return stream;
}

std::unique_ptr<TextStream> FileServices::OpenToReplace(const std::string& path) {
    return OpenForWriting(path, true);
}

std::unique_ptr<TextStream> FileServices::OpenForWriting(const std::string& path, bool create) {
    // A writing stream holds twice as much, so that a reading buffer's worth of lines, with
    // the CRs they may gain, always goes into it in one step.
    return std::make_unique<TextStream>(files_.Open(path, PlatformFiles::Access::Write, create),
                                        TextStream::Mode::Writing, 2 * bufferSize_);
}

std::optional<FileIdentity> FileServices::Identity(const std::string& path) const {
    return files_.Identity(path);
}

}  // namespace kelvane
