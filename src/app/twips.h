#pragma once

#include <QFont>

class QWidget;

// Helpers for windows laid out in twips: 15 twips make one device-independent pixel, so the
// layout scales with the screen.
namespace twips {

int Px(int twips);

// Sets a control's place and size, in twips, in its parent's coordinates.
void Place(QWidget* control, int left, int top, int width, int height);

// The named face, or where the machine lacks it the nearest sans-serif face of the same size and
// weight: faces of the same widths first, so texts fit and wrap as they were laid out.
QFont Face(const char* family, double points, bool bold);

}  // namespace twips
