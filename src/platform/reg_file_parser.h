#pragma once
// Registry-editor files parsed whole into the changes they ask for, before any
// of them is made: a malformed file is refused at its first fault.
#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

#include "platform/reg_file.h"

namespace platform {

enum class RegFileOpKind { OpenKey, DeleteTree, SetValue, DeleteValue };

// One line's change: a [key] line opens (or with '-' deletes) a key; a value line sets or deletes a value.
struct RegFileOperation {
    RegFileOpKind kind = RegFileOpKind::OpenKey;
    Key root = 0;
    std::string path;  // keys
    std::string name;  // values
    std::uint32_t type = kRegNone;
    std::vector<std::uint8_t> data;
    std::size_t line = 0;
};

bool parseRegFile(std::string_view text, std::vector<RegFileOperation>& operations, RegFileError& error);

}  // namespace platform
