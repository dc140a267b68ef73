#include "startup/startup_listing.h"

#include "platform/registry_key.h"
#include "startup/startup_approval.h"
#include "store/text_value.h"

namespace startup {
namespace {

using platform::RegKey;

bool listKey(platform::Machine& machine, const RegistrySource& source, bool active, const std::string& path,
             platform::View view, std::vector<StartupEntry>& entries, const KeepGoing& keepGoing) {
    RegKey key;
    if (RegKey::open(machine.registry, source.root, path, view, platform::kKeyQueryValue, key) != platform::kSuccess)
        return true;  // a missing key lists nothing
    std::vector<platform::NamedRegValue> values;
    bool going = true;
    key.values(values, [&] { return going = keepGoing(); });
    if (!going) return false;
    for (platform::NamedRegValue& value : values) {
        if (store::trimSpaces(value.name).empty()) continue;
        StartupEntry entry;
        entry.source = source.source;
        entry.active = active;
        entry.name = std::move(value.name);
        entry.root = source.root;
        entry.view = view;
        entry.keyPath = path;
        entry.value = std::move(value.value);
        entry.command = platform::formatValue(entry.value);
        entries.push_back(std::move(entry));
    }
    return true;
}

// The "windows nt" form is read only where the form Windows reads is missing.
bool listLiveKey(platform::Machine& machine, const RegistrySource& source, std::vector<StartupEntry>& entries,
                 const KeepGoing& keepGoing) {
    const std::string live = source.liveKey;
    const std::string path = source.otherFormKey
                                 ? platform::ninexOrNtPath(machine.registry, source.root, live, source.otherFormKey,
                                                           source.view)
                                 : live;
    return listKey(machine, source, true, path, source.view, entries, keepGoing);
}

void addWinIniEntry(platform::Profile& profile, const StartupPlaces& places, Source source, bool active,
                    std::vector<StartupEntry>& entries) {
    if (places.windowsFolder.empty()) return;
    const std::string text = readWinIni(profile, places.winIni, active ? winIniKey(source) : parkedWinIniKey(source));
    if (store::trimSpaces(text).empty()) return;
    StartupEntry entry;
    entry.source = source;
    entry.active = active;
    entry.name = text;
    entry.command = text;
    entries.push_back(std::move(entry));
}

bool listFolders(platform::Machine& machine, const StartupPlaces& places, std::vector<StartupEntry>& entries,
                 const KeepGoing& keepGoing) {
    for (const std::string& folder : places.listedFolders) {
        std::vector<std::string> files;
        platform::listFolderFiles(machine.files, folder, files);
        for (const std::string& file : files) {
            if (store::trimSpaces(file).empty() || isFolderSettingsFile(file)) continue;
            StartupEntry entry;
            entry.source = Source::StartupFolder;
            entry.name = nameWithoutExtension(file);
            entry.folder = folder;
            entry.fileName = file;
            platform::ShellLink link;
            if (machine.shortcuts.read(entry.filePath(), link) == platform::kSuccess) entry.command = link.target;
            entries.push_back(std::move(entry));
            if (!keepGoing()) return false;
        }
    }
    return true;
}

std::string parkedText(platform::Registry& registry, const char* key, const std::string& name) {
    platform::RegValue value;
    if (platform::readValue(registry, platform::kHkeyLocalMachine, key, kOwnKeysView, name, value) !=
        platform::kSuccess)
        return {};
    return platform::formatValue(value);
}

bool listParkedFolderEntries(platform::Machine& machine, const StartupPlaces& places,
                             std::vector<StartupEntry>& entries, const KeepGoing& keepGoing) {
    RegKey key;
    if (RegKey::open(machine.registry, platform::kHkeyLocalMachine, kParkedFolderKey, kOwnKeysView,
                     platform::kKeyQueryValue, key) != platform::kSuccess)
        return true;
    std::vector<std::string> names;
    bool going = true;
    key.valueNames(names, [&] { return going = keepGoing(); });
    if (!going) return false;
    for (const std::string& name : names) {
        if (store::trimSpaces(name).empty()) continue;
        StartupEntry entry;
        entry.source = Source::StartupFolder;
        entry.active = false;
        entry.name = name;
        entry.folder = parkedText(machine.registry, kParkedFolderKey, name);
        entry.command = parkedText(machine.registry, kParkedTargetKey, name);
        const auto copies = parkedCopies(machine.files, places.parkingFolder, name);
        if (!copies.empty()) entry.fileName = copies.front();
        entries.push_back(std::move(entry));
        if (!keepGoing()) return false;
    }
    return true;
}

}  // namespace

std::vector<std::string> parkedCopies(platform::Files& files, const std::string& parkingFolder,
                                      const std::string& name) {
    std::vector<std::string> copies;
    std::vector<std::string> names;
    if (platform::listFolderFiles(files, parkingFolder, names) != platform::kSuccess) return copies;
    for (const std::string& file : names)
        if (sameText(nameWithoutExtension(file), name)) copies.push_back(file);
    return copies;
}

namespace {

// The six older places keep their order; the places current Windows adds follow them.
bool isOlderPlace(Source source) { return static_cast<int>(source) <= static_cast<int>(Source::StartupFolder); }

}  // namespace

std::optional<std::vector<StartupEntry>> listStartupEntries(platform::Machine& machine, const StartupPlaces& places,
                                                            const KeepGoing& keepGoing) {
    std::vector<StartupEntry> entries;
    const std::vector<RegistrySource> sources = registrySources(machine.registry.views());
    const auto listLive = [&](bool older) {
        for (const RegistrySource& source : sources)
            if (isOlderPlace(source.source) == older && !listLiveKey(machine, source, entries, keepGoing)) return false;
        return true;
    };
    const auto listParked = [&](bool older) {
        for (const RegistrySource& source : sources)
            if (isOlderPlace(source.source) == older &&
                !listKey(machine, source, false, source.parkingKey, kOwnKeysView, entries, keepGoing))
                return false;
        return true;
    };
    if (!listLive(true)) return std::nullopt;
    addWinIniEntry(machine.profile, places, Source::WinIniRun, true, entries);
    addWinIniEntry(machine.profile, places, Source::WinIniLoad, true, entries);
    if (!listFolders(machine, places, entries, keepGoing) || !listLive(false) || !listParked(true))
        return std::nullopt;
    addWinIniEntry(machine.profile, places, Source::WinIniRun, false, entries);
    addWinIniEntry(machine.profile, places, Source::WinIniLoad, false, entries);
    if (!listParkedFolderEntries(machine, places, entries, keepGoing) || !listParked(false)) return std::nullopt;
    if (!readApprovals(machine, places, entries, keepGoing)) return std::nullopt;
    return entries;
}

bool StartupEntry::sameEntry(const StartupEntry& other) const {
    return source == other.source && active == other.active && name == other.name && root == other.root &&
           view == other.view && sameText(keyPath, other.keyPath) && sameText(folder, other.folder) &&
           (active ? sameText(fileName, other.fileName) : true);
}

}  // namespace startup
