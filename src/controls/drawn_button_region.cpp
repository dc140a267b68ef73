#include "controls/drawn_button_region.h"

#include <algorithm>

namespace controls {

namespace {

// Tiny controls make corners coincide; each pixel is removed once and only
// pixels inside the control are named.
void removePixel(RegionShape& shape, int x, int y) {
    if (x < 0 || y < 0 || x >= shape.width || y >= shape.height) return;
    const Point p{x, y};
    if (std::find(shape.removed.begin(), shape.removed.end(), p) == shape.removed.end())
        shape.removed.push_back(p);
}

void cutCorner(RegionShape& s, int x, int y, int dx, int dy, bool rounded) {
    removePixel(s, x, y);
    if (!rounded) return;
    removePixel(s, x + dx, y);
    removePixel(s, x, y + dy);
}

}  // namespace

RegionShape regionFor(int buttonType, int width, int height) {
    RegionShape s;
    s.width = std::max(width, 0);
    s.height = std::max(height, 0);
    const int r = s.width - 1, b = s.height - 1;
    switch (buttonType) {
        case 1:
        case 14:
        case 3:
        case 4: {
            const bool rounded = buttonType == 3 || buttonType == 4;
            cutCorner(s, 0, 0, 1, 1, rounded);
            cutCorner(s, r, 0, -1, 1, rounded);
            cutCorner(s, 0, b, 1, -1, rounded);
            cutCorner(s, r, b, -1, -1, rounded);
            break;
        }
        case 5:
            cutCorner(s, 0, b, 1, -1, false);
            cutCorner(s, r, 0, -1, 1, false);
            break;
        case 13: s.kind = RegionShape::Kind::Ellipse; break;
        default: break;
    }
    return s;
}

}  // namespace controls
