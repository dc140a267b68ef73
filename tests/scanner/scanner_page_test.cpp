// The scanner page on the Windows XP-style machine: what each check reports,
// in which order, what Delete removes, and that a scan changes nothing.
#include <algorithm>
#include <sstream>

#include "platform/reg_file.h"
#include "shell/main_window_fixture.h"

using main_window_test::MainWindowTest;
using platform::MessageAnswer;

namespace {

struct Row {
    std::string location, reference, tag, icon;
    bool operator==(const Row&) const = default;
};
std::ostream& operator<<(std::ostream& out, const Row& r) {
    return out << r.location << " | " << r.reference << " | " << r.tag << " | " << r.icon;
}

class ScannerPageTest : public MainWindowTest {
protected:
    ScannerPageTest() {
        platform::RegFileError error;
        EXPECT_TRUE(pc.loadImage(std::filesystem::path(VANTREL_FIXTURES) / "winxp", error)) << error.describe();
        loadWith("english.ini");
        form->scannerMenuButton.click();
    }
    void tick(std::initializer_list<std::size_t> rows) {
        for (std::size_t row = 0; row < 7; ++row) form->categoryList.setChecked(row, false);
        for (std::size_t row : rows) form->categoryList.setChecked(row - 1, true);
    }
    std::vector<Row> findings() {
        std::vector<Row> rows;
        const auto& list = form->findingsList;
        for (std::size_t i = 0; i < list.rowCount(); ++i)
            rows.push_back({list.text(i, 0), list.text(i, 1), list.text(i, 2), list.row(i).smallIcon});
        return rows;
    }
    std::string registry() {
        std::string all;
        for (platform::Key root : {platform::kHkeyLocalMachine, platform::kHkeyClassesRoot})
            all += platform::saveRegFile(pc.registry, root, "", platform::RegFileFormat::Regedit4);
        return all;
    }
    static std::vector<std::string> sortedLines(const std::string& text) {
        std::vector<std::string> lines;
        std::istringstream in(text);
        for (std::string line; std::getline(in, line);) lines.push_back(line);
        std::sort(lines.begin(), lines.end());
        return lines;
    }
    void tickFinding(const std::string& location) {
        for (std::size_t i = 0; i < form->findingsList.rowCount(); ++i)
            if (form->findingsList.text(i, 0) == location) form->findingsList.setChecked(i, true);
    }
    std::uint32_t attributes(const std::string& path) {
        std::uint32_t value = 0;
        pc.files.getAttributes(path, value);
        return value;
    }
};

TEST_F(ScannerPageTest, EveryCheckReportsItsMissingFilesInBlockOrderAndTouchesNoFile) {
    tick({1, 2, 3, 4, 5, 6, 7});
    const std::uint32_t fontAttributes = attributes("C:\\WINDOWS\\Fonts\\tahoma.ttf");
    const std::string before = registry();
    form->startScanButton.click();

    const std::string gone = "C:\\Program Files\\Gone\\";
    const std::vector<Row> expected = {
        {"Lost Serif (TrueType)", "lostserif.ttf", "1", "a"},
        {"Padded Sans (TrueType)", "padded.ttf", "1", "a"},
        {"C:\\Program Files\\Common Files\\Gone\\gone.dll", "C:\\Program Files\\Common Files\\Gone\\gone.dll", "2", "b"},
        {"(no path given)", "empty.exe", "3", "c"},
        {gone + "gone.exe", "gone.exe", "3", "c"},
        {gone + "quoted.exe", "quoted.exe", "3", "c"},
        {"C:\\WINDOWS\\Help", "lost.hlp", "4", "d"},
        {"C:\\WINDOWS\\Help", "lost.chm", "5", "d"},
        {"Expanded.File", "C:\\WINDOWS\\lost.dll", "6", "e"},
        {"Gone.File", gone + "gone.dll", "6", "e"},
        {".gone", gone + "run.exe", "7", "f"},
        {".old", "C:\\OLDDLLS\\EDIT.EXE", "7", "f"},
        {"clsid\\{11111111-0000-0000-0000-000000000001}\\LocalServer32", gone + "server.exe", "8", "g"},
        {"Typelib\\{22222222-0000-0000-0000-000000000001}\\1.0\\0\\win32", gone + "lib.tlb", "9", "g"},
        {"clsid\\{11111111-0000-0000-0000-000000000003}\\toolboxbitmap32", gone + "tool.exe", "10", "g"},
    };
    EXPECT_EQ(findings(), expected);
    EXPECT_EQ(form->statusCaption.caption(), "15 problems found");
    EXPECT_EQ(form->scanRowCount, 15);
    EXPECT_TRUE(pc.desktop.messages.empty());
    EXPECT_EQ(attributes("C:\\WINDOWS\\Fonts\\tahoma.ttf"), fontAttributes) << "a scan changes no file";
    EXPECT_EQ(registry(), before) << "a scan changes no entry";
}

TEST_F(ScannerPageTest, NothingTickedOrNothingFoundIsSaidAndEarlierFindingsStay) {
    tick({7});
    form->startScanButton.click();
    const auto found = findings();
    ASSERT_EQ(found.size(), 3u);
    tick({});
    form->startScanButton.click();
    EXPECT_EQ(findings(), found);
    ASSERT_EQ(pc.desktop.messages.size(), 1u);
    EXPECT_EQ(pc.desktop.messages[0].text, form->language.text(96));
    pc.registry.deleteKey(platform::kHkeyLocalMachine, "SOFTWARE\\Microsoft\\Windows\\CurrentVersion\\SharedDlls");
    tick({2});
    form->refreshScanButton.click();
    EXPECT_TRUE(findings().empty());
    EXPECT_EQ(pc.desktop.messages.back().text, form->language.text(97));
    EXPECT_EQ(form->statusCaption.caption(), "0 problems found");
}

TEST_F(ScannerPageTest, DeleteRemovesExactlyTheTickedEntriesAfterBackingThemUp) {
    tick({1, 3, 6});
    form->startScanButton.click();
    const std::string before = registry();
    tickFinding("Padded Sans (TrueType)");
    tickFinding("C:\\Program Files\\Gone\\gone.exe");
    tickFinding(".gone");

    pc.desktop.answers = {MessageAnswer::No};
    form->deleteFindingsButton.click();
    EXPECT_EQ(registry(), before);
    EXPECT_EQ(findings().size(), 7u);

    pc.desktop.answers = {MessageAnswer::Yes};
    form->deleteFindingsButton.click();
    EXPECT_EQ(findings().size(), 4u);
    EXPECT_EQ(form->statusCaption.caption(), "4 entries left");
    std::string text;
    const std::string fonts = "SOFTWARE\\Microsoft\\Windows NT\\CurrentVersion\\Fonts";
    EXPECT_FALSE(form->store.readString(platform::kHkeyLocalMachine, fonts, " Padded Sans (TrueType) ", text))
        << "the value is deleted by its exact name";
    EXPECT_TRUE(form->store.readString(platform::kHkeyLocalMachine, fonts, "Lost Serif (TrueType)", text));
    EXPECT_FALSE(form->store.keyExists(platform::kHkeyLocalMachine,
                                       "SOFTWARE\\Microsoft\\Windows\\CurrentVersion\\App Paths\\gone.exe"))
        << "the App Paths entry goes with its subkeys";
    EXPECT_TRUE(form->store.keyExists(platform::kHkeyClassesRoot, ".gone")) << "only the default value goes";
    EXPECT_FALSE(form->store.readString(platform::kHkeyClassesRoot, ".gone", "", text));

    // The backup puts everything back.
    const auto sets = form->backups.list();
    ASSERT_EQ(sets.size(), 1u);
    EXPECT_EQ(sets[0].command, "Registry scanner delete");
    EXPECT_EQ(sets[0].entries, 3u);
    ASSERT_TRUE(form->backups.restore(sets[0].folderName).restored);
    // A value put back comes last among its key's values; what the key holds is the same.
    EXPECT_EQ(sortedLines(registry()), sortedLines(before));
}

TEST_F(ScannerPageTest, AFindingThatCannotBeBackedUpIsNotDeletedAndStaysTicked) {
    tick({2});
    form->startScanButton.click();
    writeFile("Vantrel/Backups", "a file where the folder belongs");
    form->selectAllFindingsButton.click();
    const std::string before = registry();
    pc.desktop.answers = {MessageAnswer::Yes};
    form->deleteFindingsButton.click();
    EXPECT_EQ(registry(), before);
    ASSERT_EQ(findings().size(), 1u);
    EXPECT_TRUE(form->findingsList.row(0).checked);
    EXPECT_EQ(form->statusCaption.caption(), "1 entries left");
    ASSERT_EQ(pc.desktop.messages.size(), 2u);
    EXPECT_NE(pc.desktop.messages[1].text.find("backed up"), std::string::npos) << pc.desktop.messages[1].text;
}

TEST_F(ScannerPageTest, StopEndsTheScanKeepingItsFindingsAndOtherButtonsWaitMeanwhile) {
    tick({1, 2, 7});
    int steps = 0;
    bool refreshWasOff = false;
    pc.desktop.onYield = [&] {
        if (++steps != 3) return;
        refreshWasOff = !form->refreshScanButton.enabled();
        EXPECT_EQ(form->startScanButton.caption(), "Stop");
        form->deleteFindingsButton.click();  // nothing happens: no question asked
        form->startScanButton.click();
    };
    form->startScanButton.click();
    pc.desktop.onYield = nullptr;
    EXPECT_TRUE(refreshWasOff);
    EXPECT_TRUE(pc.desktop.messages.empty());
    EXPECT_EQ(findings().size(), 1u) << "the font found before Stop stays";
    EXPECT_EQ(form->startScanButton.caption(), form->language.text(22));
    EXPECT_TRUE(form->refreshScanButton.enabled());
}

TEST_F(ScannerPageTest, APageSwitchStopsTheScanWithoutTouchingTheOtherPage) {
    tick({1, 2, 3, 4, 5, 6, 7});
    int steps = 0;
    pc.desktop.onYield = [&] {
        if (++steps == 2) form->uninstallMenuButton.click();
    };
    form->startScanButton.click();
    pc.desktop.onYield = nullptr;
    EXPECT_TRUE(form->uninstallPage->parts.programList.visible());
    EXPECT_FALSE(form->scannerPage->busy());
    EXPECT_EQ(form->statusCaption.caption(), "") << "no result line on the uninstall page";
    EXPECT_TRUE(pc.desktop.messages.empty());
}

}  // namespace
