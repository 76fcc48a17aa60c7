#include "runprocedure.h"

namespace kelvane {

std::string EscapedFailureLine(std::exception_ptr failure, std::string_view control,
                               std::string_view event) {
    std::string what = "an exception that tells nothing of itself";
    try {
        std::rethrow_exception(failure);
    } catch (const std::exception& escaped) {
        what = escaped.what();
    } catch (...) {
    }
    std::string procedure = control.empty() ? "a procedure" : std::string(control);
    if (!control.empty() && !event.empty()) {
        procedure += '_';
        procedure += event;
    }
    return "kelvane-merger: " + procedure + " failed: " + what + "\n";
}

}  // namespace kelvane
