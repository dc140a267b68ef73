#include <algorithm>

#include "store/store_fixture.h"

using store::WorkingOutputs;

TEST_F(StoreTest, EnumKey_KeyWithoutSubkeysLeavesTwoZerosAndAnEmptyList) {
    plantKey(key + "\\Empty");
    WorkingOutputs out;
    out.List1 = {"left over"};
    std::string svalues;
    EXPECT_EQ(store.fEnumKey("HKCU", key + "\\Empty", svalues, out), 0);
    EXPECT_EQ(svalues, std::string("\0\0", 2));
    EXPECT_TRUE(out.List1.empty());
}

TEST_F(StoreTest, EnumKey_ListsEveryNameInOrderAndShowsEachAsProgress) {
    plantKey(key + "\\Apps\\beta");
    plantKey(key + "\\Apps\\Alpha");
    plantKey(key + "\\Apps\\gamma\\inner");
    WorkingOutputs out;
    std::string svalues = std::string("prior\0", 6);
    EXPECT_EQ(store.fEnumKey("HKCU", key + "\\Apps", svalues, out), 0);
    EXPECT_EQ(svalues, std::string("prior\0Alpha\0beta\0gamma\0\0", 24));
    EXPECT_EQ(out.List1, (std::vector<std::string>{"Alpha", "beta", "gamma"}));
    EXPECT_EQ(out.Label1, "gamma");
    EXPECT_EQ(out.progressShown, 3);
}

TEST_F(StoreTest, EnumKey_MissingKeyReturns2AndLeavesTheTextUntouched) {
    WorkingOutputs out;
    out.List1 = {"old"};
    std::string svalues = "keep";
    EXPECT_EQ(store.fEnumKey("HKCU", key + "\\Nowhere", svalues, out), 2);
    EXPECT_EQ(svalues, "keep");
    EXPECT_TRUE(out.List1.empty());  // cleared before anything else
    EXPECT_EQ(store.fEnumKey("HKDD", key, svalues, out), 99);
    EXPECT_EQ(svalues, "keep");
}

TEST_F(StoreTest, EnumKey1_FillsList4AndStopsWhenTheSearchBoxReads2) {
    plantKey(key + "\\Apps\\One");
    plantKey(key + "\\Apps\\Two");
    WorkingOutputs out;
    std::string svalues;
    EXPECT_EQ(store.fEnumKey1("HKCU", key + "\\Apps", svalues, out), 0);
    EXPECT_EQ(out.List4, (std::vector<std::string>{"One", "Two"}));
    EXPECT_TRUE(out.List1.empty());

    out.Text2 = " 2 stop";
    svalues.clear();
    EXPECT_EQ(store.fEnumKey1("HKCU", key + "\\Apps", svalues, out), 0);
    EXPECT_TRUE(out.List4.empty());
    EXPECT_EQ(svalues, std::string("\0\0", 2));
}

TEST_F(StoreTest, EnumValue_ListsEveryNameThenOneEmptyEntry) {
    plant(key, "first", platform::kRegSz, std::string("one\0", 4));
    plant(key, "second", platform::kRegDword, std::string("\x05\0\0\0", 4));
    plant(key, "third", platform::kRegExpandSz, std::string("%x%\0", 4));
    WorkingOutputs out;
    out.List5 = {"stale"};
    std::string svalues;
    EXPECT_EQ(store.fEnumValue("HKCU", key, svalues, out), 0);
    ASSERT_EQ(out.List5.size(), 4u);
    std::vector<std::string> names(out.List5.begin(), out.List5.end() - 1);
    std::sort(names.begin(), names.end());  // the platform decides the order
    EXPECT_EQ(names, (std::vector<std::string>{"first", "second", "third"}));
    EXPECT_EQ(out.List5.back(), "");
    EXPECT_EQ(out.Label1, std::string(store::kNameBufferSize, ' '));
    // Text and number items are kept, other types leave no item.
    EXPECT_NE(svalues.find(std::string("first=one\0", 10)), std::string::npos);
    EXPECT_NE(svalues.find(std::string("second=5\0", 9)), std::string::npos);
    EXPECT_EQ(svalues.find("third"), std::string::npos);
    EXPECT_EQ(svalues.back(), '\0');
}

TEST_F(StoreTest, EnumValuea_JoinsNamesWithCommasEndingInTheBlankBuffer) {
    plant(key, "a", platform::kRegSz, std::string("1\0", 2));
    plant(key, "b", platform::kRegSz, std::string("2\0", 2));
    WorkingOutputs out;
    std::string svalues;
    EXPECT_EQ(store.fEnumValuea("HKCU", key, svalues, out), 0);
    const std::string blanks(store::kNameBufferSize, ' ');
    EXPECT_EQ(out.Text1, "a,b," + blanks);
    EXPECT_TRUE(out.List5.empty());

    WorkingOutputs carried;
    carried.Text1 = "x";
    svalues.clear();
    store.fEnumValuea("HKCU", key, svalues, carried);
    EXPECT_EQ(carried.Text1, "x,a,b," + blanks);

    plantKey(key + "\\NoValues");
    WorkingOutputs none;
    svalues.clear();
    EXPECT_EQ(store.fEnumValuea("HKCU", key + "\\NoValues", svalues, none), 0);
    EXPECT_EQ(none.Text1, blanks);
    EXPECT_EQ(svalues, std::string("\0\0", 2));
}

TEST_F(StoreTest, EnumValue_IniSectionFillsTheFixedBufferOfBlanks) {
    tm->writeHostFile(iniPath("startup.ini"), "[windows]\r\nrun=clock.exe\r\nload=tray.exe\r\n");
    WorkingOutputs out;
    std::string svalues = "ignored";
    EXPECT_EQ(store.fEnumValue(iniPath("startup.ini"), "windows", svalues, out), 0);
    ASSERT_EQ(svalues.size(), store::kIniSectionBufferSize);
    const std::string items("run=clock.exe\0load=tray.exe\0\0", 29);
    EXPECT_EQ(svalues.substr(0, items.size()), items);
    EXPECT_EQ(svalues.find_first_not_of(' ', items.size()), std::string::npos);
    EXPECT_TRUE(out.List5.empty());
}

TEST_F(StoreTest, GetRegString_ReadsTextAndNumbersAndRefusesOversizedValues) {
    plant(key, "long", platform::kRegSz, std::string(2000, 'y') + '\0');
    plant(key, "count", platform::kRegDword, std::string("\x00\x01\x00\x00", 4));
    plant(key, "expand", platform::kRegExpandSz, std::string("%windir%\0", 9));
    plant(key, "plain", platform::kRegSz, std::string("hello\0", 6));
    std::string text = "previous";
    EXPECT_FALSE(store.GetRegString(platform::kHkeyCurrentUser, key, "long", text));
    EXPECT_EQ(text, "");
    EXPECT_TRUE(store.GetRegString(platform::kHkeyCurrentUser, key, "count", text));
    EXPECT_EQ(text, "256");
    text = "unchanged";
    EXPECT_TRUE(store.GetRegString(platform::kHkeyCurrentUser, key, "expand", text));
    EXPECT_EQ(text, "unchanged");
    EXPECT_TRUE(store.GetRegString(platform::kHkeyCurrentUser, key, "plain", text));
    EXPECT_EQ(text, "hello");
    EXPECT_FALSE(store.GetRegString(platform::kHkeyCurrentUser, key, "absent", text));
    EXPECT_EQ(text, "");
    text = "x";
    EXPECT_FALSE(store.GetRegString(platform::kHkeyCurrentUser, key + "\\nokey", "plain", text));
    EXPECT_EQ(text, "");
}

TEST_F(StoreTest, SaveRegString_StoresExactlyTheLettersWithoutAZero) {
    ASSERT_TRUE(store.SaveRegString(platform::kHkeyCurrentUser, key + "\\New", "abc", "xyz"));
    if (tm->isWine()) {
        // Wine deviation: RegSetValueExA stores one byte more when the byte after the data is a zero.
        EXPECT_EQ(storedBytes(key + "\\New", "abc"), std::string("xyz\0", 4));
    } else {
        EXPECT_EQ(storedBytes(key + "\\New", "abc"), "xyz");
    }
    std::string text;
    EXPECT_TRUE(store.GetRegString(platform::kHkeyCurrentUser, key + "\\New", "abc", text));
    EXPECT_EQ(text, "xyz");
}

TEST_F(StoreTest, DeleteRegKey_DeletesALeafAndIgnoresAnEmptyPath) {
    plantKey(key + "\\Leaf");
    store.DeleteRegKey(platform::kHkeyCurrentUser, key + "\\Leaf");
    EXPECT_FALSE(keyExists(key + "\\Leaf"));
    store.DeleteRegKey(platform::kHkeyCurrentUser, "");
    EXPECT_TRUE(keyExists(key));
}
