#pragma once
// New shortcuts for the Startup folders: a command line becomes a link whose
// target is the program and whose arguments are the rest.
#include <optional>
#include <string>

#include "platform/machine.h"

namespace startup {

struct ProgramAndArguments {
    std::string program;
    std::string arguments;
};

// "C:\Tools\app.exe /min" is the program C:\Tools\app.exe with "/min". A quoted
// program ends at its closing quote; otherwise the shortest prefix that names an
// existing file, else the first that ends in a program's extension, else the whole.
ProgramAndArguments splitCommand(platform::Files& files, const std::string& command);

// A name a file can carry: not empty after trimming, none of \ / : * ? " < > |.
bool validFileName(const std::string& name);

// The link for `command`; editing starts from the shortcut's own fields, so only
// what the command changes changes (arguments, working folder, icon and show command stay).
platform::ShellLink linkFor(platform::Files& files, const std::string& command,
                            const std::optional<platform::ShellLink>& existing);

inline constexpr const char* kShortcutDescription = "Access Shortcut";

}  // namespace startup
