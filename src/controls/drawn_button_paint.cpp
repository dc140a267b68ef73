#include "controls/drawn_button_paint.h"

namespace controls {

// A pasted background (style 11) is the face; without one the face colour stands in.
void StylePainter::paintBackground(const PaintContext& ctx) const {
    if (ctx.backgroundPasted) return;
    ctx.canvas.fillRect(ctx.client(), ctx.palette.face);
}

void paintButton(const PaintContext& ctx) {
    const StylePainter& painter = stylePainterFor(ctx.props.ButtonType);
    painter.paintBackground(ctx);
    const CaptionLook look = painter.paintFrame(ctx);
    drawCaption(ctx, look);
    drawPicture(ctx);
    if (ctx.props.ShowFocusRect && ctx.focused) ctx.canvas.focusRect(ctx.layout.focus, ctx.palette.text);
}

std::vector<EffectCopy> effectCopies(const PaintContext& ctx) {
    const int type = ctx.props.ButtonType;
    Color base = ctx.palette.face;
    if (type == 3 || type == 4 || type == 14) base = ctx.palette.tint;
    if (type == 9 && ctx.look == ButtonLook::Hovered && ctx.props.ColorScheme != 2)
        base = ctx.palette.selectionLight;
    switch (ctx.props.SpecialEffect) {
        case 1: return {{1, 1, ctx.shift(base, -40)}, {-1, -1, ctx.shift(base, 40)}};
        case 2: return {{1, 1, ctx.shift(base, 40)}, {-1, -1, ctx.shift(base, -40)}};
        case 3: return {{1, 1, ctx.shift(base, -40)}};
        default: return {};
    }
}

}  // namespace controls
