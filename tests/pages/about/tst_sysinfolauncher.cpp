#include "pages/about/sysinfolauncher.h"

#include <gtest/gtest.h>

#include <functional>
#include <string>
#include <vector>

#include "fakemsgbox.h"
#include "sysinfodoubles.h"

namespace kelvane {
namespace {

constexpr char kProgram[] = "C:\\Program Files\\Common Files\\MSInfo\\msinfo32.exe";

struct LaunchCase {
    const char* name;
    std::function<void(test::FakeSysInfoLocator&, test::RecordingStarter&)> arrange;
    std::vector<std::string> attempts;  // programs the launcher tried to start
    bool message;                       // whether it said the program is unavailable
};

class StartSysInfoTest : public ::testing::TestWithParam<LaunchCase> {
  protected:
    test::FakeSysInfoLocator locator;
    test::RecordingStarter starter;
    test::FakeMsgBox msgBox;
    SysInfoLauncher launcher{locator, starter, msgBox};
};

TEST_P(StartSysInfoTest, StartsTheProgramOrSaysItIsUnavailable) {
    GetParam().arrange(locator, starter);
    launcher.StartSysInfo();

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

// clang-format off
const LaunchCase kLaunchCases[] = {
    {"ProgramFoundAndStarted",
     [](auto& locator, auto& starter) { locator.program = kProgram; starter.installed = {kProgram}; },
     {kProgram}, false},
    {"StaleProgram", [](auto& locator, auto&) { locator.program = kProgram; }, {kProgram}, true},
    {"EmptyPathIsTriedAndFails", [](auto& locator, auto&) { locator.program = ""; }, {""}, true},
    {"NoProgram", [](auto&, auto&) {}, {}, true},
    {"LookupFails",
     [](auto& locator, auto& starter) { locator.program = kProgram; locator.fails = true; starter.installed = {kProgram}; },
     {}, true},
};
// clang-format on

INSTANTIATE_TEST_SUITE_P(Launches, StartSysInfoTest, ::testing::ValuesIn(kLaunchCases),
                         [](const auto& named) { return std::string(named.param.name); });

}  // namespace
}  // namespace kelvane
