#pragma once
// A window of every drawn-button style in every look and colour scheme, with
// and without a picture, saved as a picture for looking at the drawings.
#include <string>

namespace ui_test {

// Shows the gallery, saves it as a BMP file at `path` and closes it again.
// It needs a screen of at least kGalleryWidth x kGalleryHeight pixels.
bool saveButtonGallery(const std::string& path);

inline constexpr int kGalleryWidth = 1760;
inline constexpr int kGalleryHeight = 960;

}  // namespace ui_test
