#include "controls/drawn_button_frames.h"

namespace controls {

void drawBevel(Canvas& canvas, const Rect& r, Color topLeft, Color bottomRight) {
    if (r.isEmpty()) return;
    const int right = r.right - 1, bottom = r.bottom - 1;
    canvas.line({r.left, r.top}, {right, r.top}, topLeft);
    canvas.line({r.left, r.top}, {r.left, bottom}, topLeft);
    canvas.line({r.left, bottom}, {r.right, bottom}, bottomRight);
    canvas.line({right, r.top}, {right, r.bottom}, bottomRight);
}

void drawClassicBorder(Canvas& canvas, const Rect& r, const Palette& p, bool inverted) {
    if (inverted) {
        drawBevel(canvas, r, p.darkShadow, p.highlight);
        drawBevel(canvas, r.inflate(-1), p.shadow, p.light);
    } else {
        drawBevel(canvas, r, p.highlight, p.darkShadow);
        drawBevel(canvas, r.inflate(-1), p.light, p.shadow);
    }
}

void edgeLine(Canvas& canvas, const Rect& r, Edge edge, int inset, Color c) {
    const Rect in = r.inflate(-inset);
    if (in.isEmpty()) return;
    switch (edge) {
        case Edge::Top: canvas.fillRect({in.left, in.top, in.right, in.top + 1}, c); break;
        case Edge::Bottom: canvas.fillRect({in.left, in.bottom - 1, in.right, in.bottom}, c); break;
        case Edge::Left: canvas.fillRect({in.left, in.top, in.left + 1, in.bottom}, c); break;
        case Edge::Right: canvas.fillRect({in.right - 1, in.top, in.right, in.bottom}, c); break;
    }
}

void drawRoundedOutline(Canvas& canvas, const Rect& r, Color outline, Color corner) {
    canvas.frameRect(r, outline);
    const int right = r.right - 2, bottom = r.bottom - 2, left = r.left + 1, top = r.top + 1;
    for (const Point& p : {Point{left, top}, Point{right, top}, Point{left, bottom}, Point{right, bottom}})
        canvas.setPixel(p.x, p.y, corner);
}

}  // namespace controls
