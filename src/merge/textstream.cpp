#include "textstream.h"

#include <algorithm>
#include <cstring>

#include "fileerror.h"
#include "lineends.h"

namespace kelvane {

namespace {

constexpr char kLineEnd[] = "\r\n";

}  // namespace

TextStream::TextStream(std::unique_ptr<PlatformFile> file, Mode mode, std::size_t bufferSize)
    : file_(std::move(file)),
      mode_(mode),
      capacity_(bufferSize > 0 ? bufferSize : 1),
      buffer_(std::make_unique_for_overwrite<char[]>(capacity_)) {}

TextStream::~TextStream() {
    if (closed_) {
        return;
    }
    try {
        if (mode_ == Mode::Writing && !failed_) {
            Flush();
        }
    } catch (const FileError&) {
        // The run that let go of the stream has already ended.
    }
    // file_ goes with its own destructor, which releases the handle.
}

void TextStream::RequireMode(Mode mode) const {
    if (closed_) {
        throw FileError("the stream is closed");
    }
    if (mode_ != mode) {
        throw FileError("bad file mode");
    }
}

bool TextStream::Fill() {
    if (pos_ < end_) {
        return true;
    }
    if (atEof_) {
        return false;
    }
    pos_ = 0;
    end_ = 0;
    end_ = file_->Read(buffer_.get(), capacity_);
    atEof_ = end_ == 0;
    return !atEof_;
}

bool TextStream::AtEndOfStream() {
    RequireMode(Mode::Reading);
    return !Fill();
}

std::string TextStream::ReadLine() {
    RequireMode(Mode::Reading);
    if (!Fill()) {
        throw FileError("input past end of file");
    }
    std::string line;
    do {
        const char* start = buffer_.get() + pos_;
        const std::size_t available = end_ - pos_;
        const auto* lf = static_cast<const char*>(std::memchr(start, '\n', available));
        if (lf != nullptr) {
            line.append(start, lf);
            pos_ += static_cast<std::size_t>(lf - start) + 1;
            if (!line.empty() && line.back() == '\r') {
                line.pop_back();
            }
            return line;
        }
        line.append(start, available);
        pos_ = end_;
    } while (Fill());
    return line;  // the last line, without a line end
}

void TextStream::CopyToEnd(TextStream& target) {
    RequireMode(Mode::Reading);
    target.RequireMode(Mode::Writing);
    constexpr std::size_t kNone = static_cast<std::size_t>(-1);
    std::size_t lineMark = target.Mark();  // where the line being copied starts in the target
    bool crBefore = false;
    try {
        while (Fill()) {
            const std::size_t available = end_ - pos_;
            std::size_t room = target.capacity_ - target.end_;
            // The copy may double what it reads, so it gets at most half the room; the
            // target is written out rather than filled in ever smaller steps.
            if (room < 2 * available && room < target.capacity_ / 2 + 2) {
                target.Flush();
                room = target.capacity_;
            }
            const std::size_t base = target.Mark();
            std::size_t afterLastLf = kNone;
            if (room >= 2) {
                const std::size_t take = std::min(available, room / 2);
                target.end_ +=
                    CopyLineEnds(buffer_.get() + pos_, take, target.buffer_.get() + target.end_,
                                 crBefore, afterLastLf);
                pos_ += take;
            } else {
                // A target buffer of a single byte.
                char bytes[2];
                const std::size_t length =
                    CopyLineEnds(buffer_.get() + pos_, 1, bytes, crBefore, afterLastLf);
                ++pos_;
                target.Put(bytes, length);
            }
            if (afterLastLf != kNone) {
                lineMark = base + afterLastLf;
            }
        }
    } catch (const FileError&) {
        target.DropTo(lineMark);
        throw;
    }
    if (target.Mark() != lineMark) {
        target.Put(kLineEnd, 2);  // the last line, without a line end of its own
    }
}

void TextStream::WriteLine(std::string_view text) {
    RequireMode(Mode::Writing);
    Put(text.data(), text.size());
    Put(kLineEnd, 2);
}

void TextStream::Put(const char* data, std::size_t size) {
    if (size <= capacity_ - end_) {
        std::memcpy(buffer_.get() + end_, data, size);
        end_ += size;
        return;
    }
    PutSlow(data, size);
}

void TextStream::PutSlow(const char* data, std::size_t size) {
    // Top the buffer up, so that the file is written in whole buffers.
    const std::size_t room = capacity_ - end_;
    std::memcpy(buffer_.get() + end_, data, room);
    end_ += room;
    data += room;
    size -= room;
    Flush();
    while (size >= capacity_) {
        std::memcpy(buffer_.get(), data, capacity_);
        end_ = capacity_;
        data += capacity_;
        size -= capacity_;
        Flush();
    }
    std::memcpy(buffer_.get(), data, size);
    end_ = size;
}

void TextStream::Flush() {
    RequireMode(Mode::Writing);
    if (failed_) {
        throw FileError("an earlier write failed");
    }
    if (end_ == 0) {
        return;
    }
    try {
        file_->Write(buffer_.get(), end_);
    } catch (const FileError&) {
        failed_ = true;
        end_ = 0;
        throw;
    }
    flushed_ += end_;
    end_ = 0;
}

void TextStream::DropTo(std::size_t mark) {
    if (mark >= flushed_) {
        end_ = std::min(end_, mark - flushed_);
        return;
    }
    // Some of the bytes are out in the file already: cut them off where the file allows it.
    end_ = 0;
    if (file_->Truncate(mark)) {
        flushed_ = mark;
    }
}

void TextStream::Empty() {
    RequireMode(Mode::Writing);
    end_ = 0;
    if (file_->Truncate(0)) {
        flushed_ = 0;
    }
}

std::optional<FileIdentity> TextStream::Identity() {
    if (closed_) {
        throw FileError("the stream is closed");
    }
    return file_->Identity();
}

void TextStream::Close() {
    if (closed_) {
        return;
    }
    if (mode_ == Mode::Writing) {
        Flush();  // on failure the destructor lets the handle go
    }
    closed_ = true;
    file_->Close();
}

}  // namespace kelvane
