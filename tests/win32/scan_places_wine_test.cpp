// The scan on the real registry and file system: every check's good and bad
// references planted in each place it has (both views of the redirected keys,
// the machine's and the user's classes apart, shared keys once), found where
// they live with nothing present reported; a delete acts in its own view only.
// Written for either build; on a machine with one view each place is read once.
#include <gtest/gtest.h>

#include <algorithm>
#include <cstdio>
#include <functional>
#include <tuple>

#include "backup/backups.h"
#include "platform/registry_key.h"
#include "scanner/finding_deletion.h"
#include "scanner/scan.h"
#include "scanner/scan_test_support.h"
#include "support/test_machine.h"

namespace {

using namespace platform;
using scanner::Tag;

enum class Where { Machine, MachineClasses, UserClasses };

using scanner_test::Seen;

// Plants values and keys, remembering what to remove: values, and keys that were not there before.
class Planter {
public:
    explicit Planter(Registry& registry) : registry_(registry) {}
    ~Planter() {
        for (auto it = planted_.rbegin(); it != planted_.rend(); ++it) {
            if (!it->wholeKey) deleteValue(registry_, it->root, it->path, it->view, it->name);
            if (it->wholeKey || it->keyWasNew) deleteKeyTree(registry_, it->root, it->path, it->view);
        }
    }
    // A value in a key that may already hold others (a font list, the help files).
    void value(Key root, View view, const std::string& path, const std::string& name, const RegValue& value) {
        planted_.push_back({root, view, path, name, false, !keyExists(registry_, root, path, view)});
        EXPECT_EQ(writeValue(registry_, root, path, view, name, value), kSuccess) << path;
    }
    // A key of this test's own, removed whole with the default value set at `path` below it.
    void key(Key root, View view, const std::string& top, const std::string& path, const std::string& text) {
        planted_.push_back({root, view, top, {}, true, true});
        const std::uint32_t type = text.rfind("%ProgramFiles%", 0) == 0 ? kRegExpandSz : kRegSz;
        EXPECT_EQ(writeValue(registry_, root, path, view, "", {type, text + '\0'}), kSuccess) << path;
    }

private:
    struct Entry {
        Key root;
        View view;
        std::string path, name;
        bool wholeKey, keyWasNew;
    };
    Registry& registry_;
    std::vector<Entry> planted_;
};

// Where a reference goes: a root, the path its keys hang under, a view.
struct At {
    Key root;
    std::string prefix;
    View view;
    std::string key(const std::string& path) const { return prefix.empty() ? path : prefix + "\\" + path; }
};
// A reference to `file`, named by `name` (and `guid` where a class or library needs one).
struct Ref {
    std::string name, guid, file;
};
// What the findings list shows for a reference: where it lives and what it names.
struct Shown {
    std::string location, reference;
};
using Plant = std::function<Shown(Planter&, const At&, const Ref&)>;

std::string folderOf(const std::string& f) { return f.substr(0, f.rfind('\\')); }
std::string baseOf(const std::string& f) { return f.substr(f.rfind('\\') + 1); }
RegValue sz(const std::string& text) { return {kRegSz, text + '\0'}; }

const std::string kCurrentVersion = "Software\\Microsoft\\Windows\\CurrentVersion";

// Each check: its tag, where its keys hang, whether 64-bit Windows keeps them per view, how a
// reference is planted. All references name .exe files, which every check judges.
struct CheckRow {
    Tag tag;
    Where where;
    bool redirected;
    Plant plant;
};
const CheckRow kChecks[] = {
    {Tag::Font, Where::Machine, true,
     [](Planter& p, const At& at, const Ref& r) {
         p.value(at.root, at.view, kCurrentVersion + "\\Fonts", r.name, sz(r.file));
         return Shown{r.name, r.file};
     }},
    {Tag::SharedDll, Where::Machine, true,
     [](Planter& p, const At& at, const Ref& r) {
         p.value(at.root, at.view, kCurrentVersion + "\\SharedDlls", r.file, {kRegDword, std::string("\1\0\0\0", 4)});
         return Shown{r.file, r.file};
     }},
    {Tag::AppPath, Where::Machine, false,
     [](Planter& p, const At& at, const Ref& r) {
         const std::string key = kCurrentVersion + "\\App Paths\\" + r.name + ".exe";
         p.key(at.root, at.view, key, key, r.file);
         return Shown{r.file, r.name + ".exe"};
     }},
    {Tag::Help, Where::Machine, true,
     [](Planter& p, const At& at, const Ref& r) {
         p.value(at.root, at.view, "Software\\Microsoft\\Windows\\Help", baseOf(r.file), sz(folderOf(r.file)));
         return Shown{folderOf(r.file), baseOf(r.file)};
     }},
    {Tag::HtmlHelp, Where::Machine, true,
     [](Planter& p, const At& at, const Ref& r) {
         p.value(at.root, at.view, "Software\\Microsoft\\Windows\\HTML Help", baseOf(r.file), sz(folderOf(r.file)));
         return Shown{folderOf(r.file), baseOf(r.file)};
     }},
    {Tag::DefaultIcon, Where::MachineClasses, false,
     [](Planter& p, const At& at, const Ref& r) {
         p.key(at.root, at.view, at.key(r.name), at.key(r.name + "\\DefaultIcon"), r.file + ",0");
         return Shown{r.name, r.file};
     }},
    {Tag::FileType, Where::MachineClasses, false,
     [](Planter& p, const At& at, const Ref& r) {
         p.key(at.root, at.view, at.key("." + r.name), at.key("." + r.name), r.name + ".Type");
         const std::string type = at.key(r.name + ".Type");
         p.key(at.root, at.view, type, type + "\\shell\\open\\command", "\"" + r.file + "\" \"%1\"");
         return Shown{"." + r.name, r.file};
     }},
    {Tag::ComServer, Where::MachineClasses, true,
     [](Planter& p, const At& at, const Ref& r) {
         const std::string key = "CLSID\\" + r.guid + "\\LocalServer32";
         p.key(at.root, at.view, at.key("CLSID\\" + r.guid), at.key(key), r.file + " /automation");
         return Shown{"clsid\\" + r.guid + "\\LocalServer32", r.file};
     }},
    {Tag::TypeLibrary, Where::MachineClasses, false,
     [](Planter& p, const At& at, const Ref& r) {
         const std::string key = "TypeLib\\" + r.guid + "\\1.0\\0\\win32";
         p.key(at.root, at.view, at.key("TypeLib\\" + r.guid), at.key(key), r.file);
         return Shown{"Typelib\\" + r.guid + "\\1.0\\0\\win32", r.file};
     }},
    {Tag::ToolboxBitmap, Where::MachineClasses, true,
     [](Planter& p, const At& at, const Ref& r) {
         const std::string key = "CLSID\\" + r.guid + "\\ToolboxBitmap32";
         p.key(at.root, at.view, at.key("CLSID\\" + r.guid), at.key(key), r.file + ", 1");
         // The scanner names the key as the checks ask for it, in lower case.
         return Shown{"clsid\\" + r.guid + "\\toolboxbitmap32", r.file};
     }},
};
const CheckRow& rowOf(Tag tag) {
    return *std::find_if(std::begin(kChecks), std::end(kChecks), [&](const CheckRow& c) { return c.tag == tag; });
}

class ScanPlacesWine : public ::testing::Test {
protected:
    ScanPlacesWine()
        : tm(testing_support::makeTestMachine()),
          machine(tm->machine()),
          views(machine.registry.views()),
          marker("VantrelScan" + tm->scratchKey().substr(tm->scratchKey().rfind('\\') + 1)),
          windows(machine.processes.expandEnvironment("%SystemRoot%")) {}
    ~ScanPlacesWine() override {
        for (const std::string& file : files) machine.files.deleteFile(file);
    }

    // A fresh reference; its file is made when it should be there.
    Ref ref(const std::string& folder, bool present) {
        char guid[40];
        const unsigned run = static_cast<unsigned>(std::hash<std::string>{}(marker)) & 0xFFFF;
        std::snprintf(guid, sizeof guid, "{5641E000-5343-414E-%04X-%012X}", run, ++count);
        Ref r{marker + "_" + std::to_string(count), guid, folder + "\\" + marker + "_" + std::to_string(count) + ".exe"};
        if (present) make(r.file);
        return r;
    }
    void make(const std::string& file) {
        EXPECT_EQ(machine.files.writeFile(file, "MZ"), kSuccess) << file;
        files.push_back(file);
    }
    // Each root's places for a check: both views where the keys are kept per view, else one.
    std::vector<At> placesOf(const CheckRow& check) const {
        std::vector<At> out;
        for (Where where : {Where::Machine, Where::MachineClasses, Where::UserClasses}) {
            if (where == Where::UserClasses ? check.where != Where::MachineClasses : where != check.where) continue;
            const Key root = where == Where::UserClasses ? kHkeyCurrentUser : kHkeyLocalMachine;
            const std::string prefix = where == Where::Machine ? "" : "Software\\Classes";
            out.push_back({root, prefix, View::Bits64});
            if (check.redirected && views.hasSecondView()) out.push_back({root, prefix, View::Bits32});
        }
        return out;
    }
    // Wine deviation: Wine keeps one key for both views of the user's classes (a WOW6432Node made
    // under HKCU would redirect its parent for good, so none is planted); Windows keeps two.
    bool userViewsShared(const At& at) const {
        return tm->isWine() && at.root == kHkeyCurrentUser && views.hasSecondView();
    }
    // The finding a bad reference at `at` makes, labelled as the scan labels what is not its own.
    Seen expect(const CheckRow& check, const At& at, View view, const Shown& shown) const {
        std::string label = at.root == kHkeyCurrentUser ? " (current user)" : "";
        if (check.redirected && views.resolved(view) != views.ownView())
            label += view == View::Bits32 ? " (32-bit)" : " (64-bit)";
        return {shown.location + label, shown.reference, static_cast<int>(check.tag), at.root, views.resolved(view)};
    }
    std::vector<scanner::Finding> scanAll() {
        return scanner_test::scanEveryCategory(machine);
    }
    // This run's findings, told by the marker every planted file name holds.
    std::vector<Seen> ours(const std::vector<scanner::Finding>& findings) const {
        std::vector<Seen> out;
        for (const auto& f : findings)
            if (f.reference.find(marker) != std::string::npos)
                out.push_back(scanner_test::seenOf(f, views.resolved(f.places.front().view)));
        std::sort(out.begin(), out.end());
        return out;
    }

    std::unique_ptr<testing_support::TestMachine> tm;
    Machine& machine;
    RegistryViews views;
    std::string marker, windows;
    unsigned count = 0;
    std::vector<std::string> files;
};

TEST_F(ScanPlacesWine, EveryBadReferenceIsFoundWhereItLivesAndNoGoodOne) {
    Planter planter(machine.registry);
    std::vector<Seen> expected;
    auto plant = [&](const CheckRow& check, const At& at, const Ref& r, bool bad) {
        const Shown shown = check.plant(planter, at, r);
        if (!bad) return;
        expected.push_back(expect(check, at, at.view, shown));
        if (userViewsShared(at) && check.redirected) expected.push_back(expect(check, at, View::Bits32, shown));
    };
    for (const CheckRow& check : kChecks)
        for (const At& at : placesOf(check)) {
            if (at.view == View::Bits32 && userViewsShared(at)) continue;
            plant(check, at, ref(tm->scratchFolder(), true), false);
            plant(check, at, ref(tm->scratchFolder(), false), true);
        }

    // Paths as each registration's own process sees them: a 32-bit one's System32 is SysWOW64
    // but for the exempt folders, and its %ProgramFiles% is Program Files (x86).
    if (views.hasSecondView()) {
        const std::string system32 = windows + "\\System32";
        // The real System32 of either build: a 32-bit process reaches it as Sysnative.
        const std::string nativeSystem32 = windows + (views.processIs64Bit ? "\\System32" : "\\Sysnative");
        Ref wowOnly = ref(system32, false), nativeOnly = ref(system32, false), exempt = ref(system32 + "\\drivers\\etc", true);
        make(windows + "\\SysWOW64\\" + baseOf(wowOnly.file));
        make(nativeSystem32 + "\\" + baseOf(nativeOnly.file));
        Ref x86 = ref("%ProgramFiles%", false);
        make(machine.processes.expandEnvironment("%ProgramFiles(x86)%") + "\\" + baseOf(x86.file));
        const CheckRow &servers = rowOf(Tag::ComServer), &libraries = rowOf(Tag::TypeLibrary);
        const At bits64{kHkeyLocalMachine, "Software\\Classes", View::Bits64};
        const At bits32{kHkeyLocalMachine, "Software\\Classes", View::Bits32};
        const struct {
            const CheckRow& check;
            const At& at;
            Ref r;
            bool bad;
        } cases[] = {
            {servers, bits32, wowOnly, false},    {servers, bits64, wowOnly, true},
            {servers, bits32, nativeOnly, true},  {servers, bits64, nativeOnly, false},
            {servers, bits32, exempt, false},     {servers, bits32, x86, false},
            // A type library's win32 file is a 32-bit file, whichever view lists it.
            {libraries, bits64, wowOnly, false},  {libraries, bits64, nativeOnly, true},
        };
        for (const auto& c : cases) {
            Ref r = c.r;
            r.guid = ref(tm->scratchFolder(), false).guid;
            plant(c.check, c.at, r, c.bad);
        }
    }
    std::sort(expected.begin(), expected.end());
    EXPECT_EQ(ours(scanAll()), expected) << (tm->isWine() ? "under Wine" : "");
}

TEST_F(ScanPlacesWine, DeletingTheOtherViewsFindingLeavesItsNamesakeInTheFirstView) {
    if (!views.hasSecondView()) GTEST_SKIP() << "one registry view";
    Planter planter(machine.registry);
    const Ref first = ref(tm->scratchFolder(), false);
    Ref second = ref(tm->scratchFolder(), false);
    second.guid = first.guid;
    const At bits64{kHkeyLocalMachine, "Software\\Classes", View::Bits64};
    const At bits32{kHkeyLocalMachine, "Software\\Classes", View::Bits32};
    rowOf(Tag::ComServer).plant(planter, bits64, first);
    rowOf(Tag::ComServer).plant(planter, bits32, second);

    const auto findings = scanAll();
    const scanner::Finding* thirtyTwo = nullptr;
    for (const auto& f : findings)
        if (f.reference == second.file) thirtyTwo = &f;
    ASSERT_NE(thirtyTwo, nullptr);
    backup::Backups backups(machine, tm->scratchFolder() + "\\Backups");
    const auto result = scanner::deleteFindings(machine.registry, backups, {thirtyTwo});
    ASSERT_EQ(result.deleted, std::vector<bool>{true}) << (result.failures.empty() ? "" : result.failures[0]);

    const std::string key = "Software\\Classes\\CLSID\\" + first.guid + "\\LocalServer32";
    RegValue value;
    EXPECT_EQ(readValue(machine.registry, kHkeyLocalMachine, key, View::Bits32, "", value), kFileNotFound);
    ASSERT_EQ(readValue(machine.registry, kHkeyLocalMachine, key, View::Bits64, "", value), kSuccess);
    EXPECT_EQ(textOf(value).value_or(""), first.file + " /automation");
}

}  // namespace
