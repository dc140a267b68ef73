#pragma once
// Shows a ui::Window as a real top-level window: one real control per model
// at its design place, every model change mirrored into it, and the user's
// input turned back into model changes and operations.
//
//   win32::WindowBinder binder(form.window, drawnButtons);  // created hidden
//   form.window.show();                                     // the model shows it
//
// Destroy a binder before the models it shows, and never from inside one of
// their handlers (hide the window there instead): the handler runs inside
// the binder's window procedure.
#include <windows.h>

#include <memory>
#include <unordered_map>
#include <vector>

#include "ui/list_view.h"
#include "ui/simple_controls.h"
#include "ui/window.h"
#include "win32/bound_control.h"

namespace win32 {

struct WindowOptions {
    DWORD style = WS_OVERLAPPEDWINDOW;
    DWORD exStyle = WS_EX_CONTROLPARENT;
    HWND owner = nullptr;  // dialogs stay above their owner
    HICON icon = nullptr;  // null: the program's icon resource 1, else the system's
};

// Sent to a top-level window for Enter or Escape pressed in it (wParam the key,
// lParam the focused control); nonzero when the window took the key.
inline constexpr UINT kDialogKeyMessage = WM_APP + 0x40;

// Makes standard push buttons; the owner-drawn button replaces it.
ButtonFactory standardButtonFactory();

class WindowBinder {
public:
    // An empty factory, or one that returns null, gets a standard push button.
    explicit WindowBinder(ui::Window& window, ButtonFactory buttons = {}, WindowOptions options = {});
    ~WindowBinder();
    WindowBinder(const WindowBinder&) = delete;
    WindowBinder& operator=(const WindowBinder&) = delete;

    HWND handle() const { return window_; }
    // The real control of a model; null for timers and controls the window does not list.
    HWND handleOf(const ui::Control& control) const;
    BoundControl* boundOf(const ui::Control& control) const;
    int dpi() const { return dpi_; }
    HFONT font() const { return font_; }

private:
    struct Entry {
        ui::Control* model = nullptr;
        std::unique_ptr<BoundControl> bound;  // null for timers
        ui::Timer* timer = nullptr;
        int id = 0;
        bool docked = false;  // the status bar places itself
    };

    static LRESULT CALLBACK windowProc(HWND, UINT, WPARAM, LPARAM);
    static LRESULT CALLBACK containerProc(HWND, UINT, WPARAM, LPARAM, UINT_PTR, DWORD_PTR);
    LRESULT onMessage(UINT message, WPARAM wParam, LPARAM lParam);

    void createControl(ui::Control& control);
    HFONT headingFont();
    HWND containerOf(const ui::Control& control);
    void forwardFrom(HWND container);
    void applyToControl(Entry& entry, ui::Change change, int index);
    void applyToWindow(ui::Change change);
    void applyWindowGeometry();
    void applyWindowState();
    void applyWindowVisible();
    void relayoutDocked();

    bool routeCommand(WPARAM wParam, LPARAM lParam);
    bool routeNotify(NMHDR* header, LRESULT& result);

    void OnSize(UINT type);
    void OnMove();
    void OnClose();
    void OnTimer(UINT_PTR id);
    void OnActivate(WPARAM wParam);
    void OnSetFocus();
    bool OnDialogKey(WPARAM key, HWND focused);
    void OnDestroy();

    ui::Window& model_;
    ButtonFactory buttons_;
    WindowOptions options_;
    HWND window_ = nullptr;
    HFONT font_ = nullptr;
    bool ownsFont_ = false;
    HFONT headingFont_ = nullptr;
    int dpi_ = 96;
    int nextId_ = 100;
    bool creating_ = true;
    bool destroying_ = false;
    bool shownOnce_ = false;
    int applyingGeometry_ = 0;   // our own SetWindowPos: its WM_SIZE is no user resize
    int syncingFromWindow_ = 0;  // the model learns where the window is; nothing to apply back
    HWND lastFocus_ = nullptr;
    std::vector<std::unique_ptr<Entry>> entries_;
    std::unordered_map<const ui::Control*, Entry*> byModel_;
    std::unordered_map<HWND, Entry*> byHandle_;
    std::vector<HWND> forwarding_;
};

}  // namespace win32
