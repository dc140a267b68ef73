#pragma once
// Labels, frames, pictures, buttons and text boxes: controls with a caption
// or a text and, for some, a handler the user's input runs.
#include <functional>

#include "ui/control.h"

namespace ui {

class Captioned : public Control {
public:
    Captioned(std::string name, Rect design, std::string caption = {})
        : Control(std::move(name), design), caption_(std::move(caption)) {}
    const std::string& caption() const { return caption_; }
    void setCaption(const std::string& caption) {
        if (caption == caption_) return;
        caption_ = caption;
        notify(Change::Text);
    }

private:
    std::string caption_;
};

class Label : public Captioned {
public:
    using Captioned::Captioned;
    // A heading is drawn in a larger, bold face (the about box's product name).
    bool heading() const { return heading_; }
    void setHeading(bool heading) { heading_ = heading; }
    std::function<void()> onClick;  // the about box's clickable spots
    void click() {
        if (onClick) onClick();
    }

private:
    bool heading_ = false;
};

// A frame groups controls; their positions are relative to it.
class Frame : public Captioned {
public:
    using Captioned::Captioned;
};

// A separator: an etched line across its width.
class Line : public Control {
public:
    using Control::Control;
};

// A picture: an image resource shown at its place, optionally clickable.
class Picture : public Captioned {
public:
    using Captioned::Captioned;  // the caption names the image resource
    std::function<void()> onClick;
    void click() {
        if (onClick) onClick();
    }
};

// A push button. The real control is the owner-drawn button; its logic
// turns presses, Space and access keys into one click.
class Button : public Captioned {
public:
    using Captioned::Captioned;
    std::function<void()> onClick;
    void click() {
        if (enabled() && onClick) onClick();
    }
};

// A check box with its caption; the tick's changes notify as a state change.
class CheckBox : public Captioned {
public:
    using Captioned::Captioned;
    bool checked() const { return checked_; }
    void setChecked(bool checked) {
        if (checked == checked_) return;
        checked_ = checked;
        notify(Change::State);
    }
    // The user's click turns the tick over.
    void click() {
        if (enabled()) setChecked(!checked_);
    }

private:
    bool checked_ = false;
};

class TextBox : public Control {
public:
    TextBox(std::string name, Rect design, std::string text = {})
        : Control(std::move(name), design), text_(std::move(text)) {}
    const std::string& text() const { return text_; }
    // Runs the change handler when the text really changes, as the window system does.
    void setText(const std::string& text);
    // A character typed by the user; Enter (13) runs the Enter handler.
    void keyPress(char character);

    std::function<void()> onChange;
    std::function<void()> onEnter;

private:
    std::string text_;
};

}  // namespace ui
