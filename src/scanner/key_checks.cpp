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

}  // namespace

std::vector<Finding> checkAppPaths(ScanContext& context, const Area& area) {
    std::vector<Finding> found;
    const std::string first = area.key(kAppPathKeys.first), alternative = area.key(kAppPathKeys.alternative);
    const std::string& walked = platform::ninexOrNtPath(context.registry, area.root, first, alternative, area.view);
    for (const std::string& name : subkeyNames(context, area.root, area.view, walked)) {
        if (!context.nextStep()) break;
        if (excludedProgram(name) || store::trimSpaces(name).empty()) continue;
        const ValueText value = readValueText(context, area.root, area.view, walked + "\\" + name, "");
        // A default of a type that names no file is no evidence the program is gone.
        if (value.kind == ValueText::Kind::OtherType) continue;
        const std::vector<Place> places{keyPlace(area.root, area.view, alternative + "\\" + name),
                                        keyPlace(area.root, area.view, first + "\\" + name)};
        std::string path = store::trimSpaces(value.text);
        if (path.empty()) {
            found.push_back(
                {context.settings.emptyPathText + area.label, store::trimSpaces(name), Tag::AppPath, places});
            continue;
        }
        if (path.front() == '"') path = path.size() >= 2 ? path.substr(1, path.size() - 2) : std::string();
        if (!targetPresent(context.files, path))
            found.push_back({path + area.label, store::trimSpaces(name), Tag::AppPath, places});
    }
    return found;
}

std::vector<Finding> checkDefaultIcons(ScanContext& context, const Area& area) {
    std::vector<Finding> found;
    for (const std::string& name : subkeyNames(context, area.root, area.view, area.prefix)) {
        if (!context.nextStep()) break;
        if (store::trimSpaces(name).empty()) continue;
        const std::string key = area.key(name + "\\defaulticon");
        std::string icon = store::trimSpaces(readText(context, area.root, area.view, key, ""));
        if (!hasDriveLetter(icon)) continue;
        // "file,index": the index picks an icon inside the file.
        icon = icon.substr(0, icon.find(','));
        if (!targetPresent(context.files, icon))
            found.push_back(
                {store::trimSpaces(name) + area.label, icon, Tag::DefaultIcon, {keyPlace(area.root, area.view, key)}});
    }
    return found;
}

std::vector<Finding> checkFileTypes(ScanContext& context, const Area& area) {
    std::vector<Finding> found;
    for (const std::string& name : subkeyNames(context, area.root, area.view, area.prefix)) {
        if (!context.nextStep()) break;
        const std::string extension = store::trimSpaces(name);
        if (extension.empty() || extension.front() != '.') continue;
        const std::string type = readText(context, area.root, area.view, area.key(name), "");
        if (store::trimSpaces(type).empty()) continue;
        const std::string shell = area.key(type + "\\shell\\");
        std::string command = readText(context, area.root, area.view, shell + "open\\command", "");
        if (store::trimSpaces(command).empty())
            command = readText(context, area.root, area.view, shell + "edit\\command", "");
        const std::string program = store::trimSpaces(extractProgramPath(command));
        // Libraries, scripts and programs found through the search path are not judged.
        if (!endsWithExe(program) || !hasDriveLetter(program)) continue;
        if (!targetPresent(context.files, program))
            found.push_back({extension + area.label,
                             program,
                             Tag::FileType,
                             {valuePlace(area.root, area.view, area.key(name), "")}});
    }
    return found;
}

}  // namespace scanner
