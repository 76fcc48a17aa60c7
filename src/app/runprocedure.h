#pragma once

// Runs one event's procedure. The procedures handle their own failures; anything that still
// escapes stops here rather than in the toolkit's event loop.
template <typename Procedure>
void RunProcedure(Procedure&& procedure) noexcept {
    try {
        procedure();
    } catch (...) {
    }
}
