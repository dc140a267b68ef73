#pragma once
// The frames of the fourteen button styles. Each draws its style's frame for
// the look in the context and says how the caption goes on.
#include "controls/drawn_button_paint.h"

namespace controls {

// Caption mode 0 up, 1 hovered, `downMode` down, `disabledMode` disabled.
CaptionLook captionFor(ButtonLook look, int downMode, int disabledMode);

// Rows 0..h-1 across the whole width: row i of n is `base` shifted by
// `start` minus spread * i / n rounded, counted from the bottom when asked.
void verticalGradient(const PaintContext& ctx, Color base, int start, int spread, bool fromBottom,
                      bool blueProportional);

CaptionLook bevelledFrame(const PaintContext& ctx);      // cut corners, double bevel (ButtonType 1)
CaptionLook classicFrame(const PaintContext& ctx);       // the classic 3D push button (ButtonType 2)
CaptionLook glossyFrame(const PaintContext& ctx);        // rounded, gradient and glow (ButtonType 3)
CaptionLook darkRoundedFrame(const PaintContext& ctx);   // rounded, dark outline (ButtonType 4)
CaptionLook notchedFrame(const PaintContext& ctx);       // two corners cut (ButtonType 5)
CaptionLook softFrame(const PaintContext& ctx);          // soft border (ButtonType 6)
CaptionLook thinFrame(const PaintContext& ctx);          // single-line border (ButtonType 7)
CaptionLook thinOnHoverFrame(const PaintContext& ctx);   // flat, single line when hovered (ButtonType 8)
CaptionLook selectionFrame(const PaintContext& ctx);     // flat, selection colours when hovered (ButtonType 9)
CaptionLook pictureOnlyFrame(const PaintContext& ctx);   // flat, no caption (ButtonType 10)
CaptionLook transparentFrame(const PaintContext& ctx);   // the parent's pixels (ButtonType 11)
CaptionLook classicOnHoverFrame(const PaintContext& ctx);  // flat, classic border when hovered (ButtonType 12)
CaptionLook ellipseFrame(const PaintContext& ctx);       // an ellipse (ButtonType 13)
CaptionLook sheenFrame(const PaintContext& ctx);         // cut corners, highlight gradient (ButtonType 14)

}  // namespace controls
