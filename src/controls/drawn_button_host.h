#pragma once
// What the owner-drawn button needs from the program around it. The Windows
// side implements these over the control's window; tests script them.
#include <cstdint>
#include <string>

#include "controls/canvas.h"
#include "controls/drawn_button_palette.h"
#include "controls/drawn_button_region.h"

namespace controls {

class ButtonWindow {
public:
    virtual ~ButtonWindow() = default;
    virtual std::uintptr_t handle() const = 0;
    virtual Canvas& canvas() = 0;  // an off-screen surface of the control's size
    virtual void present() = 0;    // puts what was drawn on the screen
    virtual void applyRegion(const RegionShape& shape) = 0;
    virtual void setEnabled(bool enabled) = 0;
    virtual void setMousePointer(int kind) = 0;
    virtual void setMouseIcon(const Picture& icon) = 0;
    virtual void useHandCursor() = 0;  // the program's cursor resource 101
    virtual void captureMouse() = 0;
    virtual void moveFocus(bool forward) = 0;  // as Tab / Shift+Tab
    // The caption as the window's own text, so screen readers and tests find the button by name.
    virtual void captionChanged(const std::string&) {}
    virtual void captureBackground() = 0;      // what lies under the control, for style 11
    // Copies the last capture onto the canvas; false when there is none of the canvas's size.
    virtual bool pasteBackground() = 0;
    virtual void releaseResources() = 0;       // region and off-screen surface
};

// Hover tracking: the 3 ms timer and "is the window under the cursor ours".
class PointerWatch {
public:
    virtual ~PointerWatch() = default;
    virtual bool isPointerOver() const = 0;
    virtual void startHoverTimer(int intervalMs) = 0;
    virtual void stopHoverTimer() = 0;
};

// The host form's ambient properties.
class ButtonAmbient : public ColourSource {
public:
    virtual bool userMode() const = 0;          // false inside a form designer
    virtual bool displayAsDefault() const = 0;  // the host marks the button as default
    virtual Font font() const = 0;
};

class ButtonEvents {
public:
    virtual ~ButtonEvents() = default;
    virtual void Click() {}
    virtual void MouseDown(std::int16_t /*Button*/, std::int16_t /*Shift*/, float /*X*/, float /*Y*/) {}
    virtual void MouseMove(std::int16_t /*Button*/, std::int16_t /*Shift*/, float /*X*/, float /*Y*/) {}
    virtual void MouseUp(std::int16_t /*Button*/, std::int16_t /*Shift*/, float /*X*/, float /*Y*/) {}
    virtual void KeyPress(std::int16_t /*KeyAscii*/) {}
    virtual void KeyDown(std::int16_t /*KeyCode*/, std::int16_t /*Shift*/) {}
    virtual void KeyUp(std::int16_t /*KeyCode*/, std::int16_t /*Shift*/) {}
    virtual void MouseOver() {}
    virtual void MouseOut() {}
};

struct ButtonHost {
    ButtonWindow& window;
    PointerWatch& pointer;
    ButtonAmbient& ambient;
    const TextMeasurer& measurer;
    ButtonEvents& events;
};

}  // namespace controls
