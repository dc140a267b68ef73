#include "ui/simple_controls.h"

namespace ui {

void TextBox::setText(const std::string& text) {
    if (text == text_) return;
    text_ = text;
    notify(Change::Text);
    if (onChange) onChange();
}

void TextBox::keyPress(char character) {
    if (character == '\r' && onEnter) onEnter();
}

}  // namespace ui
