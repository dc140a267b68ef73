// The owner-drawn button as a real window: input messages reach the logic
// and give exactly the clicks a user expects, the drawing on the window is
// the one the portable logic makes, and access keys find their button.
#include <windows.h>

#include <gtest/gtest.h>

#include <memory>
#include <string>
#include <vector>

#include "controls/bitmap_canvas.h"
#include "ui/simple_controls.h"
#include "win32/drawn_button_window.h"

namespace {

using controls::Color;
using win32::DrawnButtonWindow;

constexpr int kWidth = 80;
constexpr int kHeight = 24;

LPARAM at(int x, int y) { return MAKELPARAM(x, y); }

struct CountingEvents : controls::ButtonEvents {
    int clicks = 0;
    int downs = 0;
    int overs = 0;
    int outs = 0;
    void Click() override { ++clicks; }
    void MouseDown(std::int16_t, std::int16_t, float, float) override { ++downs; }
    void MouseOver() override { ++overs; }
    void MouseOut() override { ++outs; }
};

// The same button logic over the in-memory canvas, with the real window's
// colours and text measurement, so both draw from the same palette and layout.
class MirrorHost : public controls::ButtonWindow, public controls::PointerWatch, public controls::ButtonEvents {
public:
    explicit MirrorHost(DrawnButtonWindow& real) : real_(real) {}
    std::uintptr_t handle() const override { return 1; }
    controls::Canvas& canvas() override { return *canvas_; }
    void present() override {
        texts = canvas_->texts();
        focusRects = canvas_->focusRects();
        canvas_->forgetCalls();
    }
    void applyRegion(const controls::RegionShape& s) override {
        canvas_ = std::make_unique<controls::BitmapCanvas>(s.width, s.height);
    }
    void setEnabled(bool) override {}
    void setMousePointer(int) override {}
    void setMouseIcon(const controls::Picture&) override {}
    void useHandCursor() override {}
    void captureMouse() override {}
    void moveFocus(bool) override {}
    void captureBackground() override {}
    bool pasteBackground() override { return false; }
    void releaseResources() override {}
    bool isPointerOver() const override { return over; }
    void startHoverTimer(int) override {}
    void stopHoverTimer() override {}

    controls::ButtonHost host() { return {*this, *this, real_, real_.measurer(), *this}; }
    const controls::BitmapCanvas& bitmap() const { return *canvas_; }
    std::vector<controls::TextCall> texts;
    std::vector<controls::FocusCall> focusRects;
    bool over = false;

private:
    DrawnButtonWindow& real_;
    std::unique_ptr<controls::BitmapCanvas> canvas_ = std::make_unique<controls::BitmapCanvas>(0, 0);
};

bool insideAny(int x, int y, const std::vector<controls::TextCall>& texts) {
    for (const auto& t : texts) {
        const controls::Rect r = t.rect.inflate(1);  // italic overhang and engraved copies
        if (x >= r.left && x < r.right && y >= r.top && y < r.bottom) return true;
    }
    return false;
}

// The dotted outline only GDI rasterises; the in-memory canvas records it.
bool onOutline(int x, int y, const std::vector<controls::FocusCall>& focusRects) {
    for (const auto& f : focusRects) {
        const controls::Rect& r = f.rect;
        const bool acrossTopOrBottom = (y == r.top || y == r.bottom - 1) && x >= r.left && x < r.right;
        const bool downLeftOrRight = (x == r.left || x == r.right - 1) && y >= r.top && y < r.bottom;
        if (acrossTopOrBottom || downLeftOrRight) return true;
    }
    return false;
}

std::vector<Color> snapshot(const win32::GdiCanvas& canvas) {
    std::vector<Color> pixels;
    for (int y = 0; y < canvas.height(); ++y)
        for (int x = 0; x < canvas.width(); ++x) pixels.push_back(canvas.pixel(x, y));
    return pixels;
}

class DrawnButtonWindowTest : public ::testing::Test {
protected:
    void SetUp() override {
        WNDCLASSA wc{};
        wc.lpfnWndProc = DefWindowProcA;
        wc.hInstance = GetModuleHandleA(nullptr);
        wc.hbrBackground = reinterpret_cast<HBRUSH>(COLOR_BTNFACE + 1);
        wc.lpszClassName = "VantrelButtonTestForm";
        RegisterClassA(&wc);
        form_ = CreateWindowExA(0, wc.lpszClassName, "Drawn button test", WS_OVERLAPPEDWINDOW, 40, 40, 400, 300,
                                nullptr, nullptr, wc.hInstance, nullptr);
        ASSERT_NE(form_, nullptr) << "no display: run under xvfb-run";
    }

    // Most cases need no screen. Wine without a window manager waits about
    // two seconds whenever a shown top-level window is hidden or destroyed.
    void showForm() {
        ShowWindow(form_, SW_SHOW);
        SetForegroundWindow(form_);
        UpdateWindow(form_);
    }
    void TearDown() override {
        controls_.clear();
        buttons_.clear();
        if (form_) DestroyWindow(form_);
        MSG msg;
        while (PeekMessageA(&msg, nullptr, 0, 0, PM_REMOVE)) DispatchMessageA(&msg);
    }

    DrawnButtonWindow& place(int left = 10, int top = 10, int width = kWidth, int height = kHeight,
                             HWND parent = nullptr) {
        RECT r{left, top, left + width, top + height};
        buttons_.push_back(std::make_unique<DrawnButtonWindow>(
            parent ? parent : form_, r, 100 + static_cast<int>(buttons_.size()), "okButton", events_));
        return *buttons_.back();
    }

    // A model-bound button, as the window binder makes it.
    HWND bind(ui::Button& model, int left = 10, int top = 10) {
        const RECT r{left, top, left + kWidth, top + kHeight};
        controls_.push_back(win32::makeDrawnButtonFactory()(model, form_, r, 200 + static_cast<int>(controls_.size())));
        return controls_.back()->handle();
    }

    static void press(HWND w, UINT down, UINT up, int x = 10, int y = 10) {
        SendMessageA(w, down, down == WM_RBUTTONDOWN ? MK_RBUTTON : MK_LBUTTON, at(x, y));
        SendMessageA(w, up, 0, at(x, y));
    }

    HWND form_ = nullptr;
    CountingEvents events_;
    std::vector<std::unique_ptr<DrawnButtonWindow>> buttons_;
    std::vector<std::unique_ptr<win32::BoundControl>> controls_;
};

// --- clicks ---------------------------------------------------------------

TEST_F(DrawnButtonWindowTest, LeftPressAndReleaseInsideGiveOneClick) {
    DrawnButtonWindow& b = place();
    press(b.window(), WM_LBUTTONDOWN, WM_LBUTTONUP);
    EXPECT_EQ(events_.clicks, 1);
}

TEST_F(DrawnButtonWindowTest, ReleaseOutsideTheButtonGivesNoClick) {
    DrawnButtonWindow& b = place();
    SendMessageA(b.window(), WM_LBUTTONDOWN, MK_LBUTTON, at(10, 10));
    SendMessageA(b.window(), WM_LBUTTONUP, 0, at(kWidth + 30, 10));
    EXPECT_EQ(events_.clicks, 0);
}

TEST_F(DrawnButtonWindowTest, RightButtonGivesNoClick) {
    DrawnButtonWindow& b = place();
    press(b.window(), WM_RBUTTONDOWN, WM_RBUTTONUP);
    EXPECT_EQ(events_.clicks, 0);
}

TEST_F(DrawnButtonWindowTest, DoubleClickSequenceGivesOneClick) {
    DrawnButtonWindow& b = place();
    press(b.window(), WM_LBUTTONDOWN, WM_LBUTTONUP);
    SendMessageA(b.window(), WM_LBUTTONDBLCLK, MK_LBUTTON, at(10, 10));
    EXPECT_EQ(events_.downs, 2) << "the second press is a press too";
    EXPECT_EQ(b.surface().pixel(0, 0), b.button().palette().darkShadow) << "drawn down";
    EXPECT_EQ(GetCapture(), b.window());
    SendMessageA(b.window(), WM_LBUTTONUP, 0, at(10, 10));
    EXPECT_EQ(events_.clicks, 1);
}

TEST_F(DrawnButtonWindowTest, SpaceDownAndUpGiveOneClick) {
    DrawnButtonWindow& b = place();
    SendMessageA(b.window(), WM_KEYDOWN, VK_SPACE, 0x00390001);
    SendMessageA(b.window(), WM_CHAR, ' ', 0x00390001);
    SendMessageA(b.window(), WM_KEYUP, VK_SPACE, static_cast<LPARAM>(0xC0390001u));
    EXPECT_EQ(events_.clicks, 1);
}

TEST_F(DrawnButtonWindowTest, DisabledButtonTakesNoClickFromMouseOrSpace) {
    DrawnButtonWindow& b = place();
    b.button().Enabled(false);
    EXPECT_FALSE(IsWindowEnabled(b.window()));
    press(b.window(), WM_LBUTTONDOWN, WM_LBUTTONUP);
    SendMessageA(b.window(), WM_KEYDOWN, VK_SPACE, 0);
    SendMessageA(b.window(), WM_KEYUP, VK_SPACE, 0);
    EXPECT_EQ(events_.clicks, 0);
}

TEST_F(DrawnButtonWindowTest, EnableWindowFromOutsideReachesTheLogic) {
    DrawnButtonWindow& b = place();
    EnableWindow(b.window(), FALSE);
    EXPECT_FALSE(b.button().Enabled());
    EnableWindow(b.window(), TRUE);
    EXPECT_TRUE(b.button().Enabled());
}

// --- the model binding ------------------------------------------------------

TEST_F(DrawnButtonWindowTest, BoundButtonClickCallsTheModelOnce) {
    ui::Button model("startButton", {}, "&Start");
    int clicks = 0;
    model.onClick = [&] { ++clicks; };
    HWND w = bind(model);
    press(w, WM_LBUTTONDOWN, WM_LBUTTONUP);
    EXPECT_EQ(clicks, 1);
    press(w, WM_RBUTTONDOWN, WM_RBUTTONUP);
    EXPECT_EQ(clicks, 1);
}

TEST_F(DrawnButtonWindowTest, BoundButtonTakesCaptionStyleAndColoursFromTheModel) {
    ui::Button model("startButton", {}, "&Start");
    DrawnButtonWindow* b = DrawnButtonWindow::fromHandle(bind(model));
    ASSERT_NE(b, nullptr);
    EXPECT_EQ(b->button().Caption(), "&Start");
    EXPECT_EQ(b->button().ButtonType(), 2);
    EXPECT_EQ(b->button().palette().face, win32::kButtonFace);
    EXPECT_EQ(b->surface().pixel(kWidth / 2, 3), win32::kButtonFace);
}

TEST_F(DrawnButtonWindowTest, BoundButtonFollowsEnablingAndVisibility) {
    ui::Button hidden("laterButton", {}, "Later");
    hidden.hide();
    EXPECT_FALSE(IsWindowVisible(bind(hidden, 10, 60)));

    ui::Button model("startButton", {}, "&Start");
    int clicks = 0;
    model.onClick = [&] { ++clicks; };
    HWND w = bind(model);
    model.setEnabled(false);
    EnableWindow(w, FALSE);  // the binder applies enabling, then reports the change
    controls_.back()->modelChanged(ui::Change::Enabled, -1);
    press(w, WM_LBUTTONDOWN, WM_LBUTTONUP);
    EXPECT_EQ(clicks, 0);
    EXPECT_FALSE(DrawnButtonWindow::fromHandle(w)->button().Enabled());
}

TEST_F(DrawnButtonWindowTest, CaptionChangeRepaintsTheButton) {
    ui::Button model("startButton", {}, "OK");
    HWND w = bind(model);
    DrawnButtonWindow* b = DrawnButtonWindow::fromHandle(w);
    const std::vector<Color> before = snapshot(b->surface());
    model.setCaption("Cancel all");
    controls_.back()->modelChanged(ui::Change::Text, -1);
    EXPECT_EQ(b->button().Caption(), "Cancel all");
    EXPECT_NE(snapshot(b->surface()), before);

    // Text really landed inside the caption rectangle.
    const controls::Rect c = b->button().layout().caption;
    int inked = 0;
    for (int y = c.top; y < c.bottom; ++y)
        for (int x = c.left; x < c.right; ++x) inked += b->surface().pixel(x, y) != win32::kButtonFace;
    EXPECT_GT(inked, 10);
}

// --- drawing ----------------------------------------------------------------

class DrawnButtonPaint : public DrawnButtonWindowTest {
protected:
    std::unique_ptr<controls::DrawnButton> mirrorOf(MirrorHost& host, const std::string& caption) {
        auto b = std::make_unique<controls::DrawnButton>(host.host(), "okButton");
        b->InitProperties();
        b->Caption(caption);
        b->Resize(kWidth, kHeight);
        b->Show();
        return b;
    }
};

TEST_F(DrawnButtonPaint, UpButtonShowsTheRaisedStyle2Frame) {
    DrawnButtonWindow& b = place();
    b.button().Caption("OK");
    const controls::Palette& p = b.button().palette();
    EXPECT_EQ(b.surface().pixel(0, 0), p.highlight);
    EXPECT_EQ(b.surface().pixel(kWidth - 1, kHeight - 1), p.darkShadow);
    EXPECT_EQ(b.surface().pixel(1, 1), p.light);
    EXPECT_EQ(b.surface().pixel(kWidth - 2, kHeight - 2), p.shadow);
    EXPECT_EQ(b.surface().pixel(kWidth / 2, 3), p.face);
}

TEST_F(DrawnButtonPaint, PressedAndDefaultButtonsShowTheDarkOutline) {
    DrawnButtonWindow& b = place();
    b.button().mouseDown(1, 0, 5, 5);
    EXPECT_EQ(b.surface().pixel(0, 0), b.button().palette().darkShadow);
    DrawnButtonWindow& d = place(10, 40);
    d.setDefault(true);
    EXPECT_EQ(d.surface().pixel(0, 0), d.button().palette().darkShadow);
}

enum class Look { Up, Hovered, Down, Disabled, Focused, Default };
struct LookCase {
    Look look;
    const char* name;
};
constexpr LookCase kLooks[] = {{Look::Up, "up"},           {Look::Hovered, "hovered"}, {Look::Down, "down"},
                               {Look::Disabled, "disabled"}, {Look::Focused, "focused"}, {Look::Default, "default"}};

// The default look comes from the host, which both buttons share.
void putInLook(controls::DrawnButton& b, Look look) {
    switch (look) {
        case Look::Hovered: b.mouseMove(0, 0, 5, 5); break;
        case Look::Down: b.mouseDown(1, 0, 5, 5); break;
        case Look::Disabled: b.Enabled(false); break;
        case Look::Focused: b.gotFocus(); break;
        case Look::Up:
        case Look::Default: break;
    }
}

controls::Picture fourByFour() {
    const Color mask = controls::rgb(192, 192, 192), dark = controls::rgb(40, 60, 160);
    const Color light = controls::rgb(250, 220, 60), red = controls::rgb(200, 30, 30);
    return {0, 4, 4, {mask, dark, dark, mask, dark, light, red, dark, dark, red, light, dark, mask, dark, dark, mask}};
}

// Every style in every look, with and without a picture: the window's GDI
// surface holds the pixels the portable logic draws, outside the caption text
// and the focus rectangle's dotted outline.
TEST_F(DrawnButtonPaint, GdiSurfaceMatchesThePortableDrawingForEveryStyleAndLook) {
    const controls::Picture picture = fourByFour();
    for (int style = 1; style <= 14; ++style) {
        for (const LookCase& c : kLooks) {
            for (const bool withPicture : {false, true}) {
                DrawnButtonWindow real(form_, RECT{10, 10, 10 + kWidth, 10 + kHeight}, 100, "okButton", events_);
                MirrorHost mirror(real);
                real.setDefault(c.look == Look::Default);
                real.holdPointerOver(c.look == Look::Hovered);
                mirror.over = c.look == Look::Hovered;
                auto logic = mirrorOf(mirror, "OK");
                for (controls::DrawnButton* b : {&real.button(), logic.get()}) {
                    b->Caption("OK");
                    b->ButtonType(style);
                    if (withPicture) b->PictureNormal(picture);
                    putInLook(*b, c.look);
                }
                const controls::BitmapCanvas& expected = mirror.bitmap();
                ASSERT_EQ(real.surface().width(), expected.width());
                ASSERT_EQ(real.surface().height(), expected.height());
                int differing = 0, dotted = 0;
                for (int y = 0; y < expected.height(); ++y)
                    for (int x = 0; x < expected.width(); ++x) {
                        const bool same = real.surface().pixel(x, y) == expected.pixel(x, y);
                        if (onOutline(x, y, mirror.focusRects)) dotted += !same;
                        if (insideAny(x, y, mirror.texts) || onOutline(x, y, mirror.focusRects) || same) continue;
                        if (++differing == 1)
                            ADD_FAILURE() << "style " << style << ", " << c.name
                                          << (withPicture ? ", with picture" : ", no picture") << ": pixel " << x
                                          << "," << y << " is " << std::hex << real.surface().pixel(x, y)
                                          << " on the window, " << expected.pixel(x, y) << " in the logic";
                    }
                EXPECT_EQ(differing, 0) << "style " << style << ", " << c.name << (withPicture ? ", picture" : "");
                if (c.look == Look::Focused) {
                    EXPECT_GT(dotted, 0) << "style " << style << ": no focus rectangle on the window";
                }
            }
        }
    }
}

TEST_F(DrawnButtonPaint, PrintedWindowShowsTheLastDrawing) {
    DrawnButtonWindow& b = place();
    b.button().Caption("OK");
    win32::GdiCanvas printed;
    ASSERT_TRUE(printed.resize(kWidth, kHeight));
    printed.fillRect({0, 0, kWidth, kHeight}, controls::rgb(1, 254, 1));
    ASSERT_TRUE(PrintWindow(b.window(), printed.dc(), PW_CLIENTONLY));
    EXPECT_EQ(snapshot(printed), snapshot(b.surface()));
}

TEST_F(DrawnButtonPaint, ShownButtonPutsItsDrawingOnTheScreen) {
    showForm();
    DrawnButtonWindow& b = place();
    b.button().Caption("OK");
    UpdateWindow(b.window());
    HDC screen = GetDC(b.window());
    ASSERT_NE(screen, nullptr);
    const controls::Palette& p = b.button().palette();
    EXPECT_EQ(GetPixel(screen, 0, 0), p.highlight);
    EXPECT_EQ(GetPixel(screen, kWidth - 1, kHeight - 1), p.darkShadow);
    EXPECT_EQ(GetPixel(screen, kWidth / 2, 3), p.face);
    ReleaseDC(b.window(), screen);
}

TEST_F(DrawnButtonPaint, ResizeRedrawsTheFrameAtTheNewSize) {
    DrawnButtonWindow& b = place();
    SetWindowPos(b.window(), nullptr, 0, 0, 120, 30, SWP_NOMOVE | SWP_NOZORDER | SWP_NOACTIVATE);
    ASSERT_EQ(b.surface().width(), 120);
    ASSERT_EQ(b.surface().height(), 30);
    EXPECT_EQ(b.surface().pixel(119, 29), b.button().palette().darkShadow);
}

TEST_F(DrawnButtonPaint, RoundedStyleCutsTheCornersOutOfTheWindow) {
    DrawnButtonWindow& b = place();
    b.button().ButtonType(3);
    HRGN region = CreateRectRgn(0, 0, 0, 0);
    ASSERT_NE(GetWindowRgn(b.window(), region), ERROR);
    EXPECT_FALSE(PtInRegion(region, 0, 0));
    EXPECT_FALSE(PtInRegion(region, 1, 0));
    EXPECT_FALSE(PtInRegion(region, kWidth - 1, kHeight - 2));
    EXPECT_TRUE(PtInRegion(region, 2, 0));
    EXPECT_TRUE(PtInRegion(region, kWidth / 2, kHeight / 2));

    b.button().ButtonType(2);
    EXPECT_EQ(GetWindowRgn(b.window(), region), ERROR) << "a plain rectangle keeps no region";
    DeleteObject(region);
}

// --- access keys and focus ----------------------------------------------------

TEST_F(DrawnButtonWindowTest, AccessKeyClicksTheButtonWithThatLetter) {
    ui::Button help("helpButton", {}, "&Help");
    ui::Button exitButton("exitButton", {}, "E&xit");
    int helps = 0, exits = 0;
    help.onClick = [&] { ++helps; };
    exitButton.onClick = [&] { ++exits; };
    bind(help, 10, 10);
    bind(exitButton, 10, 40);

    EXPECT_TRUE(win32::routeAccessKey(form_, 'x'));
    EXPECT_TRUE(win32::routeAccessKey(form_, 'X'));
    EXPECT_FALSE(win32::routeAccessKey(form_, 'q'));
    EXPECT_EQ(exits, 2);
    EXPECT_EQ(helps, 0);
}

TEST_F(DrawnButtonWindowTest, AccessKeySkipsHiddenAndDisabledButtons) {
    DrawnButtonWindow& hidden = place(10, 10);
    hidden.button().Caption("E&xit");
    ShowWindow(hidden.window(), SW_HIDE);
    DrawnButtonWindow& disabled = place(10, 40);
    disabled.button().Caption("E&xit");
    disabled.button().Enabled(false);
    HWND frame = CreateWindowExA(0, "STATIC", "", WS_CHILD, 0, 80, 200, 60, form_, nullptr, nullptr, nullptr);
    DrawnButtonWindow& inHiddenFrame = place(10, 10, kWidth, kHeight, frame);
    inHiddenFrame.button().Caption("E&xit");
    EXPECT_FALSE(win32::routeAccessKey(form_, 'x'));
    EXPECT_EQ(events_.clicks, 0);
}

TEST_F(DrawnButtonWindowTest, AltLetterOnAFocusedButtonOrTheFormReachesTheButton) {
    DrawnButtonWindow& b = place();
    b.button().Caption("E&xit");
    SendMessageA(b.window(), WM_SYSCHAR, 'x', 0x20000000);
    EXPECT_EQ(events_.clicks, 1);

    LRESULT result = -1;
    EXPECT_TRUE(win32::handleAccessKeyMessage(form_, WM_MENUCHAR, MAKEWPARAM('x', MF_SYSMENU), 0, result));
    EXPECT_EQ(HIWORD(result), MNC_CLOSE);
    EXPECT_FALSE(win32::handleAccessKeyMessage(form_, WM_SYSCHAR, 'z', 0, result));
    EXPECT_EQ(events_.clicks, 2);
}

TEST_F(DrawnButtonWindowTest, ArrowKeysMoveTheFocusBetweenButtons) {
    DrawnButtonWindow& first = place(10, 10);
    DrawnButtonWindow& second = place(10, 40);
    SetFocus(first.window());
    if (GetFocus() != first.window()) GTEST_SKIP() << "the form could not take the focus on this display";
    EXPECT_TRUE(first.button().hasFocus());
    SendMessageA(first.window(), WM_KEYDOWN, VK_RIGHT, 0);
    EXPECT_EQ(GetFocus(), second.window());
    EXPECT_TRUE(second.button().hasFocus());
    EXPECT_FALSE(first.button().hasFocus());
    SendMessageA(second.window(), WM_KEYDOWN, VK_UP, 0);
    EXPECT_EQ(GetFocus(), first.window());
}

// --- hover --------------------------------------------------------------------

TEST_F(DrawnButtonWindowTest, PointerOverGivesMouseOverAndLeavingGivesMouseOut) {
    showForm();
    DrawnButtonWindow& b = place();
    UpdateWindow(form_);
    POINT centre{kWidth / 2, kHeight / 2};
    ClientToScreen(b.window(), &centre);
    SetCursorPos(centre.x, centre.y);
    POINT now{};
    GetCursorPos(&now);
    if (now.x != centre.x || now.y != centre.y || WindowFromPoint(centre) != b.window())
        GTEST_SKIP() << "the pointer cannot be placed on this display";

    SendMessageA(b.window(), WM_MOUSEMOVE, 0, at(kWidth / 2, kHeight / 2));
    EXPECT_TRUE(b.button().isHovered());
    EXPECT_EQ(events_.overs, 1);
    SendMessageA(b.window(), WM_TIMER, win32::kHoverTimerId, 0);  // still over: nothing changes
    EXPECT_EQ(events_.outs, 0);

    SetCursorPos(centre.x + 300, centre.y + 300);
    SendMessageA(b.window(), WM_TIMER, win32::kHoverTimerId, 0);
    EXPECT_FALSE(b.button().isHovered());
    EXPECT_EQ(events_.outs, 1);
}

}  // namespace
