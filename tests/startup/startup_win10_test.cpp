// The startup page on a 64-bit Windows 10: both Run views, RunOnce, the policy
// Run keys and the state Windows keeps for its entries, from a 64-bit and a
// 32-bit build. Values are checked where the 64-bit registry editor shows them.
#include "startup/startup_approval.h"
#include "startup/startup_fixture.h"

namespace startup_test {
namespace {

using startup::kRunKey;
using startup::kRunOnceKey;

const std::string kWow = "Software\\WOW6432Node\\Microsoft\\Windows\\CurrentVersion\\";
const std::string kApproved = "Software\\Microsoft\\Windows\\CurrentVersion\\Explorer\\StartupApproved\\";
const std::string kDisabled = " (disabled by Windows)";

class Windows10Test : public StartupTest {
protected:
    void loadWindows10(bool build64 = true) {
        // The image is the 64-bit registry editor's export: loaded as a 64-bit process writes it.
        pc.registry.setViews({true, true});
        RegFileError error;
        ASSERT_TRUE(pc.loadImage(std::filesystem::path(VANTREL_FIXTURES) / "win10x64", error)) << error.describe();
        pc.registry.setViews({true, build64});
        pc.shortcuts.userStartupFolder = "C:\\Users\\Anna\\AppData\\Roaming\\Microsoft\\Windows\\Start Menu\\Programs\\Startup";
        pc.shortcuts.allUsersStartupFolder = "C:\\ProgramData\\Microsoft\\Windows\\Start Menu\\Programs\\Startup";
        form = std::make_unique<shell::MainWindow>(pc.machine(), notifyShell, trayHost, [] { return 0.5; });
        loadWith("keyed.ini");
        showPage();
    }
    // On the machine's physical keys, as the 64-bit registry editor shows them.
    RegValue physical(Key root, const std::string& path, const std::string& name) {
        return value(root, path, name, View::Bits64);
    }
    std::string state(Key root, const std::string& key, const std::string& name) {
        const RegValue v = physical(root, kApproved + key, name);
        return v.type == 0xffff ? "none" : v.data.substr(0, 1) == "\x02" ? "02" : "other";
    }
};

struct Row {
    std::string name, command, location;
    bool picturedActive;
};

void expectList(startup::StartupPage& page, const std::vector<Row>& rows) {
    ASSERT_EQ(page.list.rowCount(), rows.size());
    for (std::size_t i = 0; i < rows.size(); ++i) {
        SCOPED_TRACE(rows[i].name + " / " + rows[i].location);
        EXPECT_EQ(page.list.text(i, 0), rows[i].name);
        EXPECT_EQ(page.list.text(i, 1), rows[i].command);
        EXPECT_EQ(page.list.text(i, 2), rows[i].location);
        EXPECT_EQ(page.list.row(i).smallIcon, rows[i].picturedActive ? "a" : "b");
    }
}

TEST_F(Windows10Test, Listing_EveryPlaceWithTheStateWindowsKeeps) {
    loadWindows10();
    const std::string run32 = "Run (all users, 32-bit programs)";
    expectList(page(), {
        {"SecurityHealth", "%windir%\\system32\\SecurityHealthSystray.exe", "t116", true},  // 06
        {"Updater", "C:\\Program Files\\Updater\\update.exe /tray", "t116" + kDisabled, false},  // 03
        {"AudioPanel", "C:\\Program Files\\Audio\\panel.exe", "t116", true},  // no value
        {"OneDrive", "\"C:\\Users\\Anna\\AppData\\Local\\Microsoft\\OneDrive\\OneDrive.exe\" /background", "t117", true},
        {"Chat", "C:\\Users\\Anna\\AppData\\Local\\Chat\\chat.exe --minimized", "t117" + kDisabled, false},
        {"Shared", "", "t121" + kDisabled, false},  // the all-users folder's file, HKLM's state
        {"Mine", "", "t121", true},
        {"Notes", "", "t121", true},
        {"Updater", "C:\\Program Files (x86)\\Updater\\update32.exe /tray", run32, true},  // Run32: 02
        {"OldTray", "C:\\Program Files (x86)\\Old Tray\\tray.exe", run32 + kDisabled, false},  // Run32: 07
        {"Cleanup", "C:\\Windows\\System32\\cmd.exe /c del C:\\Temp\\setup.tmp", "RunOnce (all users)", true},
        {"ResumeSetup", "C:\\Setup\\setup.exe /resume", "RunOnce (all users, 32-bit programs)", true},
        {"FirstLogon", "C:\\Users\\Anna\\AppData\\Local\\Welcome\\welcome.exe", "RunOnce (current user)", true},
        {"CorpAgent", "C:\\Corp\\agent.exe", "Run by policy (all users; Group Policy may put it back)", true},
        {"UserPolicy", "C:\\Corp\\user-agent.exe", "Run by policy (current user; Group Policy may put it back)", true},
    });
}

TEST_F(Windows10Test, Listing_FromA32BitBuildItsOwnRunIsThe32BitOne) {
    loadWindows10(false);
    expectList(page(), {
        {"Updater", "C:\\Program Files (x86)\\Updater\\update32.exe /tray", "t116", true},
        {"OldTray", "C:\\Program Files (x86)\\Old Tray\\tray.exe", "t116" + kDisabled, false},
        {"OneDrive", "\"C:\\Users\\Anna\\AppData\\Local\\Microsoft\\OneDrive\\OneDrive.exe\" /background", "t117", true},
        {"Chat", "C:\\Users\\Anna\\AppData\\Local\\Chat\\chat.exe --minimized", "t117" + kDisabled, false},
        {"Shared", "", "t121" + kDisabled, false},
        {"Mine", "", "t121", true},
        {"Notes", "", "t121", true},
        {"SecurityHealth", "%windir%\\system32\\SecurityHealthSystray.exe", "Run (all users, 64-bit programs)", true},
        {"Updater", "C:\\Program Files\\Updater\\update.exe /tray", "Run (all users, 64-bit programs)" + kDisabled, false},
        {"AudioPanel", "C:\\Program Files\\Audio\\panel.exe", "Run (all users, 64-bit programs)", true},
        {"Cleanup", "C:\\Windows\\System32\\cmd.exe /c del C:\\Temp\\setup.tmp", "RunOnce (all users)", true},
        {"ResumeSetup", "C:\\Setup\\setup.exe /resume", "RunOnce (all users, 32-bit programs)", true},
        {"FirstLogon", "C:\\Users\\Anna\\AppData\\Local\\Welcome\\welcome.exe", "RunOnce (current user)", true},
        {"CorpAgent", "C:\\Corp\\agent.exe", "Run by policy (all users; Group Policy may put it back)", true},
        {"UserPolicy", "C:\\Corp\\user-agent.exe", "Run by policy (current user; Group Policy may put it back)", true},
    });
}

// Disable then Enable from either build: back in the place and view it came from, type and bytes exact,
// parked where both builds find it, Windows' state taken away with it, the namesake untouched.
TEST_F(Windows10Test, DisableThenEnable_EachNewPlaceRoundTripsFromEitherBuild) {
    struct Case {
        bool build64;
        std::string name, location;
        Key root;
        std::string livePath, parkedPath, approvedKey;
    };
    const std::string run32 = "Run (all users, 32-bit programs)";
    const Case cases[] = {
        {true, "Updater", run32, kHkeyLocalMachine, kWow + "Run", startup::kParkedRun32Key, "Run32"},
        {false, "Updater", "t116", kHkeyLocalMachine, kWow + "Run", startup::kParkedRun32Key, "Run32"},
        {false, "AudioPanel", "Run (all users, 64-bit programs)", kHkeyLocalMachine, kRunKey, startup::kParkedRunKey,
         "Run"},
        {true, "Chat", "t117" + kDisabled, kHkeyCurrentUser, kRunKey, startup::kParkedRunKey, "Run"},
        {true, "Cleanup", "RunOnce (all users)", kHkeyLocalMachine, kRunOnceKey, startup::kParkedRunOnceKey, ""},
        {false, "ResumeSetup", "RunOnce (all users, 32-bit programs)", kHkeyLocalMachine, kWow + "RunOnce",
         startup::kParkedRunOnce32Key, ""},
        {true, "FirstLogon", "RunOnce (current user)", kHkeyCurrentUser, kRunOnceKey, startup::kParkedRunOnceKey, ""},
        {true, "CorpAgent", "Run by policy (all users; Group Policy may put it back)", kHkeyLocalMachine,
         startup::kPolicyRunKey, startup::kParkedPolicyRunKey, ""},
        {false, "UserPolicy", "Run by policy (current user; Group Policy may put it back)", kHkeyCurrentUser,
         startup::kPolicyRunKey, startup::kParkedPolicyRunKey, ""},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name + (c.build64 ? " from the 64-bit build" : " from the 32-bit build"));
        form.reset();
        loadWindows10(c.build64);
        const RegValue before = physical(c.root, c.livePath, c.name);
        const RegValue namesake = physical(kHkeyLocalMachine, kRunKey, "Updater");
        ASSERT_NE(before.type, 0xffffu);
        const auto liveRow = [&] {
            for (std::size_t i = 0; i < list().rowCount(); ++i)
                if (list().text(i, 0) == c.name && list().text(i, 2) == c.location) return i;
            return list().rowCount();
        };
        list().clickRow(liveRow());
        page().disableButton.click();
        EXPECT_EQ(physical(c.root, c.livePath, c.name).type, 0xffffu);
        EXPECT_EQ(physical(c.root, c.parkedPath, c.name).data, before.data);
        if (!c.approvedKey.empty()) {
            EXPECT_EQ(state(c.root, c.approvedKey, c.name), "none");
        }
        ASSERT_TRUE(page().chosen() && !page().chosen()->active);
        page().enableButton.click();
        const RegValue back = physical(c.root, c.livePath, c.name);
        EXPECT_EQ(back.type, before.type);
        EXPECT_EQ(back.data, before.data);
        EXPECT_EQ(physical(c.root, c.parkedPath, c.name).type, 0xffffu);
        EXPECT_EQ(physical(kHkeyLocalMachine, kRunKey, "Updater").data, namesake.data);
        ASSERT_TRUE(page().chosenRow());
        EXPECT_EQ(list().row(*page().chosenRow()).smallIcon, "a") << "enabled, and not disabled by Windows";
        EXPECT_TRUE(pc.desktop.messages.empty()) << pc.desktop.messages.front().text;
    }
}

TEST_F(Windows10Test, Enable_OfWhatWindowsDisabledWritesTheEnabledStateAndLeavesTheEntryWhereItIs) {
    loadWindows10();
    for (const auto& [name, root, key, file] :
         {std::tuple<std::string, Key, std::string, std::string>{"Chat", kHkeyCurrentUser, "Run", "Chat"},
          {"Shared", kHkeyLocalMachine, "StartupFolder", "Shared.bat"},
          {"OldTray", kHkeyLocalMachine, "Run32", "OldTray"}}) {
        SCOPED_TRACE(name);
        const std::size_t before = form->backups.list().size();
        click(name);
        page().enableButton.click();
        const RegValue now = physical(root, kApproved + key, file);
        EXPECT_EQ(now.type, kRegBinary);
        EXPECT_EQ(now.data, std::string("\x02\0\0\0\0\0\0\0\0\0\0\0", 12));
        EXPECT_EQ(form->backups.list().size(), before + 1) << "backed up first";
        const auto row = page().chosenRow();
        ASSERT_TRUE(row);
        EXPECT_EQ(list().row(*row).smallIcon, "a");
        EXPECT_EQ(list().text(*row, 2).find(kDisabled), std::string::npos);
    }
    EXPECT_TRUE(hasValue(kHkeyCurrentUser, kRunKey, "Chat", View::Bits64));
    EXPECT_TRUE(hostExists("ProgramData/Microsoft/Windows/Start Menu/Programs/Startup/Shared.bat"));
    click("AudioPanel");
    page().enableButton.click();
    ASSERT_EQ(pc.desktop.messages.size(), 1u);
    EXPECT_EQ(pc.desktop.messages[0].text, "t105") << "an entry nobody disabled is no entry to enable";
}

// From the 32-bit build too: the backup must read the 64-bit-view state it saves, not its 32-bit namesake.
class DeleteAndDisable : public Windows10Test, public ::testing::WithParamInterface<bool> {};

TEST_P(DeleteAndDisable, TakeWindowsStateAwayAndARestorePutsItBack) {
    loadWindows10(GetParam());
    answer({MessageAnswer::Yes});
    click("OldTray");
    page().deleteButton.click();
    EXPECT_EQ(physical(kHkeyLocalMachine, kWow + "Run", "OldTray").type, 0xffffu);
    EXPECT_EQ(state(kHkeyLocalMachine, "Run32", "OldTray"), "none");
    EXPECT_EQ(physical(kHkeyLocalMachine, kRunKey, "Updater").type, kRegSz) << "the other view is untouched";

    click("Shared");
    page().disableButton.click();
    EXPECT_TRUE(hostExists("Vantrel/startupfolder/Shared.bat"));
    EXPECT_EQ(state(kHkeyLocalMachine, "StartupFolder", "Shared.bat"), "none");
    const auto sets = form->backups.list();
    ASSERT_EQ(sets.size(), 2u);
    for (const auto& set : sets) ASSERT_TRUE(form->backups.restore(set.folderName).restored);
    EXPECT_TRUE(physical(kHkeyLocalMachine, kApproved + "Run32", "OldTray").data.substr(0, 1) == "\x07");
    EXPECT_TRUE(physical(kHkeyLocalMachine, kApproved + "StartupFolder", "Shared.bat").data.substr(0, 1) == "\x03");
    EXPECT_EQ(physical(kHkeyLocalMachine, kWow + "Run", "OldTray").type, kRegSz);
}

INSTANTIATE_TEST_SUITE_P(EitherBuild, DeleteAndDisable, ::testing::Values(true, false),
                         [](const auto& info) { return info.param ? "build64" : "build32"; });

TEST_F(Windows10Test, EditCarriesTheStateToTheNewNameAndAddOffersTheNewPlacesButNoPolicyKey) {
    loadWindows10();
    const RegValue disabled = physical(kHkeyCurrentUser, kApproved + "Run", "Chat");
    click("Chat");
    page().editButton.click();
    startup::StartupEntryDialog& dialog = page().dialog();
    dialog.nameBox.setText("Chat 2");
    dialog.saveButton.click();
    EXPECT_EQ(state(kHkeyCurrentUser, "Run", "Chat"), "none");
    EXPECT_EQ(physical(kHkeyCurrentUser, kApproved + "Run", "Chat 2").data, disabled.data);
    EXPECT_NE(list().text(rowOf("Chat 2"), 2).find(kDisabled), std::string::npos);

    page().addButton.click();
    std::vector<std::string> offered;
    for (const auto& row : dialog.locationList.rows()) offered.push_back(row.texts[0]);
    EXPECT_EQ(offered, (std::vector<std::string>{"t116", "t117", "t118", "t119", "t120", "t121", "t122",
                                                 "Run (all users, 32-bit programs)", "RunOnce (all users)",
                                                 "RunOnce (all users, 32-bit programs)", "RunOnce (current user)"}));
    dialog.nameBox.setText("Resume");
    dialog.commandBox.setText("C:\\Setup\\again.exe");
    dialog.locationList.select(9);
    dialog.saveButton.click();
    EXPECT_EQ(formatValue(physical(kHkeyLocalMachine, kWow + "RunOnce", "Resume")), "C:\\Setup\\again.exe");
    EXPECT_LT(rowOf("Resume"), list().rowCount());
}

}  // namespace
}  // namespace startup_test
