#pragma once
// An in-memory canvas: a grid of COLORREF pixels with GDI's rectangle and line
// rules. Text and focus rectangles are recorded rather than rasterised, so a
// test can check both the pixels of a frame and what was written where.
#include <vector>

#include "controls/canvas.h"

namespace controls {

struct TextCall {
    std::string text;
    Rect rect;
    Color colour = 0;
    Font font;
};

struct FocusCall {
    Rect rect;
    Color colour = 0;
};

class BitmapCanvas : public Canvas {
public:
    static constexpr Color kOutside = 0xFFFFFFFF;  // what pixel() answers off the grid

    BitmapCanvas(int width, int height, Color background = 0);

    void fillRect(const Rect& r, Color c) override;
    void frameRect(const Rect& r, Color c) override;
    void line(Point from, Point to, Color c) override;
    void setPixel(int x, int y, Color c) override;
    void drawText(const std::string& text, const Rect& r, Color c, const Font& font) override;
    void focusRect(const Rect& r, Color textColour) override;

    int width() const { return width_; }
    int height() const { return height_; }
    Color pixel(int x, int y) const override;
    const std::vector<TextCall>& texts() const { return texts_; }
    const std::vector<FocusCall>& focusRects() const { return focusRects_; }
    // Starts a new frame: every pixel to `background`, recorded calls forgotten.
    void clear(Color background);
    // Forgets the recorded calls but keeps the pixels, between two frames.
    void forgetCalls();

private:
    int width_;
    int height_;
    std::vector<Color> pixels_;
    std::vector<TextCall> texts_;
    std::vector<FocusCall> focusRects_;
};

// A measurer with fixed character cells, so layouts can be worked out by hand.
// Words wrap at blanks; "&" before a character takes no room, "&&" one cell.
class FixedPitchMeasurer : public TextMeasurer {
public:
    FixedPitchMeasurer(int charWidth, int lineHeight) : charWidth_(charWidth), lineHeight_(lineHeight) {}
    Rect measureText(const std::string& text, const Rect& area, const Font& font) const override;

private:
    int charWidth_;
    int lineHeight_;
};

}  // namespace controls
