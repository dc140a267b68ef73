#pragma once
// The registry places startup entries come from, one row each: where Windows
// reads them, in which view, where the program parks them and where Windows
// keeps its own enabled/disabled state for them. A new place is a new row here.
#include <optional>
#include <string>
#include <vector>

#include "backup/backup_set.h"
#include "platform/registry.h"
#include "platform/registry_view.h"
#include "startup/startup_entry.h"

namespace startup {

inline constexpr const char* kRunKey = "Software\\Microsoft\\Windows\\CurrentVersion\\Run";
inline constexpr const char* kRunKeyNt = "Software\\Microsoft\\Windows NT\\CurrentVersion\\Run";
inline constexpr const char* kRunServicesKey = "Software\\Microsoft\\Windows\\CurrentVersion\\RunServices";
inline constexpr const char* kRunServicesKeyNt = "Software\\Microsoft\\Windows NT\\CurrentVersion\\RunServices";
inline constexpr const char* kRunOnceKey = "Software\\Microsoft\\Windows\\CurrentVersion\\RunOnce";
inline constexpr const char* kPolicyRunKey = "Software\\Microsoft\\Windows\\CurrentVersion\\Policies\\Explorer\\Run";
// The parking records; earlier versions wrote the first four, so their entries still list.
inline constexpr const char* kParkedRunKey = "software\\morvalen\\run\\Disabled";
inline constexpr const char* kParkedRunServicesKey = "software\\morvalen\\RunServices\\Disabled";
inline constexpr const char* kParkedFolderKey = "software\\morvalen\\startfolder\\Disabled";
inline constexpr const char* kParkedTargetKey = "software\\morvalen\\startfolder\\Disabled1";
inline constexpr const char* kParkedRun32Key = "software\\morvalen\\run32\\Disabled";
inline constexpr const char* kParkedRunOnceKey = "software\\morvalen\\RunOnce\\Disabled";
inline constexpr const char* kParkedRunOnce32Key = "software\\morvalen\\RunOnce32\\Disabled";
inline constexpr const char* kParkedPolicyRunKey = "software\\morvalen\\PolicyRun\\Disabled";
// Windows' own enabled/disabled state (Windows 8 and later), always in the 64-bit view.
inline constexpr const char* kApprovedRunKey =
    "Software\\Microsoft\\Windows\\CurrentVersion\\Explorer\\StartupApproved\\Run";
inline constexpr const char* kApprovedRun32Key =
    "Software\\Microsoft\\Windows\\CurrentVersion\\Explorer\\StartupApproved\\Run32";
inline constexpr const char* kApprovedFolderKey =
    "Software\\Microsoft\\Windows\\CurrentVersion\\Explorer\\StartupApproved\\StartupFolder";

// The program's own keys, parked entries among them, live in the 64-bit view on a 64-bit machine.
inline constexpr platform::View kOwnKeysView = platform::View::Bits64;

// A registry source as this machine and this build see it: its view resolved.
struct RegistrySource {
    Source source;
    platform::Key root;
    platform::View view;       // the view Windows reads the live key in
    const char* liveKey;
    const char* otherFormKey;  // the "windows nt" form older versions also wrote; null where none
    const char* parkingKey;    // in the program's own view
    int locationText;
    const char* approvedKey;   // where Windows keeps the entries' state; null where it keeps none
    bool offeredForAdding;     // Add and Edit offer it (not the policy keys, which Group Policy owns)
};

// In listing order; the places of the other view only on a machine that has one.
std::vector<RegistrySource> registrySources(const platform::RegistryViews& views);
std::optional<RegistrySource> registrySource(Source source, const platform::RegistryViews& views);

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
// "HKLM\\path "name"", for messages.
std::string describePlace(const ValuePlace& place, const std::string& name);
// Saves the value (or that it is absent) in the command's backup set.
bool backUpValue(backup::BackupSet& set, const ValuePlace& place, const std::string& name);

// Language text of the source's location; the registry sources' come from their rows.
int locationTextKey(Source source, const platform::RegistryViews& views);
inline constexpr int kDisabledByWindowsText = 227;

}  // namespace startup
