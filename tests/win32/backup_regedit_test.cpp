// A set's registry.reg alone restores the registry: imported with the
// system's own registry editor it gives what the program's restore gives.
#include <windows.h>

#include "backup/backup_fixture.h"

namespace backup_test {
namespace {

bool importWithRegedit(const std::string& file) {
    std::string command = "regedit.exe /s \"" + file + "\"";
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

}  // namespace
}  // namespace backup_test
