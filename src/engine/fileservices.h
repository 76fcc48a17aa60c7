#pragma once

#include <cstddef>
#include <memory>
#include <optional>
#include <string>
#include <vector>

#include "engine/platformfiles.h"
#include "engine/textreader.h"
#include "engine/textwriter.h"

namespace kelvane {

// The file services a merge run works through: existence tests, and text streams opened for
// reading or writing. One object lives for one run; the streams it opens may outlive it.
class FileServices {
  public:
    // The modes of OpenTextFile, each giving its own kind of stream.
    struct ReadingMode {};
    struct WritingMode {};
    static constexpr ReadingMode ForReading{};
    static constexpr WritingMode ForWriting{};
    // Only the platform's 8-bit text is offered: bytes are never converted.
    enum Tristate { TristateFalse = 0 };

    // The buffer of a reading stream; a writing stream's is twice as large. Large enough that
    // reading and writing cost few system calls, small enough to stay in the processor's
    // caches.
    static constexpr std::size_t kDefaultBufferSize = 512 * 1024;
    // The full buffers of a writing stream that may wait to be written, or be written, on a
    // thread of the stream's own while the next is filled (TextWriter). Enough to ride out the
    // unevenness of reading and writing.
    static constexpr std::size_t kDefaultBuffersBehind = 3;

    // `bufferSize` and `buffersBehind` set the streams' buffers, as above; with no buffers
    // behind, writing streams write on the caller's thread.
    explicit FileServices(PlatformFiles& files = NativeFiles(),
                          std::size_t bufferSize = kDefaultBufferSize,
                          std::size_t buffersBehind = kDefaultBuffersBehind);

    // True when a file (not a folder) exists at the path, false when nothing does. Raises
    // FileError when that can't be told, as when a folder on the way may not be entered.
    bool FileExists(const std::string& path) const;
    // The extension of the path's last component, without the dot.
    std::string GetExtensionName(const std::string& path) const;
    // Opens a text stream for reading; `create` makes a missing file first. Raises FileError
    // when the file can't be opened as asked.
    std::unique_ptr<TextReader> OpenTextFile(const std::string& path, ReadingMode, bool create,
                                             Tristate format = TristateFalse);
    // Opens a text stream for writing and empties the file, making it first when `create` is
    // true. Raises as above.
    std::unique_ptr<TextWriter> OpenTextFile(const std::string& path, WritingMode, bool create,
                                             Tristate format = TristateFalse);
    // Opens a file for writing as OpenTextFile does, making it when missing, but leaves its
    // content until the stream's Empty: so that what was opened can be looked at first.
    std::unique_ptr<TextWriter> OpenToReplace(const std::string& path);
    // What tells the file at the path from every other, whatever name reaches it; empty when
    // nothing is there. Raises, as FileExists does, when that can't be told.
    std::optional<FileIdentity> Identity(const std::string& path) const;
    // What is at the path, a file or a folder, with its identity; empty and raising as above.
    std::optional<FileStatus> LookUp(const std::string& path) const;
    // The folder, as JoinFolder joins names to it, held for looking up and opening many of
    // them (PlatformFolder).
    std::unique_ptr<PlatformFolder> Folder(const std::string& folder) const;
    // A text stream for reading an open file, as OpenTextFile gives for a path.
    std::unique_ptr<TextReader> Reader(std::unique_ptr<PlatformFile> file) const;

  private:
    PlatformFiles& files_;
    std::size_t bufferSize_;
    std::size_t buffersBehind_;
};

}  // namespace kelvane
