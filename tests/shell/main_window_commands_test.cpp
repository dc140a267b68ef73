#include "shell/main_window_fixture.h"

using main_window_test::MainWindowTest;

namespace {

const char* const kTickNames[] = {"font", "dll", "app", "help", "icons", "file", "class"};

}  // namespace

TEST_F(MainWindowTest, Exit_HidesTheTrayIconSavesTheTicksAndEnds) {
    loadWith("keyed.ini");
    auto& f = *form;
    f.window.setState(ui::WindowState::Minimized);
    f.categoryList.setChecked(1, true);
    f.categoryList.setChecked(5, true);

    f.exitMenuButton.click();

    EXPECT_TRUE(pc.desktop.ended);
    for (std::size_t row = 0; row < 7; ++row)
        EXPECT_EQ(storedTick(kTickNames[row]), row == 1 || row == 5 ? "1" : "0") << kTickNames[row];
    EXPECT_FALSE(f.trayIcon.Visible()) << "no ghost icon stays behind the ended process";
    EXPECT_EQ(notifyShell.count(controls::kNimDelete), 1);
}

TEST_F(MainWindowTest, Close_HidesTheTrayIconSavesTheTicksAndEnds) {
    loadWith("keyed.ini");
    auto& f = *form;
    f.window.setState(ui::WindowState::Minimized);
    f.categoryList.setChecked(0, true);

    f.window.close();

    EXPECT_TRUE(pc.desktop.ended);
    EXPECT_FALSE(f.trayIcon.Visible());
    EXPECT_EQ(notifyShell.count(controls::kNimDelete), 1);
    EXPECT_EQ(storedTick("font"), "1");
    for (std::size_t row = 1; row < 7; ++row) EXPECT_EQ(storedTick(kTickNames[row]), "0") << kTickNames[row];
}

TEST_F(MainWindowTest, Help_StartsTheViewerWithTheHelpFileBesideTheProgramAndIgnoresFailure) {
    pc.processes.startOutcome = platform::kFileNotFound;
    form->helpMenuButton.click();
    ASSERT_EQ(pc.processes.starts.size(), 1u);
    EXPECT_EQ(pc.processes.starts[0].commandLine, "hh.exe C:\\Vantrel\\VantrelHelp.chm");
    EXPECT_EQ(pc.processes.starts[0].show, platform::ShowState::Normal);
    EXPECT_TRUE(pc.desktop.messages.empty());
    EXPECT_FALSE(pc.desktop.ended);
}

TEST_F(MainWindowTest, OptionsAboutAndTheWindowsOwnFocusRunTheirHooks) {
    int options = 0, about = 0;
    form->optionsMenuButton.click();
    form->aboutMenuButton.click();  // no hooks yet: nothing happens
    form->showOptions = [&] { ++options; };
    form->showAbout = [&] { ++about; };
    form->optionsMenuButton.click();
    EXPECT_EQ(options, 1);
    EXPECT_EQ(about, 0);
    form->aboutMenuButton.click();
    EXPECT_EQ(about, 1);
    form->window.gotFocus();
    EXPECT_EQ(about, 2) << "the about box takes the focus the window got";
    EXPECT_EQ(options, 1);
}

