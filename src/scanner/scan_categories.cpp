#include "scanner/scan_categories.h"

#include "store/text_value.h"

namespace scanner {

void BuildScanCategories(ui::ListView& Viewn1, store::SettingsStore& store, const localisation::Language& language) {
    // Rows are known by position everywhere, so the list starts from nothing.
    Viewn1.clear();
    for (const auto& category : kScanCategories) Viewn1.addRow(category.caption);
    for (std::size_t row = 0; row < kScanCategories.size(); ++row)
        Viewn1.setSmallIcon(row, kScanCategories[row].iconKey);
    for (std::size_t row = 0; row < kScanCategories.size(); ++row)
        Viewn1.setText(row, 1, language.LangText(kScanCategories[row].descriptionKey));
    for (std::size_t row = 0; row < kScanCategories.size(); ++row) {
        std::string stored;
        store.GetRegString(platform::kHkeyLocalMachine, kCategoryKey, kScanCategories[row].valueName, stored);
        // Only a stored 1 ticks; a missing value or any other text leaves the row unticked.
        if (store::leadingNumber(stored) == 1) Viewn1.setChecked(row, true);
    }
}

void SaveScanCategories(const ui::ListView& Viewn1, store::SettingsStore& store) {
    for (std::size_t row = 0; row < kScanCategories.size(); ++row) {
        const bool ticked = row < Viewn1.rowCount() && Viewn1.row(row).checked;
        store.SaveRegString(platform::kHkeyLocalMachine, kCategoryKey, kScanCategories[row].valueName,
                            ticked ? "1" : "0");
    }
}

}  // namespace scanner
