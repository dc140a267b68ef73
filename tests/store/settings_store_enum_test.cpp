#include <algorithm>

#include "store/store_fixture.h"

using store::RecordedProgress;
using Names = std::vector<std::string>;

TEST_F(StoreTest, EnumerateSubkeys_KeyWithoutSubkeysLeavesTwoZerosAndNoNames) {
    plantKey(key + "\\Empty");
    RecordedProgress progress;
    Names names = {"left over"};
    std::string items;
    EXPECT_EQ(store.enumerateSubkeys("HKCU", key + "\\Empty", items, names, progress), 0);
    EXPECT_EQ(items, std::string("\0\0", 2));
    EXPECT_TRUE(names.empty());
}

TEST_F(StoreTest, EnumerateSubkeys_ListsEveryNameInOrderAndShowsEachAsProgress) {
    plantKey(key + "\\Apps\\beta");
    plantKey(key + "\\Apps\\Alpha");
    plantKey(key + "\\Apps\\gamma\\inner");
    RecordedProgress progress;
    Names names;
    std::string items = std::string("prior\0", 6);
    EXPECT_EQ(store.enumerateSubkeys("HKCU", key + "\\Apps", items, names, progress), 0);
    EXPECT_EQ(items, std::string("prior\0Alpha\0beta\0gamma\0\0", 24));
    EXPECT_EQ(names, (Names{"Alpha", "beta", "gamma"}));
    EXPECT_EQ(progress.lastShown, "gamma");
    EXPECT_EQ(progress.timesShown, 3);
}

TEST_F(StoreTest, EnumerateSubkeys_MissingKeyReturns2AndLeavesTheTextUntouched) {
    RecordedProgress progress;
    Names names = {"old"};
    std::string items = "keep";
    EXPECT_EQ(store.enumerateSubkeys("HKCU", key + "\\Nowhere", items, names, progress), 2);
    EXPECT_EQ(items, "keep");
    EXPECT_TRUE(names.empty());  // cleared before anything else
    EXPECT_EQ(store.enumerateSubkeys("HKDD", key, items, names, progress), 99);
    EXPECT_EQ(items, "keep");
}

TEST_F(StoreTest, EnumerateSubkeysUntilStopped_ListsTheNamesAndStopsWhenAsked) {
    plantKey(key + "\\Apps\\One");
    plantKey(key + "\\Apps\\Two");
    RecordedProgress progress;
    Names names;
    std::string items;
    EXPECT_EQ(store.enumerateSubkeysUntilStopped("HKCU", key + "\\Apps", items, names, progress), 0);
    EXPECT_EQ(names, (Names{"One", "Two"}));

    progress.stop = true;
    items.clear();
    EXPECT_EQ(store.enumerateSubkeysUntilStopped("HKCU", key + "\\Apps", items, names, progress), 0);
    EXPECT_TRUE(names.empty());
    EXPECT_EQ(items, std::string("\0\0", 2));
}

TEST_F(StoreTest, EnumerateValues_ListsEveryNameThenOneEmptyEntry) {
    plant(key, "first", platform::kRegSz, std::string("one\0", 4));
    plant(key, "second", platform::kRegDword, std::string("\x05\0\0\0", 4));
    plant(key, "third", platform::kRegExpandSz, std::string("%x%\0", 4));
    RecordedProgress progress;
    Names names = {"stale"};
    std::string items;
    EXPECT_EQ(store.enumerateValues("HKCU", key, items, names, progress), 0);
    ASSERT_EQ(names.size(), 4u);
    Names sorted(names.begin(), names.end() - 1);
    std::sort(sorted.begin(), sorted.end());  // the platform decides the order
    EXPECT_EQ(sorted, (Names{"first", "second", "third"}));
    EXPECT_EQ(names.back(), "");
    EXPECT_EQ(progress.lastShown, std::string(store::kNameBufferSize, ' '));
    // Text and number items are kept, other types leave no item.
    EXPECT_NE(items.find(std::string("first=one\0", 10)), std::string::npos);
    EXPECT_NE(items.find(std::string("second=5\0", 9)), std::string::npos);
    EXPECT_EQ(items.find("third"), std::string::npos);
    EXPECT_EQ(items.back(), '\0');
}

TEST_F(StoreTest, AppendValueNames_JoinsNamesWithCommasEndingInTheBlankBuffer) {
    plant(key, "a", platform::kRegSz, std::string("1\0", 2));
    plant(key, "b", platform::kRegSz, std::string("2\0", 2));
    std::string joined, items;
    EXPECT_EQ(store.appendValueNames("HKCU", key, items, joined), 0);
    const std::string blanks(store::kNameBufferSize, ' ');
    EXPECT_EQ(joined, "a,b," + blanks);

    std::string carried = "x";
    items.clear();
    store.appendValueNames("HKCU", key, items, carried);
    EXPECT_EQ(carried, "x,a,b," + blanks) << "a second walk adds to what the first left";

    plantKey(key + "\\NoValues");
    std::string none;
    items.clear();
    EXPECT_EQ(store.appendValueNames("HKCU", key + "\\NoValues", items, none), 0);
    EXPECT_EQ(none, blanks);
    EXPECT_EQ(items, std::string("\0\0", 2));
}

TEST_F(StoreTest, EnumerateValues_IniSectionFillsTheFixedBufferOfBlanks) {
    tm->writeHostFile(iniPath("startup.ini"), "[windows]\r\nrun=clock.exe\r\nload=tray.exe\r\n");
    RecordedProgress progress;
    Names names = {"stale"};
    std::string items = "ignored";
    EXPECT_EQ(store.enumerateValues(iniPath("startup.ini"), "windows", items, names, progress), 0);
    ASSERT_EQ(items.size(), store::kIniSectionBufferSize);
    const std::string section("run=clock.exe\0load=tray.exe\0\0", 29);
    EXPECT_EQ(items.substr(0, section.size()), section);
    EXPECT_EQ(items.find_first_not_of(' ', section.size()), std::string::npos);
    EXPECT_TRUE(names.empty());
}

TEST_F(StoreTest, ReadString_ReadsTextAndNumbersAndRefusesOversizedValues) {
    plant(key, "long", platform::kRegSz, std::string(2000, 'y') + '\0');
    plant(key, "count", platform::kRegDword, std::string("\x00\x01\x00\x00", 4));
    plant(key, "expand", platform::kRegExpandSz, std::string("%windir%\0", 9));
    plant(key, "plain", platform::kRegSz, std::string("hello\0", 6));
    std::string text = "previous";
    EXPECT_FALSE(store.readString(platform::kHkeyCurrentUser, key, "long", text));
    EXPECT_EQ(text, "");
    EXPECT_TRUE(store.readString(platform::kHkeyCurrentUser, key, "count", text));
    EXPECT_EQ(text, "256");
    text = "unchanged";
    EXPECT_TRUE(store.readString(platform::kHkeyCurrentUser, key, "expand", text));
    EXPECT_EQ(text, "unchanged");
    EXPECT_TRUE(store.readString(platform::kHkeyCurrentUser, key, "plain", text));
    EXPECT_EQ(text, "hello");
    EXPECT_FALSE(store.readString(platform::kHkeyCurrentUser, key, "absent", text));
    EXPECT_EQ(text, "");
    text = "x";
    EXPECT_FALSE(store.readString(platform::kHkeyCurrentUser, key + "\\nokey", "plain", text));
    EXPECT_EQ(text, "");
}

TEST_F(StoreTest, SaveString_StoresExactlyTheLettersWithoutAZero) {
    ASSERT_TRUE(store.saveString(platform::kHkeyCurrentUser, key + "\\New", "abc", "xyz"));
    if (tm->isWine()) {
        // Wine deviation: RegSetValueExA stores one byte more when the byte after the data is a zero.
        EXPECT_EQ(storedBytes(key + "\\New", "abc"), std::string("xyz\0", 4));
    } else {
        EXPECT_EQ(storedBytes(key + "\\New", "abc"), "xyz");
    }
    std::string text;
    EXPECT_TRUE(store.readString(platform::kHkeyCurrentUser, key + "\\New", "abc", text));
    EXPECT_EQ(text, "xyz");
}

TEST_F(StoreTest, DeleteKeyPath_DeletesALeafAndIgnoresAnEmptyPath) {
    plantKey(key + "\\Leaf");
    store.deleteKeyPath(platform::kHkeyCurrentUser, key + "\\Leaf");
    EXPECT_FALSE(keyExists(key + "\\Leaf"));
    store.deleteKeyPath(platform::kHkeyCurrentUser, "");
    EXPECT_TRUE(keyExists(key));
}
