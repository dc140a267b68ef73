// Add and Edit through the dialog: where each location writes, what an edit keeps and removes.
#include "startup/startup_fixture.h"
#include "startup/shortcut_writer.h"

namespace startup_test {
namespace {

using startup::kRunKey;

class StartupDialogTest : public StartupTest {
protected:
    startup::StartupEntryDialog& dialog() { return page().dialog(); }
    void fill(const std::string& name, const std::string& command, int location) {
        dialog().nameBox.setText(name);
        dialog().commandBox.setText(command);
        dialog().locationList.select(static_cast<std::size_t>(location - 1));
    }
    void add(const std::string& name, const std::string& command, int location) {
        page().addButton.click();
        fill(name, command, location);
        dialog().saveButton.click();
    }
    void addAtWinIni(const std::string& image, bool nt) {
        loadImage(image);
        const std::string fileBefore = hostText("WINDOWS/win.ini");
        showPage();
        add("x", "C:\\added.exe", 4);
        EXPECT_EQ(hostText("WINDOWS/win.ini") == fileBefore, nt);
        EXPECT_EQ(hasValue(kHkeyCurrentUser, "Software\\Microsoft\\Windows NT\\CurrentVersion\\Windows", "run"), nt);
        EXPECT_NE(winIni("run").find("C:\\added.exe"), std::string::npos);
    }
};

TEST_F(StartupDialogTest, Add_WritesWhereWindowsReadsForEveryLocation) {
    loadImage("winxp");
    showPage();
    add("MachineTool", "C:\\m.exe", 1);
    add("UserTool", "C:\\u.exe", 2);
    add("Service", "C:\\s.exe", 3);
    add("ignored", "C:\\r.exe", 4);
    add("ignored", "C:\\l.exe", 5);
    add("Mine", "C:\\Tools\\app.exe /min", 6);
    add("Ours", "\"C:\\Program Files\\o.exe\" -x", 7);
    EXPECT_EQ(formatValue(value(kHkeyLocalMachine, kRunKey, "MachineTool")), "C:\\m.exe");
    EXPECT_EQ(value(kHkeyLocalMachine, kRunKey, "MachineTool").data, std::string("C:\\m.exe\0", 9));
    EXPECT_EQ(formatValue(value(kHkeyCurrentUser, kRunKey, "UserTool")), "C:\\u.exe");
    EXPECT_EQ(formatValue(value(kHkeyLocalMachine, startup::kRunServicesKey, "Service")), "C:\\s.exe");
    EXPECT_EQ(winIni("run"), "C:\\r.exe");
    EXPECT_EQ(winIni("load"), "C:\\Program Files\\Mail Checker\\mailchk.exe C:\\l.exe") << "added beside the old";
    ShellLink mine, ours;
    ASSERT_EQ(pc.shortcuts.read("C:\\Documents and Settings\\Anna\\Start Menu\\Programs\\Startup\\Mine.lnk", mine),
              kSuccess);
    EXPECT_EQ(mine.target, "C:\\Tools\\app.exe");
    EXPECT_EQ(mine.arguments, "/min");
    EXPECT_EQ(mine.workingFolder, "C:\\Tools\\");
    EXPECT_EQ(mine.iconPath, "C:\\Tools\\app.exe");
    EXPECT_EQ(mine.description, "Access Shortcut");
    EXPECT_EQ(mine.showCommand, kShowNormal);
    ASSERT_EQ(pc.shortcuts.read("C:\\Documents and Settings\\All Users\\Start Menu\\Programs\\Startup\\Ours.lnk", ours),
              kSuccess);
    EXPECT_EQ(ours.target, "C:\\Program Files\\o.exe");
    EXPECT_EQ(ours.arguments, "-x");
    EXPECT_FALSE(dialog().window.visible());
    EXPECT_LT(rowOf("Mine"), list().rowCount());
    EXPECT_EQ(form->backups.list().size(), 7u);
    EXPECT_TRUE(pc.desktop.messages.empty()) << pc.desktop.messages.front().text;
}

// The 9x family reads win.ini itself; the NT family keeps its [windows] section in the registry.

TEST_F(StartupDialogTest, Add_AtWinIniWritesTheFileOn9x) { addAtWinIni("win98", false); }
TEST_F(StartupDialogTest, Add_AtWinIniWritesTheRegistryOnNt) { addAtWinIni("winxp", true); }

TEST_F(StartupDialogTest, Save_RefusesEmptyAndUnsafeNamesAndKeepsTheDialogOpen) {
    loadImage("winxp");
    showPage();
    for (const char* name : {"  ", "..\\evil", "a/b", "c:d", "what?", "x|y"}) {
        add(name, "C:\\x.exe", 6);
        EXPECT_TRUE(dialog().window.visible()) << name;
    }
    add("Tool", "   ", 1);
    ASSERT_EQ(pc.desktop.messages.size(), 7u);
    EXPECT_EQ(pc.desktop.messages[0].text, "t082");
    EXPECT_EQ(pc.desktop.messages[1].text.rfind("A shortcut's name may not", 0), 0u);
    EXPECT_EQ(pc.desktop.messages[6].text, "t082");
    EXPECT_TRUE(form->backups.list().empty());
    dialog().cancelButton.click();
    EXPECT_FALSE(dialog().window.visible());
    EXPECT_EQ(form->searchBox.text(), "0");
}

TEST_F(StartupDialogTest, Edit_RemovesTheEntryItWasOpenedOnAfterTheNewPlaceStands) {
    loadImage("winxp");
    showPage();
    click("MailCheck");
    page().editButton.click();
    EXPECT_EQ(dialog().window.title(), "t113");
    EXPECT_EQ(dialog().nameBox.text(), "MailCheck");
    EXPECT_EQ(dialog().location(), 2);
    click("MissingHelper");  // the list moves on; the dialog keeps its entry
    fill("Mail", "C:\\mail.exe", 1);
    dialog().saveButton.click();
    EXPECT_FALSE(hasValue(kHkeyCurrentUser, kRunKey, "MailCheck"));
    EXPECT_TRUE(hasValue(kHkeyLocalMachine, kRunKey, "MissingHelper"));
    EXPECT_EQ(formatValue(value(kHkeyLocalMachine, kRunKey, "Mail")), "C:\\mail.exe");

    click("C:\\Program Files\\Mail Checker\\mailchk.exe");
    page().editButton.click();
    EXPECT_EQ(dialog().location(), 5);
    fill("x", "C:\\new.exe", 5);
    dialog().saveButton.click();
    EXPECT_EQ(winIni("load"), "C:\\new.exe") << "editing the key replaces its text";

    click("Mail");
    page().editButton.click();
    fill("Mail", "C:\\mail.exe", 6);
    dialog().saveButton.click();
    EXPECT_FALSE(hasValue(kHkeyLocalMachine, kRunKey, "Mail")) << "moved, not copied";
    EXPECT_TRUE(hostExists("Documents and Settings/Anna/Start Menu/Programs/Startup/Mail.lnk"));
}

TEST_F(StartupDialogTest, Edit_OfAShortcutKeepsItsOwnFieldsAndItsFolder) {
    loadImage("winxp");
    ShellLink link;
    link.target = "C:\\Tools\\app.exe";
    link.arguments = "/tray";
    link.workingFolder = "D:\\Work";
    link.iconPath = "C:\\icons.dll";
    link.iconIndex = 3;
    link.showCommand = kShowMinNoActive;
    link.hotkey = 0x0654;  // Ctrl+Shift+T
    const std::string folder = "C:\\Documents and Settings\\All Users\\Start Menu\\Programs\\Startup\\";
    pc.shortcuts.write(folder + "App.lnk", link);
    showPage();
    click("App");
    page().editButton.click();
    EXPECT_EQ(dialog().location(), 7);
    dialog().nameBox.setText("Renamed");
    dialog().saveButton.click();
    ShellLink back;
    ASSERT_EQ(pc.shortcuts.read(folder + "Renamed.lnk", back), kSuccess);
    EXPECT_EQ(back.arguments, "/tray");
    EXPECT_EQ(back.workingFolder, "D:\\Work");
    EXPECT_EQ(back.iconPath, "C:\\icons.dll");
    EXPECT_EQ(back.iconIndex, 3);
    EXPECT_EQ(back.showCommand, kShowMinNoActive);
    EXPECT_EQ(back.hotkey, 0x0654);
    EXPECT_FALSE(hostExists("Documents and Settings/All Users/Start Menu/Programs/Startup/App.lnk"));
}

TEST_F(StartupDialogTest, Add_WhileEditingResetsEveryFieldAndAnExistingNameAsks) {
    loadImage("winxp");
    showPage();
    click("MailCheck");
    page().editButton.click();
    page().addButton.click();
    EXPECT_FALSE(dialog().editedEntry());
    EXPECT_EQ(dialog().nameBox.text(), "");
    EXPECT_EQ(dialog().location(), 1);
    fill("MissingHelper", "C:\\other.exe", 1);
    answer({MessageAnswer::No});
    dialog().saveButton.click();
    EXPECT_TRUE(dialog().window.visible());
    EXPECT_EQ(formatValue(value(kHkeyLocalMachine, kRunKey, "MissingHelper")),
              "C:\\Program Files\\Helper\\helper.exe");
    EXPECT_TRUE(hasValue(kHkeyCurrentUser, kRunKey, "MailCheck"));
}

TEST_F(StartupDialogTest, Browse_TakesOnlyPrograms) {
    loadImage("winxp");
    showPage();
    page().addButton.click();
    dialog().nameBox.setText("Tool");
    pc.desktop.fileChoices = {std::string("C:\\notes.txt"), std::string("C:\\TOOLS\\APP.EXE"), std::nullopt};
    dialog().browseButton.click();
    EXPECT_EQ(dialog().nameBox.text(), "");
    dialog().browseButton.click();
    dialog().browseButton.click();
    EXPECT_EQ(dialog().commandBox.text(), "C:\\TOOLS\\APP.EXE");
    ASSERT_EQ(pc.desktop.messages.size(), 1u);
    EXPECT_EQ(pc.desktop.messages[0].text, "Please Only EXE files");
}

TEST(ShortcutWriter, SplitsACommandIntoProgramAndArguments) {
    std::filesystem::path root = testing_support::makeTempFolder("vantrel-split");
    platform::HostFiles files("C:\\");
    files.mapDrive('C', root);
    std::filesystem::create_directories(root / "Program Files/My App");
    std::ofstream(root / "Program Files/My App/run.exe") << "MZ";
    const struct {
        const char* command;
        const char* program;
        const char* arguments;
    } cases[] = {
        {"C:\\Tools\\app.exe /min", "C:\\Tools\\app.exe", "/min"},
        {"C:\\Program Files\\My App\\run.exe --quiet now", "C:\\Program Files\\My App\\run.exe", "--quiet now"},
        {"\"C:\\Program Files\\x.exe\" -a", "C:\\Program Files\\x.exe", "-a"},
        {"C:\\no extension here", "C:\\no extension here", ""},
        {"  C:\\plain.exe  ", "C:\\plain.exe", ""},
    };
    for (const auto& c : cases) {
        const auto parts = startup::splitCommand(files, c.command);
        EXPECT_EQ(parts.program, c.program) << c.command;
        EXPECT_EQ(parts.arguments, c.arguments) << c.command;
    }
    std::filesystem::remove_all(root);
}

}  // namespace
}  // namespace startup_test
