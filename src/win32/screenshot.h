#pragma once
// What a window shows, saved as a picture for UI tests and for looking at
// the program under Wine and Xvfb.
#include <windows.h>

#include <string>

namespace win32 {

// Writes the window (frame and children, as on screen) as a 24-bit BMP file.
// False when the window is not there or the file cannot be written.
bool saveWindowBitmap(HWND window, const std::string& path);

}  // namespace win32
