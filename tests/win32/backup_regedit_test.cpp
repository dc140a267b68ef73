// A set's registry.reg alone restores the registry: imported with the
// system's own registry editor it gives what the program's restore gives.
#include <windows.h>

#include "backup/backup_fixture.h"
#include "platform/registry_key.h"

namespace backup_test {
namespace {

// The 64-bit registry editor where there is one: the Windows folder's copy, which no 32-bit redirection touches.
bool importWithRegedit(const std::string& file) {
    char windows[MAX_PATH];
    GetWindowsDirectoryA(windows, MAX_PATH);
    std::string command = std::string(windows) + "\\regedit.exe /s \"" + file + "\"";
    STARTUPINFOA startup{};
    startup.cb = sizeof startup;
    PROCESS_INFORMATION process{};
    if (!CreateProcessA(nullptr, command.data(), nullptr, nullptr, FALSE, 0, nullptr, nullptr, &startup, &process))
        return false;
    const bool ended = WaitForSingleObject(process.hProcess, 60000) == WAIT_OBJECT_0;
    CloseHandle(process.hThread);
    CloseHandle(process.hProcess);
    return ended;
}

TEST_F(BackupTest, RegeditImportOfTheSetGivesWhatTheProgramsRestoreGives) {
    const std::string tree = key + "\\Tree";
    plantAwkwardTree(tree);
    const std::string before = exported();
    std::string folder;
    {
        backup::BackupSet set = backups.open("Registry scanner delete");
        ASSERT_TRUE(set.addKey(kHkeyCurrentUser, tree));
        ASSERT_TRUE(set.addValue(kHkeyCurrentUser, key, "created later"));
        ASSERT_TRUE(set.commit());
        folder = set.folder();
    }
    removeTree(tree);
    put(key, "created later", kRegSz, std::string("x\0", 2));
    ASSERT_TRUE(importWithRegedit(folder + "\\registry.reg"));
    const std::string byRegedit = exported();

    removeTree(tree);
    put(key, "created later", kRegSz, std::string("x\0", 2));
    ASSERT_TRUE(backups.restore(folder.substr(folder.find_last_of('\\') + 1)).restored);
    EXPECT_EQ(exported(), byRegedit);
    EXPECT_EQ(byRegedit, before);
}

TEST_F(BackupTest, RegeditPutsAThirtyTwoBitKeyBackInItsView) {
    if (!m.registry.views().hasSecondView()) GTEST_SKIP() << "one view: no 32-bit key to tell apart";
    const std::string path = "Software\\VantrelRegedit" + key.substr(key.rfind('\\') + 1);
    ASSERT_EQ(writeValue(m.registry, kHkeyLocalMachine, path, View::Bits32, "who", textValue("32")), kSuccess);
    std::string folder;
    {
        backup::BackupSet set = backups.open("Registry scanner delete");
        ASSERT_TRUE(set.addKey(kHkeyLocalMachine, path, View::Bits32));
        ASSERT_TRUE(set.commit());
        folder = set.folder();
    }
    ASSERT_EQ(deleteKeyTree(m.registry, kHkeyLocalMachine, path, View::Bits32), kSuccess);
    ASSERT_TRUE(importWithRegedit(folder + "\\registry.reg"));
    RegValue value;
    EXPECT_EQ(readValue(m.registry, kHkeyLocalMachine, path, View::Bits32, "who", value), kSuccess);
    EXPECT_EQ(textOf(value), "32");
    EXPECT_FALSE(keyExists(m.registry, kHkeyLocalMachine, path, View::Bits64));
    for (View view : {View::Bits32, View::Bits64}) deleteKeyTree(m.registry, kHkeyLocalMachine, path, view);
}

}  // namespace
}  // namespace backup_test
