#include "platform/reg_text_decoding.h"

#include <array>

namespace platform {
namespace {


// Code page 1252's bytes 0x80..0x9F as Unicode; the rest of the page is Latin-1.
constexpr std::array<std::uint16_t, 32> kCp1252High = {
    0x20AC, 0x0081, 0x201A, 0x0192, 0x201E, 0x2026, 0x2020, 0x2021, 0x02C6, 0x2030, 0x0160,
    0x2039, 0x0152, 0x008D, 0x017D, 0x008F, 0x0090, 0x2018, 0x2019, 0x201C, 0x201D, 0x2022,
    0x2013, 0x2014, 0x02DC, 0x2122, 0x0161, 0x203A, 0x0153, 0x009D, 0x017E, 0x0178};

RegFileError makeError(std::size_t line, std::size_t column, std::string message) {
    return RegFileError{line, column, std::move(message)};
}

}  // namespace

std::uint16_t unicodeOf(unsigned char c) { return (c >= 0x80 && c < 0xA0) ? kCp1252High[c - 0x80] : c; }

std::optional<unsigned char> ansiOf(std::uint32_t codePoint) {
    if (codePoint <= 0xFF) return static_cast<unsigned char>(codePoint);
    for (std::size_t i = 0; i < kCp1252High.size(); ++i)
        if (kCp1252High[i] == codePoint) return static_cast<unsigned char>(0x80 + i);
    return std::nullopt;
}

std::string hexCodePoint(std::uint32_t codePoint) {
    static constexpr char digits[] = "0123456789ABCDEF";
    std::string text;
    for (int shift = codePoint > 0xFFFF ? 20 : 12; shift >= 0; shift -= 4) text += digits[(codePoint >> shift) & 0xF];
    return "U+" + text;
}

namespace {

// Turns the file's bytes into ANSI text, tracking positions so that a
// character the code page cannot hold is reported where the user sees it.
class Decoder {
public:
    bool put(std::uint32_t codePoint, RegFileError& error) {
        auto byte = ansiOf(codePoint);
        if (!byte) {
            error = makeError(line_, column_,
                              "character " + hexCodePoint(codePoint) + " cannot be stored in the ANSI code page");
            return false;
        }
        text_ += static_cast<char>(*byte);
        advance(codePoint);
        return true;
    }
    void putByte(unsigned char byte) {
        text_ += static_cast<char>(byte);
        advance(byte);
    }
    RegFileError here(std::string message) const { return makeError(line_, column_, std::move(message)); }
    std::string take() { return std::move(text_); }

private:
    void advance(std::uint32_t codePoint) {
        if (codePoint == '\n') {
            ++line_;
            column_ = 1;
        } else {
            ++column_;
        }
    }
    std::string text_;
    std::size_t line_ = 1;
    std::size_t column_ = 1;
};

// Length of the UTF-8 sequence at `i` and its code point; 0 when malformed.
std::size_t utf8Sequence(std::string_view s, std::size_t i, std::uint32_t& codePoint) {
    const auto lead = static_cast<unsigned char>(s[i]);
    std::size_t length = 0;
    std::uint32_t minimum = 0;
    if (lead < 0x80) {
        codePoint = lead;
        return 1;
    } else if ((lead & 0xE0) == 0xC0) {
        length = 2, codePoint = lead & 0x1F, minimum = 0x80;
    } else if ((lead & 0xF0) == 0xE0) {
        length = 3, codePoint = lead & 0x0F, minimum = 0x800;
    } else if ((lead & 0xF8) == 0xF0) {
        length = 4, codePoint = lead & 0x07, minimum = 0x10000;
    } else {
        return 0;
    }
    if (s.size() - i < length) return 0;
    for (std::size_t k = 1; k < length; ++k) {
        const auto next = static_cast<unsigned char>(s[i + k]);
        if ((next & 0xC0) != 0x80) return 0;
        codePoint = (codePoint << 6) | (next & 0x3F);
    }
    if (codePoint < minimum || codePoint > 0x10FFFF || (codePoint >= 0xD800 && codePoint <= 0xDFFF)) return 0;
    return length;
}

// Without a byte-order mark, text that is valid UTF-8 and uses multi-byte
// sequences is taken as UTF-8; anything else is ANSI.
bool looksLikeUtf8(std::string_view s) {
    bool multiByte = false;
    for (std::size_t i = 0; i < s.size();) {
        std::uint32_t codePoint = 0;
        auto length = utf8Sequence(s, i, codePoint);
        if (length == 0) return false;
        multiByte = multiByte || length > 1;
        i += length;
    }
    return multiByte;
}

bool decodeUtf8(std::string_view s, Decoder& decoder, RegFileError& error) {
    for (std::size_t i = 0; i < s.size();) {
        std::uint32_t codePoint = 0;
        auto length = utf8Sequence(s, i, codePoint);
        if (length == 0) {
            error = decoder.here("invalid UTF-8 byte sequence");
            return false;
        }
        if (!decoder.put(codePoint, error)) return false;
        i += length;
    }
    return true;
}

bool decodeUtf16(std::string_view s, Decoder& decoder, RegFileError& error) {
    const std::size_t units = s.size() / 2;
    for (std::size_t i = 0; i < units; ++i) {
        std::uint32_t unit = static_cast<unsigned char>(s[2 * i]) | (static_cast<unsigned char>(s[2 * i + 1]) << 8);
        if (unit >= 0xD800 && unit <= 0xDBFF && i + 1 < units) {
            std::uint32_t low =
                static_cast<unsigned char>(s[2 * i + 2]) | (static_cast<unsigned char>(s[2 * i + 3]) << 8);
            if (low >= 0xDC00 && low <= 0xDFFF) unit = 0x10000 + ((unit - 0xD800) << 10) + (low - 0xDC00);
        }
        if (!decoder.put(unit, error)) return false;
        if (unit > 0xFFFF) ++i;
    }
    if (s.size() % 2) {
        error = decoder.here("UTF-16 text ends in the middle of a character");
        return false;
    }
    return true;
}

}  // namespace

bool decodeRegText(std::string_view raw, std::string& text, RegFileError& error) {
    Decoder decoder;
    bool ok = true;
    if (raw.size() >= 2 && raw[0] == '\xFF' && raw[1] == '\xFE') {
        ok = decodeUtf16(raw.substr(2), decoder, error);
    } else if (raw.size() >= 2 && raw[0] == '\xFE' && raw[1] == '\xFF') {
        error = makeError(1, 1, "UTF-16 big-endian text is not supported; save the file as UTF-16LE or ANSI");
        return false;
    } else if (raw.size() >= 3 && raw.substr(0, 3) == "\xEF\xBB\xBF") {
        ok = decodeUtf8(raw.substr(3), decoder, error);
    } else if (looksLikeUtf8(raw)) {
        ok = decodeUtf8(raw, decoder, error);
    } else {
        for (char c : raw) decoder.putByte(static_cast<unsigned char>(c));
    }
    if (!ok) return false;
    text = decoder.take();
    return true;
}

}  // namespace platform
