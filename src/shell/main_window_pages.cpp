#include "shell/main_window.h"

namespace shell {

namespace {

constexpr int kScannerListLeft = 30;
constexpr int kCategoryListTop = 2055;
constexpr int kFindingsListTop = 3480;

}  // namespace

void MainWindow::showUninstallPage() {
    // A listing still walking (this page's or another's) stops at its next yield.
    supersedeWalks();
    pageHeading.setCaption(language.text(10));
    statusCaption.hide();
    statusBar.setPanel(2, language.text(110));
    findButton.show();
    searchBox.show();
    findTarget = FindTarget::Programs;
    clearScanRowCount();
    uninstallPage->show();
    startupPage.list.hide();
    categoryList.hide();
    findingsList.hide();
    scannerButtons.hide();
    startupPage.buttons.hide();
    selectedProgramLabel.show();
    statusCaption.setCaption("");
    if (listInstalledPrograms) listInstalledPrograms();
}

void MainWindow::showStartupPage() {
    supersedeWalks();
    startupPage.list.setSorted(false);
    pageHeading.setCaption(language.text(21));
    statusBar.setPanel(2, language.text(111));
    findTarget = FindTarget::StartupEntries;
    findButton.show();
    searchBox.show();
    clearScanRowCount();
    const uninstall::UninstallPageParts& uninstallParts = uninstallPage->parts;
    startupPage.list.move(uninstallParts.programList.left(), uninstallParts.programList.top());
    uninstallPage->hide();
    startupPage.list.show();
    categoryList.hide();
    findingsList.hide();
    scannerButtons.hide();
    statusCaption.setCaption("");
    startupPage.buttons.move(uninstallParts.buttons.left(), uninstallParts.buttons.top());
    startupPage.buttons.show();
    selectedProgramLabel.setCaption("");
    selectedProgramLabel.hide();  // the uninstall page's own line stays with it
    if (listStartupEntries) listStartupEntries();
}

void MainWindow::showScannerPage() {
    supersedeWalks();
    pageHeading.setCaption(language.text(27));
    statusBar.setPanel(2, language.text(112));
    statusCaption.show();
    categoryList.move(kScannerListLeft, kCategoryListTop);
    findingsList.move(kScannerListLeft, kFindingsListTop);
    categoryList.show();
    findingsList.show();
    uninstallPage->hide();
    startupPage.list.hide();
    // Earlier findings go; the category ticks stay.
    findingsList.clear();
    findButton.hide();
    searchBox.hide();
    const ui::Frame& uninstallButtons = uninstallPage->parts.buttons;
    scannerButtons.move(uninstallButtons.left(), uninstallButtons.top());
    scannerButtons.show();
    startupPage.buttons.hide();
    statusCaption.setCaption("");
    selectedProgramLabel.setCaption("");
    selectedProgramLabel.hide();
}

}  // namespace shell
