#pragma once
// The program on real windows under Wine, started as WinMain starts it, with
// what the UI tests share: reaching the main window, clicks, keys, geometry.
#include <gtest/gtest.h>

#include <vector>

#include "ui_win32/ui_desktop.h"
#include "win32/program.h"

namespace ui_test {

class ProgramUi : public ::testing::Test {
protected:
    ProgramUi() : program(pc.machine) {}

    // Runs the start-up up to the main window, as the splash timer ends it.
    void startToMainWindow() {
        ASSERT_TRUE(program.start());
        ASSERT_TRUE(app().aboutBox()->window.visible());
        pc.desktop.clock += 6;
        ASSERT_TRUE(ui_test::pumpUntil([&] { return main().window.visible(); }, 3000));
        ui_test::pump(100);
    }
    shell::Application& app() { return program.application(); }
    shell::MainWindow& main() { return *app().mainWindow(); }
    HWND handle(const ui::Control& control) { return program.binderOf(main().window)->handleOf(control); }
    // A press and release in the middle of a control, as the mouse makes them.
    void clickOn(HWND control) {
        RECT r;
        GetClientRect(control, &r);
        LPARAM middle = MAKELPARAM(r.right / 2, r.bottom / 2);
        SendMessageA(control, WM_LBUTTONDOWN, MK_LBUTTON, middle);
        SendMessageA(control, WM_LBUTTONUP, 0, middle);
        ui_test::pump(100);
    }
    // A key pressed and released where the focus is, Shift held or not, through the program's message loop.
    void pressKey(WPARAM key, bool shift = false) {
        BYTE keys[256] = {};
        GetKeyboardState(keys);
        keys[VK_SHIFT] = shift ? 0x80 : 0;
        SetKeyboardState(keys);
        HWND focus = GetFocus();
        PostMessageA(focus, WM_KEYDOWN, key, 1);
        PostMessageA(focus, WM_KEYUP, key, 0xC0000001);
        ui_test::pump(60);
        keys[VK_SHIFT] = 0;
        SetKeyboardState(keys);
    }
    // Where Tab (or Shift+Tab) takes the focus, `count` times from where it is.
    std::vector<HWND> tabWalk(int count, bool backwards = false) {
        std::vector<HWND> seen;
        for (int i = 0; i < count; ++i) {
            pressKey(VK_TAB, backwards);
            seen.push_back(GetFocus());
        }
        return seen;
    }
    RECT windowRect(HWND window) {
        RECT r;
        GetWindowRect(window, &r);
        return r;
    }
    int dpi() { return program.binderOf(main().window)->dpi(); }
    int pixels(int twips) { return MulDiv(twips, dpi(), 1440); }
    // Centred across the screen and `raiseTwips` above its middle, to the pixel.
    void expectPlacedOnScreen(HWND window, int raiseTwips) {
        const RECT r = windowRect(window);
        const int screenWidth = GetSystemMetrics(SM_CXSCREEN), screenHeight = GetSystemMetrics(SM_CYSCREEN);
        const int width = r.right - r.left, height = r.bottom - r.top;
        EXPECT_NEAR(r.left, (screenWidth - width) / 2, 1) << "at " << dpi() << " DPI";
        EXPECT_NEAR(r.top, (screenHeight - height) / 2 - pixels(raiseTwips), 1) << "at " << dpi() << " DPI";
    }

    ui_test::UiMachine pc;
    win32::Program program;
};

}  // namespace ui_test
