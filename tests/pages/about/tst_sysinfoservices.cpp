// What the program start of every platform refuses to start, and reports; what each platform
// finds and starts is in tst_sysinfoservices_posix.cpp and tst_sysinfoservices_win32.cpp.
#include "pages/about/systemprogramstarter.h"

#include <gtest/gtest.h>

#include <string>

#include "paramname.h"
#include "tempfolder.h"

namespace kelvane {
namespace {

struct FailureCase {
    const char* name;
    std::string (*program)(const test::TempFolder&);
};

class SystemProgramStarterFailureTest : public ::testing::TestWithParam<FailureCase> {};

TEST_P(SystemProgramStarterFailureTest, ReportsAProgramThatCantStart) {
    test::TempFolder folder;
    EXPECT_FALSE(SystemProgramStarter().Start(GetParam().program(folder)));
}

const FailureCase kFailures[] = {
    {"Missing", [](const test::TempFolder& f) { return f.At("MSINFO32.EXE"); }},
    {"Empty", [](const test::TempFolder&) { return std::string(); }},
    // A bare name is no path: PATH isn't searched.
    {"BareName", [](const test::TempFolder&) { return std::string("true"); }},
    {"Folder", [](const test::TempFolder& f) { return f.MakeFolder("tools"); }},
    {"NotAProgram", [](const test::TempFolder& f) { return f.Write("notes.exe", "text\r\n"); }},
};

INSTANTIATE_TEST_SUITE_P(Programs, SystemProgramStarterFailureTest, ::testing::ValuesIn(kFailures),
                         test::ParamName<FailureCase>);

}  // namespace
}  // namespace kelvane
