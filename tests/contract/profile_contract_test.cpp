// The profile (INI) functions as the settings store reads and writes its INI
// files, checked against the substitute natively and the real functions under Wine.
#include <gtest/gtest.h>

#include <cstring>
#include <string>

#include "platform/files.h"
#include "platform/profile.h"
#include "support/test_machine.h"

namespace {

using namespace platform;

class ProfileContract : public ::testing::Test {
protected:
    void SetUp() override {
        tm_ = testing_support::makeTestMachine();
        profile_ = &tm_->machine().profile;
        files_ = &tm_->machine().files;
        ini_ = tm_->scratchFolder() + "\\test.ini";
    }

    void put(const std::string& bytes) { ASSERT_EQ(files_->writeFile(ini_, bytes), kSuccess); }
    std::string contents() {
        std::string bytes;
        EXPECT_EQ(files_->readFile(ini_, bytes), kSuccess);
        return bytes;
    }
    bool exists(const std::string& path) {
        std::uint32_t attributes = 0;
        return files_->getAttributes(path, attributes) == kSuccess;
    }
    // getString into a buffer of `size`, with what it returned.
    std::string get(const std::string& section, const std::string& key, const std::string& defaultText = "dflt",
                    std::uint32_t size = 256, std::uint32_t* returned = nullptr) {
        std::string buffer(size + 8, '#');
        std::uint32_t count = profile_->getString(section, key, defaultText, buffer.data(), size, ini_);
        if (returned) *returned = count;
        EXPECT_EQ(std::strlen(buffer.c_str()), count);
        return buffer.substr(0, count);
    }
    // getSection's buffer up to and including the first two zeros in a row.
    std::string section(const std::string& name, std::uint32_t size, std::uint32_t& returned) {
        std::string buffer(size + 8, '#');
        returned = profile_->getSection(name, buffer.data(), size, ini_);
        EXPECT_EQ(buffer[size], '#') << "wrote past the buffer";
        buffer.resize(size);
        std::size_t end = buffer.find(std::string(2, '\0'));
        return end == std::string::npos ? buffer : buffer.substr(0, end + 2);
    }

    std::unique_ptr<testing_support::TestMachine> tm_;
    Profile* profile_ = nullptr;
    Files* files_ = nullptr;
    std::string ini_;
};

// ---- reading strings ----

TEST_F(ProfileContract, MissingFileSectionOrKeyGivesTheDefaultWithoutTrailingBlanks) {
    EXPECT_EQ(get("Sec", "Key", "  two words  "), "  two words");
    put("[Sec]\r\nOther=1\r\n");
    EXPECT_EQ(get("Sec", "Key", "fallback "), "fallback");
    EXPECT_EQ(get("Absent", "Other", "fallback"), "fallback");
}

TEST_F(ProfileContract, ValueLosesSurroundingBlanksAndOnePairOfQuotes) {
    put("[Sec]\r\n"
        "  spaced key  =  x y  \r\n"
        "double=\"quoted\"\r\n"
        "single='quoted'\r\n"
        "mixed=\"mis'\r\n"
        "lone=\"\r\n"
        "inner=\"a\"b\"\r\n"
        "inline=v ; not a comment\r\n"
        "empty=\r\n");
    EXPECT_EQ(get("Sec", "spaced key"), "x y");
    EXPECT_EQ(get("Sec", "double"), "quoted");
    EXPECT_EQ(get("Sec", "single"), "quoted");
    EXPECT_EQ(get("Sec", "mixed"), "\"mis'");
    EXPECT_EQ(get("Sec", "lone"), "\"");
    EXPECT_EQ(get("Sec", "inner"), "a\"b");
    EXPECT_EQ(get("Sec", "inline"), "v ; not a comment");
    EXPECT_EQ(get("Sec", "empty"), "");
}

TEST_F(ProfileContract, SectionAndKeyNamesIgnoreCaseAndBlanks) {
    put("[ Settings ]\r\nLanguage=english\r\n");
    EXPECT_EQ(get("SETTINGS", "language"), "english");
    EXPECT_EQ(get("settings", "LANGUAGE"), "english");
}

TEST_F(ProfileContract, FirstOfDuplicateKeysWins) {
    put("[Sec]\r\nKey=first\r\nKEY=second\r\n");
    EXPECT_EQ(get("Sec", "key"), "first");
}

TEST_F(ProfileContract, SecondSectionOfTheSameNameIsNeverSearched) {
    put("[Sec]\r\nA=1\r\n[Other]\r\nB=2\r\n[SEC]\r\nC=3\r\n");
    EXPECT_EQ(get("Sec", "A"), "1");
    EXPECT_EQ(get("Sec", "C"), "dflt");
}

TEST_F(ProfileContract, LineWithoutEqualsHasNoValue) {
    put("[Sec]\r\nbare\r\nafter=1\r\n");
    EXPECT_EQ(get("Sec", "bare"), "dflt");
    EXPECT_EQ(get("Sec", "after"), "1");
}

TEST_F(ProfileContract, LineFeedOnlyFilesAreRead) {
    put("[Sec]\nA=1\nB=2");
    EXPECT_EQ(get("Sec", "A"), "1");
    EXPECT_EQ(get("Sec", "B"), "2");
}

// ---- buffer limits ----

TEST_F(ProfileContract, LongValueIsCutToOneLessThanTheBuffer) {
    put("[Sec]\r\nLong=" + std::string(300, 'v') + "\r\n");
    std::uint32_t returned = 0;
    EXPECT_EQ(get("Sec", "Long", "", 255, &returned), std::string(254, 'v'));
    EXPECT_EQ(returned, 254u);
}

TEST_F(ProfileContract, ValueFillsTheBufferExactlyOrIsCut) {
    put("[Sec]\r\nname=val1\r\n");
    std::uint32_t returned = 0;
    EXPECT_EQ(get("Sec", "name", "", 5, &returned), "val1");
    EXPECT_EQ(returned, 4u);
    EXPECT_EQ(get("Sec", "name", "", 4, &returned), "val");
    EXPECT_EQ(returned, 3u);
    EXPECT_EQ(get("Sec", "name", "", 1, &returned), "");
    EXPECT_EQ(returned, 0u);
}

TEST_F(ProfileContract, QuotedValueIsCutAfterTheOpeningQuoteGoes) {
    put("[Sec]\r\nq=\"quoted\"\r\n");
    EXPECT_EQ(get("Sec", "q", "", 5), "quot");
}

TEST_F(ProfileContract, DefaultIsCutToTheBufferToo) {
    EXPECT_EQ(get("Sec", "Key", "default", 4), "def");
}

TEST_F(ProfileContract, ZeroSizedBufferIsLeftAlone) {
    put("[Sec]\r\nKey=value\r\n");
    char buffer[4] = {'#', '#', '#', '#'};
    EXPECT_EQ(profile_->getString("Sec", "Key", "", buffer, 0, ini_), 0u);
    EXPECT_EQ(buffer[0], '#');
}

// ---- sections ----

TEST_F(ProfileContract, SectionListsEntriesWithQuotesKeptAndCommentsLeftOut) {
    put("[Sec]\r\n"
        "; a comment\r\n"
        "name1 = val1\r\n"
        "name2=\r\n"
        "name3\r\n"
        "\r\n"
        "quoted=\"q\"\r\n"
        "=val5\r\n"
        "[Next]\r\nz=1\r\n");
    std::uint32_t returned = 0;
    std::string listed = section("Sec", 100, returned);
    EXPECT_EQ(listed, std::string("name1=val1\0name2=\0name3\0quoted=\"q\"\0=val5\0\0", 42));
    EXPECT_EQ(returned, 41u);
}

TEST_F(ProfileContract, SectionTooBigForTheBufferIsCutToSizeLessTwo) {
    put("[section1]\r\nname1=val1\r\nname2=\r\nname3\r\nname4=val4\r\n");
    std::uint32_t returned = 0;
    std::string listed = section("section1", 24, returned);
    EXPECT_EQ(returned, 22u);
    EXPECT_EQ(listed, std::string("name1=val1\0name2=\0name\0\0", 24));
}

TEST_F(ProfileContract, MissingOrEmptySectionListsNothing) {
    put("[Empty]\r\n[Full]\r\na=1\r\n");
    std::uint32_t returned = 99;
    EXPECT_EQ(section("Empty", 10, returned).substr(0, 1), std::string(1, '\0'));
    EXPECT_EQ(returned, 0u);
    EXPECT_EQ(section("Absent", 10, returned).substr(0, 1), std::string(1, '\0'));
    EXPECT_EQ(returned, 0u);
}

// ---- integers ----

TEST_F(ProfileContract, IntegerIsReadAsThePlatformConvertsIt) {
    put("[n]\r\n"
        "digits=12abc\r\n"
        "negative=-5\r\n"
        "hex=0x10\r\n"
        "letters=abc\r\n"
        "wrap=4294967296\r\n"
        "wrap1=4294967297\r\n"
        "spaced= 42 \r\n"
        "quoted=\"33\"\r\n"
        "plus=+7\r\n");
    EXPECT_EQ(profile_->getInt("n", "digits", 77, ini_), 12u);
    EXPECT_EQ(profile_->getInt("n", "negative", 77, ini_), 4294967291u);
    EXPECT_EQ(profile_->getInt("n", "hex", 77, ini_), 16u);
    EXPECT_EQ(profile_->getInt("n", "letters", 77, ini_), 0u);
    EXPECT_EQ(profile_->getInt("n", "wrap", 77, ini_), 0u);
    EXPECT_EQ(profile_->getInt("n", "wrap1", 77, ini_), 1u);
    EXPECT_EQ(profile_->getInt("n", "spaced", 77, ini_), 42u);
    EXPECT_EQ(profile_->getInt("n", "quoted", 77, ini_), 33u);
    EXPECT_EQ(profile_->getInt("n", "plus", 77, ini_), 7u);
    EXPECT_EQ(profile_->getInt("n", "absent", 77, ini_), 77u);
    EXPECT_EQ(profile_->getInt("n", "absent", -1, ini_), 4294967295u);
}

// ---- writing ----

TEST_F(ProfileContract, WriteCreatesAMissingFile) {
    ASSERT_TRUE(profile_->writeString("Sec", "K", std::string("v"), ini_));
    EXPECT_EQ(contents(), "[Sec]\r\nK=v\r\n");
}

TEST_F(ProfileContract, WriteAddsAMissingSectionAtTheEnd) {
    put("[Sec]\r\nK=v\r\n");
    ASSERT_TRUE(profile_->writeString("Other", "A", std::string("1"), ini_));
    EXPECT_EQ(contents(), "[Sec]\r\nK=v\r\n[Other]\r\nA=1\r\n");
}

TEST_F(ProfileContract, WriteReplacesTheValueInPlaceKeepingTheKeysSpelling) {
    put("[Sec]\r\nKey=old\r\nNext=1\r\n[Two]\r\nx=1\r\n");
    ASSERT_TRUE(profile_->writeString("sec", "KEY", std::string("new value"), ini_));
    EXPECT_EQ(contents(), "[Sec]\r\nKey=new value\r\nNext=1\r\n[Two]\r\nx=1\r\n");
}

TEST_F(ProfileContract, WriteAddsANewKeyAtTheEndOfItsSection) {
    put("[Sec]\r\nK=1\r\n[Two]\r\nx=1\r\n");
    ASSERT_TRUE(profile_->writeString("Sec", "New", std::string("2"), ini_));
    EXPECT_EQ(contents(), "[Sec]\r\nK=1\r\nNew=2\r\n[Two]\r\nx=1\r\n");
}

TEST_F(ProfileContract, WritingAnEmptyStringLeavesKeyEquals) {
    put("[Sec]\r\nK=1\r\n");
    ASSERT_TRUE(profile_->writeString("Sec", "K", std::string(), ini_));
    EXPECT_EQ(contents(), "[Sec]\r\nK=\r\n");
    EXPECT_EQ(get("Sec", "K"), "");
}

TEST_F(ProfileContract, WritingNoValueDeletesTheKey) {
    put("[Sec]\r\nA=1\r\nB=2\r\n[Two]\r\nx=1\r\n");
    ASSERT_TRUE(profile_->writeString("Sec", "a", std::nullopt, ini_));
    EXPECT_EQ(contents(), "[Sec]\r\nB=2\r\n[Two]\r\nx=1\r\n");
    ASSERT_TRUE(profile_->writeString("Sec", "absent", std::nullopt, ini_));
    EXPECT_EQ(contents(), "[Sec]\r\nB=2\r\n[Two]\r\nx=1\r\n");
}

TEST_F(ProfileContract, DeletingFromAMissingFileLeavesAnEmptyFile) {
    ASSERT_TRUE(profile_->writeString("Sec", "K", std::nullopt, ini_));
    if (tm_->isWine()) {
        EXPECT_FALSE(exists(ini_)) << "Wine deviation: no file is created";
    } else {
        EXPECT_EQ(contents(), "");
    }
}

TEST_F(ProfileContract, WriteKeepsCommentsBlankLinesAndSpacingElsewhere) {
    put("; header\r\n\r\n[Sec]\r\nk = old ; c\r\n\r\n; mid\r\nother = 1\r\n[Two]\r\nx=1");
    ASSERT_TRUE(profile_->writeString("Sec", "K", std::string("new"), ini_));
    if (tm_->isWine()) {
        EXPECT_EQ(contents(), "; header\r\n[Sec]\r\nk=new\r\n; mid\r\nother=1\r\n[Two]\r\nx=1\r\n")
            << "Wine deviation: the whole file is rewritten from what it parsed";
    } else {
        EXPECT_EQ(contents(), "; header\r\n\r\n[Sec]\r\nk=new\r\n\r\n; mid\r\nother = 1\r\n[Two]\r\nx=1");
    }
}

TEST_F(ProfileContract, WriteToAFileInAMissingFolderFails) {
    std::string path = tm_->scratchFolder() + "\\absent\\test.ini";
    EXPECT_FALSE(profile_->writeString("Sec", "K", std::string("v"), path));
    EXPECT_FALSE(exists(path));
}

TEST_F(ProfileContract, WriteToAReadOnlyFileIsRefused) {
    put("[Sec]\r\nK=old\r\n");
    ASSERT_EQ(files_->setAttributes(ini_, kAttrReadOnly), kSuccess);
    bool written = profile_->writeString("Sec", "K", std::string("new"), ini_);
    if (tm_->isWine() && written) {
        // Wine deviation: run as root, Wine writes a read-only file.
        EXPECT_EQ(get("Sec", "K"), "new");
    } else {
        EXPECT_FALSE(written);
        EXPECT_EQ(get("Sec", "K"), "old");
    }
    files_->setAttributes(ini_, kAttrNormal);
}

TEST_F(ProfileContract, BareFileNameLivesInTheWindowsFolder) {
    std::string folder = tm_->scratchFolder();
    std::string name = "vantrel_contract_" + folder.substr(folder.find_last_of('\\') + 1) + ".ini";
    ASSERT_TRUE(profile_->writeString("Sec", "K", std::string("v"), name));
    std::string bytes;
    EXPECT_EQ(files_->readFile("C:\\windows\\" + name, bytes), kSuccess);
    EXPECT_EQ(bytes, "[Sec]\r\nK=v\r\n");
    char buffer[16];
    EXPECT_EQ(profile_->getString("Sec", "K", "", buffer, sizeof buffer, name), 1u);
    EXPECT_STREQ(buffer, "v");
    EXPECT_EQ(files_->deleteFile("C:\\windows\\" + name), kSuccess);
}

}  // namespace
