#include <algorithm>

#include "shell/main_window.h"

namespace shell {

namespace {

constexpr int kFindingsHeightAfterSnap = 2400;
constexpr int kPageButtonLeft = 120;
constexpr int kPageButtonGap = 120;
constexpr int kPageButtonPitch = 2010;
constexpr int kHeadingGap = 120;
constexpr int kPictureGap = 60;
// Room the category list keeps for its vertical scroll bar when its columns fit its width.
constexpr int kScrollBarAllowance = 420;
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

namespace {

// A narrow window shrinks the page buttons instead of cutting the last one off.
void spreadPageButtons(ui::Frame& frame, const std::vector<ui::Control*>& controls) {
    int count = 0;
    for (const ui::Control* c : controls)
        if (c->container() == &frame) ++count;
    if (count == 0) return;
    const int room = frame.width() - 2 * kPageButtonLeft + kPageButtonGap;
    const int pitch = std::min(kPageButtonPitch, room / count);
    int slot = 0;
    for (ui::Control* c : controls) {
        if (c->container() != &frame) continue;
        c->setBounds({kPageButtonLeft + slot * pitch, c->top(), pitch - kPageButtonGap, c->height()});
        ++slot;
    }
}

}  // namespace

// Each step reads the sizes the previous ones left; a step whose size would
// come out negative is refused by the control and leaves it as it was.
void MainWindow::layOut(int width, int height) {
    separatorRightEnds = {width - 300, width - 300};
    ui::ListView& programList = uninstallPage->parts.programList;
    ui::Frame& uninstallButtons = uninstallPage->parts.buttons;

    // The lists keep their right border inside the window's frame.
    const int inside = window.clientWidth();
    const auto listWidth = [&](int left) { return std::min(width - 100, inside - left); };
    programList.setHeight(2400);
    programList.setWidth(listWidth(1));
    programList.setHeight(2400 + (height - 6000) - uninstallButtons.height());
    startupPage.list.setHeight(3000);
    startupPage.list.setWidth(listWidth(1));
    startupPage.list.setHeight(3000 + (height - 6000) - uninstallButtons.height());

    bandBelowMenu.setWidth(width - 100);
    menuBar.setWidth(width - 100);
    programList.setLeft(1);
    startupPage.list.setLeft(1);
    spareCaption.setLeft(width - spareCaption.width() - 300);
    findButton.setLeft(width - findButton.width() - 120);
    searchBox.setLeft(width - searchBox.width() - findButton.width() - 200);

    pageHeading.setWidth(std::min(kPageHeadingWidth, searchBox.left() - pageHeading.left() - kHeadingGap));
    for (ui::Frame* frame : {&uninstallButtons, &startupPage.buttons}) {
        frame->setTop(height - statusBar.height() - frame->height() - 600);
        frame->setWidth(width - 200);
    }
    selectedProgramLabel.setTop(programList.top() + programList.height() + 300);
    uninstallPage->parts.selectionPicture.setTop(programList.top() + programList.height() + 150);
    scannerButtons.setTop(height - statusBar.height() - scannerButtons.height() - 600);
    scannerButtons.setWidth(width - 200);
    for (ui::Frame* frame : {&uninstallButtons, &startupPage.buttons, &scannerButtons})
        spreadPageButtons(*frame, window.controls());

    categoryList.setWidth(listWidth(categoryList.left()));
    findingsList.setWidth(listWidth(findingsList.left()));
    fitCategoryColumns();
    findingsList.setHeight(height - categoryList.height() - scannerButtons.height() - statusBar.height() -
                           bandBelowMenu.height() - menuBar.height() - 600);
    // Ends where the button row starts, so the two never overlap.
    statusCaption.setTop(scannerButtons.top() - statusCaption.height());

    productPicture.setLeft(menuBar.left() + menuBar.width() - productPicture.width() - 100);
    emblemPicture.setLeft(menuBar.left() + menuBar.width() - emblemPicture.width() - 1500);
    // The pictures only decorate: where the window is too narrow they give way to the menu buttons.
    const int menuRight = exitMenuButton.left() + exitMenuButton.width() + kPictureGap;
    emblemPicture.setVisible(emblemPicture.left() >= menuRight);
    productPicture.setVisible(productPicture.left() >= menuRight);
    for (ui::Line* line : {&menuSeparator, &headerSeparator}) line->setWidth(separatorRightEnds[0] - line->left());
}

// The columns share the list's width in their design proportion: no horizontal scroll bar.
void MainWindow::fitCategoryColumns() {
    const int room = categoryList.width() - kScrollBarAllowance;
    if (room <= 0) return;
    const int first = room * kCategoryFirstColumn / (kCategoryFirstColumn + kCategorySecondColumn);
    categoryList.setColumnWidth(0, first);
    categoryList.setColumnWidth(1, room - first);
}

void MainWindow::DblClick() { window.setState(ui::WindowState::Maximized); }

}  // namespace shell
