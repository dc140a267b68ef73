#pragma once
// drawnButton: the program's own push button. It draws itself in one of
// fourteen styles, tracks the pointer for a hover look, can act as a two-state
// check button and keeps its settings in the host form's property bag.
#include <cstdint>
#include <string>

#include "controls/drawn_button_host.h"
#include "controls/drawn_button_layout.h"
#include "controls/drawn_button_palette.h"
#include "controls/drawn_button_properties.h"

namespace controls {

inline constexpr int kStateUp = 0;
inline constexpr int kStateDown = 2;
inline constexpr int kHoverIntervalMs = 3;
inline constexpr int kPointerCustom = 99;
inline constexpr int kPointerArrow = 1;

class DrawnButton {
public:
    // `hostName` is the host's name for the control, the caption of a new button.
    DrawnButton(ButtonHost host, std::string hostName);

    // Life cycle, as the host form drives it.
    void InitProperties();
    void ReadProperties(const PropertyBag& bag);
    void WriteProperties(PropertyBag& bag) const;
    void Resize(int width, int height);  // pixels
    void Show();
    void Hide();
    void Terminate();

    void Refresh();
    void DisableRefresh();

    // Input from the host's window.
    void mouseDown(std::int16_t Button, std::int16_t Shift, float X, float Y);
    void mouseMove(std::int16_t Button, std::int16_t Shift, float X, float Y);
    void mouseUp(std::int16_t Button, std::int16_t Shift, float X, float Y);
    void click();  // after a press and release over the control
    void doubleClick(std::int16_t Shift = 0, float X = 0, float Y = 0);  // left button
    void keyDown(std::int16_t KeyCode, std::int16_t Shift);
    void keyUp(std::int16_t KeyCode, std::int16_t Shift);
    void keyPress(std::int16_t KeyAscii);
    void accessKeyPressed();
    void gotFocus();
    void lostFocus();
    void hoverTimer();
    void ambientChanged();

    // Properties.
    Color BackColor() const { return p_.BackColor; }
    void BackColor(Color New_BackColor);
    Color BackOver() const { return p_.BackOver; }
    void BackOver(Color New_BackOver);
    Color ForeColor() const { return p_.ForeColor; }
    void ForeColor(Color New_ForeColor);
    Color ForeOver() const { return p_.ForeOver; }
    void ForeOver(Color New_ForeOver);
    Color MaskColor() const { return p_.MaskColor; }
    void MaskColor(Color New_MaskColor);
    int ButtonType() const { return p_.ButtonType; }
    void ButtonType(int New_ButtonType);
    const std::string& Caption() const { return p_.Caption; }
    void Caption(const std::string& New_Caption);
    bool Enabled() const { return p_.Enabled; }
    void Enabled(bool New_Enabled);
    const controls::Font& Font() const { return p_.Font; }
    void Font(const controls::Font& New_Font);
    bool FontBold() const { return p_.Font.bold; }
    void FontBold(bool New_FontBold);
    bool FontItalic() const { return p_.Font.italic; }
    void FontItalic(bool New_FontItalic);
    bool FontUnderline() const { return p_.Font.underline; }
    void FontUnderline(bool New_FontUnderline);
    double FontSize() const { return p_.Font.size; }
    void FontSize(double New_FontSize);
    const std::string& FontName() const { return p_.Font.name; }
    void FontName(const std::string& New_FontName);
    int ColorScheme() const { return p_.ColorScheme; }
    void ColorScheme(int New_ColorScheme);
    bool ShowFocusRect() const { return p_.ShowFocusRect; }
    void ShowFocusRect(bool New_ShowFocusRect);
    int MousePointer() const { return p_.MousePointer; }
    void MousePointer(int New_MousePointer);
    const Picture& MouseIcon() const { return p_.MouseIcon; }
    void MouseIcon(const Picture& New_MouseIcon);
    bool HandPointer() const { return p_.HandPointer; }
    void HandPointer(bool New_HandPointer);
    std::uintptr_t hwnd() const { return host_.window.handle(); }
    bool SoftBevel() const { return p_.SoftBevel; }
    void SoftBevel(bool New_SoftBevel);
    const Picture& PictureNormal() const { return p_.PictureNormal; }
    void PictureNormal(const Picture& New_PictureNormal);
    const Picture& PictureOver() const { return p_.PictureOver; }
    void PictureOver(const Picture& New_PictureOver);
    int PicturePosition() const { return p_.PicturePosition; }
    void PicturePosition(int New_PicturePosition);
    bool UseMaskColor() const { return p_.UseMaskColor; }
    void UseMaskColor(bool New_UseMaskColor);
    bool UseGreyscale() const { return p_.UseGreyscale; }
    void UseGreyscale(bool New_UseGreyscale);
    int SpecialEffect() const { return p_.SpecialEffect; }
    void SpecialEffect(int New_SpecialEffect);
    bool CheckBoxBehaviour() const { return p_.CheckBoxBehaviour; }
    void CheckBoxBehaviour(bool New_CheckBoxBehaviour);
    bool Value() const { return p_.Value; }
    void Value(bool New_Value);
    std::string Version() const { return "2.0.6"; }

    // What the host and tests read back.
    const std::string& accessKeys() const { return accessKey_; }
    const Palette& palette() const { return palette_; }
    const ButtonLayout& layout() const { return layout_; }
    bool isHovered() const { return hovered_; }
    bool hasFocus() const { return focused_; }
    bool drawnDown() const { return lastState_ == kStateDown; }
    const ChangeMarks& changes() const { return changes_; }
    void clearChanges() { changes_.clear(); }

private:
    bool designTime() const { return !host_.ambient.userMode(); }
    void settingsChanged();  // after a whole new set of properties
    void recomputePalette();
    void recomputeLayout();
    void applyGeometry();
    void applyPointer();
    void changed(const char* key, bool repaint = true);
    void fontChanged();
    void Redraw(int state, bool force);
    void redrawCurrent() { Redraw(requestedState_, true); }
    Palette paletteForDrawing() const;
    void handleMouseDown(std::int16_t Button, std::int16_t Shift, float X, float Y);
    void performClick();

    ButtonHost host_;
    std::string hostName_;
    ButtonProperties p_;
    Palette palette_;
    ButtonLayout layout_;
    std::string accessKey_;
    ChangeMarks changes_;
    int width_ = 0;
    int height_ = 0;

    bool hovered_ = false;
    bool focused_ = false;
    bool timerRunning_ = false;
    bool shown_ = false;
    bool drawingOn_ = false;
    bool swallowClick_ = false;
    int lastButton_ = 0;
    int lastKey_ = 0;
    int requestedState_ = kStateUp;
    int lastState_ = -1;  // nothing drawn yet
    std::string lastCaption_;
};

}  // namespace controls
