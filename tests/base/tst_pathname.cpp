// Path names on every platform; '|' stands for the platform's folder separator, so that drive
// roots and shares name the same places on Windows and the same texts elsewhere.
#include "base/pathname.h"

#include <gtest/gtest.h>

#include <string>

namespace kelvane {
namespace {

std::string Native(std::string text) {
    for (char& c : text) {
        c = c == '|' ? kFolderSeparator : c;
    }
    return text;
}

struct ExtensionCase {
    std::string path;
    std::string extension;
};

class ExtensionNameTest : public testing::TestWithParam<ExtensionCase> {};

TEST_P(ExtensionNameTest, TakesTheExtensionOfTheLastComponentOnly) {
    EXPECT_EQ(GetExtensionName(Native(GetParam().path)), GetParam().extension);
}

INSTANTIATE_TEST_SUITE_P(
    Paths, ExtensionNameTest,
    testing::Values(ExtensionCase{"a.txt", "txt"}, ExtensionCase{"c.SQL", "SQL"},
                    ExtensionCase{"backup.tar.gz", "gz"}, ExtensionCase{"README", ""},
                    ExtensionCase{"name.", ""}, ExtensionCase{"|some.dir|README", ""},
                    ExtensionCase{"|some.dir|x.dat", "dat"}, ExtensionCase{"C:|dir.x/file", ""},
                    ExtensionCase{"C:|a.b|c.d.sql", "sql"}, ExtensionCase{"C:|", ""},
                    ExtensionCase{"C:notes.dat", "dat"},
                    ExtensionCase{"||server|share.x|readme", ""},
                    ExtensionCase{"C:|Donn\xE9"
                                  "es|caf\xE9.txt",
                                  "txt"}));

struct JoinCase {
    std::string folder;
    std::string name;
    std::string full;
};

class JoinFolderTest : public testing::TestWithParam<JoinCase> {};

// Spaces at either end belong to the names: "sp " is not "sp".
TEST_P(JoinFolderTest, AddsOneSeparatorOnlyWhereTheFolderLacksOne) {
    EXPECT_EQ(JoinFolder(Native(GetParam().folder), GetParam().name), Native(GetParam().full));
}

INSTANTIATE_TEST_SUITE_P(
    Folders, JoinFolderTest,
    testing::Values(JoinCase{"|data", "a.txt", "|data|a.txt"}, JoinCase{"|", "a.txt", "|a.txt"},
                    JoinCase{"", "a.txt", "a.txt"}, JoinCase{"d", " a.txt ", "d| a.txt "},
                    JoinCase{" |sp ", "a.txt", " |sp |a.txt"},
                    JoinCase{"C:|", "a.txt", "C:|a.txt"},  // a drive root: no second separator
                    JoinCase{"C:|Data|", "a.txt", "C:|Data|a.txt"},
                    JoinCase{"C:|My Data", "b c.sql", "C:|My Data|b c.sql"},
                    JoinCase{"||server|share", "a.txt", "||server|share|a.txt"}));

}  // namespace
}  // namespace kelvane
