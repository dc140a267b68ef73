#pragma once
// A set's folder on disk: its name and its removal.
#include <string>

#include "platform/desktop.h"
#include "platform/files.h"

namespace backup {

inline constexpr const char* kPartialSuffix = ".partial";

// "2026-12-09 181502 Registry scanner delete", with characters that a folder
// name cannot hold replaced; `counter` above 1 appends " (2)".
std::string setFolderName(const platform::CalendarTime& time, const std::string& command, int counter);
// "2026-12-09 18:15:02"
std::string madeText(const platform::CalendarTime& time);

// Deletes the folder with everything in it, read-only copies included.
platform::Status removeSetFolder(platform::Files& files, const std::string& folder);

}  // namespace backup
