// A failure that escapes an event's procedure leaves its line in the Windows debug output, read
// here as a debug-output viewer reads it: the system writes each text, after the process id of
// its writer, into a shared buffer.
#include <gtest/gtest.h>
#include <windows.h>

#include <stdexcept>
#include <string>

#include "widgets/runprocedure.h"

namespace kelvane {
namespace {

TEST(RunProcedureWin32, TracesWhatEscapesInTheDebugOutput) {
    const HANDLE bufferReady = CreateEventW(nullptr, FALSE, TRUE, L"DBWIN_BUFFER_READY");
    const HANDLE dataReady = CreateEventW(nullptr, FALSE, FALSE, L"DBWIN_DATA_READY");
    const HANDLE buffer =
        CreateFileMappingW(INVALID_HANDLE_VALUE, nullptr, PAGE_READWRITE, 0, 4096, L"DBWIN_BUFFER");
    const char* view = static_cast<const char*>(MapViewOfFile(buffer, FILE_MAP_READ, 0, 0, 4096));
    ASSERT_NE(view, nullptr);

    RunProcedure("lstFileSelect", Event::MouseUp, [] { throw std::out_of_range("row 6 of 6"); });
    std::string trace;
    while (trace.empty() && WaitForSingleObject(dataReady, 10000) == WAIT_OBJECT_0) {
        if (*reinterpret_cast<const DWORD*>(view) == GetCurrentProcessId()) {
            trace = view + sizeof(DWORD);
        }
        SetEvent(bufferReady);  // another program's text is passed over
    }
    EXPECT_EQ(trace, "kelvane-merger: lstFileSelect_MouseUp failed: row 6 of 6\n");
    UnmapViewOfFile(view);
    CloseHandle(buffer);
    CloseHandle(dataReady);
    CloseHandle(bufferReady);
}

}  // namespace
}  // namespace kelvane
