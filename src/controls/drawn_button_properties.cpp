#include "controls/drawn_button_properties.h"

namespace controls {

namespace k = button_keys;

ButtonProperties defaultButtonProperties(const std::string& hostName, const Font& hostFont) {
    ButtonProperties p;
    p.Caption = hostName;
    p.Font = hostFont;
    return p;
}

ButtonProperties readButtonProperties(const PropertyBag& bag, const ButtonProperties& d) {
    ButtonProperties p;
    p.BackColor = colourFromBag(bag, k::BackColor, d.BackColor);
    p.BackOver = colourFromBag(bag, k::BackOver, p.BackColor);
    p.ForeColor = colourFromBag(bag, k::ForeColor, d.ForeColor);
    p.ForeOver = colourFromBag(bag, k::ForeOver, p.ForeColor);
    p.MaskColor = colourFromBag(bag, k::MaskColor, d.MaskColor);
    p.ButtonType = readOr<std::int32_t>(bag, k::ButtonType, d.ButtonType);
    p.Caption = readOr<std::string>(bag, k::Caption, d.Caption);
    p.Enabled = readOr<bool>(bag, k::Enabled, d.Enabled);
    p.Font = readOr<Font>(bag, k::Font, d.Font);
    p.ColorScheme = readOr<std::int32_t>(bag, k::ColorScheme, d.ColorScheme);
    p.ShowFocusRect = readOr<bool>(bag, k::ShowFocusRect, d.ShowFocusRect);
    p.MousePointer = readOr<std::int32_t>(bag, k::MousePointer, d.MousePointer);
    p.MouseIcon = readOr<Picture>(bag, k::MouseIcon, d.MouseIcon);
    p.HandPointer = readOr<bool>(bag, k::HandPointer, d.HandPointer);
    p.SoftBevel = readOr<bool>(bag, k::SoftBevel, d.SoftBevel);
    p.PictureNormal = readOr<Picture>(bag, k::PictureNormal, d.PictureNormal);
    p.PictureOver = readOr<Picture>(bag, k::PictureOver, d.PictureOver);
    p.PicturePosition = readOr<std::int32_t>(bag, k::PicturePosition, d.PicturePosition);
    p.UseMaskColor = readOr<bool>(bag, k::UseMaskColor, d.UseMaskColor);
    p.UseGreyscale = readOr<bool>(bag, k::UseGreyscale, d.UseGreyscale);
    p.SpecialEffect = readOr<std::int32_t>(bag, k::SpecialEffect, d.SpecialEffect);
    p.CheckBoxBehaviour = readOr<bool>(bag, k::CheckBoxBehaviour, d.CheckBoxBehaviour);
    p.Value = readOr<bool>(bag, k::Value, d.Value);
    return p;
}

void writeButtonProperties(const ButtonProperties& p, PropertyBag& bag) {
    bag.WriteProperty(k::BackColor, colourToBag(p.BackColor));
    bag.WriteProperty(k::BackOver, colourToBag(p.BackOver));
    bag.WriteProperty(k::ForeColor, colourToBag(p.ForeColor));
    bag.WriteProperty(k::ForeOver, colourToBag(p.ForeOver));
    bag.WriteProperty(k::MaskColor, colourToBag(p.MaskColor));
    bag.WriteProperty(k::ButtonType, std::int32_t{p.ButtonType});
    bag.WriteProperty(k::Caption, p.Caption);
    bag.WriteProperty(k::Enabled, p.Enabled);
    bag.WriteProperty(k::Font, p.Font);
    bag.WriteProperty(k::ColorScheme, std::int32_t{p.ColorScheme});
    bag.WriteProperty(k::ShowFocusRect, p.ShowFocusRect);
    bag.WriteProperty(k::MousePointer, std::int32_t{p.MousePointer});
    bag.WriteProperty(k::MouseIcon, p.MouseIcon);
    bag.WriteProperty(k::HandPointer, p.HandPointer);
    bag.WriteProperty(k::SoftBevel, p.SoftBevel);
    bag.WriteProperty(k::PictureNormal, p.PictureNormal);
    bag.WriteProperty(k::PictureOver, p.PictureOver);
    bag.WriteProperty(k::PicturePosition, std::int32_t{p.PicturePosition});
    bag.WriteProperty(k::UseMaskColor, p.UseMaskColor);
    bag.WriteProperty(k::UseGreyscale, p.UseGreyscale);
    bag.WriteProperty(k::SpecialEffect, std::int32_t{p.SpecialEffect});
    bag.WriteProperty(k::CheckBoxBehaviour, p.CheckBoxBehaviour);
    bag.WriteProperty(k::Value, p.Value);
}

}  // namespace controls
