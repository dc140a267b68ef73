#pragma once
// A calendar date in the user's short form, as the Control Panel sets it; empty
// when the system cannot show it (the 31st of February).
#include <windows.h>

#include <string>

namespace win32 {

inline std::string shortDate(int year, int month, int day) {
    SYSTEMTIME date{};
    date.wYear = static_cast<WORD>(year);
    date.wMonth = static_cast<WORD>(month);
    date.wDay = static_cast<WORD>(day);
    char text[80];
    const int length = GetDateFormatA(LOCALE_USER_DEFAULT, DATE_SHORTDATE, &date, nullptr, text, sizeof text);
    return length > 0 ? std::string(text) : std::string();
}

}  // namespace win32
