#pragma once
// The program's run: the start-up checks, the splash display, then the main
// window with its about box and options dialog, each made once, when first needed.
#include <functional>
#include <memory>

#include "backup/backups_dialog.h"
#include "controls/notification_icon.h"
#include "localisation/options_dialog.h"
#include "platform/machine.h"
#include "shell/main_window.h"
#include "shell/about_box.h"

namespace shell {

class Application {
public:
    // The tray's shell and host and the random source go to the main window's tray icon.
    Application(platform::Machine& machine, controls::NotifyShell& notifyShell, controls::TrayHost& trayHost,
                std::function<double()> random);
    ~Application();
    Application(const Application&) = delete;
    Application& operator=(const Application&) = delete;

    // Checks, then the about box as the splash display with the main window
    // loaded behind it. False when the checks ended the process.
    bool start();

    // The About and Options commands of the main window.
    void showAbout();
    void showOptions();

    // Runs once for each window as soon as its object exists, before it loads,
    // so a renderer can bind to it: the main window, the about box, the options and Backups dialogs.
    std::function<void(ui::Window&)> onWindowMade;

    // Null until first needed: the main window from start(), the others from their commands.
    MainWindow* mainWindow() { return mainWindow_.get(); }
    AboutBox* aboutBox() { return aboutBox_.get(); }
    localisation::OptionsDialog* optionsDialog() { return optionsDialog_.get(); }
    backup::BackupsDialog* backupsDialog() { return backupsDialog_.get(); }

private:
    MainWindow& makeMainWindow();
    AboutBox& makeAboutBox();
    localisation::OptionsDialog& makeOptionsDialog();
    backup::BackupsDialog& makeBackupsDialog();

    platform::Machine& machine_;
    controls::NotifyShell& notifyShell_;
    controls::TrayHost& trayHost_;
    std::function<double()> random_;
    std::unique_ptr<MainWindow> mainWindow_;
    std::unique_ptr<AboutBox> aboutBox_;
    std::unique_ptr<localisation::OptionsDialog> optionsDialog_;
    std::unique_ptr<backup::BackupsDialog> backupsDialog_;
};

}  // namespace shell
