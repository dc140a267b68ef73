// Fonts, shared DLLs and help files: values under one HKLM key that name files.
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

// The value names of the first key, or of the alternative when the first is missing;
// `walked` is the key they came from, which every read then uses.
std::vector<std::string> valueNames(ScanContext& context, const KeyPair& keys, std::string& walked) {
    std::vector<std::string> names;
    walked = keys.first;
    if (context.store.listValueNames("HKLM", walked, names, context.walk.enumeration()) == platform::kFileNotFound) {
        walked = keys.alternative;
        context.store.listValueNames("HKLM", walked, names, context.walk.enumeration());
    }
    return names;
}

// The delete tries both forms of the key, the alternative first, whichever was walked.
std::vector<DeletePlace> bothValues(const KeyPair& keys, const std::string& name) {
    return {valuePlace(platform::kHkeyLocalMachine, keys.alternative, name),
            valuePlace(platform::kHkeyLocalMachine, keys.first, name)};
}

// Windows registers fonts outside the fonts folder by their full path.
bool fullPath(const std::string& path) { return hasDriveLetter(path) || path.rfind("\\\\", 0) == 0; }

}  // namespace

std::vector<Finding> checkFonts(ScanContext& context) {
    std::vector<Finding> found;
    // Without the Windows folder every font would look missing.
    const std::string windows = context.store.windowsFolder();
    if (store::trimSpaces(windows).empty()) return found;
    std::string walked;
    for (const std::string& name : valueNames(context, kFontKeys, walked)) {
        if (!context.walk.nextStep()) break;
        const std::string file = store::trimSpaces(readText(context, platform::kHkeyLocalMachine, walked, name));
        if (file.empty()) continue;
        const std::string path = fullPath(file) ? file : windows + "\\fonts\\" + file;
        if (!targetPresent(context.files, path))
            found.push_back({store::trimSpaces(name), file, Tag::Font, bothValues(kFontKeys, name)});
    }
    return found;
}

std::vector<Finding> checkSharedDlls(ScanContext& context) {
    std::vector<Finding> found;
    std::string walked;
    for (const std::string& name : valueNames(context, kSharedDllKeys, walked)) {
        if (!context.walk.nextStep()) break;
        const std::string path = store::trimSpaces(name);
        if (path.empty() || targetPresent(context.files, path)) continue;
        found.push_back({path, path, Tag::SharedDll, bothValues(kSharedDllKeys, name)});
    }
    return found;
}

std::vector<Finding> checkHelpFiles(ScanContext& context, Tag part) {
    const KeyPair& keys = part == Tag::Help ? kHelpKeys : kHtmlHelpKeys;
    std::vector<Finding> found;
    std::string walked;
    for (const std::string& name : valueNames(context, keys, walked)) {
        if (!context.walk.nextStep()) break;
        const std::string folder = readText(context, platform::kHkeyLocalMachine, walked, name);
        if (store::trimSpaces(folder).empty()) continue;
        const std::string file = store::trimSpaces(name);
        if (!targetPresent(context.files, folder + "\\" + file))
            found.push_back({folder, file, part, bothValues(keys, name)});
    }
    return found;
}

}  // namespace scanner
