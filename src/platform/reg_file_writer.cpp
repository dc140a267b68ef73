#include "platform/reg_file.h"

#include <vector>

#include "platform/reg_text_decoding.h"
#include "platform/registry_roots.h"

namespace platform {

std::string RegFileError::describe() const {
    return "line " + std::to_string(line) + ", column " + std::to_string(column) + ": " + message;
}

namespace {

constexpr std::string_view kHeaderRegedit4 = "REGEDIT4";
constexpr std::string_view kHeaderVersion5 = "Windows Registry Editor Version 5.00";

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

void writeValueLines(std::string& out, const std::string& name, std::uint32_t type,
                     const std::vector<std::uint8_t>& data, RegFileFormat format) {
    std::string line = regValueName(name);
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

std::string withoutTrailingSeparators(std::string path) {
    while (!path.empty() && path.back() == '\\') path.pop_back();
    return path;
}
}  // namespace

std::string regValueName(const std::string& name) { return name.empty() ? std::string("@") : quoted(name); }

void appendRegValue(std::string& out, const std::string& name, const RegValue& value, RegFileFormat format) {
    writeValueLines(out, name, value.type, std::vector<std::uint8_t>(value.data.begin(), value.data.end()), format);
}

bool appendRegKey(Registry& registry, const RegKey& key, const std::string& shownPath, RegFileFormat format,
                  std::string& out) {
    out += "[" + shownPath + "]";
    out += kEol;
    std::vector<NamedRegValue> values;
    bool whole = key.values(values, {}, DefaultValue::Listed) == kSuccess;
    for (const auto& [name, value] : values) appendRegValue(out, name, value, format);
    out += kEol;
    std::vector<std::string> children;
    whole = key.subkeyNames(children) == kSuccess && whole;
    for (const auto& child : children) {
        RegKey childKey;
        if (RegKey::open(registry, key.handle(), child, key.view(), kKeyRead, childKey) != kSuccess) {
            whole = false;
            continue;
        }
        whole = appendRegKey(registry, childKey, shownPath + "\\" + child, format, out) && whole;
    }
    return whole;
}

bool splitRegKeyName(const std::string& name, Key& root, std::string& path) {
    const auto cut = name.find('\\');
    const RootName* named = rootByRegFileName(name.substr(0, cut));
    if (!named) return false;
    root = named->handle;
    path = cut == std::string::npos ? std::string() : name.substr(cut + 1);
    return true;
}

std::string regFileHeader(RegFileFormat format) {
    std::string out(format == RegFileFormat::Version5 ? kHeaderVersion5 : kHeaderRegedit4);
    out += kEol;
    out += kEol;
    return out;
}

std::string regKeyName(Key root, const std::string& path) {
    const RootName* named = rootByHandle(root);
    if (!named) return {};
    const std::string trimmed = withoutTrailingSeparators(path);
    return trimmed.empty() ? std::string(named->regFileName) : std::string(named->regFileName) + "\\" + trimmed;
}

std::string saveRegFile(Registry& registry, Key root, const std::string& path, RegFileFormat format) {
    std::string out = regFileHeader(format);
    const std::string shown = regKeyName(root, path);
    if (shown.empty()) return out;
    RegKey key;
    if (RegKey::open(registry, root, withoutTrailingSeparators(path), View::Native, kKeyRead, key) != kSuccess)
        return out;
    appendRegKey(registry, key, shown, format, out);
    return out;
}

}  // namespace platform
