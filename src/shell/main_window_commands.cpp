#include "scanner/scan_categories.h"
#include "shell/main_window.h"

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

// The icon goes first: a process that ends leaves no ghost icon in the tray.
void MainWindow::unload() {
    supersedeWalks();
    trayIcon.Visible(false);
    scanner::saveCategoryTicks(categoryList, store);
    machine.desktop.endProcess();
}

// The about box may be unable to take the focus; it is shown all the same.
void MainWindow::windowGotFocus() { aboutCommand(); }

}  // namespace shell
