#pragma once

#include <exception>
#include <string>
#include <string_view>

#include "widgets/window.h"

namespace kelvane {

// An event as the names of the procedures that handle it end: "Click" in "cmdMerge_Click".
constexpr std::string_view EventName(Event event) noexcept {
    switch (event) {
        case Event::Click:
            return "Click";
        case Event::Change:
            return "Change";
        case Event::LostFocus:
            return "LostFocus";
        case Event::MouseDown:
            return "MouseDown";
        case Event::MouseUp:
            return "MouseUp";
    }
    return "Event";
}

// The line that tells of `failure`, which escaped the procedure that handles `event` of
// `control` ("lstFileSelect_MouseUp"); either may be empty where it isn't known.
std::string EscapedFailureLine(std::exception_ptr failure, std::string_view control,
                               std::string_view event);

// Leaves a trace of a failure that escaped a procedure, for whoever investigates it: its line
// goes to the standard error stream, on Windows to the debug output. The user sees nothing of
// it. Never raises.
void TraceEscapedFailure(std::exception_ptr failure, std::string_view control,
                         std::string_view event) noexcept;

}  // namespace kelvane

namespace kelvane::detail {

// Runs `procedure`, tracing whatever escapes it under the names given.
template <typename Procedure>
void RunTraced(std::string_view control, std::string_view event, Procedure& procedure) noexcept {
    try {
        procedure();
    } catch (...) {
        kelvane::TraceEscapedFailure(std::current_exception(), control, event);
    }
}

}  // namespace kelvane::detail

// Runs one event's procedure. The procedures handle their own failures; anything that still
// escapes stops here rather than in the toolkit's event loop, and leaves a trace.
template <typename Procedure>
void RunProcedure(Procedure&& procedure) noexcept {
    kelvane::detail::RunTraced({}, {}, procedure);
}

// The same for the procedure that handles `event` of `control`, which the trace names.
template <typename Procedure>
void RunProcedure(std::string_view control, kelvane::Event event, Procedure&& procedure) noexcept {
    kelvane::detail::RunTraced(control, kelvane::EventName(event), procedure);
}
