// A 32-bit program's key saved by a backup set: named in registry.reg as the
// 64-bit registry editor names it (under WOW6432Node) and put back in its own
// view by the program's restore, whichever build runs.
#include "backup/backup_fixture.h"
#include "platform/registry_key.h"

namespace backup_test {
namespace {

std::string upper(std::string text) {
    for (char& c : text) c = (c >= 'a' && c <= 'z') ? static_cast<char>(c - 32) : c;
    return text;
}

class BackupViewsTest : public BackupTest, public ::testing::WithParamInterface<RegistryViews> {
protected:
    void SetUp() override {
        const RegistryViews real = m.registry.views();
        if (!tm->setRegistryViews(GetParam()) &&
            (real.machineIs64Bit != GetParam().machineIs64Bit || real.processIs64Bit != GetParam().processIs64Bit))
            GTEST_SKIP() << "the real registry is another kind of machine";
        name = "VantrelBackupViews" + key.substr(key.rfind('\\') + 1);
        path = "Software\\" + name;
    }
    void TearDown() override {
        for (View view : {View::Bits32, View::Bits64}) deleteKeyTree(m.registry, kHkeyLocalMachine, path, view);
    }
    std::string name, path;
};

TEST_P(BackupViewsTest, ThirtyTwoBitKeyIsSavedUnderItsWow6432NodeAndRestoredInItsView) {
    ASSERT_EQ(writeValue(m.registry, kHkeyLocalMachine, path + "\\Sub", View::Bits32, "who", textValue("32")),
              kSuccess);
    ASSERT_EQ(writeValue(m.registry, kHkeyLocalMachine, path, View::Bits32, "bytes", {kRegBinary, "\x01\x80"}),
              kSuccess);
    std::string folder;
    {
        backup::BackupSet set = backups.open("Registry scanner delete");
        ASSERT_TRUE(set.addKey(kHkeyLocalMachine, path, View::Bits32));
        ASSERT_TRUE(set.commit());
        folder = set.folder();
    }
    const bool twoViews = m.registry.views().hasSecondView();
    const std::string saved = upper(readText(folder + "\\registry.reg"));
    const std::string named = twoViews ? "HKEY_LOCAL_MACHINE\\SOFTWARE\\WOW6432NODE\\" : "HKEY_LOCAL_MACHINE\\SOFTWARE\\";
    EXPECT_NE(saved.find("[" + named + upper(name) + "\\SUB]"), std::string::npos) << saved;

    ASSERT_EQ(deleteKeyTree(m.registry, kHkeyLocalMachine, path, View::Bits32), kSuccess);
    ASSERT_TRUE(backups.restore(folder.substr(folder.find_last_of('\\') + 1)).restored);
    RegValue value;
    ASSERT_EQ(readValue(m.registry, kHkeyLocalMachine, path + "\\Sub", View::Bits32, "who", value), kSuccess);
    EXPECT_EQ(textOf(value), "32");
    ASSERT_EQ(readValue(m.registry, kHkeyLocalMachine, path, View::Bits32, "bytes", value), kSuccess);
    EXPECT_EQ(value.data, "\x01\x80");
    EXPECT_EQ(keyExists(m.registry, kHkeyLocalMachine, path, View::Bits64), !twoViews);
}

INSTANTIATE_TEST_SUITE_P(Builds, BackupViewsTest,
                         ::testing::Values(RegistryViews{false, false}, RegistryViews{true, true},
                                           RegistryViews{true, false}),
                         [](const auto& info) {
                             return std::string(!info.param.machineIs64Bit ? "Machine32"
                                                : info.param.processIs64Bit ? "From64"
                                                                            : "From32");
                         });

}  // namespace
}  // namespace backup_test
