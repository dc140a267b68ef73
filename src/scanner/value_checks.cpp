// Fonts, shared DLLs and help files: values under one HKLM key that name files.
#include "platform/registry_key.h"
#include "scanner/checks.h"
#include "scanner/program_path.h"
#include "store/text_value.h"

namespace scanner {
namespace {

constexpr KeyPair kFontKeys{"Software\\Microsoft\\windows\\currentversion\\fonts",
                            "Software\\Microsoft\\windows nt\\currentversion\\fonts"};
constexpr KeyPair kSharedDllKeys{"Software\\Microsoft\\windows\\currentversion\\SharedDlls",
                                 "Software\\Microsoft\\windows nt\\currentversion\\SharedDlls"};
constexpr KeyPair kHelpKeys{"SOFTWARE\\Microsoft\\Windows\\Help", "Software\\Microsoft\\windows nt\\Help"};
constexpr KeyPair kHtmlHelpKeys{"SOFTWARE\\Microsoft\\Windows\\HTML Help",
                                "Software\\Microsoft\\windows nt\\HTML Help"};

// The key of the pair that is there (its 9x form first), which every read then uses; none in the
// second view of a 64-bit machine when that key is one both views share, walked in the first already.
const std::string* walkedKey(ScanContext& context, const Area& area, const KeyPair& keys, std::string (&both)[2]) {
    both[0] = area.key(keys.first);
    both[1] = area.key(keys.alternative);
    const std::string& walked = platform::ninexOrNtPath(context.registry, area.root, both[0], both[1], area.view);
    if (area.otherViewOnly && platform::sharedBetweenViews(area.root, walked)) return nullptr;
    return &walked;
}

std::string labelOf(const Area& area, const std::string& walked) {
    return area.label(platform::sharedBetweenViews(area.root, walked));
}

// The delete tries both forms of the key, the alternative first, whichever was walked.
std::vector<Place> bothValues(const Area& area, const std::string (&both)[2], const std::string& name) {
    return {valuePlace(area.root, area.view, both[1], name), valuePlace(area.root, area.view, both[0], name)};
}

// Windows registers fonts outside the fonts folder by their full path.
bool fullPath(const std::string& path) { return hasDriveLetter(path) || path.rfind("\\\\", 0) == 0; }

}  // namespace

std::vector<Finding> checkFonts(ScanContext& context, const Area& area) {
    std::vector<Finding> found;
    // Without the Windows folder every font would look missing.
    const std::string& windows = context.sight.windowsFolder;
    if (store::trimSpaces(windows).empty()) return found;
    std::string both[2];
    const std::string* walked = walkedKey(context, area, kFontKeys, both);
    if (!walked) return found;
    for (const std::string& name : valueNames(context, area.root, area.view, *walked)) {
        if (!context.nextStep()) break;
        const std::string file = store::trimSpaces(readText(context, area.root, area.view, *walked, name, area.files));
        if (file.empty()) continue;
        const std::string path = fullPath(file) ? file : windows + "\\fonts\\" + file;
        if (!present(context, path, area.files))
            found.push_back(
                {store::trimSpaces(name) + labelOf(area, *walked), file, Tag::Font, bothValues(area, both, name)});
    }
    return found;
}

std::vector<Finding> checkSharedDlls(ScanContext& context, const Area& area) {
    std::vector<Finding> found;
    std::string both[2];
    const std::string* walked = walkedKey(context, area, kSharedDllKeys, both);
    if (!walked) return found;
    for (const std::string& name : valueNames(context, area.root, area.view, *walked)) {
        if (!context.nextStep()) break;
        const std::string path = store::trimSpaces(name);
        if (path.empty() || present(context, path, area.files)) continue;
        found.push_back({path + labelOf(area, *walked), path, Tag::SharedDll, bothValues(area, both, name)});
    }
    return found;
}

std::vector<Finding> checkHelpFiles(ScanContext& context, const Area& area, Tag part) {
    std::vector<Finding> found;
    std::string both[2];
    const std::string* walked = walkedKey(context, area, part == Tag::Help ? kHelpKeys : kHtmlHelpKeys, both);
    if (!walked) return found;
    for (const std::string& name : valueNames(context, area.root, area.view, *walked)) {
        if (!context.nextStep()) break;
        const std::string folder = readText(context, area.root, area.view, *walked, name, area.files);
        if (store::trimSpaces(folder).empty()) continue;
        const std::string file = store::trimSpaces(name);
        if (!present(context, folder + "\\" + file, area.files))
            found.push_back({folder + labelOf(area, *walked), file, part, bothValues(area, both, name)});
    }
    return found;
}

}  // namespace scanner
