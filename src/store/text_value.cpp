#include "store/text_value.h"

#include <cctype>
#include <cstdlib>

namespace store {

std::string trimSpaces(std::string_view text) {
    auto first = text.find_first_not_of(' ');
    if (first == std::string_view::npos) return {};
    auto last = text.find_last_not_of(' ');
    return std::string(text.substr(first, last - first + 1));
}

double leadingNumber(std::string_view text) {
    std::size_t i = 0;
    while (i < text.size() && (text[i] == ' ' || text[i] == '\t')) ++i;
    // Copy only the part that can belong to a number, so strtod never runs
    // past the view and never sees hex, "inf" or "nan".
    std::string number;
    if (i < text.size() && (text[i] == '+' || text[i] == '-')) number += text[i++];
    bool digits = false;
    while (i < text.size() && std::isdigit(static_cast<unsigned char>(text[i]))) number += text[i++], digits = true;
    if (i < text.size() && text[i] == '.') {
        number += text[i++];
        while (i < text.size() && std::isdigit(static_cast<unsigned char>(text[i]))) number += text[i++], digits = true;
    }
    if (!digits) return 0;
    if (i + 1 < text.size() && (text[i] == 'e' || text[i] == 'E')) {
        std::size_t j = i + 1;
        std::string exponent = "e";
        if (j < text.size() && (text[j] == '+' || text[j] == '-')) exponent += text[j++];
        bool expDigits = false;
        while (j < text.size() && std::isdigit(static_cast<unsigned char>(text[j]))) exponent += text[j++], expDigits = true;
        if (expDigits) number += exponent;
    }
    return std::strtod(number.c_str(), nullptr);
}

std::string upperCase(std::string_view text) {
    std::string result(text);
    for (char& c : result) c = static_cast<char>(std::toupper(static_cast<unsigned char>(c)));
    return result;
}

std::uint32_t littleEndianNumber(std::string_view data) {
    std::uint32_t number = 0;
    for (std::size_t i = 0; i < data.size() && i < kDwordBytes; ++i)
        number |= std::uint32_t(static_cast<unsigned char>(data[i])) << (8 * i);
    return number;
}

}  // namespace store
