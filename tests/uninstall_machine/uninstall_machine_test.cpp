// The uninstall page on a real registry and file system (under Wine) and on the substitutes.
#include <chrono>
#include <thread>

#include "uninstall_machine/uninstall_fixture.h"

namespace uninstall_test {
namespace {

std::uint32_t dword(const std::optional<RegValue>& value) {
    std::uint32_t number = 0;
    for (std::size_t i = 0; value && i < 4 && i < value->data.size(); ++i)
        number |= std::uint32_t(static_cast<unsigned char>(value->data[i])) << (8 * i);
    return number;
}

TEST_F(UninstallMachineTest, Listing_ShowsNamedEntriesInKeyOrderFromThePrimaryKeyElseTheFallback) {
    entry("Alpha", "  Alpha Tool  ");
    text("Uninstall\\Beta", "DisplayName", std::string(3000, 'b'));  // longer than any fixed buffer
    put("Uninstall\\Beta", "UninstallString", kRegExpandSz, std::string("%SystemRoot%\\beta.exe") + '\0');
    entry("Blank", "   ", "blank.exe");
    text("Uninstall\\Quiet", "UninstallString", "quiet.exe");  // no display name at all
    page.list();
    EXPECT_FALSE(page.ntFormListed());
    ASSERT_EQ(programList.rowCount(), 2u);
    EXPECT_EQ(programList.text(0, 0), "Alpha Tool");
    EXPECT_EQ(programList.text(0, 1), "") << "no command is an empty column, not the one before";
    EXPECT_EQ(page.programOfRow(0)->keyName, "Alpha");
    EXPECT_EQ(page.programOfRow(0)->keyPath, key + "\\Uninstall\\Alpha");
    EXPECT_EQ(programList.text(1, 0), std::string(3000, 'b'));
    EXPECT_EQ(programList.text(1, 1), "%SystemRoot%\\beta.exe") << "an expandable text is read as text";
    EXPECT_EQ(programList.row(1).smallIcon, "a");

    testing_support::deleteTree(m.registry, kHkeyCurrentUser, key + "\\Uninstall");
    text("UninstallNT\\Gamma", "DisplayName", "Gamma");
    page.list();
    EXPECT_TRUE(page.ntFormListed());
    EXPECT_EQ(rowNames(), std::vector<std::string>{"Gamma"});
    EXPECT_EQ(page.programOfRow(0)->keyPath, key + "\\UninstallNT\\Gamma");
}

TEST_F(UninstallMachineTest, RemoveEntry_DeletesExactlyTheListedKeyWithItsSubkeysAndItsBackupPutsItBack) {
    entry("Keep", "Keep Me", "keep.exe");
    page.list();
    const std::string withoutTarget = exported();
    // Blanks around the name are part of it: the trimmed name is another key.
    entry(" Target ", "Target App", "\"C:\\target\\un.exe\"");
    text("Uninstall\\ Target \\Parts\\Deeper", "Piece", "1");
    page.list();
    const std::string before = exported();
    select("Target App");
    page.removeSelected();
    ASSERT_NE(page.confirmDialog(), nullptr);
    EXPECT_EQ(page.confirmDialog()->program().keyName, " Target ");
    EXPECT_EQ(page.confirmDialog()->mode(), uninstall::ConfirmMode::RemoveEntry);
    page.confirmDialog()->ok();
    EXPECT_EQ(exported(), withoutTarget);
    EXPECT_FALSE(page.confirmDialog()->window.visible());
    EXPECT_EQ(rebuilds, 1);
    EXPECT_EQ(rowNames(), std::vector<std::string>{"Keep Me"});
    EXPECT_TRUE(desktop.messages.empty());

    const auto sets = backups.list();
    ASSERT_EQ(sets.size(), 1u);
    EXPECT_EQ(sets[0].command, "Remove Entry");
    EXPECT_TRUE(backups.restore(sets[0].folderName).restored);
    EXPECT_EQ(exported(), before);
}

TEST_F(UninstallMachineTest, RemoveEntry_FromTheFallbackKeyRemovesItThere) {
    text("UninstallNT\\Old", "DisplayName", "Old App");
    text("Uninstall2\\Old", "DisplayName", "a look-alike elsewhere");
    page.list();
    select("Old App");
    page.removeSelected();
    page.confirmDialog()->ok();
    EXPECT_FALSE(value("UninstallNT\\Old", "DisplayName"));
    EXPECT_TRUE(value("Uninstall2\\Old", "DisplayName"));
    EXPECT_TRUE(programList.rowCount() == 0);
}

TEST_F(UninstallMachineTest, Uninstall_StartsTheListedCommandInANormalWindowAndTellsWhyAStartFailed) {
    const std::string command = tm->isSubstitute() ? "C:\\tools\\un.exe /x" : "C:\\windows\\system32\\cmd.exe /c exit";
    entry("Real", "Real App", command);
    entry("Gone", "Gone App", "\"" + tm->scratchFolder() + "\\gone\\missing.exe\"");
    page.list();
    select("Real App");
    page.uninstallSelected();
    page.confirmDialog()->ok();
    EXPECT_TRUE(desktop.messages.empty()) << desktop.messages[0].text;
    EXPECT_TRUE(page.confirmDialog()->window.visible()) << "the dialog stays for a second try";
    if (tm->isSubstitute()) {
        auto& recorded = dynamic_cast<RecordedProcesses&>(m.processes);
        ASSERT_EQ(recorded.starts.size(), 1u);
        EXPECT_EQ(recorded.starts[0].commandLine, command);
        EXPECT_EQ(recorded.starts[0].show, ShowState::Normal);
        recorded.startOutcome = kFileNotFound;
    }
    auto& watch = page.confirmDialog()->uninstallerWatch;
    EXPECT_TRUE(watch.running());
    if (tm->isSubstitute()) {
        watch.tick();
        EXPECT_EQ(rebuilds, 0) << "still running";
        dynamic_cast<RecordedProcesses&>(m.processes).endAll();
    }
    for (int waited = 0; waited < 5000 && rebuilds == 0; waited += 50) {
        watch.tick();
        if (rebuilds == 0) std::this_thread::sleep_for(std::chrono::milliseconds(50));
    }
    EXPECT_EQ(rebuilds, 1) << "the ended uninstaller's list is read afresh";
    EXPECT_FALSE(watch.running());
    select("Gone App");
    page.uninstallSelected();
    page.confirmDialog()->ok();
    ASSERT_EQ(desktop.messages.size(), 1u);
    EXPECT_NE(desktop.messages[0].text.find("missing.exe"), std::string::npos);
    EXPECT_NE(desktop.messages[0].text.find("error"), std::string::npos) << desktop.messages[0].text;
}

TEST_F(UninstallMachineTest, BadEntryCheck_AsksOnlyAboutQuotedUninstallersThatAreNotThereAndHidesThoseConfirmed) {
    const std::string s = tm->scratchFolder();
    m.files.writeFile(s + "\\here.exe", "MZ");
    m.files.writeFile(s + "\\hidden.exe", "MZ");
    m.files.setAttributes(s + "\\hidden.exe", kAttrHidden | kAttrSystem);
    m.files.createFolder(s + "\\folder.exe");
    const struct {
        const char* keyName;
        std::string command;
        int questions;
    } cases[] = {
        {"A1", "\"" + s + "\\gone.exe\" /x", 1},
        {"A2", "\"" + s + "\\here.exe\"", 0},
        {"A3", "\"" + s + "\\hidden.exe\"", 0},
        {"A4", "\"" + s + "\\folder.exe\"", 0},
        {"A5", "\"" + s + "\\gone.LoG\"", 0},
        {"A6", "\"a.b\"", 0},
        {"A7", "\"" + s + "\\noextension\"", 0},
        {"A8", s + "\\gone.exe /x", 0},
        {"A9", "\"" + s + "\\one.exe\" \"" + s + "\\two.dll\"", 2},
        {"B1", "\"" + s + "\\bad|name<.exe\"", 0},  // a path the system calls malformed
    };
    for (const auto& c : cases) entry(c.keyName, std::string("Program ") + c.keyName, c.command);
    page.list();
    ASSERT_EQ(programList.rowCount(), 10u);
    desktop.answers = {MessageAnswer::Yes, MessageAnswer::No, MessageAnswer::No};
    page.checkBadEntries();

    std::vector<std::string> asked;
    for (const auto& message : desktop.messages)
        if (message.buttons == MessageButtons::YesNo) asked.push_back(message.text.substr(message.text.rfind('\r') + 1));
    EXPECT_EQ(asked, (std::vector<std::string>{"Program A1", "Program A9", "Program A9"}));
    EXPECT_EQ(page.badEntryCount(), 2) << "the two declined paths are counted as kept";
    ASSERT_FALSE(desktop.messages.empty());
    EXPECT_EQ(desktop.messages.back().buttons, MessageButtons::Ok) << "the summary, since entries were kept";
    EXPECT_FALSE(value("Uninstall\\A1", "DisplayName"));
    EXPECT_FALSE(value("Uninstall\\A1", "UninstallString"));
    EXPECT_TRUE(value("Uninstall\\A9", "DisplayName"));
    EXPECT_EQ(rebuilds, 1);
    EXPECT_EQ(programList.rowCount(), 9u) << "the hidden entry is no longer listed";
    const auto sets = backups.list();
    ASSERT_EQ(sets.size(), 1u);
    EXPECT_EQ(sets[0].entries, 2u);
}

TEST_F(UninstallMachineTest, ProgramInfo_OkWritesOnlyWhatTheUserChangedAndKeepsEachValuesType) {
    const std::string path = "UninstallNT\\App";
    text(path, "DisplayName", "App");
    text(path, "Publisher", "Example Ltd");
    put(path, "EstimatedSize", kRegDword, std::string("\x10\x00\x00\x00", 4));
    put(path, "InstallPath", kRegExpandSz, std::string("%ProgramFiles%\\App") + '\0');
    put(path, "Blob", kRegBinary, std::string("\x01\xff\x00", 3));
    text(path, "Old Name", "old");
    text(path, "Reborn", "first life");
    page.list();
    ASSERT_TRUE(page.ntFormListed());
    select("App");
    page.showProgramInfo();
    uninstall::ProgramInfoDialog& info = *page.programInfoDialog();
    EXPECT_EQ(info.publisherText.caption(), "Example Ltd") << "read from the key the list came from";
    const std::string blobBefore = value(path, "Blob")->data;

    auto rowOf = [&](const std::string& name) {
        for (std::size_t i = 0; i < info.valueList.rowCount(); ++i)
            if (info.valueList.text(i, 0) == name) return i;
        ADD_FAILURE() << name;
        return std::size_t(0);
    };
    EXPECT_EQ(info.valueList.text(rowOf("EstimatedSize"), 1), "16");
    EXPECT_EQ(info.valueList.text(rowOf("Blob"), 1), "01 ff 00");
    info.valueList.clickRow(rowOf("Blob"));
    info.editValue();
    EXPECT_EQ(info.valueDialog(), nullptr) << "raw bytes are not offered for editing as text";
    EXPECT_EQ(desktop.messages.size(), 1u);
    desktop.messages.clear();
    EXPECT_TRUE(info.takeValue(std::string("EstimatedSize"), "EstimatedSize", "many")) << "no number for a number";
    EXPECT_FALSE(info.takeValue(std::string("EstimatedSize"), "EstimatedSize", "4096"));
    EXPECT_FALSE(info.takeValue(std::string("Old Name"), "New Name", "renamed"));
    EXPECT_FALSE(info.takeValue(std::nullopt, "Added", "  kept blanks  "));
    info.valueList.clickRow(rowOf("Reborn"));
    info.deleteValue();
    EXPECT_FALSE(info.takeValue(std::nullopt, "Reborn", "second life"));
    info.ok();
    EXPECT_FALSE(info.window.visible());
    EXPECT_TRUE(desktop.messages.empty()) << desktop.messages[0].text;

    EXPECT_EQ(value(path, "EstimatedSize")->type, kRegDword);
    EXPECT_EQ(dword(value(path, "EstimatedSize")), 4096u);
    EXPECT_EQ(value(path, "InstallPath")->type, kRegExpandSz) << "an unedited row is not written";
    EXPECT_EQ(value(path, "Blob")->data, blobBefore);
    EXPECT_FALSE(value(path, "Old Name")) << "a rename removes the old name";
    EXPECT_EQ(textAt(path, "New Name"), "renamed");
    EXPECT_EQ(value(path, "Added")->type, kRegSz);
    EXPECT_EQ(textAt(path, "Added"), "  kept blanks  ");
    EXPECT_EQ(textAt(path, "Reborn"), "second life") << "deletions go before writes";
    EXPECT_FALSE(value("Uninstall\\App", "Added")) << "nothing written under the other key form";
    ASSERT_EQ(backups.list().size(), 1u);
    EXPECT_EQ(backups.list()[0].command, "Program Info");
}

}  // namespace
}  // namespace uninstall_test
