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

std::string Language::text(const std::string& key) const {
    store::Value text;
    store_.readValue(filePath(), kLanguageSection, key, "s", std::string(), text);
    return store::valueText(text);
}

std::string Language::text(int key) const {
    char digits[16];
    std::snprintf(digits, sizeof digits, "%03d", key);
    return text(std::string(digits));
}

}  // namespace localisation
