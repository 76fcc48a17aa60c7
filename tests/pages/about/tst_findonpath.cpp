#include "pages/about/findonpath.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <string>

#include "tempfolder.h"

namespace kelvane {
namespace {

namespace fs = std::filesystem;

class FindOnPathTest : public ::testing::Test {
  protected:
    std::string Program(const std::string& folderName, const std::string& name, bool executable) {
        folder.MakeFolder(folderName);
        const std::string path = folder.Write(folderName + "/" + name, "#!/bin/sh\n");
        fs::permissions(path, executable ? fs::perms::owner_all
                                         : fs::perms::owner_read | fs::perms::owner_write);
        return path;
    }
    std::string Folder(const std::string& name) { return folder.MakeFolder(name); }

    const std::vector<std::string> programs = {"hardinfo2", "hardinfo", "kinfocenter"};
    test::TempFolder folder;
};

TEST_F(FindOnPathTest, PrefersTheEarlierProgramOverTheEarlierFolder) {
    Program("a", "kinfocenter", true);
    const std::string wanted = Program("b", "hardinfo2", true);
    EXPECT_EQ(FindOnPath(programs, Folder("a") + ":" + Folder("b")), wanted);
}

TEST_F(FindOnPathTest, TakesTheFirstFolderHoldingTheProgram) {
    const std::string wanted = Program("a", "hardinfo", true);
    Program("b", "hardinfo", true);
    EXPECT_EQ(FindOnPath(programs, Folder("a") + ":" + Folder("b")), wanted);
}

TEST_F(FindOnPathTest, PassesOverFilesThatCantRunAndFolders) {
    Program("a", "hardinfo2", false);
    folder.MakeFolder("a/hardinfo");
    const std::string wanted = Program("b", "kinfocenter", true);
    EXPECT_EQ(FindOnPath(programs, "::" + Folder("a") + "::" + Folder("b") + ":"), wanted);
}

TEST_F(FindOnPathTest, PassesOverRelativeFolders) {
    Program("rel", "hardinfo", true);
    const fs::path before = fs::current_path();
    fs::current_path(folder.Path());
    const std::string found = FindOnPath(programs, "rel:.:");
    fs::current_path(before);
    EXPECT_EQ(found, "");
}

TEST_F(FindOnPathTest, NothingFound) {
    EXPECT_EQ(FindOnPath(programs, Folder("empty")), "");
    EXPECT_EQ(FindOnPath(programs, ""), "");
}

}  // namespace
}  // namespace kelvane
