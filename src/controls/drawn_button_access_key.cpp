#include "controls/drawn_button_access_key.h"

#include <cctype>

namespace controls {

namespace {

std::string lowered(char c) {
    return std::string(1, static_cast<char>(std::tolower(static_cast<unsigned char>(c))));
}

}  // namespace

std::string accessKeyOf(const std::string& caption) {
    if (caption.size() <= 1) return {};
    const auto first = caption.find('&');
    if (first == std::string::npos || first + 1 == caption.size()) return {};
    if (caption[first + 1] != '&') return lowered(caption[first + 1]);
    const auto next = caption.find('&', first + 2);
    // A trailing "&" has nothing after it to name.
    if (next == std::string::npos || next + 1 == caption.size() || caption[next + 1] == '&') return {};
    return lowered(caption[next + 1]);
}

}  // namespace controls
