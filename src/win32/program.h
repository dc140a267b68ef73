#pragma once
// The whole program on real windows: the application's windows bound to
// real controls with owner-drawn buttons, the tray icon, the message loop.
// WinMain, the UI tests and the screenshot tool all run it this way.
#include <windows.h>

#include <memory>
#include <random>
#include <vector>

#include "shell/application.h"
#include "win32/tray_icon.h"
#include "win32/window_binder.h"

namespace win32 {

class Program {
public:
    explicit Program(platform::Machine& machine);
    ~Program();
    Program(const Program&) = delete;
    Program& operator=(const Program&) = delete;

    // The start-up checks and the splash display; false when the checks ended the run.
    bool start();
    // Runs the message loop until the program ends; returns the exit code.
    int run();
    // One message through access-key routing and dispatch (the loop's body).
    static void dispatch(MSG& message);

    shell::Application& application() { return application_; }
    // The real window of a model window; null until it is made.
    HWND handleOf(const ui::Window& window) const;
    WindowBinder* binderOf(const ui::Window& window) const;
    // The hidden window that hears the tray icon's mouse messages.
    HWND trayWindow() const { return trayWindow_.window(); }

private:
    void bind(ui::Window& window);

    platform::Machine& machine_;
    ShellNotify notify_;
    TrayWindow trayWindow_;
    std::mt19937 generator_;
    ButtonFactory buttons_;
    shell::Application application_;
    struct Bound {
        const ui::Window* model;
        std::unique_ptr<WindowBinder> binder;
    };
    std::vector<Bound> binders_;
};

}  // namespace win32
