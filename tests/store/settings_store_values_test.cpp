// win.ini is avoided here: Windows (and Wine) map its [windows] section to the registry.
#include "store/store_fixture.h"

using store::Value;

TEST_F(StoreTest, ResolveTopKey_WordsIgnoreCaseAndUnusedWordsAreUnknown) {
    EXPECT_EQ(store.fResolveTopKey("HKLM"), platform::kHkeyLocalMachine);
    EXPECT_EQ(store.fResolveTopKey("hklm"), platform::kHkeyLocalMachine);
    EXPECT_EQ(store.fResolveTopKey("Hkcu"), platform::kHkeyCurrentUser);
    EXPECT_EQ(store.fResolveTopKey("HKU"), platform::kHkeyUsers);
    EXPECT_EQ(store.fResolveTopKey("hkcr"), platform::kHkeyClassesRoot);
    EXPECT_EQ(store.fResolveTopKey("HKDD"), store::kUnknownTarget);
    EXPECT_EQ(store.fResolveTopKey("HKCC"), store::kUnknownTarget);
    EXPECT_EQ(store.fResolveTopKey("HKEY_LOCAL_MACHINE"), store::kUnknownTarget);
    EXPECT_EQ(store.fResolveTopKey(""), store::kUnknownTarget);
}

TEST_F(StoreTest, ResolveTopKey_OnlyAnExistingOrdinaryFileIsAnIniTarget) {
    tm->writeHostFile(iniPath("plain.ini"), "[a]\r\nb=c\r\n");
    tm->writeHostFile(iniPath("hidden.ini"), "[a]\r\nb=c\r\n");
    ASSERT_EQ(tm->machine().files.setAttributes(iniPath("hidden.ini"), platform::kAttrHidden), 0);
    EXPECT_EQ(store.fResolveTopKey(iniPath("plain.ini")), store::kIniTarget);
    EXPECT_EQ(store.fResolveTopKey(iniPath("PLAIN.INI")), store::kIniTarget);
    EXPECT_EQ(store.fResolveTopKey(iniPath("hidden.ini")), store::kUnknownTarget);
    EXPECT_EQ(store.fResolveTopKey(iniPath("missing.ini")), store::kUnknownTarget);
    EXPECT_EQ(store.fResolveTopKey(tm->scratchFolder()), store::kUnknownTarget);
    EXPECT_EQ(store.fResolveTopKey(iniPath("*.ini")), store::kUnknownTarget);
}

TEST_F(StoreTest, ReadValue_FromMissingIniFileReturns99AndKeepsTheDefault) {
    Value text = std::string("stale");
    EXPECT_EQ(store.fReadValue(iniPath("nothere.ini"), "001", "002", "s", std::string(), text), 99);
    EXPECT_EQ(std::get<std::string>(text), "");
}

TEST_F(StoreTest, ReadValue_IniTextsAreCutTo254CharactersAndMissingKeysGiveTheDefault) {
    const std::string longText(300, 'x');
    tm->writeHostFile(iniPath("lang.ini"), "[001]\r\n002=" + longText + "\r\n003=Start\r\n");
    Value text;
    EXPECT_EQ(store.fReadValue(iniPath("lang.ini"), "001", "002", "s", std::string(), text), 0);
    EXPECT_EQ(std::get<std::string>(text), std::string(254, 'x'));
    EXPECT_EQ(store.fReadValue(iniPath("lang.ini"), "001", "003", "S", std::string(), text), 0);
    EXPECT_EQ(std::get<std::string>(text), "Start");
    EXPECT_EQ(store.fReadValue(iniPath("lang.ini"), "001", "404", "s", std::string("fallback"), text), 0);
    EXPECT_EQ(std::get<std::string>(text), "fallback");
}

TEST_F(StoreTest, ReadValue_RegistryTextRoundTripsAndMissingPartsReturn2) {
    EXPECT_EQ(store.fWriteValue("HKCU", key, "Colour", "S", std::string("blue")), 0);
    Value text;
    EXPECT_EQ(store.fReadValue("hkcu", key, "colour", "s", std::string("none"), text), 0);
    EXPECT_EQ(std::get<std::string>(text), "blue");
    EXPECT_EQ(store.fReadValue("HKCU", key, "Shape", "S", std::string("none"), text), 2);
    EXPECT_EQ(std::get<std::string>(text), "none");
    EXPECT_EQ(store.fReadValue("HKCU", key + "\\Missing", "Colour", "S", std::string("none"), text), 2);
    EXPECT_EQ(std::get<std::string>(text), "none");
    EXPECT_EQ(store.fReadValue("HKXX", key, "Colour", "S", std::string("none"), text), 99);
}

TEST_F(StoreTest, ReadValue_TextStoredWithoutTerminatingZeroKeepsItsLastLetter) {
    ASSERT_TRUE(store.SaveRegString(platform::kHkeyCurrentUser, key, "language", "french.ini"));
    Value text;
    EXPECT_EQ(store.fReadValue("HKCU", key, "language", "S", std::string(), text), 0);
    EXPECT_EQ(std::get<std::string>(text), "french.ini");
    plant(key, "empty", platform::kRegSz, "");
    EXPECT_EQ(store.fReadValue("HKCU", key, "empty", "S", std::string("x"), text), 0);
    EXPECT_EQ(std::get<std::string>(text), "");
}

TEST_F(StoreTest, WriteValue_StoresTextWithItsTerminatingZeroAndCreatesTheKey) {
    EXPECT_EQ(store.fWriteValue("HKCU", key + "\\Deep\\Er", "Name", "s", std::string("abc")), 0);
    std::uint32_t type = 0;
    EXPECT_EQ(storedBytes(key + "\\Deep\\Er", "Name", &type), std::string("abc\0", 4));
    EXPECT_EQ(type, platform::kRegSz);
}

TEST_F(StoreTest, WriteValue_MissingIniFileOrNonTextTypeReturns99AndWritesNothing) {
    EXPECT_EQ(store.fWriteValue(iniPath("new.ini"), "windows", "run", "S", std::string("x.exe")), 99);
    std::uint32_t attributes = 0;
    EXPECT_NE(tm->machine().files.getAttributes(iniPath("new.ini"), attributes), 0);
    tm->writeHostFile(iniPath("startup.ini"), "[windows]\r\nrun=a.exe\r\n");
    EXPECT_EQ(store.fWriteValue(iniPath("startup.ini"), "windows", "run", "D", std::int32_t{5}), 99);
    EXPECT_EQ(readFile(iniPath("startup.ini")), "[windows]\r\nrun=a.exe\r\n");
    EXPECT_EQ(store.fWriteValue(iniPath("startup.ini"), "windows", "run", "S", std::string("b.exe")), 0);
    Value text;
    store.fReadValue(iniPath("startup.ini"), "windows", "run", "S", std::string(), text);
    EXPECT_EQ(std::get<std::string>(text), "b.exe");
}

TEST_F(StoreTest, WriteValue_NumberOutsideTheRangeOfANumberIsCutToTheNearestEnd) {
    EXPECT_EQ(store.fWriteValue("HKCU", key, "Big", "D", std::string("1e12")), 0);
    EXPECT_EQ(store.fWriteValue("HKCU", key, "Small", "D", std::string("-1e400")), 0);
    EXPECT_EQ(store.fWriteValue("HKCU", key, "Minus", "D", std::string("-7")), 0);
    Value number;
    EXPECT_EQ(store.fReadValue("HKCU", key, "Big", "D", std::int32_t{0}, number), 0);
    EXPECT_EQ(std::get<std::int32_t>(number), INT32_MAX);
    EXPECT_EQ(store.fReadValue("HKCU", key, "Small", "D", std::int32_t{0}, number), 0);
    EXPECT_EQ(std::get<std::int32_t>(number), INT32_MIN);
    EXPECT_EQ(store.fReadValue("HKCU", key, "Minus", "D", std::int32_t{0}, number), 0);
    EXPECT_EQ(std::get<std::int32_t>(number), -7);
}

TEST_F(StoreTest, DeleteValue_IniKeyStaysWithEmptyValueAndMissingRegistryValuesCountAsDeleted) {
    tm->writeHostFile(iniPath("startup.ini"), "[windows]\r\nload=tray.exe\r\nrun=clock.exe\r\n");
    EXPECT_EQ(store.fDeleteValue(iniPath("startup.ini"), "windows", "run"), 0);
    EXPECT_NE(readFile(iniPath("startup.ini")).find("run=\r\n"), std::string::npos);
    EXPECT_NE(readFile(iniPath("startup.ini")).find("load=tray.exe"), std::string::npos);

    plant(key, "Gone", platform::kRegSz, std::string("x\0", 2));
    EXPECT_EQ(store.fDeleteValue("HKCU", key, "gone"), 0);
    EXPECT_EQ(storedBytes(key, "Gone"), "<no value>");
    EXPECT_EQ(store.fDeleteValue("HKCU", key, "Gone"), 0);
    EXPECT_EQ(store.fDeleteValue("HKCU", key + "\\NoSuchKey", "Gone"), 0);
    EXPECT_EQ(store.fDeleteValue("HKDD", key, "Gone"), 99);
}

TEST_F(StoreTest, DeleteKey_RemovesOneLevelAndReportsAbsentKeysAsDeleted) {
    plantKey(key + "\\Leaf");
    plantKey(key + "\\Branch\\Twig");
    EXPECT_EQ(store.fDeleteKey("HKCU", key, "LEAF"), 0);
    EXPECT_FALSE(keyExists(key + "\\Leaf"));
    EXPECT_EQ(store.fDeleteKey("HKCU", key, "Leaf"), 0);
    EXPECT_EQ(store.fDeleteKey("HKCU", key, "Branch"), platform::kAccessDenied);
    EXPECT_TRUE(keyExists(key + "\\Branch\\Twig"));
    EXPECT_EQ(store.fDeleteKey("HKCC", key, "Branch"), 99);
}

TEST_F(StoreTest, DeleteKey_EmptyNameIsRefusedInsteadOfDeletingTheParent) {
    plantKey(key + "\\Parent");
    EXPECT_EQ(store.fDeleteKey("HKCU", key + "\\Parent", ""), platform::kInvalidParameter);
    EXPECT_TRUE(keyExists(key + "\\Parent"));
}
