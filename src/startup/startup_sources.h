#pragma once
// The registry places startup entries come from, one row each: where Windows
// reads them, in which view, and where the program parks them. A new place is
// a new row here.
#include <optional>
#include <string>
#include <vector>

#include "platform/registry.h"
#include "platform/registry_view.h"
#include "backup/backup_set.h"
#include "startup/startup_entry.h"

namespace startup {

inline constexpr const char* kRunKey = "Software\\Microsoft\\Windows\\CurrentVersion\\Run";
inline constexpr const char* kRunKeyNt = "Software\\Microsoft\\Windows NT\\CurrentVersion\\Run";
inline constexpr const char* kRunServicesKey = "Software\\Microsoft\\Windows\\CurrentVersion\\RunServices";
inline constexpr const char* kRunServicesKeyNt = "Software\\Microsoft\\Windows NT\\CurrentVersion\\RunServices";
// The parking records; earlier versions wrote the same keys, so their entries still list.
inline constexpr const char* kParkedRunKey = "software\\morvalen\\run\\Disabled";
inline constexpr const char* kParkedRunServicesKey = "software\\morvalen\\RunServices\\Disabled";
inline constexpr const char* kParkedFolderKey = "software\\morvalen\\startfolder\\Disabled";
inline constexpr const char* kParkedTargetKey = "software\\morvalen\\startfolder\\Disabled1";

struct RegistrySource {
    Source source;
    platform::Key root;
    platform::View view;       // the view Windows reads the live key in
    const char* liveKey;
    const char* otherFormKey;  // the "windows nt" form older versions also wrote; null where none
    const char* parkingKey;    // always in the 64-bit view, where the program keeps its own keys
};

// In listing order.
const std::vector<RegistrySource>& registrySources();
// Null for win.ini and Startup-folder sources.
const RegistrySource* registrySource(Source source);
// The program's own keys, parked entries among them, live in the 64-bit view on a 64-bit machine.
inline constexpr platform::View kOwnKeysView = platform::View::Bits64;

// A key in a view: where a registry entry's value lives.
struct ValuePlace {
    platform::Key root = 0;
    platform::View view = platform::View::Native;
    std::string path;
};
ValuePlace placeOf(const StartupEntry& entry);
ValuePlace livePlace(const RegistrySource& source);
ValuePlace parkingPlace(const RegistrySource& source);
std::optional<ValuePlace> otherFormPlace(const RegistrySource& source);
bool samePlace(const ValuePlace& a, const ValuePlace& b);
// "HKLM\path "name"", for messages.
std::string describePlace(const ValuePlace& place, const std::string& name);
// Saves the value (or that it is absent) in the command's backup set.
bool backUpValue(backup::BackupSet& set, const ValuePlace& place, const std::string& name);

// Language text of the source's location.
int locationTextKey(Source source);

}  // namespace startup
