#include "pages/about/sysinfolauncher.h"

#include <gtest/gtest.h>

#include <optional>
#include <string>
#include <vector>

#include "fakemsgbox.h"
#include "paramname.h"
#include "sysinfodoubles.h"

namespace kelvane {
namespace {

constexpr char kProgram[] = "C:\\Program Files\\Common Files\\MSInfo\\msinfo32.exe";

struct LaunchCase {
    const char* name;
    std::optional<std::string> located;  // the program the lookup names
    bool lookupFails;
    bool installed;                     // whether kProgram starts
    std::vector<std::string> attempts;  // programs the launcher tried to start
    bool message;                       // whether it said the program is unavailable
};

class StartSysInfoTest : public ::testing::TestWithParam<LaunchCase> {};

TEST_P(StartSysInfoTest, StartsTheProgramOrSaysItIsUnavailable) {
    test::FakeSysInfoLocator locator;
    locator.program = GetParam().located;
    locator.fails = GetParam().lookupFails;
    test::RecordingStarter starter;
    if (GetParam().installed) {
        starter.installed = {kProgram};
    }
    test::FakeMsgBox msgBox;
    SysInfoLauncher(locator, starter, msgBox).StartSysInfo();

    EXPECT_EQ(starter.attempts, GetParam().attempts);
    if (GetParam().message) {
        ASSERT_EQ(msgBox.shown.size(), 1u);
        EXPECT_EQ(msgBox.shown[0].text, "System Information Is Unavailable At This Time");
        EXPECT_EQ(msgBox.shown[0].style, MsgBox::Style::Plain);
        EXPECT_EQ(msgBox.shown[0].title, "") << "the box must carry the application title";
    } else {
        EXPECT_TRUE(msgBox.shown.empty());
    }
    EXPECT_EQ(locator.lookups, 1);
}

const LaunchCase kLaunchCases[] = {
    {"ProgramFoundAndStarted", kProgram, false, true, {kProgram}, false},
    {"StaleProgram", kProgram, false, false, {kProgram}, true},
    {"EmptyPathIsTriedAndFails", "", false, false, {""}, true},
    {"NoProgram", std::nullopt, false, true, {}, true},
    {"LookupFails", kProgram, true, true, {}, true},
};

INSTANTIATE_TEST_SUITE_P(Launches, StartSysInfoTest, ::testing::ValuesIn(kLaunchCases),
                         test::ParamName<LaunchCase>);

}  // namespace
}  // namespace kelvane
