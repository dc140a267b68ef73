#include "shell/main_window.h"

namespace shell {

// Made while the window's members are made, so the page's controls are in place for the layout.
startup::StartupPageHost MainWindow::startupPageHost() {
    return {selectedProgramLabel, searchBox, [this] { return generation(); }, [this] { showStartupPage(); }};
}

void MainWindow::wireStartupPage() {
    startupPage.windowMade = [this](ui::Window& made) {
        if (windowMade) windowMade(made);
    };
    listStartupEntries = [this] { startupPage.listEntries(); };
}

}  // namespace shell
