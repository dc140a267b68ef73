#include "shell/main_window_fixture.h"

using main_window_test::keyed;

namespace {

class MainWindowPagesTest : public main_window_test::MainWindowTest {
protected:
    MainWindowPagesTest() {
        form->listInstalledPrograms = [this] { ++uninstallListings; };
        form->listStartupEntries = [this] { ++startupListings; };
        form->findNext = [this] { ++finds; };
        loadWith("keyed.ini");
        uninstallListings = 0;
    }

    void expectVisible(std::initializer_list<const ui::Control*> controls, bool visible) {
        for (const ui::Control* control : controls) EXPECT_EQ(control->visible(), visible) << control->name();
    }

    int uninstallListings = 0;
    int startupListings = 0;
    int finds = 0;
};

}  // namespace

TEST_F(MainWindowPagesTest, UninstallPage_ShowsTheProgramListAndItsButtonsThenLists) {
    auto& f = *form;
    f.showScannerPage();
    f.uninstallPage->parts.selectionPicture.show();
    f.scanRowCount = 9;
    f.statusCaption.setCaption("12 found");
    f.listInstalledPrograms = [&] {
        ++uninstallListings;
        EXPECT_TRUE(f.uninstallPage->parts.programList.visible()) << "the switch is done before the listing";
        EXPECT_TRUE(f.uninstallPage->parts.buttons.visible());
    };

    f.showUninstallPage();

    EXPECT_EQ(uninstallListings, 1);
    EXPECT_EQ(f.pageHeading.caption(), keyed(10));
    EXPECT_EQ(f.statusBar.panel(2), keyed(110));
    EXPECT_EQ(f.findTarget, shell::FindTarget::Programs);
    EXPECT_EQ(f.scanRowCount, 0);
    EXPECT_EQ(f.statusCaption.caption(), "");
    expectVisible({&f.findButton, &f.searchBox, &f.uninstallPage->parts.programList, &f.uninstallPage->parts.buttons, &f.selectedProgramLabel}, true);
    expectVisible({&f.uninstallPage->parts.selectionPicture, &f.statusCaption, &f.startupPage.list, &f.categoryList, &f.findingsList,
                   &f.startupPage.buttons, &f.scannerButtons},
                  false);
}

TEST_F(MainWindowPagesTest, StartupPage_ShowsTheStartupListInTheProgramListsPlaceThenLists) {
    auto& f = *form;
    f.showScannerPage();
    f.uninstallPage->parts.programList.move(200, 2100);
    f.uninstallPage->parts.buttons.move(60, 5000);
    f.startupPage.list.setSorting(true, 1, ui::SortOrder::Descending);
    f.uninstallPage->parts.selectionPicture.show();
    f.selectedProgramLabel.setCaption("Some program");
    f.listStartupEntries = [&] {
        ++startupListings;
        EXPECT_TRUE(f.startupPage.list.visible()) << "the switch is done before the listing";
    };

    f.showStartupPage();

    EXPECT_EQ(startupListings, 1);
    EXPECT_EQ(uninstallListings, 0);
    EXPECT_FALSE(f.startupPage.list.sorted());
    EXPECT_EQ(f.pageHeading.caption(), keyed(21));
    EXPECT_EQ(f.statusBar.panel(2), keyed(111));
    EXPECT_EQ(f.findTarget, shell::FindTarget::StartupEntries);
    EXPECT_EQ(f.statusCaption.caption(), "");
    EXPECT_EQ(f.selectedProgramLabel.caption(), "");
    EXPECT_EQ(f.startupPage.list.left(), 200);
    EXPECT_EQ(f.startupPage.list.top(), 2100);
    EXPECT_EQ(f.startupPage.buttons.left(), 60);
    EXPECT_EQ(f.startupPage.buttons.top(), 5000);
    expectVisible({&f.findButton, &f.searchBox, &f.startupPage.list, &f.startupPage.buttons}, true);
    expectVisible({&f.uninstallPage->parts.selectionPicture, &f.selectedProgramLabel, &f.uninstallPage->parts.programList, &f.categoryList, &f.findingsList,
                   &f.uninstallPage->parts.buttons, &f.scannerButtons},
                  false);
}

TEST_F(MainWindowPagesTest, ScannerPage_ShowsBothScannerListsAndHidesTheSearch) {
    auto& f = *form;
    f.showStartupPage();
    f.uninstallPage->parts.buttons.move(60, 5000);
    f.uninstallPage->parts.selectionPicture.show();
    f.statusCaption.hide();
    f.statusCaption.setCaption("old result");
    f.selectedProgramLabel.setCaption("Some program");
    const int listingsBefore = startupListings;

    f.showScannerPage();

    EXPECT_EQ(startupListings, listingsBefore) << "nothing is scanned or listed";
    EXPECT_EQ(uninstallListings, 0);
    EXPECT_EQ(f.pageHeading.caption(), keyed(27));
    EXPECT_EQ(f.statusBar.panel(2), keyed(112));
    EXPECT_EQ(f.categoryList.left(), 30);
    EXPECT_EQ(f.categoryList.top(), 2055);
    EXPECT_EQ(f.findingsList.left(), 30);
    EXPECT_EQ(f.findingsList.top(), 3480);
    EXPECT_EQ(f.scannerButtons.left(), 60);
    EXPECT_EQ(f.scannerButtons.top(), 5000);
    EXPECT_EQ(f.statusCaption.caption(), "");
    EXPECT_EQ(f.selectedProgramLabel.caption(), "");
    expectVisible({&f.statusCaption, &f.categoryList, &f.findingsList, &f.scannerButtons}, true);
    expectVisible({&f.uninstallPage->parts.selectionPicture, &f.selectedProgramLabel, &f.uninstallPage->parts.programList, &f.startupPage.list, &f.findButton,
                   &f.searchBox, &f.uninstallPage->parts.buttons, &f.startupPage.buttons},
                  false);
}

TEST_F(MainWindowPagesTest, StartupThenScanner_LeavesOnlyTheScannerButtons) {
    auto& f = *form;
    f.startupMenuButton.click();
    EXPECT_TRUE(f.startupPage.buttons.visible());
    f.scannerMenuButton.click();
    expectVisible({&f.scannerButtons}, true);
    expectVisible({&f.uninstallPage->parts.buttons, &f.startupPage.buttons}, false);
    f.uninstallMenuButton.click();
    expectVisible({&f.uninstallPage->parts.buttons}, true);
    expectVisible({&f.startupPage.buttons, &f.scannerButtons}, false);
    EXPECT_EQ(uninstallListings, 1);
    EXPECT_EQ(startupListings, 1);
}

TEST_F(MainWindowPagesTest, ScannerPage_EmptiesTheFindingsButKeepsTheTicks) {
    auto& f = *form;
    f.categoryList.setChecked(0, true);
    f.categoryList.setChecked(6, true);
    f.findingsList.addRow("HKCR\\CLSID\\{gone}");
    f.findingsList.addRow("arial.ttf");

    f.showScannerPage();

    EXPECT_EQ(f.findingsList.rowCount(), 0u);
    ASSERT_EQ(f.categoryList.rowCount(), 7u);
    for (std::size_t row = 0; row < 7; ++row) EXPECT_EQ(f.categoryList.row(row).checked, row == 0 || row == 6) << row;
}

TEST_F(MainWindowPagesTest, EverySwitchAndTheEndStopAWalkInProgress) {
    auto& f = *form;
    const std::vector<std::pair<const char*, std::function<void()>>> movesOn = {
        {"uninstall page", [&] { f.showUninstallPage(); }},
        {"startup page", [&] { f.showStartupPage(); }},
        {"scanner page", [&] { f.showScannerPage(); }},
        {"exit", [&] { f.unload(); }},
        {"close", [&] { f.window.close(); }},
    };
    for (const auto& [what, moveOn] : movesOn) {
        const auto walk = f.generation();
        EXPECT_FALSE(f.superseded(walk));
        moveOn();
        EXPECT_TRUE(f.superseded(walk)) << what;
    }

    // A listing stopped by a second switch made during one of its yields.
    bool stoppedEarly = false;
    f.listInstalledPrograms = [&] {
        const auto walk = f.generation();
        pc.desktop.yield();
        stoppedEarly = f.superseded(walk);
    };
    pc.desktop.onYield = [&] {
        pc.desktop.onYield = nullptr;
        f.scannerMenuButton.click();
    };
    f.showUninstallPage();
    EXPECT_TRUE(stoppedEarly);
    EXPECT_TRUE(f.categoryList.visible()) << "the second switch wins";
}

TEST_F(MainWindowPagesTest, UninstallRebuild_ListsAfreshThroughThePageSwitchFromAnyPage) {
    auto& f = *form;
    f.uninstallPage->rebuild();
    EXPECT_EQ(uninstallListings, 1);
    f.scannerMenuButton.click();
    f.uninstallPage->rebuild();
    EXPECT_EQ(uninstallListings, 2);
    EXPECT_TRUE(f.uninstallPage->parts.programList.visible());
    EXPECT_FALSE(f.categoryList.visible());
}

TEST_F(MainWindowPagesTest, SearchBox_TypingRestartsFindAtRowOneAndEnterFinds) {
    auto& f = *form;
    f.findStartRow = 7;
    f.searchBox.setText("Acrobat");
    EXPECT_EQ(f.findStartRow, 1);

    f.findStartRow = 9;
    f.searchBox.keyPress('a');
    EXPECT_EQ(finds, 0);
    f.searchBox.keyPress('\r');
    EXPECT_EQ(finds, 1);
    EXPECT_EQ(f.findStartRow, 9) << "finding goes on from where it was";
    f.findButton.click();
    EXPECT_EQ(finds, 2);
}
