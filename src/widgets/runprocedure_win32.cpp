#include <windows.h>

#include "base/widetext.h"
#include "runprocedure.h"

namespace kelvane {

// A program with windows has no console: the trace goes to the debug output, where a debugger
// or a debug-output viewer shows it.
void TraceEscapedFailure(std::exception_ptr failure, std::string_view control,
                         std::string_view event) noexcept {
    try {
        OutputDebugStringW(ToWideShown(EscapedFailureLine(failure, control, event)).c_str());
    } catch (...) {
        // Nothing is left to tell it with.
    }
}

}  // namespace kelvane
