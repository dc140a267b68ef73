// The uninstall page over every place Programs and Features reads, on the real
// registry under Wine (either build) and natively on a 64-bit substitute seen
// from a 32-bit process: what it lists, the Where column, Windows' hidden kinds,
// a Windows Installer entry, and a namesake in both views removed one at a time.
#include <algorithm>
#include <fstream>
#include <iterator>

#include "uninstall_machine/uninstall_fixture.h"

namespace uninstall_test {
namespace {

using uninstall::InstalledProgram;

const std::string kUninstall = "Software\\Microsoft\\Windows\\CurrentVersion\\Uninstall\\";
constexpr const char* kProductCode = "{5C0FFEE0-7A11-4B2C-9D3E-0F1A2B3C4D5E}";

// Where an entry is planted: HKLM in this process's view or the other one, or HKCU.
enum class Place { Own, Other, User };

struct Planted {
    Place place;
    const char* keyName;
    const char* displayName;  // null: none
    const char* hidingValue;  // what makes Windows hide it; null: nothing
    const char* hidingText;   // its text; null: the DWORD 1
};

const Planted kPlanted[] = {
    {Place::Own, "VantrelPlaces.Shared", "Vantrel Places Shared", nullptr, nullptr},
    {Place::Other, "VantrelPlaces.Shared", "Vantrel Places Shared", nullptr, nullptr},
    {Place::Own, kProductCode, "Vantrel Places Installer", "WindowsInstaller", nullptr},
    {Place::User, "VantrelPlaces.Mine", "Vantrel Places Mine", nullptr, nullptr},
    {Place::Own, "VantrelPlaces.Security", "Vantrel Places Security", "ReleaseType", "Security Update"},
    {Place::Other, "VantrelPlaces.Hotfix", "Vantrel Places Hotfix", "ReleaseType", "Hotfix"},
    {Place::User, "VantrelPlaces.Update", "Vantrel Places Update", "ReleaseType", "Update"},
    {Place::Other, "VantrelPlaces.Component", "Vantrel Places Component", "SystemComponent", nullptr},
    {Place::User, "VantrelPlaces.Child", "Vantrel Places Child", "ParentKeyName", "VantrelPlaces.Mine"},
    {Place::Own, "VantrelPlaces.Nameless", nullptr, nullptr, nullptr},
};

bool hidden(const Planted& entry) {
    return entry.hidingValue && std::string(entry.hidingValue) != "WindowsInstaller";
}

class UninstallPlaces : public UninstallMachineTest {
protected:
    UninstallPlaces() {
        // Natively: the case the 32-bit build meets on a 64-bit Windows (the real registry's views are fixed).
        tm->setRegistryViews({true, false});
        views = m.registry.views();
#ifdef VANTREL_LANG
        // The Where texts come from the language file, which the substitute's program folder lacks.
        std::ifstream english(VANTREL_LANG "/english.ini", std::ios::binary);
        m.files.createFolder(m.files.programFolder() + "\\lang");
        m.files.writeFile(m.files.programFolder() + "\\lang\\english.ini",
                          std::string(std::istreambuf_iterator<char>(english), {}));
#endif
        for (const Planted& entry : planted()) {
            const auto write = [&](const char* name, const RegValue& value) {
                ASSERT_EQ(writeValue(m.registry, rootOf(entry.place), kUninstall + entry.keyName, viewOf(entry.place),
                                     name, value),
                          kSuccess);
            };
            if (entry.displayName) write("DisplayName", textValue(entry.displayName));
            write("UninstallString", textValue(entry.keyName == std::string(kProductCode)
                                                   ? std::string("MsiExec.exe /I") + kProductCode
                                                   : std::string("C:\\Vantrel Places\\un.exe")));
            if (entry.hidingValue)
                write(entry.hidingValue, entry.hidingText ? textValue(entry.hidingText)
                                                          : RegValue{kRegDword, std::string("\1\0\0\0", 4)});
        }
    }
    ~UninstallPlaces() override {
        for (const Planted& entry : planted())
            deleteKeyTree(m.registry, rootOf(entry.place), kUninstall + entry.keyName, viewOf(entry.place));
    }
    // The entries this machine has places for: a one-view machine has no other view.
    std::vector<Planted> planted() const {
        std::vector<Planted> entries;
        for (const Planted& entry : kPlanted)
            if (entry.place != Place::Other || views.hasSecondView()) entries.push_back(entry);
        return entries;
    }
    Key rootOf(Place place) const { return place == Place::User ? kHkeyCurrentUser : kHkeyLocalMachine; }
    View viewOf(Place place) const { return place == Place::Other ? views.otherView() : View::Native; }
    std::string whereText(Place place) const {
        if (place == Place::User) return "Current user";
        if (place == Place::Own) return "All users";
        return views.otherView() == View::Bits32 ? "All users, 32-bit" : "All users, 64-bit";
    }
    // The planted rows as (name, Where), sorted: other programs of the machine left out.
    std::vector<std::pair<std::string, std::string>> shownPlanted() const {
        std::vector<std::pair<std::string, std::string>> rows;
        for (const ui::Row& row : everywhere.parts.programList.rows())
            if (row.texts[0].rfind("Vantrel Places", 0) == 0) rows.emplace_back(row.texts[0], row.texts[kWhere]);
        std::sort(rows.begin(), rows.end());
        return rows;
    }
    std::vector<std::pair<std::string, std::string>> expected(bool withHidden) const {
        std::vector<std::pair<std::string, std::string>> rows;
        for (const Planted& entry : planted())
            if (entry.displayName && (withHidden || !hidden(entry)))
                rows.emplace_back(entry.displayName, whereText(entry.place));
        std::sort(rows.begin(), rows.end());
        return rows;
    }
    const InstalledProgram* namesake(View view) const {
        for (const InstalledProgram& program : everywhere.programs())
            if (program.keyName == "VantrelPlaces.Shared" && program.root == kHkeyLocalMachine &&
                views.resolved(program.view) == views.resolved(view))
                return &program;
        return nullptr;
    }

    static constexpr std::size_t kWhere = uninstall::kWhereColumn;
    RegistryViews views;
    uninstall::UninstallPage everywhere{m, backups, language};  // every place of the machine
};

TEST_F(UninstallPlaces, ListsTheVisibleEntriesOfEveryPlaceWithWhereTheyLiveAndTheHiddenOnesWhenAsked) {
    everywhere.list();
    EXPECT_EQ(shownPlanted(), expected(false));
    const auto installer = std::find_if(everywhere.programs().begin(), everywhere.programs().end(),
                                        [](const InstalledProgram& p) { return p.keyName == kProductCode; });
    ASSERT_NE(installer, everywhere.programs().end());
    EXPECT_EQ(uninstall::commandToRun(*installer), std::string("msiexec.exe /x ") + kProductCode);

    everywhere.settings.showSystem = true;
    everywhere.list();
    EXPECT_EQ(shownPlanted(), expected(true)) << "never an entry without a display name";
}

TEST_F(UninstallPlaces, RemovingTheNamesakeOfOneViewLeavesTheOtherViewsKey) {
    if (!views.hasSecondView()) GTEST_SKIP() << "a machine with one registry view has no namesake in another";
    everywhere.list();
    // The other view's: the backup set saves it through that view.
    const View other = views.otherView(), own = views.ownView();
    const InstalledProgram* removed = namesake(other);
    ASSERT_NE(removed, nullptr);
    ASSERT_NE(namesake(own), nullptr);
    for (std::size_t row = 0; row < everywhere.parts.programList.rowCount(); ++row)
        if (everywhere.programOfRow(row) == removed) everywhere.rowClicked(row);
    everywhere.removeSelected();
    ASSERT_NE(everywhere.confirmDialog(), nullptr);
    everywhere.confirmDialog()->ok();
    everywhere.list();
    const std::string path = kUninstall + "VantrelPlaces.Shared";
    EXPECT_TRUE(desktop.messages.empty()) << desktop.messages.front().text;
    EXPECT_FALSE(keyExists(m.registry, kHkeyLocalMachine, path, other));
    EXPECT_TRUE(keyExists(m.registry, kHkeyLocalMachine, path, own));
    EXPECT_EQ(namesake(other), nullptr);
    EXPECT_NE(namesake(own), nullptr);
    EXPECT_EQ(backups.list().size(), 1u) << "saved first";
}

}  // namespace
}  // namespace uninstall_test
