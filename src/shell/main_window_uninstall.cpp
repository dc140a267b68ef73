#include "shell/main_window.h"
#include "uninstall/find.h"

namespace shell {

void MainWindow::wireUninstallTool() {
    uninstall::UninstallPage page{programList,
                                  selectedProgramLabel,
                                  selectionPicture,
                                  {&checkBadEntriesButton, &refreshProgramsButton, &programInfoButton,
                                   &removeEntryButton, &uninstallButton},
                                  selectedRow,
                                  uninstallKeyMode,
                                  badEntryCount,
                                  [this] { return generation(); }};
    uninstallTool = std::make_unique<uninstall::UninstallTool>(std::move(page), machine, store, backups, language, *this);
    uninstall::UninstallTool& tool = *uninstallTool;
    tool.rebuild = [this] { signalUninstallRefresh("556"); };
    tool.windowMade = [this](ui::Window& made) {
        if (windowMade) windowMade(made);
    };
    listInstalledPrograms = [&tool] { tool.programs.list(); };
    programList.onRowClick = [&tool](std::size_t row) { tool.programs.rowClicked(row); };
    programList.onColumnClick = [&tool](std::size_t column) { tool.programs.columnClicked(column); };
    refreshProgramsButton.onClick = [this] { showUninstallPage(); };
    uninstallButton.onClick = [&tool] { tool.uninstallSelected(); };
    removeEntryButton.onClick = [&tool] { tool.removeSelected(); };
    checkBadEntriesButton.onClick = [&tool] { tool.checkBadEntries(); };
    programInfoButton.onClick = [&tool] { tool.showProgramInfo(); };
    findNext = [this] { findInShownList(); };
}

// One Find for both list pages: the page on show says which list it searches.
void MainWindow::findInShownList() {
    const bool startup = findTarget == FindTarget::StartupEntries;
    uninstall::findNext({startup ? startupPage.list : programList, startup, searchBox.text(), findStartRow},
                        machine.desktop, language);
}

}  // namespace shell
