#pragma once
// Disable (park), Enable and Delete of one startup entry. Each saves every
// place it will touch in one backup set first, writes the new place and reads
// it back before it removes the old one, and tells the user what it could not do.
#include <string>

#include "backup/backups.h"
#include "localisation/lang_text.h"
#include "platform/machine.h"
#include "startup/startup_entry.h"
#include "startup/startup_places.h"
#include "store/settings_store.h"

namespace startup {

struct ChangeServices {
    platform::Machine& machine;
    store::SettingsStore& store;
    backup::Backups& backups;
    const localisation::Language& language;
};

// Each returns true when the machine changed (the list needs rebuilding).
bool disableEntry(ChangeServices& services, const StartupEntry& entry);  // (DisableEntry)
bool enableEntry(ChangeServices& services, const StartupEntry& entry);   // (EnableEntry)
// Removes what the row shows and nothing else: a live entry from its live place,
// a parked one from the parking storage. The caller has asked the user (DeleteEntries).
bool deleteEntry(ChangeServices& services, const StartupEntry& entry);

// Language keys of the startup tool's own messages.
inline constexpr int kCouldNotText = 139;       // heading of a failure message
inline constexpr int kReplaceQuestionText = 140;
inline constexpr int kParkedCopyMissingText = 141;

// Shared by the commands and the dialog: one failure in one message.
void tellFailure(ChangeServices& services, const std::string& what);
bool askReplace(ChangeServices& services, const std::string& name);
// Commits the set when every place was `taken`; otherwise, or when the commit fails,
// tells why and returns false, so the caller changes nothing.
bool commitOrTell(ChangeServices& services, backup::BackupSet& set, bool taken);

}  // namespace startup
