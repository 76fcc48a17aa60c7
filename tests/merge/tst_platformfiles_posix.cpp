#include "merge/platformfiles.h"

#include <fcntl.h>
#include <gtest/gtest.h>
#include <sys/resource.h>
#include <sys/stat.h>
#include <unistd.h>

#include <filesystem>
#include <string>

#include "childprocess.h"
#include "merge/fileerror.h"
#include "tempfolder.h"

namespace kelvane {
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

// Only "nothing is there" is an answer; a file that may be there but can't be looked at fails.
TEST(PosixFiles, LookingUpFailsWhereAFileMayBeThere) {
    test::TempFolder dir;
    const std::string file = dir.Write("a.txt", "x");
    const std::string locked = dir.MakeFolder("locked");
    dir.Write("locked/b.txt", "x");
    fs::create_symlink("loop.txt", dir.At("loop.txt"));
    const bool ran = test::RunUnprivileged({dir.Path()}, [&] {
        fs::permissions(locked, fs::perms::owner_read | fs::perms::owner_write);
        PlatformFiles& files = NativeFiles();
        for (const std::string& missing : {dir.At("none.txt"), dir.At("none/a.txt"), file + "/a"}) {
            EXPECT_FALSE(files.IsFile(missing)) << missing;
            EXPECT_FALSE(files.Identity(missing).has_value()) << missing;
        }
        for (const std::string& unknown :
             {dir.At("loop.txt"), locked + "/b.txt", locked + "/none.txt"}) {
            EXPECT_THROW(files.IsFile(unknown), FileError) << unknown;
            EXPECT_THROW(files.Identity(unknown), FileError) << unknown;
        }
        fs::permissions(locked, fs::perms::owner_all);
    });
    if (!ran) {
        GTEST_SKIP() << "root's rights can't be given up here";
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
        EXPECT_THROW(big->Write(block.data(), block.size()), FileError);

        const int reader = ::open(pipe.c_str(), O_RDONLY | O_NONBLOCK);
        ASSERT_GE(reader, 0);
        auto piped = files.Open(pipe, PlatformFiles::Access::Write, false);
        ::close(reader);
        EXPECT_THROW(piped->Write(block.data(), block.size()), FileError);
    });
}

}  // namespace
}  // namespace kelvane
