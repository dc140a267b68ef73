#pragma once
// One program Windows starts at log-on, as the startup tool keeps it: what was
// read and the place it was read from, so every command acts on that place.
#include <cstdint>
#include <optional>
#include <string>

#include "platform/registry.h"
#include "platform/registry_value.h"
#include "platform/registry_view.h"

namespace startup {

// Where an entry lives; the number is the code the list's hidden column shows (StartupSource).
// The places current Windows adds follow the six older ones.
enum class Source { MachineRun = 1, UserRun = 2, MachineRunServices = 3, WinIniRun = 4, WinIniLoad = 5,
                    StartupFolder = 6, MachineRunOtherView = 7, MachineRunOnce = 8, MachineRunOnce32 = 9,
                    UserRunOnce = 10, MachinePolicyRun = 11, UserPolicyRun = 12 };

inline bool isWinIniSource(Source source) { return source == Source::WinIniRun || source == Source::WinIniLoad; }
inline bool isRegistrySource(Source source) { return !isWinIniSource(source) && source != Source::StartupFolder; }

// The value Windows keeps an entry's enabled/disabled state in (64-bit view).
struct ApprovalPlace {
    platform::Key root = 0;
    std::string keyPath;
    std::string valueName;  // the Run value's name, or the Startup-folder file's name
};

// (StartupEntry)
struct StartupEntry {
    Source source = Source::MachineRun;
    bool active = true;
    std::string name;     // exactly as stored: value name, whole win.ini text, file name less its extension
    std::string command;  // the whole command as read: the value as text, the win.ini text, the shortcut's target

    // Registry entries: the value's place (a live or a parking key) and the value as read.
    platform::Key root = 0;
    platform::View view = platform::View::Native;
    std::string keyPath;
    platform::RegValue value;
    // Startup-folder entries: the folder it lives in (parked: the one it came from) and the
    // whole file name (parked: the parked copy's, if any).
    std::string folder;
    std::string fileName;

    // Windows' own state (StartupApproved): where it is kept for this entry, and whether it says disabled.
    std::optional<ApprovalPlace> approval;
    bool disabledByWindows = false;

    std::string filePath() const { return folder + "\\" + fileName; }
    // Two listings show the same entry when these agree.
    bool sameEntry(const StartupEntry& other) const;
};

inline constexpr const char* kActivePicture = "a";
inline constexpr const char* kParkedPicture = "b";

}  // namespace startup
