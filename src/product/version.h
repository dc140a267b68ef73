#pragma once
// The program's version numbers and the addresses the about box and the
// options dialog offer. The one place the version is kept: the resource
// scripts read the macros, scripts/package reads VANTREL_VERSION_TEXT, and the
// about box and the console reports read the constants.
#define VANTREL_VERSION_MAJOR 1
#define VANTREL_VERSION_MINOR 0
#define VANTREL_VERSION_REVISION 0
#define VANTREL_VERSION_TEXT "1.0.0"

#ifndef RC_INVOKED
#include <string_view>

namespace product {

inline constexpr int kVersionMajor = VANTREL_VERSION_MAJOR;
inline constexpr int kVersionMinor = VANTREL_VERSION_MINOR;
inline constexpr int kVersionRevision = VANTREL_VERSION_REVISION;
inline constexpr std::string_view kVersionText = VANTREL_VERSION_TEXT;

inline constexpr const char* kProductWebAddress = "http://www.example.org/vantrel";
inline constexpr const char* kSupportMailAddress = "support@example.org";

namespace detail {
constexpr bool versionTextMatches() {
    std::string_view text = kVersionText;
    for (int number : {kVersionMajor, kVersionMinor, kVersionRevision}) {
        int read = 0;
        std::size_t at = 0;
        while (at < text.size() && text[at] >= '0' && text[at] <= '9') read = read * 10 + (text[at++] - '0');
        if (at == 0 || read != number) return false;
        text.remove_prefix(at);
        if (number != kVersionRevision && (text.empty() || text[0] != '.')) return false;
        if (!text.empty() && text[0] == '.') text.remove_prefix(1);
    }
    return text.empty();
}
}  // namespace detail
// The text and the numbers must not drift apart.
static_assert(detail::versionTextMatches(), "VANTREL_VERSION_TEXT differs from the version numbers");

}  // namespace product
#endif
