// Each report kind over a machine image lists what its page lists, field for
// field, read back from the CSV the console program writes.
#include <gtest/gtest.h>

#include "platform/text_encoding.h"
#include "report/programs_report.h"
#include "report/report_kinds.h"
#include "startup/startup_fixture.h"

namespace report {
namespace {

using namespace platform;

struct Captured : Output {
    std::string text;
    void write(std::string_view utf8) override { text += utf8; }
};

// RFC 4180 read back: quoted fields with doubled quotes and line breaks.
std::vector<std::vector<std::string>> readCsv(std::string_view bytes) {
    std::vector<std::vector<std::string>> rows(1);
    std::string field;
    bool quoted = false;
    for (std::size_t at = 0; at < bytes.size(); ++at) {
        const char c = bytes[at];
        if (quoted && c == '"' && at + 1 < bytes.size() && bytes[at + 1] == '"') field += '"', ++at;
        else if (c == '"') quoted = !quoted;
        else if (!quoted && c == ',') rows.back().push_back(std::exchange(field, {}));
        else if (!quoted && c == '\r' && at + 1 < bytes.size() && bytes[at + 1] == '\n') {
            rows.back().push_back(std::exchange(field, {}));
            rows.emplace_back();
            ++at;
        } else field += c;
    }
    rows.pop_back();  // after the last line end
    return rows;
}

// The startup list's columns as the user sees them.
constexpr std::size_t kName = 0, kCommand = 1, kLocation = 2, kState = 3;

class ReportKindsOnImage : public startup_test::StartupTest {
protected:
    std::vector<std::vector<std::string>> reportCsv(const std::string& what, int expectedExit = kDone) {
        const ReportKinds kinds = reportKinds();
        Captured out, error;
        Console console{pc.machine(), out, error, false, [] { return 0.0; },
                        [](std::string_view text) { return platform::windows1252ToUtf8(text); }, kinds};
        EXPECT_EQ(runConsole({"report", what, "/format", "csv"}, console), expectedExit) << error.text;
        return readCsv(out.text);
    }
    std::size_t column(const std::vector<std::string>& header, const std::string& heading) {
        const auto found = std::find(header.begin(), header.end(), heading);
        EXPECT_NE(found, header.end()) << heading;
        return static_cast<std::size_t>(found - header.begin());
    }
};

TEST_F(ReportKindsOnImage, TheStartupReportListsThePagesRowsWithTheirPlaces) {
    RegFileError error;
    ASSERT_TRUE(pc.loadImage(std::filesystem::path(VANTREL_FIXTURES) / "winxp", error)) << error.describe();
    put(kHkeyCurrentUser, "Software\\Microsoft\\Windows\\CurrentVersion\\Run", "Caf\xE9, \"Tool\"", kRegSz,
        std::string("C:\\caf\xE9\\t.exe /a,b\0", 18));
    loadWith("english.ini");
    showPage();
    const auto rows = reportCsv("startup");
    ASSERT_FALSE(rows.empty());
    const auto& header = rows[0];
    ASSERT_EQ(rows.size() - 1, list().rowCount());
    std::size_t registryRows = 0;
    for (std::size_t i = 0; i < list().rowCount(); ++i) {
        const auto& texts = list().row(i).texts;
        const auto& row = rows[i + 1];
        EXPECT_EQ(row[column(header, "Name")], platform::windows1252ToUtf8(texts[kName]));
        EXPECT_EQ(row[column(header, "Command")], platform::windows1252ToUtf8(texts[kCommand]));
        EXPECT_EQ(row[column(header, "Location")], platform::windows1252ToUtf8(texts[kLocation]));
        EXPECT_EQ(row[column(header, "State")] == "parked", texts[kState] == "0");
        const startup::StartupEntry& entry = *page().entryOfRow(i);
        if (startup::isRegistrySource(entry.source)) {
            ++registryRows;
            EXPECT_EQ(row[column(header, "Key path")], entry.keyPath);
            EXPECT_EQ(row[column(header, "Root")].rfind("HKEY_", 0), 0u);
        } else {
            EXPECT_FALSE(row[column(header, "File")].empty()) << row[0];
        }
    }
    EXPECT_GT(registryRows, 0u);
    EXPECT_LT(registryRows, list().rowCount()) << "the image has win.ini and Startup-folder entries too";
    const auto cafe = std::find_if(rows.begin(), rows.end(), [](const auto& row) { return row[0] == "Caf\xC3\xA9, \"Tool\""; });
    ASSERT_NE(cafe, rows.end());
    EXPECT_EQ((*cafe)[1], "C:\\caf\xC3\xA9\\t.exe /a,b");
    EXPECT_EQ((*cafe)[column(header, "Root")], "HKEY_CURRENT_USER");
}

TEST_F(ReportKindsOnImage, TheProgramsReportListsTheUninstallPagesRowsWithEveryField) {
    RegFileError error;
    ASSERT_TRUE(pc.loadImage(std::filesystem::path(VANTREL_FIXTURES) / "win10x64", error)) << error.describe();
    loadWith("english.ini");
    const ui::ListView& shown = form->uninstallPage->parts.programList;
    const auto rows = reportCsv("programs");
    ASSERT_FALSE(rows.empty());
    const auto& header = rows[0];
    ASSERT_EQ(rows.size() - 1, shown.rowCount());
    ASSERT_GT(shown.rowCount(), 0u);
    std::size_t dated = 0;
    for (std::size_t i = 0; i < shown.rowCount(); ++i) {
        const auto& texts = shown.row(i).texts;
        const auto& row = rows[i + 1];
        EXPECT_EQ(row[column(header, "Name")], windows1252ToUtf8(texts[0]));
        EXPECT_EQ(store::trimSpaces(row[column(header, "Uninstall command")]), windows1252ToUtf8(texts[1]));
        EXPECT_EQ(row[column(header, "Publisher")], windows1252ToUtf8(texts[3]));
        const std::string& date = row[column(header, "Install date")];
        if (date.size() == 10 && date[4] == '-' && date[7] == '-') ++dated;
        EXPECT_EQ(row[column(header, "Key path")].rfind("Software\\", 0), 0u) << row[column(header, "Key path")];
    }
    EXPECT_GT(dated, 0u) << "the image has YYYYMMDD install dates, written as ISO 8601";
}

TEST(ProgramsReport, InstallDatesOfEightDigitsBecomeIso8601AndOthersStayAsWritten) {
    EXPECT_EQ(isoDate("20240131"), "2024-01-31");
    for (const char* other : {"", "2024-01-31", "31.01.2024", "2024013", "2024O131"}) EXPECT_EQ(isoDate(other), other);
}

}  // namespace
}  // namespace report
