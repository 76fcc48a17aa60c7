// A failure that escapes an event's procedure leaves its line in the Windows debug output, read
// here as a debug-output viewer reads it: through the shared buffer the system writes it into.
#include <gtest/gtest.h>
#include <windows.h>

#include <stdexcept>
#include <string>

#include "app/runprocedure.h"

namespace kelvane {
namespace {

// Listens to the debug output while it lives.
class DebugOutputListener {
  public:
    DebugOutputListener()
        : bufferReady_(CreateEventW(nullptr, FALSE, TRUE, L"DBWIN_BUFFER_READY")),
          dataReady_(CreateEventW(nullptr, FALSE, FALSE, L"DBWIN_DATA_READY")),
          buffer_(CreateFileMappingW(INVALID_HANDLE_VALUE, nullptr, PAGE_READWRITE, 0, kSize,
                                     L"DBWIN_BUFFER")),
          view_(static_cast<const char*>(MapViewOfFile(buffer_, FILE_MAP_READ, 0, 0, kSize))) {}
    ~DebugOutputListener() {
        UnmapViewOfFile(view_);
        CloseHandle(buffer_);
        CloseHandle(dataReady_);
        CloseHandle(bufferReady_);
    }
    DebugOutputListener(const DebugOutputListener&) = delete;
    DebugOutputListener& operator=(const DebugOutputListener&) = delete;

    // The next text this process wrote there; texts of other processes are passed over. Empty
    // when none comes.
    std::string NextOfThisProcess() {
        while (view_ != nullptr && WaitForSingleObject(dataReady_, 10000) == WAIT_OBJECT_0) {
            // The buffer holds the writer's process id, then its text.
            const DWORD writer = *reinterpret_cast<const DWORD*>(view_);
            const std::string text(view_ + sizeof(DWORD),
                                   strnlen(view_ + sizeof(DWORD), kSize - 4));
            SetEvent(bufferReady_);
            if (writer == GetCurrentProcessId()) {
                return text;
            }
        }
        return {};
    }

  private:
    static constexpr DWORD kSize = 4096;
    HANDLE bufferReady_;
    HANDLE dataReady_;
    HANDLE buffer_;
    const char* view_;
};

TEST(RunProcedureWin32, TracesWhatEscapesInTheDebugOutput) {
    DebugOutputListener listener;
    RunProcedure("lstFileSelect", Event::MouseUp, [] { throw std::out_of_range("row 6 of 6"); });
    EXPECT_EQ(listener.NextOfThisProcess(),
              "kelvane-merger: lstFileSelect_MouseUp failed: row 6 of 6\n");
}

}  // namespace
}  // namespace kelvane
