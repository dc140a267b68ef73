#pragma once
// The persisted settings of the owner-drawn button, their keys in the host
// form's property bag and their defaults.
#include <string>

#include "controls/property_bag.h"

namespace controls {

// OLE colours naming system colours: high bit set, index in the low byte.
inline constexpr Color kSystemColourFlag = 0x80000000;
inline constexpr Color kSysButtonFace = kSystemColourFlag | 15;
inline constexpr Color kSysButtonText = kSystemColourFlag | 18;

namespace button_keys {
inline constexpr const char* BackColor = "BCOL";
inline constexpr const char* BackOver = "BCOLO";
inline constexpr const char* ForeColor = "FCOL";
inline constexpr const char* ForeOver = "FCOLO";
inline constexpr const char* MaskColor = "MCOL";
inline constexpr const char* ButtonType = "BTYPE";
inline constexpr const char* Caption = "TX";
inline constexpr const char* Enabled = "ENAB";
inline constexpr const char* Font = "FONT";
inline constexpr const char* ColorScheme = "COLTYPE";
inline constexpr const char* ShowFocusRect = "FOCUSR";
inline constexpr const char* MousePointer = "MPTR";
inline constexpr const char* MouseIcon = "MICON";
inline constexpr const char* HandPointer = "HAND";
inline constexpr const char* SoftBevel = "SOFT";
inline constexpr const char* PictureNormal = "PICN";
inline constexpr const char* PictureOver = "PICH";
inline constexpr const char* PicturePosition = "PICPOS";
inline constexpr const char* UseMaskColor = "UMCOL";
inline constexpr const char* UseGreyscale = "NGREY";
inline constexpr const char* SpecialEffect = "FX";
inline constexpr const char* CheckBoxBehaviour = "CHECK";
inline constexpr const char* Value = "VALUE";
}  // namespace button_keys

struct ButtonProperties {
    Color BackColor = kSysButtonFace;
    Color BackOver = kSysButtonFace;
    Color ForeColor = kSysButtonText;
    Color ForeOver = kSysButtonText;
    Color MaskColor = 12632256;
    int ButtonType = 2;
    std::string Caption;
    bool Enabled = true;
    controls::Font Font;
    int ColorScheme = 1;
    bool ShowFocusRect = true;
    int MousePointer = 0;
    Picture MouseIcon;
    bool HandPointer = false;
    bool SoftBevel = false;
    Picture PictureNormal;
    Picture PictureOver;
    int PicturePosition = 0;
    bool UseMaskColor = true;
    bool UseGreyscale = false;
    int SpecialEffect = 0;
    bool CheckBoxBehaviour = false;
    bool Value = false;
};

// Defaults of a freshly placed button: its caption is the host's name for it.
ButtonProperties defaultButtonProperties(const std::string& hostName, const Font& hostFont);

// Missing or mistyped keys take the defaults; BackOver and ForeOver default to
// the colours just read.
ButtonProperties readButtonProperties(const PropertyBag& bag, const ButtonProperties& defaults);
void writeButtonProperties(const ButtonProperties& p, PropertyBag& bag);

}  // namespace controls
