#pragma once
// Style 2, the classic push button; as the default button it is ringed in
// dark shadow.
#include "controls/drawn_button_paint.h"

namespace controls {

// Caption modes of the plain looks: 0 up, 1 hovered, 2 down, 3 disabled.
CaptionLook plainCaptionFor(ButtonLook look);

class Style2Painter : public StylePainter {
public:
    CaptionLook paintFrame(const PaintContext& ctx) const override;
};

}  // namespace controls
