// Reports on a machine with planted entries under Wine: vantrelc.exe's CSV,
// read back, lists what the pages show, and the programs report lists what
// Wine's own `reg query` finds under the same keys.
#include <gtest/gtest.h>

#include <windows.h>
#include <commctrl.h>

#include "platform/registry_key.h"
#include "product/version.h"
#include "report_win32/console_run.h"
#include "startup/startup_sources.h"
#include "store/text_value.h"
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

// Uninstall entries planted in every place the listing reads, and three kinds Windows hides.
struct PlantedProgram {
    platform::Key root;
    View view;
    std::string keyName;
    std::vector<std::pair<std::string, platform::RegValue>> values;
    bool hiddenByWindows;
};

const std::string kUninstallKey = "Software\\Microsoft\\Windows\\CurrentVersion\\Uninstall";

std::vector<PlantedProgram> plantedPrograms() {
    using platform::textValue;
    const auto dword = [](std::uint32_t n) { return platform::RegValue{platform::kRegDword, std::string(reinterpret_cast<const char*>(&n), 4)}; };
    return {
        {kHkeyLocalMachine, View::Native, "VantrelReport.Plain",
         {{"DisplayName", textValue("Vantrel Report Plain")}, {"UninstallString", textValue("C:\\plain\\un.exe /S")},
          {"Publisher", textValue("Plain, Ltd")}, {"DisplayVersion", textValue("2.1")},
          {"InstallDate", textValue("20240131")}, {"EstimatedSize", dword(1536)}},
         false},
        {kHkeyLocalMachine, View::Native, "VantrelReport.Awkward",
         {{"DisplayName", textValue("Vantrel \"Quoted\", Caf\xE9")},
          {"UninstallString", textValue("\"C:\\Program Files\\a,b\\un.exe\" /x \"1\"")}},
         false},
        {kHkeyLocalMachine, View::Bits32, "VantrelReport.Bits32",
         {{"DisplayName", textValue("Vantrel Report 32-bit")}, {"UninstallString", textValue("C:\\x86\\un.exe")}},
         false},
        {kHkeyCurrentUser, View::Native, "VantrelReport.User",
         {{"DisplayName", textValue("Vantrel Report User")}, {"UninstallString", textValue("C:\\u\\un.exe")}},
         false},
        {kHkeyLocalMachine, View::Native, "VantrelReport.Component",
         {{"DisplayName", textValue("Vantrel Hidden Component")}, {"SystemComponent", dword(1)}}, true},
        {kHkeyLocalMachine, View::Native, "VantrelReport.Update",
         {{"DisplayName", textValue("Vantrel Hidden Update")}, {"ParentKeyName", textValue("VantrelReport.Plain")}},
         true},
        {kHkeyLocalMachine, View::Native, "VantrelReport.NoName",
         {{"UninstallString", textValue("C:\\noname\\un.exe")}}, true},
    };
}

class ProgramReportsUnderWine : public ReportsUnderWine {
protected:
    ProgramReportsUnderWine() {
        for (const PlantedProgram& program : plantedPrograms())
            for (const auto& [name, value] : program.values)
                platform::writeValue(pc.real.registry, program.root, kUninstallKey + "\\" + program.keyName,
                                     program.view, name, value);
    }
    ~ProgramReportsUnderWine() override {
        for (const PlantedProgram& program : plantedPrograms())
            platform::deleteKeyTree(pc.real.registry, program.root, kUninstallKey + "\\" + program.keyName,
                                    program.view);
    }
};

TEST_F(ProgramReportsUnderWine, TheProgramsReportListsTheUninstallPagesRowsWithEveryField) {
    startToMainWindow();
    ASSERT_TRUE(ui_test::pumpUntil([&] { return shownRows(main().uninstallPage->parts.programList, 1).size() >= 4; }, 5000));
    Rows shown = shownRows(main().uninstallPage->parts.programList, 2);
    const Rows csv = reportCsv("programs");
    Rows reported = columnsOf(csv, {"Name", "Uninstall command"});
    // The page shows the command trimmed; the report gives it whole.
    for (auto& row : reported) row[1] = store::trimSpaces(row[1]);
    std::sort(shown.begin(), shown.end());
    std::sort(reported.begin(), reported.end());
    EXPECT_EQ(reported, shown);

    const platform::RegistryViews views = pc.real.registry.views();
    const auto viewText = [&](View view) {
        const View seen = views.resolved(view);
        return std::string(seen == View::Bits64 ? "64-bit" : seen == View::Bits32 ? "32-bit" : "native");
    };
    Rows plain = columnsOf(csv, {"Key", "Root", "View", "Key path", "Publisher", "Version", "Install date", "Size"});
    // Registry names ignore case; the listing spells the Uninstall key its own way.
    const auto lower = [](std::string text) {
        for (char& c : text) c = static_cast<char>(std::tolower(static_cast<unsigned char>(c)));
        return text;
    };
    for (auto& row : plain) row[3] = lower(row[3]);
    EXPECT_NE(std::find(plain.begin(), plain.end(),
                        std::vector<std::string>{"VantrelReport.Plain", "HKEY_LOCAL_MACHINE", viewText(View::Native),
                                                 lower(kUninstallKey + "\\VantrelReport.Plain"), "Plain, Ltd", "2.1",
                                                 "2024-01-31", std::to_string(1536 * 1024)}),
              plain.end());
    const Rows names = columnsOf(csv, {"Name", "View"});
    EXPECT_NE(std::find(names.begin(), names.end(), std::vector<std::string>{"Vantrel \"Quoted\", Caf\xC3\xA9", viewText(View::Native)}),
              names.end());
    EXPECT_NE(std::find(names.begin(), names.end(), std::vector<std::string>{"Vantrel Report 32-bit", viewText(View::Bits32)}),
              names.end());
}

// `reg query` of one Uninstall key: the subkeys holding a DisplayName, by key name.
std::vector<std::string> keysWithDisplayName(const std::string& key, const std::string& viewSwitch) {
    const auto run = report_test::runProgram("reg.exe query \"" + key + "\" /s /v DisplayName " + viewSwitch, ".");
    std::vector<std::string> names;
    std::string current;
    std::size_t at = 0;
    while (at < run.out.size()) {
        std::size_t end = run.out.find('\n', at);
        if (end == std::string::npos) end = run.out.size();
        std::string line = run.out.substr(at, end - at);
        at = end + 1;
        if (!line.empty() && line.back() == '\r') line.pop_back();
        if (line.rfind("HKEY_", 0) == 0) current = line.substr(line.find_last_of('\\') + 1);
        else if (line.find("DisplayName") != std::string::npos && !current.empty()) names.push_back(current);
    }
    return names;
}

TEST_F(ProgramReportsUnderWine, EveryEntryRegQueryShowsWithADisplayNameIsReportedExceptThoseWindowsHides) {
    const Rows csv = reportCsv("programs");
    const Rows reported = columnsOf(csv, {"Key", "Key path"});
    std::vector<std::string> hidden;
    for (const PlantedProgram& program : plantedPrograms())
        if (program.hiddenByWindows) hidden.push_back(program.keyName);
    const std::vector<std::pair<std::string, std::string>> peers{
        {"HKLM\\" + kUninstallKey, "/reg:64"}, {"HKLM\\" + kUninstallKey, "/reg:32"}, {"HKCU\\" + kUninstallKey, ""}};
    std::size_t checked = 0;
    for (const auto& [key, view] : peers) {
        for (const std::string& name : keysWithDisplayName(key, view)) {
            if (std::find(hidden.begin(), hidden.end(), name) != hidden.end()) {
                EXPECT_EQ(std::count_if(reported.begin(), reported.end(), [&](const auto& row) { return row[0] == name; }),
                          0)
                    << name << " is one Windows hides";
                continue;
            }
            ++checked;
            EXPECT_NE(std::find_if(reported.begin(), reported.end(), [&](const auto& row) { return row[0] == name; }),
                      reported.end())
                << key << " " << view << ": " << name;
        }
    }
    EXPECT_GE(checked, 4u) << "reg query found the planted entries";
}


}  // namespace
TEST_F(ReportsUnderWine, TheScanReportExitsOneAndNamesAPlantedBrokenReference) {
    const std::string appPath = "Software\\Microsoft\\Windows\\CurrentVersion\\App Paths\\vantrelreport.exe";
    platform::writeValue(pc.real.registry, kHkeyLocalMachine, appPath, View::Native, "",
                         platform::textValue("C:\\no such folder\\vantrelreport.exe"));
    const auto run = report_test::runConsoleProgram("report scan /categories apppaths /format text", ".");
    platform::deleteKeyTree(pc.real.registry, kHkeyLocalMachine, appPath, View::Native);
    EXPECT_EQ(run.exitCode, 1) << run.error;
    EXPECT_EQ(run.out.rfind("Vantrel " VANTREL_VERSION_TEXT ", scan report, ", 0), 0u) << run.out;
    EXPECT_NE(run.out.find("C:\\no such folder\\vantrelreport.exe"), std::string::npos) << run.out;
    EXPECT_TRUE(run.error.empty()) << "no progress on standard error when it is not a console: " << run.error;
}
