#include "shell/application.h"

#include "shell/startup_checks.h"

namespace shell {

Application::Application(platform::Machine& machine, controls::NotifyShell& notifyShell,
                         controls::TrayHost& trayHost, std::function<double()> random)
    : machine_(machine), notifyShell_(notifyShell), trayHost_(trayHost), random_(std::move(random)) {}

// The dialogs refer to the main window, so they go before it.
Application::~Application() {
    backupsDialog_.reset();
    optionsDialog_.reset();
    aboutBox_.reset();
    mainWindow_.reset();
}

bool Application::start() {
    if (!runStartupChecks(machine_)) return false;
    AboutBox& box = makeAboutBox();
    box.load();
    box.splashMode = true;
    box.show();
    return true;
}

void Application::showAbout() { makeAboutBox().show(); }

void Application::showOptions() { makeOptionsDialog().show(); }

MainWindow& Application::makeMainWindow() {
    if (!mainWindow_) {
        // Made only once the checks have passed, so a refused start leaves no trace.
        mainWindow_ = std::make_unique<MainWindow>(machine_, notifyShell_, trayHost_, random_);
        mainWindow_->showAbout = [this] { showAbout(); };
        mainWindow_->showOptions = [this] { showOptions(); };
        mainWindow_->windowMade = [this](ui::Window& window) {
            if (onWindowMade) onWindowMade(window);
        };
        if (onWindowMade) onWindowMade(mainWindow_->window);
    }
    return *mainWindow_;
}

AboutBox& Application::makeAboutBox() {
    if (!aboutBox_) {
        MainWindow& main = makeMainWindow();
        aboutBox_ = std::make_unique<AboutBox>(machine_, main.window, [&main] {
            if (main.loaded()) return;
            main.initialize();
            main.load();
        });
        if (onWindowMade) onWindowMade(aboutBox_->window);
    }
    return *aboutBox_;
}

localisation::OptionsDialog& Application::makeOptionsDialog() {
    if (!optionsDialog_) {
        MainWindow& main = makeMainWindow();
        optionsDialog_ = std::make_unique<localisation::OptionsDialog>(machine_, main.store, main.language);
        optionsDialog_->showBackups = [this] { makeBackupsDialog().show(); };
        if (onWindowMade) onWindowMade(optionsDialog_->window);
    }
    return *optionsDialog_;
}

backup::BackupsDialog& Application::makeBackupsDialog() {
    if (!backupsDialog_) {
        MainWindow& main = makeMainWindow();
        backupsDialog_ = std::make_unique<backup::BackupsDialog>(machine_, main.backups, main.language);
        if (onWindowMade) onWindowMade(backupsDialog_->window);
    }
    return *backupsDialog_;
}

}  // namespace shell
