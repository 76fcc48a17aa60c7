#pragma once

#include <cstddef>
#include <memory>
#include <optional>
#include <string>
#include <string_view>

#include "merge/platformfiles.h"

namespace kelvane {

// A buffered text stream over one open file, either for reading or for writing. Bytes pass
// through unchanged; only line ends are recognised: CR LF and a lone LF end a line, a lone CR
// is an ordinary character, and a last line without a line end is a line all the same.
// Written lines end with CR LF. Every failure raises FileError.
class TextStream {
  public:
    enum class Mode { Reading, Writing };

    TextStream(std::unique_ptr<PlatformFile> file, Mode mode, std::size_t bufferSize);
    // Closes the file if Close wasn't called. A writing stream first writes out what it
    // holds, unless an earlier write failed; nothing is reported from here.
    ~TextStream();
    TextStream(const TextStream&) = delete;
    TextStream& operator=(const TextStream&) = delete;

    // Reading: true when nothing is left to read.
    bool AtEndOfStream();
    // Reading: the characters up to the next line end, which is consumed but not returned.
    std::string ReadLine();
    // Reading: moves every line left to `target`, exactly as target.WriteLine(ReadLine())
    // until AtEndOfStream would, but whole buffers at a time, so that a line of any length needs
    // no more memory than the two streams' buffers. If reading fails part way, the part of the
    // current line that went into `target` is taken back: dropped from its buffer and, where
    // the file can be cut, from the file.
    void CopyToEnd(TextStream& target);

    // Writing: the text, then CR LF.
    void WriteLine(std::string_view text);
    // Writing: empties the file, with whatever was written to it so far.
    void Empty();
    // Writing: writes out what the stream holds.
    void Flush();

    // What tells the open file from every other; empty where the platform gives a pipe or
    // device none.
    std::optional<FileIdentity> Identity();

    // Writes out what the stream holds and closes the file, reporting a failure of either.
    void Close();

  private:
    // Reading: refills the buffer once it is used up; false at the end of the file.
    bool Fill();
    // Writing: appends bytes to the buffer, writing it out whenever it is full.
    void Put(const char* data, std::size_t size);
    void PutSlow(const char* data, std::size_t size);
    // Writing: how many bytes went into the stream so far, and taking bytes back to such a
    // count: those still held are dropped, and the file is cut where it can be.
    std::size_t Mark() const { return flushed_ + end_; }
    void DropTo(std::size_t mark);
    void RequireMode(Mode mode) const;

    std::unique_ptr<PlatformFile> file_;
    Mode mode_;
    std::size_t capacity_;
    std::unique_ptr<char[]> buffer_;
    std::size_t pos_ = 0;      // reading: next byte to hand out
    std::size_t end_ = 0;      // reading: bytes in the buffer; writing: bytes waiting to go out
    std::size_t flushed_ = 0;  // writing: bytes written out to the file
    bool atEof_ = false;       // reading: the file has returned its last byte
    bool failed_ = false;      // writing: writing out failed, so nothing more is tried
    bool closed_ = false;
};

}  // namespace kelvane
