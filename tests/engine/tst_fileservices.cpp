#include "engine/fileservices.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <string>
#include <system_error>

#include "engine/fileerror.h"
#include "tempfolder.h"

namespace kelvane {
namespace {

namespace fs = std::filesystem;
using test::TempFolder;

// Each mode gives its own kind of stream: one opened for reading can't be written, nor one
// opened for writing read.
template <typename Stream>
concept Readable = requires(Stream& s) {
    s.AtEndOfStream();
    s.ReadLine();
};
template <typename Stream>
concept Writable = requires(Stream& s) {
    s.WriteLine("");
};
using Reading = decltype(*FileServices().OpenTextFile("", FileServices::ForReading, false));
using Writing = decltype(*FileServices().OpenTextFile("", FileServices::ForWriting, false));
static_assert(Readable<Reading> && !Writable<Reading>);
static_assert(Writable<Writing> && !Readable<Writing>);

TEST(FileServices, FileExistsOnlyForFiles) {
    TempFolder dir;
    FileServices fso;
    EXPECT_TRUE(fso.FileExists(dir.Write("a.txt", "x")));
    EXPECT_TRUE(fso.FileExists(dir.Write("empty.txt", "")));
    EXPECT_FALSE(fso.FileExists(dir.MakeFolder("folder.txt")));
    EXPECT_FALSE(fso.FileExists(dir.At("missing.txt")));
    EXPECT_FALSE(fso.FileExists(dir.At("missing") + "/a.txt"));
    EXPECT_EQ(fso.GetExtensionName(dir.At("a.Sql")), "Sql");
}

TEST(FileServices, WritingCreatesOrEmptiesTheFile) {
    TempFolder dir;
    FileServices fso;
    dir.Write("old.txt", "old content\n");
    for (const char* name : {"old.txt", "new.txt"}) {
        auto out = fso.OpenTextFile(dir.At(name), FileServices::ForWriting, true);
        EXPECT_EQ(dir.Read(name), "") << name;  // emptied as soon as it is open
        out->WriteLine("x");
        out->Close();
        EXPECT_EQ(dir.Read(name), "x\r\n") << name;
    }
    EXPECT_THROW(fso.OpenTextFile(dir.At("other.txt"), FileServices::ForWriting, false), FileError);
    EXPECT_FALSE(fs::exists(dir.At("other.txt")));
}

TEST(FileServices, ReadingAMissingFileFailsUnlessAskedToCreateIt) {
    TempFolder dir;
    FileServices fso;
    EXPECT_THROW(fso.OpenTextFile(dir.At("missing.txt"), FileServices::ForReading, false),
                 FileError);
    auto in = fso.OpenTextFile(dir.At("made.txt"), FileServices::ForReading, true);
    EXPECT_TRUE(in->AtEndOfStream());
    EXPECT_TRUE(fs::exists(dir.At("made.txt")));
}

TEST(FileServices, OpeningFailsForFoldersAndMissingFolders) {
    TempFolder dir;
    FileServices fso;
    const std::string folder = dir.MakeFolder("sub");
    const std::string file = dir.Write("file.txt", "x");
    for (const auto& path : {folder, dir.At("missing") + "/t.txt", file + "/t.txt"}) {
        EXPECT_THROW(fso.OpenTextFile(path, FileServices::ForReading, false), FileError) << path;
        EXPECT_THROW(fso.OpenTextFile(path, FileServices::ForWriting, true), FileError) << path;
    }
    EXPECT_EQ(dir.Read("file.txt"), "x");
}

TEST(FileServices, IdentityFollowsEveryNameOfAFile) {
    TempFolder dir;
    FileServices fso;
    const std::string file = dir.Write("a.txt", "x");
    const auto identity = fso.Identity(file);
    ASSERT_TRUE(identity.has_value());
    EXPECT_EQ(fso.Identity(dir.At(".") + "/a.txt"), identity);
    EXPECT_NE(fso.Identity(dir.Write("b.txt", "x")), identity);
    EXPECT_FALSE(fso.Identity(dir.At("missing.txt")).has_value());

    std::error_code error;
    fs::create_hard_link(file, dir.At("hard.txt"), error);
    if (!error) {
        EXPECT_EQ(fso.Identity(dir.At("hard.txt")), identity);
    }
    fs::create_symlink(file, dir.At("soft.txt"), error);
    if (!error) {
        EXPECT_EQ(fso.Identity(dir.At("soft.txt")), identity);
    }
}

}  // namespace
}  // namespace kelvane
