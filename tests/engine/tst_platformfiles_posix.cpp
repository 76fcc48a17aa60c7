#include "engine/platformfiles.h"

#include <fcntl.h>
#include <gtest/gtest.h>
#include <sys/resource.h>
#include <sys/stat.h>
#include <unistd.h>

#include <chrono>
#include <filesystem>
#include <stdexcept>
#include <string>
#include <thread>
#include <vector>

#include "childprocess.h"
#include "engine/fileerror.h"
#include "platformfilestest.h"
#include "tempfolder.h"

namespace kelvane {

namespace test {

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

// A pipe that has taken the place of a listed file must not freeze the window at its opening:
// with no program at its other end, it reads as empty and can't be opened for writing. Once
// open, it is read as it comes, however slow its writer.
TEST(PosixFiles, APipeNeitherBlocksAtItsOpeningNorMissesWhatComesLate) {
    test::TempFolder folder;
    const std::string pipe = folder.At("part1.txt");
    ASSERT_EQ(::mkfifo(pipe.c_str(), 0600), 0);
    PlatformFiles& files = NativeFiles();
    char bytes[8] = {};
    EXPECT_EQ(files.Open(pipe, PlatformFiles::Access::Read, false)->Read(bytes, 1), 0U);
    EXPECT_THROW(files.Open(pipe, PlatformFiles::Access::Write, true), FileError);

    // A reader for the moment, so that the writer's end opens without waiting.
    const int reader = ::open(pipe.c_str(), O_RDONLY | O_NONBLOCK);
    ASSERT_GE(reader, 0);
    const int writer = ::open(pipe.c_str(), O_WRONLY);
    ::close(reader);
    ASSERT_GE(writer, 0);
    auto source = files.Open(pipe, PlatformFiles::Access::Read, false);
    std::thread slow([writer] {
        std::this_thread::sleep_for(std::chrono::milliseconds(50));  // while the reading waits
        EXPECT_EQ(::write(writer, "late\n", 5), 5);
        ::close(writer);
    });
    std::size_t got = 0;
    EXPECT_NO_THROW(got = source->Read(bytes, sizeof bytes));
    slow.join();
    EXPECT_EQ(std::string(bytes, got), "late\n");
}

// Only "nothing is there" is an answer; a file that may be there but can't be looked at fails,
// looked up by its name or among enough names that its folder's listing is read.
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
        std::vector<std::string> names(20, "none.txt");
        names[3] = "b.txt";
        EXPECT_THROW(files.Folder(locked + "/")->LookUp(names), FileError);
        names[3] = "loop.txt";
        EXPECT_THROW(files.Folder(dir.Text() + "/")->LookUp(names), FileError);
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

}  // namespace
}  // namespace kelvane
