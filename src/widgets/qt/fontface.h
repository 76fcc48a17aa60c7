#pragma once

#include <QFont>

#include "widgets/formdesign.h"

namespace kelvane::qt {

// The described face, or where the machine lacks it the nearest sans-serif face of the same size
// and weight: faces of the same widths first, so texts fit and wrap as they were laid out.
QFont FontFace(const FontDesign& font);

}  // namespace kelvane::qt
