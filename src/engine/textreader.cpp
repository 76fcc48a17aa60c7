#include "textreader.h"

#include <cstring>

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

std::string TextReader::ReadLine() {
    std::string_view bytes = Peek();
    if (bytes.empty()) {
        throw FileError("input past end of file");
    }
    std::string line;
    do {
        const auto* lf = static_cast<const char*>(std::memchr(bytes.data(), '\n', bytes.size()));
        if (lf != nullptr) {
            line.append(bytes.data(), lf);
            Consume(static_cast<std::size_t>(lf - bytes.data()) + 1);
            if (!line.empty() && line.back() == '\r') {
                line.pop_back();
            }
            return line;
        }
        line.append(bytes);
        Consume(bytes.size());
        bytes = Peek();
    } while (!bytes.empty());
    return line;  // the last line, without a line end
}

void TextReader::Close() {
    pos_ = 0;
    end_ = 0;
    if (file_) {
        const std::unique_ptr<PlatformFile> file = std::move(file_);
        file->Close();
    }
}

}  // namespace kelvane
