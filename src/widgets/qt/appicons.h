#pragma once

#include <QIcon>

// The program's own pictures, from its resources.

// The application icon: two sheets of text joined into one, in the sizes of the hicolor icon
// theme, 16 to 256 pixels.
QIcon AppIcon();

// The 32x32 arrows of the Up and Down buttons of the merge list.
QIcon UpArrowIcon();
QIcon DownArrowIcon();

// The folder list's pictures, 16 to 48 pixels: an open folder, drawn on the open folder and its
// ancestors, and a closed one on the subfolders.
QIcon FolderIcon(bool open);
