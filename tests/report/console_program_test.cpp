// The console program end to end on a substitute machine: exit codes, where
// the report and the messages go, and that a report touches only its output.
#include <gtest/gtest.h>

#include "platform/text_encoding.h"
#include "report/console_program.h"
#include "support/test_machine.h"

namespace report {
namespace {

struct Captured : Output {
    std::string text;
    void write(std::string_view utf8) override { text += utf8; }
};

class ConsoleProgram : public ::testing::Test {
protected:
    // Programs lists one record; the scan finds `findings` and warns about a place it could not read.
    ReportKinds kinds{{
        {What::Programs, [](ReportContext&) { return Report{"programs", {"Name"}, {{{"Name", "Alpha, B"}}}}; }},
        {What::Startup, nullptr},
        {What::Scan,
         [this](ReportContext& context) {
             context.progress.show("Checking fonts");
             context.warn("cannot read HKLM\\Secret: Access is denied.");
             seenCategories = context.request.categories;
             Report report{"scan", {"Category", "Reference"}, {}};
             for (int i = 0; i < findings; ++i) report.records.push_back({{"Category", "fonts"}, {"Reference", "x"}});
             return report;
         },
         true},
    }};
    int findings = 0;
    std::array<bool, 7> seenCategories{};
    std::unique_ptr<testing_support::TestMachine> test = testing_support::makeTestMachine();
    Captured out, error;
    double clock = 0;

    int run(const std::vector<std::string>& arguments, bool errorIsConsole = false) {
        Console console{test->machine(), out, error, errorIsConsole, [this] { return clock; },
                        [](std::string_view text) { return platform::windows1252ToUtf8(text); }, kinds};
        return runConsole(arguments, console);
    }
    std::string readBack(const std::string& file) {
        std::string bytes;
        EXPECT_EQ(test->machine().files.readFile(file, bytes), platform::kSuccess);
        return bytes;
    }
};

TEST_F(ConsoleProgram, UsageGoesToStandardOutputOnRequestAndWithTheErrorToStandardErrorOnMistakes) {
    EXPECT_EQ(run({"/?"}), kDone);
    EXPECT_EQ(out.text, usageText());
    EXPECT_TRUE(error.text.empty());
    out.text.clear();
    EXPECT_EQ(run({"report", "programs", "/format", "yaml"}), kUsageError);
    EXPECT_TRUE(out.text.empty());
    EXPECT_EQ(error.text, "vantrelc: unknown format 'yaml' (text, csv or json)\r\n\r\n" + usageText());
}

TEST_F(ConsoleProgram, AReportGoesToStandardOutputWithoutAByteOrderMark) {
    EXPECT_EQ(run({"report", "programs", "/format", "csv"}), kDone);
    EXPECT_EQ(out.text, "Name\r\n\"Alpha, B\"\r\n");
    EXPECT_TRUE(error.text.empty());
}

TEST_F(ConsoleProgram, ScanExitsOneWhenItFoundSomethingAndZeroWhenNot) {
    EXPECT_EQ(run({"report", "scan", "/categories", "dlls"}), kDone);
    EXPECT_EQ(seenCategories, (std::array<bool, 7>{false, true, false, false, false, false, false}));
    findings = 2;
    EXPECT_EQ(run({"report", "scan", "/format", "json"}), kFound);
    EXPECT_NE(out.text.find("\"records\": [\n  {\"category\": \"fonts\""), std::string::npos) << out.text;
}

TEST_F(ConsoleProgram, AnUnreadablePlaceIsNamedOnStandardErrorAndTheReportGoesOn) {
    findings = 1;
    EXPECT_EQ(run({"report", "scan"}), kFound);
    EXPECT_EQ(error.text, "vantrelc: cannot read HKLM\\Secret: Access is denied.\r\n");
    EXPECT_NE(out.text.find(", scan report, 1 record\r\n"), std::string::npos) << out.text;
}

TEST_F(ConsoleProgram, ProgressIsShownOnlyWhenStandardErrorIsAConsoleAndIsClearedAfter) {
    run({"report", "scan"}, true);
    EXPECT_EQ(error.text.rfind("\rChecking fonts", 0), 0u) << error.text;
    EXPECT_NE(error.text.find("\r              \rvantrelc: cannot read"), std::string::npos) << error.text;
}

TEST_F(ConsoleProgram, AFileGetsTheReportWithItsByteOrderMarkAndStandardOutputStaysEmpty) {
    const std::string file = test->scratchFolder() + "\\p.csv";
    EXPECT_EQ(run({"report", "programs", "/format", "csv", "/out", file}), kDone);
    EXPECT_EQ(readBack(file), "\xEF\xBB\xBFName\r\n\"Alpha, B\"\r\n");
    EXPECT_TRUE(out.text.empty());
}

TEST_F(ConsoleProgram, AnOutputThatCannotBeWrittenExitsThreeWithTheSystemsReasonBeforeReading) {
    findings = 1;
    const std::string file = test->scratchFolder() + "\\no such folder\\s.txt";
    EXPECT_EQ(run({"report", "scan", "/out", file}), kNotWritable);
    EXPECT_EQ(error.text, "vantrelc: cannot write " + file + ": " + test->machine().desktop.statusText(3) + "\r\n");
    EXPECT_EQ(seenCategories, (std::array<bool, 7>{})) << "the scan ran although its output could not be written";
}

TEST_F(ConsoleProgram, AKindWithoutAListingIsRefusedByName) {
    EXPECT_EQ(run({"report", "startup"}), kUsageError);
    EXPECT_EQ(error.text.rfind("vantrelc: report 'startup' is not available in this build\r\n", 0), 0u);
}

}  // namespace
}  // namespace report
