// A failure that escapes an event's procedure stops in the wrapper and leaves one line on the
// standard error stream, naming the procedure where it is known.
#include "widgets/runprocedure.h"

#include <gtest/gtest.h>

#include <functional>
#include <stdexcept>
#include <string>

namespace kelvane {
namespace {

struct TraceCase {
    const char* what;
    std::function<void()> procedure;
    const char* control;  // null: run without naming the procedure
    Event event;
    std::string trace;
};

const TraceCase kCases[] = {
    {"named", [] { throw std::out_of_range("row 6 of 6"); }, "lstFileSelect", Event::MouseUp,
     "kelvane-merger: lstFileSelect_MouseUp failed: row 6 of 6\n"},
    {"not a standard exception", [] { throw 42; }, "cmdSysInfo", Event::Click,
     "kelvane-merger: cmdSysInfo_Click failed: an exception that tells nothing of itself\n"},
    {"unnamed", [] { throw std::runtime_error("no such folder"); }, nullptr, Event::Change,
     "kelvane-merger: a procedure failed: no such folder\n"},
    {"nothing escapes", [] {}, "cmdMerge", Event::Click, ""},
};

TEST(RunProcedure, TracesWhatEscapesOnTheStandardErrorStream) {
    for (const TraceCase& c : kCases) {
        testing::internal::CaptureStderr();
        if (c.control != nullptr) {
            RunProcedure(c.control, c.event, c.procedure);
        } else {
            RunProcedure(c.procedure);
        }
        EXPECT_EQ(testing::internal::GetCapturedStderr(), c.trace) << c.what;
    }
}

}  // namespace
}  // namespace kelvane
