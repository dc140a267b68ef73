// The uninstall page on real windows under Wine: a user picks a program, sorts,
// looks at its values and removes its entry, with planted entries in the real
// Uninstall key of the throw-away prefix.
#include <windows.h>
#include <commctrl.h>
#include <gtest/gtest.h>

#include "support/test_machine.h"
#include "ui_win32/ui_desktop.h"
#include "win32/program.h"

namespace {

constexpr const char* kUninstallKey = "Software\\Microsoft\\Windows\\CurrentVersion\\Uninstall";
// Key order and name order differ, so a sort by name moves rows.
const struct {
    const char *keyName, *suffix;
} kPlanted[] = {{"VantrelUi1", "Bravo"}, {"VantrelUi2", "Charlie"}, {"VantrelUi3", "Alpha"}};

class UninstallUi : public ::testing::Test {
protected:
    UninstallUi() : program(pc.machine) {
        for (const auto& [keyName, suffix] : kPlanted) {
            plant(keyName, "DisplayName", std::string("Vantrel UI ") + suffix);
            plant(keyName, "UninstallString", std::string("\"C:\\nowhere\\") + suffix + ".exe\"");
            plant(keyName, "Publisher", std::string("Publisher of ") + suffix);
        }
    }
    ~UninstallUi() override {
        for (const auto& planted : kPlanted)
            testing_support::deleteTree(pc.real.registry, HKEY_LOCAL_MACHINE_KEY, std::string(kUninstallKey) + "\\" + planted.keyName);
        if (app().mainWindow())
            for (const auto& set : main().backups.list()) main().backups.remove(set.folderName);
    }
    static constexpr platform::Key HKEY_LOCAL_MACHINE_KEY = platform::kHkeyLocalMachine;
    void plant(const std::string& keyName, const std::string& name, const std::string& text) {
        HKEY key;
        ASSERT_EQ(RegCreateKeyExA(HKEY_LOCAL_MACHINE, (std::string(kUninstallKey) + "\\" + keyName).c_str(), 0, nullptr,
                                  0, KEY_ALL_ACCESS, nullptr, &key, nullptr),
                  ERROR_SUCCESS);
        RegSetValueExA(key, name.c_str(), 0, REG_SZ, reinterpret_cast<const BYTE*>(text.c_str()),
                       static_cast<DWORD>(text.size() + 1));
        RegCloseKey(key);
    }
    bool planted(const std::string& keyName) {
        HKEY key;
        if (RegOpenKeyExA(HKEY_LOCAL_MACHINE, (std::string(kUninstallKey) + "\\" + keyName).c_str(), 0, KEY_READ,
                          &key) != ERROR_SUCCESS)
            return false;
        RegCloseKey(key);
        return true;
    }
    void startToMainWindow() {
        ASSERT_TRUE(program.start());
        pc.desktop.clock += 6;
        ASSERT_TRUE(ui_test::pumpUntil([&] { return main().window.visible(); }, 3000));
        ui_test::pump(100);
    }
    shell::Application& app() { return program.application(); }
    shell::MainWindow& main() { return *app().mainWindow(); }
    HWND handle(const ui::Window& window, const ui::Control& control) {
        return program.binderOf(window)->handleOf(control);
    }
    void clickAt(HWND target, POINT at) {
        const LPARAM where = MAKELPARAM(at.x, at.y);
        SendMessageA(target, WM_LBUTTONDOWN, MK_LBUTTON, where);
        SendMessageA(target, WM_LBUTTONUP, 0, where);
        ui_test::pump(150);
    }
    void clickOn(HWND control) {
        RECT r;
        GetClientRect(control, &r);
        clickAt(control, {r.right / 2, r.bottom / 2});
    }
    // The row of the real list whose first column reads `text`, as the user sees it.
    int rowShowing(HWND list, const std::string& text) {
        const int count = static_cast<int>(SendMessageA(list, LVM_GETITEMCOUNT, 0, 0));
        for (int i = 0; i < count; ++i) {
            char buffer[256] = {};
            LVITEMA item{};
            item.iSubItem = 0;
            item.pszText = buffer;
            item.cchTextMax = sizeof buffer;
            SendMessageA(list, LVM_GETITEMTEXTA, i, reinterpret_cast<LPARAM>(&item));
            if (text == buffer) return i;
        }
        return -1;
    }
    void clickRow(HWND list, int row) {
        RECT r{};
        r.left = LVIR_LABEL;
        SendMessageA(list, LVM_GETITEMRECT, row, reinterpret_cast<LPARAM>(&r));
        clickAt(list, {r.left + 10, (r.top + r.bottom) / 2});
    }
    void clickHeader(HWND list, int column) {
        HWND header = reinterpret_cast<HWND>(SendMessageA(list, LVM_GETHEADER, 0, 0));
        RECT r{};
        SendMessageA(header, HDM_GETITEMRECT, column, reinterpret_cast<LPARAM>(&r));
        clickAt(header, {(r.left + r.right) / 2, (r.top + r.bottom) / 2});
    }

    ui_test::UiMachine pc;
    win32::Program program;
};

TEST_F(UninstallUi, PickSortLookAndRemoveActOnTheProgramTheUserPicked) {
    startToMainWindow();
    HWND list = handle(main().window, main().uninstallPage->parts.programList);
    const int bravo = rowShowing(list, "Vantrel UI Bravo");
    ASSERT_GE(bravo, 0);
    clickRow(list, bravo);
    EXPECT_EQ(main().selectedProgramLabel.caption(), "Vantrel UI Bravo");

    clickHeader(list, 0);
    clickHeader(list, 0);
    EXPECT_LT(rowShowing(list, "Vantrel UI Alpha"), rowShowing(list, "Vantrel UI Bravo")) << "ascending after two";
    EXPECT_NE(rowShowing(list, "Vantrel UI Bravo"), bravo) << "the sort moved the picked program";

    clickOn(handle(main().window, main().uninstallPage->parts.programInfoButton));
    auto* info = main().uninstallPage->programInfoDialog();
    ASSERT_NE(info, nullptr);
    ASSERT_TRUE(IsWindowVisible(program.handleOf(info->window)));
    EXPECT_EQ(info->publisherText.caption(), "Publisher of Bravo");
    HWND values = handle(info->window, info->valueList);
    EXPECT_GE(rowShowing(values, "Publisher"), 0);
    EXPECT_GE(rowShowing(values, "UninstallString"), 0);
    clickOn(handle(info->window, info->cancelButton));
    EXPECT_FALSE(IsWindowVisible(program.handleOf(info->window)));

    clickOn(handle(main().window, main().uninstallPage->parts.removeEntryButton));
    auto* confirm = main().uninstallPage->confirmDialog();
    ASSERT_NE(confirm, nullptr);
    char text[128] = {};
    GetWindowTextA(handle(confirm->window, confirm->programLabel), text, sizeof text);
    EXPECT_STREQ(text, "Vantrel UI Bravo");
    clickOn(handle(confirm->window, confirm->okButton));
    EXPECT_FALSE(planted("VantrelUi1"));
    EXPECT_TRUE(planted("VantrelUi2"));
    EXPECT_TRUE(planted("VantrelUi3"));
    EXPECT_EQ(rowShowing(list, "Vantrel UI Bravo"), -1);
    const auto sets = main().backups.list();
    ASSERT_EQ(sets.size(), 1u);
    EXPECT_EQ(sets[0].command, "Remove Entry");
    EXPECT_TRUE(main().backups.restore(sets[0].folderName).restored);
    EXPECT_TRUE(planted("VantrelUi1"));
}

TEST_F(UninstallUi, TheConfirmationAnswersEscapeAndEnterFromTheKeyboard) {
    startToMainWindow();
    HWND list = handle(main().window, main().uninstallPage->parts.programList);
    clickRow(list, rowShowing(list, "Vantrel UI Alpha"));
    auto press = [&](WPARAM key) {
        HWND focus = GetFocus();
        ASSERT_NE(focus, nullptr);
        PostMessageA(focus, WM_KEYDOWN, key, 0);
        ui_test::pump(150);
    };
    clickOn(handle(main().window, main().uninstallPage->parts.removeEntryButton));
    auto* confirm = main().uninstallPage->confirmDialog();
    ASSERT_NE(confirm, nullptr);
    ASSERT_TRUE(IsWindowVisible(program.handleOf(confirm->window)));
    press(VK_ESCAPE);
    EXPECT_FALSE(IsWindowVisible(program.handleOf(confirm->window)));
    EXPECT_TRUE(planted("VantrelUi3"));

    clickOn(handle(main().window, main().uninstallPage->parts.removeEntryButton));
    SetFocus(handle(confirm->window, confirm->cancelButton));
    press(VK_RETURN);
    EXPECT_FALSE(IsWindowVisible(program.handleOf(confirm->window))) << "Enter pressed the focused Cancel";
    EXPECT_TRUE(planted("VantrelUi3"));

    clickOn(handle(main().window, main().uninstallPage->parts.removeEntryButton));
    SetFocus(handle(confirm->window, confirm->programLabel));
    press(VK_RETURN);
    EXPECT_FALSE(planted("VantrelUi3")) << "Enter elsewhere is OK";
}

}  // namespace
