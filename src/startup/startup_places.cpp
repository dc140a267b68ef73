#include "startup/startup_places.h"

#include <algorithm>
#include <cctype>
#include <initializer_list>
#include <string_view>

#include "store/text_value.h"

namespace startup {
namespace {

constexpr std::uint32_t kWinIniBuffer = 65536;
constexpr const char* kVersionKey = "software\\microsoft\\windows\\currentversion";
constexpr const char* kVersionKeyNt = "software\\microsoft\\windows nt\\currentversion";

std::string registryText(store::SettingsStore& store, platform::Key root, const std::string& path,
                         const std::string& name) {
    std::string text;
    store.readString(root, path, name, text);
    return store::trimSpaces(text);
}

// The names the registry knows, in the order older Windows versions kept them.
std::string registryUserName(store::SettingsStore& store) {
    const struct {
        platform::Key root;
        const char* path;
        const char* name;
    } places[] = {
        {platform::kHkeyLocalMachine, "network\\logon", "username"},
        {platform::kHkeyCurrentUser, "software\\microsoft\\windows\\currentversion\\explorer", "Logon User Name"},
        {platform::kHkeyLocalMachine, "Software\\Microsoft\\Windows\\CurrentVersion\\winlogon", "defaultusername"},
        {platform::kHkeyLocalMachine, "Software\\Microsoft\\Windows nt\\CurrentVersion\\winlogon", "defaultusername"},
    };
    for (const auto& place : places) {
        std::string name = registryText(store, place.root, place.path, place.name);
        if (!name.empty()) return name;
    }
    return {};
}

std::string defaultUserName(store::SettingsStore& store) {
    std::string name =
        registryText(store, platform::kHkeyLocalMachine, "Software\\Microsoft\\Windows\\CurrentVersion\\winlogon",
                     "defaultusername");
    if (name.empty())
        name = registryText(store, platform::kHkeyLocalMachine,
                            "Software\\Microsoft\\Windows nt\\CurrentVersion\\winlogon", "defaultusername");
    return name;
}

// Pieces appended one by one: GCC 12 sees false overlaps in chained + at -O2.
std::string joined(std::initializer_list<std::string_view> pieces) {
    std::string text;
    for (std::string_view piece : pieces) text += piece;
    return text;
}

std::string withoutTrailingBackslash(std::string path) {
    while (path.size() > 3 && path.back() == '\\') path.pop_back();
    return path;
}

void addFolder(platform::Files& files, std::vector<std::string>& folders, const std::string& folder) {
    if (folder.empty() || !folderExists(files, folder)) return;
    for (const auto& known : folders)
        if (sameText(known, folder)) return;
    folders.push_back(folder);
}

// The fixed path where it exists, else the one the shell reports.
std::string fixedOrShell(platform::Files& files, const std::string& fixed, const std::string& shell) {
    if (!fixed.empty() && folderExists(files, fixed)) return fixed;
    const std::string reported = withoutTrailingBackslash(shell);
    return !reported.empty() && folderExists(files, reported) ? reported : std::string();
}

}  // namespace

const char* winIniKey(Source source) { return source == Source::WinIniLoad ? "load" : "run"; }

const char* parkedWinIniKey(Source source) { return source == Source::WinIniLoad ? "loaddisabled" : "rundisabled"; }

bool folderExists(platform::Files& files, const std::string& path) {
    std::uint32_t attributes = 0;
    return files.getAttributes(path, attributes) == platform::kSuccess && (attributes & platform::kAttrDirectory);
}

std::string nameWithoutExtension(const std::string& fileName) {
    const std::size_t dot = fileName.rfind('.');
    return dot == std::string::npos || dot == 0 ? fileName : fileName.substr(0, dot);
}

bool sameText(const std::string& a, const std::string& b) {
    return a.size() == b.size() && std::equal(a.begin(), a.end(), b.begin(), [](char x, char y) {
               return std::tolower(static_cast<unsigned char>(x)) == std::tolower(static_cast<unsigned char>(y));
           });
}

bool isFolderSettingsFile(const std::string& fileName) { return sameText(fileName, "desktop.ini"); }

std::string readWinIni(platform::Profile& profile, const std::string& winIni, const std::string& key) {
    std::string buffer(kWinIniBuffer, '\0');
    const std::uint32_t got = profile.getString(kWinIniSection, key, "", buffer.data(), kWinIniBuffer, winIni);
    buffer.resize(std::min<std::uint32_t>(got, kWinIniBuffer));
    return buffer;
}

StartupPlaces findStartupPlaces(platform::Machine& machine, store::SettingsStore& store) {
    StartupPlaces places;
    platform::Files& files = machine.files;
    places.windowsFolder = registryText(store, platform::kHkeyLocalMachine, kVersionKey, "SystemRoot");
    if (places.windowsFolder.empty()) {
        places.windowsFolder = registryText(store, platform::kHkeyLocalMachine, kVersionKeyNt, "SystemRoot");
        places.ntFamily = true;
    }
    places.windowsFolder = withoutTrailingBackslash(places.windowsFolder);
    places.winIni = joined({places.windowsFolder, "\\win.ini"});
    places.userName = registryUserName(store);
    if (places.userName.empty()) places.userName = store::trimSpaces(machine.desktop.userName());

    const std::string& windows = places.windowsFolder;
    const std::string drive = windows.size() >= 3 ? windows.substr(0, 3) : std::string();
    if (places.ntFamily) {
        std::string user = defaultUserName(store);
        if (user.empty()) user = places.userName;
        const std::string settings = drive.empty() ? std::string() : joined({drive, "Documents and Settings\\"});
        places.allUsersFolder =
            fixedOrShell(files, settings.empty() ? "" : joined({settings, "All Users\\Start Menu\\Programs\\Startup"}),
                         machine.shortcuts.startupFolder(true));
        places.userFolder =
            fixedOrShell(files,
                         settings.empty() || user.empty()
                             ? ""
                             : joined({settings, user, "\\Start Menu\\programs\\startup"}),
                         machine.shortcuts.startupFolder(false));
        addFolder(files, places.listedFolders, places.allUsersFolder);
        addFolder(files, places.listedFolders, places.userFolder);
    } else if (!windows.empty()) {
        const std::string shared = joined({windows, "\\Start Menu\\programs\\startup"});
        const std::string own =
            places.userName.empty() ? "" : joined({windows, "\\", places.userName, "\\programs\\startup"});
        places.allUsersFolder = fixedOrShell(files, shared, machine.shortcuts.startupFolder(true));
        places.userFolder = fixedOrShell(files, own, "");
        if (places.userFolder.empty()) places.userFolder = places.allUsersFolder;
        addFolder(files, places.listedFolders, own);
        addFolder(files, places.listedFolders, places.allUsersFolder);
    }
    places.parkingFolder = joined({files.programFolder(), "\\startupfolder"});
    return places;
}

}  // namespace startup
