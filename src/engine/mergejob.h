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

// The file work of one merge run, in the steps between which the run asks the user: the
// sources looked up, the target looked at, then opened and emptied, each source copied into it
// in row order, and the target closed. One object lives for one run. It holds the target and the
// source open last until it goes, so that after a failure they stay open while the message
// shows. Every failure raises FileError.
class MergeJob {
  public:
    // The buffer sources are read through; the target's is twice as large, so that a
    // bufferful of lines, with the CRs they may gain, always goes into it in one step. Large
    // enough that reading and writing cost few system calls, small enough to stay in the
    // processor's caches.
    static constexpr std::size_t kDefaultBufferSize = 512 * 1024;
    // The full buffers of the target that may wait to be written, or be written, on a thread of
    // the writer's own while the next is filled (TextWriter). Enough to ride out the unevenness
    // of reading and writing.
    static constexpr std::size_t kDefaultBuffersBehind = 3;

    // `bufferSize` and `buffersBehind` set the buffers, as above; with no buffers behind, or a
    // target held in memory alone (PlatformFile::InMemory), the target is written on the caller's
    // thread.
    MergeJob(PlatformFiles& files, std::size_t bufferSize, std::size_t buffersBehind);

    // Looks up each name's file in the folder (named as JoinFolder names them), all before
    // anything is asked or opened: one that is there but can't be looked at raises now, while
    // the target still holds its content.
    void FindSources(const std::string& folder, const std::vector<std::string>& names);
    // What the target path names now (a folder is no file), and whether that is one of the
    // sources found.
    enum class Target { Missing, Exists, IsASource };
    Target LookUpTarget(const std::string& target) const;
    // Opens the target, making it when missing, and empties it. False, leaving it as it is,
    // when the file opened is one of the sources: the name may have been pointed at one since
    // it was looked at.
    bool OpenTarget(const std::string& target);

    // Copies each row's source in turn into the target, all through one reader, while the
    // target's writer writes behind. A source stays open until the next one has been opened;
    // none is opened once writing has failed.
    void CopySources();
    // Lets the last source go, then writes out what the target holds and closes it, reporting
    // a failure of either.
    void Finish();
    // After a failure: writes out the whole lines the target holds, so that they are there while
    // the message shows. Reports nothing.
    void KeepWholeLines() noexcept;

  private:
    struct Source {
        std::string name;
        std::optional<FileStatus> found;  // when the sources were looked up
    };

    // The source of a row opened for reading. Null when the row is skipped: nothing, or a
    // folder, is there, or the file there is the target itself.
    std::unique_ptr<PlatformFile> OpenSource(std::size_t row);
    bool IsASource(const std::optional<FileIdentity>& file) const;
    // Whether a file, not a folder and not the target, is at the path now.
    bool OtherFileAt(const std::string& path) const;

    PlatformFiles& files_;
    std::size_t bufferSize_;
    std::size_t buffersBehind_;
    std::string folder_;  // with its separator
    std::unique_ptr<PlatformFolder> held_;
    std::vector<Source> sources_;
    std::optional<FileIdentity> written_;  // the target's, once it is open
    std::unique_ptr<TextWriter> out_;
    std::unique_ptr<TextReader> in_;
};

}  // namespace kelvane
