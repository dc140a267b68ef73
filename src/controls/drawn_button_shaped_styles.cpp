// The styles with shapes or fills of their own. Lines are named by edge and
// inset, drawn in the order listed, later ones winning where they cross.
//
// style 4 (2-pixel rounded corners)
//   up, disabled  light fill; top 1 and left 1 highlight; bottom 2 and right 2
//                 face; bottom 1 and right 1 shadow; outline dark shadow with
//                 dark-shadow corner pixels (1,1) ...
//   down          shadow -16 fill one pixel in; ring 1 shadow -64, ring 2
//                 shadow -32; bottom 1 and right 1 shadow -32, bottom 2 and
//                 right 2 shadow -16; outline as up
// style 5 (bottom-left and top-right corners cut)
//   up            face +12 fill; ring 1 highlight; outline shadow -26; shadow
//                 +26 at (1, h-2) and (w-2, 1); focused: RGB 153,153,204 frame
//                 around the caption
//   down          shadow +16 fill; bottom 1 and right 1 highlight; outline shadow -26
//   disabled      face +12 fill; outline shadow
// style 9         hovered: selection-light fill one pixel in, outline selection;
//                 down: selection tinted 128 (own colours: selection-light -32)
//                 one pixel in, outline selection
// style 13        face everywhere, then the ellipse: fill face (down face -32)
//                 inside a 2-pixel ring, shadow when hovered, dark shadow down,
//                 face otherwise; disabled without a ring
#include "controls/drawn_button_frames.h"
#include "controls/drawn_button_region.h"
#include "controls/drawn_button_styles.h"

namespace controls {

namespace {

constexpr Color kNotchedFocus = rgb(153, 153, 204);

void fillRows(Canvas& canvas, const std::vector<Span>& rows, Color c) {
    for (const Span& s : rows) canvas.fillRect({s.left, s.y, s.right, s.y + 1}, c);
}

}  // namespace

CaptionLook darkRoundedFrame(const PaintContext& ctx) {
    const Palette& p = ctx.palette;
    const Rect client = ctx.client();
    Canvas& c = ctx.canvas;
    if (ctx.look == ButtonLook::Down) {
        c.fillRect(client.inflate(-1), ctx.shift(p.shadow, -16));
        c.frameRect(client.inflate(-1), ctx.shift(p.shadow, -64));
        c.frameRect(client.inflate(-2), ctx.shift(p.shadow, -32));
        edgeLine(c, client, Edge::Bottom, 1, ctx.shift(p.shadow, -32));
        edgeLine(c, client, Edge::Right, 1, ctx.shift(p.shadow, -32));
        edgeLine(c, client, Edge::Bottom, 2, ctx.shift(p.shadow, -16));
        edgeLine(c, client, Edge::Right, 2, ctx.shift(p.shadow, -16));
    } else {
        c.fillRect(client, p.light);
        edgeLine(c, client, Edge::Top, 1, p.highlight);
        edgeLine(c, client, Edge::Left, 1, p.highlight);
        edgeLine(c, client, Edge::Bottom, 2, p.face);
        edgeLine(c, client, Edge::Right, 2, p.face);
        edgeLine(c, client, Edge::Bottom, 1, p.shadow);
        edgeLine(c, client, Edge::Right, 1, p.shadow);
    }
    drawRoundedOutline(c, client, p.darkShadow, p.darkShadow);
    CaptionLook caption = captionFor(ctx.look, 2, 3);
    if (ctx.look == ButtonLook::Down) caption.downColour = p.light;
    return caption;
}

CaptionLook notchedFrame(const PaintContext& ctx) {
    const Palette& p = ctx.palette;
    const Rect client = ctx.client();
    Canvas& c = ctx.canvas;
    switch (ctx.look) {
        case ButtonLook::Disabled:
            c.fillRect(client, ctx.shift(p.face, 12));
            c.frameRect(client, p.shadow);
            break;
        case ButtonLook::Down:
            c.fillRect(client, ctx.shift(p.shadow, 16));
            edgeLine(c, client, Edge::Bottom, 1, p.highlight);
            edgeLine(c, client, Edge::Right, 1, p.highlight);
            c.frameRect(client, ctx.shift(p.shadow, -26));
            break;
        case ButtonLook::Up:
        case ButtonLook::Hovered: {
            c.fillRect(client, ctx.shift(p.face, 12));
            c.frameRect(client.inflate(-1), p.highlight);
            c.frameRect(client, ctx.shift(p.shadow, -26));
            const Color notch = ctx.shift(p.shadow, 26);
            c.setPixel(1, ctx.height - 2, notch);
            c.setPixel(ctx.width - 2, 1, notch);
            const Rect& cap = ctx.layout.caption;
            if (ctx.focused && ctx.props.ShowFocusRect && !ctx.props.Caption.empty())
                c.frameRect({cap.left - 2, cap.top - 1, cap.right + 2, cap.bottom + 1}, kNotchedFocus);
            break;
        }
    }
    return captionFor(ctx.look, 1, 4);  // pressed, caption and picture stay in place
}

// Down is drawn pressed whether or not the pointer is over it, so a press by
// the Space key or a checked state shows too.
CaptionLook selectionFrame(const PaintContext& ctx) {
    const Palette& p = ctx.palette;
    const Rect client = ctx.client();
    if (ctx.look == ButtonLook::Hovered) {
        ctx.canvas.fillRect(client.inflate(-1), p.selectionLight);
        ctx.canvas.frameRect(client, p.selection);
    } else if (ctx.look == ButtonLook::Down) {
        const Color fill =
            ctx.props.ColorScheme == 2 ? ctx.shift(p.selectionLight, -32) : tintColour(p.selection, 128);
        ctx.canvas.fillRect(client.inflate(-1), fill);
        ctx.canvas.frameRect(client, p.selection);
    }
    return captionFor(ctx.look, 2, 4);
}

CaptionLook ellipseFrame(const PaintContext& ctx) {
    const Palette& p = ctx.palette;
    const Rect client = ctx.client();
    Color ring = p.face, fill = p.face;
    if (ctx.look == ButtonLook::Hovered) ring = p.shadow;
    if (ctx.look == ButtonLook::Down) {
        ring = p.darkShadow;
        fill = ctx.shift(p.face, -32);
    }
    if (ctx.look != ButtonLook::Disabled) fillRows(ctx.canvas, ellipseRows(client), ring);
    fillRows(ctx.canvas, ellipseRows(ctx.look == ButtonLook::Disabled ? client : client.inflate(-2)), fill);
    return captionFor(ctx.look, 2, 3);
}

}  // namespace controls
