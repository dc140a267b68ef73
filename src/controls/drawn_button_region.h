#pragma once
// The window shape of each button style, as a rectangle of the control's size
// with single pixels taken out, or an ellipse filling the control.
#include <vector>

#include "controls/canvas.h"

namespace controls {

struct RegionShape {
    enum class Kind { Rectangle, Ellipse };
    Kind kind = Kind::Rectangle;
    int width = 0;
    int height = 0;
    std::vector<Point> removed;  // pixels inside the control, each once
    bool operator==(const RegionShape&) const = default;
};

RegionShape regionFor(int buttonType, int width, int height);

}  // namespace controls
