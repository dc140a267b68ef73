// The console program's command line: what each form means, and a one-line
// error for everything it does not take.
#include <gtest/gtest.h>

#include "report/command_line.h"

namespace report {
namespace {

using Kind = ParsedCommand::Kind;

struct Accepted {
    std::vector<std::string> arguments;
    What what;
    Format format;
    std::optional<std::string> outputFile;
};

TEST(CommandLine, AcceptsEveryReportFormWithItsSwitchesInAnyOrderAndCase) {
    const std::vector<Accepted> cases{
        {{"report", "programs"}, What::Programs, Format::Text, std::nullopt},
        {{"REPORT", "Startup", "/format", "json"}, What::Startup, Format::Json, std::nullopt},
        {{"report", "scan", "/out", "C:\\a b\\s.txt", "/FORMAT", "CSV"}, What::Scan, Format::Csv, "C:\\a b\\s.txt"},
        {{"report", "programs", "/format", "text", "/out", "p.txt"}, What::Programs, Format::Text, "p.txt"},
    };
    for (const Accepted& c : cases) {
        const ParsedCommand parsed = parseCommandLine(c.arguments);
        ASSERT_EQ(parsed.kind, Kind::Report) << c.arguments[1] << ": " << parsed.error;
        EXPECT_EQ(parsed.request.what, c.what);
        EXPECT_EQ(parsed.request.format, c.format);
        EXPECT_EQ(parsed.request.outputFile, c.outputFile);
    }
}

TEST(CommandLine, ScanTakesAllSevenCategoriesUnlessTheCommandNamesSome) {
    EXPECT_EQ(parseCommandLine({"report", "scan"}).request.categories,
              (std::array<bool, 7>{true, true, true, true, true, true, true}));
    const ParsedCommand chosen = parseCommandLine({"report", "scan", "/categories", "Fonts,classes,help"});
    ASSERT_EQ(chosen.kind, Kind::Report) << chosen.error;
    EXPECT_EQ(chosen.request.categories, (std::array<bool, 7>{true, false, false, true, false, false, true}));
}

TEST(CommandLine, HelpFormsAskForTheUsage) {
    for (const auto& arguments : std::vector<std::vector<std::string>>{{"/?"}, {"help"}, {"HELP"}, {"report", "/?"}})
        EXPECT_EQ(parseCommandLine(arguments).kind, Kind::Usage) << arguments[0];
}

TEST(CommandLine, RefusesWhatItDoesNotTakeWithAOneLineReason) {
    const std::vector<std::pair<std::vector<std::string>, std::string>> cases{
        {{}, "no command"},
        {{"list", "programs"}, "unknown command 'list'"},
        {{"report"}, "needs what to list"},
        {{"report", "fonts"}, "unknown report 'fonts'"},
        {{"report", "programs", "/fmt", "csv"}, "unknown switch '/fmt'"},
        {{"report", "programs", "/format"}, "/format needs a value"},
        {{"report", "programs", "/out", ""}, "/out needs a value"},
        {{"report", "programs", "/format", "xml"}, "unknown format 'xml'"},
        {{"report", "programs", "/format", "csv", "/format", "json"}, "/format given twice"},
        {{"report", "startup", "/categories", "fonts"}, "scan report only"},
        {{"report", "scan", "/categories", "fonts,,dlls"}, "unknown category ''"},
        {{"report", "scan", "/categories", "fonts,registry"}, "unknown category 'registry'"},
        {{"help", "report"}, "takes nothing after it"},
    };
    for (const auto& [arguments, reason] : cases) {
        const ParsedCommand parsed = parseCommandLine(arguments);
        EXPECT_EQ(parsed.kind, Kind::Error) << reason;
        EXPECT_NE(parsed.error.find(reason), std::string::npos) << parsed.error;
        EXPECT_EQ(parsed.error.find('\n'), std::string::npos) << parsed.error;
    }
}

}  // namespace
}  // namespace report
