#include "shell/main_window_fixture.h"

using main_window_test::MainWindowTest;

TEST_F(MainWindowTest, Resize_NarrowWindowSnapsTo10600WideAndKeepsTheFindingsHeightOfItsLayout) {
    auto& f = *form;
    f.window.resizeTo(8000, 8000);
    EXPECT_EQ(f.window.width(), 10600);
    EXPECT_EQ(f.window.height(), 8000);
    // 8000 high less the category list, button row, status bar, band, menu bar and 600.
    EXPECT_EQ(f.findingsList.height(), 2570) << "not cut short to 2400 until the next resize";
    EXPECT_EQ(f.uninstallPage->parts.programList.width(), 10600 - 100) << "the snapped width is laid out";

    f.window.resizeTo(8714, 8000);
    EXPECT_EQ(f.window.width(), 10600);
    f.window.resizeTo(8715, 8000);
    EXPECT_EQ(f.window.width(), 8715) << "8715 is wide enough";
}

TEST_F(MainWindowTest, Resize_ShortWindowGrowsTo7455High) {
    auto& f = *form;
    f.window.resizeTo(11000, 7000);
    EXPECT_EQ(f.window.width(), 11000);
    EXPECT_EQ(f.window.height(), 7455);
    EXPECT_EQ(f.uninstallPage->parts.buttons.top(), 7455 - f.statusBar.height() - f.uninstallPage->parts.buttons.height() - 600);

    f.window.resizeTo(8000, 7000);
    EXPECT_EQ(f.window.width(), 10600);
    EXPECT_EQ(f.window.height(), 7455);
}

TEST_F(MainWindowTest, Resize_LaysOutEveryRegionFromTheWindowSize) {
    auto& f = *form;
    // Sizes the rules read but never set.
    const int statusBar = f.statusBar.height(), pageFrame = f.uninstallPage->parts.buttons.height(),
              frame1 = f.bandBelowMenu.height();
    const int categories = f.categoryList.height(), label2 = f.spareCaption.width(), find = f.findButton.width();
    const int search = f.searchBox.width(), image1 = f.productPicture.width(), image4 = f.emblemPicture.width();
    ASSERT_EQ(pageFrame, 765);
    ASSERT_EQ(categories, 1410);

    f.window.resizeTo(12000, 9000);

    EXPECT_EQ(f.separatorRightEnds[0], 11700);
    EXPECT_EQ(f.separatorRightEnds[1], 11700);
    EXPECT_EQ(f.uninstallPage->parts.programList.bounds(), (ui::Rect{1, 1920, 11900, 2400 + 3000 - 765}));
    EXPECT_EQ(f.startupPage.list.left(), 1);
    EXPECT_EQ(f.startupPage.list.width(), 11900);
    EXPECT_EQ(f.startupPage.list.height(), 3000 + 3000 - 765);
    EXPECT_EQ(f.bandBelowMenu.width(), 11900);
    EXPECT_EQ(f.menuBar.width(), 11900);
    EXPECT_EQ(f.spareCaption.left(), 12000 - label2 - 300);
    EXPECT_EQ(f.findButton.left(), 12000 - find - 120);
    EXPECT_EQ(f.searchBox.left(), 12000 - search - find - 200);
    for (const ui::Frame* frame : {&f.uninstallPage->parts.buttons, &f.startupPage.buttons, &f.scannerButtons}) {
        EXPECT_EQ(frame->top(), 9000 - statusBar - 765 - 600) << frame->name();
        EXPECT_EQ(frame->width(), 11800) << frame->name();
    }
    EXPECT_EQ(f.selectedProgramLabel.top(), 1920 + 4635 + 300);
    EXPECT_EQ(f.uninstallPage->parts.selectionPicture.top(), 1920 + 4635 + 150);
    EXPECT_EQ(f.categoryList.width(), 11900);
    EXPECT_EQ(f.categoryList.height(), 1410);
    EXPECT_EQ(f.findingsList.width(), 11900);
    EXPECT_EQ(f.findingsList.height(), 9000 - 1410 - 765 - statusBar - frame1 - f.menuBar.height() - 600);
    EXPECT_EQ(f.statusCaption.top(), f.scannerButtons.top() - 240) << "its line ends where the button row starts";
    EXPECT_EQ(f.productPicture.left(), f.menuBar.left() + 11900 - image1 - 100);
    EXPECT_EQ(f.emblemPicture.left(), f.menuBar.left() + 11900 - image4 - 1500);
    EXPECT_FALSE(f.trayIcon.Visible()) << "only minimising shows the tray icon";
}

TEST_F(MainWindowTest, Resize_AStepThatWouldGiveANegativeSizeLeavesTheControlAsItWas) {
    auto& f = *form;
    f.uninstallPage->parts.buttons.setHeight(5000);
    f.scannerButtons.setHeight(5000);
    f.window.resizeTo(10600, 7455);
    EXPECT_EQ(f.uninstallPage->parts.programList.height(), 2400) << "the final height would be negative";
    EXPECT_EQ(f.startupPage.list.height(), 3000);
    EXPECT_EQ(f.findingsList.height(), 2400) << "unchanged from design";
    EXPECT_EQ(f.uninstallPage->parts.programList.width(), 10500) << "the steps after still run";
    EXPECT_EQ(f.statusCaption.top(), f.scannerButtons.top() - 240) << "its line ends where the button row starts";
}

TEST_F(MainWindowTest, Resize_AWindowSystemThatKeepsTheWindowNarrowDoesNotLoopForever) {
    auto& f = *form;
    int sizeRequests = 0;
    f.window.observe([&](ui::Change change, int) {
        if (change != ui::Change::Geometry || f.window.width() == 8000) return;
        ++sizeRequests;
        f.window.resizeTo(8000, f.window.height());
    });
    f.window.resizeTo(8000, 8000);
    EXPECT_EQ(f.window.width(), 8000);
    EXPECT_EQ(f.findingsList.height(), 2400);
    EXPECT_GE(sizeRequests, 1);
    EXPECT_LE(sizeRequests, 8);
}

TEST_F(MainWindowTest, Tray_MinimisingShowsTheIconWithTheProductTipAndItStays) {
    auto& f = *form;
    f.window.setState(ui::WindowState::Minimized);
    EXPECT_TRUE(f.trayIcon.Visible());
    EXPECT_EQ(f.trayIcon.ToolTip(), "Vantrel 2003");
    ASSERT_EQ(notifyShell.count(controls::kNimAdd), 1);
    EXPECT_EQ(f.trayIcon.record().tipText(), "Vantrel 2003");

    f.window.setState(ui::WindowState::Normal);
    EXPECT_TRUE(f.trayIcon.Visible()) << "the icon stays after the window comes back";
    f.window.setState(ui::WindowState::Minimized);
    EXPECT_EQ(notifyShell.count(controls::kNimAdd), 1) << "one icon, however often minimised";
    EXPECT_EQ(notifyShell.count(controls::kNimDelete), 0);
}

TEST_F(MainWindowTest, Tray_DoubleClickMaximisesTheWindow) {
    auto& f = *form;
    f.window.setState(ui::WindowState::Minimized);
    f.trayIcon.MouseMove(515 * 15);  // the shell's WM_LBUTTONDBLCLK, carried in x
    EXPECT_EQ(f.window.state(), ui::WindowState::Maximized);
    EXPECT_TRUE(f.trayIcon.Visible());
}

TEST_F(MainWindowTest, Resize_AtEveryWidthTheButtonsHeadingPicturesAndColumnsFit) {
    auto& f = *form;
    for (int width : {8715, 9500, 10500, 14000}) {
        SCOPED_TRACE(width);
        f.window.resizeTo(width, 7455);
        for (const ui::Frame* frame : {&f.uninstallPage->parts.buttons, &f.startupPage.buttons, &f.scannerButtons})
            for (const ui::Button* button : {&f.uninstallPage->parts.uninstallButton, &f.startupPage.enableButton, &f.refreshScanButton})
                if (button->container() == frame) {
                    EXPECT_LE(button->left() + button->width(), frame->width()) << button->name() << " whole";
                }
        EXPECT_GE(f.uninstallPage->parts.checkBadEntriesButton.width(), 1200) << "still a button to click";
        EXPECT_LT(f.pageHeading.left() + f.pageHeading.width(), f.searchBox.left());
        const int menuRight = f.exitMenuButton.left() + f.exitMenuButton.width();
        for (const ui::Picture* picture : {&f.emblemPicture, &f.productPicture})
            if (picture->visible()) {
                EXPECT_GT(picture->left(), menuRight) << picture->name() << " beside the menu";
            }
        const auto& columns = f.categoryList.columns();
        EXPECT_LE(columns[0].width + columns[1].width, f.categoryList.width() - 255) << "no horizontal scroll bar";
        EXPECT_GT(columns[1].width, columns[0].width) << "the description keeps the wider share";
    }
    f.window.resizeTo(10500, 7545);
    EXPECT_EQ(f.uninstallPage->parts.checkBadEntriesButton.bounds(), (ui::Rect{120, 135, 1890, 495})) << "the design size keeps its buttons";
    EXPECT_TRUE(f.emblemPicture.visible());
    EXPECT_TRUE(f.productPicture.visible());
    f.window.resizeTo(8715, 7545);
    EXPECT_FALSE(f.productPicture.visible()) << "no room beside the Exit button";
}

TEST_F(MainWindowTest, Resize_ListsEndInsideTheWindowsFrame) {
    auto& f = *form;
    f.window.setFrameSize(120, 495);
    f.window.resizeTo(10500, 7545);
    for (const ui::ListView* list : {&f.uninstallPage->parts.programList, &f.startupPage.list, &f.categoryList, &f.findingsList})
        EXPECT_LE(list->left() + list->width(), 10500 - 120) << list->name();
    EXPECT_EQ(f.uninstallPage->parts.programList.width(), 10500 - 120 - 1);
}
