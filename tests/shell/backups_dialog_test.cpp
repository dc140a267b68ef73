// The Backups dialog on the main window's machine: the list, Restore and Delete with their questions.
#include "backup/backups_dialog.h"
#include "shell/main_window_fixture.h"

using main_window_test::MainWindowTest;
using platform::MessageAnswer;

namespace {

class BackupsDialogTest : public MainWindowTest {
protected:
    BackupsDialogTest() : dialog(pc.machine(), form->backups, form->language) {
        chooseLanguage("english.ini");
        form->initialize();
    }
    // A set that saved HKLM\software\test value "app" while it read `data`.
    void backUpApp(const char* data, int second) {
        form->store.saveString(platform::kHkeyLocalMachine, "software\\test", "app", data);
        pc.desktop.calendar.second = second;
        backup::BackupSet set = form->backups.open("Startup delete");
        ASSERT_TRUE(set.addValue(platform::kHkeyLocalMachine, "software\\test", "app"));
        ASSERT_TRUE(set.commit());
    }
    std::string app() {
        std::string text;
        form->store.readString(platform::kHkeyLocalMachine, "software\\test", "app", text);
        return text;
    }

    backup::BackupsDialog dialog;
};

TEST_F(BackupsDialogTest, ListsTheSetsNewestFirstWithTheirDateCommandAndSize) {
    backUpApp("first", 1);
    backUpApp("second", 2);
    dialog.show();
    EXPECT_EQ(dialog.window.title(), "Backups");
    ASSERT_EQ(dialog.setList.rowCount(), 2u);
    EXPECT_EQ(dialog.setList.text(0, 0), "2026-12-09 18:15:02");
    EXPECT_EQ(dialog.setList.text(0, 1), "Startup delete");
    EXPECT_EQ(dialog.setList.text(0, 2), "1");
    EXPECT_EQ(dialog.setList.text(1, 0), "2026-12-09 18:15:01");
    EXPECT_EQ(dialog.setList.selectedIndex(), 0u);
}

TEST_F(BackupsDialogTest, RestoreAsksFirstAndPutsTheChosenSetBack) {
    backUpApp("first", 1);
    backUpApp("second", 2);
    form->store.saveString(platform::kHkeyLocalMachine, "software\\test", "app", "now");
    dialog.show();
    dialog.setList.clickRow(1);

    pc.desktop.answers = {MessageAnswer::No};
    dialog.restoreButton.click();
    EXPECT_EQ(app(), "now");
    EXPECT_EQ(dialog.setList.rowCount(), 2u);

    pc.desktop.answers = {MessageAnswer::Yes};
    pc.desktop.calendar.second = 3;
    dialog.restoreButton.click();
    EXPECT_EQ(app(), "first");
    EXPECT_EQ(pc.desktop.messages.back().text, form->language.text(134));
    ASSERT_EQ(dialog.setList.rowCount(), 3u) << "the restore's own backup is listed";
    EXPECT_EQ(dialog.setList.text(0, 1).rfind("Restore of ", 0), 0u);
}

TEST_F(BackupsDialogTest, DeleteAsksFirstAndNothingChosenIsSaidSo) {
    backUpApp("first", 1);
    dialog.show();
    pc.desktop.answers = {MessageAnswer::Yes};
    dialog.deleteButton.click();
    EXPECT_EQ(dialog.setList.rowCount(), 0u);
    EXPECT_TRUE(form->backups.list().empty());

    const auto asked = pc.desktop.messages.size();
    dialog.deleteButton.click();
    dialog.restoreButton.click();
    ASSERT_EQ(pc.desktop.messages.size(), asked + 2);
    EXPECT_EQ(pc.desktop.messages.back().text, form->language.text(137));
}

TEST_F(BackupsDialogTest, LeftAloneMessageNamesEachPlaceWithItsReasonAndCountsTheRest) {
    EXPECT_EQ(backup::leftAloneMessage({}, form->language), "");
    std::vector<backup::Problem> problems;
    for (int i = 0; i < 12; ++i) problems.push_back({"place " + std::to_string(i), "reason"});
    const std::string text = backup::leftAloneMessage(problems, form->language);
    EXPECT_EQ(text.rfind(form->language.text(136) + "\rplace 0: reason\rplace 1: reason", 0), 0u);
    EXPECT_NE(text.find("place 9: reason\r(2 more)"), std::string::npos);
    EXPECT_EQ(text.find("place 10"), std::string::npos);
}

}  // namespace
