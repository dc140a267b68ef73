#pragma once
// The program's run: the start-up checks, the splash display, then the main
// window with its about box and options dialog, each made once, when first needed.
#include <functional>
#include <memory>

#include "controls/tray_area.h"
#include "localisation/form3.h"
#include "platform/machine.h"
#include "shell/form1.h"
#include "shell/frmabout.h"

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
    // so a renderer can bind to it: the main window, the about box, the options dialog.
    std::function<void(ui::Window&)> onWindowMade;

    // Null until first needed: the main window from start(), the others from their commands.
    Form1* form1() { return form1_.get(); }
    frmabout* about() { return about_.get(); }
    localisation::Form3* options() { return options_.get(); }

private:
    Form1& mainWindow();
    frmabout& aboutBox();
    localisation::Form3& optionsDialog();

    platform::Machine& machine_;
    controls::NotifyShell& notifyShell_;
    controls::TrayHost& trayHost_;
    std::function<double()> random_;
    std::unique_ptr<Form1> form1_;
    std::unique_ptr<frmabout> about_;
    std::unique_ptr<localisation::Form3> options_;
};

}  // namespace shell
