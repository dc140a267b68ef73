#include "controls/drawn_button.h"

namespace controls {

namespace {

constexpr int kLeftButton = 1;
constexpr int kRightButton = 2;
constexpr int kKeySpace = 32;
constexpr int kKeyLeft = 37;
constexpr int kKeyUp = 38;
constexpr int kKeyRight = 39;
constexpr int kKeyDown = 40;

}  // namespace

void DrawnButton::mouseDown(std::int16_t Button, std::int16_t Shift, float X, float Y) {
    swallowClick_ = false;
    handleMouseDown(Button, Shift, X, Y);
}

void DrawnButton::handleMouseDown(std::int16_t Button, std::int16_t Shift, float X, float Y) {
    host_.events.MouseDown(Button, Shift, X, Y);
    lastButton_ = Button;
    if (Button != kRightButton) Redraw(kStateDown, false);
}

void DrawnButton::mouseMove(std::int16_t Button, std::int16_t Shift, float X, float Y) {
    host_.events.MouseMove(Button, Shift, X, Y);
    if (Button != 0 && Button != kLeftButton) return;
    if (!host_.pointer.isPointerOver()) {
        Redraw(kStateUp, false);
        return;
    }
    if (Button == kLeftButton) {
        Redraw(kStateDown, false);
    } else if (!hovered_) {
        hovered_ = true;
        timerRunning_ = true;
        host_.pointer.startHoverTimer(kHoverIntervalMs);
        Redraw(kStateUp, true);
        host_.events.MouseOver();
    }
}

void DrawnButton::hoverTimer() {
    if (host_.pointer.isPointerOver()) return;
    host_.pointer.stopHoverTimer();
    timerRunning_ = false;
    if (!hovered_) return;  // a tick already on its way when the timer stopped
    hovered_ = false;
    Redraw(kStateUp, true);
    host_.events.MouseOut();
}

void DrawnButton::mouseUp(std::int16_t Button, std::int16_t Shift, float X, float Y) {
    host_.events.MouseUp(Button, Shift, X, Y);
    if (Button != kRightButton) Redraw(kStateUp, false);
}

// The press that made a double click already gave its click; the host's
// click for the second press is dropped.
void DrawnButton::click() {
    if (swallowClick_) {
        swallowClick_ = false;
        return;
    }
    if (lastButton_ != kLeftButton || !p_.Enabled) return;
    performClick();
}

void DrawnButton::performClick() {
    if (p_.CheckBoxBehaviour) {
        p_.Value = !p_.Value;
        changes_.PropertyChanged(button_keys::Value);
    }
    Redraw(kStateUp, false);
    host_.events.Click();
}

void DrawnButton::doubleClick(std::int16_t Shift, float X, float Y) {
    handleMouseDown(kLeftButton, Shift, X, Y);
    host_.window.captureMouse();
    swallowClick_ = true;
}

void DrawnButton::accessKeyPressed() {
    swallowClick_ = false;
    lastButton_ = kLeftButton;
    click();
}

void DrawnButton::keyDown(std::int16_t KeyCode, std::int16_t Shift) {
    host_.events.KeyDown(KeyCode, Shift);
    lastKey_ = KeyCode;
    if (KeyCode == kKeySpace) Redraw(kStateDown, false);
    if (KeyCode == kKeyLeft || KeyCode == kKeyUp) host_.window.moveFocus(false);
    if (KeyCode == kKeyRight || KeyCode == kKeyDown) host_.window.moveFocus(true);
}

void DrawnButton::keyUp(std::int16_t KeyCode, std::int16_t Shift) {
    host_.events.KeyUp(KeyCode, Shift);
    if (KeyCode == kKeySpace && lastKey_ == kKeySpace) performClick();
}

void DrawnButton::keyPress(std::int16_t KeyAscii) { host_.events.KeyPress(KeyAscii); }

void DrawnButton::gotFocus() {
    focused_ = true;
    redrawCurrent();
}

void DrawnButton::lostFocus() {
    focused_ = false;
    redrawCurrent();
}

// Own colours may name system colours, which an ambient change can alter.
void DrawnButton::ambientChanged() {
    if (p_.ColorScheme != 2) return;
    recomputePalette();
    redrawCurrent();
}

}  // namespace controls
