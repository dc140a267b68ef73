// Style 2, the classic push button; as the default button it is ringed in
// dark shadow.
#include "controls/drawn_button_frames.h"
#include "controls/drawn_button_styles.h"

namespace controls {

CaptionLook classicFrame(const PaintContext& ctx) {
    const Rect client = ctx.client();
    const Palette& p = ctx.palette;
    const bool asDefault = ctx.props.ShowFocusRect && ctx.isDefault;
    switch (ctx.look) {
        case ButtonLook::Disabled: drawClassicBorder(ctx.canvas, client, p, false); break;
        case ButtonLook::Down:
            if (asDefault) {
                ctx.canvas.frameRect(client, p.darkShadow);
                ctx.canvas.frameRect(client.inflate(-1), p.shadow);
            } else {
                drawClassicBorder(ctx.canvas, client, p, true);
            }
            break;
        case ButtonLook::Up:
        case ButtonLook::Hovered:
            if (asDefault) {
                drawClassicBorder(ctx.canvas, client.inflate(-1), p, false);
                ctx.canvas.frameRect(client, p.darkShadow);
            } else {
                drawClassicBorder(ctx.canvas, client, p, false);
            }
            break;
    }
    return captionFor(ctx.look, 2, 3);
}

}  // namespace controls
