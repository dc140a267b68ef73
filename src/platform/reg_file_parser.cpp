#include "platform/reg_file_parser.h"

#include "platform/reg_text_decoding.h"
#include "platform/registry_roots.h"

namespace platform {
namespace {

constexpr std::string_view kHeaderRegedit4 = "REGEDIT4";
constexpr std::string_view kHeaderVersion5 = "Windows Registry Editor Version 5.00";
constexpr std::size_t kMaxKeyNameLength = 255;
constexpr std::size_t kMaxKeyLevels = 500;
constexpr std::size_t kMaxValueNameLength = 16383;

RegFileError makeError(std::size_t line, std::size_t column, std::string message) {
    return RegFileError{line, column, std::move(message)};
}

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

    bool parse(std::vector<RegFileOperation>& operations, RegFileFormat& format, RegFileError& error) {
        if (!parseHeader(format, error)) return false;
        format_ = format;
        bool haveKey = false;
        for (; index_ < lines_.size(); ++index_) {
            pos_ = 0;
            skipBlanks();
            if (atEnd() || peek() == ';' || peek() == '#') continue;
            if (peek() == '[') {
                RegFileOperation op;
                if (!parseKeyHeader(op, error)) return false;
                operations.push_back(std::move(op));
                haveKey = true;
            } else if (peek() == '"' || peek() == '@') {
                if (!haveKey) return fail(error, "a value comes before any [key] line");
                RegFileOperation op;
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

    bool parseKeyHeader(RegFileOperation& op, RegFileError& error) {
        op.line = index_ + 1;
        const std::size_t open = pos_;
        ++pos_;
        op.kind = RegFileOpKind::OpenKey;
        if (!atEnd() && peek() == '-') {
            op.kind = RegFileOpKind::DeleteTree;
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
        const RootName* root = rootByRegFileName(rootName);
        // Windows 9x's dynamic data is made by the system, never written from a file.
        if (!root || root->handle == kHkeyDynData)
            return failAt(error, nameStart, "unknown root key '" + std::string(rootName) + "'");
        op.root = root->handle;
        op.path = cut == std::string_view::npos ? std::string() : std::string(full.substr(cut + 1));
        if (op.kind == RegFileOpKind::DeleteTree && op.path.empty())
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
                    return fail(error, std::string("bad escape '\\").append(1, escaped).append("'; only \\\\ and \\\" are allowed"));
                out += escaped;
                pos_ += 2;
                continue;
            }
            out += c;
            ++pos_;
        }
    }

    bool parseValue(RegFileOperation& op, RegFileError& error) {
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
            op.kind = RegFileOpKind::SetValue;
            op.type = kRegSz;
            op.data.assign(text.begin(), text.end());
            op.data.push_back(0);
        } else if (peek() == '-') {
            ++pos_;
            op.kind = RegFileOpKind::DeleteValue;
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

    bool parseDword(RegFileOperation& op, RegFileError& error) {
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
        op.kind = RegFileOpKind::SetValue;
        op.type = kRegDword;
        for (int i = 0; i < 4; ++i) op.data.push_back(static_cast<std::uint8_t>(value >> (8 * i)));
        return true;
    }

    bool parseHexType(RegFileOperation& op, RegFileError& error) {
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
    bool parseHexList(RegFileOperation& op, RegFileError& error) {
        op.kind = RegFileOpKind::SetValue;
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
    bool convertWideData(RegFileOperation& op, std::size_t column, RegFileError& error) {
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

}  // namespace

bool parseRegFile(std::string_view text, std::vector<RegFileOperation>& operations, RegFileError& error) {
    std::string decoded;
    if (!decodeRegText(text, decoded, error)) return false;
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

}  // namespace platform
