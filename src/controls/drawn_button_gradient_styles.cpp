// The two gradient styles. Lines are named by edge and inset (pixels in from
// that edge) and drawn in the order listed, later ones winning where they cross.
//
// style 3 (2-pixel rounded corners; shades of the tint, blue in proportion)
//   up, plain     gradient tint -0..-25 from the top; top 1 +16, left 1 +10,
//                 bottom 1 -48, right 1 -36, bottom 2 -32, right 2 -24,
//                 bottom 3 -5, right 3 -10
//   up, glow      gradient as plain; ring 1 in the glow's frame colour;
//                 bottom 1 dark, top 1 light, left and right 2 middle, bottom 2 warm
//   down          gradient from the bottom, -32..-57; top 1 -32, left 1 -24,
//                 top 2 -22, bottom 1 +16, right 1 +10, bottom 2 +5
//   disabled      fill -24; outline -84, its corner pixels -72
//   every look    outline RGB 0,60,115, its corner pixels (1,1) ... RGB 16,77,123
//
// style 14 (1-pixel corners cut)
//   up            gradient highlight -0..-58 from the top (hovered: light fill);
//                 ring 1 face -9; highlight rows 2 and 3 along the top and
//                 columns 2 and 3 along the left; outline shadow -50
//   down          face -9 fill one pixel in, outline shadow -48
//   disabled      gradient as up, outline shadow -50
#include <array>

#include "controls/drawn_button_frames.h"
#include "controls/drawn_button_styles.h"

namespace controls {

namespace {

constexpr Color kGlossyOutline = rgb(0, 60, 115);
constexpr Color kGlossyCorner = rgb(16, 77, 123);

struct EdgeShade {
    Edge edge;
    int inset;
    int shift;  // from the tint
};

struct Glow {
    Color frame;
    std::array<Color, 4> lines;  // dark, light, middle, warm
};
constexpr Glow kHoverGlow{rgb(255, 178, 49),
                          {rgb(231, 150, 0), rgb(255, 243, 206), rgb(255, 219, 140), rgb(255, 203, 107)}};
constexpr Glow kFocusGlow{rgb(140, 174, 231),
                          {rgb(107, 130, 239), rgb(206, 231, 255), rgb(189, 215, 247), rgb(181, 209, 240)}};

constexpr std::array<EdgeShade, 8> kGlossyUpLines{{{Edge::Top, 1, 16},
                                                   {Edge::Left, 1, 10},
                                                   {Edge::Bottom, 1, -48},
                                                   {Edge::Right, 1, -36},
                                                   {Edge::Bottom, 2, -32},
                                                   {Edge::Right, 2, -24},
                                                   {Edge::Bottom, 3, -5},
                                                   {Edge::Right, 3, -10}}};
constexpr std::array<EdgeShade, 6> kGlossyDownLines{{{Edge::Top, 1, -32},
                                                     {Edge::Left, 1, -24},
                                                     {Edge::Top, 2, -22},
                                                     {Edge::Bottom, 1, 16},
                                                     {Edge::Right, 1, 10},
                                                     {Edge::Bottom, 2, 5}}};

template <std::size_t N>
void shadeEdges(const PaintContext& ctx, const std::array<EdgeShade, N>& lines) {
    for (const EdgeShade& s : lines)
        edgeLine(ctx.canvas, ctx.client(), s.edge, s.inset, ctx.shift(ctx.palette.tint, s.shift, true));
}

void drawGlow(const PaintContext& ctx, const Glow& glow) {
    const Rect client = ctx.client();
    ctx.canvas.frameRect(client.inflate(-1), glow.frame);
    edgeLine(ctx.canvas, client, Edge::Bottom, 1, glow.lines[0]);
    edgeLine(ctx.canvas, client, Edge::Top, 1, glow.lines[1]);
    edgeLine(ctx.canvas, client, Edge::Left, 2, glow.lines[2]);
    edgeLine(ctx.canvas, client, Edge::Right, 2, glow.lines[2]);
    edgeLine(ctx.canvas, client, Edge::Bottom, 2, glow.lines[3]);
}

}  // namespace

CaptionLook glossyFrame(const PaintContext& ctx) {
    const Color tint = ctx.palette.tint;
    switch (ctx.look) {
        case ButtonLook::Disabled:
            ctx.canvas.fillRect(ctx.client(), ctx.shift(tint, -24, true));
            drawRoundedOutline(ctx.canvas, ctx.client(), ctx.shift(tint, -84, true), ctx.shift(tint, -72, true));
            return captionFor(ctx.look, 2, 5);
        case ButtonLook::Down:
            verticalGradient(ctx, tint, -32, 25, true, true);
            shadeEdges(ctx, kGlossyDownLines);
            break;
        case ButtonLook::Hovered:
            verticalGradient(ctx, tint, 0, 25, false, true);
            drawGlow(ctx, kHoverGlow);
            break;
        case ButtonLook::Up:
            verticalGradient(ctx, tint, 0, 25, false, true);
            if (ctx.props.ShowFocusRect && (ctx.focused || ctx.isDefault)) drawGlow(ctx, kFocusGlow);
            else shadeEdges(ctx, kGlossyUpLines);
            break;
    }
    drawRoundedOutline(ctx.canvas, ctx.client(), kGlossyOutline, kGlossyCorner);
    return captionFor(ctx.look, 2, 5);
}

CaptionLook sheenFrame(const PaintContext& ctx) {
    const Palette& p = ctx.palette;
    const Rect client = ctx.client();
    CaptionLook caption = captionFor(ctx.look, 2, 6);
    caption.bold = ctx.isDefault;
    if (ctx.look == ButtonLook::Down) {
        ctx.canvas.fillRect(client.inflate(-1), ctx.shift(p.face, -9));
        ctx.canvas.frameRect(client, ctx.shift(p.shadow, -48));
        return caption;
    }
    if (ctx.look == ButtonLook::Hovered) ctx.canvas.fillRect(client, p.light);
    else verticalGradient(ctx, p.highlight, 0, 58, false, false);
    if (ctx.look != ButtonLook::Disabled) {
        ctx.canvas.frameRect(client.inflate(-1), ctx.shift(p.face, -9));
        const Rect in = client.inflate(-2);
        ctx.canvas.fillRect({in.left, in.top, in.right, in.top + 2}, p.highlight);
        ctx.canvas.fillRect({in.left, in.top, in.left + 2, in.bottom}, p.highlight);
    }
    ctx.canvas.frameRect(client, ctx.shift(p.shadow, -50));
    return caption;
}

}  // namespace controls
