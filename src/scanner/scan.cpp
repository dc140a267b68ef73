#include "scanner/scan.h"

#include <functional>

#include "platform/registry_key.h"
#include "scanner/checks.h"

namespace scanner {
namespace {

enum class Keys { Machine, Classes };

// One check in the fixed order of the scan: the category row that chooses it and where it reads.
struct CheckRow {
    std::size_t category;  // 0 to 6: rows 1 to 7 of the category list
    Keys keys;
    std::function<std::vector<Finding>(ScanContext&, const Area&)> run;
};

const CheckRow kChecks[] = {
    {0, Keys::Machine, checkFonts},
    {1, Keys::Machine, checkSharedDlls},
    {2, Keys::Machine, checkAppPaths},
    {3, Keys::Machine, [](ScanContext& c, const Area& a) { return checkHelpFiles(c, a, Tag::Help); }},
    {3, Keys::Machine, [](ScanContext& c, const Area& a) { return checkHelpFiles(c, a, Tag::HtmlHelp); }},
    {4, Keys::Classes, checkDefaultIcons},
    {5, Keys::Classes, checkFileTypes},
    {6, Keys::Classes, checkComServers},
    {6, Keys::Classes, checkTypeLibraries},
    {6, Keys::Classes, checkToolboxBitmaps},
};

std::vector<Area> areasOf(platform::Registry& registry, Keys keys) {
    if (keys == Keys::Machine) return {Area{platform::kHkeyLocalMachine, platform::View::Native, "", ""}};
    // The merged classes, or the user's when a machine has none.
    const bool merged = platform::keyExists(registry, platform::kHkeyClassesRoot, "", platform::View::Native);
    return {Area{merged ? platform::kHkeyClassesRoot : platform::kHkeyCurrentUser, platform::View::Native, "", ""}};
}

}  // namespace

std::vector<Finding> scan(platform::Machine& machine, const ScanSettings& settings, ScanProgress& progress) {
    ScanContext context{machine.registry, machine.files, machine.processes, settings, progress};
    std::vector<Finding> found;
    for (const CheckRow& check : kChecks) {
        if (!context.nextStep()) break;
        if (!settings.categories.test(check.category)) continue;
        const std::size_t blockStart = found.size();
        for (const Area& area : areasOf(machine.registry, check.keys)) {
            std::vector<Finding> block = check.run(context, area);
            std::move(block.begin(), block.end(), std::back_inserter(found));
        }
        progress.blockFound(std::span<const Finding>(found).subspan(blockStart));
    }
    return found;
}

}  // namespace scanner
