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
constexpr KeyPair kHtmlHelpKeys{"SOFTWARE\\Microsoft\\Windows\\HTML Help", "Software\\Microsoft\\windows nt\\HTML Help"};
constexpr KeyPair kSystemRootKeys{"software\\microsoft\\windows\\currentversion",
                                  "software\\microsoft\\windows nt\\currentversion"};

// The key of the pair that is there (its 9x form first), which every read then uses.
const std::string& walkedKey(ScanContext& context, const Area& area, const KeyPair& keys, std::string (&both)[2]) {
    both[0] = area.key(keys.first);
    both[1] = area.key(keys.alternative);
    return platform::ninexOrNtPath(context.registry, area.root, both[0], both[1], area.view);
}

// The delete tries both forms of the key, the alternative first, whichever was walked.
std::vector<Place> bothValues(const Area& area, const std::string (&both)[2], const std::string& name) {
    return {valuePlace(area.root, area.view, both[1], name), valuePlace(area.root, area.view, both[0], name)};
}

// Windows registers fonts outside the fonts folder by their full path.
bool fullPath(const std::string& path) { return hasDriveLetter(path) || path.rfind("\\\\", 0) == 0; }

// (WindowsFolder)
std::string windowsFolder(ScanContext& context) {
    for (const char* key : {kSystemRootKeys.first, kSystemRootKeys.alternative}) {
        std::string folder = readText(context, platform::kHkeyLocalMachine, platform::View::Native, key, "SystemRoot");
        if (!store::trimSpaces(folder).empty()) return folder;
    }
    return {};
}

}  // namespace

std::vector<Finding> checkFonts(ScanContext& context, const Area& area) {
    std::vector<Finding> found;
    // Without the Windows folder every font would look missing.
    const std::string windows = windowsFolder(context);
    if (store::trimSpaces(windows).empty()) return found;
    std::string both[2];
    const std::string& walked = walkedKey(context, area, kFontKeys, both);
    for (const std::string& name : valueNames(context, area.root, area.view, walked)) {
        if (!context.nextStep()) break;
        const std::string file = store::trimSpaces(readText(context, area.root, area.view, walked, name));
        if (file.empty()) continue;
        const std::string path = fullPath(file) ? file : windows + "\\fonts\\" + file;
        if (!targetPresent(context.files, path))
            found.push_back({store::trimSpaces(name) + area.label, file, Tag::Font, bothValues(area, both, name)});
    }
    return found;
}

std::vector<Finding> checkSharedDlls(ScanContext& context, const Area& area) {
    std::vector<Finding> found;
    std::string both[2];
    const std::string& walked = walkedKey(context, area, kSharedDllKeys, both);
    for (const std::string& name : valueNames(context, area.root, area.view, walked)) {
        if (!context.nextStep()) break;
        const std::string path = store::trimSpaces(name);
        if (path.empty() || targetPresent(context.files, path)) continue;
        found.push_back({path + area.label, path, Tag::SharedDll, bothValues(area, both, name)});
    }
    return found;
}

std::vector<Finding> checkHelpFiles(ScanContext& context, const Area& area, Tag part) {
    std::vector<Finding> found;
    std::string both[2];
    const std::string& walked = walkedKey(context, area, part == Tag::Help ? kHelpKeys : kHtmlHelpKeys, both);
    for (const std::string& name : valueNames(context, area.root, area.view, walked)) {
        if (!context.nextStep()) break;
        const std::string folder = readText(context, area.root, area.view, walked, name);
        if (store::trimSpaces(folder).empty()) continue;
        const std::string file = store::trimSpaces(name);
        if (!targetPresent(context.files, folder + "\\" + file))
            found.push_back({folder + area.label, file, part, bothValues(area, both, name)});
    }
    return found;
}

}  // namespace scanner
