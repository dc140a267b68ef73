#pragma once
// The owner-drawn button's real window: a child window of class
// "VantrelDrawnButton" that hosts the portable DrawnButton logic, feeds it the
// window's input and puts its drawings on the screen.
#include <windows.h>

#include <memory>
#include <string>

#include "controls/drawn_button.h"
#include "win32/bound_control.h"
#include "win32/gdi_canvas.h"

namespace win32 {

inline constexpr const char* kDrawnButtonClass = "VantrelDrawnButton";
inline constexpr UINT_PTR kHoverTimerId = 1;
inline constexpr int kHandCursorResource = 101;
// Posted to itself by a style-11 button to capture its background once its parent is on the screen.
inline constexpr UINT kCaptureBackgroundMessage = WM_USER + 1;

class DrawnButtonWindow final : public controls::ButtonWindow,
                                public controls::PointerWatch,
                                public controls::ButtonAmbient {
public:
    // Creates the window at `pixels` (parent client coordinates) with the
    // button's defaults: caption `hostName`, the host's font, drawn up. Its GDI
    // objects are counted in `ledger` when given (it must outlive the window), else in its own.
    DrawnButtonWindow(HWND parent, const RECT& pixels, int controlId, const std::string& hostName,
                      controls::ButtonEvents& events, bool visible = true, GdiLedger* ledger = nullptr);
    ~DrawnButtonWindow() override;
    DrawnButtonWindow(const DrawnButtonWindow&) = delete;
    DrawnButtonWindow& operator=(const DrawnButtonWindow&) = delete;

    // The drawn button behind a window handle; null for any other window.
    static DrawnButtonWindow* fromHandle(HWND window);

    HWND window() const { return hwnd_; }
    controls::DrawnButton& button() { return *button_; }
    const controls::DrawnButton& button() const { return *button_; }
    const GdiCanvas& surface() const { return canvas_; }
    const GdiCanvas& background() const { return background_; }
    const controls::TextMeasurer& measurer() const { return measurer_; }
    // The host marks this button as its default button (drawn with an outline).
    void setDefault(bool isDefault);
    // Tests and the gallery show the hover look without moving the real pointer.
    void holdPointerOver(bool held) { pointerHeld_ = held; }

    // ButtonWindow
    std::uintptr_t handle() const override { return reinterpret_cast<std::uintptr_t>(hwnd_); }
    controls::Canvas& canvas() override { return canvas_; }
    void present() override;
    void applyRegion(const controls::RegionShape& shape) override;
    void setEnabled(bool enabled) override;
    void setMousePointer(int kind) override { pointerKind_ = kind; }
    void setMouseIcon(const controls::Picture& icon) override;
    void useHandCursor() override;
    void captureMouse() override;
    void moveFocus(bool forward) override;
    void captionChanged(const std::string& caption) override;
    void captureBackground() override;
    bool pasteBackground() override;
    void releaseResources() override;

    // PointerWatch
    bool isPointerOver() const override;
    void startHoverTimer(int intervalMs) override;
    void stopHoverTimer() override;

    // ButtonAmbient
    bool userMode() const override { return true; }
    bool displayAsDefault() const override { return isDefault_; }
    controls::Font font() const override;
    controls::Color systemColour(int index) const override;
    controls::Color parentBackColour() const override;
    controls::Color parentTextColour() const override;

private:
    static LRESULT CALLBACK procedure(HWND window, UINT message, WPARAM wParam, LPARAM lParam);
    LRESULT onMessage(UINT message, WPARAM wParam, LPARAM lParam);
    void onMouseDown(std::int16_t button, WPARAM wParam, LPARAM lParam);
    void onMouseUp(std::int16_t button, WPARAM wParam, LPARAM lParam);
    void onPaint();
    bool onSetCursor();
    void ensureSurface(int width, int height);
    void captureWhenShown();

    HWND hwnd_ = nullptr;
    GdiLedger ownLedger_;
    GdiLedger& ledger_;
    GdiCanvas canvas_;
    GdiCanvas background_;
    GdiTextMeasurer measurer_;
    int pointerKind_ = 0;
    HCURSOR customCursor_ = nullptr;
    bool isDefault_ = false;
    bool leftPressed_ = false;
    bool syncingEnabled_ = false;
    bool capturingBackground_ = false;
    bool captureWaiting_ = false;  // a capture was asked for while the button was not on the screen
    bool pointerHeld_ = false;
    std::unique_ptr<controls::DrawnButton> button_;  // last: it refers to everything above
};

// Alt+letter: the first visible, enabled drawn button under `topLevel` whose
// access key is `letter` (either case) gets a click. True when one took it.
bool routeAccessKey(HWND topLevel, char letter);

// For the top-level window's procedure: WM_SYSCHAR and WM_MENUCHAR carrying a
// drawn button's access key are handled here, with the result to return.
bool handleAccessKeyMessage(HWND topLevel, UINT message, WPARAM wParam, LPARAM lParam, LRESULT& result);

// The colours every program button shares.
inline constexpr controls::Color kButtonFace = controls::rgb(221, 229, 240);
inline constexpr controls::Color kButtonFaceOver = controls::rgb(236, 241, 250);
inline constexpr controls::Color kButtonText = controls::rgb(24, 40, 72);
inline constexpr controls::Color kButtonTextOver = controls::rgb(0, 84, 166);

// Makes a drawn button (style 2, the program's colours) for a ui::Button:
// caption, enabling and visibility follow the model; a click calls model.click().
ButtonFactory makeDrawnButtonFactory();

}  // namespace win32
