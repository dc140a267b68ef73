#include "startup/startup_listing.h"

#include <algorithm>

#include "startup/registry_values.h"
#include "store/text_value.h"

namespace startup {
namespace {

// A value's data as the list shows it; one that cannot be read shows empty.
std::string commandOf(platform::Registry& registry, platform::Key root, const std::string& path,
                      const std::string& name) {
    RawValue value;
    return readRawValue(registry, root, path, name, value) == platform::kSuccess ? valueText(value) : std::string();
}

bool listKey(platform::Machine& machine, Source source, bool active, platform::Key root, const std::string& path,
             std::vector<StartupEntry>& entries, const KeepGoing& keepGoing) {
    std::vector<NamedValue> values;
    bool going = true;
    readAllValues(machine.registry, root, path, values, [&] { return going = keepGoing(); });
    if (!going) return false;
    for (NamedValue& value : values) {
        if (store::trimSpaces(value.name).empty()) continue;
        StartupEntry entry;
        entry.source = source;
        entry.active = active;
        entry.name = std::move(value.name);
        entry.keyPath = path;
        entry.command = valueText(value.value);
        entries.push_back(std::move(entry));
    }
    return true;
}

// The "windows nt" form is read only where the form Windows reads is missing.
bool listRunKey(platform::Machine& machine, Source source, std::vector<StartupEntry>& entries,
                const KeepGoing& keepGoing) {
    const platform::Key root = rootOf(source);
    const std::string path = keyExists(machine.registry, root, liveKey(source)) ? liveKey(source)
                                                                                 : otherFormKey(source);
    return listKey(machine, source, true, root, path, entries, keepGoing);
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

}  // namespace

LoopService::LoopService(platform::Desktop& desktop, std::function<bool()> stillCurrent,
                         std::chrono::milliseconds interval)
    : desktop_(desktop),
      stillCurrent_(std::move(stillCurrent)),
      interval_(interval),
      lastService_(std::chrono::steady_clock::now()) {}

bool LoopService::operator()() {
    const auto now = std::chrono::steady_clock::now();
    if (served_ && now - lastService_ < interval_) return true;
    longestWait_ = std::max<std::chrono::duration<double>>(longestWait_, now - lastService_);
    served_ = true;
    desktop_.yield();
    lastService_ = std::chrono::steady_clock::now();
    return stillCurrent_();
}

std::vector<std::string> parkedCopies(platform::Files& files, const std::string& parkingFolder,
                                      const std::string& name) {
    std::vector<std::string> copies;
    std::vector<std::string> names;
    if (platform::listFolderFiles(files, parkingFolder, names) != platform::kSuccess) return copies;
    for (const std::string& file : names)
        if (sameText(nameWithoutExtension(file), name)) copies.push_back(file);
    return copies;
}

bool listActiveEntries(platform::Machine& machine, const StartupPlaces& places, std::vector<StartupEntry>& entries,
                       const KeepGoing& keepGoing) {
    for (Source source : {Source::MachineRun, Source::UserRun, Source::MachineRunServices})
        if (!listRunKey(machine, source, entries, keepGoing)) return false;
    addWinIniEntry(machine.profile, places, Source::WinIniRun, true, entries);
    addWinIniEntry(machine.profile, places, Source::WinIniLoad, true, entries);
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
            if (machine.shortcuts.read(folder + "\\" + file, link) == platform::kSuccess) entry.command = link.target;
            entries.push_back(std::move(entry));
            if (!keepGoing()) return false;
        }
    }
    return true;
}

bool listParkedEntries(platform::Machine& machine, const StartupPlaces& places, std::vector<StartupEntry>& entries,
                       const KeepGoing& keepGoing) {
    for (Source source : {Source::MachineRun, Source::UserRun, Source::MachineRunServices})
        if (!listKey(machine, source, false, rootOf(source), parkingKey(source), entries, keepGoing)) return false;
    addWinIniEntry(machine.profile, places, Source::WinIniRun, false, entries);
    addWinIniEntry(machine.profile, places, Source::WinIniLoad, false, entries);
    std::vector<std::string> names;
    bool going = true;
    valueNames(machine.registry, platform::kHkeyLocalMachine, kParkedFolderKey, names,
               [&] { return going = keepGoing(); });
    if (!going) return false;
    for (const std::string& name : names) {
        if (store::trimSpaces(name).empty()) continue;
        StartupEntry entry;
        entry.source = Source::StartupFolder;
        entry.active = false;
        entry.name = name;
        entry.folder = commandOf(machine.registry, platform::kHkeyLocalMachine, kParkedFolderKey, name);
        entry.command = commandOf(machine.registry, platform::kHkeyLocalMachine, kParkedTargetKey, name);
        const auto copies = parkedCopies(machine.files, places.parkingFolder, name);
        if (!copies.empty()) entry.fileName = copies.front();
        entries.push_back(std::move(entry));
        if (!keepGoing()) return false;
    }
    return true;
}

bool StartupEntry::sameEntry(const StartupEntry& other) const {
    return source == other.source && active == other.active && name == other.name &&
           sameText(keyPath, other.keyPath) && sameText(folder, other.folder) &&
           (active ? sameText(fileName, other.fileName) : true);
}

}  // namespace startup
