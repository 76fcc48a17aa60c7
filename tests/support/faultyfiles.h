#pragma once

#include <algorithm>
#include <cstddef>
#include <cstdint>
#include <cstring>
#include <filesystem>
#include <functional>
#include <map>
#include <memory>
#include <optional>
#include <set>
#include <string>
#include <vector>

#include "engine/fileerror.h"
#include "engine/platformfiles.h"

namespace kelvane::test {

// How many of `size` bytes a read or write moves once `done` went through a file with this
// limit: it fails once the limit is reached; the call that reaches it moves what fits.
inline std::size_t UpToLimit(const std::optional<std::size_t>& limit, std::size_t done,
                             std::size_t size, const char* what) {
    if (limit && done >= *limit) {
        throw FileError(std::string("injected ") + what + " failure");
    }
    return limit ? std::min(size, *limit - done) : size;
}

// A file in memory. Reads hand out `content` in pieces of the sizes in `pieces` (taken in
// turn, all of what is asked when empty), so that line ends can be put at any read boundary.
// Writes append to `written`. A limit makes a read or write raise once that many bytes have
// gone through; the call that reaches it moves what fits.
struct MemoryFile {
    // An open file whose reads and writes are this one's, which the test keeps, so that it can
    // look at it after the stream has let go of the file.
    std::unique_ptr<PlatformFile> Ref() { return std::make_unique<Handle>(*this); }

    std::string content;
    std::vector<std::size_t> pieces;
    std::optional<std::size_t> readLimit;
    std::string written;
    std::optional<std::size_t> writeLimit;
    bool failClose = false;
    bool cuttable = true;  // as a file on disk; otherwise, as a pipe, it can't be cut
    bool failCut = false;
    int writes = 0;
    std::function<void()> onWrite;  // may wait, on the thread that writes
    // Where reading has got to, and the piece it takes next.
    std::size_t pos = 0;
    std::size_t piece = 0;

  private:
    class Handle : public PlatformFile {
      public:
        explicit Handle(MemoryFile& file) : f_(file) {}

        std::size_t Read(char* buffer, std::size_t size) override {
            std::size_t n =
                UpToLimit(f_.readLimit, f_.pos, std::min(size, f_.content.size() - f_.pos), "read");
            if (!f_.pieces.empty()) {
                n = std::min(n, f_.pieces[f_.piece++ % f_.pieces.size()]);
            }
            std::memcpy(buffer, f_.content.data() + f_.pos, n);
            f_.pos += n;
            return n;
        }

        std::size_t Write(const char* data, std::size_t size) override {
            if (f_.onWrite) {
                f_.onWrite();
            }
            ++f_.writes;
            size = UpToLimit(f_.writeLimit, f_.written.size(), size, "write");
            f_.written.append(data, size);
            return size;
        }

        void Close() override {
            if (f_.failClose) {
                throw FileError("injected close failure");
            }
        }

        std::optional<FileIdentity> Identity() override { return FileIdentity{0, 1}; }

        bool Truncate(std::uint64_t size) override {
            if (f_.failCut) {
                throw FileError("injected cut failure");
            }
            if (f_.cuttable) {
                f_.written.resize(std::min<std::size_t>(f_.written.size(), size));
            }
            return f_.cuttable;
        }

      private:
        MemoryFile& f_;
    };
};

// The real file API with failures injected by file name, for the failures a test can't cause
// on a real file system (the tests may run with rights that override file permissions). Names in
// a folder are reached by their full paths (JoinedFolder), so that they open through it. Its
// files never tell that they are held in memory (PlatformFile::InMemory), so that a run through
// them writes behind wherever the temporary folder is, and the tests of writing behind run
// everywhere.
class FaultyFiles : public PlatformFiles {
  public:
    bool IsFile(const std::string& path) override { return NativeFiles().IsFile(path); }
    std::optional<FileStatus> LookUp(const std::string& path) override {
        return NativeFiles().LookUp(path);
    }

    std::unique_ptr<PlatformFile> Open(const std::string& path, Access access,
                                       bool create) override {
        const std::string name = std::filesystem::path(path).filename().string();
        opened.push_back(name);
        if (failOpen.count(name) != 0) {
            throw FileError("injected open failure");
        }
        return std::make_unique<Faulty>(*this, name, NativeFiles().Open(path, access, create),
                                        access == Access::Write);
    }

    // Bare names whose opening fails.
    std::set<std::string> failOpen;
    // Bare names whose reading fails once this many bytes were read.
    std::map<std::string, std::size_t> failReadAt;
    // Files opened for writing: closing reports a failure.
    bool failClose = false;
    // Bare names of every file opened, in order.
    std::vector<std::string> opened;
    // Called on the thread that does it, before it is done: each read of a source (its bare
    // name), each write to a file opened for writing, each cut of such a file. They may wait, or
    // raise a failure of their own.
    std::function<void(const std::string& name)> onRead;
    std::function<void()> onWrite;
    std::function<void()> onCut;

  private:
    class Faulty : public PlatformFile {
      public:
        Faulty(const FaultyFiles& files, std::string name, std::unique_ptr<PlatformFile> file,
               bool writing)
            : files_(files), name_(std::move(name)), file_(std::move(file)), writing_(writing) {}

        std::size_t Read(char* buffer, std::size_t size) override {
            if (files_.onRead) {
                files_.onRead(name_);
            }
            if (const auto it = files_.failReadAt.find(name_); it != files_.failReadAt.end()) {
                size = UpToLimit(it->second, done_, size, "read");
            }
            const std::size_t n = file_->Read(buffer, size);
            done_ += n;
            return n;
        }

        std::size_t Write(const char* data, std::size_t size) override {
            if (files_.onWrite) {
                files_.onWrite();
            }
            return file_->Write(data, size);
        }

        void Close() override {
            file_->Close();
            if (writing_ && files_.failClose) {
                throw FileError("injected close failure");
            }
        }

        std::optional<FileIdentity> Identity() override { return file_->Identity(); }
        bool Is(const FileIdentity& identity) override { return file_->Is(identity); }
        bool Truncate(std::uint64_t size) override {
            if (files_.onCut) {
                files_.onCut();
            }
            return file_->Truncate(size);
        }

      private:
        const FaultyFiles& files_;
        std::string name_;
        std::unique_ptr<PlatformFile> file_;
        bool writing_;
        std::size_t done_ = 0;
    };
};

}  // namespace kelvane::test
