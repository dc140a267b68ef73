#include <cmath>

#include "controls/drawn_button_paint.h"

namespace controls {

namespace {

Color greyOf(Color c) {
    const int g = static_cast<int>(std::lround(0.30 * redOf(c) + 0.59 * greenOf(c) + 0.11 * blueOf(c)));
    return rgb(g, g, g);
}

bool isDark(Color c) { return redOf(c) + greenOf(c) + blueOf(c) <= 384; }

enum class Ink { Colour, Grey, Silhouette, DarkSilhouette };

// Pixel by pixel, leaving out the mask colour when the button asks for it.
void drawPixels(const PaintContext& ctx, const Picture& pic, Point at, Ink ink, Color silhouette = 0) {
    const Color mask = ctx.palette.mask & 0xFFFFFF;
    for (int y = 0; y < pic.height; ++y) {
        for (int x = 0; x < pic.width; ++x) {
            const Color c = pic.pixel(x, y) & 0xFFFFFF;
            if (ctx.props.UseMaskColor && c == mask) continue;
            if (ink == Ink::DarkSilhouette && !isDark(c)) continue;
            const Color out = ink == Ink::Colour ? c : ink == Ink::Grey ? greyOf(c) : silhouette;
            ctx.canvas.setPixel(at.x + x, at.y + y, out);
        }
    }
}

void drawWithEffects(const PaintContext& ctx, const Picture& pic, Point at, Ink ink) {
    for (const EffectCopy& copy : effectCopies(ctx))
        drawPixels(ctx, pic, {at.x + copy.dx, at.y + copy.dy}, Ink::Silhouette, copy.colour);
    drawPixels(ctx, pic, at, ink);
}

}  // namespace

void drawPicture(const PaintContext& ctx) {
    const Picture& normal = ctx.props.PictureNormal;
    if (!normal.hasPixels()) return;
    const Picture& over = ctx.props.PictureOver.hasPixels() ? ctx.props.PictureOver : normal;
    const Point at{ctx.layout.picture.left, ctx.layout.picture.top};
    switch (ctx.look) {
        case ButtonLook::Up:
            drawWithEffects(ctx, normal, at, ctx.props.UseGreyscale ? Ink::Grey : Ink::Colour);
            break;
        case ButtonLook::Hovered: drawWithEffects(ctx, over, at, Ink::Colour); break;
        case ButtonLook::Down: drawWithEffects(ctx, over, {at.x + 1, at.y + 1}, Ink::Colour); break;
        case ButtonLook::Disabled:
            drawPixels(ctx, normal, {at.x + 1, at.y + 1}, Ink::DarkSilhouette, ctx.palette.highlight);
            drawPixels(ctx, normal, at, Ink::DarkSilhouette, ctx.palette.shadow);
            break;
    }
}

}  // namespace controls
