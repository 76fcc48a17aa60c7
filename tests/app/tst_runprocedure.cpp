// A failure that escapes an event's procedure stops in the wrapper and leaves one line on the
// standard error stream, naming the procedure where it is known.
#include "app/runprocedure.h"

#include <fcntl.h>
#include <gtest/gtest.h>
#include <unistd.h>

#include <cstdio>
#include <functional>
#include <stdexcept>
#include <string>

#include "tempfolder.h"

namespace kelvane {
namespace {

// What the standard error stream receives while `body` runs.
std::string StandardErrorOf(const std::function<void()>& body) {
    test::TempFolder folder;
    std::fflush(stderr);
    const int saved = dup(2);
    const int file = open(folder.At("stderr").c_str(), O_WRONLY | O_CREAT | O_TRUNC, 0600);
    dup2(file, 2);
    close(file);
    body();
    std::fflush(stderr);
    dup2(saved, 2);
    close(saved);
    return folder.Read("stderr");
}

struct TraceCase {
    const char* name;
    std::function<void()> procedure;
    const char* control;  // null: run without naming the procedure
    Event event;
    std::string trace;
};

const TraceCase kCases[] = {
    {"Named", [] { throw std::out_of_range("row 6 of 6"); }, "lstFileSelect", Event::MouseUp,
     "kelvane-merger: lstFileSelect_MouseUp failed: row 6 of 6\n"},
    {"NotAStandardException", [] { throw 42; }, "cmdSysInfo", Event::Click,
     "kelvane-merger: cmdSysInfo_Click failed: an exception that tells nothing of itself\n"},
    {"Unnamed", [] { throw std::runtime_error("no such folder"); }, nullptr, Event::Change,
     "kelvane-merger: a procedure failed: no such folder\n"},
    {"NothingEscapes", [] {}, "cmdMerge", Event::Click, ""},
};

class RunProcedureTest : public ::testing::TestWithParam<TraceCase> {};

TEST_P(RunProcedureTest, TracesWhatEscapesOnTheStandardErrorStream) {
    const TraceCase& c = GetParam();
    const std::string trace = StandardErrorOf([&c] {
        if (c.control != nullptr) {
            RunProcedure(c.control, c.event, c.procedure);
        } else {
            RunProcedure(c.procedure);
        }
    });
    EXPECT_EQ(trace, c.trace);
}

INSTANTIATE_TEST_SUITE_P(Failures, RunProcedureTest, ::testing::ValuesIn(kCases),
                         [](const auto& named) { return std::string(named.param.name); });

}  // namespace
}  // namespace kelvane
