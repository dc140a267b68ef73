#pragma once
// Twips (1/1440 inch) are what the models speak; pixels exist only here at
// the window-system edge. Every conversion goes through these helpers so
// rounding is the same everywhere.
#include <windows.h>

#include "ui/control.h"
#include "ui/twips.h"

namespace win32 {

using ui::kTwipsPerInch;

// Pixels per logical inch of the screen (96 unless the user scaled the display).
inline int screenDpi() {
    HDC screen = GetDC(nullptr);
    int dpi = screen ? GetDeviceCaps(screen, LOGPIXELSX) : 0;
    if (screen) ReleaseDC(nullptr, screen);
    return dpi > 0 ? dpi : 96;
}

// Rounded to the nearest pixel; negative positions (controls parked off-screen) round alike.
inline int twipsToPixels(int twips, int dpi) { return MulDiv(twips, dpi, kTwipsPerInch); }
inline int pixelsToTwips(int pixels, int dpi) { return MulDiv(pixels, kTwipsPerInch, dpi); }

// Size is converted on its own so a control keeps its pixel size wherever it moves.
inline RECT pixelRect(const ui::Rect& twips, int dpi) {
    RECT r;
    r.left = twipsToPixels(twips.left, dpi);
    r.top = twipsToPixels(twips.top, dpi);
    r.right = r.left + twipsToPixels(twips.width, dpi);
    r.bottom = r.top + twipsToPixels(twips.height, dpi);
    return r;
}

}  // namespace win32
