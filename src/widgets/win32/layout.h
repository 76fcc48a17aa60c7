#pragma once

#include "widgets/formdesign.h"
#include "widgets/twips.h"
#include "win32api.h"

namespace kelvane::win32 {

// The frame of our windows: a fixed dialog border with a title and the close box, no minimize
// or maximize box.
inline constexpr DWORD kFormStyle = WS_CAPTION | WS_SYSMENU | WS_CLIPCHILDREN;
inline constexpr DWORD kFormExStyle = WS_EX_DLGMODALFRAME | WS_EX_CONTROLPARENT;

// Where a control sits in its window's client area, in pixels at `dpi`: its place converted
// edge by edge within its container, moved by where the container itself sits (a tab control's
// place includes its tab strip, so its pages share its coordinates).
PixelRect ClientPlace(const FormDesign& form, const ControlDesign& control, int dpi);

// The DPI of the monitor a window of this description opens on: the one holding its described
// screen place, else the primary one.
int MonitorDpi(const FormDesign& form);

}  // namespace kelvane::win32
