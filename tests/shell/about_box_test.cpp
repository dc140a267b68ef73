#include "shell/about_box.h"

#include <gtest/gtest.h>

#include "platform/substitute_machine.h"
#include "product/version.h"
#include "store/text_value.h"

namespace {

// The about box over a bare main window whose loading is only counted.
class AboutBoxTest : public ::testing::Test {
protected:
    AboutBoxTest()
        : pc(std::filesystem::temp_directory_path() / "vantrel-unused", "C:\\Vantrel"),
          main("MainWindow", {0, 0, 9000, 6000}, "Vantrel 2003"),
          box(pc.machine(), main, [this] { ++mainLoads; }) {}

    void showAsSplash() {
        box.load();
        box.splashMode = true;
        box.show();
    }
    void showFromAboutCommand() {
        main.show();
        box.show();
    }
    void tickAt(double clock) {
        pc.desktop.clock = clock;
        box.closeTimer.tick();
    }
    bool closedToMainWindow() const { return !box.loaded() && !box.window.visible() && main.visible(); }
    double shownAt() const { return box.shownAt; }

    platform::SubstituteMachine pc;
    ui::Window main;
    int mainLoads = 0;
    shell::AboutBox box;
};

}  // namespace

TEST_F(AboutBoxTest, Load_LoadsAndHidesTheMainWindowAndSetsVersionsPositionAndClock) {
    pc.desktop.clock = 36000.25;
    box.load();
    EXPECT_EQ(mainLoads, 1);
    EXPECT_FALSE(main.visible());
    EXPECT_EQ(box.versionLabel.caption(), "1.0");
    EXPECT_EQ(box.buildLabel.caption(), "1.0.0");
    EXPECT_EQ(box.window.left(), (pc.desktop.screenWidth - box.window.width()) / 2);
    EXPECT_EQ(box.window.top(), (pc.desktop.screenHeight - box.window.height()) / 2 - 200);
    EXPECT_DOUBLE_EQ(shownAt(), 36000.25);
    EXPECT_TRUE(box.closeTimer.running());
    EXPECT_EQ(box.closeTimer.interval(), 1000);
}

TEST_F(AboutBoxTest, Timer_ClosesAfterMoreThanFiveSecondsAlsoAcrossMidnight) {
    pc.desktop.clock = 36000.0;
    showAsSplash();
    tickAt(36005.0);
    EXPECT_TRUE(box.window.visible());
    EXPECT_FALSE(main.visible());
    tickAt(36005.1);
    EXPECT_TRUE(closedToMainWindow());
    EXPECT_FALSE(box.closeTimer.running());

    pc.desktop.clock = 86398.0;  // 23:59:58
    showAsSplash();
    tickAt(2.5);  // 4.5 seconds later
    EXPECT_TRUE(box.window.visible());
    tickAt(3.5);
    EXPECT_TRUE(closedToMainWindow());
}

TEST_F(AboutBoxTest, BackgroundClick_BringsTheMainWindowBackInTheAboutRoleOnly) {
    showAsSplash();
    box.window.click();
    EXPECT_TRUE(box.window.visible());
    EXPECT_FALSE(main.visible());
    box.closeSpot.click();  // the close spot works in the splash role
    EXPECT_TRUE(closedToMainWindow());

    main.setEnabled(false);
    showFromAboutCommand();
    EXPECT_FALSE(main.visible());
    EXPECT_FALSE(box.splashMode) << "a reloaded box is in the About role";
    box.window.click();
    EXPECT_TRUE(closedToMainWindow());
    EXPECT_TRUE(main.enabled());

    showAsSplash();
    box.markPicture.click();
    EXPECT_TRUE(box.window.visible()) << "the picture is background too";
    box.closeSpot.click();
    showFromAboutCommand();
    box.markPicture.click();
    EXPECT_TRUE(closedToMainWindow());
}

TEST_F(AboutBoxTest, CloseSpot_ShowsTheMainWindowInTheAboutRole) {
    showFromAboutCommand();
    EXPECT_FALSE(main.visible());
    box.closeSpot.click();
    EXPECT_TRUE(closedToMainWindow());
}

TEST_F(AboutBoxTest, SecondShowWhileUpKeepsTheFirstLoadTime) {
    pc.desktop.clock = 100.0;
    showFromAboutCommand();
    pc.desktop.clock = 103.0;
    box.show();
    EXPECT_DOUBLE_EQ(shownAt(), 100.0);
    tickAt(105.5);
    EXPECT_TRUE(closedToMainWindow());
}

TEST_F(AboutBoxTest, Spots_HandTheAddressesToTheDefaultHandlerAndIgnoreFailures) {
    showFromAboutCommand();
    pc.processes.addressOutcome = platform::kFileNotFound;
    box.webSpot.click();
    box.mailSpot.click();
    ASSERT_EQ(pc.processes.addresses.size(), 2u);
    EXPECT_EQ(pc.processes.addresses[0], product::kProductWebAddress);
    EXPECT_EQ(pc.processes.addresses[1], std::string("mailto:") + product::kSupportMailAddress);
    EXPECT_TRUE(pc.desktop.messages.empty());
    EXPECT_TRUE(box.window.visible());
}
