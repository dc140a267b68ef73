#include "shell/application.h"

#include "shell/form1_fixture.h"

namespace {

class ApplicationTest : public ::testing::Test {
protected:
    ApplicationTest()
        : root(form1_test::tempFolder()),
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
    form1_test::FakeNotifyShell notifyShell;
    form1_test::FakeTrayHost host;
    shell::Application app;
};

}  // namespace

TEST_F(ApplicationTest, SecondCopyEndsTheProcessBeforeAnyWindowIsMade) {
    pc.desktop.otherInstance = true;
    EXPECT_FALSE(app.start());
    EXPECT_TRUE(pc.desktop.ended);
    EXPECT_EQ(app.form1(), nullptr);
    EXPECT_EQ(app.about(), nullptr);
}

TEST_F(ApplicationTest, Start_SplashOverTheLoadedMainWindow_ThenAboutAndOptionsCommandsUseOneBoxEach) {
    ASSERT_TRUE(app.start());
    shell::Form1& main = *app.form1();
    shell::frmabout* box = app.about();
    EXPECT_TRUE(main.loaded());
    EXPECT_EQ(main.Text16.text(), "english.ini");
    EXPECT_FALSE(main.window.visible());
    EXPECT_TRUE(box->window.visible());
    EXPECT_EQ(box->Text1.text(), "1");

    pc.desktop.clock = 50005.1;
    box->Timer2.tick();
    ASSERT_TRUE(main.window.visible());

    main.AboutCommand();
    EXPECT_EQ(app.about(), box);
    EXPECT_TRUE(box->window.visible());
    EXPECT_FALSE(main.window.visible());
    box->window.click();
    EXPECT_TRUE(main.window.visible());

    main.OptionsCommand();
    localisation::Form3* dialog = app.options();
    ASSERT_NE(dialog, nullptr);
    EXPECT_TRUE(dialog->window.visible());
    EXPECT_FALSE(main.language.LangText(70).empty());
    EXPECT_EQ(dialog->window.title(), main.language.LangText(70));
    dialog->drawnButton1.click();
    main.OptionsCommand();
    EXPECT_EQ(app.options(), dialog);
    EXPECT_TRUE(dialog->window.visible());
}

TEST_F(ApplicationTest, EachWindowIsAnnouncedOnceBeforeItLoads) {
    std::vector<std::string> made;
    bool mainLoadedWhenAnnounced = true;
    app.onWindowMade = [&](ui::Window& window) {
        made.push_back(window.name());
        if (window.name() == "Form1") mainLoadedWhenAnnounced = app.form1()->loaded();
    };
    ASSERT_TRUE(app.start());
    EXPECT_FALSE(mainLoadedWhenAnnounced);
    app.showOptions();
    app.showOptions();
    app.showAbout();
    EXPECT_EQ(made, (std::vector<std::string>{"Form1", "frmabout", "Form3"}));
}
