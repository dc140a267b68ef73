#include "controls/drawn_button_paint.h"

namespace controls {

namespace {

void text(const PaintContext& ctx, const Rect& r, Color c, const Font& font) {
    ctx.canvas.drawText(ctx.layout.shownCaption.empty() ? ctx.props.Caption : ctx.layout.shownCaption, r, c, font);
}

// Modes 0 to 2 carry the SpecialEffect copies beneath the caption.
void withEffects(const PaintContext& ctx, const Rect& r, Color c, const Font& font) {
    for (const EffectCopy& copy : effectCopies(ctx)) text(ctx, r.offset(copy.dx, copy.dy), copy.colour, font);
    text(ctx, r, c, font);
}

}  // namespace

void drawCaption(const PaintContext& ctx, const CaptionLook& look) {
    if (ctx.props.Caption.empty() || look.mode == kNoCaption) return;
    Font font = ctx.props.Font;
    if (look.bold) font.bold = true;
    const Palette& p = ctx.palette;
    const Rect& r = ctx.layout.caption;
    const Rect lower = r.offset(1, 1);
    switch (look.mode) {
        case 1: withEffects(ctx, r, p.textOver, font); break;
        case 2: withEffects(ctx, ctx.layout.captionDown, look.downColour.value_or(p.textOver), font); break;
        case 3:
            text(ctx, lower, p.highlight, font);
            text(ctx, r, p.shadow, font);
            break;
        case 4: text(ctx, r, p.shadow, font); break;
        case 5: text(ctx, r, ctx.shift(p.tint, -104, true), font); break;
        case 6:
            text(ctx, lower, p.highlight, font);
            text(ctx, r, p.face, font);
            break;
        case 7:
            text(ctx, lower, ctx.shift(p.shadow, -50), font);
            text(ctx, r, p.highlight, font);
            break;
        default: withEffects(ctx, r, p.text, font); break;
    }
}

}  // namespace controls
