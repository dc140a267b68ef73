#include "ui/control.h"

namespace ui {

void Control::setBounds(const Rect& bounds) {
    if (bounds.width < 0 || bounds.height < 0 || bounds == bounds_) return;
    bounds_ = bounds;
    notify(Change::Geometry);
}

void Control::setWidth(int width) { setBounds({bounds_.left, bounds_.top, width, bounds_.height}); }

void Control::setHeight(int height) { setBounds({bounds_.left, bounds_.top, bounds_.width, height}); }

void Control::setVisible(bool visible) {
    if (visible == visible_) return;
    visible_ = visible;
    notify(Change::Visible);
}

void Control::setEnabled(bool enabled) {
    if (enabled == enabled_) return;
    enabled_ = enabled;
    notify(Change::Enabled);
}

}  // namespace ui
