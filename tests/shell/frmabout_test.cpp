#include "shell/frmabout.h"

#include <gtest/gtest.h>

#include "platform/substitute_machine.h"
#include "product/version.h"
#include "store/text_value.h"

namespace {

// The about box over a bare main window whose loading is only counted.
class FrmaboutTest : public ::testing::Test {
protected:
    FrmaboutTest()
        : pc(std::filesystem::temp_directory_path() / "vantrel-unused", "C:\\Vantrel"),
          main("Form1", {0, 0, 9000, 6000}, "Vantrel 2003"),
          box(pc.machine(), main, [this] { ++mainLoads; }) {}

    void showAsSplash() {
        box.Load();
        box.Text1.setText("1");
        box.Show();
    }
    void showFromAboutCommand() {
        main.show();
        box.Show();
    }
    void tickAt(double clock) {
        pc.desktop.clock = clock;
        box.Timer2.tick();
    }
    bool closedToMainWindow() const { return !box.loaded() && !box.window.visible() && main.visible(); }
    double shownAt() const { return store::leadingNumber(box.Text2.text()); }

    platform::SubstituteMachine pc;
    ui::Window main;
    int mainLoads = 0;
    shell::frmabout box;
};

}  // namespace

TEST_F(FrmaboutTest, Load_LoadsAndHidesTheMainWindowAndSetsVersionsPositionAndClock) {
    pc.desktop.clock = 36000.25;
    box.Load();
    EXPECT_EQ(mainLoads, 1);
    EXPECT_FALSE(main.visible());
    EXPECT_EQ(box.Label8.caption(), "1.0");
    EXPECT_EQ(box.Label7.caption(), "1.0.0");
    EXPECT_EQ(box.window.left(), (pc.desktop.screenWidth - box.window.width()) / 2);
    EXPECT_EQ(box.window.top(), (pc.desktop.screenHeight - box.window.height()) / 2 - 200);
    EXPECT_DOUBLE_EQ(shownAt(), 36000.25);
    EXPECT_TRUE(box.Timer2.running());
    EXPECT_EQ(box.Timer2.interval(), 1000);
}

TEST_F(FrmaboutTest, Timer_ClosesAfterMoreThanFiveSecondsAlsoAcrossMidnight) {
    pc.desktop.clock = 36000.0;
    showAsSplash();
    tickAt(36005.0);
    EXPECT_TRUE(box.window.visible());
    EXPECT_FALSE(main.visible());
    tickAt(36005.1);
    EXPECT_TRUE(closedToMainWindow());
    EXPECT_FALSE(box.Timer2.running());

    pc.desktop.clock = 86398.0;  // 23:59:58
    showAsSplash();
    tickAt(2.5);  // 4.5 seconds later
    EXPECT_TRUE(box.window.visible());
    tickAt(3.5);
    EXPECT_TRUE(closedToMainWindow());
}

TEST_F(FrmaboutTest, BackgroundClick_BringsTheMainWindowBackInTheAboutRoleOnly) {
    showAsSplash();
    box.window.click();
    EXPECT_TRUE(box.window.visible());
    EXPECT_FALSE(main.visible());
    box.Label18.click();  // the close spot works in the splash role
    EXPECT_TRUE(closedToMainWindow());

    main.setEnabled(false);
    showFromAboutCommand();
    EXPECT_FALSE(main.visible());
    EXPECT_EQ(box.Text1.text(), "") << "a reloaded box is in the About role";
    box.window.click();
    EXPECT_TRUE(closedToMainWindow());
    EXPECT_TRUE(main.enabled());

    showAsSplash();
    box.Image1.click();
    EXPECT_TRUE(box.window.visible()) << "the picture is background too";
    box.Label18.click();
    showFromAboutCommand();
    box.Image1.click();
    EXPECT_TRUE(closedToMainWindow());
}

TEST_F(FrmaboutTest, CloseSpot_ShowsTheMainWindowInTheAboutRole) {
    showFromAboutCommand();
    EXPECT_FALSE(main.visible());
    box.Label18.click();
    EXPECT_TRUE(closedToMainWindow());
}

TEST_F(FrmaboutTest, SecondShowWhileUpKeepsTheFirstLoadTime) {
    pc.desktop.clock = 100.0;
    showFromAboutCommand();
    pc.desktop.clock = 103.0;
    box.Show();
    EXPECT_DOUBLE_EQ(shownAt(), 100.0);
    tickAt(105.5);
    EXPECT_TRUE(closedToMainWindow());
}

TEST_F(FrmaboutTest, Spots_HandTheAddressesToTheDefaultHandlerAndIgnoreFailures) {
    showFromAboutCommand();
    pc.processes.addressOutcome = platform::kFileNotFound;
    box.Label12.click();
    box.Label14.click();
    ASSERT_EQ(pc.processes.addresses.size(), 2u);
    EXPECT_EQ(pc.processes.addresses[0], product::kProductWebAddress);
    EXPECT_EQ(pc.processes.addresses[1], std::string("mailto:") + product::kSupportMailAddress);
    EXPECT_TRUE(pc.desktop.messages.empty());
    EXPECT_TRUE(box.window.visible());
}
