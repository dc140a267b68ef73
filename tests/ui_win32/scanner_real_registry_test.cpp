// The scanner on the real registry of the test prefix: one planted bad reference
// per check comes back as one row of its tag, Delete removes exactly the planted
// entries, and the backup puts them all back.
#include <algorithm>
#include <map>
#include <sstream>

#include "platform/reg_file.h"
#include "ui_win32/program_ui.h"

namespace {

using platform::kHkeyClassesRoot;
using platform::kHkeyLocalMachine;

constexpr const char* kFonts = "Software\\Microsoft\\Windows\\CurrentVersion\\Fonts";
constexpr const char* kSharedDlls = "Software\\Microsoft\\Windows\\CurrentVersion\\SharedDlls";
constexpr const char* kAppPath = "Software\\Microsoft\\Windows\\CurrentVersion\\App Paths\\vantrel-gone.exe";
constexpr const char* kHelp = "Software\\Microsoft\\Windows\\Help";
constexpr const char* kHtmlHelp = "Software\\Microsoft\\Windows\\HTML Help";
constexpr const char* kServer = "CLSID\\{7A3E0000-5641-4E54-5245-000000000001}";
constexpr const char* kToolbox = "CLSID\\{7A3E0000-5641-4E54-5245-000000000002}";
constexpr const char* kLibrary = "TypeLib\\{7A3E0000-5641-4E54-5245-000000000003}";
constexpr const char* kIndexed = "TypeLib\\{7A3E0000-5641-4E54-5245-000000000004}";

class ScannerRealRegistry : public ui_test::ProgramUi {
protected:
    void put(platform::Key root, const std::string& path, const std::string& name, const std::string& text) {
        ASSERT_TRUE(main().store.saveString(root, path, name, text)) << path;
    }
    void putNumber(const std::string& path, const std::string& name) {
        ASSERT_EQ(main().store.writeValue("HKLM", path, name, "D", std::int32_t{1}), 0);
    }
    void plant() {
        // The 9x forms are the ones the checks walk first; the prefix lacks some of them.
        for (const char* key : {kSharedDlls, kHelp, kHtmlHelp})
            if (!main().store.keyExists(kHkeyLocalMachine, key)) created.push_back(key);
        put(kHkeyLocalMachine, kFonts, "Vantrel Lost (TrueType)", "vantrel-lost.ttf");
        putNumber(kSharedDlls, "C:\\VantrelGone\\shared.dll");
        put(kHkeyLocalMachine, kAppPath, "", "C:\\VantrelGone\\gone.exe");
        put(kHkeyLocalMachine, kHelp, "vantrel.hlp", "C:\\VantrelGone");
        put(kHkeyLocalMachine, kHtmlHelp, "vantrel.chm", "C:\\VantrelGone");
        put(kHkeyClassesRoot, "VantrelGone.File\\DefaultIcon", "", "C:\\VantrelGone\\icons.dll,2");
        put(kHkeyClassesRoot, ".vantrelgone", "", "VantrelGone.File");
        put(kHkeyClassesRoot, "VantrelGone.File\\shell\\open\\command", "", "\"C:\\VantrelGone\\run.exe\" \"%1\"");
        put(kHkeyClassesRoot, std::string(kServer) + "\\LocalServer32", "", "C:\\VantrelGone\\server.exe /automation");
        put(kHkeyClassesRoot, std::string(kToolbox) + "\\ToolboxBitmap32", "", "C:\\VantrelGone\\tool.exe, 1");
        put(kHkeyClassesRoot, std::string(kLibrary) + "\\1.0\\0\\win32", "", "C:\\VantrelGone\\lib.tlb");
        put(kHkeyClassesRoot, std::string(kIndexed) + "\\1.0\\0\\win32", "", "C:\\windows\\notepad.exe\\2");
    }
    ~ScannerRealRegistry() override {
        main().store.deleteValue("HKLM", kFonts, "Vantrel Lost (TrueType)");
        for (const char* key : {kSharedDlls, kHelp, kHtmlHelp}) {
            main().store.deleteValue("HKLM", key, "C:\\VantrelGone\\shared.dll");
            main().store.deleteValue("HKLM", key, "vantrel.hlp");
            main().store.deleteValue("HKLM", key, "vantrel.chm");
        }
        for (const std::string& key : created) main().store.deleteKeyTree("HKLM", "", key);
        main().store.deleteKeyTree("HKLM", "Software\\Microsoft\\Windows\\CurrentVersion\\App Paths", "vantrel-gone.exe");
        for (const char* key : {"VantrelGone.File", ".vantrelgone", kServer, kToolbox, kLibrary, kIndexed})
            main().store.deleteKeyTree("HKCR", "", key);
        for (const auto& set : main().backups.list())
            if (set.command == "Registry scanner delete" || set.command.rfind("Restore of", 0) == 0)
                main().backups.remove(set.folderName);
    }
    // The planted places as registry-editor text, lines sorted: a value put back comes last in its key.
    std::string planted() {
        std::vector<std::string> lines;
        auto add = [&](platform::Key root, const std::string& path) {
            std::istringstream in(platform::saveRegFile(main().machine.registry, root, path, platform::RegFileFormat::Regedit4));
            for (std::string line; std::getline(in, line);)
                if (line.find("Vantrel") != std::string::npos || line.find("vantrel") != std::string::npos ||
                    line.find("C:\\\\VantrelGone") != std::string::npos)
                    lines.push_back(line);
        };
        for (const char* key : {kFonts, kSharedDlls, kHelp, kHtmlHelp, kAppPath}) add(kHkeyLocalMachine, key);
        for (const char* key : {"VantrelGone.File", ".vantrelgone", kServer, kToolbox, kLibrary, kIndexed})
            add(kHkeyClassesRoot, key);
        std::sort(lines.begin(), lines.end());
        std::string text;
        for (const auto& line : lines) text += line + "\n";
        return text;
    }
    std::map<std::string, std::vector<std::size_t>> plantedRowsByTag() {
        std::map<std::string, std::vector<std::size_t>> rows;
        const auto& list = main().scannerPage->findingsList;
        for (std::size_t i = 0; i < list.rowCount(); ++i) {
            const std::string both = list.text(i, 0) + "|" + list.text(i, 1);
            if (both.find("antrel") != std::string::npos || both.find(kServer) != std::string::npos ||
                both.find(kToolbox + 6) != std::string::npos || both.find("7A3E0000") != std::string::npos)
                rows[std::to_string(static_cast<int>(main().scannerPage->findingOfRow(i).tag))].push_back(i);
        }
        return rows;
    }

    std::vector<std::string> created;
};

TEST_F(ScannerRealRegistry, EachCheckFindsItsPlantedEntryAndDeleteRemovesExactlyThoseUntilRestored) {
    startToMainWindow();
    plant();
    const std::string before = planted();
    clickOn(handle(main().scannerMenuButton));
    for (std::size_t row = 0; row < 7; ++row) main().scannerPage->categoryList.setChecked(row, true);
    clickOn(handle(main().scannerPage->startButton));
    ASSERT_FALSE(main().scannerPage->busy());

    const auto rows = plantedRowsByTag();
    for (int tag = 1; tag <= 10; ++tag)
        EXPECT_EQ(rows.count(std::to_string(tag)) ? rows.at(std::to_string(tag)).size() : 0u, 1u) << "tag " << tag;
    ASSERT_EQ(rows.size(), 10u) << "the resource index of the second type library is not a missing file";
    const std::size_t total = main().scannerPage->findingsList.rowCount();
    for (const auto& [tag, found] : rows) main().scannerPage->findingsList.setChecked(found.front(), true);
    pc.desktop.answers = {platform::MessageAnswer::Yes};
    clickOn(handle(main().scannerPage->deleteButton));

    EXPECT_EQ(main().scannerPage->findingsList.rowCount(), total - 10) << "the other findings stay";
    EXPECT_TRUE(plantedRowsByTag().empty());
    std::string text;
    EXPECT_TRUE(main().store.keyExists(kHkeyClassesRoot, ".vantrelgone")) << "only its default value goes";
    EXPECT_FALSE(main().store.readString(kHkeyClassesRoot, ".vantrelgone", "", text));
    EXPECT_TRUE(main().store.keyExists(kHkeyClassesRoot, std::string(kServer) + "\\LocalServer32"));
    EXPECT_FALSE(main().store.keyExists(kHkeyClassesRoot, "VantrelGone.File\\DefaultIcon"));
    EXPECT_TRUE(main().store.readString(kHkeyClassesRoot, std::string(kIndexed) + "\\1.0\\0\\win32", "", text));
    EXPECT_NE(planted(), before);

    const auto sets = main().backups.list();
    ASSERT_FALSE(sets.empty());
    EXPECT_EQ(sets[0].command, "Registry scanner delete");
    EXPECT_EQ(sets[0].entries, 10u);
    ASSERT_TRUE(main().backups.restore(sets[0].folderName).restored);
    EXPECT_EQ(planted(), before);
}

}  // namespace
