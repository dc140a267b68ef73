// What the startup page lists from each kind of place, in which order, and that looking changes nothing.
#include "startup/startup_fixture.h"

namespace startup_test {
namespace {

struct Expected {
    std::string name, command, location, folder, source;
};

// What the user sees in each row, and where its record says the entry lives.
void expectRows(const startup::StartupPage& page, const std::vector<Expected>& rows) {
    ASSERT_EQ(page.list.rowCount(), rows.size());
    for (std::size_t i = 0; i < rows.size(); ++i) {
        SCOPED_TRACE(rows[i].name);
        EXPECT_EQ(page.list.text(i, 0), rows[i].name);
        EXPECT_EQ(page.list.text(i, 1), rows[i].command);
        EXPECT_EQ(page.list.text(i, 2), rows[i].location);
        const startup::StartupEntry* entry = page.entryOfRow(i);
        ASSERT_NE(entry, nullptr);
        EXPECT_EQ(entry->folder, rows[i].folder);
        EXPECT_EQ(std::to_string(static_cast<int>(entry->source)), rows[i].source);
    }
}

TEST_F(StartupTest, Listing_Windows98ImageShowsEverySourceInOrder) {
    loadImage("win98");
    pc.files.setAttributes("C:\\WINDOWS\\win.ini", kAttrReadOnly | kAttrHidden);
    showPage();
    expectRows(page(), {
                           {"ScanRegistry", "C:\\WINDOWS\\scanregw.exe /autorun", "t116", "", "1"},
                           {"TaskMonitor", "C:\\WINDOWS\\taskmon.exe", "t116", "", "1"},
                           {"OldUpdater", "C:\\Program Files\\Updater\\update.exe -quiet", "t116", "", "1"},
                           {"Clipper", "C:\\TOOLS\\clipper.exe", "t117", "", "2"},
                           {"LoadPowerProfile", "Rundll32.exe powrprof.dll,LoadCurrentPwrScheme", "t118", "", "3"},
                           {"C:\\TOOLS\\clock.exe", "C:\\TOOLS\\clock.exe", "t119", "", "4"},
                           {"C:\\TOOLS\\tray.exe", "C:\\TOOLS\\tray.exe", "t120", "", "5"},
                           {"notes", "", "t121", "C:\\WINDOWS\\Anna\\programs\\startup", "6"},
                           {"readme", "", "t121", "C:\\WINDOWS\\Start Menu\\programs\\startup", "6"},
                       });
    for (const auto& row : list().rows()) EXPECT_EQ(row.smallIcon, "a");
    for (const auto& entry : page().entries()) EXPECT_TRUE(entry.active);
    std::uint32_t attributes = 0;
    pc.files.getAttributes("C:\\WINDOWS\\win.ini", attributes);
    EXPECT_EQ(attributes & (kAttrReadOnly | kAttrHidden), kAttrReadOnly | kAttrHidden) << "listing is a look";
}

TEST_F(StartupTest, Listing_WindowsXpImageSkipsFolderSettingsAndEmptyRun) {
    loadImage("winxp");
    showPage();
    expectRows(page(), {
                           {"ImageViewerTray", "\"C:\\Program Files\\Image Viewer\\ivtray.exe\" /background", "t116",
                            "", "1"},
                           {"MissingHelper", "C:\\Program Files\\Helper\\helper.exe", "t116", "", "1"},
                           {"MailCheck", "C:\\Program Files\\Mail Checker\\mailchk.exe -tray", "t117", "", "2"},
                           {"C:\\Program Files\\Mail Checker\\mailchk.exe", "C:\\Program Files\\Mail Checker\\mailchk.exe",
                            "t120", "", "5"},
                       });
}

TEST_F(StartupTest, Listing_ValueNamesAreWholeAndDataOfEveryTypeIsShownAsStored) {
    loadImage("winxp");
    const std::string run = startup::kRunKey;
    put(kHkeyCurrentUser, run, "a,b", kRegSz, std::string("C:\\a.exe\0", 9));
    put(kHkeyCurrentUser, run, "  spaced ", kRegSz, std::string("C:\\s.exe\0", 9));
    put(kHkeyCurrentUser, run, "expand", kRegExpandSz, std::string("%windir%\\e.exe\0", 15));
    put(kHkeyCurrentUser, run, "number", kRegDword, std::string("\x00\x01\x00\x00", 4));
    put(kHkeyCurrentUser, run, "", kRegSz, std::string("C:\\default.exe\0", 15));
    const std::string longRun = "C:\\a.exe " + std::string(300, 'r');
    pc.profile.writeString("windows", "run", longRun, "C:\\WINDOWS\\win.ini");
    showPage();
    EXPECT_EQ(list().text(rowOf(longRun), 1), longRun) << "win.ini texts over 254 characters whole";
    EXPECT_EQ(list().text(rowOf("a,b"), 1), "C:\\a.exe");
    EXPECT_EQ(list().text(rowOf("spaced"), 1), "C:\\s.exe");
    EXPECT_EQ(list().text(rowOf("expand"), 1), "%windir%\\e.exe");
    EXPECT_EQ(list().text(rowOf("number"), 1), "256");
    EXPECT_EQ(list().rowCount(), 9u) << "the default value is no entry";
}

TEST_F(StartupTest, Listing_NtFormOfRunIsReadOnlyWhereTheFormWindowsReadsIsMissing) {
    loadImage("win98");
    testing_support::deleteTree(pc.registry, kHkeyLocalMachine, startup::kRunKey);
    put(kHkeyLocalMachine, startup::kRunKeyNt, "Old", kRegSz, std::string("C:\\old.exe\0", 11));
    put(kHkeyCurrentUser, startup::kRunKeyNt, "Hidden", kRegSz, std::string("C:\\h.exe\0", 9));
    showPage();
    EXPECT_LT(rowOf("Old"), list().rowCount());
    EXPECT_EQ(rowOf("Hidden"), list().rowCount());
}

TEST_F(StartupTest, Listing_VistaStyleMachineUsesTheFoldersTheShellReports) {
    loadImage("winxp");
    std::filesystem::remove_all(root / "Documents and Settings");
    std::filesystem::create_directories(root / "Users/Anna/Startup");
    std::filesystem::create_directories(root / "ProgramData/Startup");
    writeFile("Users/Anna/Startup/mine.exe", "MZ");
    writeFile("ProgramData/Startup/shared.bat", "@echo");
    pc.shortcuts.userStartupFolder = "C:\\Users\\Anna\\Startup";
    pc.shortcuts.allUsersStartupFolder = "C:\\ProgramData\\Startup\\";
    showPage();
    EXPECT_EQ(entryOf("shared").folder, "C:\\ProgramData\\Startup");
    EXPECT_EQ(entryOf("mine").folder, "C:\\Users\\Anna\\Startup");
    EXPECT_LT(rowOf("shared"), rowOf("mine")) << "all users first";
}

TEST_F(StartupTest, Listing_UserNameComesFromTheSessionWhenTheRegistryHasNone) {
    loadImage("winxp");
    testing_support::deleteTree(pc.registry, kHkeyLocalMachine, "SOFTWARE\\Microsoft\\Windows NT\\CurrentVersion\\Winlogon");
    pc.desktop.user = "Anna";
    writeFile("Documents and Settings/Anna/Start Menu/Programs/Startup/tool.exe", "MZ");
    showPage();
    EXPECT_LT(rowOf("tool"), list().rowCount());
}

TEST_F(StartupTest, Listing_ButtonsAreDisabledWhileItWalksAndAPageSwitchStopsIt) {
    loadImage("win98");
    std::vector<bool> enabledDuringWalk;
    bool switched = false;
    pc.desktop.onYield = [&] {
        enabledDuringWalk.push_back(page().disableButton.enabled());
        if (!switched) {
            switched = true;
            form->showScannerPage();
        }
    };
    showPage();
    pc.desktop.onYield = nullptr;
    ASSERT_FALSE(enabledDuringWalk.empty());
    for (bool enabled : enabledDuringWalk) EXPECT_FALSE(enabled);
    EXPECT_TRUE(page().disableButton.enabled());
    EXPECT_EQ(list().rowCount(), 0u) << "the stopped walk fills nothing";
}

TEST_F(StartupTest, Sorting_CommandsFollowTheChosenEntry) {
    loadImage("win98");
    showPage();
    click("TaskMonitor");
    const auto chosenName = [&] {
        const auto row = page().chosenRow();
        EXPECT_TRUE(row && list().row(*row).selected);
        return row ? list().text(*row, 0) : std::string();
    };
    list().clickColumn(0);  // descending on the first column
    EXPECT_EQ(chosenName(), "TaskMonitor");
    list().clickColumn(1);  // ascending on the command
    EXPECT_EQ(chosenName(), "TaskMonitor");
    page().disableButton.click();
    EXPECT_TRUE(hasValue(kHkeyLocalMachine, startup::kParkedRunKey, "TaskMonitor"));
    EXPECT_TRUE(hasValue(kHkeyLocalMachine, startup::kRunKey, "ScanRegistry"));
    EXPECT_EQ(chosenName(), "TaskMonitor") << "a new listing keeps the choice";
    EXPECT_FALSE(page().chosen()->active);
    EXPECT_EQ(list().row(*page().chosenRow()).smallIcon, "b");
}

}  // namespace
}  // namespace startup_test
