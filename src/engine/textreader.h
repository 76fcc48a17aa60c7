#pragma once

#include <cstddef>
#include <memory>
#include <string_view>

#include "engine/platformfiles.h"

namespace kelvane {

// A buffered reader of one open file, whose bytes it hands out unchanged (CopyLines finds the
// lines in them). Every failure raises FileError.
class TextReader {
  public:
    TextReader(std::unique_ptr<PlatformFile> file, std::size_t bufferSize);
    TextReader(const TextReader&) = delete;
    TextReader& operator=(const TextReader&) = delete;

    // Starts over on another file, keeping the buffer: the file read so far is let go once the
    // new one is held. Reading many small files then costs no new buffer for each.
    void Reset(std::unique_ptr<PlatformFile> file);

    // The bytes read but not handed out yet, reading more first when there are none; empty at
    // the end of the file. They stay valid until the next call. Consume hands out the first
    // `count` of them.
    std::string_view Peek() {
        if (pos_ == end_) {
            Fill();
        }
        return {buffer_.get() + pos_, end_ - pos_};
    }
    void Consume(std::size_t count) { pos_ += count; }

  private:
    // Reads the next bufferful once the buffer is used up; nothing at the end of the file.
    void Fill();
    PlatformFile& File();

    std::unique_ptr<PlatformFile> file_;
    std::size_t capacity_;
    std::unique_ptr<char[]> buffer_;
    std::size_t pos_ = 0;  // next byte to hand out
    std::size_t end_ = 0;  // bytes in the buffer
    bool atEof_ = false;   // the file has returned its last byte
};

}  // namespace kelvane
