#pragma once
// The drawing vocabulary of the custom controls, shaped after GDI so that the
// Windows side maps each call onto one API call: colours are COLORREF values
// (0x00BBGGRR) and rectangles exclude their right and bottom edges.
#include <cstdint>
#include <string>
#include <vector>

namespace controls {

using Color = std::uint32_t;

constexpr Color rgb(int red, int green, int blue) {
    return static_cast<Color>((red & 0xFF) | ((green & 0xFF) << 8) | ((blue & 0xFF) << 16));
}
constexpr int redOf(Color c) { return static_cast<int>(c & 0xFF); }
constexpr int greenOf(Color c) { return static_cast<int>((c >> 8) & 0xFF); }
constexpr int blueOf(Color c) { return static_cast<int>((c >> 16) & 0xFF); }

struct Point {
    int x = 0;
    int y = 0;
    bool operator==(const Point&) const = default;
};

struct Rect {
    int left = 0;
    int top = 0;
    int right = 0;
    int bottom = 0;

    int width() const { return right - left; }
    int height() const { return bottom - top; }
    bool isEmpty() const { return right <= left || bottom <= top; }
    Rect offset(int dx, int dy) const { return {left + dx, top + dy, right + dx, bottom + dy}; }
    Rect inflate(int d) const { return {left - d, top - d, right + d, bottom + d}; }
    bool operator==(const Rect&) const = default;
};

struct Font {
    std::string name = "MS Sans Serif";
    double size = 8.25;  // points, as the host's font reports it
    bool bold = false;
    bool italic = false;
    bool underline = false;
    bool operator==(const Font&) const = default;
};

// A picture as the controls see it: the host's object (icon or bitmap handle)
// and, for drawing pixel by pixel, its pixels row by row.
struct Picture {
    std::uintptr_t handle = 0;
    int width = 0;
    int height = 0;
    std::vector<Color> pixels;

    bool isNothing() const { return handle == 0 && pixels.empty(); }
    // Pixels are only trusted when there are as many as the size claims.
    bool hasPixels() const {
        return width > 0 && height > 0 && pixels.size() >= static_cast<std::size_t>(width) * height;
    }
    Color pixel(int x, int y) const { return pixels[static_cast<std::size_t>(y) * width + x]; }
    bool operator==(const Picture&) const = default;
};

class Canvas {
public:
    virtual ~Canvas() = default;
    virtual void fillRect(const Rect& r, Color c) = 0;
    virtual void frameRect(const Rect& r, Color c) = 0;     // one pixel inside r, as FrameRect
    virtual void line(Point from, Point to, Color c) = 0;   // the end point stays undrawn, as LineTo
    virtual void setPixel(int x, int y, Color c) = 0;
    // What is drawn there so far, so a picture can be mixed with what lies beneath it.
    virtual Color pixel(int x, int y) const = 0;
    // Word-wrapped, centred both ways, "&" underlines the access key (as DrawText).
    virtual void drawText(const std::string& text, const Rect& r, Color c, const Font& font) = 0;
    virtual void focusRect(const Rect& r, Color textColour) = 0;  // the system's dotted rectangle
};

// Measures a caption the way DrawText with DT_CALCRECT | DT_WORDBREAK does:
// the result starts at the area's top left and its width is limited by the area.
class TextMeasurer {
public:
    virtual ~TextMeasurer() = default;
    virtual Rect measureText(const std::string& text, const Rect& area, const Font& font) const = 0;
};

}  // namespace controls
