#include "shell/form1_fixture.h"

using form1_test::keyed;

namespace {

class Form1PagesTest : public form1_test::Form1Test {
protected:
    Form1PagesTest() {
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

TEST_F(Form1PagesTest, UninstallPage_ShowsTheProgramListAndItsButtonsThenLists) {
    auto& f = *form;
    f.ShowScannerPage();
    f.Image2.show();
    f.Text1.setText("4");
    f.Label1.setCaption("12 found");
    f.listInstalledPrograms = [&] {
        ++uninstallListings;
        EXPECT_TRUE(f.View1.visible()) << "the switch is done before the listing";
        EXPECT_TRUE(f.Frame5.visible());
    };

    f.ShowUninstallPage();

    EXPECT_EQ(uninstallListings, 1);
    EXPECT_EQ(f.Label3.caption(), keyed(10));
    EXPECT_EQ(f.StatusBar1.panel(2), keyed(110));
    EXPECT_EQ(f.Text15.text(), "1");
    EXPECT_EQ(f.Text1.text(), "");
    EXPECT_EQ(f.Label1.caption(), "");
    expectVisible({&f.cButton5, &f.Text2, &f.View1, &f.Frame5}, true);
    expectVisible({&f.Image2, &f.Label1, &f.View2, &f.Viewn1, &f.Viewn2, &f.Frame6, &f.Frame7}, false);
}

TEST_F(Form1PagesTest, StartupPage_ShowsTheStartupListInTheProgramListsPlaceThenLists) {
    auto& f = *form;
    f.ShowScannerPage();
    f.View1.move(200, 2100);
    f.Frame5.move(60, 5000);
    f.View2.setSorting(true, 1, ui::SortOrder::Descending);
    f.Image2.show();
    f.Text1.setText("3");
    f.Label4.setCaption("Some program");
    f.listStartupEntries = [&] {
        ++startupListings;
        EXPECT_TRUE(f.View2.visible()) << "the switch is done before the listing";
    };

    f.ShowStartupPage();

    EXPECT_EQ(startupListings, 1);
    EXPECT_EQ(uninstallListings, 0);
    EXPECT_FALSE(f.View2.sorted());
    EXPECT_EQ(f.Label3.caption(), keyed(21));
    EXPECT_EQ(f.StatusBar1.panel(2), keyed(111));
    EXPECT_EQ(f.Text15.text(), "2");
    EXPECT_EQ(f.Text1.text(), "");
    EXPECT_EQ(f.Label1.caption(), "");
    EXPECT_EQ(f.Label4.caption(), "");
    EXPECT_EQ(f.View2.left(), 200);
    EXPECT_EQ(f.View2.top(), 2100);
    EXPECT_EQ(f.Frame6.left(), 60);
    EXPECT_EQ(f.Frame6.top(), 5000);
    expectVisible({&f.cButton5, &f.Text2, &f.View2, &f.Frame6}, true);
    expectVisible({&f.Image2, &f.View1, &f.Viewn1, &f.Viewn2, &f.Frame5, &f.Frame7}, false);
}

TEST_F(Form1PagesTest, ScannerPage_ShowsBothScannerListsAndHidesTheSearch) {
    auto& f = *form;
    f.ShowStartupPage();
    f.Frame5.move(60, 5000);
    f.Image2.show();
    f.Label1.hide();
    f.Label1.setCaption("old result");
    f.Label4.setCaption("Some program");
    const int listingsBefore = startupListings;

    f.ShowScannerPage();

    EXPECT_EQ(startupListings, listingsBefore) << "nothing is scanned or listed";
    EXPECT_EQ(uninstallListings, 0);
    EXPECT_EQ(f.Label3.caption(), keyed(27));
    EXPECT_EQ(f.StatusBar1.panel(2), keyed(112));
    EXPECT_EQ(f.Viewn1.left(), 30);
    EXPECT_EQ(f.Viewn1.top(), 2055);
    EXPECT_EQ(f.Viewn2.left(), 30);
    EXPECT_EQ(f.Viewn2.top(), 3480);
    EXPECT_EQ(f.Frame7.left(), 60);
    EXPECT_EQ(f.Frame7.top(), 5000);
    EXPECT_EQ(f.Label1.caption(), "");
    EXPECT_EQ(f.Label4.caption(), "");
    expectVisible({&f.Label1, &f.Viewn1, &f.Viewn2, &f.Frame7}, true);
    expectVisible({&f.Image2, &f.View1, &f.View2, &f.cButton5, &f.Text2, &f.Frame5, &f.Frame6}, false);
}

TEST_F(Form1PagesTest, StartupThenScanner_LeavesOnlyTheScannerButtons) {
    auto& f = *form;
    f.drawnButton7.click();
    EXPECT_TRUE(f.Frame6.visible());
    f.drawnButton8.click();
    expectVisible({&f.Frame7}, true);
    expectVisible({&f.Frame5, &f.Frame6}, false);
    f.drawnButton4.click();
    expectVisible({&f.Frame5}, true);
    expectVisible({&f.Frame6, &f.Frame7}, false);
    EXPECT_EQ(uninstallListings, 1);
    EXPECT_EQ(startupListings, 1);
}

TEST_F(Form1PagesTest, ScannerPage_EmptiesTheFindingsButKeepsTheTicks) {
    auto& f = *form;
    f.Viewn1.setChecked(0, true);
    f.Viewn1.setChecked(6, true);
    f.Viewn2.addRow("HKCR\\CLSID\\{gone}");
    f.Viewn2.addRow("arial.ttf");

    f.ShowScannerPage();

    EXPECT_EQ(f.Viewn2.rowCount(), 0u);
    ASSERT_EQ(f.Viewn1.rowCount(), 7u);
    for (std::size_t row = 0; row < 7; ++row) EXPECT_EQ(f.Viewn1.row(row).checked, row == 0 || row == 6) << row;
}

TEST_F(Form1PagesTest, EverySwitchAndTheEndStopAWalkInProgress) {
    auto& f = *form;
    const std::vector<std::pair<const char*, std::function<void()>>> movesOn = {
        {"uninstall page", [&] { f.ShowUninstallPage(); }}, {"startup page", [&] { f.ShowStartupPage(); }},
        {"scanner page", [&] { f.ShowScannerPage(); }},     {"exit", [&] { f.ExitCommand(); }},
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
        f.drawnButton8.click();
    };
    f.ShowUninstallPage();
    EXPECT_TRUE(stoppedEarly);
    EXPECT_TRUE(f.Viewn1.visible()) << "the second switch wins";
}

TEST_F(Form1PagesTest, UninstallSignal_EveryAssignmentOf556Rebuilds) {
    auto& f = *form;
    f.signalUninstallRefresh("556");
    EXPECT_EQ(uninstallListings, 1);
    f.signalUninstallRefresh("556");
    EXPECT_EQ(uninstallListings, 2) << "a second removal rebuilds again";
    EXPECT_EQ(f.Text3.text(), "556");

    for (const char* other : {"557", "", "0", "abc", "55", "557"}) f.signalUninstallRefresh(other);
    EXPECT_EQ(uninstallListings, 2);
    f.Text3.setText("556 ");
    EXPECT_EQ(uninstallListings, 3) << "the numeric value counts";
    f.Text3.setText("12");
    EXPECT_EQ(uninstallListings, 3);
    f.drawnButton8.click();
    f.Text3.setText("556");
    EXPECT_EQ(uninstallListings, 4);
    EXPECT_TRUE(f.View1.visible());
}

TEST_F(Form1PagesTest, StartupSignal_TwoRebuildsTheStartupListAndTheEmptyTextDoesNot) {
    auto& f = *form;
    f.Text7.setText("");
    EXPECT_EQ(startupListings, 0);
    f.Text7.setText("2");
    EXPECT_EQ(startupListings, 1);
    f.Text7.setText("");
    EXPECT_EQ(startupListings, 1);
    f.Text7.setText("2");
    EXPECT_EQ(startupListings, 2);
    f.Text7.setText("3");
    f.Text7.setText("20");
    EXPECT_EQ(startupListings, 2);
    EXPECT_TRUE(f.View2.visible());
}

TEST_F(Form1PagesTest, SearchBox_TypingRestartsFindAtRowOneAndEnterFinds) {
    auto& f = *form;
    f.Text14.setText("7");
    f.Text2.setText("Acrobat");
    EXPECT_EQ(f.Text14.text(), "1");

    f.Text14.setText("9");
    f.Text2.keyPress('a');
    EXPECT_EQ(finds, 0);
    f.Text2.keyPress('\r');
    EXPECT_EQ(finds, 1);
    EXPECT_EQ(f.Text14.text(), "9") << "finding goes on from where it was";
    f.cButton5.click();
    EXPECT_EQ(finds, 2);
}
