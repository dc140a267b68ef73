#pragma once
// How the program reads texts: blanks trimmed, numbers read from the front.
#include <cstdint>
#include <string>
#include <string_view>

namespace store {

// Leading and trailing spaces removed (spaces only, as the program trims).
std::string trimSpaces(std::string_view text);
// The number a text starts with, after leading blanks; 0 when it starts with
// none ("12abc" is 12, "abc" is 0, " -3.5" is -3.5).
double leadingNumber(std::string_view text);
std::string upperCase(std::string_view text);
// Numbers are read as a DWORD: the first four bytes, little-endian, missing ones zero.
inline constexpr std::uint32_t kDwordBytes = 4;
std::uint32_t littleEndianNumber(std::string_view data);

}  // namespace store
