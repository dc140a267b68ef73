#pragma once
// One-pixel frame pieces shared by the button styles.
#include "controls/canvas.h"
#include "controls/drawn_button_palette.h"

namespace controls {

// Top and left edges in `topLeft`, bottom and right in `bottomRight`; the
// bottom-right colour owns the two corners where they meet, as in a classic bevel.
void drawBevel(Canvas& canvas, const Rect& r, Color topLeft, Color bottomRight);

// The classic 3D border: outer highlight / dark shadow, inner light / shadow;
// inverted, the same pairs swapped for the pressed look.
void drawClassicBorder(Canvas& canvas, const Rect& r, const Palette& p, bool inverted);

enum class Edge { Top, Bottom, Left, Right };

// The line `inset` pixels in from one edge of `r`, running from `inset` to
// `inset` short of the other end, so lines at one inset meet at the corners.
void edgeLine(Canvas& canvas, const Rect& r, Edge edge, int inset, Color c);

// The outline of the styles with 2-pixel rounded corners: `r`'s ring, and the
// one pixel in from each corner that rounds it.
void drawRoundedOutline(Canvas& canvas, const Rect& r, Color outline, Color corner);

}  // namespace controls
