#pragma once
// What the uninstall page judges in an uninstall command: the quoted paths the
// bad-entry check tests, and the program a command line really names.
#include <string>
#include <vector>

#include "platform/files.h"

namespace uninstall {

// The texts between pairs of double quotes, the rightmost pair first.
std::vector<std::string> quotedPaths(const std::string& command);
// A quoted path of an uninstaller that is not there: nothing at all at the path
// (a hidden or system file or a folder counts as there), not a ".log" file, and
// ending in a three-letter extension. A path the system calls malformed is not bad.
bool uninstallerMissing(const std::string& path, platform::Files& files);
// The command line to start. An unquoted command whose first blank-containing
// prefix up to ".exe" (then a blank or the end) is an existing file gets that
// program quoted, so the system does not run "C:\Program.exe" instead.
std::string commandLineToStart(const std::string& command, platform::Files& files);

}  // namespace uninstall
