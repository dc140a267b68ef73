// The program on real windows under Wine: what a user sees and does.
#include <gtest/gtest.h>

#include <windows.h>
#include <commctrl.h>

#include <algorithm>

#include "store/settings_store.h"
#include "ui_win32/program_ui.h"

namespace {

class MainWindowUi : public ui_test::ProgramUi {};

}  // namespace

TEST_F(MainWindowUi, AfterTheSplashTheMainWindowShowsCentredOnTheUninstallPage) {
    startToMainWindow();
    EXPECT_FALSE(app().aboutBox()->window.visible());
    HWND window = program.handleOf(main().window);
    ASSERT_TRUE(IsWindowVisible(window));
    expectPlacedOnScreen(window, 200);
    EXPECT_TRUE(IsWindowVisible(handle(main().uninstallPage->parts.programList)));
    EXPECT_FALSE(IsWindowVisible(handle(main().startupPage.list)));
    char title[64];
    GetWindowTextA(window, title, sizeof title);
    EXPECT_STREQ(title, "Vantrel 2003");
}

TEST_F(MainWindowUi, TheAboutBoxAndTheOptionsDialogSitAtTheirPlacesOnTheScreen) {
    ASSERT_TRUE(program.start());
    HWND about = program.handleOf(app().aboutBox()->window);
    ASSERT_TRUE(IsWindowVisible(about));
    expectPlacedOnScreen(about, 200);
    pc.desktop.clock += 6;
    ASSERT_TRUE(ui_test::pumpUntil([&] { return main().window.visible(); }, 3000));
    clickOn(handle(main().optionsMenuButton));
    ASSERT_NE(app().optionsDialog(), nullptr);
    HWND options = program.handleOf(app().optionsDialog()->window);
    ASSERT_TRUE(IsWindowVisible(options));
    expectPlacedOnScreen(options, 1000);
}

TEST_F(MainWindowUi, MenuClicksSwitchPages) {
    startToMainWindow();
    clickOn(handle(main().startupMenuButton));
    EXPECT_TRUE(IsWindowVisible(handle(main().startupPage.list)));
    EXPECT_FALSE(IsWindowVisible(handle(main().uninstallPage->parts.programList)));
    clickOn(handle(main().scannerMenuButton));
    EXPECT_TRUE(IsWindowVisible(handle(main().categoryList)));
    EXPECT_TRUE(IsWindowVisible(handle(main().scannerButtons)));
    EXPECT_FALSE(IsWindowVisible(handle(main().startupPage.buttons)));
    EXPECT_FALSE(IsWindowVisible(handle(main().searchBox)));
}

TEST_F(MainWindowUi, ResizingBelowTheMinimumSnapsBack) {
    startToMainWindow();
    HWND window = program.handleOf(main().window);
    const RECT before = windowRect(window);
    MoveWindow(window, before.left, before.top, pixels(8000), before.bottom - before.top, TRUE);
    ui_test::pump(200);
    RECT after = windowRect(window);
    EXPECT_NEAR(after.right - after.left, pixels(10600), 1);
    MoveWindow(window, after.left, after.top, after.right - after.left, pixels(7000), TRUE);
    ui_test::pump(200);
    after = windowRect(window);
    EXPECT_NEAR(after.bottom - after.top, pixels(7455), 1);
}

TEST_F(MainWindowUi, AltAndTheMarkedLetterRunTheMenuCommand) {
    startToMainWindow();
    ASSERT_EQ(main().startupMenuButton.caption(), "&Startup Manager");
    HWND window = program.handleOf(main().window);
    PostMessageA(window, WM_SYSCHAR, 's', 1 << 29);  // Alt held
    ui_test::pump(200);
    EXPECT_TRUE(IsWindowVisible(handle(main().startupPage.list)));
    PostMessageA(window, WM_SYSCHAR, 'r', 1 << 29);
    ui_test::pump(200);
    EXPECT_TRUE(IsWindowVisible(handle(main().findingsList)));
}

TEST_F(MainWindowUi, TheOptionsDialogStoresTheChosenLanguageFile) {
    startToMainWindow();
    clickOn(handle(main().optionsMenuButton));
    localisation::OptionsDialog* options = app().optionsDialog();
    ASSERT_NE(options, nullptr);
    win32::WindowBinder* dialog = program.binderOf(options->window);
    ASSERT_NE(dialog, nullptr);
    ASSERT_TRUE(IsWindowVisible(dialog->handle()));
    // A name is taken only when its file is in the language folder.
    const std::string folder = pc.real.files.programFolder() + "\\lang\\";
    ASSERT_TRUE(CopyFileA((folder + "english.ini").c_str(), (folder + "French.ini").c_str(), FALSE));
    SetWindowTextA(dialog->handleOf(options->fileNameBox), "French.ini");
    ui_test::pump(50);
    EXPECT_EQ(options->fileNameBox.text(), "French.ini");
    clickOn(dialog->handleOf(options->okButton));
    EXPECT_FALSE(options->window.visible());
    ASSERT_EQ(pc.desktop.messages.size(), 1u);
    EXPECT_EQ(pc.desktop.messages[0], main().language.text(87));

    std::string stored;
    EXPECT_TRUE(
        main().store.readString(platform::kHkeyLocalMachine, "software\\morvalen\\brevisk", "language", stored));
    EXPECT_EQ(stored, "French.ini");
    main().store.deleteValue("HKLM", "software\\morvalen\\brevisk", "language");
    DeleteFileA((folder + "French.ini").c_str());
}

TEST_F(MainWindowUi, TheBackupsDialogRestoresAndDeletesTheChosenSet) {
    startToMainWindow();
    auto& backups = main().backups;
    const std::string key = "Software\\VantrelUiTest";
    main().store.saveString(platform::kHkeyCurrentUser, key, "app", "before");
    {
        backup::BackupSet set = backups.open("UI test delete");
        ASSERT_TRUE(set.addValue(platform::kHkeyCurrentUser, key, "app"));
        ASSERT_TRUE(set.commit());
    }
    main().store.saveString(platform::kHkeyCurrentUser, key, "app", "after");

    clickOn(handle(main().optionsMenuButton));
    localisation::OptionsDialog& options = *app().optionsDialog();
    clickOn(program.binderOf(options.window)->handleOf(options.backupsButton));
    backup::BackupsDialog* dialog = app().backupsDialog();
    ASSERT_NE(dialog, nullptr);
    win32::WindowBinder* bound = program.binderOf(dialog->window);
    ASSERT_TRUE(IsWindowVisible(bound->handle()));
    ASSERT_GE(dialog->setList.rowCount(), 1u);
    EXPECT_EQ(dialog->setList.text(0, 1), "UI test delete");

    pc.desktop.answers = {platform::MessageAnswer::Yes};
    clickOn(bound->handleOf(dialog->restoreButton));
    std::string text;
    main().store.readString(platform::kHkeyCurrentUser, key, "app", text);
    EXPECT_EQ(text, "before");
    EXPECT_EQ(pc.desktop.messages.back(), main().language.text(134));

    // The restore's own set is listed first now; delete it and the one it restored.
    const std::size_t rows = dialog->setList.rowCount();
    for (int i = 0; i < 2; ++i) {
        pc.desktop.answers = {platform::MessageAnswer::Yes};
        clickOn(bound->handleOf(dialog->deleteButton));
    }
    EXPECT_EQ(dialog->setList.rowCount(), rows - 2);
    main().store.deleteKeyPath(platform::kHkeyCurrentUser, key);
}

// Texts of column `column` of the real list view, as the user sees them.
std::vector<std::string> listTexts(HWND list, int column) {
    std::vector<std::string> texts;
    const int count = static_cast<int>(SendMessageA(list, LVM_GETITEMCOUNT, 0, 0));
    for (int row = 0; row < count; ++row) {
        char text[512] = {};
        LVITEMA item{};
        item.iSubItem = column;
        item.pszText = text;
        item.cchTextMax = sizeof text;
        SendMessageA(list, LVM_GETITEMTEXTA, row, reinterpret_cast<LPARAM>(&item));
        texts.emplace_back(text);
    }
    return texts;
}

TEST_F(MainWindowUi, TheScannerFindsAPlantedEntryAndDeletesItAfterABackup) {
    startToMainWindow();
    const std::string appPaths = "SOFTWARE\\Microsoft\\Windows\\CurrentVersion\\App Paths";
    const std::string gone = "C:\\VantrelGone\\gone.exe";
    main().store.saveString(platform::kHkeyLocalMachine, appPaths + "\\vantrel-gone.exe", "", gone);
    main().store.saveString(platform::kHkeyClassesRoot, "VantrelGone.File\\DefaultIcon", "", "C:\\VantrelGone\\gone.dll,1");
    const std::size_t setsBefore = main().backups.list().size();
    clickOn(handle(main().scannerMenuButton));
    for (std::size_t row = 0; row < 7; ++row) main().categoryList.setChecked(row, row == 2 || row == 4);
    clickOn(handle(main().startScanButton));
    ASSERT_FALSE(main().scannerPage->busy());

    const HWND list = handle(main().findingsList);
    const auto locations = listTexts(list, 0);
    ASSERT_NE(std::find(locations.begin(), locations.end(), gone), locations.end());
    ASSERT_NE(std::find(locations.begin(), locations.end(), "VantrelGone.File"), locations.end());
    const auto row = static_cast<std::size_t>(std::find(locations.begin(), locations.end(), gone) - locations.begin());
    main().findingsList.setChecked(row, true);
    pc.desktop.answers = {platform::MessageAnswer::Yes};
    clickOn(handle(main().deleteFindingsButton));

    const auto after = listTexts(list, 0);
    EXPECT_EQ(after.size(), locations.size() - 1);
    EXPECT_EQ(std::find(after.begin(), after.end(), gone), after.end());
    EXPECT_FALSE(main().store.keyExists(platform::kHkeyLocalMachine, appPaths + "\\vantrel-gone.exe"));
    EXPECT_TRUE(main().store.keyExists(platform::kHkeyClassesRoot, "VantrelGone.File\\DefaultIcon"));
    const auto sets = main().backups.list();
    ASSERT_EQ(sets.size(), setsBefore + 1);
    EXPECT_EQ(sets[0].command, "Registry scanner delete");
    EXPECT_EQ(sets[0].entries, 1u);
    main().backups.remove(sets[0].folderName);
    main().store.deleteKeyTree("HKCR", "", "VantrelGone.File");
}

TEST_F(MainWindowUi, MinimisingShowsTheTrayIconAndItsDoubleClickMaximisesTheWindow) {
    startToMainWindow();
    HWND window = program.handleOf(main().window);
    ShowWindow(window, SW_MINIMIZE);
    ui_test::pump(200);
    EXPECT_TRUE(main().trayIcon.Visible());
    EXPECT_EQ(main().trayIcon.ToolTip(), "Vantrel 2003");
    // The shell reports the icon's mouse message in place of the position.
    SendMessageA(program.trayWindow(), controls::kTrayCallbackMessage, 1, WM_LBUTTONDBLCLK);
    ui_test::pump(300);
    EXPECT_TRUE(IsZoomed(window));
    EXPECT_TRUE(main().trayIcon.Visible()) << "the icon stays";
}
