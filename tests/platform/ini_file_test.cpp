// The INI document and the profile functions built on it: lookups with the
// platform's rules, minimal edits, and what malformed files come to.
#include <gtest/gtest.h>

#include <cstring>
#include <map>

#include "platform/ini_file.h"
#include "platform/ini_profile.h"

namespace {

using namespace platform;

std::vector<std::size_t> issueLines(const IniFile& ini) {
    std::vector<std::size_t> lines;
    for (const auto& issue : ini.issues()) lines.push_back(issue.line);
    return lines;
}

// ---- parsing ----

TEST(IniFile, ParseKeepsTheTextByteForByte) {
    const std::string text = "\xEF\xBB\xBF[A]\r\nx=1\n\r\n  ; note\rmore\n[B]\nno final newline";
    EXPECT_EQ(IniFile::parse(text).text(), text);
    EXPECT_EQ(IniFile::parse("").text(), "");
}

TEST(IniFile, WellFormedFileHasNoIssues) {
    IniFile ini = IniFile::parse("; comment\r\n\r\n[Sec]\r\nk=v\r\n[Other]\r\nk=w\r\n");
    EXPECT_TRUE(ini.issues().empty());
}

TEST(IniFile, MalformedLinesAreReportedWithTheirLineNumbers) {
    IniFile ini = IniFile::parse(std::string("orphan=1\n[Sec\n[Real]\nnoequals\nk=a\0b\nk=again\n[real]\nz=1\n", 55));
    // "[Sec" is a header without ']', a line without '=' and a key outside any section.
    EXPECT_EQ(issueLines(ini), (std::vector<std::size_t>{1, 2, 2, 2, 4, 5, 6, 7}));
    for (const auto& issue : ini.issues()) EXPECT_FALSE(issue.message.empty());
}

TEST(IniFile, SectionHeaderWithoutBracketIsReadAsAKeyOfTheSectionBefore) {
    IniFile ini = IniFile::parse("[Sec]\r\n[open\r\nz=1\r\n");
    EXPECT_FALSE(ini.hasSection("open"));
    EXPECT_EQ(ini.value("Sec", "z"), "1");
    EXPECT_EQ(ini.sectionEntries("Sec"), (std::vector<std::string>{"[open", "z=1"}));
}

TEST(IniFile, SectionNameRunsToTheLastBracket) {
    IniFile ini = IniFile::parse("[x]y]\r\nw=2\r\n[ spaced ]\r\na=1\r\n");
    EXPECT_EQ(ini.value("x]y", "w"), "2");
    EXPECT_EQ(ini.value("spaced", "a"), "1");
    EXPECT_EQ(ini.value("  spaced ", " a "), "1");
}

TEST(IniFile, NulByteEndsTheValueButNotTheFile) {
    IniFile ini = IniFile::parse(std::string("[s]\r\nk=a\0b\r\nm=2\r\n", 17));
    EXPECT_EQ(ini.value("s", "k"), "a");
    EXPECT_EQ(ini.value("s", "m"), "2");
}

TEST(IniFile, Utf8MarkBeforeTheFirstHeaderIsSkipped) {
    IniFile ini = IniFile::parse("\xEF\xBB\xBF[s]\r\nk=1\r\n");
    EXPECT_EQ(ini.value("s", "k"), "1");
}

TEST(IniFile, KeysBeforeTheFirstSectionBelongToNone) {
    IniFile ini = IniFile::parse("top=1\r\n[]\r\nkey=empty section\r\n");
    EXPECT_EQ(ini.value("", "top"), std::nullopt);
    EXPECT_EQ(ini.value("", "key"), "empty section");
}

// ---- lookups ----

TEST(IniFile, NamesCompareIgnoringCaseInTheAnsiCodePage) {
    IniFile ini = IniFile::parse("[Caf\xe9]\r\nK\xe9y=1\r\n\x9a=2\r\n");
    EXPECT_EQ(ini.value("CAF\xc9", "K\xc9Y"), "1");
    EXPECT_EQ(ini.value("caf\xe9", "\x8a"), "2");
    EXPECT_FALSE(sameIniName("a", "ab"));
    EXPECT_TRUE(sameIniName("Mixed", "mIXED"));
}

TEST(IniFile, FirstKeyAndFirstSectionWin) {
    IniFile ini = IniFile::parse("[s]\r\nk=1\r\nK=2\r\n[S]\r\nk=3\r\nonly=4\r\n");
    EXPECT_EQ(ini.value("s", "k"), "1");
    EXPECT_EQ(ini.value("s", "only"), std::nullopt);
}

TEST(IniFile, ValueKeepsQuotesAndInnerBlanks) {
    IniFile ini = IniFile::parse("[s]\r\n\tk\t=\t\" a b \"\t\r\n");
    EXPECT_EQ(ini.value("s", "k"), "\" a b \"");
    EXPECT_EQ(unquotedValue(*ini.value("s", "k")), " a b ");
}

TEST(IniFile, OnePairOfMatchingQuotesIsRemoved) {
    EXPECT_EQ(unquotedValue("\"x\""), "x");
    EXPECT_EQ(unquotedValue("'x'"), "x");
    EXPECT_EQ(unquotedValue("\"\"x\"\""), "\"x\"");
    EXPECT_EQ(unquotedValue("\"x'"), "\"x'");
    EXPECT_EQ(unquotedValue("\""), "\"");
    EXPECT_EQ(unquotedValue("\"\""), "");
    EXPECT_EQ(unquotedValue(""), "");
}

TEST(IniFile, LineWithoutEqualsIsAKeyWithoutValue) {
    IniFile ini = IniFile::parse("[s]\r\nbare\r\nbare=later\r\n");
    EXPECT_EQ(ini.value("s", "bare"), std::nullopt);
}

TEST(IniFile, SectionEntriesLeaveOutCommentsAndBlankLines) {
    IniFile ini = IniFile::parse("[s]\r\n; c=1\r\n  ;indented=2\r\n\r\n k = v \r\nbare\r\n=nokey\r\n[t]\r\nx=1\r\n");
    EXPECT_EQ(ini.sectionEntries("s"), (std::vector<std::string>{"k=v", "bare", "=nokey"}));
    EXPECT_TRUE(ini.sectionEntries("absent").empty());
}

// ---- editing ----

TEST(IniFile, ReplacingAValueTouchesOnlyItsLine) {
    IniFile ini = IniFile::parse("; head\n\n[Sec]\nKey = old ; c\n\n; mid\nother = 1\n[Two]\nx=1");
    EXPECT_TRUE(ini.setValue("sec", "KEY", "new"));
    EXPECT_EQ(ini.text(), "; head\n\n[Sec]\nKey=new\n\n; mid\nother = 1\n[Two]\nx=1");
}

TEST(IniFile, SettingTheSameValueChangesNothing) {
    IniFile ini = IniFile::parse("[s]\r\nk = 1\r\n");
    EXPECT_FALSE(ini.setValue("s", "k", "1"));
    EXPECT_EQ(ini.text(), "[s]\r\nk = 1\r\n");
}

TEST(IniFile, NewKeyGoesAfterTheSectionsLastLineBeforeBlankLines) {
    IniFile ini = IniFile::parse("[s]\r\nk=1\r\n\r\n\r\n[t]\r\nx=1\r\n");
    EXPECT_TRUE(ini.setValue("s", "new", "2"));
    EXPECT_EQ(ini.text(), "[s]\r\nk=1\r\nnew=2\r\n\r\n\r\n[t]\r\nx=1\r\n");
}

TEST(IniFile, NewKeyInAnEmptySectionFollowsItsHeader) {
    IniFile ini = IniFile::parse("[s]\r\n[t]\r\n");
    EXPECT_TRUE(ini.setValue("s", "k", "v"));
    EXPECT_EQ(ini.text(), "[s]\r\nk=v\r\n[t]\r\n");
}

TEST(IniFile, NewKeyAfterALastLineWithoutLineEnd) {
    IniFile ini = IniFile::parse("[s]\r\nk=1");
    EXPECT_TRUE(ini.setValue("s", "j", "2"));
    EXPECT_EQ(ini.text(), "[s]\r\nk=1\r\nj=2\r\n");
}

TEST(IniFile, NewSectionIsAppendedOnItsOwnLine) {
    IniFile ini = IniFile::parse("[s]\r\nk=1");
    EXPECT_TRUE(ini.setValue(" t ", " j ", "2"));
    EXPECT_EQ(ini.text(), "[s]\r\nk=1\r\n[t]\r\nj=2\r\n");
    IniFile empty;
    EXPECT_TRUE(empty.setValue("Sec", "K", "v"));
    EXPECT_EQ(empty.text(), "[Sec]\r\nK=v\r\n");
}

TEST(IniFile, WrittenValueLosesLeadingBlanks) {
    IniFile ini;
    ini.setValue("s", "q", "  spaced  ");
    EXPECT_EQ(ini.text(), "[s]\r\nq=spaced  \r\n");
}

TEST(IniFile, RemovingAKeyTakesItsWholeLine) {
    IniFile ini = IniFile::parse("[s]\r\na=1\r\nb=2\r\n[t]\r\na=3");
    EXPECT_TRUE(ini.removeKey("s", "A"));
    EXPECT_EQ(ini.text(), "[s]\r\nb=2\r\n[t]\r\na=3");
    EXPECT_TRUE(ini.removeKey("t", "a"));
    EXPECT_EQ(ini.text(), "[s]\r\nb=2\r\n[t]\r\n");
    EXPECT_FALSE(ini.removeKey("s", "absent"));
    EXPECT_FALSE(ini.removeKey("absent", "b"));
}

TEST(IniFile, ValueWithALineBreakBecomesTwoLines) {
    IniFile ini = IniFile::parse("[s]\r\nk=1\r\n");
    ini.setValue("s", "k", "a\r\nb=c");
    EXPECT_EQ(ini.value("s", "k"), "a");
    EXPECT_EQ(ini.value("s", "b"), "c");
}

// ---- the profile functions over any Files ----

// Whole files in a map: IniProfile must need nothing but readFile/writeFile.
class MapFiles : public Files {
public:
    std::map<std::string, std::string> contents;
    std::string readOnly;
    Status getAttributes(const std::string&, std::uint32_t&) override { return kNotImplemented; }
    Status setAttributes(const std::string&, std::uint32_t) override { return kNotImplemented; }
    Status find(const std::string&, std::vector<FoundEntry>&) override { return kNotImplemented; }
    Status copyFile(const std::string&, const std::string&, bool) override { return kNotImplemented; }
    Status deleteFile(const std::string&) override { return kNotImplemented; }
    Status createFolder(const std::string&) override { return kNotImplemented; }
    Status moveFile(const std::string&, const std::string&) override { return kNotImplemented; }
    Status removeFolder(const std::string&) override { return kNotImplemented; }
    std::string programFolder() override { return "C:\\P"; }
    Status readFile(const std::string& path, std::string& bytes) override {
        if (path.rfind("C:\\missing\\", 0) == 0) return kPathNotFound;
        auto it = contents.find(path);
        if (it == contents.end()) return kFileNotFound;
        bytes = it->second;
        return kSuccess;
    }
    Status writeFile(const std::string& path, const std::string& bytes) override {
        if (path.rfind("C:\\missing\\", 0) == 0) return kPathNotFound;
        if (path == readOnly) return kAccessDenied;
        contents[path] = bytes;
        return kSuccess;
    }
};

class IniProfileTest : public ::testing::Test {
protected:
    std::string get(const std::string& key, std::uint32_t size, std::uint32_t* returned = nullptr) {
        std::string buffer(size + 4, '#');
        std::uint32_t count = profile_.getString("s", key, "", buffer.data(), size, kFile);
        if (returned) *returned = count;
        return std::string(buffer.c_str());
    }
    std::string section(std::uint32_t size, std::uint32_t& returned) {
        std::string buffer(size + 4, '#');
        returned = profile_.getSection("s", buffer.data(), size, kFile);
        return buffer;
    }

    static constexpr const char* kFile = "C:\\data\\test.ini";
    MapFiles files_;
    IniProfile profile_{files_, "C:\\WINDOWS"};
};

// Wine 8.0 gives "quote" here: it cuts first and then drops the last
// character as if it were the closing quote.
TEST_F(IniProfileTest, QuotesGoBeforeTheValueIsCut) {
    files_.contents[kFile] = "[s]\r\nq=\"quoted\"\r\n";
    std::uint32_t returned = 0;
    EXPECT_EQ(get("q", 7, &returned), "quoted");
    EXPECT_EQ(returned, 6u);
    EXPECT_EQ(get("q", 6, &returned), "quote");
    EXPECT_EQ(returned, 5u);
}

TEST_F(IniProfileTest, DefaultOfOnlySpacesKeepsOne) {
    char buffer[8];
    EXPECT_EQ(profile_.getString("s", "k", "   ", buffer, sizeof buffer, kFile), 1u);
    EXPECT_STREQ(buffer, " ");
    EXPECT_EQ(profile_.getString("s", "k", "a\t ", buffer, sizeof buffer, kFile), 2u);
    EXPECT_STREQ(buffer, "a\t");
}

// As Wine 8.0 answers; an empty value is no number.
TEST_F(IniProfileTest, EmptyValueGivesTheIntegerDefault) {
    files_.contents[kFile] = "[s]\r\nempty=\r\nzero=0\r\n";
    EXPECT_EQ(profile_.getInt("s", "empty", 77, kFile), 77u);
    EXPECT_EQ(profile_.getInt("s", "zero", 77, kFile), 0u);
}

// Observed under Wine 8.0: "0b101" 5, "0o17" 15, "-0x10" 4294967280, "0X10" 0,
// "010" 10, and of 34 digits only the first 29 count.
TEST_F(IniProfileTest, IntegerPrefixesSignsAndLengthAsThePlatformReadsThem) {
    files_.contents[kFile] =
        "[s]\r\nb=0b101\r\no=0o17\r\nh=-0x10\r\nupper=0X10\r\noct=010\r\nlong=1234567890123456789012345678901234\r\n"
        "prefix=0x\r\n";
    EXPECT_EQ(profile_.getInt("s", "b", 7, kFile), 5u);
    EXPECT_EQ(profile_.getInt("s", "o", 7, kFile), 15u);
    EXPECT_EQ(profile_.getInt("s", "h", 7, kFile), 4294967280u);
    EXPECT_EQ(profile_.getInt("s", "upper", 7, kFile), 0u);
    EXPECT_EQ(profile_.getInt("s", "oct", 7, kFile), 10u);
    EXPECT_EQ(profile_.getInt("s", "long", 7, kFile), 1849262357u);
    EXPECT_EQ(profile_.getInt("s", "prefix", 7, kFile), 0u);
}

// Windows answers an exactly fitting list of section names with size-2, and
// Wine 8.0 does so for a section's entries too.
TEST_F(IniProfileTest, SectionThatOnlyJustFitsCountsAsCut) {
    files_.contents[kFile] = "[s]\r\nx=1\r\n";
    std::uint32_t returned = 0;
    std::string buffer = section(6, returned);
    EXPECT_EQ(returned, 4u);
    EXPECT_EQ(buffer.substr(0, 7), std::string("x=1\0\0#", 6) + "#");
    buffer = section(5, returned);
    EXPECT_EQ(returned, 3u);
    EXPECT_EQ(buffer.substr(0, 6), std::string("x=1\0\0#", 6));
}

TEST_F(IniProfileTest, SectionBufferOfOneGetsOneZeroAndNothingPastIt) {
    files_.contents[kFile] = "[s]\r\nx=1\r\n";
    std::uint32_t returned = 99;
    std::string buffer = section(1, returned);
    EXPECT_EQ(returned, 0u);
    EXPECT_EQ(buffer.substr(0, 2), std::string("\0#", 2));
    buffer = section(0, returned);
    EXPECT_EQ(buffer[0], '#');
}

TEST_F(IniProfileTest, SectionEntriesAreCutMidEntry) {
    files_.contents[kFile] = "[s]\r\nk=v\r\nl=w\r\n";
    std::uint32_t returned = 0;
    EXPECT_EQ(section(7, returned).substr(0, 8), std::string("k=v\0l\0\0#", 8));
    EXPECT_EQ(returned, 5u);
}

TEST_F(IniProfileTest, BareNameGoesToTheWindowsFolderAndPathsStayAsGiven) {
    ASSERT_TRUE(profile_.writeString("s", "k", std::string("v"), "bare.ini"));
    EXPECT_EQ(files_.contents.count("C:\\WINDOWS\\bare.ini"), 1u);
    ASSERT_TRUE(profile_.writeString("s", "k", std::string("v"), "sub\\rel.ini"));
    EXPECT_EQ(files_.contents.count("sub\\rel.ini"), 1u);
}

TEST_F(IniProfileTest, WriteReportsFailureOfTheFile) {
    files_.contents[kFile] = "[s]\r\nk=1\r\n";
    files_.readOnly = kFile;
    EXPECT_FALSE(profile_.writeString("s", "k", std::string("2"), kFile));
    EXPECT_EQ(files_.contents[kFile], "[s]\r\nk=1\r\n");
    // Nothing to change means nothing to write.
    EXPECT_TRUE(profile_.writeString("s", "k", std::string("1"), kFile));
    EXPECT_FALSE(profile_.writeString("s", "k", std::string("v"), "C:\\missing\\x.ini"));
}

TEST_F(IniProfileTest, DeletingFromAMissingFileWritesAnEmptyOne) {
    ASSERT_TRUE(profile_.writeString("s", "k", std::nullopt, kFile));
    EXPECT_EQ(files_.contents[kFile], "");
}

}  // namespace
