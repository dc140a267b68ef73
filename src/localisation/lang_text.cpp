#include "localisation/lang_text.h"

#include <cctype>
#include <cstdio>

#include "store/text_value.h"

namespace localisation {

std::string chooseLanguageFile(store::SettingsStore& store) {
    std::string stored;
    store.readString(platform::kHkeyLocalMachine, kLanguageKey, kLanguageValue, stored);
    return store::trimSpaces(stored).empty() ? kDefaultLanguageFile : stored;
}

bool isPlainLanguageFileName(const std::string& name) {
    if (name.size() < 3 || name.find_first_of("\\/*?:") != std::string::npos || name.find("..") != std::string::npos)
        return false;
    std::string ending = name.substr(name.size() - 3);
    for (char& c : ending) c = static_cast<char>(std::tolower(static_cast<unsigned char>(c)));
    return ending == "ini";
}

namespace {

// What a lookup gives only when the key is not in the file.
constexpr const char* kMissing = "\x7f";

}  // namespace

std::string languageFolder(platform::Files& files) { return files.programFolder() + "\\lang"; }

bool languageFileReadable(platform::Files& files, const std::string& name) {
    std::string bytes;
    return isPlainLanguageFileName(name) &&
           files.readFile(languageFolder(files) + "\\" + name, bytes) == platform::kSuccess;
}

std::string Language::filePath() const { return languageFolder(files_) + "\\" + store::trimSpaces(fileName_()); }

std::string Language::lookUp(const std::string& path, const std::string& key, const std::string& fallback) const {
    store::Value text;
    store_.readValue(path, kLanguageSection, key, "s", fallback, text);
    return store::valueText(text);
}

// A file saved as UTF-8 (with or without a mark) reads as UTF-8; one in the ANSI
// code page is seldom valid UTF-8 and is left as it is. The profile functions
// already convert a marked file, whose texts then no longer read as UTF-8.
std::string Language::inCodePage(const std::string& text) const {
    if (!platform::hasNonAscii(text) || !platform::isValidUtf8(text)) return text;
    std::string bytes;
    if (files_.readFile(filePath(), bytes) != platform::kSuccess || !platform::isValidUtf8(bytes)) return text;
    return profile_ ? profile_->fromUtf8(text) : platform::utf8ToWindows1252(text);
}

std::string Language::text(const std::string& key) const {
    if (store::leadingNumber(key) <= kLastOriginalKey) return inCodePage(lookUp(filePath(), key, std::string()));
    // Files translated before a text existed show it in English rather than not at all.
    const std::string text = lookUp(filePath(), key, kMissing);
    if (text != kMissing) return inCodePage(text);
    return lookUp(languageFolder(files_) + "\\" + kDefaultLanguageFile, key, std::string());
}

std::string Language::text(int key) const {
    char digits[16];
    std::snprintf(digits, sizeof digits, "%03d", key);
    return text(std::string(digits));
}

}  // namespace localisation
