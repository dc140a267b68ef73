// The startup page on real windows: an entry added through the dialog, listed,
// disabled, enabled and deleted, as a user does it.
#include <gtest/gtest.h>

#include <windows.h>
#include <commctrl.h>

#include "platform/registry_key.h"
#include "startup/startup_places.h"
#include "ui_win32/ui_desktop.h"
#include "win32/program.h"

namespace {

constexpr const char* kEntryName = "Vantrel UI Entry";

class StartupPageUi : public ::testing::Test {
protected:
    StartupPageUi() : program(pc.machine) {}
    ~StartupPageUi() override {
        for (const char* key : {startup::kRunKey, startup::kRunKeyNt, startup::kParkedRunKey})
            platform::deleteValue(pc.real.registry, platform::kHkeyCurrentUser, key, platform::View::Native, kEntryName);
        if (auto* main = program.application().mainWindow())
            for (const auto& set : main->backups.list()) main->backups.remove(set.folderName);
    }
    void startToStartupPage() {
        ASSERT_TRUE(program.start());
        pc.desktop.clock += 6;
        ASSERT_TRUE(ui_test::pumpUntil([&] { return main().window.visible(); }, 3000));
        clickOn(handle(main().window, main().startupMenuButton));
    }
    shell::MainWindow& main() { return *program.application().mainWindow(); }
    HWND handle(const ui::Window& window, const ui::Control& control) {
        return program.binderOf(window)->handleOf(control);
    }
    void clickOn(HWND control) {
        RECT r;
        GetClientRect(control, &r);
        LPARAM middle = MAKELPARAM(r.right / 2, r.bottom / 2);
        SendMessageA(control, WM_LBUTTONDOWN, MK_LBUTTON, middle);
        SendMessageA(control, WM_LBUTTONUP, 0, middle);
        ui_test::pump(100);
    }
    // The row of the real list control that shows `name`; -1 when none.
    int shownRow(const std::string& name) {
        HWND list = handle(main().window, main().startupPage.list);
        const int count = static_cast<int>(SendMessageA(list, LVM_GETITEMCOUNT, 0, 0));
        for (int i = 0; i < count; ++i) {
            char text[260] = {};
            LVITEMA item{};
            item.iSubItem = 0;
            item.pszText = text;
            item.cchTextMax = sizeof text;
            SendMessageA(list, LVM_GETITEMTEXTA, static_cast<WPARAM>(i), reinterpret_cast<LPARAM>(&item));
            if (name == text) return i;
        }
        return -1;
    }
    void chooseRow(int row) {
        ASSERT_GE(row, 0);
        main().startupPage.list.clickRow(static_cast<std::size_t>(row));
        ui_test::pump(50);
    }

    ui_test::UiMachine pc;
    win32::Program program;
};

TEST_F(StartupPageUi, AddedEntryIsListedDisabledEnabledAndDeleted) {
    startToStartupPage();
    clickOn(handle(main().window, main().startupPage.addButton));
    startup::StartupEntryDialog& dialog = main().startupPage.dialog();
    HWND dialogWindow = program.handleOf(dialog.window);
    ASSERT_TRUE(dialogWindow && IsWindowVisible(dialogWindow));
    char title[64] = {};
    GetWindowTextA(dialogWindow, title, sizeof title);
    EXPECT_STREQ(title, main().language.text(44).c_str());
    SetWindowTextA(handle(dialog.window, dialog.nameBox), kEntryName);
    SetWindowTextA(handle(dialog.window, dialog.commandBox), "C:\\windows\\notepad.exe /min");
    dialog.locationList.select(1);  // the user's Run key
    ui_test::pump(50);
    clickOn(handle(dialog.window, dialog.saveButton));
    EXPECT_FALSE(IsWindowVisible(dialogWindow));
    const int added = shownRow(kEntryName);
    ASSERT_GE(added, 0) << "listed after Save";

    chooseRow(added);
    clickOn(handle(main().window, main().startupPage.disableButton));
    const int parked = shownRow(kEntryName);
    ASSERT_GE(parked, 0);
    EXPECT_EQ(main().startupPage.list.row(static_cast<std::size_t>(parked)).smallIcon, "b");

    chooseRow(parked);
    clickOn(handle(main().window, main().startupPage.enableButton));
    const int back = shownRow(kEntryName);
    ASSERT_GE(back, 0);
    EXPECT_EQ(main().startupPage.list.row(static_cast<std::size_t>(back)).smallIcon, "a");

    chooseRow(back);
    pc.desktop.answers = {platform::MessageAnswer::Yes};
    clickOn(handle(main().window, main().startupPage.deleteButton));
    EXPECT_EQ(shownRow(kEntryName), -1);
    EXPECT_EQ(pc.desktop.messages.size(), 1u) << "only the question";
}

TEST_F(StartupPageUi, EscapeClosesTheDialogAsCancelDoes) {
    startToStartupPage();
    clickOn(handle(main().window, main().startupPage.addButton));
    startup::StartupEntryDialog& dialog = main().startupPage.dialog();
    HWND name = handle(dialog.window, dialog.nameBox);
    SetFocus(name);
    PostMessageA(name, WM_KEYDOWN, VK_ESCAPE, 0);
    ui_test::pump(200);
    EXPECT_FALSE(IsWindowVisible(program.handleOf(dialog.window)));
    EXPECT_EQ(main().searchBox.text(), "0");
}

}  // namespace
