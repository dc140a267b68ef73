#pragma once
// The installed programs as records, read from every place Windows' own
// Programs and Features reads, without any window: the uninstall page shows
// them, a report prints them.
#include <cstdint>
#include <functional>
#include <optional>
#include <string>
#include <vector>

#include "platform/machine.h"
#include "platform/registry_view.h"

namespace uninstall {

// Who a place's programs are installed for, as the Where column says it.
enum class Audience { AllUsers, AllUsers32Bit, AllUsers64Bit, CurrentUser };

// One key that holds an Uninstall entry per program: the 9x form, and the NT
// form read instead when the 9x one does not exist (empty when there is none).
struct UninstallPlace {
    platform::Key root = platform::kHkeyLocalMachine;
    platform::View view = platform::View::Native;
    std::string ninexPath;
    std::string ntPath;
    Audience audience = Audience::AllUsers;
};

// The places of a machine with `views`: the machine's key in the native view,
// in the other view on a 64-bit machine, and the user's key (shared by both
// views, so read once).
std::vector<UninstallPlace> uninstallPlaces(const platform::RegistryViews& views);

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
    Audience audience = Audience::AllUsers;
    std::string publisher, version;  // Publisher, DisplayVersion, trimmed
    std::string installDate;         // InstallDate as written
    std::optional<std::uint64_t> sizeKb;  // EstimatedSize
    bool systemOrUpdate = false;     // Windows hides it: a system component or an update of another entry
    bool windowsInstaller = false;   // WindowsInstaller = 1 and the key name is a product code
};

struct ListingSettings {
    // Where to look; unset, every place of the machine the registry is on.
    std::optional<std::vector<UninstallPlace>> places;
    // "Show system components and updates": list what Windows hides as well.
    bool showSystem = false;
};

// Told each entry's key name as it is read (an empty name while the names are
// enumerated); false stops the listing.
using ListingProgress = std::function<bool(const std::string& keyName)>;

struct Listing {
    std::vector<InstalledProgram> programs;  // in the places' order, each in the registry's order
    bool stopped = false;                    // the progress call asked to stop; the records are partial
    bool ntForm = false;                     // the first place was read in its NT form
};

// Entries without a display name are always left out; one without a command stays.
Listing listInstalledPrograms(platform::Machine& machine, const ListingSettings& settings,
                              const ListingProgress& progress = {});

// A product code in braces: {XXXXXXXX-XXXX-XXXX-XXXX-XXXXXXXXXXXX}.
bool isProductCode(const std::string& keyName);
// What Uninstall runs: a Windows Installer entry's removal by its product code
// (its UninstallString usually opens the repair dialog), else the command as read.
std::string commandToRun(const InstalledProgram& program);

}  // namespace uninstall
