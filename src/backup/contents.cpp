#include "backup/contents.h"

#include <array>
#include <cctype>

namespace backup {
namespace {

constexpr const char* kTitle = "Vantrel backup set";
constexpr const char* kCommandLabel = "Command: ";
constexpr const char* kMadeLabel = "Made: ";
constexpr const char* kEndLabel = "End: ";
constexpr const char* kSaved = "saved";
constexpr const char* kAbsent = "did not exist";
constexpr const char* kEol = "\r\n";

struct KindName {
    EntryKind kind;
    const char* name;
};
constexpr std::array<KindName, 4> kKinds{{{EntryKind::RegistryKey, "registry key"},
                                          {EntryKind::RegistryValue, "registry value"},
                                          {EntryKind::IniKey, "ini key"},
                                          {EntryKind::File, "file"}}};

// Only what would break the line or be misread is escaped, so "%windir%" stays as it is.
constexpr std::array<std::pair<char, const char*>, 4> kEscapes{{{'\t', "09"}, {'\r', "0D"}, {'\n', "0A"}, {'%', "25"}}};

const char* escapeOf(char c) {
    for (const auto& [plain, code] : kEscapes)
        if (plain == c) return code;
    return nullptr;
}

bool escapedAt(const std::string& text, std::size_t i, char& plain) {
    if (text[i] != '%' || i + 2 >= text.size()) return false;
    const std::string code{static_cast<char>(std::toupper(static_cast<unsigned char>(text[i + 1]))),
                           static_cast<char>(std::toupper(static_cast<unsigned char>(text[i + 2])))};
    for (const auto& [c, escaped] : kEscapes)
        if (code == escaped) {
            plain = c;
            return true;
        }
    return false;
}

std::string escape(const std::string& text) {
    std::string out;
    for (std::size_t i = 0; i < text.size(); ++i) {
        char ignored;
        const char* code = escapeOf(text[i]);
        if (code && (text[i] != '%' || escapedAt(text, i, ignored))) {
            out += '%';
            out += code;
        } else {
            out += text[i];
        }
    }
    return out;
}

std::string unescape(const std::string& text) {
    std::string out;
    for (std::size_t i = 0; i < text.size(); ++i) {
        char plain;
        if (escapedAt(text, i, plain)) {
            out += plain;
            i += 2;
        } else {
            out += text[i];
        }
    }
    return out;
}

std::vector<std::string> fields(const std::string& line) {
    std::vector<std::string> out;
    std::size_t start = 0;
    for (;;) {
        const auto tab = line.find('\t', start);
        out.push_back(unescape(line.substr(start, tab == std::string::npos ? std::string::npos : tab - start)));
        if (tab == std::string::npos) return out;
        start = tab + 1;
    }
}

std::vector<std::string> splitLines(const std::string& text) {
    std::vector<std::string> lines;
    std::size_t start = 0;
    while (start < text.size()) {
        auto end = text.find('\n', start);
        if (end == std::string::npos) end = text.size();
        std::string line = text.substr(start, end - start);
        if (!line.empty() && line.back() == '\r') line.pop_back();
        lines.push_back(std::move(line));
        start = end + 1;
    }
    return lines;
}

bool parseEntry(const std::vector<std::string>& f, Entry& entry) {
    const KindName* kind = nullptr;
    for (const auto& candidate : kKinds)
        if (f[0] == candidate.name) kind = &candidate;
    if (!kind) return false;
    entry = Entry{};
    entry.kind = kind->kind;
    auto state = [&](const std::string& word) {
        entry.existed = word == kSaved;
        return word == kSaved || word == kAbsent;
    };
    switch (entry.kind) {
    case EntryKind::RegistryKey:
        if (f.size() != 3) return false;
        entry.place = f[1];
        return state(f[2]);
    case EntryKind::RegistryValue:
        if (f.size() != 4) return false;
        entry.place = f[1];
        entry.name = f[2];
        return state(f[3]);
    case EntryKind::IniKey:
        if (f.size() != 6) return false;
        entry.place = f[1];
        entry.section = f[2];
        entry.name = f[3];
        entry.oldText = f[5];
        return state(f[4]);
    case EntryKind::File:
        if (f.size() != 4) return false;
        entry.place = f[1];
        entry.copy = f[3];
        return state(f[2]) && (!entry.existed || !entry.copy.empty());
    }
    return false;
}

}  // namespace

std::string contentsHeader(const std::string& command, const std::string& made) {
    return std::string(kTitle) + kEol + kCommandLabel + escape(command) + kEol + kMadeLabel + made + kEol + kEol;
}

std::string contentsLine(const Entry& entry) {
    std::string line;
    for (const auto& kind : kKinds)
        if (kind.kind == entry.kind) line = kind.name;
    const std::string state = entry.existed ? kSaved : kAbsent;
    auto add = [&](const std::string& field) { line += '\t' + escape(field); };
    add(entry.place);
    switch (entry.kind) {
    case EntryKind::RegistryKey: add(state); break;
    case EntryKind::RegistryValue: add(entry.name), add(state); break;
    case EntryKind::IniKey: add(entry.section), add(entry.name), add(state), add(entry.oldText); break;
    case EntryKind::File: add(state), add(entry.copy); break;
    }
    return line + kEol;
}

std::string contentsFooter(std::size_t entries) {
    return std::string(kEol) + kEndLabel + std::to_string(entries) + (entries == 1 ? " entry" : " entries") + kEol;
}

bool parseContents(const std::string& text, Contents& contents, std::string& error) {
    contents = Contents{};
    const auto lines = splitLines(text);
    auto fail = [&](std::size_t line, const std::string& what) {
        error = "contents.txt, line " + std::to_string(line + 1) + ": " + what;
        return false;
    };
    const std::string commandLabel = kCommandLabel, madeLabel = kMadeLabel, endLabel = kEndLabel;
    if (lines.size() < 4 || lines[0] != kTitle) return fail(0, "not the contents of a backup set");
    if (lines[1].rfind(commandLabel, 0) != 0) return fail(1, "the command is missing");
    if (lines[2].rfind(madeLabel, 0) != 0) return fail(2, "the date is missing");
    contents.command = unescape(lines[1].substr(commandLabel.size()));
    contents.made = lines[2].substr(madeLabel.size());
    for (std::size_t i = 4; i < lines.size(); ++i) {
        if (lines[i].empty()) {
            const bool closing = i + 1 < lines.size() && lines[i + 1].rfind(endLabel, 0) == 0;
            if (!closing) return fail(i, "no end line follows the list: the set is incomplete");
            const std::string count = std::to_string(contents.entries.size());
            if (lines[i + 1].compare(endLabel.size(), count.size() + 1, count + " ") != 0)
                return fail(i + 1, "the list does not hold the entries its end line counts");
            contents.complete = true;
            return true;
        }
        Entry entry;
        if (!parseEntry(fields(lines[i]), entry)) return fail(i, "not an entry this program writes");
        contents.entries.push_back(std::move(entry));
    }
    return fail(lines.size() - 1, "the list ends without its end line: the set is incomplete");
}

}  // namespace backup
