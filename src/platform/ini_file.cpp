#include "platform/ini_file.h"

#include <unordered_set>

namespace platform {
namespace {

constexpr std::size_t npos = std::string::npos;
constexpr std::string_view kLineEnd = "\r\n";

// The profile functions treat Ctrl-Z, an old end-of-file mark, as a blank too.
bool isBlank(char c) { return c == ' ' || c == '\t' || c == '\r' || c == '\n' || c == '\v' || c == '\f' || c == 0x1A; }

std::string_view trimmed(std::string_view s) {
    while (!s.empty() && isBlank(s.front())) s.remove_prefix(1);
    while (!s.empty() && isBlank(s.back())) s.remove_suffix(1);
    return s;
}

std::string_view leftTrimmed(std::string_view s) {
    while (!s.empty() && isBlank(s.front())) s.remove_prefix(1);
    return s;
}

// A NUL ends a string for the platform, so a name or value stops there.
std::string_view cutAtNul(std::string_view s) {
    std::size_t nul = s.find('\0');
    return nul == npos ? s : s.substr(0, nul);
}

unsigned char foldCase(unsigned char c) {
    if (c >= 'a' && c <= 'z') return static_cast<unsigned char>(c - 32);
    if (c >= 0xE0 && c <= 0xFE && c != 0xF7) return static_cast<unsigned char>(c - 32);
    switch (c) {
    case 0x9A: return 0x8A;
    case 0x9C: return 0x8C;
    case 0x9E: return 0x8E;
    case 0xFF: return 0x9F;
    default: return c;
    }
}

std::string folded(std::string_view s) {
    std::string out(s);
    for (auto& c : out) c = static_cast<char>(foldCase(static_cast<unsigned char>(c)));
    return out;
}

}  // namespace

bool sameIniName(std::string_view a, std::string_view b) {
    if (a.size() != b.size()) return false;
    for (std::size_t i = 0; i < a.size(); ++i)
        if (foldCase(static_cast<unsigned char>(a[i])) != foldCase(static_cast<unsigned char>(b[i]))) return false;
    return true;
}

std::string_view unquotedValue(std::string_view value) {
    if (value.size() >= 2 && (value.front() == '"' || value.front() == '\'') && value.back() == value.front())
        return value.substr(1, value.size() - 2);
    return value;
}

IniFile IniFile::parse(std::string_view text) {
    IniFile file;
    file.text_.assign(text.data(), text.size());
    file.reparse();
    return file;
}

void IniFile::reparse() {
    lines_.clear();
    issues_.clear();
    std::string_view all = text_;
    std::unordered_set<std::string> sections;
    std::unordered_set<std::string> keys;  // of the current section
    bool inSection = false;
    bool currentIsDuplicate = false;

    for (std::size_t start = 0, number = 1; start < all.size(); ++number) {
        std::size_t newline = all.find('\n', start);
        Line line;
        line.start = start;
        if (newline == npos) {
            line.length = all.size() - start;
        } else {
            bool crlf = newline > start && all[newline - 1] == '\r';
            line.length = newline - start - (crlf ? 1 : 0);
            line.ending = crlf ? 2 : 1;
        }
        start += line.length + line.ending;

        std::string_view content = all.substr(line.start, line.length);
        // A UTF-8 mark in front of the first line is not part of its text.
        if (line.start == 0 && content.substr(0, 3) == "\xEF\xBB\xBF") content.remove_prefix(3);
        if (content.find('\0') != npos) issues_.push_back({number, "NUL byte in the line; the text after it is not read"});
        std::string_view body = trimmed(content);

        if (body.empty()) {
            line.kind = Kind::Blank;
        } else if (body.front() == '[' && body.find(']') != npos) {
            line.kind = Kind::Section;
            std::size_t close = body.rfind(']');
            line.name = std::string(cutAtNul(trimmed(body.substr(1, close - 1))));
            inSection = true;
            keys.clear();
            currentIsDuplicate = !sections.insert(folded(line.name)).second;
            if (currentIsDuplicate)
                issues_.push_back({number, "section [" + line.name + "] appears again; only the first is read"});
        } else {
            line.kind = body.front() == ';' ? Kind::Comment : Kind::Entry;
            if (body.front() == '[') issues_.push_back({number, "section header without ']'; read as a key"});
            std::size_t equals = body.find('=');
            if (equals == npos) {
                line.name = std::string(cutAtNul(body));
                if (line.kind == Kind::Entry) issues_.push_back({number, "line without '='"});
            } else {
                line.name = std::string(cutAtNul(trimmed(body.substr(0, equals))));
                line.value = std::string(cutAtNul(trimmed(body.substr(equals + 1))));
                line.hasValue = true;
            }
            if (line.kind == Kind::Entry) {
                if (!inSection) {
                    issues_.push_back({number, "key before the first section; it belongs to no section"});
                } else if (!currentIsDuplicate && !keys.insert(folded(line.name)).second) {
                    issues_.push_back({number, "key '" + line.name + "' appears again; only the first is read"});
                }
            }
        }
        lines_.push_back(std::move(line));
    }
}

std::size_t IniFile::findSection(std::string_view section) const {
    std::string_view wanted = trimmed(section);
    for (std::size_t i = 0; i < lines_.size(); ++i)
        if (lines_[i].kind == Kind::Section && sameIniName(lines_[i].name, wanted)) return i;
    return npos;
}

std::size_t IniFile::sectionEnd(std::size_t header) const {
    std::size_t i = header + 1;
    while (i < lines_.size() && lines_[i].kind != Kind::Section) ++i;
    return i;
}

std::size_t IniFile::findKey(std::size_t header, std::string_view key) const {
    std::string_view wanted = trimmed(key);
    std::size_t end = sectionEnd(header);
    for (std::size_t i = header + 1; i < end; ++i) {
        const Line& line = lines_[i];
        if (line.kind != Kind::Blank && sameIniName(line.name, wanted)) return i;
    }
    return npos;
}

bool IniFile::hasSection(std::string_view section) const { return findSection(section) != npos; }

std::optional<std::string> IniFile::value(std::string_view section, std::string_view key) const {
    std::size_t header = findSection(section);
    if (header == npos) return std::nullopt;
    std::size_t index = findKey(header, key);
    if (index == npos || !lines_[index].hasValue) return std::nullopt;
    return lines_[index].value;
}

std::vector<std::string> IniFile::sectionEntries(std::string_view section) const {
    std::vector<std::string> entries;
    std::size_t header = findSection(section);
    if (header == npos) return entries;
    std::size_t end = sectionEnd(header);
    for (std::size_t i = header + 1; i < end; ++i) {
        const Line& line = lines_[i];
        if (line.kind != Kind::Entry) continue;
        entries.push_back(line.hasValue ? line.name + "=" + line.value : line.name);
    }
    return entries;
}

bool IniFile::setValue(std::string_view section, std::string_view key, std::string_view value) {
    std::string_view sectionName = trimmed(section);
    std::string_view keyName = trimmed(key);
    // Leading blanks would be lost on reading anyway; the platform drops them on writing.
    std::string_view newValue = leftTrimmed(value);

    std::size_t header = findSection(sectionName);
    if (header == npos) {
        std::string added;
        if (!text_.empty() && text_.back() != '\n') added += kLineEnd;
        added += "[";
        added += sectionName;
        added += "]";
        added += kLineEnd;
        added += keyName;
        added += "=";
        added += newValue;
        added += kLineEnd;
        text_ += added;
        reparse();
        return true;
    }

    std::size_t index = findKey(header, keyName);
    if (index != npos) {
        const Line& line = lines_[index];
        if (line.hasValue && line.value == newValue) return false;
        // The key keeps the spelling the file gave it.
        std::string replacement = line.name + "=" + std::string(newValue);
        text_.replace(line.start, line.length, replacement);
        reparse();
        return true;
    }

    // A new key goes after the section's last non-blank line.
    std::size_t last = header;
    for (std::size_t i = header + 1; i < sectionEnd(header); ++i)
        if (lines_[i].kind != Kind::Blank) last = i;
    const Line& after = lines_[last];
    std::string inserted;
    if (after.ending == 0) inserted += kLineEnd;
    inserted += keyName;
    inserted += "=";
    inserted += newValue;
    inserted += kLineEnd;
    text_.insert(after.start + after.length + after.ending, inserted);
    reparse();
    return true;
}

bool IniFile::removeKey(std::string_view section, std::string_view key) {
    std::size_t header = findSection(section);
    if (header == npos) return false;
    std::size_t index = findKey(header, key);
    if (index == npos) return false;
    const Line& line = lines_[index];
    text_.erase(line.start, line.length + line.ending);
    reparse();
    return true;
}

}  // namespace platform
