#include "platform/registry_value.h"

#include <cstdint>

namespace platform {
namespace {

std::uint64_t littleEndian(const std::string& data, std::size_t bytes) {
    std::uint64_t number = 0;
    for (std::size_t i = 0; i < bytes; ++i) number |= std::uint64_t(static_cast<unsigned char>(data[i])) << (8 * i);
    return number;
}

std::string upToZero(const std::string& data) { return data.substr(0, data.find('\0')); }

std::string joinedItems(const std::string& data) {
    std::string joined;
    std::size_t start = 0;
    bool first = true;
    while (start < data.size() && data[start] != '\0') {
        std::size_t end = data.find('\0', start);
        if (end == std::string::npos) end = data.size();
        if (!first) joined += " | ";
        joined.append(data, start, end - start);
        first = false;
        start = end + 1;
    }
    return joined;
}

std::string hexBytes(const std::string& data) {
    static constexpr char kDigits[] = "0123456789abcdef";
    std::string hex;
    hex.reserve(data.size() * 3);
    for (unsigned char c : data) {
        if (!hex.empty()) hex += ' ';
        hex += kDigits[c >> 4];
        hex += kDigits[c & 15];
    }
    return hex;
}

}  // namespace

RegValue textValue(const std::string& text) { return {kRegSz, text + '\0'}; }

std::optional<std::string> textOf(const RegValue& value) {
    if (value.type != kRegSz && value.type != kRegExpandSz) return std::nullopt;
    return upToZero(value.data);
}

std::string formatValue(const RegValue& value) {
    switch (value.type) {
    case kRegSz:
    case kRegExpandSz:
        return upToZero(value.data);
    case kRegDword:
        if (value.data.size() == 4) return std::to_string(littleEndian(value.data, 4));
        break;
    case kRegQword:
        if (value.data.size() == 8) return std::to_string(littleEndian(value.data, 8));
        break;
    case kRegMultiSz:
        return joinedItems(value.data);
    default:
        break;
    }
    return hexBytes(value.data);
}

bool editableAsText(std::uint32_t type) {
    return type == kRegSz || type == kRegExpandSz || type == kRegDword || type == kRegQword;
}

std::optional<RegValue> parseValue(std::uint32_t type, const std::string& text) {
    if (type == kRegSz || type == kRegExpandSz) return RegValue{type, text + '\0'};
    if (type != kRegDword && type != kRegQword) return std::nullopt;
    const std::size_t bytes = type == kRegDword ? 4 : 8;
    if (text.empty() || text.size() > 20) return std::nullopt;
    std::uint64_t number = 0;
    for (char c : text) {
        if (c < '0' || c > '9') return std::nullopt;
        const auto digit = static_cast<std::uint64_t>(c - '0');
        if (number > (UINT64_MAX - digit) / 10) return std::nullopt;
        number = number * 10 + digit;
    }
    if (bytes == 4 && number > UINT32_MAX) return std::nullopt;
    std::string data(bytes, '\0');
    for (std::size_t i = 0; i < bytes; ++i) data[i] = static_cast<char>((number >> (8 * i)) & 0xFF);
    return RegValue{type, std::move(data)};
}

}  // namespace platform
