#pragma once
// The bytes of a registry-editor file as ANSI text (ANSI, UTF-8 with or without
// its mark, UTF-16LE with its mark), and code page 1252 both ways for the
// UTF-16 value data of version 5 files.
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

#include "platform/reg_file.h"

namespace platform {

std::uint16_t unicodeOf(unsigned char c);
// Nothing when the code page has no such character.
std::optional<unsigned char> ansiOf(std::uint32_t codePoint);
std::string hexCodePoint(std::uint32_t codePoint);  // "U+20AC"
// False with the place of the first character the code page cannot hold, or of malformed text.
bool decodeRegText(std::string_view raw, std::string& text, RegFileError& error);

}  // namespace platform
