#include "win32/program.h"

#include "win32/drawn_button_window.h"
#include "win32/short_date.h"

namespace win32 {
namespace {

// The main window resizes; the about box and the options dialog are fixed
// and stay above the main window.
WindowOptions optionsFor(const ui::Window& window, HWND mainWindow) {
    WindowOptions options;
    if (window.name() == "MainWindow") return options;
    options.owner = mainWindow;
    options.style = window.name() == "AboutBox" ? WS_POPUP | WS_BORDER : WS_POPUP | WS_CAPTION | WS_SYSMENU;
    return options;
}

}  // namespace

Program::Program(platform::Machine& machine)
    : machine_(machine),
      generator_(std::random_device{}()),
      buttons_(makeDrawnButtonFactory()),
      application_(machine, notify_, trayWindow_, [this] {
          return std::uniform_real_distribution<double>(0.0, 1.0)(generator_);
      }) {
    application_.onWindowMade = [this](ui::Window& window) { bind(window); };
}

// Windows go before the models they show.
Program::~Program() {
    trayWindow_.attach(nullptr);
    binders_.clear();
}

void Program::bind(ui::Window& window) {
    HWND main = application_.mainWindow() ? handleOf(application_.mainWindow()->window) : nullptr;
    binders_.push_back({&window, std::make_unique<WindowBinder>(window, buttons_, optionsFor(window, main))});
    if (window.name() == "MainWindow") {
        shell::MainWindow& form = *application_.mainWindow();
        trayWindow_.attach(&form.trayIcon);
        form.uninstallPage->shortDate = shortDate;
        form.trayIcon.Icon(reinterpret_cast<std::uintptr_t>(LoadIconA(GetModuleHandleA(nullptr), MAKEINTRESOURCEA(1))));
    }
}

bool Program::start() { return application_.start(); }

HWND Program::handleOf(const ui::Window& window) const {
    const WindowBinder* binder = binderOf(window);
    return binder ? binder->handle() : nullptr;
}

WindowBinder* Program::binderOf(const ui::Window& window) const {
    for (const auto& bound : binders_)
        if (bound.model == &window) return bound.binder.get();
    return nullptr;
}

void Program::dispatch(MSG& message) {
    // Alt+letter reaches the owner-drawn button whose caption marks that letter.
    if (message.message == WM_SYSCHAR) {
        HWND top = GetAncestor(message.hwnd, GA_ROOT);
        if (top && routeAccessKey(top, static_cast<char>(message.wParam))) return;
    }
    // Tab, the arrows, Enter and Escape as in any dialog, in each of our windows.
    if (message.hwnd && (message.message == WM_KEYDOWN || message.message == WM_CHAR ||
                         message.message == WM_SYSCHAR)) {
        HWND top = GetAncestor(message.hwnd, GA_ROOT);
        if (top && WindowBinder::isBoundWindow(top) && IsDialogMessageA(top, &message)) return;
    }
    TranslateMessage(&message);
    DispatchMessageA(&message);
}

int Program::run() {
    MSG message;
    while (GetMessageA(&message, nullptr, 0, 0) > 0) dispatch(message);
    return static_cast<int>(message.wParam);
}

}  // namespace win32
