#pragma once
// The small text rules the checks share: where a command's program ends,
// whether a path has a drive letter, and whether a referenced file is there.
#include <string>

#include "platform/files.h"

namespace scanner {

// The program path of a command (ExtractProgramPath): the text between leading
// quotes, else everything up to an .exe, .dll, .ovl or .ocx that ends a file
// name (followed by the end, a blank, a comma, a quote or a "/"); unchanged otherwise.
std::string extractProgramPath(const std::string& command);

// "C:..." : the only paths the checks judge; quoted paths, environment
// references and bare names could be anywhere.
bool hasDriveLetter(const std::string& path);

// Whether the file a registry entry names exists (ProbeTarget). Hidden, system
// and read-only files count; a folder does not. Never changes the file.
bool targetPresent(platform::Files& files, const std::string& path);

// The last four letters, ignoring case.
bool endsWithExe(const std::string& path);

}  // namespace scanner
