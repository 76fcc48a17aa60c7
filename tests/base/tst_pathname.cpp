#include "base/pathname.h"

#include <gtest/gtest.h>

#include <string>

namespace kelvane {
namespace {

struct ExtensionCase {
    std::string path;
    std::string extension;
};

class ExtensionNameTest : public testing::TestWithParam<ExtensionCase> {};

TEST_P(ExtensionNameTest, TakesTheLastComponentsExtension) {
    EXPECT_EQ(GetExtensionName(GetParam().path), GetParam().extension);
}

INSTANTIATE_TEST_SUITE_P(Paths, ExtensionNameTest,
                         testing::Values(ExtensionCase{"a.txt", "txt"},
                                         ExtensionCase{"c.SQL", "SQL"},
                                         ExtensionCase{"backup.tar.gz", "gz"},
                                         ExtensionCase{"README", ""}, ExtensionCase{"name.", ""},
                                         ExtensionCase{"/some.dir/README", ""},
                                         ExtensionCase{"/some.dir/x.dat", "dat"}));

TEST(JoinFolder, AddsOneSeparatorOnlyWhereNeededAndTrimsNothing) {
    const std::string sep(1, kFolderSeparator);
    EXPECT_EQ(JoinFolder(sep + "data", "a.txt"), sep + "data" + sep + "a.txt");
    EXPECT_EQ(JoinFolder(sep, "a.txt"), sep + "a.txt");
    EXPECT_EQ(JoinFolder("", "a.txt"), "a.txt");
    EXPECT_EQ(JoinFolder("d", " a.txt "), "d" + sep + " a.txt ");
    // Spaces at either end belong to the folder's name: "sp " is not "sp".
    EXPECT_EQ(JoinFolder(" " + sep + "sp ", "a.txt"), " " + sep + "sp " + sep + "a.txt");
}

}  // namespace
}  // namespace kelvane
