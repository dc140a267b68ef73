#include "controls/bitmap_canvas.h"

#include <algorithm>
#include <cstdlib>
#include <sstream>

namespace controls {

BitmapCanvas::BitmapCanvas(int width, int height, Color background)
    : width_(std::max(width, 0)),
      height_(std::max(height, 0)),
      pixels_(static_cast<std::size_t>(width_) * height_, background) {}

void BitmapCanvas::clear(Color background) {
    std::fill(pixels_.begin(), pixels_.end(), background);
    forgetCalls();
}

void BitmapCanvas::forgetCalls() {
    texts_.clear();
    focusRects_.clear();
}

Color BitmapCanvas::pixel(int x, int y) const {
    if (x < 0 || y < 0 || x >= width_ || y >= height_) return kOutside;
    return pixels_[static_cast<std::size_t>(y) * width_ + x];
}

void BitmapCanvas::setPixel(int x, int y, Color c) {
    if (x < 0 || y < 0 || x >= width_ || y >= height_) return;
    pixels_[static_cast<std::size_t>(y) * width_ + x] = c;
}

void BitmapCanvas::fillRect(const Rect& r, Color c) {
    const int left = std::max(r.left, 0), right = std::min(r.right, width_);
    const int top = std::max(r.top, 0), bottom = std::min(r.bottom, height_);
    for (int y = top; y < bottom; ++y)
        for (int x = left; x < right; ++x) pixels_[static_cast<std::size_t>(y) * width_ + x] = c;
}

void BitmapCanvas::frameRect(const Rect& r, Color c) {
    if (r.isEmpty()) return;
    fillRect({r.left, r.top, r.right, r.top + 1}, c);
    fillRect({r.left, r.bottom - 1, r.right, r.bottom}, c);
    fillRect({r.left, r.top, r.left + 1, r.bottom}, c);
    fillRect({r.right - 1, r.top, r.right, r.bottom}, c);
}

// Bresenham, stopping one short of the end point as LineTo does.
void BitmapCanvas::line(Point from, Point to, Color c) {
    const int dx = std::abs(to.x - from.x), sx = from.x < to.x ? 1 : -1;
    const int dy = -std::abs(to.y - from.y), sy = from.y < to.y ? 1 : -1;
    int err = dx + dy;
    Point p = from;
    while (!(p == to)) {
        setPixel(p.x, p.y, c);
        const int e2 = 2 * err;
        if (e2 >= dy) { err += dy; p.x += sx; }
        if (e2 <= dx) { err += dx; p.y += sy; }
    }
}

void BitmapCanvas::drawText(const std::string& text, const Rect& r, Color c, const Font& font) {
    texts_.push_back({text, r, c, font});
}

void BitmapCanvas::focusRect(const Rect& r, Color textColour) { focusRects_.push_back({r, textColour}); }

namespace {

int visibleLength(const std::string& word) {
    int n = 0;
    for (std::size_t i = 0; i < word.size(); ++i) {
        if (word[i] == '&' && i + 1 < word.size()) ++i;  // the prefix itself takes no cell
        ++n;
    }
    return n;
}

}  // namespace

Rect FixedPitchMeasurer::measureText(const std::string& text, const Rect& area, const Font&) const {
    if (text.empty()) return {area.left, area.top, area.left, area.top};
    const int maxChars = std::max(area.width() / std::max(charWidth_, 1), 1);
    std::istringstream words(text);
    std::string word;
    int lines = 0, current = -1, widest = 0;
    while (words >> word) {
        const int len = visibleLength(word);
        if (current < 0 || current + 1 + len > maxChars) {
            ++lines;
            current = len;
        } else {
            current += 1 + len;
        }
        widest = std::max(widest, current);
    }
    if (lines == 0) lines = 1;  // only blanks: one empty line, as DrawText measures it
    return {area.left, area.top, area.left + widest * charWidth_, area.top + lines * lineHeight_};
}

}  // namespace controls
