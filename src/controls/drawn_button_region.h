#pragma once
// The window shape of each button style, as a rectangle of the control's size
// with single pixels taken out, or an ellipse filling the control.
#include <vector>

#include "controls/canvas.h"

namespace controls {

// One row of pixels, right edge excluded.
struct Span {
    int y = 0;
    int left = 0;
    int right = 0;
    bool operator==(const Span&) const = default;
};

// The pixels of the ellipse filling `box`, row by row: those whose centres lie
// inside it. The window's shape and the drawing use these same rows, so no
// drawn pixel falls outside the window and no window pixel goes undrawn.
std::vector<Span> ellipseRows(const Rect& box);

struct RegionShape {
    enum class Kind { Rectangle, Ellipse };
    Kind kind = Kind::Rectangle;
    int width = 0;
    int height = 0;
    std::vector<Point> removed;  // pixels inside the control, each once
    std::vector<Span> rows;      // the ellipse's pixels
    bool operator==(const RegionShape&) const = default;
};

RegionShape regionFor(int buttonType, int width, int height);

}  // namespace controls
