#pragma once
// A scripted host for the owner-drawn button: a bitmap canvas sized by the
// region it is given, a pointer that is over the control when told so, a
// hover timer that only records, and a log of events in order.
#include <memory>
#include <string>
#include <vector>

#include "controls/bitmap_canvas.h"
#include "controls/drawn_button.h"

namespace controls_test {

using namespace controls;

inline constexpr Color kSysFace = rgb(212, 208, 200);
inline constexpr Color kSysText = rgb(1, 2, 3);
inline constexpr Color kSysShadow = rgb(128, 128, 129);
inline constexpr Color kSysLight = rgb(230, 231, 232);
inline constexpr Color kSysHighlight = rgb(255, 255, 254);
inline constexpr Color kSysDarkShadow = rgb(64, 65, 66);
inline constexpr Color kSysSelection = rgb(10, 36, 106);
inline constexpr Color kCanvasBlank = rgb(1, 254, 1);

class FakeButtonHost : public ButtonWindow, public PointerWatch, public ButtonAmbient, public ButtonEvents {
public:
    // ButtonWindow
    std::uintptr_t handle() const override { return 0xB077; }
    Canvas& canvas() override { return *canvas_; }
    // Each frame's text and focus calls are kept apart from the last one's.
    void present() override {
        ++presents;
        texts = canvas_->texts();
        focusRects = canvas_->focusRects();
        canvas_->forgetCalls();
    }
    void applyRegion(const RegionShape& shape) override {
        region = shape;
        canvas_ = std::make_unique<BitmapCanvas>(shape.width, shape.height, kCanvasBlank);
    }
    void setEnabled(bool e) override { windowEnabled = e; }
    void setMousePointer(int kind) override { pointerKind = kind; }
    void setMouseIcon(const Picture& icon) override { mouseIcon = icon; }
    void useHandCursor() override { handCursor = true; }
    void captureMouse() override { ++captures; }
    void moveFocus(bool forward) override { log.push_back(forward ? "focus next" : "focus previous"); }
    void captureBackground() override { ++backgroundCaptures; }
    bool pasteBackground() override {
        if (!captured || captured->width() != canvas_->width() || captured->height() != canvas_->height())
            return false;
        for (int y = 0; y < captured->height(); ++y)
            for (int x = 0; x < captured->width(); ++x) canvas_->setPixel(x, y, captured->pixel(x, y));
        return true;
    }
    void releaseResources() override { released = true; }

    // PointerWatch
    bool isPointerOver() const override { return pointerOver; }
    void startHoverTimer(int ms) override {
        timerRunning = true;
        timerInterval = ms;
    }
    void stopHoverTimer() override { timerRunning = false; }

    // ButtonAmbient
    bool userMode() const override { return live; }
    bool displayAsDefault() const override { return isDefault; }
    Font font() const override { return hostFont; }
    Color systemColour(int index) const override {
        switch (index) {
            case kColorButtonFace: return kSysFace;
            case kColorButtonText: return kSysText;
            case kColorButtonShadow: return kSysShadow;
            case kColorLight3D: return kSysLight;
            case kColorButtonHighlight: return kSysHighlight;
            case kColorDarkShadow3D: return kSysDarkShadow;
            case kColorHighlight: return kSysSelection;
            default: return 0;
        }
    }
    Color parentBackColour() const override { return parentBack; }
    Color parentTextColour() const override { return parentText; }

    // ButtonEvents
    void Click() override { log.push_back("Click"); }
    void MouseDown(std::int16_t b, std::int16_t, float, float) override { log.push_back("MouseDown " + std::to_string(b)); }
    void MouseMove(std::int16_t b, std::int16_t, float, float) override { log.push_back("MouseMove " + std::to_string(b)); }
    void MouseUp(std::int16_t b, std::int16_t, float, float) override { log.push_back("MouseUp " + std::to_string(b)); }
    void KeyPress(std::int16_t k) override { log.push_back("KeyPress " + std::to_string(k)); }
    void KeyDown(std::int16_t k, std::int16_t) override { log.push_back("KeyDown " + std::to_string(k)); }
    void KeyUp(std::int16_t k, std::int16_t) override { log.push_back("KeyUp " + std::to_string(k)); }
    void MouseOver() override { log.push_back("MouseOver"); }
    void MouseOut() override { log.push_back("MouseOut"); }

    BitmapCanvas& bitmap() { return *canvas_; }
    ButtonHost host() { return ButtonHost{*this, *this, *this, measurer, *this}; }

    FixedPitchMeasurer measurer{6, 13};
    std::vector<std::string> log;
    std::vector<TextCall> texts;  // of the last frame presented
    std::vector<FocusCall> focusRects;
    RegionShape region;
    int presents = 0;
    int captures = 0;
    int backgroundCaptures = 0;
    int pointerKind = -1;
    Picture mouseIcon;
    bool handCursor = false;
    bool windowEnabled = true;
    bool released = false;
    bool pointerOver = false;
    bool timerRunning = false;
    int timerInterval = 0;
    bool live = true;
    bool isDefault = false;
    Font hostFont{"Tahoma", 8, false, false, false};
    Color parentBack = rgb(100, 150, 200);
    Color parentText = rgb(5, 6, 7);
    std::unique_ptr<BitmapCanvas> captured;  // what pasteBackground puts under style 11

private:
    std::unique_ptr<BitmapCanvas> canvas_ = std::make_unique<BitmapCanvas>(0, 0);
};

// A button placed on a form, shown at the given size, its log emptied.
struct PlacedButton {
    explicit PlacedButton(int w = 80, int h = 24, const std::string& caption = "&Help",
                          bool live = true) {
        host.live = live;
        button = std::make_unique<DrawnButton>(host.host(), "okButton");
        button->InitProperties();
        button->Caption(caption);
        button->Resize(w, h);
        button->Show();
        host.log.clear();
        host.presents = 0;
        button->clearChanges();
    }
    DrawnButton& operator*() { return *button; }
    DrawnButton* operator->() { return button.get(); }

    FakeButtonHost host;
    std::unique_ptr<DrawnButton> button;
};

}  // namespace controls_test
