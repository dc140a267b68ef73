#include "controls/drawn_button.h"

#include <algorithm>

#include "controls/drawn_button_access_key.h"
#include "controls/drawn_button_paint.h"
#include "controls/drawn_button_region.h"

namespace controls {

DrawnButton::DrawnButton(ButtonHost host, std::string hostName)
    : host_(host), hostName_(std::move(hostName)) {
    p_ = defaultButtonProperties(hostName_, host_.ambient.font());
    accessKey_ = accessKeyOf(p_.Caption);
    recomputePalette();
}

void DrawnButton::InitProperties() {
    p_ = defaultButtonProperties(hostName_, host_.ambient.font());
    settingsChanged();
}

void DrawnButton::ReadProperties(const PropertyBag& bag) {
    p_ = readButtonProperties(bag, defaultButtonProperties(hostName_, host_.ambient.font()));
    settingsChanged();
}

void DrawnButton::WriteProperties(PropertyBag& bag) const { writeButtonProperties(p_, bag); }

void DrawnButton::settingsChanged() {
    accessKey_ = accessKeyOf(p_.Caption);
    host_.window.captionChanged(p_.Caption);
    recomputePalette();
    recomputeLayout();
    host_.window.setEnabled(p_.Enabled);
    applyPointer();
}

// A stored hand pointer wins; otherwise the stored pointer and icon go to the window.
void DrawnButton::applyPointer() {
    if (p_.HandPointer) {
        host_.window.setMousePointer(kPointerCustom);
        host_.window.useHandCursor();
        return;
    }
    host_.window.setMousePointer(p_.MousePointer);
    host_.window.setMouseIcon(p_.MouseIcon);
}

void DrawnButton::Resize(int width, int height) {
    width_ = std::max(width, 0);
    height_ = std::max(height, 0);
    applyGeometry();
    redrawCurrent();
}

void DrawnButton::applyGeometry() {
    recomputeLayout();
    host_.window.applyRegion(regionFor(p_.ButtonType, width_, height_));
}

void DrawnButton::Show() {
    shown_ = true;
    if (p_.ButtonType == 11) host_.window.captureBackground();
    drawingOn_ = true;
    recomputePalette();
    Redraw(kStateUp, true);
}

void DrawnButton::Hide() {
    shown_ = false;
    drawingOn_ = false;
}

// A hover timer left running would tick into a control that is gone.
void DrawnButton::Terminate() {
    if (timerRunning_) host_.pointer.stopHoverTimer();
    timerRunning_ = false;
    drawingOn_ = false;
    host_.window.releaseResources();
}

void DrawnButton::Refresh() {
    if (p_.ButtonType == 11 && shown_) host_.window.captureBackground();
    recomputePalette();
    recomputeLayout();
    drawingOn_ = true;
    redrawCurrent();
}

void DrawnButton::DisableRefresh() { drawingOn_ = false; }

void DrawnButton::recomputePalette() {
    const PaletteSettings settings{p_.ColorScheme, p_.ButtonType, p_.BackColor, p_.BackOver,
                                   p_.ForeColor,   p_.ForeOver,   p_.MaskColor, p_.SoftBevel};
    palette_ = computePalette(settings, host_.ambient);
}

void DrawnButton::recomputeLayout() {
    LayoutInput in;
    in.width = width_;
    in.height = height_;
    if (p_.PictureNormal.hasPixels()) {
        in.pictureWidth = p_.PictureNormal.width;
        in.pictureHeight = p_.PictureNormal.height;
    }
    in.picturePosition = p_.PicturePosition;
    in.buttonType = p_.ButtonType;
    in.caption = p_.Caption;
    in.font = p_.Font;
    layout_ = computeLayout(in, host_.measurer);
}

// Hovered, the own-colours scheme draws with BackOver as its face.
Palette DrawnButton::paletteForDrawing() const {
    if (!hovered_ || p_.ColorScheme != 2) return palette_;
    const PaletteSettings settings{p_.ColorScheme, p_.ButtonType, p_.BackOver, p_.BackOver,
                                   p_.ForeColor,   p_.ForeOver,   p_.MaskColor, p_.SoftBevel};
    return computePalette(settings, host_.ambient);
}

void DrawnButton::Redraw(int state, bool force) {
    requestedState_ = state;
    if (p_.CheckBoxBehaviour && p_.Value) state = kStateDown;
    if (!drawingOn_ || height_ <= 0 || width_ <= 0) return;
    if (!force && state == lastState_ && p_.Caption == lastCaption_) return;
    lastState_ = state;
    lastCaption_ = p_.Caption;

    ButtonLook look = ButtonLook::Up;
    if (!p_.Enabled) look = ButtonLook::Disabled;
    else if (state == kStateDown) look = ButtonLook::Down;
    else if (hovered_) look = ButtonLook::Hovered;

    const Palette palette = paletteForDrawing();
    const bool pasted = p_.ButtonType == 11 && host_.window.pasteBackground();
    const PaintContext ctx{host_.window.canvas(), palette, p_,       layout_,
                           width_,                height_, look,     focused_,
                           host_.ambient.displayAsDefault(),         pasted};
    paintButton(ctx);
    host_.window.present();
}

void DrawnButton::changed(const char* key, bool repaint) {
    changes_.PropertyChanged(key);
    if (repaint) redrawCurrent();
}

}  // namespace controls
