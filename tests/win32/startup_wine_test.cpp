// The startup tool on the real registry, profile functions and shell-link
// object: each round trip compared byte for byte, shortcuts read back by the
// shell's own object and by the codec.
#include <gtest/gtest.h>

#include "platform/reg_file.h"
#include "platform/scripted_desktop.h"
#include "platform/shell_link_codec.h"
#include "platform/registry_key.h"
#include "startup/startup_page.h"
#include "support/test_machine.h"
#include "win32/win32_services.h"

namespace {

using namespace platform;
using startup::kRunKey;

constexpr const char* kTestName = "Vantrel Wine Test";

class StartupWine : public ::testing::Test {
protected:
    StartupWine()
        : tm(testing_support::makeTestMachine()),
          machine{real.registry, real.profile, real.files, real.processes, real.shortcuts, desktop},
          store(real.registry, real.profile, real.files),
          backups(machine, tm->scratchFolder() + "\\Backups"),
          language(store, real.files, [] { return std::string("english.ini"); }),
          label("label", {}),
          search("search", {}),
          page(startup::StartupPageHost{label, search, [] { return std::uint64_t{1}; }, [this] { page.listEntries(); }},
               startup::ChangeServices{machine, store, backups, language}),
          list(page.list) {}
    ~StartupWine() override {
        for (Key root : {kHkeyCurrentUser, kHkeyLocalMachine})
            for (const char* key : {kRunKey, startup::kRunKeyNt, startup::kParkedRunKey})
                deleteValue(real.registry, root, key, View::Native, kTestName);
        // The places current Windows adds, each in its view, and the state Windows keeps.
        const struct {
            Key root;
            const char* path;
            View view;
        } newPlaces[] = {{kHkeyLocalMachine, kRunKey, View::Bits32},
                         {kHkeyLocalMachine, startup::kRunOnceKey, View::Bits64},
                         {kHkeyCurrentUser, startup::kRunOnceKey, View::Bits64},
                         {kHkeyCurrentUser, startup::kPolicyRunKey, View::Bits64},
                         {kHkeyLocalMachine, startup::kApprovedRun32Key, View::Bits64},
                         {kHkeyCurrentUser, startup::kApprovedRunKey, View::Bits64}};
        for (const auto& place : newPlaces) deleteValue(real.registry, place.root, place.path, place.view, kTestName);
        for (Key root : {kHkeyCurrentUser, kHkeyLocalMachine})
            for (const char* key : {startup::kParkedRun32Key, startup::kParkedRunOnceKey, startup::kParkedPolicyRunKey})
                deleteValue(real.registry, root, key, startup::kOwnKeysView, kTestName);
        for (const char* key : {startup::kParkedFolderKey, startup::kParkedTargetKey})
            deleteValue(real.registry, kHkeyLocalMachine, key, startup::kOwnKeysView, kTestName);
        for (const char* key : {"run", "load", "rundisabled", "loaddisabled"})
            real.profile.writeString("windows", key, std::nullopt, places().winIni);
        const std::string link = real.shortcuts.startupFolder(false) + "\\" + kTestName + ".lnk";
        real.files.deleteFile(link);
        real.files.deleteFile(places().parkingFolder + "\\" + kTestName + ".lnk");
        real.files.removeFolder(places().parkingFolder);
    }
    startup::StartupPlaces places() { return startup::findStartupPlaces(machine, store); }
    std::size_t rowOf(const std::string& name, bool active) {
        for (std::size_t i = 0; i < list.rowCount(); ++i)
            if (const startup::StartupEntry* entry = page.entryOfRow(i);
                entry && entry->name == name && entry->active == active)
                return i;
        return list.rowCount();
    }
    void choose(const std::string& name, bool active) {
        const std::size_t row = rowOf(name, active);
        ASSERT_LT(row, list.rowCount()) << name;
        list.clickRow(row);
    }
    std::string fileBytes(const std::string& path) {
        std::string bytes;
        real.files.readFile(path, bytes);
        return bytes;
    }
    // Disable then Enable of the entry listed as `name`, checking the row's state each time.
    void roundTrip(const std::string& name) {
        page.listEntries();
        choose(name, true);
        page.disableButton.click();
        ASSERT_LT(rowOf(name, false), list.rowCount()) << "parked " << name;
        EXPECT_EQ(list.row(rowOf(name, false)).smallIcon, "b");
        choose(name, false);
        page.enableButton.click();
        ASSERT_LT(rowOf(name, true), list.rowCount()) << "enabled " << name;
    }

    std::unique_ptr<testing_support::TestMachine> tm;
    win32::Win32Machine real;
    ScriptedDesktop desktop;
    Machine machine;
    store::SettingsStore store;
    backup::Backups backups;
    localisation::Language language;
    ui::Label label;
    ui::TextBox search;
    startup::StartupPage page;
    ui::ListView& list;
};

TEST_F(StartupWine, RunValueComesBackAsTheSameRegistryText) {
    std::string data = "%SystemRoot%\\system32\\";
    data.append(1200, 'w');
    data += ".exe";
    data += '\0';
    ASSERT_EQ(writeValue(real.registry, kHkeyCurrentUser, kRunKey, View::Native, kTestName, {kRegExpandSz, data}),
              kSuccess);
    const std::string before = saveRegFile(real.registry, kHkeyCurrentUser, kRunKey, RegFileFormat::Version5);
    roundTrip(kTestName);
    EXPECT_EQ(saveRegFile(real.registry, kHkeyCurrentUser, kRunKey, RegFileFormat::Version5), before);
    RegValue nt;
    ASSERT_EQ(readValue(real.registry, kHkeyCurrentUser, startup::kRunKeyNt, View::Native, kTestName, nt), kSuccess);
    EXPECT_EQ(nt.type, kRegExpandSz);
    EXPECT_EQ(nt.data, data);
    EXPECT_TRUE(desktop.messages.empty()) << desktop.messages.front().text;
}

TEST_F(StartupWine, WinIniRunIsAddedBesideDisabledEnabledAndDeletedThroughTheProfileFunctions) {
    const std::string winIni = places().winIni;
    ASSERT_TRUE(real.profile.writeString("windows", "run", "C:\\first.exe", winIni));
    page.listEntries();
    page.addButton.click();
    page.dialog().nameBox.setText("unused");
    page.dialog().commandBox.setText("C:\\second.exe");
    page.dialog().locationList.select(3);
    page.dialog().saveButton.click();
    EXPECT_EQ(startup::readWinIni(real.profile, winIni, "run"), "C:\\first.exe C:\\second.exe");
    roundTrip("C:\\first.exe C:\\second.exe");
    EXPECT_EQ(startup::readWinIni(real.profile, winIni, "run"), "C:\\first.exe C:\\second.exe");
    EXPECT_EQ(startup::readWinIni(real.profile, winIni, "rundisabled"), "");
    choose("C:\\first.exe C:\\second.exe", true);
    desktop.answers = {MessageAnswer::Yes};
    page.deleteButton.click();
    EXPECT_EQ(startup::readWinIni(real.profile, winIni, "run"), "");
    EXPECT_TRUE(desktop.messages.size() == 1) << desktop.messages.back().text;
}

TEST_F(StartupWine, ShortcutWrittenByTheDialogReadsBackInTheShellAndTheCodecAndRoundTrips) {
    const std::string folder = real.shortcuts.startupFolder(false);
    ASSERT_FALSE(folder.empty());
    page.listEntries();
    page.addButton.click();
    page.dialog().nameBox.setText(kTestName);
    page.dialog().commandBox.setText("C:\\windows\\notepad.exe /min");
    page.dialog().locationList.select(5);
    page.dialog().saveButton.click();
    const std::string path = folder + "\\" + kTestName + ".lnk";
    ShellLink shell;
    ASSERT_EQ(real.shortcuts.read(path, shell), kSuccess);
    EXPECT_EQ(shell.target, "C:\\windows\\notepad.exe");
    EXPECT_EQ(shell.arguments, "/min");
    EXPECT_EQ(shell.workingFolder, "C:\\windows\\");
    EXPECT_EQ(shell.iconPath, "C:\\windows\\notepad.exe");
    ShellLink decoded;
    LinkDecodeError error;
    ASSERT_TRUE(decodeShellLink(fileBytes(path), decoded, error)) << error.message;
    EXPECT_EQ(decoded.target, "C:\\windows\\notepad.exe");
    EXPECT_EQ(decoded.arguments, "/min");
    EXPECT_EQ(decoded.description, "Access Shortcut");
    EXPECT_EQ(decoded.iconIndex, 0);
    EXPECT_EQ(decoded.showCommand, kShowNormal);
    const std::string bytes = fileBytes(path);
    roundTrip(kTestName);
    EXPECT_EQ(fileBytes(path), bytes);
    choose(kTestName, true);
    desktop.answers = {MessageAnswer::Yes};
    page.deleteButton.click();
    std::uint32_t attributes = 0;
    EXPECT_NE(real.files.getAttributes(path, attributes), kSuccess);
    EXPECT_EQ(rowOf(kTestName, true), list.rowCount());
    EXPECT_TRUE(desktop.messages.size() == 1) << desktop.messages.back().text;
}

// On a 64-bit Windows (and in Wine's 64-bit prefix) the machine's 32-bit Run entries are the 64-bit build's
// other view and the 32-bit build's own; either way they park in run32 and come back to the 32-bit view
// alone. A 32-bit machine has one view and no such place. Windows' own state is honoured.
TEST_F(StartupWine, NewPlacesRoundTripInTheirViewAndWindowsStateIsHonoured) {
    const RegistryViews views = real.registry.views();
    const struct {
        Key root;
        const char* path;
        View view;
        const char* parked;
        int location;
    } cases[] = {{kHkeyLocalMachine, kRunKey, View::Bits32, startup::kParkedRun32Key, 220},
                 {kHkeyLocalMachine, startup::kRunOnceKey, View::Bits64, startup::kParkedRunOnceKey, 222},
                 {kHkeyCurrentUser, startup::kRunOnceKey, View::Bits64, startup::kParkedRunOnceKey, 224},
                 {kHkeyCurrentUser, startup::kPolicyRunKey, View::Bits64, startup::kParkedPolicyRunKey, 226}};
    const std::string text = "%ProgramFiles%\\Vantrel Test\\tool.exe /quiet";
    const RegValue command{kRegExpandSz, text + '\0'};
    for (const auto& c : cases) {
        SCOPED_TRACE(c.path);
        if (c.view == View::Bits32 && !views.hasSecondView()) continue;
        const int location = c.view == View::Bits32 && !views.processIs64Bit ? 116 : c.location;
        ASSERT_EQ(writeValue(real.registry, c.root, c.path, c.view, kTestName, command), kSuccess);
        page.listEntries();
        const std::size_t row = rowOf(kTestName, true);
        ASSERT_LT(row, list.rowCount());
        EXPECT_EQ(list.text(row, 2), language.text(location));
        roundTrip(kTestName);
        RegValue back;
        ASSERT_EQ(readValue(real.registry, c.root, c.path, c.view, kTestName, back), kSuccess);
        EXPECT_EQ(back.type, command.type);
        EXPECT_EQ(back.data, command.data);
        if (c.view == View::Bits32 && views.hasSecondView()) {
            EXPECT_NE(readValue(real.registry, c.root, c.path, View::Bits64, kTestName, back), kSuccess)
                << "the 64-bit view gets nothing";
        }
        deleteValue(real.registry, c.root, c.path, c.view, kTestName);
    }

    // Disabled by Windows (03 and the time): listed so, Enable writes 02 where it stands, Delete takes the state.
    ASSERT_EQ(writeValue(real.registry, kHkeyCurrentUser, kRunKey, View::Native, kTestName, command), kSuccess);
    ASSERT_EQ(writeValue(real.registry, kHkeyCurrentUser, startup::kApprovedRunKey, View::Bits64, kTestName,
                         {kRegBinary, std::string("\x03\0\0\0\x50\x6e\xa1\xc2\x3b\xd9\xda\x01", 12)}),
              kSuccess);
    page.listEntries();
    choose(kTestName, true);
    EXPECT_EQ(list.row(rowOf(kTestName, true)).smallIcon, "b");
    EXPECT_EQ(list.text(rowOf(kTestName, true), 2), language.text(117) + " " + language.text(227));
    page.enableButton.click();
    RegValue state;
    ASSERT_EQ(readValue(real.registry, kHkeyCurrentUser, startup::kApprovedRunKey, View::Bits64, kTestName, state),
              kSuccess);
    EXPECT_EQ(state.data, std::string("\x02\0\0\0\0\0\0\0\0\0\0\0", 12));
    EXPECT_EQ(list.row(rowOf(kTestName, true)).smallIcon, "a");
    choose(kTestName, true);
    desktop.answers = {MessageAnswer::Yes};
    page.deleteButton.click();
    EXPECT_NE(readValue(real.registry, kHkeyCurrentUser, startup::kApprovedRunKey, View::Bits64, kTestName, state),
              kSuccess);
    EXPECT_EQ(desktop.messages.size(), 1u) << desktop.messages.back().text;
}

}  // namespace
