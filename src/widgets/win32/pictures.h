#pragma once

#include "widgets/formdesign.h"
#include "win32api.h"

namespace kelvane::win32 {

// The program's pictures, from its resources, at `size` pixels square: the application icon
// (the system's application icon when the program carries none, as a test program doesn't) and
// the arrows of the Up and Down buttons (none when missing). The icons are shared: never
// destroyed by their users.
HICON PictureIcon(Picture picture, int size);

// The folder pictures of the folder list, small size: an open folder and a closed one.
HICON FolderPicture(bool open);

}  // namespace kelvane::win32
