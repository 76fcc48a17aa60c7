#pragma once

#include "widgets/formdesign.h"

// The About dialog as every toolkit builds it: the icon, the title, the version, the
// description, the etched line, OK and System Info. Its texts here are the placeholders it has
// when it is made; its load event sets the real ones.
const kelvane::FormDesign& frmAboutDesign();
