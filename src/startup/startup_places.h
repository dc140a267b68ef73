#pragma once
// Where the startup entries live on this machine: the Run keys, win.ini, the
// Startup folders of the user and of all users, and the parking places.
#include <string>
#include <vector>

#include "platform/machine.h"
#include "startup/startup_entry.h"
#include "startup/startup_sources.h"
#include "store/settings_store.h"

namespace startup {

inline constexpr const char* kWinIniSection = "windows";

// "run" or "load", and their parked keys.
const char* winIniKey(Source source);
const char* parkedWinIniKey(Source source);

struct StartupPlaces {
    std::string windowsFolder;  // no trailing backslash; empty when the registry names none
    bool ntFamily = false;      // the Windows folder came from the "windows nt" key
    std::string winIni;         // the Windows folder's win.ini
    std::string userName;       // the logged-on user, as the registry or the session names them
    std::string userFolder;     // where a new entry for the user goes; empty when none exists
    std::string allUsersFolder; // where a new entry for everybody goes; empty when none exists
    std::vector<std::string> listedFolders;  // walked in this order, each once
    std::string parkingFolder;  // beside the program
};

// Looks everything up afresh: nothing is remembered between commands.
StartupPlaces findStartupPlaces(platform::Machine& machine, store::SettingsStore& store);

bool folderExists(platform::Files& files, const std::string& path);
// A file name less its extension ("Tool.lnk" is "Tool"; "README" stays).
std::string nameWithoutExtension(const std::string& fileName);
bool sameText(const std::string& a, const std::string& b);  // ignoring case, as Windows names compare
// A folder's settings file, never a startup entry.
bool isFolderSettingsFile(const std::string& fileName);

// win.ini's key read whole (the profile functions cut at the buffer, so ask with a large one).
std::string readWinIni(platform::Profile& profile, const std::string& winIni, const std::string& key);

}  // namespace startup
