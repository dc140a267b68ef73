#pragma once
// The custom controls' drawing surface over GDI: a memory DC holding a 32-bit
// top-down DIB section, so every drawing call is one GDI call and the pixels
// can be read back without asking the screen.
#include <windows.h>

#include <cstdint>
#include <string>

#include "controls/canvas.h"

namespace win32 {

// One HFONT for the last font asked for; buttons rarely change fonts, so one is enough.
class FontCache {
public:
    FontCache() = default;
    ~FontCache();
    FontCache(const FontCache&) = delete;
    FontCache& operator=(const FontCache&) = delete;

    HFONT fontFor(const controls::Font& font);

private:
    controls::Font font_;
    HFONT handle_ = nullptr;
};

// A point size in the screen's pixels, as the caption font is created.
int fontHeightPixels(double points);
controls::Font fontFromHandle(HFONT font);

class GdiCanvas : public controls::Canvas {
public:
    static constexpr controls::Color kOutside = 0xFFFFFFFF;  // what pixel() answers off the surface

    GdiCanvas() = default;
    ~GdiCanvas() override;
    GdiCanvas(const GdiCanvas&) = delete;
    GdiCanvas& operator=(const GdiCanvas&) = delete;

    // A new black surface of this size; an empty size or a refusal leaves no surface.
    bool resize(int width, int height);
    void release();

    int width() const { return width_; }
    int height() const { return height_; }
    bool isEmpty() const { return bits_ == nullptr; }
    HDC dc() const { return dc_; }
    controls::Color pixel(int x, int y) const override;

    void copyTo(HDC target, int x = 0, int y = 0) const;
    // Fills the surface from `source`, whose (x, y) becomes the surface's top left.
    void copyFrom(HDC source, int x, int y);

    void fillRect(const controls::Rect& r, controls::Color c) override;
    void frameRect(const controls::Rect& r, controls::Color c) override;
    void line(controls::Point from, controls::Point to, controls::Color c) override;
    void setPixel(int x, int y, controls::Color c) override;
    void drawText(const std::string& text, const controls::Rect& r, controls::Color c,
                  const controls::Font& font) override;
    void focusRect(const controls::Rect& r, controls::Color textColour) override;

private:
    HDC dc_ = nullptr;
    HBITMAP bitmap_ = nullptr;
    HGDIOBJ oldBitmap_ = nullptr;
    HGDIOBJ oldPen_ = nullptr;
    HGDIOBJ oldBrush_ = nullptr;
    std::uint32_t* bits_ = nullptr;
    int width_ = 0;
    int height_ = 0;
    FontCache fonts_;
};

// Measures captions with DrawTextA's own line breaking, so the layout and the
// drawing agree on every line.
class GdiTextMeasurer : public controls::TextMeasurer {
public:
    GdiTextMeasurer();
    ~GdiTextMeasurer() override;
    GdiTextMeasurer(const GdiTextMeasurer&) = delete;
    GdiTextMeasurer& operator=(const GdiTextMeasurer&) = delete;

    controls::Rect measureText(const std::string& text, const controls::Rect& area,
                               const controls::Font& font) const override;

private:
    HDC dc_ = nullptr;
    mutable FontCache fonts_;
};

}  // namespace win32
