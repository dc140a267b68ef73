// The uninstall page on a 64-bit Windows 10 image: every place Programs and
// Features reads, Windows' hiding rules, the sortable columns, Windows Installer
// entries, and each command acting on its own record's place.
#include "localisation/options_dialog.h"
#include "platform/registry_key.h"
#include "shell/main_window_fixture.h"

namespace {

using namespace platform;

constexpr const char* kNative = "SOFTWARE\\Microsoft\\Windows\\CurrentVersion\\Uninstall\\";
constexpr const char* kWow = "SOFTWARE\\WOW6432Node\\Microsoft\\Windows\\CurrentVersion\\Uninstall\\";

class Windows10Programs : public main_window_test::MainWindowTest {
protected:
    Windows10Programs()
        : m{pc.registry, pc.profile, pc.files, pc.processes, pc.shortcuts, pc.desktop},
          store(pc.registry, pc.profile, pc.files),
          language(store, pc.files, [] { return std::string("english.ini"); }),
          backups(m, "C:\\Vantrel\\Backups"),
          page(m, backups, language) {
        pc.registry.setViews({true, true});  // a 64-bit machine seen from the 64-bit build
        RegFileError error;
        EXPECT_TRUE(pc.loadImage(VANTREL_FIXTURES "/win10x64", error)) << error.message;
        page.shortDate = [](int year, int month, int day) {
            return std::to_string(day) + "/" + std::to_string(month) + "/" + std::to_string(year);
        };
    }
    std::vector<std::vector<std::string>> shown(std::initializer_list<std::size_t> columns) {
        std::vector<std::vector<std::string>> rows;
        for (const ui::Row& row : page.parts.programList.rows()) {
            rows.emplace_back();
            for (std::size_t column : columns) rows.back().push_back(row.texts.at(column));
        }
        return rows;
    }
    std::vector<std::string> names() {
        std::vector<std::string> all;
        for (const auto& row : shown({0})) all.push_back(row[0]);
        return all;
    }
    void choose(const std::string& name, const std::string& version) {
        const auto& rows = page.parts.programList.rows();
        for (std::size_t i = 0; i < rows.size(); ++i)
            if (rows[i].texts[0] == name && rows[i].texts[uninstall::kVersionColumn] == version)
                return page.parts.programList.clickRow(i);
        FAIL() << name << " " << version;
    }
    bool has(const std::string& path, const char* value = "DisplayName") {
        RegValue read;
        return readValue(pc.registry, kHkeyLocalMachine, path, View::Bits64, value, read) == kSuccess;
    }

    Machine m;
    store::SettingsStore store;
    localisation::Language language;
    backup::Backups backups;
    uninstall::UninstallPage page;
};

TEST_F(Windows10Programs, ListsWhatProgramsAndFeaturesListsWithEveryColumn) {
    page.list();
    using uninstall::kInstalledColumn, uninstall::kSizeColumn, uninstall::kVersionColumn, uninstall::kWhereColumn,
        uninstall::kPublisherColumn;
    const std::vector<std::vector<std::string>> expected{
        {"Bare Entry", "", "", "", "", "All users"},
        {"Text Editor 7", "Example Software", "7.1.2", "15/3/2024", "2 MB", "All users"},
        {"Shared Tool", "", "2.0 (64-bit)", "", "", "All users"},
        {"Photo Library", "Example Imaging", "3.4.0", "2/11/2023", "168 MB", "All users"},
        {"Old Viewer", "Legacy Works", "1.0", "15.03.2019", "3 GB", "All users, 32-bit"},
        {"Shared Tool", "", "2.0 (32-bit)", "", "", "All users, 32-bit"},
        {"Note Taker", "Small Apps", "0.9", "1/1/2025", "500 KB", "Current user"},
    };
    EXPECT_EQ(shown({0, kPublisherColumn, kVersionColumn, kInstalledColumn, kSizeColumn, kWhereColumn}), expected);

    page.settings.showSystem = true;
    page.list();
    EXPECT_EQ(names(), (std::vector<std::string>{"Bare Entry", "Text Editor 7", "Update for Text Editor 7 (KB500100)",
                                                 "Runtime Parts", "Security Update for Photo Library", "Shared Tool",
                                                 "Photo Library", "Old Viewer", "Shared Tool", "Hotfix for Old Viewer",
                                                 "Note Taker"}))
        << "system components and updates too, never an entry without a name";
}

TEST_F(Windows10Programs, SizeSortsByNumberAndInstalledByDateInTheHeaderCycle) {
    page.list();
    ui::ListView& list = page.parts.programList;
    list.clickColumn(uninstall::kSizeColumn);  // descending by the current column first
    list.clickColumn(uninstall::kSizeColumn);
    EXPECT_EQ(names(), (std::vector<std::string>{"Shared Tool", "Shared Tool", "Bare Entry", "Note Taker",
                                                 "Text Editor 7", "Photo Library", "Old Viewer"}))
        << "no size first; equals keep the order the name sort gave them";
    list.clickColumn(uninstall::kInstalledColumn);
    EXPECT_EQ(names().front(), "Old Viewer") << "descending: text that is no date after the latest date";
    list.clickColumn(uninstall::kInstalledColumn);
    EXPECT_EQ(names(), (std::vector<std::string>{"Shared Tool", "Shared Tool", "Bare Entry", "Photo Library",
                                                 "Text Editor 7", "Note Taker", "Old Viewer"}));
}

TEST_F(Windows10Programs, TheSortGoesByTheRecordsNotByTextsInTheListAndKeepsTheChosenOne) {
    page.list();
    ui::ListView& list = page.parts.programList;
    choose("Note Taker", "0.9");
    // Texts changed in the list view (as a stale or clipped cell would be) move no record.
    for (std::size_t row = 0; row < list.rowCount(); ++row)
        for (std::size_t column : {uninstall::kNameColumn, uninstall::kPublisherColumn, uninstall::kWhereColumn})
            list.setText(row, column, std::to_string(list.rowCount() - row));
    const struct {
        std::size_t column;
        std::vector<std::string> versions;
    } sorts[] = {
        {uninstall::kPublisherColumn, {"2.0 (64-bit)", "2.0 (32-bit)", "", "3.4.0", "7.1.2", "1.0", "0.9"}},
        {uninstall::kWhereColumn, {"7.1.2", "3.4.0", "2.0 (64-bit)", "", "1.0", "2.0 (32-bit)", "0.9"}},
        {uninstall::kNameColumn, {"", "0.9", "1.0", "3.4.0", "2.0 (32-bit)", "2.0 (64-bit)", "7.1.2"}},
    };
    for (const auto& sort : sorts) {
        list.clickColumn(sort.column);
        if (list.sortOrder() == ui::SortOrder::Descending) list.clickColumn(sort.column);
        std::vector<std::string> versions;  // a column the test left alone, naming each record
        for (const auto& row : shown({uninstall::kVersionColumn})) versions.push_back(row[0]);
        EXPECT_EQ(versions, sort.versions) << "ascending by column " << sort.column << ", ties in the order before";
        ASSERT_NE(page.selected(), nullptr);
        EXPECT_EQ(page.selected()->name, "Note Taker");
        EXPECT_EQ(list.row(list.selectedIndex()).id, list.row(static_cast<std::size_t>(page.selectedRow() - 1)).id)
            << "the highlighted row is the chosen record's";
    }
}

// Each build removes the namesake of the other view: the backup saves that view's key, not its own.
TEST_F(Windows10Programs, RemovingANamesakeLeavesTheOtherViewsOneAndItsBackupPutsItBack) {
    struct Case {
        bool build64;
        std::string version, removed, kept;
    };
    for (const Case& c : {Case{true, "2.0 (32-bit)", kWow, kNative}, Case{false, "2.0 (64-bit)", kNative, kWow}}) {
        SCOPED_TRACE(c.version);
        const std::size_t setsBefore = backups.list().size();
        pc.registry.setViews({true, c.build64});
        page.list();
        choose("Shared Tool", c.version);
        page.parts.removeEntryButton.click();
        page.confirmDialog()->ok();
        ASSERT_TRUE(pc.desktop.messages.empty()) << pc.desktop.messages.front().text;
        EXPECT_FALSE(has(c.removed + "SharedTool"));
        EXPECT_TRUE(has(c.kept + "SharedTool"));
        const auto sets = backups.list();
        ASSERT_EQ(sets.size(), setsBefore + 1);
        for (const auto& set : sets) EXPECT_TRUE(backups.restore(set.folderName).restored);
        EXPECT_TRUE(has(c.removed + "SharedTool", "UninstallString"));
    }
}

TEST_F(Windows10Programs, TheBadEntryCheckClearsOnlyTheNamesakeWhoseUninstallerIsMissing) {
    page.list();
    pc.desktop.answers = {MessageAnswer::Yes};
    page.parts.checkBadEntriesButton.click();
    std::vector<std::string> asked;
    for (const auto& message : pc.desktop.messages)
        if (message.buttons == MessageButtons::YesNo) asked.push_back(message.text.substr(message.text.rfind('\r') + 1));
    EXPECT_EQ(asked, (std::vector<std::string>{"Shared Tool", "Old Viewer", "Note Taker"}));
    EXPECT_FALSE(has(std::string(kNative) + "SharedTool")) << "the 64-bit one's uninstaller is missing";
    EXPECT_TRUE(has(std::string(kWow) + "SharedTool"));
}

TEST_F(Windows10Programs, AWindowsInstallerEntryUninstallsByItsProductCode) {
    page.list();
    choose("Photo Library", "3.4.0");
    const std::string removal = "msiexec.exe /x {4A1B2C3D-0E0F-4A5B-9C8D-7E6F5A4B3C2D}";
    page.parts.programInfoButton.click();
    EXPECT_EQ(page.programInfoDialog()->commandText.caption(), removal) << "Program Info shows what will run";
    page.parts.uninstallButton.click();
    page.confirmDialog()->ok();
    ASSERT_EQ(pc.processes.starts.size(), 1u);
    EXPECT_EQ(pc.processes.starts[0].commandLine, removal);
    choose("Text Editor 7", "7.1.2");
    page.parts.programInfoButton.click();
    EXPECT_EQ(page.programInfoDialog()->commandText.caption(), "\"C:\\Program Files\\Editor\\uninstall.exe\"");
    const struct {
        const char* keyName;
        bool productCode;
    } keys[] = {{"{4A1B2C3D-0E0F-4A5B-9C8D-7E6F5A4B3C2D}", true}, {"{4a1b2c3d-0e0f-4a5b-9c8d-7e6f5a4b3c2d}", true},
                {"4A1B2C3D-0E0F-4A5B-9C8D-7E6F5A4B3C2D", false}, {"{4A1B2C3D-0E0F-4A5B-9C8D-7E6F5A4B3C2G}", false},
                {"{4A1B2C3D0E0F-4A5B-9C8D-7E6F5A4B3C2D0}", false}};
    for (const auto& key : keys) EXPECT_EQ(uninstall::isProductCode(key.keyName), key.productCode) << key.keyName;
}

TEST_F(Windows10Programs, TheOptionIsStoredBesideTheLanguageAndTheNextListingTakesIt) {
    loadWith("english.ini");
    EXPECT_FALSE(localisation::showSystemComponents(form->store)) << "missing reads as off";
    localisation::OptionsDialog options(pc.machine(), form->store, form->language);
    options.show();
    options.showSystemBox.click();
    options.ok();
    std::string stored;
    ASSERT_TRUE(form->store.readString(kHkeyLocalMachine, "software\\morvalen\\brevisk", "showsystem", stored));
    EXPECT_EQ(stored, "1");
    form->showUninstallPage();
    EXPECT_TRUE(form->uninstallPage->settings.showSystem);
    options.show();
    EXPECT_TRUE(options.showSystemBox.checked());
    options.showSystemBox.click();
    options.ok();
    EXPECT_FALSE(localisation::showSystemComponents(form->store));
}

}  // namespace
