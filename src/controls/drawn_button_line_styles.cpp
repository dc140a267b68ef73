// The styles made of straight one-pixel rings over a plain face.
//
// style  look          ring 0 (outermost)           ring 1                 ring 2
//   1    up/disabled   dark shadow                  highlight / shadow     highlight / shadow
//   1    down          dark shadow                  shadow / highlight     shadow / highlight
//   6    up/disabled   light+8 / shadow
//   6    down          shadow / light+8
//   7    up/disabled   highlight / shadow
//   7    down          shadow / highlight
//   8    hovered       highlight / shadow           (up and disabled flat)
//   8    down          shadow / highlight
//  12    hovered       classic 3D border            (up and disabled flat)
//  12    down          classic 3D border inverted
// "a / b": a on the top and left edges, b on the bottom and right, b owning the
// top-right and bottom-left corners. Styles 10 and 11 draw no ring.
#include "controls/drawn_button_frames.h"
#include "controls/drawn_button_styles.h"

namespace controls {

namespace {

bool pressed(const PaintContext& ctx) { return ctx.look == ButtonLook::Down; }

}  // namespace

CaptionLook bevelledFrame(const PaintContext& ctx) {
    const Palette& p = ctx.palette;
    const Rect client = ctx.client();
    ctx.canvas.frameRect(client, p.darkShadow);
    const Color topLeft = pressed(ctx) ? p.shadow : p.highlight;
    const Color bottomRight = pressed(ctx) ? p.highlight : p.shadow;
    drawBevel(ctx.canvas, client.inflate(-1), topLeft, bottomRight);
    drawBevel(ctx.canvas, client.inflate(-2), topLeft, bottomRight);
    return captionFor(ctx.look, 2, 3);
}

CaptionLook softFrame(const PaintContext& ctx) {
    const Color light = ctx.shift(ctx.palette.light, 8);
    if (pressed(ctx)) drawBevel(ctx.canvas, ctx.client(), ctx.palette.shadow, light);
    else drawBevel(ctx.canvas, ctx.client(), light, ctx.palette.shadow);
    return captionFor(ctx.look, 2, 4);
}

CaptionLook thinFrame(const PaintContext& ctx) {
    const Palette& p = ctx.palette;
    if (pressed(ctx)) drawBevel(ctx.canvas, ctx.client(), p.shadow, p.highlight);
    else drawBevel(ctx.canvas, ctx.client(), p.highlight, p.shadow);
    return captionFor(ctx.look, 2, 3);
}

CaptionLook thinOnHoverFrame(const PaintContext& ctx) {
    const Palette& p = ctx.palette;
    if (pressed(ctx)) drawBevel(ctx.canvas, ctx.client(), p.shadow, p.highlight);
    else if (ctx.look == ButtonLook::Hovered) drawBevel(ctx.canvas, ctx.client(), p.highlight, p.shadow);
    return captionFor(ctx.look, 2, 3);
}

CaptionLook classicOnHoverFrame(const PaintContext& ctx) {
    if (pressed(ctx)) drawClassicBorder(ctx.canvas, ctx.client(), ctx.palette, true);
    else if (ctx.look == ButtonLook::Hovered) drawClassicBorder(ctx.canvas, ctx.client(), ctx.palette, false);
    return captionFor(ctx.look, 2, 3);
}

CaptionLook pictureOnlyFrame(const PaintContext&) {
    CaptionLook none;
    none.mode = kNoCaption;
    return none;
}

CaptionLook transparentFrame(const PaintContext& ctx) { return captionFor(ctx.look, 2, 3); }

}  // namespace controls
