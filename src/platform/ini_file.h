#pragma once
// An INI document kept as its text. Lookups follow the profile functions'
// rules; edits rewrite only the lines they change, so everything else in the
// file stays byte for byte as it was.
#include <cstddef>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace platform {

struct IniIssue {
    std::size_t line = 0;  // 1-based
    std::string message;
};

class IniFile {
public:
    IniFile() = default;
    // Never fails: the platform reads whatever a file holds, so malformed
    // lines are kept as the platform would read them and listed in issues().
    static IniFile parse(std::string_view text);

    const std::string& text() const { return text_; }
    const std::vector<IniIssue>& issues() const { return issues_; }

    // Section and key names are compared ignoring case and surrounding
    // blanks; only the first section of a name is ever searched, and in it
    // the first line of the key wins.
    bool hasSection(std::string_view section) const;
    // The value as written, blanks around it removed and quotes kept;
    // nothing when the section or key is missing or its line has no '='.
    std::optional<std::string> value(std::string_view section, std::string_view key) const;
    // The section's entries as GetPrivateProfileSection lists them: "key=value",
    // or the bare text of a line without '='; comments and blank lines left out.
    std::vector<std::string> sectionEntries(std::string_view section) const;

    // WritePrivateProfileString's edits; true when the text changed.
    bool setValue(std::string_view section, std::string_view key, std::string_view value);
    bool removeKey(std::string_view section, std::string_view key);

private:
    enum class Kind { Blank, Section, Entry, Comment };
    struct Line {
        std::size_t start = 0;    // offset of the line in text_
        std::size_t length = 0;   // without the line end
        std::size_t ending = 0;   // length of "\n" or "\r\n", 0 on a last line without one
        Kind kind = Kind::Blank;
        std::string name;         // section name, or the key
        std::string value;        // after '=', blanks removed
        bool hasValue = false;    // the line has '='
    };

    void reparse();
    // Index of the first header of `section`, or npos.
    std::size_t findSection(std::string_view section) const;
    // Index of the key's line within the section starting at `header`, or npos.
    std::size_t findKey(std::size_t header, std::string_view key) const;
    std::size_t sectionEnd(std::size_t header) const;

    std::string text_;
    std::vector<Line> lines_;
    std::vector<IniIssue> issues_;
};

// The value with one pair of matching surrounding quotes (" or ') removed.
std::string_view unquotedValue(std::string_view value);

// Equality ignoring case in the ANSI code page (1252).
bool sameIniName(std::string_view a, std::string_view b);

}  // namespace platform
