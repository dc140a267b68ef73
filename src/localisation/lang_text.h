#pragma once
// Texts of the user interface, looked up by three-digit key in section "001"
// of the chosen language file. A missing file or key gives the empty text:
// there is deliberately no built-in fallback.
#include <functional>
#include <string>

#include "platform/files.h"
#include "store/settings_store.h"

namespace localisation {

inline constexpr const char* kLanguageKey = "software\\morvalen\\brevisk";
inline constexpr const char* kLanguageValue = "language";
inline constexpr const char* kDefaultLanguageFile = "english.ini";
inline constexpr const char* kLanguageSection = "001";
// Keys up to this one show empty when missing; later ones fall back to English.
inline constexpr int kLastOriginalKey = 122;

// The file name to use at start-up: the stored choice, or "english.ini" when blank.
std::string chooseLanguageFile(store::SettingsStore& store);

class Language {
public:
    // `fileName` reads the language file name in use (the main window's languageFileName)
    // at each lookup, so every window speaks the main window's language.
    Language(store::SettingsStore& store, platform::Files& files, std::function<std::string()> fileName)
        : store_(store), files_(files), fileName_(std::move(fileName)) {}

    std::string text(const std::string& key) const;  // (LangText)
    std::string text(int key) const;                 // 2 -> "002"
    std::string filePath() const;         // program folder + "\lang\" + the trimmed name

private:
    std::string lookUp(const std::string& path, const std::string& key, const std::string& fallback) const;

    store::SettingsStore& store_;
    platform::Files& files_;
    std::function<std::string()> fileName_;
};

}  // namespace localisation
