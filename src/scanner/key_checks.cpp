// App Paths, default icons and file types: keys whose default values name files.
#include <cctype>

#include "platform/registry_key.h"
#include "scanner/checks.h"
#include "scanner/program_path.h"
#include "store/text_value.h"

namespace scanner {
namespace {

constexpr KeyPair kAppPathKeys{"SOFTWARE\\Microsoft\\Windows\\CurrentVersion\\App Paths",
                               "Software\\Microsoft\\windows nt\\currentversion\\app paths"};

std::string lowerCase(std::string text) {
    for (char& c : text) c = static_cast<char>(std::tolower(static_cast<unsigned char>(c)));
    return text;
}

// Setup programs register themselves while they run and are gone afterwards by design.
bool excludedProgram(const std::string& name) {
    const std::string lower = lowerCase(store::trimSpaces(name));
    return lower == "setup.exe" || lower == "install.exe";
}

// The open command of a file type, else its edit command. A user's extension may name a
// type the machine registers: the user's classes are asked first, as Windows merges them.
std::string fileTypeCommand(ScanContext& context, const Area& area, const std::string& type) {
    std::vector<platform::Key> roots{area.root};
    if (area.root == platform::kHkeyCurrentUser) roots.push_back(platform::kHkeyLocalMachine);
    for (platform::Key root : roots)
        for (const char* verb : {"open", "edit"}) {
            std::string command =
                readText(context, root, area.view, area.key(type + "\\shell\\" + verb + "\\command"), "", area.files);
            if (!store::trimSpaces(command).empty()) return command;
        }
    return {};
}

}  // namespace

std::vector<Finding> checkAppPaths(ScanContext& context, const Area& area) {
    std::vector<Finding> found;
    const std::string first = area.key(kAppPathKeys.first), alternative = area.key(kAppPathKeys.alternative);
    const std::string& walked = platform::ninexOrNtPath(context.registry, area.root, first, alternative, area.view);
    const bool shared = platform::sharedBetweenViews(area.root, walked);
    // Both views list the same shared key: the first view's walk has judged it.
    if (area.otherViewOnly && shared) return found;
    const std::string label = area.label(shared);
    for (const std::string& name : subkeyNames(context, area.root, area.view, walked)) {
        if (!context.nextStep()) break;
        if (excludedProgram(name) || store::trimSpaces(name).empty()) continue;
        const ValueText value = readValueText(context, area.root, area.view, walked + "\\" + name, "", area.files);
        // A default of a type that names no file is no evidence the program is gone.
        if (value.kind == ValueText::Kind::OtherType) continue;
        const std::vector<Place> places{keyPlace(area.root, area.view, alternative + "\\" + name),
                                        keyPlace(area.root, area.view, first + "\\" + name)};
        std::string path = store::trimSpaces(value.text);
        if (path.empty()) {
            found.push_back({context.settings.emptyPathText + label, store::trimSpaces(name), Tag::AppPath, places});
            continue;
        }
        if (path.front() == '"') path = path.size() >= 2 ? path.substr(1, path.size() - 2) : std::string();
        if (!present(context, path, area.files))
            found.push_back({path + label, store::trimSpaces(name), Tag::AppPath, places});
    }
    return found;
}

std::vector<Finding> checkDefaultIcons(ScanContext& context, const Area& area) {
    std::vector<Finding> found;
    for (const std::string& name : subkeyNames(context, area.root, area.view, area.prefix)) {
        if (!context.nextStep()) break;
        if (store::trimSpaces(name).empty()) continue;
        const std::string key = area.key(name + "\\defaulticon");
        std::string icon = store::trimSpaces(readText(context, area.root, area.view, key, "", area.files));
        if (!hasDriveLetter(icon)) continue;
        // "file,index": the index picks an icon inside the file.
        icon = icon.substr(0, icon.find(','));
        if (!present(context, icon, area.files))
            found.push_back({store::trimSpaces(name) + area.label(true),
                             icon,
                             Tag::DefaultIcon,
                             {keyPlace(area.root, area.view, key)}});
    }
    return found;
}

std::vector<Finding> checkFileTypes(ScanContext& context, const Area& area) {
    std::vector<Finding> found;
    for (const std::string& name : subkeyNames(context, area.root, area.view, area.prefix)) {
        if (!context.nextStep()) break;
        const std::string extension = store::trimSpaces(name);
        if (extension.empty() || extension.front() != '.') continue;
        const std::string type = readText(context, area.root, area.view, area.key(name), "", area.files);
        if (store::trimSpaces(type).empty()) continue;
        const std::string command = fileTypeCommand(context, area, type);
        const std::string program = store::trimSpaces(extractProgramPath(command));
        // Libraries, scripts and programs found through the search path are not judged.
        if (!endsWithExe(program) || !hasDriveLetter(program)) continue;
        if (!present(context, program, area.files))
            found.push_back({extension + area.label(true),
                             program,
                             Tag::FileType,
                             {valuePlace(area.root, area.view, area.key(name), "")}});
    }
    return found;
}

}  // namespace scanner
