#pragma once
// The portable model of one control: what the program's logic reads and
// writes. Whoever renders it (a real window, or nothing in tests) listens
// for changes; the model never knows who that is.
#include <functional>
#include <string>
#include <vector>

namespace ui {

struct Rect {
    int left = 0, top = 0, width = 0, height = 0;  // twips, relative to the container
    bool operator==(const Rect&) const = default;
};

enum class Change {
    Geometry,
    Visible,
    Enabled,
    Text,      // caption, title or text
    Columns,
    Rows,      // rows added, removed or replaced wholesale
    Row,       // one row's texts, tick, colour or picture (index given)
    Selection,
    Sorting,
    Panels,
    State,     // window state
    Focus,
};

class Control {
public:
    using Observer = std::function<void(Change, int index)>;

    Control(std::string name, Rect design) : name_(std::move(name)), bounds_(design) {}
    virtual ~Control() = default;
    Control(const Control&) = delete;
    Control& operator=(const Control&) = delete;

    const std::string& name() const { return name_; }
    const Rect& bounds() const { return bounds_; }
    int left() const { return bounds_.left; }
    int top() const { return bounds_.top; }
    int width() const { return bounds_.width; }
    int height() const { return bounds_.height; }
    void setBounds(const Rect& bounds);
    void move(int left, int top) { setBounds({left, top, bounds_.width, bounds_.height}); }
    void setLeft(int left) { setBounds({left, bounds_.top, bounds_.width, bounds_.height}); }
    void setTop(int top) { setBounds({bounds_.left, top, bounds_.width, bounds_.height}); }
    // Negative sizes are refused, as the window system refuses them.
    void setWidth(int width);
    void setHeight(int height);

    bool visible() const { return visible_; }
    void setVisible(bool visible);
    void show() { setVisible(true); }
    void hide() { setVisible(false); }
    bool enabled() const { return enabled_; }
    void setEnabled(bool enabled);

    // The container this control sits in (a frame or the window); null at top level.
    Control* container() const { return container_; }
    void setContainer(Control* container) { container_ = container; }

    // One renderer per control; a second call replaces the first.
    void observe(Observer observer) { observer_ = std::move(observer); }
    // Asks the renderer to give this control the input focus.
    void setFocus() { notify(Change::Focus); }

protected:
    void notify(Change change, int index = -1) {
        if (observer_) observer_(change, index);
    }

private:
    std::string name_;
    Rect bounds_;
    bool visible_ = true;
    bool enabled_ = true;
    Control* container_ = nullptr;
    Observer observer_;
};

}  // namespace ui
