#include <cstdio>

#include "runprocedure.h"

namespace kelvane {

void TraceEscapedFailure(std::exception_ptr failure, std::string_view control,
                         std::string_view event) noexcept {
    try {
        const std::string line = EscapedFailureLine(failure, control, event);
        std::fwrite(line.data(), 1, line.size(), stderr);
        std::fflush(stderr);
    } catch (...) {
        // Nothing is left to tell it with.
    }
}

}  // namespace kelvane
