#include "controls/drawn_button_region.h"

#include <algorithm>
#include <cmath>

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

std::vector<Span> ellipseRows(const Rect& box) {
    std::vector<Span> rows;
    if (box.isEmpty()) return rows;
    const double a = box.width() / 2.0, b = box.height() / 2.0;
    const double centreX = box.left + a - 0.5;  // in pixel-centre coordinates
    for (int y = box.top; y < box.bottom; ++y) {
        const double dy = (y + 0.5 - box.top - b) / b;
        const double halfWidth = a * std::sqrt(std::max(0.0, 1.0 - dy * dy));
        const int left = static_cast<int>(std::ceil(centreX - halfWidth));
        const int right = static_cast<int>(std::floor(centreX + halfWidth)) + 1;
        if (left < right) rows.push_back({y, left, right});
    }
    return rows;
}

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
        case 13:
            s.kind = RegionShape::Kind::Ellipse;
            s.rows = ellipseRows({0, 0, s.width, s.height});
            break;
        default: break;
    }
    return s;
}

}  // namespace controls
