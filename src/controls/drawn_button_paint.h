#pragma once
// One drawing of the owner-drawn button: face, the style's frame, caption,
// picture and focus rectangle. Each style supplies its frame through a
// StylePainter; the rest is shared by all styles.
#include <optional>
#include <vector>

#include "controls/canvas.h"
#include "controls/drawn_button_layout.h"
#include "controls/drawn_button_palette.h"
#include "controls/drawn_button_properties.h"

namespace controls {

enum class ButtonLook { Up, Hovered, Down, Disabled };

struct PaintContext {
    Canvas& canvas;
    const Palette& palette;
    const ButtonProperties& props;
    const ButtonLayout& layout;
    int width = 0;
    int height = 0;
    ButtonLook look = ButtonLook::Up;
    bool focused = false;
    bool isDefault = false;  // the host marks the button as its default button
    bool backgroundPasted = false;  // style 11: the captured background is already on the canvas

    Rect client() const { return {0, 0, width, height}; }
    Color shift(Color c, int d, bool blueProportional = false) const {
        return shiftColour(c, d, props.SoftBevel, blueProportional);
    }
};

inline constexpr int kNoCaption = -1;

// How the caption goes over the frame: one of the caption modes 0..7.
struct CaptionLook {
    int mode = 0;
    bool bold = false;
    std::optional<Color> downColour;  // replaces the hover text colour of mode 2
};

class StylePainter {
public:
    virtual ~StylePainter() = default;
    virtual void paintBackground(const PaintContext& ctx) const;  // the face colour everywhere
    virtual CaptionLook paintFrame(const PaintContext& ctx) const = 0;
};

const StylePainter& stylePainterFor(int buttonType);

struct EffectCopy {
    int dx = 0;
    int dy = 0;
    Color colour = 0;
};

// The SpecialEffect copies drawn beneath caption and picture, in drawing order.
std::vector<EffectCopy> effectCopies(const PaintContext& ctx);

void drawCaption(const PaintContext& ctx, const CaptionLook& look);
void drawPicture(const PaintContext& ctx);
void paintButton(const PaintContext& ctx);

}  // namespace controls
