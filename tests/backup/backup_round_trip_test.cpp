// Save, change, restore: the registry, INI keys and files come back exactly,
// natively on the substitutes and under Wine on the real registry.
#include <cstring>

#include "backup/backup_fixture.h"

namespace backup_test {
namespace {

TEST_F(BackupTest, RestoredKeyTreeExportsByteForByteAsBefore) {
    const std::string tree = key + "\\Tree";
    plantAwkwardTree(tree);
    const std::string before = exported();

    {
        backup::BackupSet set = backups.open("Registry scanner delete");
        ASSERT_TRUE(set.addKey(kHkeyCurrentUser, tree));
        ASSERT_TRUE(set.commit()) << set.problems().front().reason;
    }
    removeTree(tree);
    ASSERT_NE(exported(), before);

    const auto sets = backups.list();
    ASSERT_EQ(sets.size(), 1u);
    const auto result = backups.restore(sets[0].folderName);
    ASSERT_TRUE(result.restored) << result.error;
    EXPECT_EQ(exported(), before);
}

TEST_F(BackupTest, ValuesAndCreatedPlacesGoBackToHowTheyWere) {
    put(key + "\\Run", "kept", kRegSz, std::string("old.exe\0", 8));
    put(key + "\\Run", "", kRegSz, std::string("default\0", 8));
    put(key + "\\Gone", "x", kRegDword, std::string("\1\0\0\0", 4));
    const std::string before = exported();

    {
        backup::BackupSet set = backups.open("Startup edit");
        for (const char* name : {"kept", "", "created"}) ASSERT_TRUE(set.addValue(kHkeyCurrentUser, key + "\\Run", name));
        ASSERT_TRUE(set.addValue(kHkeyCurrentUser, key + "\\New", "v"));
        ASSERT_TRUE(set.addKey(kHkeyCurrentUser, key + "\\Gone"));
        ASSERT_TRUE(set.addKey(kHkeyCurrentUser, key + "\\Made"));
        ASSERT_TRUE(set.commit());
        const auto& e = set.entries();
        ASSERT_EQ(e.size(), 6u);
        EXPECT_TRUE(e[0].existed && e[1].existed && e[4].existed);
        EXPECT_FALSE(e[2].existed || e[3].existed || e[5].existed);
    }
    // The command: change, delete, create.
    put(key + "\\Run", "kept", kRegExpandSz, std::string("new.exe\0", 8));
    removeValue(key + "\\Run", "");
    put(key + "\\Run", "created", kRegSz, std::string("c\0", 2));
    put(key + "\\New", "v", kRegSz, std::string("n\0", 2));
    removeTree(key + "\\Gone");
    put(key + "\\Made\\Deeper", "d", kRegSz, std::string("d\0", 2));

    const auto result = backups.restore(backups.list()[0].folderName);
    ASSERT_TRUE(result.restored) << result.error;
    EXPECT_EQ(exported(), before);
}

TEST_F(BackupTest, IniKeysAndFilesGoBackAndCreatedOnesGo) {
    // Not "win.ini": the system maps that name's sections into the registry wherever the file lies.
    const std::string ini = at("startup.ini");
    m.files.writeFile(ini, "[windows]\r\nrun=clock.exe  \r\nload=\r\n");
    m.files.writeFile(at("link.lnk"), "old shortcut");
    {
        backup::BackupSet set = backups.open("Startup disable");
        for (const char* name : {"run", "load", "rundisabled"}) ASSERT_TRUE(set.addIniKey(ini, "windows", name));
        ASSERT_TRUE(set.addFile(at("link.lnk")));
        ASSERT_TRUE(set.addFile(at("parked.lnk")));
        ASSERT_TRUE(set.commit());
    }
    const std::string iniBefore = readText(ini);
    m.profile.writeString("windows", "run", std::string("other.exe"), ini);
    m.profile.writeString("windows", "load", std::nullopt, ini);
    m.profile.writeString("windows", "rundisabled", std::string("clock.exe"), ini);
    m.files.writeFile(at("link.lnk"), "changed");
    m.files.writeFile(at("parked.lnk"), "created");

    const auto result = backups.restore(backups.list()[0].folderName);
    ASSERT_TRUE(result.restored) << result.error << ": " << (result.problems.empty() ? "" : result.problems[0].place + ": " + result.problems[0].reason);
    char text[64];
    for (const auto& [name, expected] : {std::pair{"run", "clock.exe"}, std::pair{"load", ""}}) {
        EXPECT_EQ(m.profile.getString("windows", name, "(none)", text, sizeof text, ini), std::strlen(expected));
        EXPECT_STREQ(text, expected) << name;
    }
    m.profile.getString("windows", "rundisabled", "(none)", text, sizeof text, ini);
    EXPECT_STREQ(text, "(none)");
    EXPECT_EQ(readText(at("link.lnk")), "old shortcut");
    std::uint32_t attributes = 0;
    EXPECT_EQ(m.files.getAttributes(at("parked.lnk"), attributes), kFileNotFound);
}

TEST_F(BackupTest, RestoringIsBackedUpAndRestoringTwiceDoesNoHarm) {
    put(key + "\\Run", "app", kRegSz, std::string("app.exe\0", 8));
    {
        backup::BackupSet set = backups.open("Startup delete");
        ASSERT_TRUE(set.addValue(kHkeyCurrentUser, key + "\\Run", "app"));
        ASSERT_TRUE(set.commit());
    }
    const std::string name = backups.list()[0].folderName;
    const std::string before = exported();
    removeValue(key + "\\Run", "app");
    ASSERT_TRUE(backups.restore(name).restored);
    ASSERT_TRUE(backups.restore(name).restored);
    EXPECT_EQ(exported(), before);

    const auto sets = backups.list();
    ASSERT_EQ(sets.size(), 3u) << "each restore saved what it overwrote";
    std::size_t restores = 0;
    for (const auto& set : sets) restores += set.command == "Restore of " + name;
    EXPECT_EQ(restores, 2u);
    // Undoing the first restore (the set without a counter: all fell in one second) deletes the value again.
    for (const auto& set : sets)
        if (set.command != "Startup delete" && set.folderName.back() != ')') {
            ASSERT_TRUE(backups.restore(set.folderName).restored);
        }
    EXPECT_NE(exported(), before);
}

}  // namespace
}  // namespace backup_test
