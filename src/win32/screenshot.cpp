#include "win32/screenshot.h"

#include <cstdint>
#include <fstream>

namespace win32 {
namespace {

void put16(std::ofstream& out, std::uint16_t value) {
    const char bytes[2] = {static_cast<char>(value & 0xFF), static_cast<char>(value >> 8)};
    out.write(bytes, 2);
}

void put32(std::ofstream& out, std::uint32_t value) {
    const char bytes[4] = {static_cast<char>(value & 0xFF), static_cast<char>((value >> 8) & 0xFF),
                           static_cast<char>((value >> 16) & 0xFF), static_cast<char>(value >> 24)};
    out.write(bytes, 4);
}

}  // namespace

bool saveWindowBitmap(HWND window, const std::string& path) {
    RECT bounds;
    if (!window || !IsWindow(window) || !GetWindowRect(window, &bounds)) return false;
    const int width = bounds.right - bounds.left, height = bounds.bottom - bounds.top;
    if (width <= 0 || height <= 0) return false;
    // Pending paints first, or the picture shows half-drawn controls.
    RedrawWindow(window, nullptr, nullptr, RDW_INVALIDATE | RDW_ERASE | RDW_FRAME | RDW_ALLCHILDREN | RDW_UPDATENOW);

    BITMAPINFO info{};
    info.bmiHeader.biSize = sizeof info.bmiHeader;
    info.bmiHeader.biWidth = width;
    info.bmiHeader.biHeight = height;  // bottom-up, as the file stores it
    info.bmiHeader.biPlanes = 1;
    info.bmiHeader.biBitCount = 24;
    info.bmiHeader.biCompression = BI_RGB;
    void* bits = nullptr;
    HDC source = GetWindowDC(window);
    if (!source) return false;
    HBITMAP section = CreateDIBSection(source, &info, DIB_RGB_COLORS, &bits, nullptr, 0);
    HDC memory = CreateCompatibleDC(source);
    bool copied = false;
    if (section && memory && bits) {
        HGDIOBJ old = SelectObject(memory, section);
        // The window DC holds what is on screen, children included; PrintWindow is the
        // fallback for a window that is covered or off-screen.
        copied = BitBlt(memory, 0, 0, width, height, source, 0, 0, SRCCOPY) != FALSE;
        if (!copied) copied = PrintWindow(window, memory, 0) != FALSE;
        GdiFlush();
        SelectObject(memory, old);
    }
    ReleaseDC(window, source);
    if (memory) DeleteDC(memory);

    bool written = false;
    if (copied) {
        const std::uint32_t stride = (static_cast<std::uint32_t>(width) * 3 + 3) & ~3u;
        const std::uint32_t imageSize = stride * static_cast<std::uint32_t>(height);
        const std::uint32_t headers = 14 + 40;
        std::ofstream out(path, std::ios::binary | std::ios::trunc);
        if (out) {
            out.write("BM", 2);
            put32(out, headers + imageSize);
            put32(out, 0);
            put32(out, headers);
            put32(out, 40);
            put32(out, static_cast<std::uint32_t>(width));
            put32(out, static_cast<std::uint32_t>(height));
            put16(out, 1);
            put16(out, 24);
            put32(out, BI_RGB);
            put32(out, imageSize);
            put32(out, 2835);  // 72 DPI in pixels per metre; viewers ignore it
            put32(out, 2835);
            put32(out, 0);
            put32(out, 0);
            out.write(static_cast<const char*>(bits), imageSize);
            written = static_cast<bool>(out);
        }
    }
    if (section) DeleteObject(section);
    return written;
}

}  // namespace win32
