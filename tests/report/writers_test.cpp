// The report formats against awkward fields: commas, quotes, line breaks,
// non-ASCII texts from the ANSI code page, empty and missing fields.
#include <gtest/gtest.h>

#include "platform/text_encoding.h"
#include "report/writers.h"

namespace report {
namespace {

const Heading kHeading{"Vantrel", "9.8.7"};

// Windows-1252 bytes as the registry gives them: "Café Ünïcode", "€ 5 – Ltd".
Report awkwardReport() {
    const std::string cafe = platform::windows1252ToUtf8("Caf\xE9 \xDCn\xEF" "code");
    const std::string euro = platform::windows1252ToUtf8("\x80 5 \x96 Ltd");
    return Report{"programs",
                  {"Name", "Uninstall command", "Publisher"},
                  {{{"Name", "Plain"}, {"Uninstall command", "C:\\p\\un.exe /x"}, {"Publisher", ""}},
                   {{"Name", "Comma, Inc"}, {"Uninstall command", "say \"hi\""}, {"Publisher", "two\r\nlines"}},
                   {{"Name", cafe}, {"Publisher", euro}}}};
}

TEST(AnsiText, Windows1252BecomesUtf8AsWindowsMapsIt) {
    EXPECT_EQ(platform::windows1252ToUtf8("Caf\xE9"), "Caf\xC3\xA9");
    EXPECT_EQ(platform::windows1252ToUtf8("\x80\x99"), "\xE2\x82\xAC\xE2\x84\xA2");  // euro sign, trade mark
    EXPECT_EQ(platform::windows1252ToUtf8("\x81"), "\xC2\x81");                      // unassigned: its C1 control
    EXPECT_EQ(platform::utf8ToWindows1252(platform::windows1252ToUtf8("\xE9\x80\xFF\x9F")), "\xE9\x80\xFF\x9F");
}

TEST(CsvWriter, QuotesOnlyWhatNeedsItDoublesQuotesAndFillsMissingFieldsEmpty) {
    const std::string csv = writeCsv(awkwardReport(), Destination::StandardOutput);
    EXPECT_EQ(csv,
              "Name,Uninstall command,Publisher\r\n"
              "Plain,C:\\p\\un.exe /x,\r\n"
              "\"Comma, Inc\",\"say \"\"hi\"\"\",\"two\r\nlines\"\r\n"
              "Caf\xC3\xA9 \xC3\x9Cn\xC3\xAF" "code,,\xE2\x82\xAC 5 \xE2\x80\x93 Ltd\r\n");
}

TEST(CsvWriter, AFileStartsWithTheByteOrderMarkAndAnEmptyReportKeepsItsHeaderWithTheNameFirst) {
    const std::string file = writeCsv(awkwardReport(), Destination::File);
    EXPECT_EQ(file.substr(0, 3), "\xEF\xBB\xBF");
    EXPECT_EQ(file.substr(3), writeCsv(awkwardReport(), Destination::StandardOutput));
    EXPECT_EQ(writeCsv(Report{"scan", {"Location", "Reference"}, {}}, Destination::StandardOutput), "Name,Reference\r\n");
}

TEST(JsonWriter, OneDocumentWithEscapedStringsAndCamelCaseNames) {
    Report report = awkwardReport();
    report.records[0].push_back({"Note", std::string("tab\tbell\x07 back\\slash")});
    const std::string json = writeJson(report, kHeading);
    EXPECT_EQ(json.rfind("{\"program\": \"Vantrel\", \"version\": \"9.8.7\", \"report\": \"programs\", \"records\": [", 0),
              0u);
    EXPECT_NE(json.find("{\"name\": \"Plain\", \"uninstallCommand\": \"C:\\\\p\\\\un.exe /x\", \"publisher\": \"\", "
                        "\"note\": \"tab\\tbell\\u0007 back\\\\slash\"}"),
              std::string::npos)
        << json;
    EXPECT_NE(json.find("\"uninstallCommand\": \"say \\\"hi\\\"\", \"publisher\": \"two\\r\\nlines\"}"),
              std::string::npos);
    EXPECT_NE(json.find("{\"name\": \"Caf\xC3\xA9 \xC3\x9Cn\xC3\xAF" "code\", \"publisher\": \"\xE2\x82\xAC"),
              std::string::npos);
    EXPECT_NE(json.substr(0, 3), "\xEF\xBB\xBF");
    EXPECT_EQ(writeJson(Report{"scan", {"Name"}, {}}, kHeading),
              "{\"program\": \"Vantrel\", \"version\": \"9.8.7\", \"report\": \"scan\", \"records\": []}\n");
}

TEST(TextWriter, VersionFirstThenColumnsAlignedByCharactersWithBreaksFlattened) {
    const std::string text = writeText(awkwardReport(), kHeading);
    EXPECT_EQ(text,
              "Vantrel 9.8.7, programs report, 3 records\r\n"
              "Name          Uninstall command  Publisher\r\n"
              "Plain         C:\\p\\un.exe /x\r\n"
              "Comma, Inc    say \"hi\"           two  lines\r\n"
              "Caf\xC3\xA9 \xC3\x9Cn\xC3\xAF" "code                     \xE2\x82\xAC 5 \xE2\x80\x93 Ltd\r\n");
}

TEST(Formats, EachNameChoosesItsWriter) {
    const Report report = awkwardReport();
    EXPECT_EQ(writeReport(*formatNamed("csv"), report, kHeading, Destination::File),
              writeCsv(report, Destination::File));
    EXPECT_EQ(writeReport(*formatNamed("json"), report, kHeading, Destination::File), writeJson(report, kHeading));
    EXPECT_EQ(writeReport(*formatNamed("text"), report, kHeading, Destination::File), writeText(report, kHeading));
    EXPECT_FALSE(formatNamed("xml"));
}

}  // namespace
}  // namespace report
