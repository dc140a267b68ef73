#pragma once
// The start-up window's load routine: the checks that run before anything
// is shown. It has no window of its own; the checks are all it does.
#include "platform/machine.h"

namespace shell {

inline constexpr const char* kAnotherCopyMessage = "there is another copy of Vantrel already running";
inline constexpr const char* kResolutionMessage =
    "the  screen resolution must be at least 800 x 600 pixels\rDo you want to change it now";
inline constexpr const char* kResolutionTitle = "error";
inline constexpr const char* kDisplaySettingsCommand = "rundll32.exe shell32.dll,Control_RunDLL desk.cpl,,3";
inline constexpr const char* kResolutionKey = "Display\\Settings";
inline constexpr const char* kResolutionValue = "Resolution";
inline constexpr int kMinimumScreenWidth = 800;

// One running copy only, and a screen at least 800 pixels wide. False when
// the process has been ended and nothing else may run.
bool runStartupChecks(platform::Machine& machine);  // the start-up window's load routine (splash)

}  // namespace shell
