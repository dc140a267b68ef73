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

}  // namespace
