#include "scanner/scan_categories.h"

#include "store/text_value.h"

namespace scanner {

void buildCategoryList(ui::ListView& categoryList, store::SettingsStore& store,
                       const localisation::Language& language) {
    // Rows are known by position everywhere, so the list starts from nothing.
    categoryList.clear();
    for (const auto& category : kScanCategories) categoryList.addRow(category.caption);
    for (std::size_t row = 0; row < kScanCategories.size(); ++row)
        categoryList.setSmallIcon(row, kScanCategories[row].iconKey);
    for (std::size_t row = 0; row < kScanCategories.size(); ++row)
        categoryList.setText(row, 1, language.text(kScanCategories[row].descriptionKey));
    for (std::size_t row = 0; row < kScanCategories.size(); ++row) {
        std::string stored;
        store.readString(platform::kHkeyLocalMachine, kCategoryKey, kScanCategories[row].valueName, stored);
        // Only a stored 1 ticks; a missing value or any other text leaves the row unticked.
        if (store::leadingNumber(stored) == 1) categoryList.setChecked(row, true);
    }
}

std::bitset<kScanCategories.size()> chosenCategories(const ui::ListView& categoryList) {
    std::bitset<kScanCategories.size()> chosen;
    for (std::size_t row = 0; row < kScanCategories.size() && row < categoryList.rowCount(); ++row)
        chosen[row] = categoryList.row(row).checked;
    return chosen;
}

void saveCategoryTicks(const ui::ListView& categoryList, store::SettingsStore& store) {
    for (std::size_t row = 0; row < kScanCategories.size(); ++row) {
        const bool ticked = row < categoryList.rowCount() && categoryList.row(row).checked;
        store.saveString(platform::kHkeyLocalMachine, kCategoryKey, kScanCategories[row].valueName, ticked ? "1" : "0");
    }
}

}  // namespace scanner
