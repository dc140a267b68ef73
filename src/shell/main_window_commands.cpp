#include "scanner/scan_categories.h"
#include "shell/main_window.h"
#include "store/text_value.h"

namespace shell {

namespace {

constexpr const char* kHelpViewer = "hh.exe ";
constexpr const char* kHelpFile = "\\VantrelHelp.chm";

}  // namespace

void MainWindow::optionsCommand() {
    if (showOptions) showOptions();
}

// A missing viewer or help file is not worth a message.
void MainWindow::helpCommand() {
    machine.processes.start(kHelpViewer + machine.files.programFolder() + kHelpFile, platform::ShowState::Normal);
}

void MainWindow::aboutCommand() {
    if (showAbout) showAbout();
}

// The icon goes first, as on closing: a process that ends leaves no ghost icon in the tray.
void MainWindow::exitCommand() {
    supersedeWalks();
    trayIcon.Visible(false);
    scanner::saveCategoryTicks(scannerPage->categoryList, store);
    machine.desktop.endProcess();
}

void MainWindow::unload() {
    supersedeWalks();
    trayIcon.Visible(false);
    scanner::saveCategoryTicks(scannerPage->categoryList, store);
    machine.desktop.endProcess();
}

// The about box may be unable to take the focus; it is shown all the same.
void MainWindow::windowGotFocus() { aboutCommand(); }

// The renderer repaints the caption as soon as it changes.
void MainWindow::showName(const std::string& name) { statusCaption.setCaption(name); }

bool MainWindow::stopRequested() const { return store::leadingNumber(searchBox.text()) == 2; }

}  // namespace shell
