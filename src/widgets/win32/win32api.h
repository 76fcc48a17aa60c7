#pragma once

// The Windows headers as every file of the Win32 layer includes them: the common controls,
// without the min and max macros. The layer calls the wide ("W") functions only: its windows are
// Unicode ones, and the program's UTF-8 texts are converted at each call (base/widetext.h).
#ifndef NOMINMAX
#define NOMINMAX
#endif
#ifndef WIN32_LEAN_AND_MEAN
#define WIN32_LEAN_AND_MEAN
#endif
// clang-format off
#include <windows.h>
#include <commctrl.h>
#include <windowsx.h>
#include <commdlg.h>
// clang-format on

#include "widgets/formdesign.h"

namespace kelvane::win32 {

// Messages a window of ours posts to itself. They stay clear of WM_USER .. WM_USER + 2, which
// the dialog manager uses (DM_GETDEFID and friends).
inline constexpr UINT kLostFocusMessage = WM_APP + 1;
// To a list: hand the selection changes made since to the list box.
inline constexpr UINT kFlushMessage = WM_APP + 2;

// A colour of the system as the window descriptions tell colours.
inline Rgb ToRgb(COLORREF color) {
    return {GetRValue(color), GetGValue(color), GetBValue(color)};
}

}  // namespace kelvane::win32
