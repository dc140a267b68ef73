#include <gtest/gtest.h>

#include <fstream>
#include <set>

#include <stdlib.h>

#include "localisation/lang_text.h"
#include "platform/substitute_machine.h"
#include "support/refusing_registry.h"
#include "support/temp_folder.h"

namespace {

class LanguageTest : public ::testing::Test {
protected:
    LanguageTest()
        : root(testing_support::makeTempFolder("vantrel-lang")),
          pc(root, "C:\\Vantrel"),
          store(pc.registry, pc.profile, pc.files) {
        std::filesystem::create_directories(root / "Vantrel" / "lang");
        std::filesystem::copy_file(std::filesystem::path(VANTREL_LANG) / "english.ini",
                                   root / "Vantrel" / "lang" / "english.ini");
    }
    ~LanguageTest() override { std::filesystem::remove_all(root); }

    void writeLanguageFile(const std::string& name, const std::string& text) {
        std::ofstream(root / "Vantrel" / "lang" / name, std::ios::binary) << text;
    }
    localisation::Language languageOf(const std::string& fileName) {
        return localisation::Language(store, pc.files, [fileName] { return fileName; });
    }

    std::filesystem::path root;
    platform::SubstituteMachine pc;
    store::SettingsStore store;
};

}  // namespace

TEST_F(LanguageTest, ChooseLanguageFile_BlankOrAbsentChoiceMeansEnglish) {
    EXPECT_EQ(localisation::chooseLanguageFile(store), "english.ini");
    store.saveString(platform::kHkeyLocalMachine, "software\\morvalen\\brevisk", "language", "   ");
    EXPECT_EQ(localisation::chooseLanguageFile(store), "english.ini");
    store.saveString(platform::kHkeyLocalMachine, "software\\morvalen\\brevisk", "language", "French.ini");
    EXPECT_EQ(localisation::chooseLanguageFile(store), "French.ini");
}

TEST_F(LanguageTest, LanguageText_ReadsSection001OfTheTrimmedFileNameInTheLangFolder) {
    writeLanguageFile("test.ini", "[000]\r\n002=wrong section\r\n[001]\r\n002=&Programs\r\n010=" +
                                      std::string(300, 'h') + "\r\n");
    auto language = languageOf("  test.ini ");
    EXPECT_EQ(language.filePath(), "C:\\Vantrel\\lang\\test.ini");
    EXPECT_EQ(language.text(2), "&Programs");
    EXPECT_EQ(language.text("002"), "&Programs");
    EXPECT_EQ(language.text(10), std::string(254, 'h'));
    EXPECT_EQ(language.text(3), "");
}

TEST_F(LanguageTest, LanguageText_IsEmptyForEveryKeyWhenTheFileIsMissing) {
    auto language = languageOf("klingon.ini");
    for (int key : {1, 2, 8, 88, 122}) EXPECT_EQ(language.text(key), "") << key;
}

TEST_F(LanguageTest, LanguageText_KeysAfter122MissingFromAFileShowTheEnglishText) {
    writeLanguageFile("older.ini", "[001]\r\n009=Suchen\r\n124=Sicherungen\r\n125=\r\n");
    auto older = languageOf("older.ini");
    auto english = languageOf("english.ini");
    EXPECT_EQ(older.text(124), "Sicherungen");
    EXPECT_EQ(older.text(125), "") << "a key that is there, even empty, is the file's own";
    EXPECT_EQ(older.text(126), english.text(126));
    EXPECT_FALSE(older.text(126).empty());
    EXPECT_EQ(older.text(10), "") << "keys up to 122 keep their rule: missing means empty";
    EXPECT_EQ(languageOf("klingon.ini").text(124), english.text(124));
}

TEST_F(LanguageTest, LanguageText_ReadsTheFileAfreshSoEditsShowAtTheNextLookup) {
    writeLanguageFile("live.ini", "[001]\r\n009=Find\r\n");
    auto language = languageOf("live.ini");
    EXPECT_EQ(language.text(9), "Find");
    writeLanguageFile("live.ini", "[001]\r\n009=Search\r\n");
    EXPECT_EQ(language.text(9), "Search");
}

TEST_F(LanguageTest, EnglishFile_HasATextForEveryKeyTheProgramReads) {
    std::set<int> keys;
    for (int key = 1; key <= 50; ++key) keys.insert(key);
    for (int key = 52; key <= 63; ++key) keys.insert(key);
    for (int key : {65, 66, 67, 68, 69, 70, 81, 82, 87, 88, 89, 90, 91, 92, 93, 94, 96, 97, 98, 101, 102, 104, 105,
                    106, 107, 110, 111, 112})
        keys.insert(key);
    for (int key = 113; key <= 138; ++key) keys.insert(key);
    for (int key = 160; key <= 167; ++key) keys.insert(key);
    for (int key = 139; key <= 143; ++key) keys.insert(key);  // the startup tool's messages
    keys.erase(51);
    auto english = languageOf("english.ini");
    for (int key : keys) EXPECT_FALSE(english.text(key).empty()) << "key " << key;
}

TEST_F(LanguageTest, EnglishFile_FindingsCountTextCarriesItsOwnLeadingSpace) {
    // The scanner puts this text straight after the number of findings, with no separator.
    auto english = languageOf("english.ini");
    const std::string text = english.text(98);
    ASSERT_GT(text.size(), 1u);
    EXPECT_EQ(text.front(), ' ');
    EXPECT_NE(text[1], ' ');
}

TEST_F(LanguageTest, AUserWithoutWriteRightsStillGetsTheStoredLanguageAndTicks) {
    store.saveString(platform::kHkeyLocalMachine, "software\\morvalen\\brevisk", "language", "French.ini");
    store.saveString(platform::kHkeyLocalMachine, "software\\morvalen\\Halvennic\\timer\\reg", "font", "1");
    testing_support::ReadOnlyMachineRegistry readOnly(pc.registry);
    store::SettingsStore userStore(readOnly, pc.profile, pc.files);
    EXPECT_EQ(localisation::chooseLanguageFile(userStore), "French.ini");
    std::string tick;
    EXPECT_TRUE(userStore.readString(platform::kHkeyLocalMachine, "software\\morvalen\\Halvennic\\timer\\reg", "font",
                                     tick));
    EXPECT_EQ(tick, "1");
    EXPECT_FALSE(userStore.saveString(platform::kHkeyLocalMachine, "software\\morvalen\\brevisk", "language", "x.ini"))
        << "the stand-in really refuses writing";
}

TEST_F(LanguageTest, AFileInUtf8ReadsAsUtf8AndOneInTheAnsiCodePageAsItIs) {
    struct Case {
        const char* file;
        std::string bytes;
    };
    const Case cases[] = {
        {"utf8.ini", "[001]\r\n014=D\xC3\xA9sinstaller\r\n"},
        {"utf8mark.ini", "\xEF\xBB\xBF[001]\r\n014=D\xC3\xA9sinstaller\r\n"},
        {"ansi.ini", "[001]\r\n014=D\xE9sinstaller\r\n"},
    };
    for (const Case& c : cases) {
        writeLanguageFile(c.file, c.bytes);
        EXPECT_EQ(languageOf(c.file).text(14), "D\xE9sinstaller") << c.file;
    }
    writeLanguageFile("mixed.ini", "[001]\r\n014=D\xC3\xA9sinstaller\r\n015=D\xE9sinstaller\r\n");
    EXPECT_EQ(languageOf("mixed.ini").text(14), "D\xC3\xA9sinstaller") << "not a UTF-8 file: every text as it is";
}
