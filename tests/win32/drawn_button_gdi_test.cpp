// The owner-drawn button's GDI housekeeping on real windows: every object and
// drawing context it makes is given back, however long it keeps drawing, and
// style 11 shows what lies beneath it only once that is really on the screen.
#include <windows.h>

#include <gtest/gtest.h>

#include <cstdlib>
#include <memory>
#include <string>

#include "win32/drawn_button_window.h"

namespace {

using controls::Color;
using win32::DrawnButtonWindow;

constexpr Color kPanelColour = controls::rgb(30, 160, 90);

LRESULT CALLBACK panelProcedure(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
    if (message == WM_ERASEBKGND) {
        RECT r{};
        GetClientRect(window, &r);
        HDC dc = reinterpret_cast<HDC>(wParam);
        SetDCBrushColor(dc, kPanelColour);
        FillRect(dc, &r, static_cast<HBRUSH>(GetStockObject(DC_BRUSH)));
        return 1;
    }
    return DefWindowProcA(window, message, wParam, lParam);
}

controls::Picture smallPicture() {
    const Color mask = controls::rgb(192, 192, 192), red = controls::rgb(200, 30, 30);
    const Color yellow = controls::rgb(250, 220, 60);
    return {0, 4, 4, {mask, red, red, mask, red, yellow, yellow, red, red, yellow, yellow, red, mask, red, red, mask}};
}

class DrawnButtonGdiTest : public ::testing::Test {
protected:
    void SetUp() override {
        WNDCLASSA wc{};
        wc.lpfnWndProc = DefWindowProcA;
        wc.hInstance = GetModuleHandleA(nullptr);
        wc.hbrBackground = reinterpret_cast<HBRUSH>(COLOR_BTNFACE + 1);
        wc.lpszClassName = "VantrelGdiTestForm";
        RegisterClassA(&wc);
        wc.lpfnWndProc = panelProcedure;
        wc.hbrBackground = nullptr;
        wc.lpszClassName = "VantrelGdiTestPanel";
        RegisterClassA(&wc);
        form_ = CreateWindowExA(0, "VantrelGdiTestForm", "GDI test", WS_OVERLAPPEDWINDOW | WS_VISIBLE, 40, 40, 420,
                                300, nullptr, nullptr, wc.hInstance, nullptr);
        ASSERT_NE(form_, nullptr) << "no display: run under xvfb-run";
        UpdateWindow(form_);
    }
    void TearDown() override {
        if (form_) DestroyWindow(form_);
        pump([] { return false; }, 0);
    }

    HWND panel(bool visible) {
        return CreateWindowExA(0, "VantrelGdiTestPanel", "", WS_CHILD | (visible ? WS_VISIBLE : 0), 20, 20, 300, 200,
                               form_, nullptr, GetModuleHandleA(nullptr), nullptr);
    }

    // Dispatches what is queued until `done` holds or `ms` have passed.
    template <class Done>
    static bool pump(Done done, DWORD ms) {
        const DWORD start = GetTickCount();
        do {
            MSG msg;
            while (PeekMessageA(&msg, nullptr, 0, 0, PM_REMOVE)) DispatchMessageA(&msg);
            if (done()) return true;
            Sleep(1);
        } while (GetTickCount() - start < ms);
        return done();
    }

    HWND form_ = nullptr;
    controls::ButtonEvents events_;
};

// One drawing per step, through every look, a picture coming and going.
void drawNextLook(DrawnButtonWindow& w, int step, const controls::Picture& picture) {
    controls::DrawnButton& b = w.button();
    switch (step % 10) {
        case 0:
            w.holdPointerOver(true);
            b.mouseMove(0, 0, 5, 5);
            break;
        case 1: b.mouseDown(1, 0, 5, 5); break;
        case 2: b.mouseUp(1, 0, 5, 5); break;
        case 3:
            w.holdPointerOver(false);
            b.hoverTimer();
            break;
        case 4: b.Enabled(false); break;
        case 5: b.Enabled(true); break;
        case 6: b.gotFocus(); break;
        case 7: b.lostFocus(); break;
        case 8: w.setDefault(!w.displayAsDefault()); break;
        default: b.PictureNormal(b.PictureNormal().hasPixels() ? controls::Picture{} : picture); break;
    }
}

// 10,000 drawings per style take about 13 s under Wine; while working on the
// drawing, VANTREL_BUTTON_DRAWINGS=2000 gives a quicker run.
int drawingsPerStyle() {
    const char* asked = std::getenv("VANTREL_BUTTON_DRAWINGS");
    const int n = asked ? std::atoi(asked) : 0;
    return n >= 40 ? n : 10000;
}

TEST_F(DrawnButtonGdiTest, ThousandsOfDrawingsOfEveryStyleGiveBackEveryGdiObject) {
    const int drawings = drawingsPerStyle(), quarter = drawings / 4;
    const SIZE sizes[] = {{72, 24}, {97, 31}, {40, 15}, {80, 24}};
    const controls::Picture picture = smallPicture();
    for (int style = 1; style <= 14; ++style) {
        win32::GdiLedger ledger;
        {
            DrawnButtonWindow w(form_, RECT{10, 10, 82, 34}, 100, "okButton", events_, true, &ledger);
            w.button().ButtonType(style);
            w.button().ColorScheme(1 + style % 4);  // scheme 4 asks the parent's drawing context
            w.button().Caption("&Go on");
            const int settled = ledger.live();
            const int madeBefore = ledger.made;
            for (int i = 0; i < drawings; ++i) {
                if (i % quarter == 0 && i / quarter < 4) {
                    const SIZE s = sizes[i / quarter];
                    SetWindowPos(w.window(), nullptr, 0, 0, s.cx, s.cy, SWP_NOMOVE | SWP_NOZORDER | SWP_NOACTIVATE);
                }
                drawNextLook(w, i, picture);
            }
            EXPECT_EQ(ledger.live(), settled) << "style " << style << ": objects left behind by the drawings";
            EXPECT_GE(ledger.made - madeBefore, drawings) << "style " << style << ": a step that drew nothing";
        }
        EXPECT_EQ(ledger.live(), 0) << "style " << style << ": objects left behind by the destroyed button";
    }
}

TEST_F(DrawnButtonGdiTest, RefusedOrEmptySurfaceKeepsNothing) {
    win32::GdiLedger ledger;
    win32::GdiCanvas canvas(ledger);
    ASSERT_TRUE(canvas.resize(30, 20));
    EXPECT_EQ(ledger.live(), 2) << "a memory DC and its DIB section";
    for (const SIZE s : {SIZE{0, 20}, SIZE{30, -1}, SIZE{1 << 20, 1 << 20}}) {
        EXPECT_FALSE(canvas.resize(s.cx, s.cy)) << s.cx << " x " << s.cy;
        EXPECT_TRUE(canvas.isEmpty());
        EXPECT_EQ(ledger.live(), 0) << s.cx << " x " << s.cy;
    }
}

TEST_F(DrawnButtonGdiTest, TransparentStyleShowsThePaintedParentAwayFromTheCaption) {
    HWND shown = panel(true);
    UpdateWindow(shown);
    win32::GdiLedger ledger;
    {
        DrawnButtonWindow w(shown, RECT{10, 10, 90, 34}, 100, "okButton", events_, true, &ledger);
        w.button().Caption("OK");
        w.button().ButtonType(11);
        ASSERT_NE(w.button().palette().face, kPanelColour);
        EXPECT_EQ(w.surface().pixel(2, 2), kPanelColour);
        EXPECT_EQ(w.surface().pixel(77, 21), kPanelColour);
        const int settled = ledger.live();
        for (int i = 0; i < 20; ++i) w.button().Refresh();  // each one captures again
        EXPECT_EQ(ledger.live(), settled);
        EXPECT_EQ(w.surface().pixel(2, 21), kPanelColour);
    }
    EXPECT_EQ(ledger.live(), 0);
}

TEST_F(DrawnButtonGdiTest, TransparentStyleOnAHiddenParentDrawsTheFaceUntilTheParentShows) {
    HWND hidden = panel(false);
    DrawnButtonWindow w(hidden, RECT{10, 10, 90, 34}, 100, "okButton", events_);
    w.button().Caption("OK");
    w.button().ButtonType(11);
    const Color face = w.button().palette().face;
    EXPECT_EQ(w.surface().pixel(2, 2), face);
    EXPECT_TRUE(w.background().isEmpty()) << "nothing true to capture yet";

    ShowWindow(hidden, SW_SHOW);
    EXPECT_TRUE(pump([&] { return w.surface().pixel(2, 2) == kPanelColour; }, 2000))
        << std::hex << "still " << w.surface().pixel(2, 2);
    EXPECT_EQ(w.surface().pixel(77, 21), kPanelColour);
}

}  // namespace
