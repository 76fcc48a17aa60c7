#pragma once

#include <functional>

#include "win32api.h"

namespace kelvane::win32 {

// The one message loop of the program and its tests: each message first meets the keyboard of
// the window of ours it is for (Tab, Enter, Esc, access keys), then is translated and
// dispatched. The modal loops of message boxes and the Save dialog are the system's own.

// Hands one message to its window.
void Dispatch(MSG& message);

// Waits for and handles messages until `done` returns true. A WM_QUIT met on the way is posted
// again, for the outer loop, and ends this one.
void RunUntil(const std::function<bool()>& done);

// Handles the messages already waiting, without waiting for more.
void PumpPending();

}  // namespace kelvane::win32
