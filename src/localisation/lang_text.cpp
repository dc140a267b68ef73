#include "localisation/lang_text.h"

#include <cstdio>

#include "store/text_value.h"

namespace localisation {

std::string chooseLanguageFile(store::SettingsStore& store) {
    std::string stored;
    store.readString(platform::kHkeyLocalMachine, kLanguageKey, kLanguageValue, stored);
    return store::trimSpaces(stored).empty() ? kDefaultLanguageFile : stored;
}

std::string Language::filePath() const {
    return files_.programFolder() + "\\lang\\" + store::trimSpaces(fileName_());
}

namespace {

// What a lookup gives only when the key is not in the file.
constexpr const char* kMissing = "\x7f";

}  // namespace

std::string Language::lookUp(const std::string& path, const std::string& key, const std::string& fallback) const {
    store::Value text;
    store_.readValue(path, kLanguageSection, key, "s", fallback, text);
    return store::valueText(text);
}

std::string Language::text(const std::string& key) const {
    if (store::leadingNumber(key) <= kLastOriginalKey) return lookUp(filePath(), key, std::string());
    // Files translated before a text existed show it in English rather than not at all.
    const std::string text = lookUp(filePath(), key, kMissing);
    if (text != kMissing) return text;
    return lookUp(files_.programFolder() + "\\lang\\" + kDefaultLanguageFile, key, std::string());
}

std::string Language::text(int key) const {
    char digits[16];
    std::snprintf(digits, sizeof digits, "%03d", key);
    return text(std::string(digits));
}

}  // namespace localisation
