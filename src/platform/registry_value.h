#pragma once
// A registry value as stored, and the one way values become text for the
// user and text becomes a value again.
#include <cstdint>
#include <optional>
#include <string>

#include "platform/registry.h"

namespace platform {

struct RegValue {
    std::uint32_t type = kRegSz;
    std::string data;  // the bytes as stored
};

struct NamedRegValue {
    std::string name;
    RegValue value;
};

// A text as REG_SZ with its terminating zero.
RegValue textValue(const std::string& text);
// The text of a REG_SZ or REG_EXPAND_SZ value up to its first zero (a value
// stored without one ends at its last byte); nothing for other types.
std::optional<std::string> textOf(const RegValue& value);

// What lists and dialogs show: texts up to their zero, DWORD and QWORD in
// decimal, REG_MULTI_SZ items joined by " | ", anything else (binary, none,
// unknown types, numbers of the wrong size) as hex bytes "a1 b2".
std::string formatValue(const RegValue& value);
// Texts and numbers can be edited as text; lists and bytes cannot.
bool editableAsText(std::uint32_t type);
// The stored form of `text` for a value of `type`: texts with their zero, a
// number from its decimal text. Nothing when the text is no such number or the
// type is not editable as text.
std::optional<RegValue> parseValue(std::uint32_t type, const std::string& text);

}  // namespace platform
