#pragma once

#include "widgets/formdesign.h"

// The main window as every toolkit builds it: the banner, the target path row, the two pages of
// the tab control, Merge and Close, and the menus.
const kelvane::FormDesign& frmMainDesign();
