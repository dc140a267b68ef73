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

// Writes `path` under `root` (a predefined key) and everything below it.
std::string saveRegFile(Registry& registry, Key root, const std::string& path, RegFileFormat format);

}  // namespace platform
