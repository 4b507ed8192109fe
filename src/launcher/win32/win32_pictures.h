// win32_pictures.h -- the launcher's picture and icon files, read by the Windows Imaging Component
#pragma once

#include <windows.h>

namespace launcher {

// The first frame of a picture file (GIF, PNG, ...) as a 32-bit bitmap; null when it
// cannot be read.
HBITMAP loadBitmap(const wchar_t* path);
// A picture file as an icon with its transparency; null when it cannot be read.
HICON loadIcon(const wchar_t* path);

}  // namespace launcher
