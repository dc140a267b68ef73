// The scan on a 64-bit Windows image: every place each check has, paths as the
// registration's own process sees them, locations that say where they are, and
// deletes that act in their finding's own root, view and key only.
#include <gtest/gtest.h>

#include <filesystem>

#include "backup/backups.h"
#include "platform/registry_key.h"
#include "platform/substitute_machine.h"
#include "scanner/finding_deletion.h"
#include "scanner/scan.h"
#include "scanner/scan_context.h"
#include "scanner/scan_test_support.h"
#include "support/temp_folder.h"

namespace {

using platform::View;
constexpr platform::Key kMachine = platform::kHkeyLocalMachine;
constexpr platform::Key kUser = platform::kHkeyCurrentUser;

using scanner_test::Seen;

class Scan64Test : public ::testing::Test {
protected:
    Scan64Test() : root(testing_support::makeTempFolder("vantrel-scan64")), pc(root, "C:\\Vantrel", "C:\\Windows") {
        std::filesystem::create_directories(root / "Vantrel");
        platform::RegFileError error;
        EXPECT_TRUE(pc.loadImage(std::filesystem::path(VANTREL_FIXTURES) / "win64", error)) << error.describe();
        pc.processes.environment.push_back({"ProgramFiles(x86)", "C:\\Program Files (x86)"});
    }
    ~Scan64Test() override { std::filesystem::remove_all(root); }

    std::vector<scanner::Finding> scanAll(bool machineIs64Bit) {
        pc.registry.setViews({machineIs64Bit, machineIs64Bit});
        return scanner_test::scanEveryCategory(machine);
    }
    static std::vector<Seen> seen(const std::vector<scanner::Finding>& findings) {
        std::vector<Seen> out;
        for (const auto& f : findings) out.push_back(scanner_test::seenOf(f, f.places.front().view));
        return out;
    }
    std::string server(View view, platform::Key where, const std::string& id) {
        platform::RegValue value;
        const std::string key = "Software\\Classes\\CLSID\\" + id + "\\LocalServer32";
        if (platform::readValue(pc.registry, where, key, view, "", value) != platform::kSuccess) return "(none)";
        return platform::textOf(value).value_or("");
    }

    std::filesystem::path root;
    platform::SubstituteMachine pc;
    platform::Machine machine = pc.machine();
};

const std::string k64 = "{64000000-0000-0000-0000-0000000000";
const std::string k32 = "{32000000-0000-0000-0000-0000000000";

TEST_F(Scan64Test, EveryPlaceIsCheckedOnceAsItsOwnProcessSeesItsFiles) {
    const std::vector<Seen> expected = {
        {"Gone Sans (TrueType)", "gonesans.ttf", 1, kMachine, View::Bits64},
        // Only in SysWOW64: missing for a 64-bit registration, there for the 32-bit one.
        {"C:\\Windows\\System32\\shared32.dll", "C:\\Windows\\System32\\shared32.dll", 2, kMachine, View::Bits64},
        {"C:\\Gone\\gone.exe", "gone.exe", 3, kMachine, View::Bits64},  // App Paths: shared, read once
        {"Gone.File", "C:\\Gone\\icon.dll", 6, kMachine, View::Bits64},
        {"User.File (current user)", "C:\\Gone\\user.ico", 6, kUser, View::Bits64},
        {".usr (current user)", "C:\\Gone\\open.exe", 7, kUser, View::Bits64},  // the type is the machine's
        {"clsid\\" + k64 + "02}\\LocalServer32", "C:\\Windows\\System32\\server32.exe", 8, kMachine, View::Bits64},
        {"clsid\\" + k32 + "02}\\LocalServer32 (32-bit)", "C:\\Windows\\System32\\server64.exe", 8, kMachine,
         View::Bits32},
        {"clsid\\" + k32 + "05}\\LocalServer32 (32-bit)", "C:\\Program Files (x86)\\Tools\\tool64.exe", 8, kMachine,
         View::Bits32},
        {"clsid\\" + k64 + "02}\\LocalServer32 (32-bit)", "C:\\Gone\\gone32.exe", 8, kMachine, View::Bits32},
        {"clsid\\" + k64 + "21}\\LocalServer32 (current user)", "C:\\Gone\\user.exe", 8, kUser, View::Bits64},
        // A type library's win32 file is a 32-bit file: System32 means SysWOW64.
        {"Typelib\\{7E000000-0000-0000-0000-000000000002}\\1.0\\0\\win32", "C:\\Windows\\System32\\lib64.tlb", 9,
         kMachine, View::Bits64},
        {"clsid\\" + k64 + "01}\\toolboxbitmap32", "C:\\Gone\\tool.exe", 10, kMachine, View::Bits64},
    };
    EXPECT_EQ(seen(scanAll(true)), expected);
}

TEST_F(Scan64Test, AMachineWithOneViewReadsNothingTwiceAndLabelsNothing) {
    int servers = 0;
    for (const Seen& s : seen(scanAll(false))) {
        EXPECT_EQ(s.view, View::Native) << s;
        EXPECT_EQ(s.location.find("-bit)"), std::string::npos) << s;
        servers += s.tag == 8;
    }
    EXPECT_EQ(servers, 2) << "the machine's and the user's missing server, each once";
}

// Each build deletes the other view's finding; the backup must save that view's key, not its namesake.
TEST_F(Scan64Test, DeleteActsInItsFindingsOwnRootViewAndKeyThroughTheBackup) {
    struct Case {
        bool build64;
        View deleted, kept;
        std::string keptServer;
    };
    for (const Case& c : {Case{true, View::Bits32, View::Bits64, "C:\\Windows\\System32\\server32.exe"},
                          Case{false, View::Bits64, View::Bits32, "C:\\Gone\\gone32.exe"}}) {
        SCOPED_TRACE(c.build64 ? "from the 64-bit build" : "from the 32-bit build");
        auto findings = scanAll(true);
        pc.registry.setViews({true, c.build64});
        const std::string before = server(c.deleted, kMachine, k64 + "02}");
        auto* finding = &findings.front();
        finding->places = {{kMachine, c.deleted, "Software\\Classes\\CLSID\\" + k64 + "02}\\LocalServer32", "", true}};
        backup::Backups backups(machine, c.build64 ? "C:\\Vantrel\\Backups64" : "C:\\Vantrel\\Backups32");
        const auto result = scanner::deleteFindings(pc.registry, backups, {finding});
        ASSERT_EQ(result.deleted, std::vector<bool>{true}) << (result.failures.empty() ? "" : result.failures[0]);
        EXPECT_EQ(server(c.deleted, kMachine, k64 + "02}"), "(none)");
        EXPECT_EQ(server(c.kept, kMachine, k64 + "02}"), c.keptServer);
        EXPECT_EQ(server(View::Bits64, kUser, k64 + "02}"), "C:\\Windows\\System32\\server64.exe");

        const auto sets = backups.list();
        ASSERT_EQ(sets.size(), 1u);
        ASSERT_TRUE(backups.restore(sets.front().folderName).restored);
        EXPECT_EQ(server(c.deleted, kMachine, k64 + "02}"), before);
    }
}

}  // namespace

namespace {

// How each process names a registration's file: the substitute's files know no
// redirection, so the 32-bit build's view of a 64-bit registration is checked here.
TEST(FileSightTest, PathsAndReferencesReadAsTheRegistrationsOwnProcessSeesThem) {
    using scanner::Bits;
    struct Case {
        bool processIs64Bit;
        Bits bits;
        std::string path, seen;
    };
    const std::string sys = "C:\\Windows\\System32\\";
    const Case cases[] = {
        {true, Bits::B32, sys + "a.exe", "C:\\Windows\\SysWOW64\\a.exe"},
        {true, Bits::B32, "c:\\windows\\system32\\A.EXE", "C:\\Windows\\SysWOW64\\A.EXE"},
        {true, Bits::B32, sys + "drivers\\etc\\hosts", sys + "drivers\\etc\\hosts"},
        {true, Bits::B32, sys + "spool\\x.exe", sys + "spool\\x.exe"},
        {true, Bits::B32, sys + "spooler\\x.exe", "C:\\Windows\\SysWOW64\\spooler\\x.exe"},
        {true, Bits::B64, sys + "a.exe", sys + "a.exe"},
        {false, Bits::B64, sys + "a.exe", "C:\\Windows\\Sysnative\\a.exe"},
        {false, Bits::B32, sys + "a.exe", sys + "a.exe"},
        {true, Bits::Native, sys + "a.exe", sys + "a.exe"},
    };
    for (const Case& c : cases)
        EXPECT_EQ((scanner::FileSight{c.processIs64Bit, "C:\\Windows"}.asSeen(c.path, c.bits)), c.seen) << c.path;

    EXPECT_EQ(
        (scanner::FileSight{true, "C:\\Windows"}.forExpansion("%programfiles%\\a;%CommonProgramFiles%", Bits::B32)),
        "%ProgramFiles(x86)%\\a;%CommonProgramFiles(x86)%");
    EXPECT_EQ((scanner::FileSight{false, "C:\\Windows"}.forExpansion("%ProgramFiles%\\a", Bits::B64)),
              "%ProgramW6432%\\a");
    EXPECT_EQ((scanner::FileSight{true, "C:\\Windows"}.forExpansion("%ProgramFiles%\\a", Bits::B64)),
              "%ProgramFiles%\\a");
}

}  // namespace
