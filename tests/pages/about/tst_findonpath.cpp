#include "pages/about/findonpath.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <string>
#include <vector>

#include "tempfolder.h"

namespace kelvane {
namespace {

namespace fs = std::filesystem;

struct Case {
    const char* name;
    // What the folder holds: "name*" a program that runs, "name/" a folder, else a file that
    // can't run.
    std::vector<std::string> made;
    std::string path;   // '@' stands for the folder, which is also the current folder
    std::string found;  // in the folder; empty for nothing
};

class FindOnPathTest : public ::testing::TestWithParam<Case> {};

TEST_P(FindOnPathTest, FindsTheEarliestProgramInTheFirstFolderHoldingIt) {
    test::TempFolder folder;
    for (std::string made : GetParam().made) {
        if (made.back() == '/') {
            fs::create_directories(folder.Path() / made);
            continue;
        }
        const bool runs = made.back() == '*';
        made.erase(made.size() - (runs ? 1 : 0));
        fs::create_directories((folder.Path() / made).parent_path());
        fs::permissions(folder.Write(made, "#!/bin/sh\n"),
                        runs ? fs::perms::owner_all : fs::perms::owner_read);
    }
    std::string path = GetParam().path;
    for (auto at = path.find('@'); at != std::string::npos; at = path.find('@')) {
        path.replace(at, 1, folder.Text() + "/");
    }
    const fs::path before = fs::current_path();
    fs::current_path(folder.Path());
    const std::string found = FindOnPath({"hardinfo2", "hardinfo", "kinfocenter"}, path);
    fs::current_path(before);
    EXPECT_EQ(found, GetParam().found.empty() ? "" : folder.At(GetParam().found));
}

// clang-format off
const Case kCases[] = {
    {"EarlierProgramBeforeEarlierFolder", {"a/kinfocenter*", "b/hardinfo2*"}, "@a:@b", "b/hardinfo2"},
    {"FirstFolderHoldingTheProgram", {"a/hardinfo*", "b/hardinfo*"}, "@a:@b", "a/hardinfo"},
    {"FilesThatCantRunAndFoldersPassedOver", {"a/hardinfo2", "a/hardinfo/", "b/kinfocenter*"}, "::@a::@b:", "b/kinfocenter"},
    {"RelativeFoldersPassedOver", {"rel/hardinfo*", "hardinfo*"}, "rel:.:", ""},
    {"NothingInTheFolder", {"empty/"}, "@empty", ""},
    {"NoFolder", {"hardinfo*"}, "", ""},
};
// clang-format on

INSTANTIATE_TEST_SUITE_P(Paths, FindOnPathTest, ::testing::ValuesIn(kCases),
                         [](const auto& named) { return std::string(named.param.name); });

}  // namespace
}  // namespace kelvane
