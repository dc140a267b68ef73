#include "controls/drawn_button_paint.h"
#include "controls/drawn_button_style2.h"

namespace controls {

namespace {

// Styles without a frame of their own yet draw flat: face, caption and picture.
class FlatPainter : public StylePainter {
public:
    CaptionLook paintFrame(const PaintContext& ctx) const override { return plainCaptionFor(ctx.look); }
};

}  // namespace

// The painters hold no state, so one shared instance of each serves every button.
const StylePainter& stylePainterFor(int buttonType) {
    static const Style2Painter style2;
    static const FlatPainter flat;
    if (buttonType == 2) return style2;
    return flat;
}

}  // namespace controls
