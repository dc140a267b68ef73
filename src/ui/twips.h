#pragma once
// Twips (1/1440 inch) against screen pixels at any scale. A pixel is a whole
// number of twips only at 96, 120 and 144 DPI, so nothing here rounds the
// factor: at 192 DPI a 1280-pixel screen is 9,600 twips, not 8,960.
namespace ui {

inline constexpr int kTwipsPerInch = 1440;

constexpr double twipsPerPixel(int dpi) { return static_cast<double>(kTwipsPerInch) / (dpi > 0 ? dpi : 96); }

// Rounded to the nearest twip, halves away from zero.
constexpr int pixelsToTwips(int pixels, int dpi) {
    const long long scaled = static_cast<long long>(pixels) * kTwipsPerInch;
    const int d = dpi > 0 ? dpi : 96;
    return static_cast<int>(scaled >= 0 ? (scaled + d / 2) / d : -((-scaled + d / 2) / d));
}

}  // namespace ui
