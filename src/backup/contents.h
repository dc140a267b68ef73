#pragma once
// contents.txt of a backup set: a plain list of the places it holds, one per
// line, that a person can read and a restore can follow. Fields are separated
// by tabs; a tab, line break or "%" that would be ambiguous is written %XX.
#include <string>
#include <vector>

namespace backup {

enum class EntryKind { RegistryKey, RegistryValue, IniKey, File };

struct Entry {
    EntryKind kind = EntryKind::RegistryKey;
    bool existed = true;    // false: the command creates it, so a restore removes it
    std::string place;      // "HKEY_...\path" for the registry, else the file's path
    std::string name;       // registry value name, or INI key
    std::string section;    // INI section
    std::string oldText;    // INI text before the command
    std::string copy;       // file copy's name inside the set folder
    bool operator==(const Entry&) const = default;
};

inline Entry makeEntry(EntryKind kind, bool existed, std::string place) {
    Entry entry;
    entry.kind = kind;
    entry.existed = existed;
    entry.place = std::move(place);
    return entry;
}

struct Contents {
    std::string command;
    std::string made;  // "2026-12-09 18:15:02"
    std::vector<Entry> entries;
    bool complete = false;  // the closing line was there
};

std::string contentsHeader(const std::string& command, const std::string& made);
std::string contentsLine(const Entry& entry);
std::string contentsFooter(std::size_t entries);

// False with a message naming the line when the text is not a set's contents.
bool parseContents(const std::string& text, Contents& contents, std::string& error);

}  // namespace backup
