#include "shell/main_window.h"

namespace shell {

namespace {

constexpr int kFindingsHeightAfterSnap = 2400;
// A size correction raises the resize again; one width and one height
// correction are all a layout ever needs. Deeper, the window system is not
// giving us the size we ask for, and asking again would never end.
constexpr int kMostSizeCorrections = 2;

}  // namespace

void MainWindow::applyResizeRules() {
    if (window.state() == ui::WindowState::Minimized) {
        trayIcon.ToolTip(kProductTitle);
        trayIcon.Visible(true);
    }

    // The window system refuses to size a minimised or maximised window; the
    // correction then fails and the rest of the step still holds.
    const bool sizable = window.state() == ui::WindowState::Normal && sizeCorrections_ < kMostSizeCorrections;
    if (window.width() < kMinimumWidth) {
        if (sizable) {
            ++sizeCorrections_;
            window.resizeTo(kSnapWidth, window.height());
            --sizeCorrections_;
        }
        // The snapped width was laid out with its own findings height; only a refused snap keeps the fixed one.
        if (window.width() < kMinimumWidth) findingsList.setHeight(kFindingsHeightAfterSnap);
        return;
    }
    if (window.height() < kMinimumHeight) {
        if (sizable) {
            ++sizeCorrections_;
            window.resizeTo(window.width(), kMinimumHeight);
            --sizeCorrections_;
        }
        return;
    }
    layOut(window.width(), window.height());
}

// Each step reads the sizes the previous ones left; a step whose size would
// come out negative is refused by the control and leaves it as it was.
void MainWindow::layOut(int width, int height) {
    separatorRightEnds = {width - 300, width - 300};

    programList.setHeight(2400);
    programList.setWidth(width - 100);
    programList.setHeight(2400 + (height - 6000) - uninstallButtons.height());
    startupList.setHeight(3000);
    startupList.setWidth(width - 100);
    startupList.setHeight(3000 + (height - 6000) - uninstallButtons.height());

    bandBelowMenu.setWidth(width - 100);
    menuBar.setWidth(width - 100);
    programList.setLeft(1);
    startupList.setLeft(1);
    spareCaption.setLeft(width - spareCaption.width() - 300);
    findButton.setLeft(width - findButton.width() - 120);
    searchBox.setLeft(width - searchBox.width() - findButton.width() - 200);

    for (ui::Frame* frame : {&uninstallButtons, &startupButtons}) {
        frame->setTop(height - statusBar.height() - frame->height() - 600);
        frame->setWidth(width - 200);
    }
    selectedProgramLabel.setTop(programList.top() + programList.height() + 300);
    selectionPicture.setTop(programList.top() + programList.height() + 150);
    scannerButtons.setTop(height - statusBar.height() - scannerButtons.height() - 600);
    scannerButtons.setWidth(width - 200);

    categoryList.setWidth(width - 100);
    findingsList.setWidth(width - 100);
    findingsList.setHeight(height - categoryList.height() - scannerButtons.height() - statusBar.height() -
                           bandBelowMenu.height() - menuBar.height() - 600);
    statusCaption.setTop(scannerButtons.top() - 200);

    productPicture.setLeft(menuBar.left() + menuBar.width() - productPicture.width() - 100);
    emblemPicture.setLeft(menuBar.left() + menuBar.width() - emblemPicture.width() - 1500);
}

void MainWindow::DblClick() { window.setState(ui::WindowState::Maximized); }

}  // namespace shell
