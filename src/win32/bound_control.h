#pragma once
// A real control bound to one ui model. The window binder creates one per
// model, listens to the model and forwards each change here.
#include <windows.h>

#include <functional>
#include <memory>

#include "ui/control.h"
#include "ui/simple_controls.h"

namespace win32 {

class BoundControl {
public:
    virtual ~BoundControl() = default;
    virtual HWND handle() const = 0;
    // Geometry, visibility and enabling are applied by the binder before this call;
    // the control mirrors whatever else changed (caption, rows, ...).
    virtual void modelChanged(ui::Change change, int index) = 0;
    // WM_COMMAND / WM_NOTIFY reflected from the parent; true when handled.
    virtual bool command(WPARAM, LPARAM) { return false; }
    virtual bool notify(NMHDR*, LRESULT&) { return false; }
    // A button marked as its window's default, the one Enter presses.
    virtual void setDefault(bool) {}
};

// Makes the real control for a button model at `pixels` inside `parent`.
using ButtonFactory =
    std::function<std::unique_ptr<BoundControl>(ui::Button& model, HWND parent, const RECT& pixels, int controlId)>;

}  // namespace win32
