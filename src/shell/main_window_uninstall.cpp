#include "localisation/options_dialog.h"
#include "shell/main_window.h"
#include "uninstall/find.h"

namespace shell {

void MainWindow::makeUninstallPage() {
    uninstallPage = std::make_unique<uninstall::UninstallPage>(machine, backups, language);
    uninstall::UninstallPage& page = *uninstallPage;
    page.generation = [this] { return generation(); };
    page.showProgress = [this](const std::string& name) { statusCaption.setCaption(name); };
    page.showChosen = [this](const std::string& name) { selectedProgramLabel.setCaption(name); };
    page.rebuild = [this] { showUninstallPage(); };
    page.windowMade = [this](ui::Window& made) {
        if (windowMade) windowMade(made);
    };
    // The option counts from the next listing on.
    listInstalledPrograms = [this, &page] {
        page.settings.showSystem = localisation::showSystemComponents(store);
        page.list();
    };
    findNext = [this] { findInShownList(); };
}

// One Find for both list pages: the page on show says which list it searches.
void MainWindow::findInShownList() {
    const bool startup = findTarget == FindTarget::StartupEntries;
    uninstall::findNext(
        {startup ? startupPage.list : uninstallPage->parts.programList, startup, searchBox.text(), findStartRow},
        machine.desktop, language);
}

}  // namespace shell
