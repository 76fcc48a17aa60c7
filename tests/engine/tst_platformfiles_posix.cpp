#include "engine/platformfiles.h"

#include <fcntl.h>
#include <gtest/gtest.h>
#include <sys/resource.h>
#include <sys/stat.h>
#include <unistd.h>

#include <chrono>
#include <filesystem>
#include <string>
#include <thread>
#include <vector>

#include "childprocess.h"
#include "engine/fileerror.h"
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

TEST(PosixFiles, IsFileOnlyForFiles) {
    test::TempFolder dir;
    PlatformFiles& files = NativeFiles();
    EXPECT_TRUE(files.IsFile(dir.Write("a.txt", "x")));
    EXPECT_TRUE(files.IsFile(dir.Write("empty.txt", "")));
    EXPECT_FALSE(files.IsFile(dir.MakeFolder("folder.txt")));
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
            EXPECT_FALSE(files.LookUp(missing).has_value()) << missing;
        }
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

// Many names looked up together, from a listing of the folder, tell what each lookup by name
// would: files, folders, links of every kind, a pipe, names with a separator, missing names and
// names given twice. The identities come from the listing, so they must be a lookup's.
TEST(PosixFiles, LookingUpManyNamesAgreesWithLookingUpEach) {
    test::TempFolder dir;
    std::vector<std::string> names;
    for (int i = 0; i < 20; ++i) {
        names.push_back("part " + std::to_string(i) + ".txt");
        dir.Write(names.back(), "x");
    }
    dir.MakeFolder("folder.txt");
    ASSERT_EQ(::mkfifo(dir.At("pipe.txt").c_str(), 0600), 0);
    fs::create_symlink("part 1.txt", dir.At("link.txt"));
    fs::create_symlink("folder.txt", dir.At("folder-link.txt"));
    fs::create_symlink("none.txt", dir.At("dangling.txt"));
    names.insert(names.end(),
                 {"folder.txt", "pipe.txt", "link.txt", "folder-link.txt", "dangling.txt",
                  "none.txt", "folder.txt/../part 2.txt", "", ".", "..", names[3], "PART 1.TXT"});
    PlatformFiles& files = NativeFiles();
    const std::string folder = dir.Text() + "/";
    const auto held = files.Folder(folder);
    const auto found = held->LookUp(names);
    ASSERT_EQ(found.size(), names.size());
    for (std::size_t i = 0; i < names.size(); ++i) {
        EXPECT_EQ(found[i], files.LookUp(folder + names[i])) << names[i];
    }
    EXPECT_TRUE(found[0].has_value() && !found[0]->folder);
    EXPECT_EQ(found[22], found[1]);  // the link, as the file it names
    EXPECT_FALSE(found[25].has_value());
}

// Cutting a file to the length it has already changes nothing, not even its time stamps.
TEST(PosixFiles, CuttingAFileToItsLengthKeepsItsTimeStamps) {
    test::TempFolder dir;
    const std::string path = dir.Write("t.txt", "kept\r\n");
    const timespec old[2] = {{1000000000, 0}, {1000000000, 0}};
    ASSERT_EQ(::utimensat(AT_FDCWD, path.c_str(), old, 0), 0);
    auto file = NativeFiles().Open(path, PlatformFiles::Access::Write, false);
    EXPECT_TRUE(file->Truncate(6));
    file->Close();
    struct stat info {};
    ASSERT_EQ(::stat(path.c_str(), &info), 0);
    EXPECT_EQ(info.st_mtim.tv_sec, old[1].tv_sec);
    EXPECT_EQ(dir.Read("t.txt"), "kept\r\n");
}

}  // namespace
}  // namespace kelvane
