#include "shell/application.h"

#include "shell/splash.h"

namespace shell {

Application::Application(platform::Machine& machine, controls::NotifyShell& notifyShell,
                         controls::TrayHost& trayHost, std::function<double()> random)
    : machine_(machine), notifyShell_(notifyShell), trayHost_(trayHost), random_(std::move(random)) {}

// The dialogs refer to the main window, so they go before it.
Application::~Application() {
    options_.reset();
    about_.reset();
    form1_.reset();
}

bool Application::start() {
    if (!runStartupChecks(machine_)) return false;
    frmabout& box = aboutBox();
    box.Load();
    box.Text1.setText(kSplashModeOn);
    box.Show();
    return true;
}

void Application::showAbout() { aboutBox().Show(); }

void Application::showOptions() { optionsDialog().Show(); }

Form1& Application::mainWindow() {
    if (!form1_) {
        // Made only once the checks have passed, so a refused start leaves no trace.
        form1_ = std::make_unique<Form1>(machine_, notifyShell_, trayHost_, random_);
        form1_->showAbout = [this] { showAbout(); };
        form1_->showOptions = [this] { showOptions(); };
        if (onWindowMade) onWindowMade(form1_->window);
    }
    return *form1_;
}

frmabout& Application::aboutBox() {
    if (!about_) {
        Form1& main = mainWindow();
        about_ = std::make_unique<frmabout>(machine_, main.window, [&main] {
            if (main.loaded()) return;
            main.Initialize();
            main.Load();
        });
        if (onWindowMade) onWindowMade(about_->window);
    }
    return *about_;
}

localisation::Form3& Application::optionsDialog() {
    if (!options_) {
        Form1& main = mainWindow();
        options_ = std::make_unique<localisation::Form3>(machine_, main.store, main.language);
        if (onWindowMade) onWindowMade(options_->window);
    }
    return *options_;
}

}  // namespace shell
