#pragma once
// The installed programs as records, read from the places Windows registers
// them, without any window: the uninstall page shows them, a report prints them.
#include <functional>
#include <string>
#include <vector>

#include "platform/machine.h"
#include "platform/registry_view.h"

namespace uninstall {

// One key that holds an Uninstall entry per program: the 9x form, and the NT
// form read instead when the 9x one does not exist (empty when there is none).
struct UninstallPlace {
    platform::Key root = platform::kHkeyLocalMachine;
    platform::View view = platform::View::Native;
    std::string ninexPath;
    std::string ntPath;
};

// The machine's Uninstall key, as the program has always read it.
std::vector<UninstallPlace> machinePlaces();

// One installed program (UninstallEntry) and where it lives.
struct InstalledProgram {
    std::string name;          // the display name, trimmed: the row text
    std::string command;       // the UninstallString whole, as read
    bool expandable = false;   // the command is a REG_EXPAND_SZ text
    std::string keyName;       // exactly as the registry holds it
    platform::Key root = platform::kHkeyLocalMachine;
    platform::View view = platform::View::Native;
    std::string keyPath;       // the entry's own key: the listed Uninstall key, a backslash, the key name
    std::string otherFormPath; // the same name under the other 9x/NT form of its key; empty when none
};

struct ListingSettings {
    std::vector<UninstallPlace> places = machinePlaces();
};

// Told each entry's key name as it is read (an empty name while the names are
// enumerated); false stops the listing.
using ListingProgress = std::function<bool(const std::string& keyName)>;

struct Listing {
    std::vector<InstalledProgram> programs;  // in the places' order, each in the registry's order
    bool stopped = false;                    // the progress call asked to stop; the records are partial
    bool ntForm = false;                     // the first place was read in its NT form
};

// Entries without a display name are left out; one without a command stays.
Listing listInstalledPrograms(platform::Machine& machine, const ListingSettings& settings,
                              const ListingProgress& progress = {});

}  // namespace uninstall
