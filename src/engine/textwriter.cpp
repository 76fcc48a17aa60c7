#include "textwriter.h"

#include "fileerror.h"
#include "lineends.h"

namespace kelvane {

TextWriter::TextWriter(std::unique_ptr<PlatformFile> file, std::size_t bufferSize,
                       std::size_t behind)
    : file_(std::move(file)), capacity_(bufferSize > 0 ? bufferSize : 1) {
    if (behind == 0) {
        own_ = std::make_unique_for_overwrite<char[]>(capacity_);
        buffer_ = own_.get();
    } else {
        behind_ = std::make_unique<WriteBehind>(
            capacity_, behind, [this](const WriteBehind::Piece& piece) { WriteOut(piece); });
        buffer_ = behind_->First();
    }
}

TextWriter::~TextWriter() {
    if (file_ && !failed_) {
        try {
            Flush();
        } catch (...) {
            // The run that let go of the writer has already ended.
        }
    }
    behind_.reset();  // its thread ends before the file goes
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
    std::memcpy(buffer_ + end_, bytes.data(), room);
    end_ += room;
    bytes.remove_prefix(room);
    heldLf_ = true;
    Pass();
    while (bytes.size() >= capacity_) {
        std::memcpy(buffer_, bytes.data(), capacity_);
        end_ = capacity_;
        bytes.remove_prefix(capacity_);
        heldLf_ = true;
        Pass();
    }
    std::memcpy(buffer_, bytes.data(), bytes.size());
    end_ = bytes.size();
}

void TextWriter::Pass() {
    if (!behind_ || !file_ || failed_) {
        Flush();
        return;
    }
    buffer_ = behind_->Pass({buffer_, end_, heldLf_});
    end_ = 0;
    heldLf_ = false;
}

void TextWriter::Flush() {
    File();
    if (behind_) {
        behind_->Wait();
    }
    if (failed_) {
        throw FileError("an earlier write failed");
    }
    const WriteBehind::Piece piece{buffer_, end_, heldLf_};
    end_ = 0;
    heldLf_ = false;
    WriteOut(piece);
}

void TextWriter::WriteOut(const WriteBehind::Piece& piece) {
    std::size_t done = 0;
    try {
        while (done < piece.size) {
            const std::size_t written = file_->Write(piece.data + done, piece.size - done);
            if (written == 0) {
                throw FileError("nothing was written");
            }
            done += written;
        }
    } catch (...) {
        failed_ = true;
        // Of what went out before the failure, the file keeps the whole lines.
        const std::size_t whole = AfterLastLineEnd(piece.data, done);
        TryCut(whole != 0 ? flushed_ + whole : lineEnd_);
        throw;
    }
    if (const std::size_t whole = piece.lineEnded ? AfterLastLineEnd(piece.data, piece.size) : 0;
        whole != 0) {
        lineEnd_ = flushed_ + whole;
    }
    flushed_ += piece.size;
}

void TextWriter::TryCut(std::uint64_t size) noexcept {
    try {
        if (file_->Truncate(size)) {
            flushed_ = size;
        }
    } catch (...) {
        // The file keeps what it holds.
    }
}

void TextWriter::DropPartLine() {
    if (!file_ || failed_) {
        return;  // a failed write has left whole lines already
    }
    if (const std::size_t whole = AfterLastLineEnd(buffer_, end_); whole != 0) {
        end_ = whole;
        return;
    }
    end_ = 0;
    if (behind_) {
        if (behind_->DropPartLine()) {
            return;  // the last line end was still waiting to be written
        }
        try {
            behind_->Wait();
        } catch (...) {
            return;  // writing failed, and left whole lines
        }
    }
    if (flushed_ != lineEnd_) {
        TryCut(lineEnd_);
    }
}

void TextWriter::Empty() {
    PlatformFile& file = File();
    if (behind_) {
        behind_->Wait();
    }
    end_ = 0;
    if (file.Truncate(0)) {
        flushed_ = 0;
        lineEnd_ = 0;
    }
}

std::optional<FileIdentity> TextWriter::Identity() {
    PlatformFile& file = File();
    if (behind_) {
        behind_->Wait();
    }
    return file.Identity();
}

void TextWriter::Close() {
    if (!file_) {
        return;
    }
    Flush();  // on failure the destructor lets the handle go
    behind_.reset();
    const std::unique_ptr<PlatformFile> file = std::move(file_);
    file->Close();
}

}  // namespace kelvane
