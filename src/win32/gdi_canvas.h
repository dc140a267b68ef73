#pragma once
// The custom controls' drawing surface over GDI: a memory DC holding a 32-bit
// top-down DIB section, so every drawing call is one GDI call and the pixels
// can be read back without asking the screen.
#include <windows.h>

#include <cstdint>
#include <string>

#include "controls/canvas.h"

namespace win32 {

// The books of the GDI objects and drawing contexts made for drawing: Wine's
// GetGuiResources always answers 0, so a leak would go unseen without them.
struct GdiLedger {
    int made = 0;
    int freed = 0;
    int live() const { return made - freed; }
};

// A handle just made, counted when the call that made it succeeded.
template <class Handle>
Handle counted(GdiLedger& ledger, Handle handle) {
    if (handle) ++ledger.made;
    return handle;
}
// DeleteObject and DeleteDC, counted when they succeed; null is ignored.
void deleteObject(GdiLedger& ledger, HGDIOBJ object);
void deleteDc(GdiLedger& ledger, HDC dc);

// A window's drawing context (the screen's for null) for one use, given back on every path.
class WindowDc {
public:
    WindowDc(GdiLedger& ledger, HWND window);
    ~WindowDc();
    WindowDc(const WindowDc&) = delete;
    WindowDc& operator=(const WindowDc&) = delete;
    HDC get() const { return dc_; }

private:
    GdiLedger& ledger_;
    HWND window_;
    HDC dc_;
};

// One HFONT for the last font asked for; buttons rarely change fonts, so one is enough.
class FontCache {
public:
    explicit FontCache(GdiLedger& ledger) : ledger_(ledger) {}
    ~FontCache();
    FontCache(const FontCache&) = delete;
    FontCache& operator=(const FontCache&) = delete;

    HFONT fontFor(const controls::Font& font);  // null when GDI refuses the font

private:
    GdiLedger& ledger_;
    controls::Font font_;
    HFONT handle_ = nullptr;
};

// A point size in the screen's pixels, as the caption font is created.
int fontHeightPixels(double points, GdiLedger& ledger);
controls::Font fontFromHandle(HFONT font, GdiLedger& ledger);

class GdiCanvas : public controls::Canvas {
public:
    static constexpr controls::Color kOutside = 0xFFFFFFFF;  // what pixel() answers off the surface

    GdiCanvas() : ledger_(own_), fonts_(own_) {}  // keeps its own books
    explicit GdiCanvas(GdiLedger& ledger) : ledger_(ledger), fonts_(ledger) {}
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
    bool copyFrom(HDC source, int x, int y);

    void fillRect(const controls::Rect& r, controls::Color c) override;
    void frameRect(const controls::Rect& r, controls::Color c) override;
    void line(controls::Point from, controls::Point to, controls::Color c) override;
    void setPixel(int x, int y, controls::Color c) override;
    void drawText(const std::string& text, const controls::Rect& r, controls::Color c,
                  const controls::Font& font) override;
    void focusRect(const controls::Rect& r, controls::Color textColour) override;

    const GdiLedger& ledger() const { return ledger_; }

private:
    GdiLedger own_;
    GdiLedger& ledger_;
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
    explicit GdiTextMeasurer(GdiLedger& ledger);
    ~GdiTextMeasurer() override;
    GdiTextMeasurer(const GdiTextMeasurer&) = delete;
    GdiTextMeasurer& operator=(const GdiTextMeasurer&) = delete;

    controls::Rect measureText(const std::string& text, const controls::Rect& area,
                               const controls::Font& font) const override;

private:
    GdiLedger& ledger_;
    HDC dc_ = nullptr;
    mutable FontCache fonts_;
};

}  // namespace win32
