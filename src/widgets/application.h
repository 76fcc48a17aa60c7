#pragma once

namespace kelvane {

// The program's fixed texts that more than one window uses.
inline constexpr char kAppTitle[] = "Kelvane Text File Merger";
inline constexpr char kMessageTitle[] = "Kelvane Message";

}  // namespace kelvane
