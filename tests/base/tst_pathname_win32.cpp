// Path names as Windows spells them: "\" separators, drive roots and drive-relative names.
#include <gtest/gtest.h>

#include <string>

#include "base/pathname.h"

namespace kelvane {
namespace {

TEST(PathNameWin32, TheSeparatorIsTheBackslash) {
    EXPECT_EQ(kFolderSeparator, '\\');
}

struct JoinCase {
    std::string folder;
    std::string name;
    std::string full;
};

class JoinFolderWin32 : public ::testing::TestWithParam<JoinCase> {};

TEST_P(JoinFolderWin32, AddsABackslashOnlyWhereTheFolderLacksOne) {
    EXPECT_EQ(JoinFolder(GetParam().folder, GetParam().name), GetParam().full);
}

INSTANTIATE_TEST_SUITE_P(
    Folders, JoinFolderWin32,
    ::testing::Values(JoinCase{"C:\\Data", "a.txt", "C:\\Data\\a.txt"},
                      JoinCase{"C:\\", "a.txt", "C:\\a.txt"},  // a drive root: no second "\"
                      JoinCase{"C:\\Data\\", "a.txt", "C:\\Data\\a.txt"},
                      JoinCase{"C:\\My Data", "b c.sql", "C:\\My Data\\b c.sql"},
                      JoinCase{"\\\\server\\share", "a.txt", "\\\\server\\share\\a.txt"},
                      JoinCase{"\\\\server\\share\\", "a.txt", "\\\\server\\share\\a.txt"}));

struct ExtensionCase {
    std::string path;
    std::string extension;
};

class GetExtensionNameWin32 : public ::testing::TestWithParam<ExtensionCase> {};

TEST_P(GetExtensionNameWin32, TakesTheExtensionOfTheLastComponentOnly) {
    EXPECT_EQ(GetExtensionName(GetParam().path), GetParam().extension);
}

INSTANTIATE_TEST_SUITE_P(
    Paths, GetExtensionNameWin32,
    ::testing::Values(ExtensionCase{"C:\\dir.x\\file", ""}, ExtensionCase{"C:\\a\\b.TXT", "TXT"},
                      ExtensionCase{"C:\\a.b\\c.d.sql", "sql"}, ExtensionCase{"C:\\dir.x/file", ""},
                      ExtensionCase{"C:\\", ""}, ExtensionCase{"C:notes.dat", "dat"},
                      ExtensionCase{"\\\\server\\share.x\\readme", ""},
                      ExtensionCase{"C:\\Donn\xE9"
                                    "es\\caf\xE9.txt",
                                    "txt"}));

}  // namespace
}  // namespace kelvane
