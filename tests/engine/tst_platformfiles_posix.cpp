#include "engine/platformfiles.h"

#include <fcntl.h>
#include <gtest/gtest.h>
#include <sys/resource.h>
#include <sys/stat.h>
#include <unistd.h>

#include <chrono>
#include <filesystem>
#include <fstream>
#include <stdexcept>
#include <string>
#include <thread>
#include <vector>

#include "childprocess.h"
#include "engine/copylines.h"
#include "engine/fileerror.h"
#include "faultyfiles.h"
#include "platformfilestest.h"
#include "tempfolder.h"

namespace kelvane {

namespace test {

const bool kNamesIgnoreCase = false;

// Pipes, and links of every kind; the folder's own names.
OddNames MakeOddNames(const TempFolder& dir) {
    if (::mkfifo(dir.At("pipe.txt").c_str(), 0600) != 0) {
        throw std::runtime_error("can't make a pipe");
    }
    std::filesystem::create_symlink("a.txt", dir.At("link.txt"));
    std::filesystem::create_symlink("folder.txt", dir.At("folder-link.txt"));
    std::filesystem::create_symlink("none.txt", dir.At("dangling.txt"));
    return {{"pipe.txt", "folder-link.txt", "dangling.txt", "A.TXT", "", ".", ".."}, {"link.txt"}};
}

}  // namespace test

namespace {

namespace fs = std::filesystem;

// A pipe that has taken the place of a listed file must not freeze the window at its opening.
TEST(PosixFiles, APipeNeitherBlocksReadingNorWriting) {
    test::TempFolder folder;
    const std::string pipe = folder.At("part1.txt");
    ASSERT_EQ(::mkfifo(pipe.c_str(), 0600), 0);
    PlatformFiles& files = NativeFiles();

    {
        auto source = files.Open(pipe, PlatformFiles::Access::Read, false);
        char byte = 0;
        EXPECT_EQ(source->Read(&byte, 1), 0U) << "no program writes to it: it reads as empty";
    }

    EXPECT_THROW(files.Open(pipe, PlatformFiles::Access::Write, true), FileError)
        << "no program reads from it";
}

// Once open, a pipe is read as it comes, however slow its writer.
TEST(PosixFiles, APipesReadingWaitsForItsWriter) {
    test::TempFolder folder;
    const std::string pipe = folder.At("part1.txt");
    ASSERT_EQ(::mkfifo(pipe.c_str(), 0600), 0);
    // A reader for the moment, so that the writer's end opens without waiting.
    const int reader = ::open(pipe.c_str(), O_RDONLY | O_NONBLOCK);
    ASSERT_GE(reader, 0);
    const int writer = ::open(pipe.c_str(), O_WRONLY);
    ::close(reader);
    ASSERT_GE(writer, 0);
    auto source = NativeFiles().Open(pipe, PlatformFiles::Access::Read, false);
    std::thread slow([writer] {
        std::this_thread::sleep_for(std::chrono::milliseconds(50));  // while the reading waits
        EXPECT_EQ(::write(writer, "late\n", 5), 5);
        ::close(writer);
    });
    char bytes[8] = {};
    std::size_t got = 0;
    EXPECT_NO_THROW(got = source->Read(bytes, sizeof bytes));
    slow.join();
    EXPECT_EQ(std::string(bytes, got), "late\n");
}

// Only "nothing is there" is an answer; a file that may be there but can't be looked at fails.
TEST(PosixFiles, LookingUpFailsWhereAFileMayBeThere) {
    test::TempFolder dir;
    const std::string locked = dir.MakeFolder("locked");
    dir.Write("locked/b.txt", "x");
    fs::create_symlink("loop.txt", dir.At("loop.txt"));
    const bool ran = test::RunUnprivileged({dir.Path()}, [&] {
        fs::permissions(locked, fs::perms::owner_read | fs::perms::owner_write);
        PlatformFiles& files = NativeFiles();
        for (const std::string& unknown :
             {dir.At("loop.txt"), locked + "/b.txt", locked + "/none.txt"}) {
            EXPECT_THROW(files.IsFile(unknown), FileError) << unknown;
            EXPECT_THROW(files.LookUp(unknown), FileError) << unknown;
        }
        fs::permissions(locked, fs::perms::owner_all);
    });
    if (!ran) {
        GTEST_SKIP() << "root's rights can't be given up here";
    }
}

// Writes all the bytes, as many times as PlatformFile::Write takes.
void WriteAll(PlatformFile& file, const std::string& bytes) {
    for (std::size_t done = 0; done < bytes.size();) {
        done += file.Write(bytes.data() + done, bytes.size() - done);
    }
}

// A write past the file-size limit, or into a pipe whose reader has gone, fails; the program
// goes on. Run in a child, which is what such a signal would end.
TEST(PosixFiles, WritesThatWouldRaiseASignalFail) {
    test::TempFolder dir;
    const std::string pipe = dir.At("pipe");
    ASSERT_EQ(::mkfifo(pipe.c_str(), 0600), 0);
    test::RunInChild([&] {
        PlatformFiles& files = NativeFiles();
        const std::string block(8192, 'x');

        const rlimit limit{4096, RLIM_INFINITY};
        ASSERT_EQ(::setrlimit(RLIMIT_FSIZE, &limit), 0);
        auto big = files.Open(dir.At("big.txt"), PlatformFiles::Access::Write, true);
        EXPECT_THROW(WriteAll(*big, block), FileError);

        const int reader = ::open(pipe.c_str(), O_RDONLY | O_NONBLOCK);
        ASSERT_GE(reader, 0);
        auto piped = files.Open(pipe, PlatformFiles::Access::Write, false);
        ::close(reader);
        EXPECT_THROW(WriteAll(*piped, block), FileError);
    });
}

// A file on a file system in memory is told from one of another kind.
TEST(PosixFiles, TellsAFileInMemory) {
    if (!fs::is_directory("/dev/shm")) {
        GTEST_SKIP() << "no file system in memory here";
    }
    const std::string path = "/dev/shm/kelvane-inmemory-" + std::to_string(::getpid());
    EXPECT_TRUE(NativeFiles().Open(path, PlatformFiles::Access::Write, true)->InMemory());
    fs::remove(path);
    EXPECT_FALSE(
        NativeFiles().Open("/proc/self/status", PlatformFiles::Access::Read, false)->InMemory());
}

// Lines of `size` bytes in all, each numbered, so that a byte out of place shows.
std::string NumberedLines(std::size_t size) {
    std::string text;
    for (int line = 0; text.size() < size; ++line) {
        text += "line " + std::to_string(line) + " of the source\n";
    }
    text.resize(size);
    return text;
}

// A file read through View: mapped a window at a time when it is at least a window long, read
// otherwise, and read on past the length it had when opened if it has grown since. Windows that
// are no whole number of pages start inside a page.
struct ViewedFile {
    std::size_t size;
    std::size_t window;
    std::size_t grown;  // bytes added once it is open
};

class Viewing : public ::testing::TestWithParam<ViewedFile> {};

TEST_P(Viewing, GivesTheFileAsItIs) {
    const ViewedFile& c = GetParam();
    test::TempFolder dir;
    const std::string whole = NumberedLines(c.size + c.grown);
    const std::string path = dir.Write("a.txt", whole.substr(0, c.size));
    auto file = NativeFiles().Open(path, PlatformFiles::Access::Read, false);
    std::ofstream(path, std::ios::app) << whole.substr(c.size);
    std::vector<char> buffer(c.window);
    std::string read;
    for (std::string_view bytes = file->View(buffer.data(), c.window); !bytes.empty();
         bytes = file->View(buffer.data(), c.window)) {
        ASSERT_LE(bytes.size(), c.window);
        read += bytes;
    }
    EXPECT_EQ(read, whole);
}

INSTANTIATE_TEST_SUITE_P(PosixFiles, Viewing,
                         ::testing::Values(ViewedFile{100, 4096, 0}, ViewedFile{0, 4096, 0},
                                           ViewedFile{4096, 4096, 0}, ViewedFile{50000, 5000, 0},
                                           ViewedFile{3 * 65536 + 7, 65536, 0},
                                           ViewedFile{20000, 4096, 9000}));

// A source cut short by another program while it is mapped: the merge fails, as when reading
// fails, rather than the program ending; the target keeps the whole lines copied before. Cut
// inside its last page, the file shows zeros there, not a fault: that is failed too.
TEST(PosixFiles, ASourceCutShortWhileMappedFailsTheCopy) {
    for (const std::size_t cut :
         {std::size_t{0}, std::size_t{300000}, std::size_t{(1 << 20) - 10}}) {
        SCOPED_TRACE(cut);
        test::TempFolder dir;
        const std::string text = NumberedLines(1 << 20);
        const std::string path = dir.Write("a.txt", text);
        TextReader in(NativeFiles().Open(path, PlatformFiles::Access::Read, false), 64 * 1024);
        in.Peek();  // the first window is mapped
        ASSERT_EQ(::truncate(path.c_str(), static_cast<off_t>(cut)), 0);
        auto target = std::make_unique<test::MemoryFile>();
        test::MemoryFile& written = *target;
        TextWriter out(std::move(target), 128 * 1024);
        EXPECT_THROW(CopyLines(in, out), FileError);
        out.Flush();
        EXPECT_TRUE(written.written.empty() || written.written.ends_with("\r\n"));
        EXPECT_LE(written.written.size(), cut + cut / 20);
    }
}

}  // namespace
}  // namespace kelvane
