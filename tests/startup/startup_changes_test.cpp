// Disable, Enable and Delete: what moves where, byte for byte, through a backup set.
#include "startup/startup_fixture.h"

namespace startup_test {
namespace {

using startup::kParkedFolderKey;
using startup::kParkedRunKey;
using startup::kParkedTargetKey;
using startup::kRunKey;
using startup::kRunKeyNt;

struct RegistryCase {
    const char* label;
    Key root;
    const char* live;
    const char* parked;
    std::uint32_t type;
    std::string data;
};

TEST_F(StartupTest, DisableThenEnable_RegistryEntriesComeBackByteForByte) {
    loadImage("win98");
    std::string longCommand = "C:\\Program Files\\Long\\app.exe ";
    longCommand.append(1500, 'x');
    const RegistryCase cases[] = {
        {"expand", kHkeyLocalMachine, kRunKey, kParkedRunKey, kRegExpandSz, std::string("%windir%\\e.exe\0", 15)},
        {"long", kHkeyCurrentUser, kRunKey, kParkedRunKey, kRegSz, longCommand + '\0'},
        {"ansi \xe9t\xe9", kHkeyLocalMachine, startup::kRunServicesKey, startup::kParkedRunServicesKey, kRegSz,
         std::string("C:\\caf\xe9\\a.exe\0", 15)},
        {"no zero", kHkeyCurrentUser, kRunKey, kParkedRunKey, kRegSz, "C:\\old.exe"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.label);
        put(c.root, c.live, c.label, c.type, c.data);
        showPage();
        click(c.label);
        page().disableButton.click();
        EXPECT_FALSE(hasValue(c.root, c.live, c.label));
        const auto parked = value(c.root, c.parked, c.label);
        EXPECT_EQ(parked.type, c.type);
        EXPECT_EQ(parked.data, c.data);
        const std::size_t row = rowOf(c.label, false);
        ASSERT_LT(row, list().rowCount());
        EXPECT_EQ(list().row(row).smallIcon, "b");
        EXPECT_EQ(list().text(row, 1), formatValue({c.type, c.data}));
        EXPECT_EQ(entryOf(c.label, false).value.data, c.data) << "the record holds the bytes as read";
        EXPECT_LT(rowOf("Clipper"), row) << "parked entries follow the live ones";
        page().enableButton.click();
        EXPECT_FALSE(hasValue(c.root, c.parked, c.label));
        const std::string ntForm = c.live == std::string(kRunKey) ? kRunKeyNt : startup::kRunServicesKeyNt;
        for (const std::string& form9xNt : {std::string(c.live), ntForm}) {
            const auto back = value(c.root, form9xNt, c.label);
            EXPECT_EQ(back.type, c.type) << form9xNt;
            EXPECT_EQ(back.data, c.data) << form9xNt;
        }
        EXPECT_LT(rowOf(c.label, true), list().rowCount());
    }
    EXPECT_TRUE(pc.desktop.messages.empty()) << pc.desktop.messages.front().text;
}

TEST_F(StartupTest, DisableThenEnable_WinIniAndFolderEntriesComeBackWhole) {
    loadImage("win98");
    const std::string folder = "WINDOWS/Anna/programs/startup/";
    ShellLink link;
    link.target = "C:\\TOOLS\\clock.exe";
    link.arguments = "/min";
    pc.shortcuts.write("C:\\WINDOWS\\Anna\\programs\\startup\\Clock.lnk", link);
    writeFile(folder + "run me.cmd", "@echo off");
    pc.files.setAttributes("C:\\WINDOWS\\Anna\\programs\\startup\\run me.cmd", kAttrReadOnly);
    const std::string lnk = hostText(folder + "Clock.lnk");
    showPage();
    const std::string runText = winIni("run");
    for (const std::string& name : {runText, std::string("Clock"), std::string("run me")}) {
        SCOPED_TRACE(name);
        click(name);
        page().disableButton.click();
        EXPECT_LT(rowOf(name, false), list().rowCount());
        EXPECT_EQ(rowOf(name, true), list().rowCount());
        click(name, false);
        page().enableButton.click();
        EXPECT_LT(rowOf(name, true), list().rowCount());
        EXPECT_EQ(rowOf(name, false), list().rowCount());
    }
    EXPECT_EQ(winIni("run"), runText);
    EXPECT_EQ(winIni("rundisabled"), "");
    EXPECT_EQ(hostText(folder + "Clock.lnk"), lnk);
    EXPECT_EQ(hostText(folder + "run me.cmd"), "@echo off");
    std::uint32_t attributes = 0;
    pc.files.getAttributes("C:\\WINDOWS\\Anna\\programs\\startup\\run me.cmd", attributes);
    EXPECT_TRUE(attributes & kAttrReadOnly) << "the file keeps its attributes";
    EXPECT_FALSE(hasValue(kHkeyLocalMachine, kParkedFolderKey, "Clock"));
    EXPECT_FALSE(hasValue(kHkeyLocalMachine, kParkedTargetKey, "run me"));
    EXPECT_FALSE(hostExists("Vantrel/startupfolder/Clock.lnk"));
    EXPECT_TRUE(pc.desktop.messages.empty()) << pc.desktop.messages.front().text;
}

TEST_F(StartupTest, Disable_ParksTheFileWithItsRecordsAndARestoreUndoesIt) {
    loadImage("win98");
    showPage();
    click("notes");
    page().disableButton.click();
    EXPECT_FALSE(hostExists("WINDOWS/Anna/programs/startup/notes.txt"));
    EXPECT_TRUE(hostExists("Vantrel/startupfolder/notes.txt"));
    EXPECT_EQ(text(kHkeyLocalMachine, kParkedFolderKey, "notes"),
              "C:\\WINDOWS\\Anna\\programs\\startup");
    const auto sets = form->backups.list();
    ASSERT_EQ(sets.size(), 1u);
    EXPECT_EQ(sets[0].command, "Startup disable");
    ASSERT_TRUE(form->backups.restore(sets[0].folderName).restored);
    EXPECT_TRUE(hostExists("WINDOWS/Anna/programs/startup/notes.txt"));
    EXPECT_FALSE(hostExists("Vantrel/startupfolder/notes.txt"));
    EXPECT_FALSE(hasValue(kHkeyLocalMachine, kParkedFolderKey, "notes"));
    EXPECT_FALSE(hasValue(kHkeyLocalMachine, kParkedTargetKey, "notes"));
}

TEST_F(StartupTest, Disable_ANameAlreadyParkedAsksAndNoChangesNothing) {
    loadImage("win98");
    put(kHkeyLocalMachine, kParkedRunKey, "TaskMonitor", kRegSz, std::string("C:\\older.exe\0", 13));
    writeFile("WINDOWS/Start Menu/Programs/StartUp/notes.txt", "second");
    showPage();
    answer({MessageAnswer::No, MessageAnswer::No});
    click("TaskMonitor");
    page().disableButton.click();
    EXPECT_TRUE(hasValue(kHkeyLocalMachine, kRunKey, "TaskMonitor"));
    EXPECT_EQ(text(kHkeyLocalMachine, kParkedRunKey, "TaskMonitor"), "C:\\older.exe");
    list().clickRow(rowOf("notes"));  // the first of the two same-named files
    page().disableButton.click();
    list().clickRow(rowOf("notes"));  // the other one: parking it would replace the first
    page().disableButton.click();
    ASSERT_EQ(pc.desktop.messages.size(), 2u);
    EXPECT_EQ(pc.desktop.messages[1].buttons, MessageButtons::YesNo);
    EXPECT_EQ(hostText("WINDOWS/Start Menu/Programs/StartUp/notes.txt"), "second");
    EXPECT_NE(hostText("Vantrel/startupfolder/notes.txt"), "second") << "the first parked copy stays";
}

TEST_F(StartupTest, Disable_WithoutAChoiceOrOfAParkedEntrySaysSoAndChangesNothing) {
    loadImage("win98");
    put(kHkeyCurrentUser, kParkedRunKey, "Parked", kRegSz, std::string("C:\\p.exe\0", 9));
    showPage();
    page().disableButton.click();
    click("Parked", false);
    page().disableButton.click();
    click("Clipper");
    page().enableButton.click();
    ASSERT_EQ(pc.desktop.messages.size(), 3u);
    EXPECT_EQ(pc.desktop.messages[0].title, "No application");
    EXPECT_EQ(pc.desktop.messages[0].text, "t090\rt104");
    EXPECT_EQ(pc.desktop.messages[1].text, "t092");
    EXPECT_EQ(pc.desktop.messages[2].text, "t105");
    EXPECT_TRUE(form->backups.list().empty());
}

TEST_F(StartupTest, Delete_RemovesOnlyWhatTheRowShows) {
    loadImage("win98");
    put(kHkeyCurrentUser, kParkedRunKey, "Clipper", kRegSz, std::string("C:\\parked.exe\0", 14));
    writeFile("WINDOWS/Start Menu/Programs/StartUp/notes.lnk", "not really a link");
    pc.profile.writeString("windows", "rundisabled", "C:\\parked\\clock.exe", "C:\\WINDOWS\\win.ini");
    showPage();
    answer({MessageAnswer::Yes, MessageAnswer::Yes, MessageAnswer::Yes, MessageAnswer::Yes});
    for (auto [name, active] : {std::pair<std::string, bool>{"Clipper", false}, {"notes", true},
                                {"C:\\parked\\clock.exe", false}, {"TaskMonitor", true}}) {
        const std::size_t row = rowOf(name, active);
        ASSERT_LT(row, list().rowCount()) << name;
        list().clickRow(row);
        page().deleteButton.click();
    }
    EXPECT_FALSE(hasValue(kHkeyCurrentUser, kParkedRunKey, "Clipper"));
    EXPECT_TRUE(hasValue(kHkeyCurrentUser, kRunKey, "Clipper")) << "the live entry of the same name stays";
    EXPECT_FALSE(hostExists("WINDOWS/Anna/programs/startup/notes.txt"));
    EXPECT_TRUE(hostExists("WINDOWS/Start Menu/Programs/StartUp/notes.lnk"));
    EXPECT_EQ(winIni("rundisabled"), "");
    EXPECT_EQ(winIni("run"), "C:\\TOOLS\\clock.exe");
    EXPECT_FALSE(hasValue(kHkeyLocalMachine, kRunKey, "TaskMonitor"));
    EXPECT_EQ(form->backups.list().size(), 4u);
}

TEST_F(StartupTest, Delete_ParkedFolderEntryTakesItsCopyAndRecordsAndANoStillRebuilds) {
    loadImage("win98");
    showPage();
    click("notes");
    page().disableButton.click();
    click("notes", false);
    answer({MessageAnswer::Yes});
    page().deleteButton.click();
    EXPECT_FALSE(hostExists("Vantrel/startupfolder/notes.txt"));
    EXPECT_FALSE(hasValue(kHkeyLocalMachine, kParkedFolderKey, "notes"));
    EXPECT_FALSE(hasValue(kHkeyLocalMachine, kParkedTargetKey, "notes"));
    EXPECT_EQ(rowOf("notes", false), list().rowCount());

    click("Clipper");
    page().enableButton.click();  // a message only
    list().setSelected(rowOf("TaskMonitor"), true);
    list().setSelected(rowOf("Clipper"), true);
    answer({MessageAnswer::Yes, MessageAnswer::No});
    page().deleteButton.click();
    EXPECT_FALSE(hasValue(kHkeyLocalMachine, kRunKey, "TaskMonitor"));
    EXPECT_TRUE(hasValue(kHkeyCurrentUser, kRunKey, "Clipper"));
    EXPECT_EQ(rowOf("TaskMonitor"), list().rowCount()) << "rebuilt after the No";
}

TEST_F(StartupTest, Delete_APageSwitchEndsTheWalkWithoutComingBack) {
    loadImage("win98");
    showPage();
    list().setSelected(rowOf("TaskMonitor"), true);
    list().setSelected(rowOf("Clipper"), true);
    pc.desktop.onYield = [&] {
        pc.desktop.onYield = nullptr;
        form->showScannerPage();
    };
    answer({MessageAnswer::Yes, MessageAnswer::Yes});
    page().deleteButton.click();
    EXPECT_TRUE(pc.desktop.messages.empty()) << "no question after the switch";
    EXPECT_TRUE(hasValue(kHkeyLocalMachine, kRunKey, "TaskMonitor"));
    EXPECT_TRUE(form->categoryList.visible());
}

}  // namespace
}  // namespace startup_test
