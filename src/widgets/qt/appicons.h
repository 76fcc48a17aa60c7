#pragma once

#include <QIcon>

// The program's own pictures, from its resources.

// The application icon: two sheets of text joined into one, in the sizes of the hicolor icon
// theme, 16 to 256 pixels.
QIcon AppIcon();

// The folder list's pictures, 16 to 48 pixels: an open folder (the open one and its
// ancestors), or a closed one (subfolders). They differ in shape, not only in shade.
QIcon FolderPicture(bool open);

// The 32x32 arrows of the Up and Down buttons of the merge list.
QIcon UpArrowIcon();
QIcon DownArrowIcon();
