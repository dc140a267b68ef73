#pragma once
// A top-level window, its status bar and its timers.
#include <functional>
#include <string>
#include <vector>

#include "ui/control.h"

namespace ui {

enum class WindowState { Normal, Minimized, Maximized };

class Window : public Control {
public:
    Window(std::string name, Rect design, std::string title)
        : Control(std::move(name), design), title_(std::move(title)) {
        setVisible(false);  // windows are built hidden and shown by the program
    }
    const std::string& title() const { return title_; }
    void setTitle(const std::string& title) {
        if (title == title_) return;
        title_ = title;
        notify(Change::Text);
    }
    WindowState state() const { return state_; }
    void setState(WindowState state) {
        if (state == state_) return;
        state_ = state;
        notify(Change::State);
        if (onResize) onResize();
    }
    // The outer size changed (by the user or the program); runs the resize handler.
    void resizeTo(int width, int height) {
        setBounds({left(), top(), width, height});
        if (onResize) onResize();
    }
    // Every control of the window, in creation order (containers before their children).
    const std::vector<Control*>& controls() const { return controls_; }
    void add(Control& control, Control* container = nullptr) {
        control.setContainer(container);
        controls_.push_back(&control);
    }

    std::function<void()> onResize;
    std::function<void()> onClose;  // the user closed the window
    std::function<void()> onClick;  // a click on the window's own background, not on a control
    void click() {
        if (onClick) onClick();
    }
    void close() {
        if (onClose) onClose();
    }
    // Enter and Escape anywhere in a dialog: its OK and its Cancel. Enter on one of
    // the dialog's buttons presses that button. Windows without them keep the keys.
    std::function<void()> onEnter;
    std::function<void()> onEscape;
    bool takesDialogKeys() const { return onEnter || onEscape; }
    // The window itself took the input focus (the platform does this only when
    // none of its controls can take it).
    std::function<void()> onGotFocus;
    void gotFocus() {
        if (onGotFocus) onGotFocus();
    }

private:
    std::string title_;
    WindowState state_ = WindowState::Normal;
    std::vector<Control*> controls_;
};

class StatusBar : public Control {
public:
    StatusBar(std::string name, Rect design, std::size_t panelCount)
        : Control(std::move(name), design), panels_(panelCount) {}
    const std::vector<std::string>& panels() const { return panels_; }
    // Panels are numbered from 1, as the program names them.
    const std::string& panel(std::size_t number) const { return panels_.at(number - 1); }
    void setPanel(std::size_t number, const std::string& text) {
        if (number == 0 || number > panels_.size() || panels_[number - 1] == text) return;
        panels_[number - 1] = text;
        notify(Change::Panels, static_cast<int>(number));
    }

private:
    std::vector<std::string> panels_;
};

// A window timer: the renderer calls tick() every interval while enabled.
class Timer : public Control {
public:
    Timer(std::string name, int intervalMs) : Control(std::move(name), {}), interval_(intervalMs) { hide(); }
    int interval() const { return interval_; }
    bool running() const { return running_; }
    void start() {
        if (running_) return;
        running_ = true;
        notify(Change::Enabled);
    }
    void stop() {
        if (!running_) return;
        running_ = false;
        notify(Change::Enabled);
    }
    void tick() {
        if (running_ && onTick) onTick();
    }
    std::function<void()> onTick;

private:
    int interval_;
    bool running_ = false;
};

}  // namespace ui
