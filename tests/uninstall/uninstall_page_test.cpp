// The uninstall page in the main window over the Windows XP-style test machine:
// listing, selection, sorting, the commands' dialogs and the busy guard.
#include "shell/main_window_fixture.h"
#include "uninstall/uninstall_command.h"

namespace {

using namespace platform;

constexpr const char* kUninstallKey = "Software\\Microsoft\\windows\\currentversion\\uninstall";

class UninstallPage : public main_window_test::MainWindowTest {
protected:
    UninstallPage() {
        RegFileError error;
        EXPECT_TRUE(pc.loadImage(VANTREL_FIXTURES "/winxp", error)) << error.message;
    }
    void start() { loadWith("english.ini"); }
    uninstall::UninstallPage& tool() { return *form->uninstallPage; }
    ui::ListView& list() { return tool().parts.programList; }
    void plant(const std::string& regText) {
        RegFileError error;
        ASSERT_TRUE(loadRegFile(pc.registry, "REGEDIT4\r\n\r\n" + regText, error)) << error.message;
    }
    std::size_t rowOf(const std::string& name) {
        for (std::size_t i = 0; i < list().rowCount(); ++i)
            if (list().text(i, 0) == name) return i;
        ADD_FAILURE() << name;
        return 0;
    }
    void click(const std::string& name) { list().clickRow(rowOf(name)); }
    std::vector<std::string> names() {
        std::vector<std::string> all;
        for (const auto& row : list().rows()) all.push_back(row.texts[0]);
        return all;
    }
    bool hasKey(const std::string& keyName) {
        Key key = 0;
        if (pc.registry.openKey(kHkeyLocalMachine, std::string(kUninstallKey) + "\\" + keyName, kKeyRead, key)) return false;
        pc.registry.closeKey(key);
        return true;
    }
};

TEST_F(UninstallPage, StartUpListsTheProgramsAndARowClickShowsTheChosenOne) {
    start();
    EXPECT_EQ(names(), (std::vector<std::string>{"Image Viewer 4", "Stale Tool 1.0", "Mail Checker"}));
    EXPECT_FALSE(tool().ntFormListed());
    click("Stale Tool 1.0");
    EXPECT_EQ(tool().selectedRow(), 2);
    EXPECT_EQ(form->selectedProgramLabel.caption(), "Stale Tool 1.0");
    EXPECT_TRUE(tool().parts.selectionPicture.visible());
    tool().parts.refreshButton.click();
    EXPECT_EQ(tool().selectedRow(), 0);
    EXPECT_EQ(list().rowCount(), 3u);
}

TEST_F(UninstallPage, HeaderClicksCycleAndTheCommandsFollowTheChosenProgram) {
    start();
    click("Stale Tool 1.0");
    list().clickColumn(1);
    EXPECT_EQ(names(), (std::vector<std::string>{"Stale Tool 1.0", "Mail Checker", "Image Viewer 4"}))
        << "the first click sorts the first column descending";
    EXPECT_EQ(tool().selectedRow(), 1);
    list().clickColumn(1);
    EXPECT_EQ(names(), (std::vector<std::string>{"Image Viewer 4", "Stale Tool 1.0", "Mail Checker"}))
        << "the next sorts the clicked column ascending";
    list().clickColumn(0);
    EXPECT_EQ(names(), (std::vector<std::string>{"Mail Checker", "Stale Tool 1.0", "Image Viewer 4"}))
        << "then descending by that same column";
    EXPECT_FALSE(list().sorted()) << "rows added later are not sorted";
    tool().parts.removeEntryButton.click();
    EXPECT_EQ(tool().confirmDialog()->programLabel.caption(), "Stale Tool 1.0");
    tool().confirmDialog()->okButton.click();
    EXPECT_FALSE(hasKey("StaleTool"));
    EXPECT_TRUE(hasKey("ImageViewer"));
    EXPECT_EQ(names(), (std::vector<std::string>{"Image Viewer 4", "Mail Checker"}));
}

TEST_F(UninstallPage, ANewListingKeepsTheChosenProgramChosenWhereverItsRowGoes) {
    plant("[HKEY_LOCAL_MACHINE\\" + std::string(kUninstallKey) + "\\Added]\r\n\"DisplayName\"=\"Added Later\"\r\n");
    start();
    click("Mail Checker");
    list().clickColumn(0);
    tool().list();
    EXPECT_EQ(tool().selectedRow(), static_cast<int>(rowOf("Mail Checker")) + 1);
    tool().parts.removeEntryButton.click();
    EXPECT_EQ(tool().confirmDialog()->program().keyPath, std::string(kUninstallKey) + "\\{6B3F0C2E-1D7A-4C59-9E2B-8A4F00C1D2E3}");
}

TEST_F(UninstallPage, EachOpeningOfTheConfirmationSetsWhatItsOkDoes) {
    start();
    click("Image Viewer 4");
    tool().parts.removeEntryButton.click();
    auto& dialog = *tool().confirmDialog();
    EXPECT_EQ(dialog.questionLabel.caption(), form->language.text(50));
    tool().parts.uninstallButton.click();
    EXPECT_EQ(dialog.questionLabel.caption(), form->language.text(54));
    dialog.okButton.click();
    EXPECT_TRUE(hasKey("ImageViewer")) << "an Uninstall's OK deletes nothing";
    ASSERT_EQ(pc.processes.starts.size(), 1u);
    EXPECT_EQ(pc.processes.starts[0].commandLine, "\"C:\\Program Files\\Image Viewer\\uninstall.exe\"");
    EXPECT_EQ(pc.processes.starts[0].show, ShowState::Normal);
}

TEST_F(UninstallPage, CommandsWithNothingChosenDoNothing) {
    start();
    tool().parts.uninstallButton.click();
    tool().parts.removeEntryButton.click();
    tool().parts.programInfoButton.click();
    EXPECT_EQ(tool().confirmDialog(), nullptr);
    EXPECT_EQ(tool().programInfoDialog(), nullptr);
}

TEST_F(UninstallPage, AnUnquotedCommandWithBlanksRunsTheProgramItNames) {
    writeFile("Program Files/Image Viewer/un inst.exe", "MZ");
    const struct {
        const char *command, *started;
    } cases[] = {
        {"C:\\Program Files\\Image Viewer\\un inst.exe /x", "\"C:\\Program Files\\Image Viewer\\un inst.exe\" /x"},
        {"C:\\Program Files\\Image Viewer\\un inst.exe", "\"C:\\Program Files\\Image Viewer\\un inst.exe\""},
        {"C:\\Program Files\\Stale Tool\\remove.exe /x", "C:\\Program Files\\Stale Tool\\remove.exe /x"},
        {"\"C:\\Program Files\\Image Viewer\\uninstall.exe\" /x", "\"C:\\Program Files\\Image Viewer\\uninstall.exe\" /x"},
        {"MsiExec.exe /X{6B3F}", "MsiExec.exe /X{6B3F}"},
        {"C:\\Program Files\\Image Viewer\\un inst.exer", "C:\\Program Files\\Image Viewer\\un inst.exer"},
    };
    for (const auto& c : cases) EXPECT_EQ(uninstall::commandLineToStart(c.command, pc.files), c.started) << c.command;
}

TEST_F(UninstallPage, AnExpandableCommandStartsWithItsReferencesExpanded) {
    plant("[HKEY_LOCAL_MACHINE\\" + std::string(kUninstallKey) +
          "\\Tools]\r\n\"DisplayName\"=\"Tools\"\r\n\"UninstallString\"=hex(2):25,54,25,5c,75,2e,65,78,65,00\r\n");
    start();
    pc.processes.environment = {{"T", "C:\\Tools"}};
    click("Tools");
    EXPECT_EQ(list().text(rowOf("Tools"), 1), "%T%\\u.exe");
    tool().parts.uninstallButton.click();
    tool().confirmDialog()->okButton.click();
    ASSERT_EQ(pc.processes.starts.size(), 1u);
    EXPECT_EQ(pc.processes.starts[0].commandLine, "C:\\Tools\\u.exe");
    pc.processes.environment = {{"B", "b"}};
    EXPECT_EQ(pc.processes.expandEnvironment("%A%%B%%C%x%"), "%A%b%C%x%");
}

TEST_F(UninstallPage, ARemovalOfAKeyNameThatIsNoSingleKeyRemovesNothingAndSaysSo) {
    start();
    for (const char* keyName : {"   ", "ImageViewer\\..\\StaleTool", ""}) {
        uninstall::InstalledProgram bad;
        bad.name = "Bad";
        bad.keyName = keyName;
        bad.keyPath = std::string(kUninstallKey) + "\\" + keyName;
        tool().removeEntry(bad);
        EXPECT_EQ(pc.desktop.messages.back().text, form->language.text(165));
    }
    EXPECT_TRUE(hasKey("ImageViewer"));
    EXPECT_TRUE(hasKey("StaleTool"));
    EXPECT_TRUE(form->backups.list().empty());
}

TEST_F(UninstallPage, WhileTheListingWalksThePageButtonsRestAndAPageSwitchStopsIt) {
    bool disabledDuringWalk = false;
    int yields = 0;
    pc.desktop.onYield = [&] {
        disabledDuringWalk = !tool().parts.programInfoButton.enabled() && !tool().parts.uninstallButton.enabled();
        if (++yields == 1) form->showStartupPage();
    };
    start();
    EXPECT_TRUE(disabledDuringWalk);
    EXPECT_EQ(list().rowCount(), 0u) << "the stopped walk leaves the list alone";
    EXPECT_TRUE(tool().parts.programInfoButton.enabled());
    pc.desktop.onYield = nullptr;
    form->showUninstallPage();
    EXPECT_EQ(list().rowCount(), 3u);
}

TEST_F(UninstallPage, ABadEntryCheckStoppedByAPageSwitchAsksNoMoreAndChangesNothing) {
    start();
    // Once: the startup page's own listing yields too.
    pc.desktop.onYield = [&] {
        pc.desktop.onYield = nullptr;
        form->showStartupPage();
    };
    tool().parts.checkBadEntriesButton.click();
    EXPECT_TRUE(pc.desktop.messages.empty());
    EXPECT_TRUE(form->startupPage.list.visible()) << "no rebuild takes the user back";
    EXPECT_TRUE(hasKey("ImageViewer"));
}

TEST_F(UninstallPage, TenThousandProgramsAreListedAndSortedWhole) {
    std::string reg;
    for (int i = 0; i < 10000; ++i) {
        reg += "[HKEY_LOCAL_MACHINE\\";
        reg += kUninstallKey;
        reg += "\\P" + std::to_string(i) + "]\r\n\"DisplayName\"=\"Program " + std::to_string(i) + "\"\r\n";
    }
    plant(reg);
    start();
    EXPECT_EQ(list().rowCount(), 10003u);
    list().clickColumn(0);
    EXPECT_EQ(list().text(0, 0), "Stale Tool 1.0");
    EXPECT_EQ(list().text(1, 0), "Program 9999");
    EXPECT_EQ(list().text(10002, 0), "Image Viewer 4");
}

class ProgramInfo : public UninstallPage {
protected:
    uninstall::ProgramInfoDialog& open(const std::string& name) {
        start();
        click(name);
        tool().parts.programInfoButton.click();
        return *tool().programInfoDialog();
    }
};

TEST_F(ProgramInfo, ShowsTheEntrysValuesPublisherAndHomePage) {
    auto& info = open("Image Viewer 4");
    EXPECT_TRUE(info.window.visible());
    EXPECT_EQ(info.programNameLabel.caption(), "Image Viewer 4");
    EXPECT_EQ(info.publisherText.caption(), "Example Imaging");
    EXPECT_EQ(info.homePageText.caption(), "http://www.example.org/imageviewer");
    EXPECT_EQ(info.valueList.rowCount(), 6u) << "no empty row the key does not have";
    EXPECT_EQ(info.window.title(), form->language.text(58));
    info.publisherCaption.click();
    EXPECT_EQ(pc.processes.addresses, std::vector<std::string>{"http://www.example.org/imageviewer"});
}

TEST_F(ProgramInfo, TheHomePageLinkOpensOnlyAddresses) {
    plant("[HKEY_LOCAL_MACHINE\\" + std::string(kUninstallKey) +
          "\\Odd]\r\n\"DisplayName\"=\"Odd\"\r\n\"URLInfoAbout\"=\"C:\\\\WINDOWS\\\\NOTEPAD.EXE\"\r\n");
    auto& info = open("Odd");
    info.homePageText.click();
    EXPECT_TRUE(pc.processes.addresses.empty());
    EXPECT_TRUE(pc.processes.starts.empty());
    ASSERT_EQ(pc.desktop.messages.size(), 1u);
    EXPECT_EQ(pc.desktop.messages[0].text, form->language.text(94) + "\r" + "C:\\WINDOWS\\NOTEPAD.EXE");
    EXPECT_EQ(pc.desktop.messages[0].title, form->language.text(101));
}

TEST_F(ProgramInfo, TheValueDialogRefusesEmptyFieldsAddsInARowAndFollowsItsValueByName) {
    auto& info = open("Image Viewer 4");
    info.addButton.click();
    uninstall::ValueDialog& values = *info.valueDialog();
    values.nameBox.setText("Comment");
    values.saveButton.click();
    EXPECT_EQ(values.window.title(), form->language.text(115));
    EXPECT_EQ(pc.desktop.messages.back().text, form->language.text(115));
    for (const char* name : {"One", "Two"}) {
        values.nameBox.setText(name);
        values.dataBox.setText("x");
        values.saveButton.click();
        EXPECT_EQ(values.nameBox.text(), "");
    }
    EXPECT_EQ(info.valueList.rowCount(), 8u);
    EXPECT_TRUE(values.window.visible()) << "Add stays open for the next value";

    info.valueList.clickRow(1);
    const std::string edited = info.valueList.text(1, 0);
    info.editButton.click();
    EXPECT_EQ(values.nameBox.text(), edited);
    info.valueList.clickRow(1);
    info.deleteButton.click();
    EXPECT_FALSE(values.window.visible()) << "the value it edited is gone, so it can change no other";
    info.cancelButton.click();
    EXPECT_FALSE(info.window.visible());
    EXPECT_TRUE(form->backups.list().empty()) << "Cancel touches nothing";
}

}  // namespace
