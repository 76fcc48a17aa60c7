#include "pages/about/systemfilelookup.h"

#include <gtest/gtest.h>

#include <string>

#include "tempfolder.h"

namespace kelvane {
namespace {

struct LookupCase {
    const char* name;
    std::string (*path)(const test::TempFolder&);
    std::string expected;
};

class SystemFileLookupTest : public ::testing::TestWithParam<LookupCase> {};

TEST_P(SystemFileLookupTest, FindsOnlyPlainFiles) {
    test::TempFolder folder;
    SystemFileLookup lookup;
    EXPECT_EQ(lookup.PlainFileName(GetParam().path(folder)), GetParam().expected);
}

const LookupCase kCases[] = {
    {"PlainFile", [](const test::TempFolder& f) { return f.Write("MSINFO32.EXE", "x"); },
     "MSINFO32.EXE"},
    {"EmptyFile", [](const test::TempFolder& f) { return f.Write("empty", ""); }, "empty"},
    {"Missing", [](const test::TempFolder& f) { return f.At("MSINFO32.EXE"); }, ""},
    {"Folder", [](const test::TempFolder& f) { return f.MakeFolder("MSINFO32.EXE"); }, ""},
    {"HiddenFile", [](const test::TempFolder& f) { return f.Write(".sysinfo", "x"); }, ""},
    {"FileInsideAHiddenFolder",
     [](const test::TempFolder& f) {
         f.MakeFolder(".tools");
         return f.Write(".tools/sysinfo", "x");
     },
     "sysinfo"},
    {"EmptyPath", [](const test::TempFolder&) { return std::string(); }, ""},
};

INSTANTIATE_TEST_SUITE_P(Paths, SystemFileLookupTest, ::testing::ValuesIn(kCases),
                         [](const auto& named) { return std::string(named.param.name); });

}  // namespace
}  // namespace kelvane
