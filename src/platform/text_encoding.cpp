#include "platform/text_encoding.h"

#include <cstdint>
#include <optional>
#include <vector>

namespace platform {

namespace {

// One code point and the bytes it took, or nothing for a malformed sequence.
struct Decoded {
    std::uint32_t codePoint;
    std::size_t length;
};

std::optional<Decoded> decodeAt(std::string_view bytes, std::size_t at) {
    const auto lead = static_cast<unsigned char>(bytes[at]);
    if (lead < 0x80) return Decoded{lead, 1};
    std::size_t length = 0;
    std::uint32_t codePoint = 0, least = 0;
    if ((lead & 0xE0) == 0xC0) length = 2, codePoint = lead & 0x1F, least = 0x80;
    else if ((lead & 0xF0) == 0xE0) length = 3, codePoint = lead & 0x0F, least = 0x800;
    else if ((lead & 0xF8) == 0xF0) length = 4, codePoint = lead & 0x07, least = 0x10000;
    else return std::nullopt;
    if (at + length > bytes.size()) return std::nullopt;
    for (std::size_t i = 1; i < length; ++i) {
        const auto next = static_cast<unsigned char>(bytes[at + i]);
        if ((next & 0xC0) != 0x80) return std::nullopt;
        codePoint = (codePoint << 6) | (next & 0x3F);
    }
    if (codePoint < least || codePoint > 0x10FFFF || (codePoint >= 0xD800 && codePoint <= 0xDFFF)) return std::nullopt;
    return Decoded{codePoint, length};
}

// Windows-1252's 0x80..0x9F; the rest of 0xA0..0xFF is Latin-1.
constexpr std::uint16_t kHighControls[32] = {
    0x20AC, 0,      0x201A, 0x0192, 0x201E, 0x2026, 0x2020, 0x2021, 0x02C6, 0x2030, 0x0160,
    0x2039, 0x0152, 0,      0x017D, 0,      0,      0x2018, 0x2019, 0x201C, 0x201D, 0x2022,
    0x2013, 0x2014, 0x02DC, 0x2122, 0x0161, 0x203A, 0x0153, 0,      0x017E, 0x0178};

char toWindows1252(std::uint32_t codePoint) {
    if (codePoint < 0x80 || (codePoint >= 0xA0 && codePoint <= 0xFF)) return static_cast<char>(codePoint);
    for (int i = 0; i < 32; ++i)
        if (kHighControls[i] != 0 && kHighControls[i] == codePoint) return static_cast<char>(0x80 + i);
    return '?';
}

}  // namespace

bool isValidUtf8(std::string_view bytes) {
    for (std::size_t at = 0; at < bytes.size();) {
        const auto decoded = decodeAt(bytes, at);
        if (!decoded) return false;
        at += decoded->length;
    }
    return true;
}

bool hasNonAscii(std::string_view bytes) {
    for (char c : bytes)
        if (static_cast<unsigned char>(c) >= 0x80) return true;
    return false;
}

std::string utf8ToWindows1252(std::string_view utf8) {
    std::string out;
    for (std::size_t at = 0; at < utf8.size();) {
        const auto decoded = decodeAt(utf8, at);
        if (!decoded) {
            out += '?';
            ++at;
            continue;
        }
        out += toWindows1252(decoded->codePoint);
        at += decoded->length;
    }
    return out;
}

std::string windows1252ToUtf8(std::string_view text) {
    std::string out;
    for (char c : text) {
        const auto byte = static_cast<unsigned char>(c);
        std::uint32_t codePoint = byte;
        if (byte >= 0x80 && byte < 0xA0 && kHighControls[byte - 0x80] != 0) codePoint = kHighControls[byte - 0x80];
        if (codePoint < 0x80) {
            out += static_cast<char>(codePoint);
        } else if (codePoint < 0x800) {
            out += static_cast<char>(0xC0 | (codePoint >> 6));
            out += static_cast<char>(0x80 | (codePoint & 0x3F));
        } else {
            out += static_cast<char>(0xE0 | (codePoint >> 12));
            out += static_cast<char>(0x80 | ((codePoint >> 6) & 0x3F));
            out += static_cast<char>(0x80 | (codePoint & 0x3F));
        }
    }
    return out;
}

}  // namespace platform
