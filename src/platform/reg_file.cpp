#include "platform/reg_file.h"

#include <array>
#include <cstdint>
#include <optional>
#include <vector>

#include "platform/registry_key.h"

namespace platform {

std::string RegFileError::describe() const {
    return "line " + std::to_string(line) + ", column " + std::to_string(column) + ": " + message;
}

namespace {

constexpr std::string_view kHeaderRegedit4 = "REGEDIT4";
constexpr std::string_view kHeaderVersion5 = "Windows Registry Editor Version 5.00";
constexpr std::size_t kMaxKeyNameLength = 255;
constexpr std::size_t kMaxKeyLevels = 500;
constexpr std::size_t kMaxValueNameLength = 16383;

// Code page 1252's bytes 0x80..0x9F as Unicode; the rest of the page is Latin-1.
constexpr std::array<std::uint16_t, 32> kCp1252High = {
    0x20AC, 0x0081, 0x201A, 0x0192, 0x201E, 0x2026, 0x2020, 0x2021, 0x02C6, 0x2030, 0x0160,
    0x2039, 0x0152, 0x008D, 0x017D, 0x008F, 0x0090, 0x2018, 0x2019, 0x201C, 0x201D, 0x2022,
    0x2013, 0x2014, 0x02DC, 0x2122, 0x0161, 0x203A, 0x0153, 0x009D, 0x017E, 0x0178};

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

RegFileError makeError(std::size_t line, std::size_t column, std::string message) {
    return RegFileError{line, column, std::move(message)};
}

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

bool decodeText(std::string_view raw, std::string& text, RegFileError& error) {
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

// --- Parsing -----------------------------------------------------------------

enum class OpKind { OpenKey, DeleteTree, SetValue, DeleteValue };

struct Operation {
    OpKind kind = OpKind::OpenKey;
    Key root = 0;
    std::string path;  // keys
    std::string name;  // values
    std::uint32_t type = kRegNone;
    std::vector<std::uint8_t> data;
    std::size_t line = 0;
};

struct RootName {
    std::string_view name;
    Key key;
};
constexpr std::array<RootName, 5> kRoots = {{{"HKEY_LOCAL_MACHINE", kHkeyLocalMachine},
                                              {"HKEY_CURRENT_USER", kHkeyCurrentUser},
                                              {"HKEY_CLASSES_ROOT", kHkeyClassesRoot},
                                              {"HKEY_USERS", kHkeyUsers},
                                              {"HKEY_CURRENT_CONFIG", kHkeyCurrentConfig}}};

char asciiUpper(char c) { return (c >= 'a' && c <= 'z') ? static_cast<char>(c - 0x20) : c; }

bool equalsIgnoringCase(std::string_view a, std::string_view b) {
    if (a.size() != b.size()) return false;
    for (std::size_t i = 0; i < a.size(); ++i)
        if (asciiUpper(a[i]) != asciiUpper(b[i])) return false;
    return true;
}

bool isBlank(char c) { return c == ' ' || c == '\t'; }

int hexDigit(char c) {
    if (c >= '0' && c <= '9') return c - '0';
    if (c >= 'a' && c <= 'f') return c - 'a' + 10;
    if (c >= 'A' && c <= 'F') return c - 'A' + 10;
    return -1;
}

std::string shown(char c) {
    const auto u = static_cast<unsigned char>(c);
    if (u >= 0x20 && u < 0x7F) return std::string("'") + c + "'";
    static constexpr char digits[] = "0123456789ABCDEF";
    return std::string("byte 0x") + digits[u >> 4] + digits[u & 0xF];
}

class Parser {
public:
    // Lines end in CR LF, LF or a lone CR: the registry editor reads all three.
    explicit Parser(const std::string& text) {
        std::size_t start = 0;
        while (start <= text.size()) {
            auto end = text.find_first_of("\r\n", start);
            if (end == std::string::npos) end = text.size();
            lines_.emplace_back(text.data() + start, end - start);
            start = end + (text.compare(end, 2, "\r\n") == 0 ? 2 : 1);
        }
    }

    bool parse(std::vector<Operation>& operations, RegFileFormat& format, RegFileError& error) {
        if (!parseHeader(format, error)) return false;
        format_ = format;
        bool haveKey = false;
        for (; index_ < lines_.size(); ++index_) {
            pos_ = 0;
            skipBlanks();
            if (atEnd() || peek() == ';' || peek() == '#') continue;
            if (peek() == '[') {
                Operation op;
                if (!parseKeyHeader(op, error)) return false;
                operations.push_back(std::move(op));
                haveKey = true;
            } else if (peek() == '"' || peek() == '@') {
                if (!haveKey) return fail(error, "a value comes before any [key] line");
                Operation op;
                if (!parseValue(op, error)) return false;
                operations.push_back(std::move(op));
            } else {
                return fail(error, "unexpected " + shown(peek()) + "; expected a [key] line, a value or a comment");
            }
        }
        return true;
    }

private:
    std::string_view line() const { return lines_[index_]; }
    bool atEnd() const { return pos_ >= line().size(); }
    char peek() const { return line()[pos_]; }
    void skipBlanks() {
        while (!atEnd() && isBlank(peek())) ++pos_;
    }
    bool restIsBlank() {
        skipBlanks();
        return atEnd();
    }
    bool fail(RegFileError& error, std::string message) { return failAt(error, pos_, std::move(message)); }
    bool failAt(RegFileError& error, std::size_t column, std::string message) {
        error = makeError(index_ + 1, column + 1, std::move(message));
        return false;
    }

    bool parseHeader(RegFileFormat& format, RegFileError& error) {
        for (; index_ < lines_.size(); ++index_) {
            pos_ = 0;
            if (restIsBlank()) continue;
            std::string_view text = line();
            while (!text.empty() && isBlank(text.back())) text.remove_suffix(1);
            if (text == kHeaderRegedit4) {
                format = RegFileFormat::Regedit4;
            } else if (text == kHeaderVersion5) {
                format = RegFileFormat::Version5;
            } else {
                return failAt(error, 0,
                              "not a registry file: the first line must be REGEDIT4 or "
                              "Windows Registry Editor Version 5.00");
            }
            ++index_;
            return true;
        }
        error = makeError(1, 1, "empty file: the REGEDIT4 or Windows Registry Editor Version 5.00 line is missing");
        return false;
    }

    bool parseKeyHeader(Operation& op, RegFileError& error) {
        op.line = index_ + 1;
        const std::size_t open = pos_;
        ++pos_;
        op.kind = OpKind::OpenKey;
        if (!atEnd() && peek() == '-') {
            op.kind = OpKind::DeleteTree;
            ++pos_;
        }
        // Key names may hold ']', so the header ends at the last one.
        const auto close = line().rfind(']');
        if (close == std::string_view::npos || close < pos_)
            return failAt(error, line().size(), "the key name has no closing ']'");
        const std::size_t nameStart = pos_;
        std::string_view full = line().substr(nameStart, close - nameStart);
        pos_ = close + 1;
        if (!restIsBlank()) return fail(error, "unexpected text after the [key] line");

        auto cut = full.find('\\');
        std::string_view rootName = full.substr(0, cut);
        const RootName* root = nullptr;
        for (const auto& candidate : kRoots)
            if (equalsIgnoringCase(candidate.name, rootName)) root = &candidate;
        if (!root) return failAt(error, nameStart, "unknown root key '" + std::string(rootName) + "'");
        op.root = root->key;
        op.path = cut == std::string_view::npos ? std::string() : std::string(full.substr(cut + 1));
        if (op.kind == OpKind::DeleteTree && op.path.empty())
            return failAt(error, open, "a root key cannot be deleted");
        return checkKeyPath(op.path, nameStart + rootName.size() + 1, error);
    }

    // Refused here rather than by the registry, so a bad path loads nothing.
    bool checkKeyPath(std::string_view path, std::size_t column, RegFileError& error) {
        std::size_t levels = 0;
        while (!path.empty()) {
            auto cut = path.find('\\');
            auto name = path.substr(0, cut);
            if (name.empty()) return failAt(error, column, "the key path has an empty key name");
            if (name.size() > kMaxKeyNameLength)
                return failAt(error, column, "a key name is longer than 255 characters");
            if (++levels > kMaxKeyLevels) return failAt(error, column, "the key path is nested too deeply");
            if (cut == std::string_view::npos) break;
            path.remove_prefix(cut + 1);
            column += cut + 1;
        }
        return true;
    }

    // A quoted string with regedit's two escapes; `pos_` is on the opening quote.
    bool parseQuoted(std::string& out, RegFileError& error) {
        const std::size_t open = pos_;
        ++pos_;
        while (true) {
            if (atEnd()) return failAt(error, open, "unterminated string: the closing '\"' is missing");
            char c = peek();
            if (c == '"') {
                ++pos_;
                return true;
            }
            if (c == '\\') {
                if (pos_ + 1 >= line().size())
                    return failAt(error, open, "unterminated string: the closing '\"' is missing");
                char escaped = line()[pos_ + 1];
                if (escaped != '\\' && escaped != '"')
                    return fail(error, "bad escape '\\" + std::string(1, escaped) + "'; only \\\\ and \\\" are allowed");
                out += escaped;
                pos_ += 2;
                continue;
            }
            out += c;
            ++pos_;
        }
    }

    bool parseValue(Operation& op, RegFileError& error) {
        op.line = index_ + 1;
        if (peek() == '@') {
            ++pos_;
        } else if (!parseQuoted(op.name, error)) {
            return false;
        }
        if (op.name.size() > kMaxValueNameLength) return failAt(error, 0, "the value name is too long");
        skipBlanks();
        if (atEnd() || peek() != '=') return fail(error, "expected '=' after the value name");
        ++pos_;
        skipBlanks();
        if (atEnd()) return fail(error, "the value has no data after '='");

        const std::size_t dataStart = pos_;
        std::string_view rest = line().substr(pos_);
        auto startsWith = [&](std::string_view prefix) {
            return rest.size() >= prefix.size() && equalsIgnoringCase(rest.substr(0, prefix.size()), prefix);
        };
        if (peek() == '"') {
            std::string text;
            if (!parseQuoted(text, error)) return false;
            op.kind = OpKind::SetValue;
            op.type = kRegSz;
            op.data.assign(text.begin(), text.end());
            op.data.push_back(0);
        } else if (peek() == '-') {
            ++pos_;
            op.kind = OpKind::DeleteValue;
        } else if (startsWith("dword:")) {
            pos_ += 6;
            if (!parseDword(op, error)) return false;
        } else if (startsWith("hex:")) {
            pos_ += 4;
            op.type = kRegBinary;
            if (!parseHexList(op, error)) return false;
        } else if (startsWith("hex(")) {
            pos_ += 4;
            if (!parseHexType(op, error)) return false;
            if (!parseHexList(op, error)) return false;
            if (!convertWideData(op, dataStart, error)) return false;
        } else {
            return fail(error, "unrecognised value data; expected \"text\", dword:, hex:, hex(n): or -");
        }
        if (!restIsBlank()) return fail(error, "unexpected text after the value");
        return true;
    }

    bool parseDword(Operation& op, RegFileError& error) {
        std::uint32_t value = 0;
        std::size_t digits = 0;
        while (!atEnd() && hexDigit(peek()) >= 0) {
            if (digits == 8) return fail(error, "dword value has more than 8 hex digits");
            value = (value << 4) | static_cast<std::uint32_t>(hexDigit(peek()));
            ++digits;
            ++pos_;
        }
        if (digits == 0) {
            if (atEnd()) return fail(error, "dword: needs 1 to 8 hex digits");
            return fail(error, "bad hex digit " + shown(peek()) + " in dword value");
        }
        if (!atEnd() && !isBlank(peek())) return fail(error, "bad hex digit " + shown(peek()) + " in dword value");
        op.kind = OpKind::SetValue;
        op.type = kRegDword;
        for (int i = 0; i < 4; ++i) op.data.push_back(static_cast<std::uint8_t>(value >> (8 * i)));
        return true;
    }

    bool parseHexType(Operation& op, RegFileError& error) {
        std::uint32_t type = 0;
        std::size_t digits = 0;
        while (!atEnd() && hexDigit(peek()) >= 0) {
            if (digits == 8) return fail(error, "value type in hex(...) has more than 8 hex digits");
            type = (type << 4) | static_cast<std::uint32_t>(hexDigit(peek()));
            ++digits;
            ++pos_;
        }
        if (digits == 0) return fail(error, "hex(...) needs the value type as hex digits");
        if (atEnd() || peek() != ')') return fail(error, "expected ')' after the value type");
        ++pos_;
        if (atEnd() || peek() != ':') return fail(error, "expected ':' after hex(...)");
        ++pos_;
        op.type = type;
        return true;
    }

    // Comma-separated bytes; a trailing '\' after a comma continues the list
    // on the next line, whose leading blanks are ignored.
    bool parseHexList(Operation& op, RegFileError& error) {
        op.kind = OpKind::SetValue;
        skipBlanks();
        if (atEnd()) return true;
        while (true) {
            skipBlanks();
            if (atEnd()) return true;  // a trailing comma ends the list
            if (peek() == '\\' && !op.data.empty()) {
                if (!continueOnNextLine(error)) return false;
                continue;
            }
            int high = hexDigit(peek());
            if (high < 0) return fail(error, "bad hex digit " + shown(peek()));
            ++pos_;
            int byte = high;
            if (!atEnd() && hexDigit(peek()) >= 0) {
                byte = (high << 4) | hexDigit(peek());
                ++pos_;
            }
            if (!atEnd() && hexDigit(peek()) >= 0) return fail(error, "a hex byte has more than 2 digits");
            op.data.push_back(static_cast<std::uint8_t>(byte));
            skipBlanks();
            if (atEnd()) return true;
            if (peek() != ',') {
                if (peek() == '\\') return fail(error, "a line continuation '\\' must follow a comma");
                if (peek() == ';') return fail(error, "unexpected text after the value");
                return fail(error, "bad hex digit " + shown(peek()));
            }
            ++pos_;
        }
    }

    // `pos_` is on a '\' that ended a list line after a comma.
    bool continueOnNextLine(RegFileError& error) {
        const std::size_t slash = pos_++;
        if (!restIsBlank()) return fail(error, "unexpected text after the line continuation '\\'");
        const bool lastLine = index_ + 1 >= lines_.size() || (index_ + 2 == lines_.size() && lines_.back().empty());
        if (lastLine) return failAt(error, slash, "the hex data continues past the end of the file");
        ++index_;
        pos_ = 0;
        if (restIsBlank()) {
            --index_;
            return failAt(error, slash, "the line after the continuation '\\' is blank");
        }
        return true;
    }

    // Version 5 files are written from a Unicode registry: their string types
    // carry UTF-16LE bytes, which we keep in the ANSI code page.
    bool convertWideData(Operation& op, std::size_t column, RegFileError& error) {
        if (format_ != RegFileFormat::Version5) return true;
        if (op.type != kRegSz && op.type != kRegExpandSz && op.type != kRegMultiSz) return true;
        if (op.data.size() % 2) {
            error = makeError(op.line, column + 1, "UTF-16 string data has an odd number of bytes");
            return false;
        }
        std::vector<std::uint8_t> ansi;
        ansi.reserve(op.data.size() / 2);
        for (std::size_t i = 0; i < op.data.size(); i += 2) {
            const std::uint32_t unit = op.data[i] | (op.data[i + 1] << 8);
            auto byte = ansiOf(unit);
            if (!byte) {
                error = makeError(op.line, column + 1,
                                  "character " + hexCodePoint(unit) + " in the string data cannot be stored in the "
                                  "ANSI code page");
                return false;
            }
            ansi.push_back(*byte);
        }
        op.data = std::move(ansi);
        return true;
    }

    std::vector<std::string_view> lines_;
    std::size_t index_ = 0;
    std::size_t pos_ = 0;
    RegFileFormat format_ = RegFileFormat::Regedit4;
};

// --- Registry walks ------------------------------------------------------------

std::vector<std::string> subkeyNames(Registry& registry, Key key) {
    std::vector<std::string> names;
    std::vector<char> buffer(256);
    for (std::uint32_t index = 0;;) {
        auto status = registry.enumKey(key, index, buffer.data(), static_cast<std::uint32_t>(buffer.size()));
        if (status == kMoreData && buffer.size() < 65536) {
            buffer.resize(buffer.size() * 2);
            continue;
        }
        if (status != kSuccess) break;
        names.emplace_back(buffer.data());
        ++index;
    }
    return names;
}

bool apply(Registry& registry, const std::vector<Operation>& operations, RegFileError& error) {
    Key current = 0;
    bool open = false;
    auto closeCurrent = [&] {
        if (open) registry.closeKey(current);
        open = false;
    };
    auto failed = [&](const Operation& op, const std::string& what, Status status) {
        closeCurrent();
        error = makeError(op.line, 1, what + " (error " + std::to_string(status) + ")");
        return false;
    };
    for (const auto& op : operations) {
        switch (op.kind) {
            case OpKind::OpenKey: {
                closeCurrent();
                if (auto status = registry.createKey(op.root, op.path, kKeyAllAccess, current))
                    return failed(op, "cannot create the key", status);
                open = true;
                break;
            }
            case OpKind::DeleteTree:
                // Values listed under a deleted key are ignored, as regedit does.
                closeCurrent();
                deleteKeyTree(registry, op.root, op.path, View::Native);
                break;
            case OpKind::SetValue:
                if (!open) break;
                if (auto status = registry.setValue(current, op.name, op.type, op.data.data(),
                                                    static_cast<std::uint32_t>(op.data.size())))
                    return failed(op, "cannot write the value", status);
                break;
            case OpKind::DeleteValue:
                if (!open) break;
                if (auto status = registry.deleteValue(current, op.name); status && status != kFileNotFound)
                    return failed(op, "cannot delete the value", status);
                break;
        }
    }
    closeCurrent();
    return true;
}

// --- Writing -----------------------------------------------------------------

constexpr std::string_view kEol = "\r\n";
constexpr std::size_t kWrapColumn = 76;

std::string quoted(const std::string& text) {
    std::string out = "\"";
    for (char c : text) {
        if (c == '\\' || c == '"') out += '\\';
        out += c;
    }
    return out + "\"";
}

// A REG_SZ is written as text only when reading that text back gives the
// same bytes: one terminating zero, no zero, CR or LF inside.
bool writableAsText(const std::vector<std::uint8_t>& data) {
    if (data.empty() || data.back() != 0) return false;
    for (std::size_t i = 0; i + 1 < data.size(); ++i)
        if (data[i] == 0 || data[i] == '\r' || data[i] == '\n') return false;
    return true;
}

void writeHex(std::string& out, std::string line, const std::vector<std::uint8_t>& bytes) {
    static constexpr char digits[] = "0123456789abcdef";
    for (std::size_t i = 0; i < bytes.size(); ++i) {
        line += digits[bytes[i] >> 4];
        line += digits[bytes[i] & 0xF];
        if (i + 1 < bytes.size()) {
            line += ',';
            if (line.size() >= kWrapColumn) {
                out += line;
                out += "\\";
                out += kEol;
                line = "  ";
            }
        }
    }
    out += line;
    out += kEol;
}

std::string hexType(std::uint32_t type) {
    static constexpr char digits[] = "0123456789abcdef";
    std::string text;
    do {
        text.insert(text.begin(), digits[type & 0xF]);
        type >>= 4;
    } while (type);
    return text;
}

void writeValue(std::string& out, const std::string& name, std::uint32_t type, const std::vector<std::uint8_t>& data,
                RegFileFormat format) {
    std::string line = name.empty() ? std::string("@") : quoted(name);
    line += '=';
    if (type == kRegSz && writableAsText(data)) {
        out += line + quoted(std::string(data.begin(), data.end() - 1)) + std::string(kEol);
    } else if (type == kRegDword && data.size() == 4) {
        static constexpr char digits[] = "0123456789abcdef";
        std::uint32_t value = data[0] | (data[1] << 8) | (data[2] << 16) | (static_cast<std::uint32_t>(data[3]) << 24);
        line += "dword:";
        for (int shift = 28; shift >= 0; shift -= 4) line += digits[(value >> shift) & 0xF];
        out += line + std::string(kEol);
    } else if (type == kRegBinary) {
        writeHex(out, line + "hex:", data);
    } else {
        const bool wide = format == RegFileFormat::Version5 &&
                          (type == kRegSz || type == kRegExpandSz || type == kRegMultiSz);
        if (!wide) {
            writeHex(out, line + "hex(" + hexType(type) + "):", data);
            return;
        }
        std::vector<std::uint8_t> utf16;
        utf16.reserve(data.size() * 2);
        for (auto byte : data) {
            auto unit = unicodeOf(byte);
            utf16.push_back(static_cast<std::uint8_t>(unit & 0xFF));
            utf16.push_back(static_cast<std::uint8_t>(unit >> 8));
        }
        writeHex(out, line + "hex(" + hexType(type) + "):", utf16);
    }
}

// False when some value or subkey could not be read: the text then misses it.
bool writeKey(Registry& registry, Key key, const std::string& shownPath, RegFileFormat format, std::string& out) {
    bool whole = true;
    out += "[" + shownPath + "]";
    out += kEol;
    std::vector<char> name(256);
    std::vector<std::uint8_t> data;
    for (std::uint32_t index = 0;;) {
        auto nameLength = static_cast<std::uint32_t>(name.size());
        std::uint32_t type = 0, size = 0;
        auto status = registry.enumValue(key, index, name.data(), &nameLength, &type, nullptr, &size);
        if (status == kMoreData && name.size() < 32768) {
            name.resize(name.size() * 2);
            continue;
        }
        if (status != kSuccess) {
            whole = whole && status == kNoMoreItems;
            break;
        }
        data.assign(size, 0);
        nameLength = static_cast<std::uint32_t>(name.size());
        status = registry.enumValue(key, index, name.data(), &nameLength, &type, data.data(), &size);
        if (status == kMoreData) continue;  // changed between the two calls: ask again
        if (status != kSuccess) {
            whole = false;
            break;
        }
        data.resize(size);
        writeValue(out, std::string(name.data(), nameLength), type, data, format);
        ++index;
    }
    out += kEol;
    for (const auto& child : subkeyNames(registry, key)) {
        Key childKey = 0;
        if (registry.openKey(key, child, kKeyRead, childKey) != kSuccess) {
            whole = false;
            continue;
        }
        whole = writeKey(registry, childKey, shownPath + "\\" + child, format, out) && whole;
        registry.closeKey(childKey);
    }
    return whole;
}

std::string_view nameOfRoot(Key root) {
    for (const auto& candidate : kRoots)
        if (candidate.key == root) return candidate.name;
    return {};
}

std::string withoutTrailingSeparators(std::string path) {
    while (!path.empty() && path.back() == '\\') path.pop_back();
    return path;
}

}  // namespace

namespace {

bool parseWhole(std::string_view text, std::vector<Operation>& operations, RegFileError& error) {
    std::string decoded;
    if (!decodeText(text, decoded, error)) return false;
    if (auto nul = decoded.find('\0'); nul != std::string::npos) {
        std::size_t line = 1, column = 1;
        for (std::size_t i = 0; i < nul; ++i) {
            if (decoded[i] == '\n') {
                ++line;
                column = 1;
            } else {
                ++column;
            }
        }
        error = makeError(line, column, "the file contains a NUL character");
        return false;
    }
    Parser parser(decoded);
    RegFileFormat format = RegFileFormat::Regedit4;
    return parser.parse(operations, format, error);
}

}  // namespace

bool loadRegFile(Registry& registry, std::string_view text, RegFileError& error) {
    std::vector<Operation> operations;
    return parseWhole(text, operations, error) && apply(registry, operations, error);
}

bool checkRegFile(std::string_view text, RegFileError& error) {
    std::vector<Operation> operations;
    return parseWhole(text, operations, error);
}

bool splitRegKeyName(const std::string& name, Key& root, std::string& path) {
    const auto cut = name.find('\\');
    const std::string rootName = name.substr(0, cut);
    for (const auto& candidate : kRoots)
        if (equalsIgnoringCase(candidate.name, rootName)) {
            root = candidate.key;
            path = cut == std::string::npos ? std::string() : name.substr(cut + 1);
            return true;
        }
    return false;
}

std::string regFileHeader(RegFileFormat format) {
    std::string out(format == RegFileFormat::Version5 ? kHeaderVersion5 : kHeaderRegedit4);
    out += kEol;
    out += kEol;
    return out;
}

std::string regKeyName(Key root, const std::string& path) {
    const std::string_view rootName = nameOfRoot(root);
    if (rootName.empty()) return {};
    const std::string trimmed = withoutTrailingSeparators(path);
    return trimmed.empty() ? std::string(rootName) : std::string(rootName) + "\\" + trimmed;
}

std::string saveRegFile(Registry& registry, Key root, const std::string& path, RegFileFormat format) {
    std::string out = regFileHeader(format);
    const std::string shown = regKeyName(root, path);
    if (shown.empty()) return out;
    Key key = 0;
    if (registry.openKey(root, withoutTrailingSeparators(path), kKeyRead, key) != kSuccess) return out;
    writeKey(registry, key, shown, format, out);
    registry.closeKey(key);
    return out;
}

// The key's own name as the registry spells it: a restore must not rename "DefaultIcon" to "defaulticon".
std::string spelledAsStored(Registry& registry, Key root, const std::string& path) {
    const auto cut = path.find_last_of('\\');
    const std::string parentPath = cut == std::string::npos ? std::string() : path.substr(0, cut);
    const std::string name = cut == std::string::npos ? path : path.substr(cut + 1);
    Key parent = 0;
    if (registry.openKey(root, parentPath, kKeyEnumerateSubKeys, parent) != kSuccess) return path;
    std::string spelled = name;
    for (const auto& child : subkeyNames(registry, parent))
        if (equalsIgnoringCase(child, name)) {
            spelled = child;
            break;
        }
    registry.closeKey(parent);
    return parentPath.empty() ? spelled : parentPath + "\\" + spelled;
}

Captured appendKeyRestore(Registry& registry, Key root, const std::string& path, RegFileFormat format,
                          std::string& out) {
    std::string shown = regKeyName(root, path);
    // A root itself is never removed and put back whole.
    if (shown.empty() || withoutTrailingSeparators(path).empty()) return Captured::Unreadable;
    Key key = 0;
    const Status status = registry.openKey(root, withoutTrailingSeparators(path), kKeyRead, key);
    std::string section = "[-" + shown + "]" + std::string(kEol) + std::string(kEol);
    if (status == kFileNotFound) {
        out += section;
        return Captured::Absent;
    }
    if (status != kSuccess) return Captured::Unreadable;
    shown = regKeyName(root, spelledAsStored(registry, root, withoutTrailingSeparators(path)));
    const bool whole = writeKey(registry, key, shown, format, section);
    registry.closeKey(key);
    if (!whole) return Captured::Unreadable;
    out += section;
    return Captured::Existed;
}

Captured appendValueRestore(Registry& registry, Key root, const std::string& path, const std::string& name,
                            RegFileFormat format, std::string& out) {
    const std::string shown = regKeyName(root, path);
    if (shown.empty()) return Captured::Unreadable;
    Key key = 0;
    Status status = registry.openKey(root, withoutTrailingSeparators(path), kKeyQueryValue, key);
    if (status == kFileNotFound) {
        // The key comes with the value, so it goes with it.
        out += "[-" + shown + "]" + std::string(kEol) + std::string(kEol);
        return Captured::Absent;
    }
    if (status != kSuccess) return Captured::Unreadable;
    const Captured captured = appendValueRestoreFromKey(registry, key, shown, name, format, out);
    registry.closeKey(key);
    return captured;
}

Captured appendValueRestoreFromKey(Registry& registry, Key key, const std::string& keyName, const std::string& name,
                                   RegFileFormat format, std::string& out) {
    // One question for nearly every value; only data over the first guess asks twice.
    std::uint32_t type = 0;
    std::vector<std::uint8_t> data(256);
    auto size = static_cast<std::uint32_t>(data.size());
    Status status = registry.queryValue(key, name, &type, data.data(), &size);
    if (status == kMoreData) {
        data.resize(size);
        status = registry.queryValue(key, name, &type, data.data(), &size);
    }
    std::string section = "[" + keyName + "]" + std::string(kEol);
    if (status == kFileNotFound) {
        out += section + (name.empty() ? std::string("@") : quoted(name)) + "=-" + std::string(kEol) + std::string(kEol);
        return Captured::Absent;
    }
    if (status != kSuccess) return Captured::Unreadable;
    data.resize(size);
    writeValue(section, name, type, data, format);
    out += section + std::string(kEol);
    return Captured::Existed;
}

}  // namespace platform
