#include "scanner/program_path.h"

#include <array>
#include <cctype>
#include <vector>

#include "store/text_value.h"

namespace scanner {
namespace {

char lower(char c) { return static_cast<char>(std::tolower(static_cast<unsigned char>(c))); }

bool extensionAt(const std::string& text, std::size_t dot) {
    static constexpr std::array<const char*, 4> kExtensions{"exe", "dll", "ovl", "ocx"};
    if (text[dot] != '.' || dot + 4 > text.size()) return false;
    const std::string letters{lower(text[dot + 1]), lower(text[dot + 2]), lower(text[dot + 3])};
    bool known = false;
    for (const char* extension : kExtensions) known = known || letters == extension;
    if (!known) return false;
    const std::size_t after = dot + 4;
    return after == text.size() || std::string_view(" ,\"/").find(text[after]) != std::string_view::npos;
}

}  // namespace

std::string extractProgramPath(const std::string& command) {
    const std::string text = store::trimSpaces(command);
    if (!text.empty() && text.front() == '"') {
        const auto close = text.find('"', 1);
        return close == std::string::npos ? command : text.substr(1, close - 1);
    }
    for (std::size_t i = 0; i < text.size(); ++i)
        if (extensionAt(text, i)) return text.substr(0, i + 4);
    return command;
}

bool hasDriveLetter(const std::string& path) {
    const std::string text = store::trimSpaces(path);
    return text.size() >= 2 && text[1] == ':';
}

bool targetPresent(platform::Files& files, const std::string& path) {
    // Nothing named is nothing missing.
    if (store::trimSpaces(path).empty()) return true;
    std::vector<platform::FoundEntry> entries;
    if (files.find(path, entries) != platform::kSuccess) return false;
    for (const auto& entry : entries)
        if (!(entry.attributes & platform::kAttrDirectory)) return true;
    return false;
}

bool endsWithExe(const std::string& path) {
    if (path.size() < 4) return false;
    std::string end;
    for (std::size_t i = path.size() - 4; i < path.size(); ++i) end += lower(path[i]);
    return end == ".exe";
}

}  // namespace scanner
