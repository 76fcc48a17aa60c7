#pragma once

#include <cstddef>
#include <cstdint>
#include <cstring>
#include <memory>
#include <optional>
#include <span>
#include <string_view>

#include "merge/platformfiles.h"

namespace kelvane {

// A buffered writer of lines into one open file. Bytes go out unchanged; written lines end with
// CR LF. Every failure raises FileError. A write that fails leaves the file cut back to its last
// line end, where the file can be cut, so that it holds whole lines; nothing more is written to
// it after that.
class TextWriter {
  public:
    TextWriter(std::unique_ptr<PlatformFile> file, std::size_t bufferSize);
    // Closes the file if Close wasn't called, first writing out what it holds unless a write
    // failed; nothing is reported from here.
    ~TextWriter();
    TextWriter(const TextWriter&) = delete;
    TextWriter& operator=(const TextWriter&) = delete;

    // The text, then CR LF.
    void WriteLine(std::string_view text) {
        Put(text);
        Put("\r\n");
        heldLf_ = true;
    }
    // The bytes as they are.
    void Write(std::string_view bytes) {
        Put(bytes);
        heldLf_ = heldLf_ || bytes.find('\n') != std::string_view::npos;
    }

    // Room for putting up to `wanted` bytes straight into the buffer, which Commit then takes as
    // written. When fewer are free, and at most half the buffer, what it holds is written out
    // first; so the room may be smaller than asked for, but never smaller than half the buffer.
    std::span<char> Room(std::size_t wanted) {
        const std::size_t free = capacity_ - end_;
        if ((free < wanted && free < capacity_ / 2 + 2) || !file_) {
            Flush();
        }
        return {buffer_.get() + end_, capacity_ - end_};
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
    // Writes out what the buffer holds.
    void Flush();

    // What tells the open file from every other; empty where the platform gives a pipe or
    // device none.
    std::optional<FileIdentity> Identity();

    // Writes out what the buffer holds and closes the file, reporting a failure of either.
    void Close();

  private:
    void Put(std::string_view bytes) {
        if (bytes.size() <= capacity_ - end_ && file_) {
            std::memcpy(buffer_.get() + end_, bytes.data(), bytes.size());
            end_ += bytes.size();
            return;
        }
        PutSlow(bytes);
    }
    void PutSlow(std::string_view bytes);
    PlatformFile& File();
    // Cuts the file to `size` bytes where it can be; a failure to cut is let go, since it only
    // ever follows another failure, the one reported.
    void TryCut(std::uint64_t size) noexcept;

    std::unique_ptr<PlatformFile> file_;
    std::size_t capacity_;
    std::unique_ptr<char[]> buffer_;
    std::size_t end_ = 0;        // bytes waiting to go out
    std::uint64_t flushed_ = 0;  // bytes written out to the file
    std::uint64_t lineEnd_ = 0;  // of those, the bytes up to and including the last LF
    bool heldLf_ = false;        // a LF may be among the bytes waiting, to be looked for
    bool failed_ = false;        // writing out failed, so nothing more is tried
};

}  // namespace kelvane
