#pragma once
// Where the owner-drawn button puts its focus rectangle, caption and picture.
#include <string>

#include "controls/canvas.h"

namespace controls {

struct ButtonLayout {
    Rect focus;
    Rect caption;
    Rect captionDown;  // pressed: one pixel right and down
    Rect picture;
    // What is drawn: the caption, or as much of it as fits followed by "...".
    std::string shownCaption;
    bool operator==(const ButtonLayout&) const = default;
};

struct LayoutInput {
    int width = 0;  // the control, in pixels
    int height = 0;
    int pictureWidth = 0;  // 0 x 0 without a picture
    int pictureHeight = 0;
    int picturePosition = 0;  // 0 left, 1 right, 2 above, 3 below, 4 behind the caption
    int buttonType = 2;
    std::string caption;
    Font font;
};

Rect focusRectFor(int buttonType, int width, int height);
Rect captionAreaFor(const LayoutInput& in);
// The caption when it fits `area` wrapped, else its longest beginning that fits with "..." after it.
std::string fitCaption(const std::string& caption, const Rect& area, const Font& font, const TextMeasurer& measurer);
ButtonLayout computeLayout(const LayoutInput& in, const TextMeasurer& measurer);

}  // namespace controls
