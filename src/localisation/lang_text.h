#pragma once
// Texts of the user interface, looked up by three-digit key in section "001"
// of the chosen language file. A missing file or key gives the empty text:
// there is deliberately no built-in fallback.
#include <functional>
#include <string>

#include "platform/files.h"
#include "platform/profile.h"
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
// A name the language folder can hold: ends in the letters "ini", names no folder
// (no "\", "/" or ".."), no wildcard; so a typed name cannot reach outside the folder.
bool isPlainLanguageFileName(const std::string& name);
// The program folder + "\lang".
std::string languageFolder(platform::Files& files);
// A plain name whose file in the language folder can be read.
bool languageFileReadable(platform::Files& files, const std::string& name);

class Language {
public:
    // `fileName` reads the language file name in use (the main window's languageFileName)
    // at each lookup, so every window speaks the main window's language.
    // `profile` turns the texts of a UTF-8 file into the program's code page; none: Windows-1252.
    Language(store::SettingsStore& store, platform::Files& files, std::function<std::string()> fileName,
             platform::Profile* profile = nullptr)
        : store_(store), files_(files), fileName_(std::move(fileName)), profile_(profile) {}

    std::string text(const std::string& key) const;  // (LangText)
    std::string text(int key) const;                 // 2 -> "002"
    std::string filePath() const;         // program folder + "\lang\" + the trimmed name

private:
    std::string lookUp(const std::string& path, const std::string& key, const std::string& fallback) const;

    store::SettingsStore& store_;
    platform::Files& files_;
    std::function<std::string()> fileName_;
    platform::Profile* profile_;
    std::string inCodePage(const std::string& text) const;
};

}  // namespace localisation
