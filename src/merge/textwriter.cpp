#include "textwriter.h"

#include "fileerror.h"

namespace kelvane {

namespace {

// The count of bytes up to and including the last LF among them; 0 when there is none. Looks
// eight bytes at a time, so that a long line costs little.
std::size_t AfterLastLf(const char* bytes, std::size_t size) {
    constexpr std::uint64_t kOnes = 0x0101010101010101;
    std::size_t i = size;
    while (i >= 8) {
        std::uint64_t word;
        std::memcpy(&word, bytes + i - 8, 8);
        const std::uint64_t x = word ^ (kOnes * '\n');  // a zero byte for each LF
        if (((x - kOnes) & ~x & (kOnes << 7)) != 0) {
            break;
        }
        i -= 8;
    }
    while (i > 0 && bytes[i - 1] != '\n') {
        --i;
    }
    return i;
}

}  // namespace

TextWriter::TextWriter(std::unique_ptr<PlatformFile> file, std::size_t bufferSize)
    : file_(std::move(file)),
      capacity_(bufferSize > 0 ? bufferSize : 1),
      buffer_(std::make_unique_for_overwrite<char[]>(capacity_)) {}

TextWriter::~TextWriter() {
    if (!file_ || failed_) {
        return;  // file_ goes with its own destructor, which releases the handle
    }
    try {
        Flush();
    } catch (const FileError&) {
        // The run that let go of the writer has already ended.
    }
}

PlatformFile& TextWriter::File() {
    if (!file_) {
        throw FileError("the stream is closed");
    }
    return *file_;
}

void TextWriter::PutSlow(std::string_view bytes) {
    File();
    // Top the buffer up, so that the file is written in whole buffers; each may hold a LF.
    const std::size_t room = capacity_ - end_;
    std::memcpy(buffer_.get() + end_, bytes.data(), room);
    end_ += room;
    bytes.remove_prefix(room);
    heldLf_ = true;
    Flush();
    while (bytes.size() >= capacity_) {
        std::memcpy(buffer_.get(), bytes.data(), capacity_);
        end_ = capacity_;
        bytes.remove_prefix(capacity_);
        heldLf_ = true;
        Flush();
    }
    std::memcpy(buffer_.get(), bytes.data(), bytes.size());
    end_ = bytes.size();
}

void TextWriter::Flush() {
    PlatformFile& file = File();
    if (failed_) {
        throw FileError("an earlier write failed");
    }
    std::size_t done = 0;
    try {
        while (done < end_) {
            const std::size_t written = file.Write(buffer_.get() + done, end_ - done);
            if (written == 0) {
                throw FileError("nothing was written");
            }
            done += written;
        }
    } catch (const FileError&) {
        failed_ = true;
        end_ = 0;
        // Of what went out before the failure, the file keeps the whole lines.
        const std::size_t whole = AfterLastLf(buffer_.get(), done);
        TryCut(whole != 0 ? flushed_ + whole : lineEnd_);
        throw;
    }
    if (const std::size_t whole = heldLf_ ? AfterLastLf(buffer_.get(), end_) : 0; whole != 0) {
        lineEnd_ = flushed_ + whole;
    }
    flushed_ += end_;
    end_ = 0;
    heldLf_ = false;
}

void TextWriter::TryCut(std::uint64_t size) noexcept {
    try {
        if (file_->Truncate(size)) {
            flushed_ = size;
        }
    } catch (const FileError&) {
        // The file keeps what it holds.
    }
}

void TextWriter::DropPartLine() {
    if (!file_ || failed_) {
        return;  // a failed write has left whole lines already
    }
    if (const std::size_t whole = AfterLastLf(buffer_.get(), end_); whole != 0) {
        end_ = whole;
        return;
    }
    end_ = 0;
    if (flushed_ != lineEnd_) {
        TryCut(lineEnd_);
    }
}

void TextWriter::Empty() {
    PlatformFile& file = File();
    end_ = 0;
    if (file.Truncate(0)) {
        flushed_ = 0;
        lineEnd_ = 0;
    }
}

std::optional<FileIdentity> TextWriter::Identity() {
    return File().Identity();
}

void TextWriter::Close() {
    if (!file_) {
        return;
    }
    Flush();  // on failure the destructor lets the handle go
    const std::unique_ptr<PlatformFile> file = std::move(file_);
    file->Close();
}

}  // namespace kelvane
