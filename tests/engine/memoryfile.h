#pragma once

#include <algorithm>
#include <cstddef>
#include <cstdint>
#include <cstring>
#include <functional>
#include <optional>
#include <string>
#include <vector>

#include "engine/fileerror.h"
#include "engine/platformfiles.h"

namespace kelvane::test {

// A file in memory. Reads hand out `content` in pieces of the sizes in `pieces` (taken in
// turn, all of what is asked when empty), so that line ends can be put at any read boundary.
// Writes append to `written`. A limit makes a read or write raise once that many bytes have
// gone through; the call that reaches it moves what fits.
class MemoryFile : public PlatformFile {
  public:
    std::size_t Read(char* buffer, std::size_t size) override {
        if (readLimit && pos_ >= *readLimit) {
            throw FileError("injected read failure");
        }
        std::size_t n = std::min(size, content.size() - pos_);
        if (!pieces.empty()) {
            n = std::min(n, pieces[piece_++ % pieces.size()]);
        }
        if (readLimit) {
            n = std::min(n, *readLimit - pos_);
        }
        std::memcpy(buffer, content.data() + pos_, n);
        pos_ += n;
        return n;
    }

    std::size_t Write(const char* data, std::size_t size) override {
        if (onWrite) {
            onWrite();  // may wait, on the thread that writes
        }
        ++writes;
        if (writeLimit) {
            if (written.size() >= *writeLimit) {
                throw FileError("injected write failure");
            }
            size = std::min(size, *writeLimit - written.size());
        }
        written.append(data, size);
        return size;
    }

    void Close() override {
        ++closes;
        if (failClose) {
            throw FileError("injected close failure");
        }
    }

    std::optional<FileIdentity> Identity() override { return FileIdentity{0, 1}; }

    // Cuts `written` when `cuttable`, as a file on disk; otherwise, as a pipe, can't be cut.
    bool Truncate(std::uint64_t size) override {
        if (cuttable) {
            written.resize(std::min<std::size_t>(written.size(), size));
        }
        return cuttable;
    }

    std::string content;
    std::vector<std::size_t> pieces;
    std::optional<std::size_t> readLimit;
    std::string written;
    std::optional<std::size_t> writeLimit;
    bool failClose = false;
    bool cuttable = true;
    int writes = 0;
    int closes = 0;
    std::function<void()> onWrite;

  private:
    std::size_t pos_ = 0;
    std::size_t piece_ = 0;
};

// A PlatformFile that forwards to a MemoryFile the test keeps, so it can look at it after the
// stream has let go of the file.
class MemoryFileRef : public PlatformFile {
  public:
    explicit MemoryFileRef(MemoryFile& file) : file_(file) {}
    std::size_t Read(char* buffer, std::size_t size) override { return file_.Read(buffer, size); }
    std::size_t Write(const char* data, std::size_t size) override {
        return file_.Write(data, size);
    }
    void Close() override { file_.Close(); }
    std::optional<FileIdentity> Identity() override { return file_.Identity(); }
    bool Truncate(std::uint64_t size) override { return file_.Truncate(size); }

  private:
    MemoryFile& file_;
};

}  // namespace kelvane::test
