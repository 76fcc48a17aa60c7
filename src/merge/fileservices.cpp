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
    const bool reading = mode == ForReading;
    auto file = files_.Open(
        path, reading ? PlatformFiles::Access::Read : PlatformFiles::Access::Write, create);
    // A writing stream holds twice as much, so that a reading buffer's worth of lines, with
    // the CRs they may gain, always goes into it in one step.
    return std::make_unique<TextStream>(
        std::move(file), reading ? TextStream::Mode::Reading : TextStream::Mode::Writing,
        reading ? bufferSize_ : 2 * bufferSize_);
}

std::optional<FileIdentity> FileServices::Identity(const std::string& path) const {
    return files_.Identity(path);
}

}  // namespace kelvane
