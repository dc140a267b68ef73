#pragma once
// Save of the Add/Edit dialog: writes the entry to the place its location
// names (the place Windows reads), and when editing removes the entry it was
// opened on, once the new place stands (SaveEntry).
#include <optional>
#include <string>
#include <vector>

#include "startup/startup_changes.h"
#include "startup/startup_entry.h"

namespace startup {

// Location codes of the dialog's list: the sources, then the all-users Startup folder.
inline constexpr int kFirstLocation = 1;
inline constexpr int kUserFolderLocation = 6;
inline constexpr int kAllUsersFolderLocation = 7;
inline constexpr int kInvalidNameText = 142;
inline constexpr int kNoFolderText = 143;

// The registry places current Windows adds (the other view's Run, RunOnce) follow as
// their source's code plus one; the policy keys are Group Policy's and not offered.
struct DialogLocation {
    int code;
    int text;  // language key
};
std::vector<DialogLocation> dialogLocations(const platform::RegistryViews& views);

struct EntryDraft {
    std::string name;
    std::string command;
    int location = kFirstLocation;  // a code of dialogLocations
};

enum class SaveOutcome { Saved, KeepOpen };

// `edited` is the entry Edit opened the dialog on, recorded then; none when adding.
SaveOutcome saveEntry(ChangeServices& services, const EntryDraft& draft, const std::optional<StartupEntry>& edited);

// The location code an entry is edited under: its source's, or 7 for the all-users folder.
int locationOf(const StartupEntry& entry, const StartupPlaces& places);

}  // namespace startup
