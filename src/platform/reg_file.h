#pragma once
// Registry-editor text files ("REGEDIT4" and "Windows Registry Editor Version
// 5.00"), read into and written from any Registry. Decoding, parsing, applying
// and writing each have their own file (reg_text_decoding, reg_file_parser,
// reg_file_apply, reg_file_writer).
#include <cstddef>
#include <string>
#include <string_view>

#include "platform/registry.h"
#include "platform/registry_key.h"

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

// A value's name as a file writes it: quoted with regedit's escapes, "@" for the default value.
std::string regValueName(const std::string& name);
// One value's lines as the registry editor writes them.
void appendRegValue(std::string& out, const std::string& name, const RegValue& value, RegFileFormat format);
// The key's section and those of every key below it, read in the key's own view;
// false when some part could not be read (the text then misses it).
bool appendRegKey(Registry& registry, const RegKey& key, const std::string& shownPath, RegFileFormat format,
                  std::string& out);

}  // namespace platform
