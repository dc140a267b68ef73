#include "shell/main_window.h"
#include "store/text_value.h"

namespace shell {

namespace {

constexpr double kUninstallRefreshValue = 556;
constexpr double kStartupRefreshValue = 2;
constexpr int kScannerListLeft = 30;
constexpr int kCategoryListTop = 2055;
constexpr int kFindingsListTop = 3480;

}  // namespace

void MainWindow::showUninstallPage() {
    // A listing still walking (this page's or another's) stops at its next yield.
    supersedeWalks();
    selectionPicture.hide();
    pageHeading.setCaption(language.text(10));
    statusCaption.hide();
    statusBar.setPanel(2, language.text(110));
    findButton.show();
    searchBox.show();
    findTarget = FindTarget::Programs;
    clearRowAndValueNames();
    programList.show();
    startupPage.list.hide();
    categoryList.hide();
    findingsList.hide();
    scannerButtons.hide();
    startupPage.buttons.hide();
    uninstallButtons.show();
    selectedProgramLabel.show();
    statusCaption.setCaption("");
    if (listInstalledPrograms) listInstalledPrograms();
}

void MainWindow::showStartupPage() {
    supersedeWalks();
    startupPage.list.setSorted(false);
    pageHeading.setCaption(language.text(21));
    statusBar.setPanel(2, language.text(111));
    selectionPicture.hide();
    findTarget = FindTarget::StartupEntries;
    findButton.show();
    searchBox.show();
    clearRowAndValueNames();
    startupPage.list.move(programList.left(), programList.top());
    programList.hide();
    startupPage.list.show();
    categoryList.hide();
    findingsList.hide();
    scannerButtons.hide();
    statusCaption.setCaption("");
    startupPage.buttons.move(uninstallButtons.left(), uninstallButtons.top());
    startupPage.buttons.show();
    uninstallButtons.hide();
    selectedProgramLabel.setCaption("");
    selectedProgramLabel.hide();  // the uninstall page's own line stays with it
    if (listStartupEntries) listStartupEntries();
}

void MainWindow::showScannerPage() {
    supersedeWalks();
    pageHeading.setCaption(language.text(27));
    statusBar.setPanel(2, language.text(112));
    selectionPicture.hide();
    statusCaption.show();
    categoryList.move(kScannerListLeft, kCategoryListTop);
    findingsList.move(kScannerListLeft, kFindingsListTop);
    categoryList.show();
    findingsList.show();
    programList.hide();
    startupPage.list.hide();
    // Earlier findings go; the category ticks stay.
    findingsList.clear();
    findButton.hide();
    searchBox.hide();
    scannerButtons.move(uninstallButtons.left(), uninstallButtons.top());
    scannerButtons.show();
    uninstallButtons.hide();
    startupPage.buttons.hide();
    statusCaption.setCaption("");
    selectedProgramLabel.setCaption("");
    selectedProgramLabel.hide();
}

void MainWindow::clearRowAndValueNames() {
    selectedRow = 0;
    scanRowCount = 0;
    joinedValueNames.clear();
}

void MainWindow::signalUninstallRefresh(const std::string& text) {
    uninstallRefreshSignal_ = text;
    if (store::leadingNumber(text) == kUninstallRefreshValue) showUninstallPage();
}

void MainWindow::signalStartupRefresh(const std::string& text) {
    if (text == startupRefreshSignal_) return;
    startupRefreshSignal_ = text;
    if (store::leadingNumber(text) == kStartupRefreshValue) showStartupPage();
}

}  // namespace shell
