#include "textreader.h"

#include "fileerror.h"

namespace kelvane {

TextReader::TextReader(std::unique_ptr<PlatformFile> file, std::size_t bufferSize)
    : file_(std::move(file)),
      capacity_(bufferSize > 0 ? bufferSize : 1),
      buffer_(std::make_unique_for_overwrite<char[]>(capacity_)) {}

void TextReader::Reset(std::unique_ptr<PlatformFile> file) {
    file_ = std::move(file);
    pos_ = 0;
    end_ = 0;
    atEof_ = false;
}

PlatformFile& TextReader::File() {
    if (!file_) {
        throw FileError("the stream is closed");
    }
    return *file_;
}

void TextReader::Fill() {
    PlatformFile& file = File();
    if (atEof_) {
        return;
    }
    pos_ = 0;
    end_ = 0;
    end_ = file.Read(buffer_.get(), capacity_);
    atEof_ = end_ == 0;
}

}  // namespace kelvane
