#include "shell/main_window.h"

namespace shell {

void MainWindow::wireStartupTool() {
    startupTool = std::make_unique<startup::StartupPage>(
        startup::StartupPageParts{startupList,
                                  selectedProgramLabel,
                                  searchBox,
                                  {&addStartupButton, &editStartupButton, &deleteStartupButton, &disableStartupButton,
                                   &enableStartupButton},
                                  selectedStartupRow,
                                  [this] { return generation(); },
                                  [this] { showStartupPage(); }},
        startup::ChangeServices{machine, store, backups, language});
    startupTool->windowMade = [this](ui::Window& made) {
        if (windowMade) windowMade(made);
    };
    listStartupEntries = [this] { startupTool->list(); };
}

}  // namespace shell
