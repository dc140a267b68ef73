// Reports on a machine with planted entries under Wine: vantrelc.exe's CSV,
// read back, lists what the pages show, and the programs report lists what
// Wine's own `reg query` finds under the same keys.
#include <gtest/gtest.h>

#include <windows.h>
#include <commctrl.h>

#include "platform/registry_key.h"
#include "report_win32/console_run.h"
#include "startup/startup_sources.h"
#include "ui_win32/program_ui.h"

namespace {

using platform::kHkeyCurrentUser;
using platform::kHkeyLocalMachine;
using platform::View;
using Rows = std::vector<std::vector<std::string>>;

// Awkward names: a comma, quotes, and a Windows-1252 letter that must come out as UTF-8.
const std::vector<std::pair<std::string, std::string>> kUserRunEntries{
    {"Vantrel Report Tool", "C:\\tools\\tool.exe /min"},
    {"Vantrel, \"Quoted\" Report", "\"C:\\Program Files\\a,b\\q.exe\" --x=\"1\""},
    {"Vantrel Caf\xE9 Report", "C:\\caf\xE9\\c.exe"},
};

std::string utf8(const std::string& ansi) {
    const int wide = MultiByteToWideChar(CP_ACP, 0, ansi.data(), static_cast<int>(ansi.size()), nullptr, 0);
    std::wstring text(static_cast<std::size_t>(wide), L'\0');
    MultiByteToWideChar(CP_ACP, 0, ansi.data(), static_cast<int>(ansi.size()), text.data(), wide);
    const int size = WideCharToMultiByte(CP_UTF8, 0, text.data(), wide, nullptr, 0, nullptr, nullptr);
    std::string out(static_cast<std::size_t>(size), '\0');
    WideCharToMultiByte(CP_UTF8, 0, text.data(), wide, out.data(), size, nullptr, nullptr);
    return out;
}

class ReportsUnderWine : public ui_test::ProgramUi {
protected:
    ReportsUnderWine() {
        for (const auto& [name, command] : kUserRunEntries)
            platform::writeValue(pc.real.registry, kHkeyCurrentUser, startup::kRunKey, View::Native, name,
                                 platform::textValue(command));
    }
    ~ReportsUnderWine() override {
        for (const auto& [name, command] : kUserRunEntries)
            platform::deleteValue(pc.real.registry, kHkeyCurrentUser, startup::kRunKey, View::Native, name);
        DeleteFileA(outputFile().c_str());
    }
    std::string outputFile() { return pc.real.files.programFolder() + "\\report.csv"; }

    // The report as a CSV file, read back; its exit code checked.
    Rows reportCsv(const std::string& what, int expectedExit = 0) {
        const auto run = report_test::runConsoleProgram(
            "report " + what + " /format csv /out \"" + outputFile() + "\"", pc.real.files.programFolder());
        EXPECT_EQ(run.exitCode, expectedExit) << run.error;
        EXPECT_TRUE(run.out.empty()) << "a report written to a file leaves standard output empty";
        std::string bytes;
        EXPECT_EQ(pc.real.files.readFile(outputFile(), bytes), platform::kSuccess);
        EXPECT_EQ(bytes.rfind("\xEF\xBB\xBF", 0), 0u) << "a CSV file starts with the byte-order mark";
        return report_test::readCsv(bytes);
    }
    // The texts of the real list control's first `columns` columns, row by row, as UTF-8.
    Rows shownRows(const ui::ListView& listView, int columns) {
        HWND list = handle(listView);
        const int count = static_cast<int>(SendMessageA(list, LVM_GETITEMCOUNT, 0, 0));
        Rows rows;
        for (int i = 0; i < count; ++i) {
            std::vector<std::string> row;
            for (int column = 0; column < columns; ++column) {
                char text[1024] = {};
                LVITEMA item{};
                item.iSubItem = column;
                item.pszText = text;
                item.cchTextMax = sizeof text;
                SendMessageA(list, LVM_GETITEMTEXTA, static_cast<WPARAM>(i), reinterpret_cast<LPARAM>(&item));
                row.push_back(utf8(text));
            }
            rows.push_back(std::move(row));
        }
        return rows;
    }
    // The report's rows cut to the headings given, in that order; the header row left out.
    static Rows columnsOf(const Rows& csv, const std::vector<std::string>& headings) {
        Rows rows;
        if (csv.empty()) return rows;
        std::vector<std::size_t> at;
        for (const std::string& heading : headings)
            at.push_back(static_cast<std::size_t>(std::find(csv[0].begin(), csv[0].end(), heading) - csv[0].begin()));
        for (std::size_t r = 1; r < csv.size(); ++r) {
            std::vector<std::string> row;
            for (std::size_t column : at) row.push_back(column < csv[r].size() ? csv[r][column] : "<missing>");
            rows.push_back(std::move(row));
        }
        return rows;
    }
};

TEST_F(ReportsUnderWine, TheStartupReportListsTheStartupPagesRows) {
    startToMainWindow();
    clickOn(handle(main().startupMenuButton));
    ASSERT_TRUE(ui_test::pumpUntil([&] { return main().startupPage.list.rowCount() >= kUserRunEntries.size(); }, 5000));
    const Rows shown = shownRows(main().startupPage.list, 3);
    const Rows csv = reportCsv("startup");
    ASSERT_FALSE(csv.empty());
    EXPECT_EQ(csv[0][0], "Name");
    EXPECT_EQ(columnsOf(csv, {"Name", "Command", "Location"}), shown);
    for (const auto& [name, command] : kUserRunEntries) {
        const Rows rows = columnsOf(csv, {"Name", "Command", "Root", "Key path", "State"});
        EXPECT_NE(std::find(rows.begin(), rows.end(),
                            std::vector<std::string>{utf8(name), utf8(command), "HKEY_CURRENT_USER", startup::kRunKey,
                                                     "active"}),
                  rows.end())
            << name;
    }
}

}  // namespace
