#include "controls/drawn_button_styles.h"

#include <array>
#include <cmath>


namespace controls {

namespace {

class FramePainter : public StylePainter {
public:
    explicit constexpr FramePainter(CaptionLook (*frame)(const PaintContext&)) : frame_(frame) {}
    CaptionLook paintFrame(const PaintContext& ctx) const override { return frame_(ctx); }

private:
    CaptionLook (*frame_)(const PaintContext&);
};

}  // namespace

CaptionLook captionFor(ButtonLook look, int downMode, int disabledMode) {
    CaptionLook caption;
    switch (look) {
        case ButtonLook::Disabled: caption.mode = disabledMode; break;
        case ButtonLook::Down: caption.mode = downMode; break;
        case ButtonLook::Hovered: caption.mode = 1; break;
        case ButtonLook::Up: caption.mode = 0; break;
    }
    return caption;
}

void verticalGradient(const PaintContext& ctx, Color base, int start, int spread, bool fromBottom,
                      bool blueProportional) {
    const int n = ctx.height;
    for (int i = 0; i < n; ++i) {
        const int d = start - static_cast<int>(std::lround(static_cast<double>(spread) * i / n));
        const int y = fromBottom ? n - 1 - i : i;
        ctx.canvas.fillRect({0, y, ctx.width, y + 1}, ctx.shift(base, d, blueProportional));
    }
}

// The painters hold no state, so one shared instance of each serves every
// button; an unknown style draws as the classic one.
const StylePainter& stylePainterFor(int buttonType) {
    static const std::array<FramePainter, 14> framed{
        FramePainter{bevelledFrame},    FramePainter{classicFrame},        FramePainter{glossyFrame},
        FramePainter{darkRoundedFrame}, FramePainter{notchedFrame},        FramePainter{softFrame},
        FramePainter{thinFrame},        FramePainter{thinOnHoverFrame},    FramePainter{selectionFrame},
        FramePainter{pictureOnlyFrame}, FramePainter{transparentFrame},    FramePainter{classicOnHoverFrame},
        FramePainter{ellipseFrame},     FramePainter{sheenFrame}};
    if (buttonType < 1 || buttonType > 14) buttonType = 2;
    return framed[static_cast<std::size_t>(buttonType - 1)];
}

}  // namespace controls
