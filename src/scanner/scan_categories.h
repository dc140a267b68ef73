#pragma once
// The scanner's seven categories: the rows of the category list, their
// descriptions from the language file and the ticks kept in the registry.
#include <array>
#include <bitset>
#include <string>

#include "localisation/lang_text.h"
#include "store/settings_store.h"
#include "ui/list_view.h"

namespace scanner {

inline constexpr const char* kCategoryKey = "software\\morvalen\\Halvennic\\timer\\reg";
// The category list's two columns as designed, in twips.
inline constexpr int kCategoryFirstColumn = 4410;
inline constexpr int kCategorySecondColumn = 7056;

struct ScanCategory {
    const char* caption;   // row text; never translated
    int descriptionKey;    // language text of column 2
    const char* iconKey;   // small picture of the row and of its findings
    const char* valueName; // where the tick is kept under kCategoryKey
};

// Rows 1 to 7, in the order the list shows them and the scan runs them.
inline constexpr std::array<ScanCategory, 7> kScanCategories{{
    {"Invalid font refrence", 28, "a", "font"},
    {"Invalid shared DLL'S", 29, "b", "dll"},
    {"Invalid Application Path", 30, "c", "app"},
    {"Invalid Help Files", 31, "d", "help"},
    {"Invalid Icons Reference", 32, "e", "icons"},
    {"Invalid Files Extensions", 33, "f", "file"},
    {"Invalid ClassId Configuration", 34, "g", "class"},
}};

// Fills the category list with the seven rows and ticks the ones stored as 1 (BuildScanCategories).
void buildCategoryList(ui::ListView& categoryList, store::SettingsStore& store,
                       const localisation::Language& language);
// The ticked rows, as the scan takes them.
std::bitset<kScanCategories.size()> chosenCategories(const ui::ListView& categoryList);
// Writes "1" or "0" for each of the seven rows, creating the key when it is missing (SaveScanCategories).
void saveCategoryTicks(const ui::ListView& categoryList, store::SettingsStore& store);

}  // namespace scanner
