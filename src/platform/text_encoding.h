#pragma once
// UTF-8 against the single-byte ANSI code pages the program's strings use.
#include <string>
#include <string_view>

namespace platform {

// Every multi-byte sequence well formed (no overlong forms, no surrogates, nothing past U+10FFFF).
bool isValidUtf8(std::string_view bytes);
bool hasNonAscii(std::string_view bytes);
// The Windows-1252 form of a UTF-8 text; characters that code page lacks become '?'.
std::string utf8ToWindows1252(std::string_view utf8);
// The UTF-8 form of a Windows-1252 text; its five unassigned bytes map to the C1 controls, as Windows maps them.
std::string windows1252ToUtf8(std::string_view text);

}  // namespace platform
