#include "controls/drawn_button.h"
#include "controls/drawn_button_access_key.h"

namespace controls {

namespace k = button_keys;

// At design time a new colour also becomes the hover colour, so a button
// recoloured in the designer does not flash its old colour when hovered.
void DrawnButton::BackColor(Color New_BackColor) {
    p_.BackColor = New_BackColor;
    if (designTime()) {
        p_.BackOver = New_BackColor;
        changes_.PropertyChanged(k::BackOver);
    }
    recomputePalette();
    changed(k::BackColor);
}

void DrawnButton::BackOver(Color New_BackOver) {
    p_.BackOver = New_BackOver;
    recomputePalette();
    changed(k::BackOver);
}

void DrawnButton::ForeColor(Color New_ForeColor) {
    p_.ForeColor = New_ForeColor;
    if (designTime()) {
        p_.ForeOver = New_ForeColor;
        changes_.PropertyChanged(k::ForeOver);
    }
    recomputePalette();
    changed(k::ForeColor);
}

void DrawnButton::ForeOver(Color New_ForeOver) {
    p_.ForeOver = New_ForeOver;
    recomputePalette();
    changed(k::ForeOver);
}

void DrawnButton::MaskColor(Color New_MaskColor) {
    p_.MaskColor = New_MaskColor;
    recomputePalette();
    changed(k::MaskColor);
}

void DrawnButton::ButtonType(int New_ButtonType) {
    p_.ButtonType = New_ButtonType;
    if (New_ButtonType == 5 && designTime()) {
        p_.Font.bold = true;
        changes_.PropertyChanged(k::Font);
    }
    applyGeometry();
    recomputePalette();
    if (New_ButtonType == 11 && shown_) host_.window.captureBackground();
    changed(k::ButtonType);
}

void DrawnButton::Caption(const std::string& New_Caption) {
    p_.Caption = New_Caption;
    accessKey_ = accessKeyOf(New_Caption);
    host_.window.captionChanged(New_Caption);
    recomputeLayout();
    changed(k::Caption);
}

void DrawnButton::Enabled(bool New_Enabled) {
    p_.Enabled = New_Enabled;
    host_.window.setEnabled(New_Enabled);
    changed(k::Enabled);
}

void DrawnButton::fontChanged() {
    recomputeLayout();
    changed(k::Font);
}

void DrawnButton::Font(const controls::Font& New_Font) {
    p_.Font = New_Font;
    fontChanged();
}

void DrawnButton::FontBold(bool New_FontBold) {
    p_.Font.bold = New_FontBold;
    fontChanged();
}

void DrawnButton::FontItalic(bool New_FontItalic) {
    p_.Font.italic = New_FontItalic;
    fontChanged();
}

void DrawnButton::FontUnderline(bool New_FontUnderline) {
    p_.Font.underline = New_FontUnderline;
    fontChanged();
}

void DrawnButton::FontSize(double New_FontSize) {
    p_.Font.size = New_FontSize;
    fontChanged();
}

void DrawnButton::FontName(const std::string& New_FontName) {
    p_.Font.name = New_FontName;
    fontChanged();
}

void DrawnButton::ColorScheme(int New_ColorScheme) {
    p_.ColorScheme = New_ColorScheme;
    recomputePalette();
    changed(k::ColorScheme);
}

void DrawnButton::ShowFocusRect(bool New_ShowFocusRect) {
    p_.ShowFocusRect = New_ShowFocusRect;
    changed(k::ShowFocusRect);
}

void DrawnButton::MousePointer(int New_MousePointer) {
    p_.MousePointer = New_MousePointer;
    host_.window.setMousePointer(New_MousePointer);
    changed(k::MousePointer, false);
}

void DrawnButton::MouseIcon(const Picture& New_MouseIcon) {
    p_.MouseIcon = New_MouseIcon;
    host_.window.setMouseIcon(New_MouseIcon);
    changed(k::MouseIcon, false);
}

void DrawnButton::HandPointer(bool New_HandPointer) {
    p_.HandPointer = New_HandPointer;
    if (New_HandPointer) {
        p_.MousePointer = kPointerCustom;
        host_.window.setMousePointer(kPointerCustom);
        host_.window.useHandCursor();
    } else {
        p_.MousePointer = kPointerArrow;
        p_.MouseIcon = Picture{};
        host_.window.setMousePointer(kPointerArrow);
        host_.window.setMouseIcon(p_.MouseIcon);
    }
    changed(k::HandPointer, false);
}

void DrawnButton::SoftBevel(bool New_SoftBevel) {
    p_.SoftBevel = New_SoftBevel;
    recomputePalette();
    changed(k::SoftBevel);
}

void DrawnButton::PictureNormal(const Picture& New_PictureNormal) {
    p_.PictureNormal = New_PictureNormal;
    recomputeLayout();
    changed(k::PictureNormal);
}

// Marked under the key it is saved with, so the host knows to save it.
void DrawnButton::PictureOver(const Picture& New_PictureOver) {
    p_.PictureOver = New_PictureOver;
    changed(k::PictureOver);
}

void DrawnButton::PicturePosition(int New_PicturePosition) {
    p_.PicturePosition = New_PicturePosition;
    recomputeLayout();
    changed(k::PicturePosition);
}

void DrawnButton::UseMaskColor(bool New_UseMaskColor) {
    p_.UseMaskColor = New_UseMaskColor;
    changed(k::UseMaskColor);
}

void DrawnButton::UseGreyscale(bool New_UseGreyscale) {
    p_.UseGreyscale = New_UseGreyscale;
    changed(k::UseGreyscale);
}

void DrawnButton::SpecialEffect(int New_SpecialEffect) {
    p_.SpecialEffect = New_SpecialEffect;
    changed(k::SpecialEffect);
}

void DrawnButton::CheckBoxBehaviour(bool New_CheckBoxBehaviour) {
    p_.CheckBoxBehaviour = New_CheckBoxBehaviour;
    changed(k::CheckBoxBehaviour);
}

void DrawnButton::Value(bool New_Value) {
    p_.Value = New_Value;
    changed(k::Value, p_.CheckBoxBehaviour);
}

}  // namespace controls
