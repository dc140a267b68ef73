#include "ui_win32/button_gallery.h"

#include <windows.h>

#include <cstdio>
#include <cstring>
#include <memory>
#include <string>
#include <vector>

#include "ui_win32/ui_desktop.h"
#include "win32/drawn_button_window.h"
#include "win32/screenshot.h"

namespace ui_test {

namespace {

using controls::Color;
using controls::rgb;

constexpr int kButtonWidth = 72;
constexpr int kButtonHeight = 24;
constexpr int kColumnStep = 78;
constexpr int kRowStep = 28;
constexpr int kLabelWidth = 60;
constexpr int kGroupGap = 12;
constexpr int kFirstRow = 56;
constexpr int kMargin = 8;
constexpr int kStyles = 14;
constexpr int kLooks = 5;
constexpr int kPanelWidth = kLabelWidth + 2 * kLooks * kColumnStep + kGroupGap;
constexpr int kPanelHeight = kFirstRow + kStyles * kRowStep;
constexpr const char* kLookNames[kLooks] = {"up", "hovered", "down", "disabled", "default"};

struct Scheme {
    int number;
    const char* title;
    Color background;  // of the panel, and of its drawing context for scheme 4
    Color text;
};

constexpr Scheme kSchemes[] = {
    {1, "Scheme 1: system colours", rgb(255, 255, 255), rgb(0, 0, 0)},
    {2, "Scheme 2: own colours", rgb(255, 255, 255), rgb(0, 0, 0)},
    {3, "Scheme 3: fixed colours", rgb(255, 255, 255), rgb(0, 0, 0)},
    {4, "Scheme 4: parent's colours", rgb(253, 246, 227), rgb(94, 60, 20)},
};

// A red ball on the mask colour, dark enough for the disabled silhouettes.
controls::Picture ballPicture() {
    controls::Picture picture{0, 16, 16, std::vector<Color>(256, rgb(192, 192, 192))};
    for (int y = 0; y < 16; ++y)
        for (int x = 0; x < 16; ++x) {
            const int dx = 2 * x - 15, dy = 2 * y - 15, d = dx * dx + dy * dy;
            Color c = picture.pixels[y * 16 + x];
            if (d <= 13 * 13) c = rgb(150, 24, 16);
            if (d <= 11 * 11) c = rgb(214, 56, 40);
            if ((2 * x - 9) * (2 * x - 9) + (2 * y - 9) * (2 * y - 9) <= 9) c = rgb(255, 214, 200);
            picture.pixels[y * 16 + x] = c;
        }
    return picture;
}

void paintPanel(HWND panel, HDC dc) {
    const auto* scheme = reinterpret_cast<const Scheme*>(GetWindowLongPtrA(panel, GWLP_USERDATA));
    if (!scheme) return;
    HGDIOBJ oldFont = SelectObject(dc, GetStockObject(DEFAULT_GUI_FONT));
    const int oldMode = SetBkMode(dc, TRANSPARENT);
    TextOutA(dc, 4, 4, scheme->title, static_cast<int>(std::strlen(scheme->title)));
    const char* const groups[] = {"without picture", "with picture"};
    for (int group = 0; group < 2; ++group) {
        const int left = kLabelWidth + group * (kLooks * kColumnStep + kGroupGap);
        TextOutA(dc, left, 20, groups[group], static_cast<int>(std::strlen(groups[group])));
        for (int look = 0; look < kLooks; ++look)
            TextOutA(dc, left + look * kColumnStep, 36, kLookNames[look],
                     static_cast<int>(std::strlen(kLookNames[look])));
    }
    for (int style = 1; style <= kStyles; ++style) {
        std::string label = "Style ";
        label += std::to_string(style);
        TextOutA(dc, 4, kFirstRow + (style - 1) * kRowStep + 5, label.c_str(), static_cast<int>(label.size()));
    }
    SetBkMode(dc, oldMode);
    SelectObject(dc, oldFont);
}

// Its own DC keeps the colours set once, so scheme 4 buttons read them as their parent's.
LRESULT CALLBACK panelProcedure(HWND panel, UINT message, WPARAM wParam, LPARAM lParam) {
    const auto* scheme = reinterpret_cast<const Scheme*>(GetWindowLongPtrA(panel, GWLP_USERDATA));
    switch (message) {
        case WM_ERASEBKGND: {
            RECT r{};
            GetClientRect(panel, &r);
            HDC dc = reinterpret_cast<HDC>(wParam);
            SetDCBrushColor(dc, scheme ? scheme->background : rgb(255, 255, 255));
            FillRect(dc, &r, static_cast<HBRUSH>(GetStockObject(DC_BRUSH)));
            return 1;
        }
        case WM_PAINT: {
            PAINTSTRUCT ps;
            HDC dc = BeginPaint(panel, &ps);
            paintPanel(panel, dc);
            EndPaint(panel, &ps);
            return 0;
        }
        default: return DefWindowProcA(panel, message, wParam, lParam);
    }
}

HWND makePanel(HWND gallery, const Scheme& scheme, int left, int top) {
    HWND panel = CreateWindowExA(0, "VantrelGalleryPanel", "", WS_CHILD | WS_VISIBLE, left, top, kPanelWidth,
                                 kPanelHeight, gallery, nullptr, GetModuleHandleA(nullptr), nullptr);
    if (!panel) return nullptr;
    SetWindowLongPtrA(panel, GWLP_USERDATA, reinterpret_cast<LONG_PTR>(&scheme));
    HDC dc = GetDC(panel);
    SetBkColor(dc, scheme.background);
    SetTextColor(dc, scheme.text);
    ReleaseDC(panel, dc);
    return panel;
}

void putInLook(win32::DrawnButtonWindow& w, int look) {
    controls::DrawnButton& b = w.button();
    switch (look) {
        case 1:
            w.holdPointerOver(true);
            b.mouseMove(0, 0, 5, 5);
            break;
        case 2: b.mouseDown(1, 0, 5, 5); break;
        case 3: b.Enabled(false); break;
        case 4:
            w.setDefault(true);
            b.gotFocus();
            break;
        default: break;
    }
}

void registerClasses() {
    WNDCLASSA wc{};
    wc.hInstance = GetModuleHandleA(nullptr);
    wc.hCursor = LoadCursor(nullptr, IDC_ARROW);
    wc.lpfnWndProc = DefWindowProcA;
    wc.hbrBackground = static_cast<HBRUSH>(GetStockObject(WHITE_BRUSH));
    wc.lpszClassName = "VantrelButtonGallery";
    RegisterClassA(&wc);
    wc.style = CS_OWNDC;
    wc.lpfnWndProc = panelProcedure;
    wc.hbrBackground = nullptr;
    wc.lpszClassName = "VantrelGalleryPanel";
    RegisterClassA(&wc);
}

}  // namespace

bool saveButtonGallery(const std::string& path) {
    registerClasses();
    const DWORD frame = WS_OVERLAPPED | WS_CAPTION;
    RECT outer{0, 0, 2 * kPanelWidth + 3 * kMargin, 2 * kPanelHeight + 3 * kMargin};
    AdjustWindowRect(&outer, frame, FALSE);
    HWND gallery = CreateWindowExA(0, "VantrelButtonGallery", "Drawn buttons", frame, 0, 0, outer.right - outer.left,
                                   outer.bottom - outer.top, nullptr, nullptr, GetModuleHandleA(nullptr), nullptr);
    if (!gallery) return false;
    // The pointer stays off the gallery, so only the hovered column looks hovered.
    SetCursorPos(GetSystemMetrics(SM_CXSCREEN) - 1, GetSystemMetrics(SM_CYSCREEN) - 1);

    const controls::Picture ball = ballPicture();
    controls::ButtonEvents quiet;
    std::vector<std::unique_ptr<win32::DrawnButtonWindow>> buttons;
    for (int s = 0; s < 4; ++s) {
        const Scheme& scheme = kSchemes[s];
        HWND panel = makePanel(gallery, scheme, kMargin + (s % 2) * (kPanelWidth + kMargin),
                               kMargin + (s / 2) * (kPanelHeight + kMargin));
        for (int style = 1; style <= kStyles; ++style)
            for (int column = 0; column < 2 * kLooks; ++column) {
                const int left = kLabelWidth + column * kColumnStep + (column >= kLooks ? kGroupGap : 0);
                const int top = kFirstRow + (style - 1) * kRowStep;
                const RECT at{left, top, left + kButtonWidth, top + kButtonHeight};
                auto w = std::make_unique<win32::DrawnButtonWindow>(panel, at, 1000 + static_cast<int>(buttons.size()),
                                                                    "galleryButton", quiet);
                controls::DrawnButton& b = w->button();
                b.DisableRefresh();
                b.ButtonType(style);
                b.ColorScheme(scheme.number);
                b.BackColor(rgb(206, 232, 222));
                b.BackOver(rgb(226, 244, 236));
                b.ForeColor(rgb(18, 70, 56));
                b.ForeOver(rgb(0, 112, 88));
                b.Caption("&Open");
                if (column >= kLooks) b.PictureNormal(ball);
                b.Refresh();
                putInLook(*w, column % kLooks);
                buttons.push_back(std::move(w));
            }
    }
    ShowWindow(gallery, SW_SHOW);
    UpdateWindow(gallery);
    pump(600);  // style 11 captures what lies beneath it once its panel has painted
    const bool saved = win32::saveWindowBitmap(gallery, path);
    std::printf("%s %s\n", saved ? "saved" : "FAILED", path.c_str());
    buttons.clear();
    DestroyWindow(gallery);
    return saved;
}

}  // namespace ui_test
