#include "scanner/scan_categories.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>

#include <stdlib.h>

#include "platform/substitute_machine.h"
#include "support/temp_folder.h"

namespace {

class ScanCategoriesTest : public ::testing::Test {
protected:
    ScanCategoriesTest()
        : root(testing_support::makeTempFolder("vantrel-categories")),
          pc(root, "C:\\Vantrel"),
          store(pc.registry, pc.profile, pc.files),
          language(store, pc.files, [] { return std::string("test.ini"); }),
          categoryList("categoryList", {30, 2055, 8520, 1410}, {{"what to scan", 4410}, {"Description", 7056}}, true) {
        std::filesystem::create_directories(root / "Vantrel" / "lang");
        std::ofstream(root / "Vantrel" / "lang" / "test.ini", std::ios::binary)
            << "[001]\r\n028=Fonts\r\n029=Shared\r\n030=Paths\r\n031=Help\r\n033=Types\r\n034=Classes\r\n";
    }
    ~ScanCategoriesTest() override { std::filesystem::remove_all(root); }

    void storeTick(const char* name, const std::string& text) {
        store.saveString(platform::kHkeyLocalMachine, scanner::kCategoryKey, name, text);
    }
    std::string stored(const char* name) {
        std::string text;
        store.readString(platform::kHkeyLocalMachine, scanner::kCategoryKey, name, text);
        return text;
    }
    std::vector<bool> ticks() const {
        std::vector<bool> result;
        for (const auto& row : categoryList.rows()) result.push_back(row.checked);
        return result;
    }

    std::filesystem::path root;
    platform::SubstituteMachine pc;
    store::SettingsStore store;
    localisation::Language language;
    ui::ListView categoryList;
};

}  // namespace

TEST_F(ScanCategoriesTest, Build_AddsTheSevenRowsWithLiteralCaptionsIconsAndLanguageDescriptions) {
    scanner::buildCategoryList(categoryList, store, language);
    const std::vector<std::string> captions = {
        "Invalid font refrence",   "Invalid shared DLL'S",     "Invalid Application Path",     "Invalid Help Files",
        "Invalid Icons Reference", "Invalid Files Extensions", "Invalid ClassId Configuration"};
    const std::vector<std::string> descriptions = {"Fonts", "Shared", "Paths", "Help", "", "Types", "Classes"};
    ASSERT_EQ(categoryList.rowCount(), 7u);
    for (std::size_t row = 0; row < 7; ++row) {
        EXPECT_EQ(categoryList.text(row, 0), captions[row]) << row;
        EXPECT_EQ(categoryList.text(row, 1), descriptions[row]) << "key 032 is missing, so row 5 is empty";
        EXPECT_EQ(categoryList.row(row).smallIcon, std::string(1, static_cast<char>('a' + row)));
    }
    EXPECT_EQ(ticks(), std::vector<bool>(7, false)) << "no key, no ticks: there is no default";

    scanner::buildCategoryList(categoryList, store, language);
    EXPECT_EQ(categoryList.rowCount(), 7u) << "rows are known by position, so they are never doubled";
}

TEST_F(ScanCategoriesTest, Build_TicksExactlyTheRowsWhoseStoredNumberIsOne) {
    storeTick("font", "1");
    storeTick("dll", "01");
    storeTick("app", "yes");
    // "help" missing
    storeTick("icons", "1.5");
    storeTick("file", " 1");
    store.writeValue("HKLM", scanner::kCategoryKey, "class", "D", std::int32_t{1});
    scanner::buildCategoryList(categoryList, store, language);
    EXPECT_EQ(ticks(), (std::vector<bool>{true, true, false, false, false, true, true}));

    storeTick("font", "0");
    storeTick("dll", "");
    storeTick("class", "2");
    scanner::buildCategoryList(categoryList, store, language);
    EXPECT_EQ(ticks(), (std::vector<bool>{false, false, false, false, false, true, false}));
}

TEST_F(ScanCategoriesTest, Save_WritesOneOrZeroForEveryRowCreatingTheKey) {
    scanner::buildCategoryList(categoryList, store, language);
    categoryList.setChecked(1, true);
    categoryList.setChecked(6, true);
    scanner::saveCategoryTicks(categoryList, store);

    const char* const names[] = {"font", "dll", "app", "help", "icons", "file", "class"};
    for (std::size_t row = 0; row < 7; ++row)
        EXPECT_EQ(stored(names[row]), row == 1 || row == 6 ? "1" : "0") << names[row];

    ui::ListView again("categoryList", {}, {{"", 0}, {"", 0}}, true);
    scanner::buildCategoryList(again, store, language);
    for (std::size_t row = 0; row < 7; ++row) EXPECT_EQ(again.row(row).checked, categoryList.row(row).checked) << row;
}

TEST_F(ScanCategoriesTest, Save_OfAListWithoutRowsWritesZeroForAllSeven) {
    storeTick("font", "1");
    scanner::saveCategoryTicks(categoryList, store);
    for (const auto& category : scanner::kScanCategories) EXPECT_EQ(stored(category.valueName), "0");
}
