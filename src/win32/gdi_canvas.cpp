#include "win32/gdi_canvas.h"

#include <algorithm>
#include <cmath>
#include <cstring>

namespace win32 {

namespace {

constexpr int kPointsPerInch = 72;
constexpr UINT kCaptionFormat = DT_CENTER | DT_WORDBREAK | DT_NOCLIP;

int screenDpi(GdiLedger& ledger) {
    const WindowDc screen(ledger, nullptr);
    const int dpi = screen.get() ? GetDeviceCaps(screen.get(), LOGPIXELSY) : 96;
    return dpi > 0 ? dpi : 96;
}

RECT toRect(const controls::Rect& r) { return RECT{r.left, r.top, r.right, r.bottom}; }

// The DIB keeps blue in the lowest byte, COLORREF keeps red there.
std::uint32_t toDibPixel(controls::Color c) {
    return static_cast<std::uint32_t>(controls::blueOf(c)) | (static_cast<std::uint32_t>(controls::greenOf(c)) << 8) |
           (static_cast<std::uint32_t>(controls::redOf(c)) << 16);
}

controls::Color fromDibPixel(std::uint32_t p) {
    return controls::rgb(static_cast<int>((p >> 16) & 0xFF), static_cast<int>((p >> 8) & 0xFF),
                         static_cast<int>(p & 0xFF));
}

}  // namespace

void deleteObject(GdiLedger& ledger, HGDIOBJ object) {
    if (object && DeleteObject(object)) ++ledger.freed;
}

void deleteDc(GdiLedger& ledger, HDC dc) {
    if (dc && DeleteDC(dc)) ++ledger.freed;
}

WindowDc::WindowDc(GdiLedger& ledger, HWND window)
    : ledger_(ledger), window_(window), dc_(counted(ledger, GetDC(window))) {}

WindowDc::~WindowDc() {
    if (dc_ && ReleaseDC(window_, dc_)) ++ledger_.freed;
}

int fontHeightPixels(double points, GdiLedger& ledger) {
    return static_cast<int>(std::lround(points * screenDpi(ledger) / kPointsPerInch));
}

controls::Font fontFromHandle(HFONT font, GdiLedger& ledger) {
    controls::Font result;
    LOGFONTA lf{};
    if (!font || GetObjectA(font, sizeof lf, &lf) != sizeof lf) return result;
    result.name = lf.lfFaceName;
    const int pixels = std::abs(lf.lfHeight);
    if (pixels > 0) result.size = static_cast<double>(pixels) * kPointsPerInch / screenDpi(ledger);
    result.bold = lf.lfWeight >= FW_BOLD;
    result.italic = lf.lfItalic != 0;
    result.underline = lf.lfUnderline != 0;
    return result;
}

FontCache::~FontCache() { deleteObject(ledger_, handle_); }

// The cached font is never left selected into a DC, so it can always be deleted here.
HFONT FontCache::fontFor(const controls::Font& font) {
    if (handle_ && font == font_) return handle_;
    deleteObject(ledger_, handle_);
    handle_ = nullptr;
    LOGFONTA lf{};
    lf.lfHeight = -fontHeightPixels(font.size, ledger_);
    lf.lfWeight = font.bold ? FW_BOLD : FW_NORMAL;
    lf.lfItalic = font.italic ? TRUE : FALSE;
    lf.lfUnderline = font.underline ? TRUE : FALSE;
    lf.lfCharSet = DEFAULT_CHARSET;
    lf.lfQuality = DEFAULT_QUALITY;
    // A face name longer than LOGFONT holds is cut rather than overrunning it.
    const std::size_t kept = std::min(font.name.size(), sizeof lf.lfFaceName - 1);
    std::memcpy(lf.lfFaceName, font.name.data(), kept);
    handle_ = counted(ledger_, CreateFontIndirectA(&lf));
    font_ = font;
    return handle_;
}

GdiCanvas::~GdiCanvas() { release(); }

void GdiCanvas::release() {
    if (dc_) {
        SelectObject(dc_, oldBitmap_);
        SelectObject(dc_, oldPen_);
        SelectObject(dc_, oldBrush_);
        deleteDc(ledger_, dc_);
    }
    deleteObject(ledger_, bitmap_);
    dc_ = nullptr;
    bitmap_ = nullptr;
    oldBitmap_ = oldPen_ = oldBrush_ = nullptr;
    bits_ = nullptr;
    width_ = height_ = 0;
}

bool GdiCanvas::resize(int width, int height) {
    release();
    if (width <= 0 || height <= 0) return false;
    BITMAPINFO info{};
    info.bmiHeader.biSize = sizeof info.bmiHeader;
    info.bmiHeader.biWidth = width;
    info.bmiHeader.biHeight = -height;  // top-down, so row y starts at y * width
    info.bmiHeader.biPlanes = 1;
    info.bmiHeader.biBitCount = 32;
    info.bmiHeader.biCompression = BI_RGB;
    dc_ = counted(ledger_, CreateCompatibleDC(nullptr));
    if (!dc_) return false;
    void* bits = nullptr;
    bitmap_ = counted(ledger_, CreateDIBSection(dc_, &info, DIB_RGB_COLORS, &bits, nullptr, 0));
    if (!bitmap_ || !bits) {
        release();
        return false;
    }
    bits_ = static_cast<std::uint32_t*>(bits);
    width_ = width;
    height_ = height;
    oldBitmap_ = SelectObject(dc_, bitmap_);
    oldPen_ = SelectObject(dc_, GetStockObject(DC_PEN));
    oldBrush_ = SelectObject(dc_, GetStockObject(DC_BRUSH));
    SetBkMode(dc_, TRANSPARENT);
    return true;
}

controls::Color GdiCanvas::pixel(int x, int y) const {
    if (!bits_ || x < 0 || y < 0 || x >= width_ || y >= height_) return kOutside;
    GdiFlush();
    return fromDibPixel(bits_[static_cast<std::size_t>(y) * width_ + x]);
}

void GdiCanvas::copyTo(HDC target, int x, int y) const {
    if (dc_ && target) BitBlt(target, x, y, width_, height_, dc_, 0, 0, SRCCOPY);
}

bool GdiCanvas::copyFrom(HDC source, int x, int y) {
    return dc_ && source && BitBlt(dc_, 0, 0, width_, height_, source, x, y, SRCCOPY);
}

void GdiCanvas::fillRect(const controls::Rect& r, controls::Color c) {
    if (!dc_ || r.isEmpty()) return;
    const RECT rc = toRect(r);
    SetDCBrushColor(dc_, c);
    FillRect(dc_, &rc, static_cast<HBRUSH>(GetStockObject(DC_BRUSH)));
}

void GdiCanvas::frameRect(const controls::Rect& r, controls::Color c) {
    if (!dc_ || r.isEmpty()) return;
    const RECT rc = toRect(r);
    SetDCBrushColor(dc_, c);
    FrameRect(dc_, &rc, static_cast<HBRUSH>(GetStockObject(DC_BRUSH)));
}

void GdiCanvas::line(controls::Point from, controls::Point to, controls::Color c) {
    if (!dc_) return;
    SetDCPenColor(dc_, c);
    MoveToEx(dc_, from.x, from.y, nullptr);
    LineTo(dc_, to.x, to.y);
}

// Pictures go pixel by pixel, so they are written straight into the DIB once
// GDI has finished what it had queued.
void GdiCanvas::setPixel(int x, int y, controls::Color c) {
    if (!bits_ || x < 0 || y < 0 || x >= width_ || y >= height_) return;
    GdiFlush();
    bits_[static_cast<std::size_t>(y) * width_ + x] = toDibPixel(c);
}

void GdiCanvas::drawText(const std::string& text, const controls::Rect& r, controls::Color c,
                         const controls::Font& font) {
    if (!dc_ || text.empty()) return;
    RECT rc = toRect(r);
    HFONT chosen = fonts_.fontFor(font);
    HGDIOBJ old = chosen ? SelectObject(dc_, chosen) : nullptr;
    SetTextColor(dc_, c);
    DrawTextA(dc_, text.c_str(), static_cast<int>(text.size()), &rc, kCaptionFormat);
    if (old) SelectObject(dc_, old);
}

void GdiCanvas::focusRect(const controls::Rect& r, controls::Color textColour) {
    if (!dc_ || r.isEmpty()) return;
    const RECT rc = toRect(r);
    SetTextColor(dc_, textColour);
    DrawFocusRect(dc_, &rc);
}

GdiTextMeasurer::GdiTextMeasurer(GdiLedger& ledger)
    : ledger_(ledger), dc_(counted(ledger, CreateCompatibleDC(nullptr))), fonts_(ledger) {}

GdiTextMeasurer::~GdiTextMeasurer() { deleteDc(ledger_, dc_); }

controls::Rect GdiTextMeasurer::measureText(const std::string& text, const controls::Rect& area,
                                            const controls::Font& font) const {
    if (!dc_ || text.empty()) return {area.left, area.top, area.left, area.top};
    RECT rc = toRect(area);
    HFONT chosen = fonts_.fontFor(font);
    HGDIOBJ old = chosen ? SelectObject(dc_, chosen) : nullptr;
    DrawTextA(dc_, text.c_str(), static_cast<int>(text.size()), &rc, DT_CALCRECT | DT_WORDBREAK | DT_NOCLIP);
    if (old) SelectObject(dc_, old);
    return {rc.left, rc.top, rc.right, rc.bottom};
}

}  // namespace win32
