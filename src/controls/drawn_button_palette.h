#pragma once
// Colour arithmetic and the palette of the owner-drawn button. Every shade is
// derived from the face colour, so one colour setting recolours the whole
// frame; SoftBevel halves each step for a flatter look.
#include "controls/canvas.h"

namespace controls {

// System colour indices, as GetSysColor numbers them.
inline constexpr int kColorHighlight = 13;
inline constexpr int kColorButtonFace = 15;
inline constexpr int kColorButtonShadow = 16;
inline constexpr int kColorButtonText = 18;
inline constexpr int kColorButtonHighlight = 20;
inline constexpr int kColorDarkShadow3D = 21;
inline constexpr int kColorLight3D = 22;

// Where the colours that do not come from the button's own settings come from.
class ColourSource {
public:
    virtual ~ColourSource() = default;
    virtual Color systemColour(int index) const = 0;
    virtual Color parentBackColour() const = 0;  // of the parent's drawing context
    virtual Color parentTextColour() const = 0;
};

// An OLE colour made real: system colour references are looked up.
Color realColour(Color oleColour, const ColourSource& source);

Color shiftColour(Color c, int d, bool softBevel, bool blueProportional = false);
Color tintColour(Color c, int a);

struct Palette {
    Color face = 0;
    Color faceOver = 0;
    Color text = 0;
    Color textOver = 0;
    Color shadow = 0;
    Color light = 0;
    Color highlight = 0;
    Color darkShadow = 0;
    Color selection = 0;
    Color selectionLight = 0;
    Color mask = 0;
    Color tint = 0;
    bool operator==(const Palette&) const = default;
};

struct PaletteSettings {
    int scheme = 1;
    int style = 2;
    Color backColor = 0;  // OLE colours, as set on the button
    Color backOver = 0;
    Color foreColor = 0;
    Color foreOver = 0;
    Color maskColor = 0;
    bool softBevel = false;
};

Palette computePalette(const PaletteSettings& settings, const ColourSource& source);

}  // namespace controls
