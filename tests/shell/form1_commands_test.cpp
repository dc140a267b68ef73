#include "shell/form1_fixture.h"

using form1_test::Form1Test;

namespace {

const char* const kTickNames[] = {"font", "dll", "app", "help", "icons", "file", "class"};

}  // namespace

TEST_F(Form1Test, Exit_SavesTheTicksAndEndsWithoutHidingTheTrayIcon) {
    loadWith("keyed.ini");
    auto& f = *form;
    f.window.setState(ui::WindowState::Minimized);
    f.Viewn1.setChecked(1, true);
    f.Viewn1.setChecked(5, true);

    f.drawnButton12.click();

    EXPECT_TRUE(pc.desktop.ended);
    for (std::size_t row = 0; row < 7; ++row)
        EXPECT_EQ(storedTick(kTickNames[row]), row == 1 || row == 5 ? "1" : "0") << kTickNames[row];
    EXPECT_TRUE(f.TrayArea1.Visible());
    EXPECT_EQ(notifyShell.count(controls::kNimDelete), 0);
}

TEST_F(Form1Test, Close_HidesTheTrayIconSavesTheTicksAndEnds) {
    loadWith("keyed.ini");
    auto& f = *form;
    f.window.setState(ui::WindowState::Minimized);
    f.Viewn1.setChecked(0, true);

    f.window.close();

    EXPECT_TRUE(pc.desktop.ended);
    EXPECT_FALSE(f.TrayArea1.Visible());
    EXPECT_EQ(notifyShell.count(controls::kNimDelete), 1);
    EXPECT_EQ(storedTick("font"), "1");
    for (std::size_t row = 1; row < 7; ++row) EXPECT_EQ(storedTick(kTickNames[row]), "0") << kTickNames[row];
}

TEST_F(Form1Test, Help_StartsTheViewerWithTheHelpFileBesideTheProgramAndIgnoresFailure) {
    pc.processes.startOutcome = platform::kFileNotFound;
    form->drawnButton10.click();
    ASSERT_EQ(pc.processes.starts.size(), 1u);
    EXPECT_EQ(pc.processes.starts[0].commandLine, "hh.exe C:\\Vantrel\\VantrelHelp.chm");
    EXPECT_EQ(pc.processes.starts[0].show, platform::ShowState::Normal);
    EXPECT_TRUE(pc.desktop.messages.empty());
    EXPECT_FALSE(pc.desktop.ended);
}

TEST_F(Form1Test, OptionsAboutAndTheWindowsOwnFocusRunTheirHooks) {
    int options = 0, about = 0;
    form->drawnButton9.click();
    form->drawnButton11.click();  // no hooks yet: nothing happens
    form->showOptions = [&] { ++options; };
    form->showAbout = [&] { ++about; };
    form->drawnButton9.click();
    EXPECT_EQ(options, 1);
    EXPECT_EQ(about, 0);
    form->drawnButton11.click();
    EXPECT_EQ(about, 1);
    form->window.gotFocus();
    EXPECT_EQ(about, 2) << "the about box takes the focus the window got";
    EXPECT_EQ(options, 1);
}

TEST_F(Form1Test, EnumOutputs_ReportIntoListsOneFourAndFiveAndTheStatusCaption) {
    auto& f = *form;
    store::EnumOutputs& out = f;
    out.addToList(store::WorkingList::List1, "a");
    out.addToList(store::WorkingList::List4, "b");
    out.addToList(store::WorkingList::List5, "c");
    out.addToList(store::WorkingList::List5, "");
    EXPECT_EQ(f.List(1), std::vector<std::string>{"a"});
    EXPECT_EQ(f.List(4), std::vector<std::string>{"b"});
    EXPECT_EQ(f.List(5), (std::vector<std::string>{"c", ""}));
    EXPECT_TRUE(f.List(2).empty());
    out.clearList(store::WorkingList::List4);
    EXPECT_TRUE(f.List(4).empty());
    EXPECT_EQ(f.List(1).size(), 1u);

    int repaints = 0;
    f.Label1.observe([&](ui::Change change, int) { repaints += change == ui::Change::Text; });
    out.showProgress("Adobe Reader");
    EXPECT_EQ(f.Label1.caption(), "Adobe Reader");
    EXPECT_EQ(repaints, 1);
    out.setText1("x,y");
    EXPECT_EQ(f.Text1.text(), "x,y");
    f.Text2.setText("2");
    EXPECT_EQ(out.searchText(), "2");
}

TEST_F(Form1Test, EnumOutputs_AStoreEnumerationFillsTheWindowsLists) {
    auto& f = *form;
    for (const char* name : {"Alpha", "Beta"})
        f.store.SaveRegString(platform::kHkeyLocalMachine, std::string("software\\test\\list\\") + name, "v", "1");
    std::string names;
    EXPECT_EQ(f.store.fEnumKey("HKLM", "software\\test\\list", names, f), 0);
    EXPECT_EQ(f.List(1), (std::vector<std::string>{"Alpha", "Beta"}));
}
