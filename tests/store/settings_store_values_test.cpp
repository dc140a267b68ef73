// win.ini is avoided here: Windows (and Wine) map its [windows] section to the registry.
#include "store/store_fixture.h"

using store::Value;

TEST_F(StoreTest, ResolveTopKey_WordsIgnoreCaseAndUnusedWordsAreUnknown) {
    EXPECT_EQ(store.resolveRoot("HKLM"), platform::kHkeyLocalMachine);
    EXPECT_EQ(store.resolveRoot("hklm"), platform::kHkeyLocalMachine);
    EXPECT_EQ(store.resolveRoot("Hkcu"), platform::kHkeyCurrentUser);
    EXPECT_EQ(store.resolveRoot("HKU"), platform::kHkeyUsers);
    EXPECT_EQ(store.resolveRoot("hkcr"), platform::kHkeyClassesRoot);
    EXPECT_EQ(store.resolveRoot("HKDD"), store::kUnknownTarget);
    EXPECT_EQ(store.resolveRoot("HKCC"), store::kUnknownTarget);
    EXPECT_EQ(store.resolveRoot("HKEY_LOCAL_MACHINE"), store::kUnknownTarget);
    EXPECT_EQ(store.resolveRoot(""), store::kUnknownTarget);
}

TEST_F(StoreTest, ResolveTopKey_OnlyAnExistingOrdinaryFileIsAnIniTarget) {
    tm->writeHostFile(iniPath("plain.ini"), "[a]\r\nb=c\r\n");
    tm->writeHostFile(iniPath("hidden.ini"), "[a]\r\nb=c\r\n");
    ASSERT_EQ(tm->machine().files.setAttributes(iniPath("hidden.ini"), platform::kAttrHidden), 0);
    EXPECT_EQ(store.resolveRoot(iniPath("plain.ini")), store::kIniTarget);
    EXPECT_EQ(store.resolveRoot(iniPath("PLAIN.INI")), store::kIniTarget);
    EXPECT_EQ(store.resolveRoot(iniPath("hidden.ini")), store::kUnknownTarget);
    EXPECT_EQ(store.resolveRoot(iniPath("missing.ini")), store::kUnknownTarget);
    EXPECT_EQ(store.resolveRoot(tm->scratchFolder()), store::kUnknownTarget);
    EXPECT_EQ(store.resolveRoot(iniPath("*.ini")), store::kUnknownTarget);
}

TEST_F(StoreTest, ReadValue_FromMissingIniFileReturns99AndKeepsTheDefault) {
    Value text = std::string("stale");
    EXPECT_EQ(store.readValue(iniPath("nothere.ini"), "001", "002", "s", std::string(), text), 99);
    EXPECT_EQ(std::get<std::string>(text), "");
}

TEST_F(StoreTest, ReadValue_IniTextsAreCutTo254CharactersAndMissingKeysGiveTheDefault) {
    const std::string longText(300, 'x');
    tm->writeHostFile(iniPath("lang.ini"), "[001]\r\n002=" + longText + "\r\n003=Start\r\n");
    Value text;
    EXPECT_EQ(store.readValue(iniPath("lang.ini"), "001", "002", "s", std::string(), text), 0);
    EXPECT_EQ(std::get<std::string>(text), std::string(254, 'x'));
    EXPECT_EQ(store.readValue(iniPath("lang.ini"), "001", "003", "S", std::string(), text), 0);
    EXPECT_EQ(std::get<std::string>(text), "Start");
    EXPECT_EQ(store.readValue(iniPath("lang.ini"), "001", "404", "s", std::string("fallback"), text), 0);
    EXPECT_EQ(std::get<std::string>(text), "fallback");
}

TEST_F(StoreTest, ReadValue_RegistryTextRoundTripsAndMissingPartsReturn2) {
    EXPECT_EQ(store.writeValue("HKCU", key, "Colour", "S", std::string("blue")), 0);
    Value text;
    EXPECT_EQ(store.readValue("hkcu", key, "colour", "s", std::string("none"), text), 0);
    EXPECT_EQ(std::get<std::string>(text), "blue");
    EXPECT_EQ(store.readValue("HKCU", key, "Shape", "S", std::string("none"), text), 2);
    EXPECT_EQ(std::get<std::string>(text), "none");
    EXPECT_EQ(store.readValue("HKCU", key + "\\Missing", "Colour", "S", std::string("none"), text), 2);
    EXPECT_EQ(std::get<std::string>(text), "none");
    EXPECT_EQ(store.readValue("HKXX", key, "Colour", "S", std::string("none"), text), 99);
}

TEST_F(StoreTest, ReadValue_TextStoredWithoutTerminatingZeroKeepsItsLastLetter) {
    ASSERT_TRUE(store.saveString(platform::kHkeyCurrentUser, key, "language", "french.ini"));
    Value text;
    EXPECT_EQ(store.readValue("HKCU", key, "language", "S", std::string(), text), 0);
    EXPECT_EQ(std::get<std::string>(text), "french.ini");
    plant(key, "empty", platform::kRegSz, "");
    EXPECT_EQ(store.readValue("HKCU", key, "empty", "S", std::string("x"), text), 0);
    EXPECT_EQ(std::get<std::string>(text), "");
}

TEST_F(StoreTest, WriteValue_StoresTextWithItsTerminatingZeroAndCreatesTheKey) {
    EXPECT_EQ(store.writeValue("HKCU", key + "\\Deep\\Er", "Name", "s", std::string("abc")), 0);
    std::uint32_t type = 0;
    EXPECT_EQ(storedBytes(key + "\\Deep\\Er", "Name", &type), std::string("abc\0", 4));
    EXPECT_EQ(type, platform::kRegSz);
}

TEST_F(StoreTest, WriteValue_MissingIniFileOrNonTextTypeReturns99AndWritesNothing) {
    EXPECT_EQ(store.writeValue(iniPath("new.ini"), "windows", "run", "S", std::string("x.exe")), 99);
    std::uint32_t attributes = 0;
    EXPECT_NE(tm->machine().files.getAttributes(iniPath("new.ini"), attributes), 0);
    tm->writeHostFile(iniPath("startup.ini"), "[windows]\r\nrun=a.exe\r\n");
    EXPECT_EQ(store.writeValue(iniPath("startup.ini"), "windows", "run", "D", std::int32_t{5}), 99);
    EXPECT_EQ(readFile(iniPath("startup.ini")), "[windows]\r\nrun=a.exe\r\n");
    EXPECT_EQ(store.writeValue(iniPath("startup.ini"), "windows", "run", "S", std::string("b.exe")), 0);
    Value text;
    store.readValue(iniPath("startup.ini"), "windows", "run", "S", std::string(), text);
    EXPECT_EQ(std::get<std::string>(text), "b.exe");
}

TEST_F(StoreTest, WriteValue_NumberOutsideTheRangeOfANumberIsCutToTheNearestEnd) {
    EXPECT_EQ(store.writeValue("HKCU", key, "Big", "D", std::string("1e12")), 0);
    EXPECT_EQ(store.writeValue("HKCU", key, "Small", "D", std::string("-1e400")), 0);
    EXPECT_EQ(store.writeValue("HKCU", key, "Minus", "D", std::string("-7")), 0);
    Value number;
    EXPECT_EQ(store.readValue("HKCU", key, "Big", "D", std::int32_t{0}, number), 0);
    EXPECT_EQ(std::get<std::int32_t>(number), INT32_MAX);
    EXPECT_EQ(store.readValue("HKCU", key, "Small", "D", std::int32_t{0}, number), 0);
    EXPECT_EQ(std::get<std::int32_t>(number), INT32_MIN);
    EXPECT_EQ(store.readValue("HKCU", key, "Minus", "D", std::int32_t{0}, number), 0);
    EXPECT_EQ(std::get<std::int32_t>(number), -7);
}

TEST_F(StoreTest, DeleteValue_IniKeyStaysWithEmptyValueAndMissingRegistryValuesCountAsDeleted) {
    tm->writeHostFile(iniPath("startup.ini"), "[windows]\r\nload=tray.exe\r\nrun=clock.exe\r\n");
    EXPECT_EQ(store.deleteValue(iniPath("startup.ini"), "windows", "run"), 0);
    EXPECT_NE(readFile(iniPath("startup.ini")).find("run=\r\n"), std::string::npos);
    EXPECT_NE(readFile(iniPath("startup.ini")).find("load=tray.exe"), std::string::npos);

    plant(key, "Gone", platform::kRegSz, std::string("x\0", 2));
    EXPECT_EQ(store.deleteValue("HKCU", key, "gone"), 0);
    EXPECT_EQ(storedBytes(key, "Gone"), "<no value>");
    EXPECT_EQ(store.deleteValue("HKCU", key, "Gone"), 0);
    EXPECT_EQ(store.deleteValue("HKCU", key + "\\NoSuchKey", "Gone"), 0);
    EXPECT_EQ(store.deleteValue("HKDD", key, "Gone"), 99);
}

TEST_F(StoreTest, DeleteKey_RemovesOneLevelAndReportsAbsentKeysAsDeleted) {
    plantKey(key + "\\Leaf");
    plantKey(key + "\\Branch\\Twig");
    EXPECT_EQ(store.deleteKey("HKCU", key, "LEAF"), 0);
    EXPECT_FALSE(keyExists(key + "\\Leaf"));
    EXPECT_EQ(store.deleteKey("HKCU", key, "Leaf"), 0);
    EXPECT_EQ(store.deleteKey("HKCU", key, "Branch"), platform::kAccessDenied);
    EXPECT_TRUE(keyExists(key + "\\Branch\\Twig"));
    EXPECT_EQ(store.deleteKey("HKCC", key, "Branch"), 99);
}

TEST_F(StoreTest, DeleteKey_EmptyNameIsRefusedInsteadOfDeletingTheParent) {
    plantKey(key + "\\Parent");
    EXPECT_EQ(store.deleteKey("HKCU", key + "\\Parent", ""), platform::kInvalidParameter);
    EXPECT_TRUE(keyExists(key + "\\Parent"));
}
