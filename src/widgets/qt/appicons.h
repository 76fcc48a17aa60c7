#pragma once

#include <QIcon>

// The program's own pictures, drawn at run time.

// The application icon: two sheets of text joined into one, in 16, 32 and 48 pixel sizes.
QIcon AppIcon();

// The 32x32 arrows of the Up and Down buttons of the merge list.
QIcon UpArrowIcon();
QIcon DownArrowIcon();
