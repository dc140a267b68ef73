#include <algorithm>
#include <cmath>

#include "controls/drawn_button_paint.h"

namespace controls {

namespace {

Color greyOf(Color c) {
    const int g = static_cast<int>(std::lround(0.30 * redOf(c) + 0.59 * greenOf(c) + 0.11 * blueOf(c)));
    return rgb(g, g, g);
}

// Two parts picture to one part of what lies beneath.
Color mixedWith(Color c, Color beneath) {
    const auto mix = [](int top, int under) { return (2 * top + under) / 3; };
    return rgb(mix(redOf(c), redOf(beneath)), mix(greenOf(c), greenOf(beneath)), mix(blueOf(c), blueOf(beneath)));
}

bool isDark(Color c) { return redOf(c) + greenOf(c) + blueOf(c) <= 384; }

enum class Ink { Colour, Grey, Silhouette, DarkSilhouette };

struct Stroke {
    Ink ink = Ink::Colour;
    Color silhouette = 0;
    bool mixBeneath = false;
};

// Pixel by pixel, leaving out the mask colour when the button asks for it.
// Only the button's own pixels are touched, however large the picture.
void drawPixels(const PaintContext& ctx, const Picture& pic, Point at, Stroke s) {
    const Color mask = ctx.palette.mask & 0xFFFFFF;
    const int top = std::max(0, -at.y), bottom = std::min(pic.height, ctx.height - at.y);
    const int left = std::max(0, -at.x), right = std::min(pic.width, ctx.width - at.x);
    for (int y = top; y < bottom; ++y) {
        for (int x = left; x < right; ++x) {
            const Color c = pic.pixel(x, y) & 0xFFFFFF;
            if (ctx.props.UseMaskColor && c == mask) continue;
            if (s.ink == Ink::DarkSilhouette && !isDark(c)) continue;
            Color out = s.ink == Ink::Colour ? c : s.ink == Ink::Grey ? greyOf(c) : s.silhouette;
            if (s.mixBeneath) out = mixedWith(out, ctx.canvas.pixel(at.x + x, at.y + y));
            ctx.canvas.setPixel(at.x + x, at.y + y, out);
        }
    }
}

void drawWithEffects(const PaintContext& ctx, const Picture& pic, Point at, Stroke s) {
    for (const EffectCopy& copy : effectCopies(ctx))
        drawPixels(ctx, pic, {at.x + copy.dx, at.y + copy.dy}, {Ink::Silhouette, copy.colour});
    drawPixels(ctx, pic, at, s);
}

void drawDisabled(const PaintContext& ctx, const Picture& pic, Point at) {
    const Palette& p = ctx.palette;
    switch (ctx.props.ButtonType) {
        case 3: drawPixels(ctx, pic, {at.x + 1, at.y + 1}, {Ink::Grey}); break;
        case 5:
        case 6: drawPixels(ctx, pic, at, {Ink::DarkSilhouette, p.shadow}); break;
        case 9: drawPixels(ctx, pic, at, {Ink::DarkSilhouette, ctx.shift(p.shadow, 13)}); break;
        default:
            drawPixels(ctx, pic, {at.x + 1, at.y + 1}, {Ink::DarkSilhouette, p.highlight});
            drawPixels(ctx, pic, at, {Ink::DarkSilhouette, p.shadow});
            break;
    }
}

}  // namespace

void drawPicture(const PaintContext& ctx) {
    const Picture& normal = ctx.props.PictureNormal;
    if (!normal.hasPixels()) return;
    const Picture& over = ctx.props.PictureOver.hasPixels() ? ctx.props.PictureOver : normal;
    const Point at{ctx.layout.picture.left, ctx.layout.picture.top};
    const int type = ctx.props.ButtonType;
    switch (ctx.look) {
        case ButtonLook::Up: {
            const Stroke s{ctx.props.UseGreyscale ? Ink::Grey : Ink::Colour, 0, type == 9};
            drawWithEffects(ctx, normal, at, s);
            break;
        }
        case ButtonLook::Hovered:
            if (type == 9) {
                drawPixels(ctx, over, {at.x + 1, at.y + 1}, {Ink::Silhouette, ctx.palette.shadow});
                drawPixels(ctx, over, {at.x - 1, at.y - 1}, {Ink::Colour});
            } else {
                drawWithEffects(ctx, over, at, {Ink::Colour});
            }
            break;
        case ButtonLook::Down: {
            const bool inPlace = type == 5 || type == 9;
            drawWithEffects(ctx, type == 9 ? normal : over, inPlace ? at : Point{at.x + 1, at.y + 1}, {Ink::Colour});
            break;
        }
        case ButtonLook::Disabled: drawDisabled(ctx, normal, at); break;
    }
}

}  // namespace controls
