// Any bytes as an INI file: parsing, looking up, editing and writing back
// must never crash, never read out of bounds, and keep the edits' promises.
#include <fuzzer/FuzzedDataProvider.h>

#include <cstdint>
#include <cstdlib>
#include <string>

#include "platform/ini_file.h"

namespace {

void require(bool condition) {
    if (!condition) std::abort();
}

bool isPlainName(const std::string& s) {
    if (s.empty() || s.front() == ' ' || s.back() == ' ') return false;
    for (unsigned char c : s)
        if (!((c >= 'a' && c <= 'z') || (c >= 'A' && c <= 'Z') || (c >= '0' && c <= '9') || c == '_' || c == ' '))
            return false;
    return true;
}

bool isPlainValue(const std::string& s) {
    for (unsigned char c : s)
        if (c < 0x20 || c == 0x7F) return false;
    return true;
}

std::string trimmedBlanks(const std::string& s) {
    std::size_t first = s.find_first_not_of(' ');
    if (first == std::string::npos) return {};
    return s.substr(first, s.find_last_not_of(' ') - first + 1);
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    FuzzedDataProvider input(data, size);
    std::string section = input.ConsumeRandomLengthString(16);
    std::string key = input.ConsumeRandomLengthString(16);
    std::string value = input.ConsumeRandomLengthString(32);
    bool remove = input.ConsumeBool();
    std::string text = input.ConsumeBytesAsString(input.remaining_bytes());

    platform::IniFile ini = platform::IniFile::parse(text);
    require(ini.text() == text);
    std::size_t lines = 0;
    for (char c : text) lines += c == '\n';
    lines += !text.empty() && text.back() != '\n';
    for (const auto& issue : ini.issues()) require(issue.line >= 1 && issue.line <= lines && !issue.message.empty());

    if (auto found = ini.value(section, key)) {
        std::string_view unquoted = platform::unquotedValue(*found);
        require(unquoted.size() <= found->size());
    }
    for (const auto& entry : ini.sectionEntries(section)) require(entry.find('\0') == std::string::npos);

    platform::IniFile edited = ini;
    if (remove) {
        bool removed = edited.removeKey(section, key);
        require(removed == (edited.text().size() < text.size()));
    } else {
        edited.setValue(section, key, value);
        if (isPlainName(section) && isPlainName(key) && isPlainValue(value)) {
            auto back = edited.value(section, key);
            require(back && *back == trimmedBlanks(value));
        }
    }

    // What was written reads back as the same document.
    platform::IniFile reread = platform::IniFile::parse(edited.text());
    require(reread.text() == edited.text());
    require(reread.value(section, key) == edited.value(section, key));
    require(reread.sectionEntries(section) == edited.sectionEntries(section));
    return 0;
}
