#include "startup/entry_saver.h"

#include "platform/status_text.h"
#include "platform/registry_key.h"
#include "startup/startup_approval.h"
#include "startup/shortcut_writer.h"
#include "store/text_value.h"

namespace startup {
namespace {

using platform::kSuccess;

bool isFolderLocation(int location) {
    return location == kUserFolderLocation || location == kAllUsersFolderLocation;
}

bool isShortcutFile(const std::string& fileName) {
    const std::size_t dot = fileName.rfind('.');
    return dot != std::string::npos && sameText(fileName.substr(dot), ".lnk");
}

constexpr int kSourcesAfterFolders = static_cast<int>(Source::MachineRunOtherView);

// The registry source a location code writes to; none for win.ini and folders.
std::optional<Source> registrySourceOf(int location) {
    if (location >= 1 && location <= 3) return static_cast<Source>(location);
    if (location > kAllUsersFolderLocation) return static_cast<Source>(location - 1);
    return std::nullopt;
}

// Windows' state of an edited entry follows it to its new name or place, in the same backup set.
struct ApprovalMove {
    std::optional<ApprovalPlace> from, to;
    platform::RegValue state;
};

ApprovalMove planApprovalMove(ChangeServices& services, const std::optional<StartupEntry>& old,
                              std::optional<ApprovalPlace> to) {
    ApprovalMove move;
    if (!old || !old->approval || !to) return move;
    const ValuePlace from = valuePlaceOf(*old->approval);
    if (platform::readValue(services.machine.registry, from.root, from.path, from.view, old->approval->valueName,
                            move.state) != kSuccess)
        return move;  // Windows keeps nothing for it: nothing to carry
    move.from = old->approval;
    move.to = std::move(to);
    return move;
}

bool backUpApprovalMove(backup::BackupSet& set, const ApprovalMove& move) {
    if (!move.from) return true;
    return backUpValue(set, valuePlaceOf(*move.from), move.from->valueName) &&
           backUpValue(set, valuePlaceOf(*move.to), move.to->valueName);
}

void applyApprovalMove(ChangeServices& services, const ApprovalMove& move) {
    if (!move.from) return;
    platform::Registry& registry = services.machine.registry;
    const ValuePlace to = valuePlaceOf(*move.to);
    const ValuePlace from = valuePlaceOf(*move.from);
    if (platform::writeValue(registry, to.root, to.path, to.view, move.to->valueName, move.state) == kSuccess)
        platform::deleteValue(registry, from.root, from.path, from.view, move.from->valueName);
    else
        tellFailure(services, describePlace(to, move.to->valueName));
}

// The places the edited entry occupies now, so one backup set covers the old place and the new.
struct OldPlace {
    std::optional<StartupEntry> entry;
    std::string path;  // a Startup-folder entry's file
};

bool addOldPlace(backup::BackupSet& set, const StartupPlaces& places, const OldPlace& old) {
    if (!old.entry) return true;
    const StartupEntry& entry = *old.entry;
    if (isRegistrySource(entry.source)) return backUpValue(set, placeOf(entry), entry.name);
    if (isWinIniSource(entry.source)) return set.addIniKey(places.winIni, kWinIniSection, winIniKey(entry.source));
    return set.addFile(old.path);
}

void removeOldPlace(ChangeServices& services, const StartupPlaces& places, const OldPlace& old) {
    if (!old.entry) return;
    const StartupEntry& entry = *old.entry;
    platform::Status status = kSuccess;
    if (isRegistrySource(entry.source)) {
        const ValuePlace place = placeOf(entry);
        status = platform::deleteValue(services.machine.registry, place.root, place.path, place.view, entry.name);
    } else if (isWinIniSource(entry.source)) {
        if (!services.machine.profile.writeString(kWinIniSection, winIniKey(entry.source), "", places.winIni))
            status = platform::kAccessDenied;
    } else {
        std::uint32_t attributes = 0;
        if (services.machine.files.getAttributes(old.path, attributes) == kSuccess &&
            (attributes & platform::kAttrReadOnly))
            services.machine.files.setAttributes(old.path, attributes & ~platform::kAttrReadOnly);
        status = services.machine.files.deleteFile(old.path);
    }
    if (status != kSuccess) tellFailure(services, entry.name + ": " + platform::describeStatus(status));
}

SaveOutcome saveToRegistry(ChangeServices& services, const EntryDraft& draft, const StartupPlaces& places,
                           OldPlace old) {
    platform::Registry& registry = services.machine.registry;
    const auto source = registrySource(*registrySourceOf(draft.location), registry.views());
    if (!source) return SaveOutcome::KeepOpen;  // a place this machine does not have
    const ValuePlace place = livePlace(*source);
    platform::RegValue value = platform::textValue(draft.command);
    // An expandable command stays expandable.
    if (old.entry && isRegistrySource(old.entry->source) && old.entry->value.type == platform::kRegExpandSz)
        value.type = platform::kRegExpandSz;
    const bool samePlace = old.entry && startup::samePlace(placeOf(*old.entry), place) &&
                           sameText(old.entry->name, draft.name);
    if (samePlace) old.entry.reset();
    platform::RegValue existing;
    if (!samePlace &&
        platform::readValue(registry, place.root, place.path, place.view, draft.name, existing) == kSuccess &&
        !askReplace(services, draft.name))
        return SaveOutcome::KeepOpen;
    const ApprovalMove approval = planApprovalMove(services, old.entry, approvalPlaceFor(*source, draft.name));
    backup::BackupSet set = services.backups.open(old.entry || samePlace ? "Startup edit" : "Startup add");
    bool taken = backUpValue(set, place, draft.name) && backUpApprovalMove(set, approval);
    taken = addOldPlace(set, places, old) && taken;
    if (!commitOrTell(services, set, taken)) return SaveOutcome::KeepOpen;
    platform::Status status = platform::writeValue(registry, place.root, place.path, place.view, draft.name, value);
    platform::RegValue back;
    if (status == kSuccess) status = platform::readValue(registry, place.root, place.path, place.view, draft.name, back);
    if (status == kSuccess && back.data != value.data) status = platform::kInvalidData;
    if (status != kSuccess) {
        tellFailure(services, draft.name + ": " + platform::describeStatus(status));
        return SaveOutcome::KeepOpen;
    }
    removeOldPlace(services, places, old);
    applyApprovalMove(services, approval);
    return SaveOutcome::Saved;
}

SaveOutcome saveToWinIni(ChangeServices& services, const EntryDraft& draft, const StartupPlaces& places,
                         OldPlace old) {
    const Source source = static_cast<Source>(draft.location);
    const std::string key = winIniKey(source);
    platform::Profile& profile = services.machine.profile;
    // Adding joins the programs already listed there; editing that key replaces its text.
    const bool sameKey = old.entry && old.entry->source == source;
    const std::string present = store::trimSpaces(readWinIni(profile, places.winIni, key));
    const std::string text = sameKey || present.empty() ? draft.command : present + " " + draft.command;
    if (sameKey) old.entry.reset();
    backup::BackupSet set = services.backups.open(old.entry || sameKey ? "Startup edit" : "Startup add");
    bool taken = set.addIniKey(places.winIni, kWinIniSection, key);
    taken = addOldPlace(set, places, old) && taken;
    if (!commitOrTell(services, set, taken)) return SaveOutcome::KeepOpen;
    if (!profile.writeString(kWinIniSection, key, text, places.winIni) ||
        readWinIni(profile, places.winIni, key) != text) {
        tellFailure(services, places.winIni + " [windows] " + key);
        return SaveOutcome::KeepOpen;
    }
    removeOldPlace(services, places, old);
    return SaveOutcome::Saved;
}

SaveOutcome saveToFolder(ChangeServices& services, const EntryDraft& draft, const StartupPlaces& places,
                         OldPlace old) {
    const std::string folder =
        draft.location == kAllUsersFolderLocation ? places.allUsersFolder : places.userFolder;
    if (folder.empty()) {
        tellFailure(services, services.language.text(kNoFolderText));
        return SaveOutcome::KeepOpen;
    }
    const std::string path = folder + "\\" + draft.name + ".lnk";
    std::optional<platform::ShellLink> existing;
    if (old.entry && old.entry->source == Source::StartupFolder && isShortcutFile(old.entry->fileName)) {
        platform::ShellLink link;
        if (services.machine.shortcuts.read(old.path, link) == kSuccess) existing = link;
    }
    if (old.entry && sameText(old.path, path)) old.entry.reset();
    std::uint32_t attributes = 0;
    const bool occupied = !(existing && !old.entry) && services.machine.files.getAttributes(path, attributes) == kSuccess;
    if (occupied && !askReplace(services, draft.name + ".lnk")) return SaveOutcome::KeepOpen;
    const bool allUsers = draft.location == kAllUsersFolderLocation;
    const ApprovalMove approval = planApprovalMove(
        services, old.entry,
        ApprovalPlace{allUsers ? platform::kHkeyLocalMachine : platform::kHkeyCurrentUser, kApprovedFolderKey,
                      draft.name + ".lnk"});
    backup::BackupSet set = services.backups.open(old.entry || existing ? "Startup edit" : "Startup add");
    bool taken = set.addFile(path) && backUpApprovalMove(set, approval);
    taken = addOldPlace(set, places, old) && taken;
    if (!commitOrTell(services, set, taken)) return SaveOutcome::KeepOpen;
    const platform::ShellLink link = linkFor(services.machine.files, draft.command, existing);
    if (attributes & platform::kAttrReadOnly)
        services.machine.files.setAttributes(path, attributes & ~platform::kAttrReadOnly);
    platform::Status status = services.machine.shortcuts.write(path, link);
    platform::ShellLink back;
    if (status == kSuccess) status = services.machine.shortcuts.read(path, back);
    if (status == kSuccess && back.target != link.target) status = platform::kInvalidData;
    if (status != kSuccess) {
        tellFailure(services, path + ": " + platform::describeStatus(status));
        return SaveOutcome::KeepOpen;
    }
    removeOldPlace(services, places, old);
    applyApprovalMove(services, approval);
    return SaveOutcome::Saved;
}

}  // namespace

int locationOf(const StartupEntry& entry, const StartupPlaces& places) {
    if (entry.source == Source::StartupFolder && !places.allUsersFolder.empty() &&
        sameText(entry.folder, places.allUsersFolder) && !sameText(places.userFolder, places.allUsersFolder))
        return kAllUsersFolderLocation;
    const int source = static_cast<int>(entry.source);
    return source >= kSourcesAfterFolders ? source + 1 : source;
}

std::vector<DialogLocation> dialogLocations(const platform::RegistryViews& views) {
    std::vector<DialogLocation> locations;
    for (int code = kFirstLocation; code <= kAllUsersFolderLocation; ++code) locations.push_back({code, 115 + code});
    for (const RegistrySource& source : registrySources(views))
        if (source.offeredForAdding && static_cast<int>(source.source) >= kSourcesAfterFolders)
            locations.push_back({static_cast<int>(source.source) + 1, source.locationText});
    return locations;
}

SaveOutcome saveEntry(ChangeServices& services, const EntryDraft& typed, const std::optional<StartupEntry>& edited) {
    EntryDraft draft{store::trimSpaces(typed.name), store::trimSpaces(typed.command), typed.location};
    if (draft.name.empty() || draft.command.empty()) {
        services.machine.desktop.messageBox(services.language.text(82), "", platform::MessageIcon::None,
                                            platform::MessageButtons::Ok);
        return SaveOutcome::KeepOpen;
    }
    if (draft.location < kFirstLocation) return SaveOutcome::KeepOpen;
    if (isFolderLocation(draft.location) && !validFileName(draft.name)) {
        services.machine.desktop.messageBox(services.language.text(kInvalidNameText) + "\r" + draft.name, "",
                                            platform::MessageIcon::Exclamation, platform::MessageButtons::Ok);
        return SaveOutcome::KeepOpen;
    }
    const StartupPlaces places = findStartupPlaces(services.machine, services.store);
    OldPlace old{edited, edited && edited->source == Source::StartupFolder
                             ? edited->folder + "\\" + edited->fileName
                             : std::string()};
    if (registrySourceOf(draft.location)) return saveToRegistry(services, draft, places, old);
    if (draft.location <= 5) return saveToWinIni(services, draft, places, old);
    return saveToFolder(services, draft, places, old);
}

}  // namespace startup
