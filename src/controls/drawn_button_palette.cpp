#include "controls/drawn_button_palette.h"

#include <algorithm>

namespace controls {

namespace {

constexpr Color kWhite = 0xFFFFFF;
constexpr Color kBlack = 0;

int clampChannel(int c, int d) {
    if (d > 0) return std::min(c, 255);
    if (d < 0) return std::max(c, 0);
    return c;
}

Palette fixedPalette(Color mask) {
    Palette p;
    p.face = p.faceOver = rgb(192, 192, 192);
    p.text = p.textOver = kBlack;
    p.shadow = rgb(128, 128, 128);
    p.light = rgb(223, 223, 223);
    p.highlight = kWhite;
    p.darkShadow = kBlack;
    p.selection = rgb(0, 0, 128);
    p.selectionLight = rgb(173, 173, 209);
    p.mask = mask;
    return p;
}

Palette systemPalette(const ColourSource& s, Color mask) {
    Palette p;
    p.face = p.faceOver = s.systemColour(kColorButtonFace);
    p.text = p.textOver = s.systemColour(kColorButtonText);
    p.shadow = s.systemColour(kColorButtonShadow);
    p.light = s.systemColour(kColorLight3D);
    p.highlight = s.systemColour(kColorButtonHighlight);
    p.darkShadow = s.systemColour(kColorDarkShadow3D);
    p.selection = s.systemColour(kColorHighlight);
    p.selectionLight = tintColour(p.selection, 176);
    p.mask = mask;
    return p;
}

// Schemes 2 and 4 derive the frame shades from the face.
void deriveShades(Palette& p, bool soft) {
    p.shadow = shiftColour(p.face, -64, soft);
    p.light = shiftColour(p.face, 31, soft);
    p.highlight = shiftColour(p.face, 47, soft);
    p.darkShadow = shiftColour(p.face, -192, soft);
}

Palette ownPalette(const PaletteSettings& st, const ColourSource& s, Color mask) {
    Palette p;
    p.face = realColour(st.backColor, s);
    p.faceOver = realColour(st.backOver, s);
    p.text = realColour(st.foreColor, s);
    p.textOver = realColour(st.foreOver, s);
    deriveShades(p, st.softBevel);
    p.selection = shiftColour(p.face, -128, st.softBevel);
    p.selectionLight = p.face;
    p.mask = mask;
    return p;
}

Palette parentPalette(const PaletteSettings& st, const ColourSource& s, Color mask) {
    Palette p;
    p.face = p.faceOver = s.parentBackColour();
    p.text = p.textOver = s.parentTextColour();
    deriveShades(p, st.softBevel);
    p.selection = s.systemColour(kColorHighlight);
    p.selectionLight = tintColour(p.selection, 176);
    p.mask = mask;
    return p;
}

}  // namespace

Color realColour(Color oleColour, const ColourSource& source) {
    if ((oleColour & 0xFF000000) == 0x80000000) return source.systemColour(static_cast<int>(oleColour & 0xFF));
    return oleColour & 0xFFFFFF;
}

Color shiftColour(Color c, int d, bool softBevel, bool blueProportional) {
    if (softBevel) d /= 2;
    const int red = clampChannel(redOf(c) + d, d);
    const int green = clampChannel(greenOf(c) + d, d);
    const int blue = clampChannel(blueOf(c) + (blueProportional ? blueOf(c) * d / 192 : d), d);
    return rgb(red, green, blue);
}

Color tintColour(Color c, int a) {
    const auto tint = [a](int channel) { return std::min(channel * (255 - a) / 255 + a, 255); };
    return rgb(tint(redOf(c)), tint(greenOf(c)), tint(blueOf(c)));
}

Palette computePalette(const PaletteSettings& st, const ColourSource& s) {
    const Color mask = realColour(st.maskColor, s);
    Palette p;
    switch (st.scheme) {
        case 2: p = ownPalette(st, s, mask); break;
        case 3: p = fixedPalette(mask); break;
        case 4: p = parentPalette(st, s, mask); break;
        default: p = systemPalette(s, mask); break;
    }
    p.tint = shiftColour(p.face, 48, st.softBevel, st.style == 3);
    return p;
}

}  // namespace controls
