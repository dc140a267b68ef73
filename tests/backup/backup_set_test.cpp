// What a set writes, how it is named, and what happens when it cannot be written or read back.
#include <algorithm>

#include "backup/backup_fixture.h"
#include "backup/set_folder.h"

namespace backup_test {
namespace {

TEST(BackupSetFolder, NamesBySecondAndCommandWithACounterAndSafeLetters) {
    const CalendarTime t{2026, 12, 9, 18, 15, 2};
    EXPECT_EQ(backup::setFolderName(t, "Registry scanner delete", 1), "2026-12-09 181502 Registry scanner delete");
    EXPECT_EQ(backup::setFolderName(t, "Registry scanner delete", 2), "2026-12-09 181502 Registry scanner delete (2)");
    EXPECT_EQ(backup::setFolderName({2027, 1, 2, 3, 4, 5}, "Edit a\\b: \"c\"?.", 1), "2027-01-02 030405 Edit a-b- -c--");
    EXPECT_EQ(backup::madeText(t), "2026-12-09 18:15:02");
}

TEST_F(BackupTest, ContentsListWhatTheSetHoldsAndTwoSetsInOneSecondGetTwoFolders) {
    if (!tm->isSubstitute()) GTEST_SKIP() << "the clock is fixed only on the substitute desktop";
    put(key + "\\Run", "tab\there", kRegSz, std::string("x\0", 2));
    m.files.writeFile(at("app.lnk"), "link");
    std::string first;
    {
        backup::BackupSet set = backups.open("Startup delete");
        set.addValue(kHkeyCurrentUser, key + "\\Run", "tab\there");
        set.addIniKey(at("win.ini"), "windows", "load");
        set.addFile(at("app.lnk"));
        ASSERT_TRUE(set.commit());
        first = set.folder();
    }
    EXPECT_EQ(first, at("Backups\\2026-12-09 181502 Startup delete"));
    EXPECT_EQ(readText(first + "\\contents.txt"),
              "Vantrel backup set\r\nCommand: Startup delete\r\nMade: 2026-12-09 18:15:02\r\n\r\n"
              "registry value\tHKEY_CURRENT_USER\\Software\\VantrelTest\\Run\ttab%09here\tsaved\r\n"
              "ini key\tC:\\scratch\\win.ini\twindows\tload\tdid not exist\t\r\n"
              "file\tC:\\scratch\\app.lnk\tsaved\tfiles\\00001.lnk\r\n"
              "\r\nEnd: 3 entries\r\n");
    EXPECT_EQ(readText(first + "\\files\\00001.lnk"), "link");
    const std::string reg = readText(first + "\\registry.reg");
    EXPECT_EQ(reg.rfind("REGEDIT4\r\n\r\n[HKEY_CURRENT_USER\\Software\\VantrelTest\\Run]\r\n\"tab\there\"=\"x\"\r\n", 0), 0u);
    EXPECT_NE(reg.find(backup::kRegistryEndMarker), std::string::npos);

    backup::BackupSet second = backups.open("Startup delete");
    ASSERT_TRUE(second.addFile(at("app.lnk")));
    ASSERT_TRUE(second.commit());
    EXPECT_EQ(second.folder(), first + " (2)");
}

TEST_F(BackupTest, AnUnwritableBackupFolderTakesNothingAndSaysWhy) {
    if (!tm->isSubstitute()) GTEST_SKIP() << "under Wine the user is root and read-only folders take writes";
    put(key + "\\Run", "app", kRegSz, std::string("a\0", 2));
    m.files.writeFile(at("Backups"), "a file where the folder should be");
    m.files.setAttributes(at("Backups"), kAttrReadOnly);
    backup::Backups elsewhere(m, "Q:\\Backups");  // a drive that is not there
    for (backup::Backups* where : {&backups, &elsewhere}) {
        backup::BackupSet set = where->open("Startup delete");
        EXPECT_FALSE(set.addValue(kHkeyCurrentUser, key + "\\Run", "app"));
        EXPECT_FALSE(set.addFile(at("win.ini")));
        EXPECT_TRUE(set.commit()) << "a set that took nothing has nothing to write";
        ASSERT_EQ(set.problems().size(), 2u);
        EXPECT_NE(set.problems()[0].reason.find("cannot be made"), std::string::npos) << set.problems()[0].reason;
        EXPECT_TRUE(set.entries().empty());
    }
    m.files.setAttributes(at("Backups"), kAttrNormal);
}

TEST_F(BackupTest, ASetThatCannotBePutInPlaceFailsWholeAndLeavesNoFolder) {
    put(key + "\\Run", "app", kRegSz, std::string("a\0", 2));
    backup::BackupSet set = backups.open("Startup delete");
    ASSERT_TRUE(set.addValue(kHkeyCurrentUser, key + "\\Run", "app"));
    // Someone takes the set's name before it is renamed into place.
    m.files.writeFile(set.folder(), "in the way");
    EXPECT_FALSE(set.commit());
    EXPECT_TRUE(set.entries().empty());
    ASSERT_FALSE(set.problems().empty());
    EXPECT_NE(set.problems()[0].reason.find("could not be written"), std::string::npos);
    std::uint32_t attributes = 0;
    EXPECT_EQ(m.files.getAttributes(set.folder() + backup::kPartialSuffix, attributes), kFileNotFound);
}

TEST_F(BackupTest, ADamagedSetIsRefusedWithItsLineAndChangesNothing) {
    put(key + "\\Run", "app", kRegSz, std::string("a\0", 2));
    put(key + "\\Run", "other", kRegSz, std::string("b\0", 2));
    std::string folder;
    {
        backup::BackupSet set = backups.open("Startup delete");
        set.addValue(kHkeyCurrentUser, key + "\\Run", "app");
        set.addValue(kHkeyCurrentUser, key + "\\Run", "other");
        ASSERT_TRUE(set.commit());
        folder = set.folder();
    }
    const std::string name = folder.substr(folder.find_last_of('\\') + 1);
    const std::string reg = readText(folder + "\\registry.reg"), contents = readText(folder + "\\contents.txt");
    removeValue(key + "\\Run", "app");
    const std::string changed = exported();
    // The damaged line is the one that holds "other", wherever the set's layout puts it.
    const std::string otherLine =
        "line " + std::to_string(1 + std::count(reg.begin(), reg.begin() + reg.find("\"other\""), '\n'));
    const struct {
        const char* file;
        std::string text;
        std::string words;
    } damages[] = {
        {"registry.reg", reg.substr(0, reg.find("\"other\"")), "cut short"},
        {"registry.reg", std::string(reg).replace(reg.find("\"other\""), 7, "other"), otherLine.c_str()},
        {"contents.txt", contents.substr(0, contents.size() - 12), "incomplete"},
        {"contents.txt", "something else", "not the contents"},
    };
    for (const auto& damage : damages) {
        m.files.writeFile(folder + "\\" + damage.file, damage.text);
        const auto result = backups.restore(name);
        EXPECT_FALSE(result.restored);
        EXPECT_NE(result.error.find(damage.words), std::string::npos) << result.error;
        EXPECT_EQ(exported(), changed);
        EXPECT_EQ(backups.list().size(), 1u) << "a refused restore makes no set of its own";
        m.files.writeFile(folder + "\\registry.reg", reg);
        m.files.writeFile(folder + "\\contents.txt", contents);
    }
}

TEST_F(BackupTest, ListsNewestFirstSkipsHalfWrittenSetsAndDeletesWholeFolders) {
    m.files.createFolder(at("Backups"));
    for (const char* name : {"2026-01-02 100000 Older", "2026-05-06 070809 Newer", "2026-06-01 000000 Cut.partial"})
        m.files.createFolder(at("Backups\\") + name);
    m.files.writeFile(at("Backups\\2026-05-06 070809 Newer\\contents.txt"),
                      backup::contentsHeader("Newer", "2026-05-06 07:08:09") + backup::contentsFooter(0));
    const auto sets = backups.list();
    ASSERT_EQ(sets.size(), 2u);
    EXPECT_EQ(sets[0].command, "Newer");
    EXPECT_TRUE(sets[0].readable);
    EXPECT_FALSE(sets[1].readable) << "a set without its contents is listed, not hidden";

    m.files.createFolder(at("Backups\\2026-05-06 070809 Newer\\files"));
    m.files.writeFile(at("Backups\\2026-05-06 070809 Newer\\files\\00001.lnk"), "x");
    m.files.setAttributes(at("Backups\\2026-05-06 070809 Newer\\files\\00001.lnk"), kAttrReadOnly);
    EXPECT_EQ(backups.remove(sets[0].folderName), kSuccess);
    EXPECT_EQ(backups.list().size(), 1u);
    EXPECT_EQ(backups.remove("..\\..\\WINDOWS"), kInvalidName);
}

}  // namespace
}  // namespace backup_test
