#include "shell/application.h"

#include "shell/main_window_fixture.h"

namespace {

class ApplicationTest : public ::testing::Test {
protected:
    ApplicationTest()
        : root(main_window_test::tempFolder()),
          pc(root, "C:\\Vantrel"),
          app(pc.machine(), notifyShell, host, [] { return 0.5; }) {
        std::filesystem::create_directories(root / "Vantrel" / "lang");
        std::filesystem::copy_file(std::filesystem::path(VANTREL_LANG) / "english.ini",
                                   root / "Vantrel" / "lang" / "english.ini");
        pc.desktop.clock = 50000.0;
    }
    ~ApplicationTest() override { std::filesystem::remove_all(root); }

    std::filesystem::path root;
    platform::SubstituteMachine pc;
    main_window_test::FakeNotifyShell notifyShell;
    main_window_test::FakeTrayHost host;
    shell::Application app;
};

}  // namespace

TEST_F(ApplicationTest, SecondCopyEndsTheProcessBeforeAnyWindowIsMade) {
    pc.desktop.otherInstance = true;
    EXPECT_FALSE(app.start());
    EXPECT_TRUE(pc.desktop.ended);
    EXPECT_EQ(app.mainWindow(), nullptr);
    EXPECT_EQ(app.aboutBox(), nullptr);
}

TEST_F(ApplicationTest, Start_SplashOverTheLoadedMainWindow_ThenAboutAndOptionsCommandsUseOneBoxEach) {
    ASSERT_TRUE(app.start());
    shell::MainWindow& main = *app.mainWindow();
    shell::AboutBox* box = app.aboutBox();
    EXPECT_TRUE(main.loaded());
    EXPECT_EQ(main.languageFileName, "english.ini");
    EXPECT_FALSE(main.window.visible());
    EXPECT_TRUE(box->window.visible());
    EXPECT_TRUE(box->splashMode);

    pc.desktop.clock = 50005.1;
    box->closeTimer.tick();
    ASSERT_TRUE(main.window.visible());

    main.aboutCommand();
    EXPECT_EQ(app.aboutBox(), box);
    EXPECT_TRUE(box->window.visible());
    EXPECT_FALSE(main.window.visible());
    box->window.click();
    EXPECT_TRUE(main.window.visible());

    main.optionsCommand();
    localisation::OptionsDialog* dialog = app.optionsDialog();
    ASSERT_NE(dialog, nullptr);
    EXPECT_TRUE(dialog->window.visible());
    EXPECT_FALSE(main.language.text(70).empty());
    EXPECT_EQ(dialog->window.title(), main.language.text(70));
    dialog->cancelButton.click();
    main.optionsCommand();
    EXPECT_EQ(app.optionsDialog(), dialog);
    EXPECT_TRUE(dialog->window.visible());
}

TEST_F(ApplicationTest, EachWindowIsAnnouncedOnceBeforeItLoads) {
    std::vector<std::string> made;
    bool mainLoadedWhenAnnounced = true;
    app.onWindowMade = [&](ui::Window& window) {
        made.push_back(window.name());
        if (window.name() == "MainWindow") mainLoadedWhenAnnounced = app.mainWindow()->loaded();
    };
    ASSERT_TRUE(app.start());
    EXPECT_FALSE(mainLoadedWhenAnnounced);
    app.showOptions();
    app.showOptions();
    app.showAbout();
    EXPECT_EQ(made, (std::vector<std::string>{"MainWindow", "AboutBox", "OptionsDialog"}));
}
