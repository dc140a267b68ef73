#include "controls/drawn_button_style2.h"

#include "controls/drawn_button_frames.h"

namespace controls {

CaptionLook plainCaptionFor(ButtonLook look) {
    CaptionLook caption;
    switch (look) {
        case ButtonLook::Disabled: caption.mode = 3; break;
        case ButtonLook::Down: caption.mode = 2; break;
        case ButtonLook::Hovered: caption.mode = 1; break;
        case ButtonLook::Up: caption.mode = 0; break;
    }
    return caption;
}

CaptionLook Style2Painter::paintFrame(const PaintContext& ctx) const {
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
    return plainCaptionFor(ctx.look);
}

}  // namespace controls
