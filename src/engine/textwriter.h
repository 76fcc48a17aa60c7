#pragma once

#include <atomic>
#include <cstddef>
#include <cstdint>
#include <cstring>
#include <memory>
#include <optional>
#include <span>
#include <string_view>

#include "engine/platformfiles.h"
#include "engine/writebehind.h"

namespace kelvane {

// A buffered writer of lines into one open file. Bytes go out unchanged; written lines end with
// CR LF. Every failure raises FileError. A write that fails leaves the file cut back to its last
// line end, where the file can be cut, so that it holds whole lines; nothing more is written to
// it after that.
//
// A writer given buffers to write behind writes each full buffer out on a thread of its own
// (WriteBehind) while the next is filled. A failure there is raised by the next call that passes
// a buffer on, waits, or checks (Check); until then the caller fills its buffer unaware. Every
// other call waits for what is being written first.
class TextWriter {
  public:
    // `behind` full buffers of `bufferSize` bytes may wait to be written, or be written, while the
    // next is filled; with none, they are written on the caller's thread.
    TextWriter(std::unique_ptr<PlatformFile> file, std::size_t bufferSize, std::size_t behind = 0);
    // Closes the file if Close wasn't called, first writing out what it holds unless a write
    // failed; nothing is reported from here.
    ~TextWriter();
    TextWriter(const TextWriter&) = delete;
    TextWriter& operator=(const TextWriter&) = delete;

    // The bytes as they are.
    void Write(std::string_view bytes) {
        Put(bytes);
        heldLf_ = heldLf_ || bytes.find('\n') != std::string_view::npos;
    }

    // Room for putting up to `wanted` bytes straight into the buffer, which Commit then takes as
    // written. When fewer are free, and at most half the buffer, what it holds is written out, or
    // passed on to be, first; so the room may be smaller than asked for, but never smaller than
    // half the buffer. Raises a failure to write once it is known.
    std::span<char> Room(std::size_t wanted) {
        const std::size_t free = capacity_ - end_;
        if ((free < wanted && free < capacity_ / 2 + 2) || !file_ || failed_) {
            Pass();
        }
        return {buffer_ + end_, capacity_ - end_};
    }
    // Takes the first `count` bytes of the room as written; `lineEnded` tells whether a LF is
    // among them.
    void Commit(std::size_t count, bool lineEnded) {
        end_ += count;
        heldLf_ = heldLf_ || lineEnded;
    }

    // Takes back what was written after the last line end: drops the part still held, and cuts
    // the part written out already off the file, where the file can be cut.
    void DropPartLine();
    // Empties the file, with whatever was written to it so far.
    void Empty();
    // Writes out what the buffer holds, and waits until everything passed on is written.
    void Flush();
    // Raises the failure of a write made behind once it is known; costs next to nothing, so that
    // it can be asked before each step.
    void Check() {
        if (failed_) {
            Flush();
        }
    }

    // What tells the open file from every other; empty where the platform gives a pipe or
    // device none.
    std::optional<FileIdentity> Identity();

    // Writes out what the buffer holds and closes the file, reporting a failure of either.
    void Close();

  private:
    void Put(std::string_view bytes) {
        if (bytes.size() <= capacity_ - end_ && file_) {
            std::memcpy(buffer_ + end_, bytes.data(), bytes.size());
            end_ += bytes.size();
            return;
        }
        PutSlow(bytes);
    }
    void PutSlow(std::string_view bytes);
    // Passes the full buffer on to be written behind, or writes it out where nothing is.
    void Pass();
    // Writes one buffer's bytes out and keeps count of the whole lines; on the thread writing
    // behind, if any. A failure leaves the file cut back to its last line end.
    void WriteOut(const WriteBehind::Piece& piece);
    PlatformFile& File();
    // Cuts the file to `size` bytes where it can be; a failure to cut is let go, since it only
    // ever follows another failure, the one reported.
    void TryCut(std::uint64_t size) noexcept;

    std::unique_ptr<PlatformFile> file_;
    std::size_t capacity_;
    std::unique_ptr<char[]> own_;          // the one buffer, with nothing written behind
    std::unique_ptr<WriteBehind> behind_;  // or the buffers written behind
    char* buffer_;                         // the buffer being filled
    std::size_t end_ = 0;                  // bytes in it
    bool heldLf_ = false;                  // a LF may be among them, to be looked for
    // Kept by whoever writes; read only while nothing is being written.
    std::uint64_t flushed_ = 0;  // bytes written out to the file
    std::uint64_t lineEnd_ = 0;  // of those, the bytes up to and including the last LF
    // Writing out failed, so nothing more is tried. Set before the file is cut back, so that the
    // caller may stop filling at once.
    std::atomic<bool> failed_ = false;
};

}  // namespace kelvane
