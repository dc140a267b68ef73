#include "scanner/scan.h"

#include <functional>

#include "platform/registry_key.h"
#include "scanner/checks.h"
#include "store/text_value.h"

namespace scanner {
namespace {

// Where a check's keys hang: HKLM's own, or the classes (machine and user apart).
enum class Keys { Machine, Classes };

// One check in the fixed order of the scan: the category row that chooses it, where it reads, and
// whether 64-bit Windows keeps its keys once for both views ("Registry Keys Affected by WOW64"):
// such keys are read once, through the 64-bit view. HKLM checks tell per key, as their 9x and NT
// forms differ.
struct CheckRow {
    std::size_t category;  // 0 to 6: rows 1 to 7 of the category list
    Keys keys;
    bool classesShared;
    std::function<std::vector<Finding>(ScanContext&, const Area&)> run;
};

const CheckRow kChecks[] = {
    {0, Keys::Machine, false, checkFonts},
    {1, Keys::Machine, false, checkSharedDlls},
    {2, Keys::Machine, false, checkAppPaths},
    {3, Keys::Machine, false, [](ScanContext& c, const Area& a) { return checkHelpFiles(c, a, Tag::Help); }},
    {3, Keys::Machine, false, [](ScanContext& c, const Area& a) { return checkHelpFiles(c, a, Tag::HtmlHelp); }},
    {4, Keys::Classes, true, checkDefaultIcons},
    {5, Keys::Classes, true, checkFileTypes},
    {6, Keys::Classes, false, checkComServers},
    {6, Keys::Classes, true, checkTypeLibraries},
    {6, Keys::Classes, false, checkToolboxBitmaps},
};

struct RootRow {
    Keys keys;
    platform::Key root;
    const char* prefix;
    bool user;
};
const RootRow kRoots[] = {
    {Keys::Machine, platform::kHkeyLocalMachine, "", false},
    {Keys::Classes, platform::kHkeyLocalMachine, "Software\\Classes", false},
    {Keys::Classes, platform::kHkeyCurrentUser, "Software\\Classes", true},
};

// Every place a check reads: each root in the 64-bit view, then in the 32-bit one (nothing
// twice on a machine with one view), the label naming what is not this build's own.
std::vector<Area> areasOf(const CheckRow& check, const platform::RegistryViews& views, const ScanSettings& settings) {
    using platform::View;
    std::vector<Area> areas;
    for (const RootRow& row : kRoots) {
        if (row.keys != check.keys) continue;
        const std::string user = row.user ? settings.currentUserLabel : std::string();
        if (!views.hasSecondView()) {
            areas.push_back({row.root, View::Native, row.prefix, user, "", false, Bits::Native});
            continue;
        }
        for (View view : {View::Bits64, View::Bits32}) {
            const bool other = view == View::Bits32;
            if (other && check.classesShared) continue;
            const std::string viewLabel = view == views.ownView() ? std::string()
                                          : other                 ? settings.bits32Label
                                                                  : settings.bits64Label;
            areas.push_back({row.root, view, row.prefix, user, viewLabel, other, other ? Bits::B32 : Bits::B64});
        }
    }
    return areas;
}

// (WindowsFolder)
std::string windowsFolder(platform::Registry& registry) {
    for (const char* key :
         {"software\\microsoft\\windows\\currentversion", "software\\microsoft\\windows nt\\currentversion"}) {
        platform::RegValue value;
        if (platform::readValue(registry, platform::kHkeyLocalMachine, key, platform::View::Native, "SystemRoot",
                                value) != platform::kSuccess)
            continue;
        const auto text = platform::textOf(value);
        if (text && !store::trimSpaces(*text).empty()) return store::trimSpaces(*text);
    }
    return {};
}

}  // namespace

std::vector<Finding> scan(platform::Machine& machine, const ScanSettings& settings, ScanProgress& progress) {
    const platform::RegistryViews views = machine.registry.views();
    ScanContext context{machine.registry,  machine.files,
                        machine.processes, settings,
                        progress,          FileSight{views.processIs64Bit, windowsFolder(machine.registry)}};
    std::vector<Finding> found;
    for (const CheckRow& check : kChecks) {
        if (!context.nextStep()) break;
        if (!settings.categories.test(check.category)) continue;
        const std::size_t blockStart = found.size();
        for (const Area& area : areasOf(check, views, settings)) {
            std::vector<Finding> block = check.run(context, area);
            std::move(block.begin(), block.end(), std::back_inserter(found));
        }
        progress.blockFound(std::span<const Finding>(found).subspan(blockStart));
    }
    return found;
}

}  // namespace scanner
