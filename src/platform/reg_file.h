#pragma once
// Registry-editor text files ("REGEDIT4" and "Windows Registry Editor Version
// 5.00"), read into and written from any Registry.
#include <cstddef>
#include <string>
#include <string_view>

#include "platform/registry.h"

namespace platform {

struct RegFileError {
    std::size_t line = 0;    // 1-based
    std::size_t column = 0;  // 1-based
    std::string message;
    std::string describe() const;  // "line 3, column 7: ..."
};

enum class RegFileFormat { Regedit4, Version5 };

// Parses the whole text first; applies it only when it parsed, so a malformed
// file changes nothing. Accepts ANSI, UTF-8 and UTF-16LE (with its BOM).
bool loadRegFile(Registry& registry, std::string_view text, RegFileError& error);
// The same parse without applying anything: true when loadRegFile would apply it.
bool checkRegFile(std::string_view text, RegFileError& error);

// Writes `path` under `root` (a predefined key) and everything below it.
std::string saveRegFile(Registry& registry, Key root, const std::string& path, RegFileFormat format);

// Pieces for one file that puts several places back, as a backup writes it.
std::string regFileHeader(RegFileFormat format);
// "HKEY_LOCAL_MACHINE\\path"; empty when `root` is not a predefined key.
std::string regKeyName(Key root, const std::string& path);
// The reverse: false when the name does not start with a root this program knows.
bool splitRegKeyName(const std::string& name, Key& root, std::string& path);

enum class Captured { Existed, Absent, Unreadable };
// Appends the sections that bring a key back to what it holds now: its removal,
// then the key with every value and subkey; the removal alone when it does not exist.
// Appends nothing when any part of it cannot be read, or `path` names a root.
Captured appendKeyRestore(Registry& registry, Key root, const std::string& path, RegFileFormat format,
                          std::string& out);
// The same for one value ("" is the default value): its data as it is now, or
// its removal when it does not exist (with its key's, when the key does not exist).
Captured appendValueRestore(Registry& registry, Key root, const std::string& path, const std::string& name,
                            RegFileFormat format, std::string& out);
// The same from a key the caller holds open for reading values; `keyName` is its regKeyName.
Captured appendValueRestoreFromKey(Registry& registry, Key key, const std::string& keyName, const std::string& name,
                                   RegFileFormat format, std::string& out);

}  // namespace platform
