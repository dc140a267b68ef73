#include "startup/startup_changes.h"

#include "backup/backups_dialog.h"
#include "platform/status_text.h"
#include "platform/registry_key.h"
#include "startup/startup_approval.h"
#include "startup/startup_listing.h"

namespace startup {
namespace {

using platform::kHkeyLocalMachine;
using platform::kSuccess;
using platform::RegValue;
using platform::Status;

std::string failed(const std::string& what, Status status) { return what + ": " + platform::describeStatus(status); }

bool valueExists(platform::Registry& registry, const ValuePlace& place, const std::string& name) {
    RegValue value;
    return platform::readValue(registry, place.root, place.path, place.view, name, value) == kSuccess;
}

// Writes the value and reads it back; the old place goes only once this holds.
bool writeChecked(ChangeServices& services, const ValuePlace& place, const std::string& name, const RegValue& value) {
    platform::Registry& registry = services.machine.registry;
    Status status = platform::writeValue(registry, place.root, place.path, place.view, name, value);
    RegValue back;
    if (status == kSuccess) status = platform::readValue(registry, place.root, place.path, place.view, name, back);
    if (status == kSuccess && (back.type != value.type || back.data != value.data)) status = platform::kInvalidData;
    if (status != kSuccess) tellFailure(services, failed(describePlace(place, name), status));
    return status == kSuccess;
}

bool removeValue(ChangeServices& services, const ValuePlace& place, const std::string& name) {
    const Status status = platform::deleteValue(services.machine.registry, place.root, place.path, place.view, name);
    if (status == kSuccess) return true;
    tellFailure(services, failed(describePlace(place, name), status));
    return false;
}

bool writeIniChecked(ChangeServices& services, const std::string& winIni, const std::string& key,
                     const std::string& text) {
    platform::Profile& profile = services.machine.profile;
    if (profile.writeString(kWinIniSection, key, text, winIni) && readWinIni(profile, winIni, key) == text) return true;
    tellFailure(services, winIni + " [windows] " + key);
    return false;
}

// Clears read-only first: deleting a file the user chose is part of the change.
bool removeFile(ChangeServices& services, const std::string& path) {
    platform::Files& files = services.machine.files;
    std::uint32_t attributes = 0;
    if (files.getAttributes(path, attributes) != kSuccess) return true;
    if (attributes & platform::kAttrReadOnly) files.setAttributes(path, attributes & ~platform::kAttrReadOnly);
    const Status status = files.deleteFile(path);
    if (status == kSuccess) return true;
    tellFailure(services, failed(path, status));
    return false;
}

bool copyChecked(ChangeServices& services, const std::string& from, const std::string& to) {
    platform::Files& files = services.machine.files;
    std::uint32_t attributes = 0;
    if (files.getAttributes(to, attributes) == kSuccess && (attributes & platform::kAttrReadOnly))
        files.setAttributes(to, attributes & ~platform::kAttrReadOnly);
    Status status = files.copyFile(from, to, false);
    if (status == kSuccess) status = files.getAttributes(to, attributes);
    if (status != kSuccess) tellFailure(services, failed(from + " -> " + to, status));
    return status == kSuccess;
}

bool fileExists(platform::Files& files, const std::string& path) {
    std::uint32_t attributes = 0;
    return files.getAttributes(path, attributes) == kSuccess && !(attributes & platform::kAttrDirectory);
}

const ValuePlace kParkedFolders{kHkeyLocalMachine, kOwnKeysView, kParkedFolderKey};
const ValuePlace kParkedTargets{kHkeyLocalMachine, kOwnKeysView, kParkedTargetKey};

// Windows' state of a live entry goes with it: saved in the command's set, removed once the entry moved,
// so a later Enable does not bring it back disabled.
bool backUpApproval(backup::BackupSet& set, const StartupEntry& entry) {
    return !entry.approval || backUpValue(set, valuePlaceOf(*entry.approval), entry.approval->valueName);
}

void removeApproval(ChangeServices& services, const StartupEntry& entry) {
    if (entry.approval) removeValue(services, valuePlaceOf(*entry.approval), entry.approval->valueName);
}

// ---- registry entries ----

bool moveRegistryEntry(ChangeServices& services, const StartupEntry& entry, bool park) {
    platform::Registry& registry = services.machine.registry;
    const auto row = registrySource(entry.source, registry.views());
    if (!row) return false;  // a place this machine does not have
    const RegistrySource& source = *row;
    const ValuePlace from = placeOf(entry);
    // Parking empties both forms of the Run key; enabling fills both, as earlier versions did.
    const ValuePlace to = park ? parkingPlace(source) : livePlace(source);
    const std::optional<ValuePlace> other = otherFormPlace(source);
    RegValue value;
    if (Status status = platform::readValue(registry, from.root, from.path, from.view, entry.name, value);
        status != kSuccess) {
        tellFailure(services, failed(describePlace(from, entry.name), status));
        return false;
    }
    if (valueExists(registry, to, entry.name) && !askReplace(services, entry.name)) return false;
    const bool otherForm =
        other && (park ? !samePlace(from, *other) && valueExists(registry, *other, entry.name) : true);
    backup::BackupSet set = services.backups.open(park ? "Startup disable" : "Startup enable");
    bool taken = backUpValue(set, to, entry.name) && backUpValue(set, from, entry.name);
    if (otherForm) taken = backUpValue(set, *other, entry.name) && taken;
    taken = backUpApproval(set, entry) && taken;
    if (!commitOrTell(services, set, taken)) return false;
    if (!writeChecked(services, to, entry.name, value)) return true;
    if (!park && otherForm && !writeChecked(services, *other, entry.name, value)) return true;
    removeValue(services, from, entry.name);
    if (park && otherForm) removeValue(services, *other, entry.name);
    removeApproval(services, entry);
    return true;
}

// ---- win.ini entries ----

bool moveWinIniEntry(ChangeServices& services, const StartupPlaces& places, const StartupEntry& entry, bool park) {
    platform::Profile& profile = services.machine.profile;
    const std::string from = park ? winIniKey(entry.source) : parkedWinIniKey(entry.source);
    const std::string to = park ? parkedWinIniKey(entry.source) : winIniKey(entry.source);
    const std::string text = readWinIni(profile, places.winIni, from);
    if (text.empty()) {
        tellFailure(services, places.winIni + " [windows] " + from);
        return false;
    }
    if (!readWinIni(profile, places.winIni, to).empty() && !askReplace(services, to)) return false;
    backup::BackupSet set = services.backups.open(park ? "Startup disable" : "Startup enable");
    const bool taken = set.addIniKey(places.winIni, kWinIniSection, to) &&
                       set.addIniKey(places.winIni, kWinIniSection, from);
    if (!commitOrTell(services, set, taken)) return false;
    if (writeIniChecked(services, places.winIni, to, text)) writeIniChecked(services, places.winIni, from, "");
    return true;
}

// ---- Startup-folder entries ----

bool parkFolderEntry(ChangeServices& services, const StartupPlaces& places, const StartupEntry& entry) {
    platform::Files& files = services.machine.files;
    platform::Registry& registry = services.machine.registry;
    const std::string source = entry.folder + "\\" + entry.fileName;
    const std::string copy = places.parkingFolder + "\\" + entry.fileName;
    const auto earlier = parkedCopies(files, places.parkingFolder, entry.name);
    if ((!earlier.empty() || valueExists(registry, kParkedFolders, entry.name)) &&
        !askReplace(services, entry.name))
        return false;
    backup::BackupSet set = services.backups.open("Startup disable");
    bool taken = set.addFile(source) && set.addFile(copy);
    for (const auto& old : earlier) taken = set.addFile(places.parkingFolder + "\\" + old) && taken;
    taken = backUpValue(set, kParkedFolders, entry.name) && taken;
    taken = backUpValue(set, kParkedTargets, entry.name) && taken;
    taken = backUpApproval(set, entry) && taken;
    if (!commitOrTell(services, set, taken)) return false;
    files.createFolder(places.parkingFolder);
    for (const auto& old : earlier)
        if (!sameText(old, entry.fileName) && !removeFile(services, places.parkingFolder + "\\" + old)) return true;
    if (!copyChecked(services, source, copy)) return true;
    if (!writeChecked(services, kParkedFolders, entry.name, platform::textValue(entry.folder)) ||
        !writeChecked(services, kParkedTargets, entry.name, platform::textValue(entry.command)))
        return true;
    if (removeFile(services, source)) removeApproval(services, entry);
    return true;
}

bool enableFolderEntry(ChangeServices& services, const StartupPlaces& places, const StartupEntry& entry) {
    platform::Files& files = services.machine.files;
    const auto copies = parkedCopies(files, places.parkingFolder, entry.name);
    if (copies.empty() || entry.folder.empty()) {
        tellFailure(services, services.language.text(kParkedCopyMissingText) + "\r" + entry.name);
        return false;
    }
    bool occupied = false;
    for (const auto& copy : copies) occupied = occupied || fileExists(files, entry.folder + "\\" + copy);
    if (occupied && !askReplace(services, entry.name)) return false;
    backup::BackupSet set = services.backups.open("Startup enable");
    bool taken = true;
    for (const auto& copy : copies)
        taken = set.addFile(entry.folder + "\\" + copy) && set.addFile(places.parkingFolder + "\\" + copy) && taken;
    taken = backUpValue(set, kParkedFolders, entry.name) && taken;
    taken = backUpValue(set, kParkedTargets, entry.name) && taken;
    if (!commitOrTell(services, set, taken)) return false;
    if (!folderExists(files, entry.folder)) files.createFolder(entry.folder);
    for (const auto& copy : copies)
        if (!copyChecked(services, places.parkingFolder + "\\" + copy, entry.folder + "\\" + copy)) return true;
    for (const auto& copy : copies) removeFile(services, places.parkingFolder + "\\" + copy);
    removeValue(services, kParkedFolders, entry.name);
    removeValue(services, kParkedTargets, entry.name);
    return true;
}

}  // namespace

void tellFailure(ChangeServices& services, const std::string& what) {
    services.machine.desktop.messageBox(services.language.text(kCouldNotText) + "\r" + what, "",
                                        platform::MessageIcon::Exclamation, platform::MessageButtons::Ok);
}

bool askReplace(ChangeServices& services, const std::string& name) {
    return services.machine.desktop.messageBox(services.language.text(kReplaceQuestionText) + "\r" + name, "",
                                               platform::MessageIcon::Question, platform::MessageButtons::YesNo) ==
           platform::MessageAnswer::Yes;
}

bool commitOrTell(ChangeServices& services, backup::BackupSet& set, bool taken) {
    // A place the set could not take leaves the whole command undone: half a move is worse than none.
    if (!taken) set.discard();
    const bool committed = taken && set.commit();
    const std::string message = backup::leftAloneMessage(set.problems(), services.language);
    if (!message.empty())
        services.machine.desktop.messageBox(message, "", platform::MessageIcon::Exclamation,
                                            platform::MessageButtons::Ok);
    return committed && set.problems().empty();
}

namespace {

// Windows disabled the entry (Task Manager, Settings): writing its enabled state is all Enable does.
bool enableForWindows(ChangeServices& services, const StartupEntry& entry) {
    const ValuePlace place = valuePlaceOf(*entry.approval);
    backup::BackupSet set = services.backups.open("Startup enable");
    if (!commitOrTell(services, set, backUpValue(set, place, entry.approval->valueName))) return false;
    writeChecked(services, place, entry.approval->valueName, enabledState());
    return true;
}

}  // namespace

bool disableEntry(ChangeServices& services, const StartupEntry& entry) {
    const StartupPlaces places = findStartupPlaces(services.machine, services.store);
    if (isRegistrySource(entry.source)) return moveRegistryEntry(services, entry, true);
    if (isWinIniSource(entry.source)) return moveWinIniEntry(services, places, entry, true);
    return parkFolderEntry(services, places, entry);
}

bool enableEntry(ChangeServices& services, const StartupEntry& entry) {
    if (entry.active) return entry.disabledByWindows && enableForWindows(services, entry);
    const StartupPlaces places = findStartupPlaces(services.machine, services.store);
    if (isRegistrySource(entry.source)) return moveRegistryEntry(services, entry, false);
    if (isWinIniSource(entry.source)) return moveWinIniEntry(services, places, entry, false);
    return enableFolderEntry(services, places, entry);
}

bool deleteEntry(ChangeServices& services, const StartupEntry& entry) {
    const StartupPlaces places = findStartupPlaces(services.machine, services.store);
    backup::BackupSet set = services.backups.open("Startup delete");
    if (isRegistrySource(entry.source)) {
        const ValuePlace place = placeOf(entry);
        // A live entry that Enable also wrote to the other form goes from both.
        const auto source = registrySource(entry.source, services.machine.registry.views());
        const std::optional<ValuePlace> other = source ? otherFormPlace(*source) : std::nullopt;
        const bool twin = entry.active && other && !samePlace(place, *other) &&
                          valueExists(services.machine.registry, *other, entry.name);
        bool taken = backUpValue(set, place, entry.name) && backUpApproval(set, entry);
        if (twin) taken = backUpValue(set, *other, entry.name) && taken;
        if (!commitOrTell(services, set, taken)) return false;
        if (removeValue(services, place, entry.name)) {
            if (twin) removeValue(services, *other, entry.name);
            removeApproval(services, entry);
        }
        return true;
    }
    if (isWinIniSource(entry.source)) {
        const std::string key = entry.active ? winIniKey(entry.source) : parkedWinIniKey(entry.source);
        const bool taken = set.addIniKey(places.winIni, kWinIniSection, key);
        if (!commitOrTell(services, set, taken)) return false;
        writeIniChecked(services, places.winIni, key, "");
        return true;
    }
    if (entry.active) {
        const std::string path = entry.filePath();
        const bool taken = set.addFile(path) && backUpApproval(set, entry);
        if (!commitOrTell(services, set, taken)) return false;
        if (removeFile(services, path)) removeApproval(services, entry);
        return true;
    }
    const auto copies = parkedCopies(services.machine.files, places.parkingFolder, entry.name);
    bool taken = backUpValue(set, kParkedFolders, entry.name);
    taken = backUpValue(set, kParkedTargets, entry.name) && taken;
    for (const auto& copy : copies) taken = set.addFile(places.parkingFolder + "\\" + copy) && taken;
    if (!commitOrTell(services, set, taken)) return false;
    for (const auto& copy : copies)
        if (!removeFile(services, places.parkingFolder + "\\" + copy)) return true;
    removeValue(services, kParkedFolders, entry.name);
    removeValue(services, kParkedTargets, entry.name);
    return true;
}

}  // namespace startup
