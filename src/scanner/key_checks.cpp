// App Paths, default icons and file types: keys whose default values name files.
#include <cctype>

#include "scanner/checks.h"
#include "scanner/program_path.h"
#include "store/text_value.h"

namespace scanner {
namespace {

constexpr KeyPair kAppPathKeys{"SOFTWARE\\Microsoft\\Windows\\CurrentVersion\\App Paths",
                               "Software\\Microsoft\\windows nt\\currentversion\\app paths"};
constexpr int kEmptyPathText = 106;

std::string lowerCase(std::string text) {
    for (char& c : text) c = static_cast<char>(std::tolower(static_cast<unsigned char>(c)));
    return text;
}

// Setup programs register themselves while they run and are gone afterwards by design.
bool excludedProgram(const std::string& name) {
    const std::string lower = lowerCase(store::trimSpaces(name));
    return lower == "setup.exe" || lower == "install.exe";
}

// The top-level class keys: HKEY_CLASSES_ROOT's, or HKEY_CURRENT_USER's when it has none.
std::vector<std::string> classKeys(ScanContext& context) {
    std::vector<std::string> names;
    std::string items;
    if (context.store.enumerateSubkeys("HKCR", "", items, names, context.walk.enumeration()) ==
        platform::kFileNotFound)
        context.store.enumerateSubkeys("HKCU", "", items, names, context.walk.enumeration());
    return names;
}

}  // namespace

std::vector<Finding> checkAppPaths(ScanContext& context) {
    std::vector<Finding> found;
    std::vector<std::string> names;
    std::string items, walked = kAppPathKeys.first;
    if (context.store.enumerateSubkeys("HKLM", walked, items, names, context.walk.enumeration()) ==
        platform::kFileNotFound) {
        walked = kAppPathKeys.alternative;
        context.store.enumerateSubkeys("HKLM", walked, items, names, context.walk.enumeration());
    }
    for (const std::string& name : names) {
        if (!context.walk.nextStep()) break;
        if (excludedProgram(name) || store::trimSpaces(name).empty()) continue;
        const ValueText value = readValueText(context, platform::kHkeyLocalMachine, walked + "\\" + name, "");
        // A default of a type that names no file is no evidence the program is gone.
        if (value.kind == ValueText::Kind::OtherType) continue;
        const std::vector<DeletePlace> places{keyPlace(platform::kHkeyLocalMachine, kAppPathKeys.alternative, name),
                                              keyPlace(platform::kHkeyLocalMachine, kAppPathKeys.first, name)};
        std::string path = store::trimSpaces(value.text);
        if (path.empty()) {
            found.push_back({context.language.text(kEmptyPathText), store::trimSpaces(name), Tag::AppPath, places});
            continue;
        }
        if (path.front() == '"') path = path.size() >= 2 ? path.substr(1, path.size() - 2) : std::string();
        if (!targetPresent(context.files, path))
            found.push_back({path, store::trimSpaces(name), Tag::AppPath, places});
    }
    return found;
}

std::vector<Finding> checkDefaultIcons(ScanContext& context) {
    std::vector<Finding> found;
    for (const std::string& name : classKeys(context)) {
        if (!context.walk.nextStep()) break;
        if (store::trimSpaces(name).empty()) continue;
        std::string icon = store::trimSpaces(readText(context, platform::kHkeyClassesRoot, name + "\\defaulticon", ""));
        if (!hasDriveLetter(icon)) continue;
        // "file,index": the index picks an icon inside the file.
        icon = icon.substr(0, icon.find(','));
        if (!targetPresent(context.files, icon))
            found.push_back({store::trimSpaces(name), icon, Tag::DefaultIcon,
                             {keyPlace(platform::kHkeyClassesRoot, name, "defaulticon")}});
    }
    return found;
}

std::vector<Finding> checkFileTypes(ScanContext& context) {
    std::vector<Finding> found;
    for (const std::string& name : classKeys(context)) {
        if (!context.walk.nextStep()) break;
        const std::string extension = store::trimSpaces(name);
        if (extension.empty() || extension.front() != '.') continue;
        const std::string type = readText(context, platform::kHkeyClassesRoot, name, "");
        if (store::trimSpaces(type).empty()) continue;
        std::string command = readText(context, platform::kHkeyClassesRoot, type + "\\shell\\open\\command", "");
        if (store::trimSpaces(command).empty())
            command = readText(context, platform::kHkeyClassesRoot, type + "\\shell\\edit\\command", "");
        const std::string program = store::trimSpaces(extractProgramPath(command));
        // Libraries, scripts and programs found through the search path are not judged.
        if (!endsWithExe(program) || !hasDriveLetter(program)) continue;
        if (!targetPresent(context.files, program))
            found.push_back({extension, program, Tag::FileType, {valuePlace(platform::kHkeyClassesRoot, name, "")}});
    }
    return found;
}

}  // namespace scanner
