// The registry's rules as the program relies on them, checked against the
// in-memory registry natively and the real one under Wine.
#include <gtest/gtest.h>

#include <algorithm>
#include <cstdio>
#include <cstring>
#include <string>
#include <vector>

#include "support/test_machine.h"

namespace {

using namespace platform;

class RegistryContractBase : public ::testing::Test {
protected:
    void SetUp() override {
        tm_ = testing_support::makeTestMachine();
        reg_ = &tm_->machine().registry;
        ASSERT_EQ(reg_->createKey(kHkeyCurrentUser, tm_->scratchKey(), kKeyAllAccess, scratch_), kSuccess);
    }
    void TearDown() override {
        for (auto key : opened_) reg_->closeKey(key);
        reg_->closeKey(scratch_);
        tm_.reset();
    }

    // A key below the scratch key, closed at the end of the test.
    Key create(const std::string& path, std::uint32_t access = kKeyAllAccess) {
        Key key = 0;
        EXPECT_EQ(reg_->createKey(scratch_, path, access, key), kSuccess) << path;
        opened_.push_back(key);
        return key;
    }
    Key open(const std::string& path, std::uint32_t access) {
        Key key = 0;
        EXPECT_EQ(reg_->openKey(scratch_, path, access, key), kSuccess) << path;
        opened_.push_back(key);
        return key;
    }
    void setString(Key key, const std::string& name, const std::string& text) {
        ASSERT_EQ(reg_->setValue(key, name, kRegSz, reinterpret_cast<const std::uint8_t*>(text.c_str()),
                                 static_cast<std::uint32_t>(text.size() + 1)),
                  kSuccess);
    }
    std::vector<std::string> subkeys(Key key) {
        std::vector<std::string> names;
        char name[512];
        for (std::uint32_t i = 0; reg_->enumKey(key, i, name, sizeof name) == kSuccess; ++i) names.emplace_back(name);
        return names;
    }
    std::vector<std::string> valueNames(Key key) {
        std::vector<std::string> names;
        char name[512];
        for (std::uint32_t i = 0;; ++i) {
            std::uint32_t length = sizeof name;
            if (reg_->enumValue(key, i, name, &length, nullptr, nullptr, nullptr) != kSuccess) break;
            names.emplace_back(name, length);
        }
        return names;
    }
    bool isWine() const { return tm_->isWine(); }

    std::unique_ptr<testing_support::TestMachine> tm_;
    Registry* reg_ = nullptr;
    Key scratch_ = 0;
    std::vector<Key> opened_;
};

// --- status codes -------------------------------------------------------------

using RegistryContractStatus = RegistryContractBase;

TEST_F(RegistryContractStatus, OpeningMissingKeyGives2AndZeroHandle) {
    Key key = 12345;
    EXPECT_EQ(reg_->openKey(scratch_, "NoSuchKey", kKeyRead, key), kFileNotFound);
    EXPECT_EQ(key, 0u);
    EXPECT_EQ(reg_->openKey(scratch_, "NoSuchKey\\Deeper", kKeyRead, key), kFileNotFound);
}

TEST_F(RegistryContractStatus, LeadingBackslashIsRefusedWith161ForOpenAndCreate) {
    create("Present");
    Key key = 0;
    EXPECT_EQ(reg_->openKey(scratch_, "\\Present", kKeyRead, key), kBadPathname);
    EXPECT_EQ(reg_->createKey(scratch_, "\\Fresh", kKeyAllAccess, key), kBadPathname);
    EXPECT_EQ(reg_->openKey(scratch_, "Fresh", kKeyRead, key), kFileNotFound);
}

TEST_F(RegistryContractStatus, TrailingBackslashOpensTheKey) {
    Key key = create("MixedCase");
    setString(key, "marker", "here");
    Key again = open("mixedcase\\", kKeyRead);
    std::uint32_t size = 0;
    EXPECT_EQ(reg_->queryValue(again, "marker", nullptr, nullptr, &size), kSuccess);
    EXPECT_EQ(size, 5u);
}

TEST_F(RegistryContractStatus, EmptySubkeyOpensTheSameKeyUnderANewHandle) {
    Key same = open("", kKeyAllAccess);
    EXPECT_NE(same, scratch_);
    setString(same, "through", "new handle");
    std::uint32_t size = 0;
    EXPECT_EQ(reg_->queryValue(scratch_, "through", nullptr, nullptr, &size), kSuccess);
}

TEST_F(RegistryContractStatus, PastTheLastIndexGives259) {
    Key key = create("Walk");
    create("Walk\\Only");
    setString(key, "one", "1");
    char name[64];
    EXPECT_EQ(reg_->enumKey(key, 0, name, sizeof name), kSuccess);
    EXPECT_EQ(reg_->enumKey(key, 1, name, sizeof name), kNoMoreItems);
    std::uint32_t length = sizeof name;
    EXPECT_EQ(reg_->enumValue(key, 0, name, &length, nullptr, nullptr, nullptr), kSuccess);
    length = sizeof name;
    EXPECT_EQ(reg_->enumValue(key, 1, name, &length, nullptr, nullptr, nullptr), kNoMoreItems);
}

TEST_F(RegistryContractStatus, DeletingKeyWithSubkeysIsRefusedWith5) {
    create("Parent\\Child");
    EXPECT_EQ(reg_->deleteKey(scratch_, "Parent"), kAccessDenied);
    Key key = 0;
    EXPECT_EQ(reg_->openKey(scratch_, "Parent\\Child", kKeyRead, key), kSuccess);
    reg_->closeKey(key);
}

TEST_F(RegistryContractStatus, DeletingEmptyLeafSucceeds) {
    create("Parent\\Leaf");
    EXPECT_EQ(reg_->deleteKey(scratch_, "Parent\\Leaf"), kSuccess);
    Key key = 0;
    EXPECT_EQ(reg_->openKey(scratch_, "Parent\\Leaf", kKeyRead, key), kFileNotFound);
    EXPECT_EQ(reg_->deleteKey(scratch_, "Parent"), kSuccess);
}

TEST_F(RegistryContractStatus, DeletingMissingKeyOrValueGives2) {
    EXPECT_EQ(reg_->deleteKey(scratch_, "Absent"), kFileNotFound);
    EXPECT_EQ(reg_->deleteValue(scratch_, "absent"), kFileNotFound);
    std::uint32_t size = 0;
    EXPECT_EQ(reg_->queryValue(scratch_, "absent", nullptr, nullptr, &size), kFileNotFound);
}

TEST_F(RegistryContractStatus, DeletingWithEmptyNameDeletesTheHandlesOwnLeaf) {
    Key leaf = create("SelfDelete");
    EXPECT_EQ(reg_->deleteKey(leaf, ""), kSuccess);
    Key key = 0;
    EXPECT_EQ(reg_->openKey(scratch_, "SelfDelete", kKeyRead, key), kFileNotFound);

    create("Busy\\Child");
    Key busy = open("Busy", kKeyRead);
    EXPECT_EQ(reg_->deleteKey(busy, ""), kAccessDenied);
}

TEST_F(RegistryContractStatus, CreateReportsDispositionAndMakesParents) {
    Key key = 0;
    std::uint32_t disposition = 0;
    ASSERT_EQ(reg_->createKey(scratch_, "A\\B\\C", kKeyAllAccess, key, &disposition), kSuccess);
    EXPECT_EQ(disposition, kCreatedNewKey);
    reg_->closeKey(key);
    EXPECT_EQ(subkeys(scratch_), std::vector<std::string>{"A"});
    ASSERT_EQ(reg_->createKey(scratch_, "a\\b\\c", kKeyAllAccess, key, &disposition), kSuccess);
    EXPECT_EQ(disposition, kOpenedExistingKey);
    reg_->closeKey(key);
    ASSERT_EQ(reg_->createKey(scratch_, "A\\B\\D", kKeyAllAccess, key, &disposition), kSuccess);
    EXPECT_EQ(disposition, kCreatedNewKey);
    reg_->closeKey(key);
}

TEST_F(RegistryContractStatus, KeyNameLongerThan255IsRefusedWith87) {
    Key key = 0;
    // Deleted here by short relative names: Wine's ANSI calls cannot reach
    // them by the full path the scratch cleanup uses.
    const std::string longest(255, 'k'), tooLong(256, 'k');
    EXPECT_EQ(reg_->createKey(scratch_, longest, kKeyAllAccess, key), kSuccess);
    reg_->closeKey(key);
    EXPECT_EQ(reg_->deleteKey(scratch_, longest), kSuccess);
    Status status = reg_->createKey(scratch_, tooLong, kKeyAllAccess, key);
    if (isWine()) {
        EXPECT_EQ(status, kSuccess) << "Wine deviation: Wine creates key names longer than 255 characters";
        if (status == kSuccess) {
            reg_->closeKey(key);
            EXPECT_EQ(reg_->deleteKey(scratch_, tooLong), kSuccess);
        }
    } else {
        EXPECT_EQ(status, kInvalidParameter);
    }
}

TEST_F(RegistryContractStatus, ClosedOrUnknownHandleGives6AndPredefinedRootsCloseQuietly) {
    Key key = 0;
    ASSERT_EQ(reg_->openKey(scratch_, "", kKeyRead, key), kSuccess);
    EXPECT_EQ(reg_->closeKey(key), kSuccess);
    EXPECT_EQ(reg_->closeKey(key), kInvalidHandle);
    char name[64];
    EXPECT_EQ(reg_->enumKey(0x12345678, 0, name, sizeof name), kInvalidHandle);
    EXPECT_EQ(reg_->closeKey(kHkeyCurrentUser), kSuccess);
    EXPECT_EQ(reg_->enumKey(kHkeyCurrentUser, 0, name, sizeof name), kSuccess);
}

// --- values -------------------------------------------------------------------

using RegistryContractValues = RegistryContractBase;

TEST_F(RegistryContractValues, NullDataAsksForTheSize) {
    setString(scratch_, "greeting", "hello");
    std::uint32_t type = 0, size = 0;
    EXPECT_EQ(reg_->queryValue(scratch_, "greeting", &type, nullptr, &size), kSuccess);
    EXPECT_EQ(type, kRegSz);
    EXPECT_EQ(size, 6u);
}

TEST_F(RegistryContractValues, SmallBufferGives234WithNeededSizeAndIsLeftAlone) {
    setString(scratch_, "greeting", "hello");
    std::uint8_t buffer[8];
    std::memset(buffer, '#', sizeof buffer);
    std::uint32_t size = 3;
    EXPECT_EQ(reg_->queryValue(scratch_, "greeting", nullptr, buffer, &size), kMoreData);
    EXPECT_EQ(size, 6u);
    EXPECT_EQ(std::string(reinterpret_cast<char*>(buffer), 8), "########");
    size = 0;
    EXPECT_EQ(reg_->queryValue(scratch_, "greeting", nullptr, buffer, &size), kMoreData);
    EXPECT_EQ(size, 6u);
    size = 6;
    EXPECT_EQ(reg_->queryValue(scratch_, "greeting", nullptr, buffer, &size), kSuccess);
    EXPECT_EQ(std::string(reinterpret_cast<char*>(buffer)), "hello");
}

TEST_F(RegistryContractValues, DataWithoutSizeIsAnInvalidParameter) {
    setString(scratch_, "v", "x");
    std::uint8_t buffer[8];
    EXPECT_EQ(reg_->queryValue(scratch_, "v", nullptr, buffer, nullptr), kInvalidParameter);
}

TEST_F(RegistryContractValues, StoresExactlyTheGivenByteCount) {
    const char text[] = "abcd";  // the byte after the 3 stored is not a zero
    ASSERT_EQ(reg_->setValue(scratch_, "short", kRegSz, reinterpret_cast<const std::uint8_t*>(text), 3), kSuccess);
    std::uint8_t buffer[8] = {};
    std::uint32_t size = sizeof buffer;
    std::uint32_t type = 0;
    EXPECT_EQ(reg_->queryValue(scratch_, "short", &type, buffer, &size), kSuccess);
    EXPECT_EQ(type, kRegSz);
    EXPECT_EQ(size, 3u);
    EXPECT_EQ(std::string(reinterpret_cast<char*>(buffer), 3), "abc");

    const std::uint8_t bytes[] = {0, 1, 2, 0, 0};
    ASSERT_EQ(reg_->setValue(scratch_, "binary", kRegBinary, bytes, 5), kSuccess);
    size = sizeof buffer;
    EXPECT_EQ(reg_->queryValue(scratch_, "binary", &type, buffer, &size), kSuccess);
    EXPECT_EQ(type, kRegBinary);
    EXPECT_EQ(size, 5u);
    EXPECT_EQ(std::memcmp(buffer, bytes, 5), 0);

    ASSERT_EQ(reg_->setValue(scratch_, "empty", kRegBinary, nullptr, 0), kSuccess);
    size = sizeof buffer;
    EXPECT_EQ(reg_->queryValue(scratch_, "empty", &type, buffer, &size), kSuccess);
    EXPECT_EQ(size, 0u);
}

TEST_F(RegistryContractValues, OverwritingReplacesTypeAndSize) {
    setString(scratch_, "v", "a longer text");
    const std::uint8_t dword[] = {10, 0, 0, 0};
    ASSERT_EQ(reg_->setValue(scratch_, "v", kRegDword, dword, 4), kSuccess);
    std::uint32_t type = 0, size = 0;
    EXPECT_EQ(reg_->queryValue(scratch_, "v", &type, nullptr, &size), kSuccess);
    EXPECT_EQ(type, kRegDword);
    EXPECT_EQ(size, 4u);
}

TEST_F(RegistryContractValues, DefaultValueIsTheEmptyName) {
    setString(scratch_, "", "default");
    std::uint32_t size = 0;
    EXPECT_EQ(reg_->queryValue(scratch_, "", nullptr, nullptr, &size), kSuccess);
    EXPECT_EQ(size, 8u);
    EXPECT_EQ(valueNames(scratch_), std::vector<std::string>{""});
    EXPECT_EQ(reg_->deleteValue(scratch_, ""), kSuccess);
    EXPECT_TRUE(valueNames(scratch_).empty());
}

TEST_F(RegistryContractValues, EnumValueWithoutDataReportsTypeAndSize) {
    setString(scratch_, "vwxyz", "hello");
    char name[64];
    std::uint32_t length = sizeof name, type = 0, size = 0;
    EXPECT_EQ(reg_->enumValue(scratch_, 0, name, &length, &type, nullptr, &size), kSuccess);
    EXPECT_EQ(std::string(name, length), "vwxyz");
    EXPECT_EQ(type, kRegSz);
    EXPECT_EQ(size, 6u);
}

TEST_F(RegistryContractValues, EnumValueSmallDataBufferGives234WithNeededSize) {
    setString(scratch_, "vwxyz", "hello");
    char name[64];
    std::uint8_t data[3];
    std::uint32_t length = sizeof name, size = sizeof data;
    EXPECT_EQ(reg_->enumValue(scratch_, 0, name, &length, nullptr, data, &size), kMoreData);
    EXPECT_EQ(size, 6u);
}

TEST_F(RegistryContractValues, EnumValueSmallNameBufferGives234) {
    setString(scratch_, "vwxyz", "hello");
    char name[64];
    std::uint32_t length = 5;  // no room for the zero
    EXPECT_EQ(reg_->enumValue(scratch_, 0, name, &length, nullptr, nullptr, nullptr), kMoreData);
    length = 6;
    EXPECT_EQ(reg_->enumValue(scratch_, 0, name, &length, nullptr, nullptr, nullptr), kSuccess);
    EXPECT_EQ(length, 5u);
}

TEST_F(RegistryContractValues, EnumKeySmallNameBufferGives234AndLeavesItAlone) {
    create("abcde");
    char name[16];
    std::memset(name, '#', sizeof name);
    EXPECT_EQ(reg_->enumKey(scratch_, 0, name, 5), kMoreData);
    EXPECT_EQ(name[0], '#');
    EXPECT_EQ(reg_->enumKey(scratch_, 0, name, 6), kSuccess);
    EXPECT_STREQ(name, "abcde");
}

// --- names --------------------------------------------------------------------

using RegistryContractCase = RegistryContractBase;

TEST_F(RegistryContractCase, KeyLookupIgnoresCaseAndKeepsWrittenCase) {
    create("MixedCase");
    Key key = 0;
    std::uint32_t disposition = 0;
    ASSERT_EQ(reg_->createKey(scratch_, "MIXEDCASE", kKeyAllAccess, key, &disposition), kSuccess);
    reg_->closeKey(key);
    EXPECT_EQ(disposition, kOpenedExistingKey);
    open("mixedcase", kKeyRead);
    EXPECT_EQ(subkeys(scratch_), std::vector<std::string>{"MixedCase"});
}

TEST_F(RegistryContractCase, ValueLookupIgnoresCaseAndKeepsFirstWrittenCase) {
    setString(scratch_, "ValueName", "first");
    std::uint32_t size = 0;
    EXPECT_EQ(reg_->queryValue(scratch_, "VALUENAME", nullptr, nullptr, &size), kSuccess);
    setString(scratch_, "valuename", "second!");
    EXPECT_EQ(valueNames(scratch_), std::vector<std::string>{"ValueName"});
    EXPECT_EQ(reg_->queryValue(scratch_, "ValueName", nullptr, nullptr, &size), kSuccess);
    EXPECT_EQ(size, 8u);
}

TEST_F(RegistryContractCase, NamesAreExactAndTrimmedFormsDiffer) {
    create(" spaced ");
    create("with,comma");
    create("eq=ual;semi");
    Key key = 0;
    EXPECT_EQ(reg_->openKey(scratch_, "spaced", kKeyRead, key), kFileNotFound);
    EXPECT_EQ(reg_->openKey(scratch_, " spaced", kKeyRead, key), kFileNotFound);
    EXPECT_EQ(reg_->openKey(scratch_, "with", kKeyRead, key), kFileNotFound);
    open(" spaced ", kKeyRead);
    open("with,comma", kKeyRead);
    open("EQ=UAL;SEMI", kKeyRead);

    setString(scratch_, " v ", "x");
    setString(scratch_, "back\\slash", "y");
    std::uint32_t size = 0;
    EXPECT_EQ(reg_->queryValue(scratch_, "v", nullptr, nullptr, &size), kFileNotFound);
    EXPECT_EQ(reg_->queryValue(scratch_, " v ", nullptr, nullptr, &size), kSuccess);
    EXPECT_EQ(reg_->queryValue(scratch_, "back\\slash", nullptr, nullptr, &size), kSuccess);
}

// --- enumeration order ---------------------------------------------------------

using RegistryContractOrder = RegistryContractBase;

TEST_F(RegistryContractOrder, SubkeysOfLettersAndDigitsComeSortedIgnoringCase) {
    for (const char* name : {"zebra", "Apple", "10", "9", "banana", "Mango", "apple2"}) create(name);
    EXPECT_EQ(subkeys(scratch_),
              (std::vector<std::string>{"10", "9", "Apple", "apple2", "banana", "Mango", "zebra"}));
}

TEST_F(RegistryContractOrder, UnderscoreSortsAfterLettersByUpperCasedName) {
    for (const char* name : {"_x", "Zed", "apple"}) create(name);
    if (isWine()) {
        EXPECT_EQ(subkeys(scratch_), (std::vector<std::string>{"_x", "apple", "Zed"}))
            << "Wine deviation: Wine compares lower-cased names, so '_' sorts before letters";
    } else {
        EXPECT_EQ(subkeys(scratch_), (std::vector<std::string>{"apple", "Zed", "_x"}));
    }
}

TEST_F(RegistryContractOrder, ValuesComeInCreationOrder) {
    for (const char* name : {"zeta", "Alpha", "mid"}) setString(scratch_, name, "x");
    if (isWine()) {
        EXPECT_EQ(valueNames(scratch_), (std::vector<std::string>{"Alpha", "mid", "zeta"}))
            << "Wine deviation: Wine enumerates values sorted by name";
    } else {
        EXPECT_EQ(valueNames(scratch_), (std::vector<std::string>{"zeta", "Alpha", "mid"}));
    }
}

TEST_F(RegistryContractOrder, DefaultValueEnumeratesAsEmptyNameInItsPlace) {
    for (const char* name : {"b", "", "a"}) setString(scratch_, name, "x");
    if (isWine()) {
        EXPECT_EQ(valueNames(scratch_), (std::vector<std::string>{"", "a", "b"}))
            << "Wine deviation: values sorted by name put the default value first";
    } else {
        EXPECT_EQ(valueNames(scratch_), (std::vector<std::string>{"b", "", "a"}));
    }
}

TEST_F(RegistryContractOrder, DeletingAValueKeepsTheOrderOfTheRest) {
    for (const char* name : {"c", "a", "b"}) setString(scratch_, name, "x");
    ASSERT_EQ(reg_->deleteValue(scratch_, "A"), kSuccess);
    if (isWine()) {
        EXPECT_EQ(valueNames(scratch_), (std::vector<std::string>{"b", "c"}))
            << "Wine deviation: Wine enumerates values sorted by name";
    } else {
        EXPECT_EQ(valueNames(scratch_), (std::vector<std::string>{"c", "b"}));
    }
}

TEST_F(RegistryContractOrder, TwoThousandSubkeysAreAllEnumerated) {
    Key parent = create("Many");
    std::vector<std::string> expected;
    for (int i = 1999; i >= 0; --i) {
        char name[16];
        std::snprintf(name, sizeof name, "k%04d", i);
        Key key = 0;
        ASSERT_EQ(reg_->createKey(parent, name, kKeyAllAccess, key), kSuccess);
        reg_->closeKey(key);
        expected.emplace_back(name);
    }
    std::sort(expected.begin(), expected.end());
    EXPECT_EQ(subkeys(parent), expected);
}

// --- access rights --------------------------------------------------------------

using RegistryContractAccess = RegistryContractBase;

TEST_F(RegistryContractAccess, ReadOnlyHandleCannotWriteOrDeleteValues) {
    setString(create("Guarded"), "v", "x");
    Key key = open("Guarded", kKeyRead);
    const std::uint8_t byte = 1;
    EXPECT_EQ(reg_->setValue(key, "w", kRegBinary, &byte, 1), kAccessDenied);
    EXPECT_EQ(reg_->deleteValue(key, "v"), kAccessDenied);
    std::uint32_t size = 0;
    EXPECT_EQ(reg_->queryValue(key, "v", nullptr, nullptr, &size), kSuccess);
}

TEST_F(RegistryContractAccess, SetOnlyHandleCannotReadOrEnumerate) {
    setString(create("Guarded"), "v", "x");
    create("Guarded\\Sub");
    Key key = open("Guarded", kKeySetValue);
    std::uint32_t size = 0;
    EXPECT_EQ(reg_->queryValue(key, "v", nullptr, nullptr, &size), kAccessDenied);
    char name[64];
    std::uint32_t length = sizeof name;
    EXPECT_EQ(reg_->enumValue(key, 0, name, &length, nullptr, nullptr, nullptr), kAccessDenied);
    EXPECT_EQ(reg_->enumKey(key, 0, name, sizeof name), kAccessDenied);
}

TEST_F(RegistryContractAccess, EnumeratingSubkeysNeedsEnumerateRight) {
    setString(create("Guarded"), "v", "x");
    create("Guarded\\Sub");
    Key key = open("Guarded", kKeyQueryValue);
    char name[64];
    EXPECT_EQ(reg_->enumKey(key, 0, name, sizeof name), kAccessDenied);
    std::uint32_t length = sizeof name;
    EXPECT_EQ(reg_->enumValue(key, 0, name, &length, nullptr, nullptr, nullptr), kSuccess);
}

TEST_F(RegistryContractAccess, HandleWithoutRightsCannotQuery) {
    setString(create("Guarded"), "v", "x");
    Key key = open("Guarded", 0);
    std::uint32_t size = 0;
    EXPECT_EQ(reg_->queryValue(key, "v", nullptr, nullptr, &size), kAccessDenied);
}

TEST_F(RegistryContractAccess, CreatingNewSubkeyNeedsCreateRightOnTheParent) {
    create("Guarded\\Existing");
    Key parent = open("Guarded", kKeyRead);
    Key key = 0;
    EXPECT_EQ(reg_->createKey(parent, "Existing", kKeyRead, key), kSuccess);
    reg_->closeKey(key);
    Status status = reg_->createKey(parent, "Fresh", kKeyRead, key);
    if (isWine()) {
        EXPECT_EQ(status, kSuccess) << "Wine deviation: Wine does not check the parent handle's rights on create";
        if (status == kSuccess) reg_->closeKey(key);
    } else {
        EXPECT_EQ(status, kAccessDenied);
    }
}

TEST_F(RegistryContractAccess, OpeningAndDeletingBelowAHandleNeedNoRightsOnIt) {
    create("Guarded\\Sub");
    Key parent = open("Guarded", kKeySetValue);
    Key key = 0;
    EXPECT_EQ(reg_->openKey(parent, "Sub", kKeyRead, key), kSuccess);
    reg_->closeKey(key);
    EXPECT_EQ(reg_->deleteKey(parent, "Sub"), kSuccess);
}

// --- a deleted key's handle ---------------------------------------------------

using RegistryContractDeletedKey = RegistryContractBase;

TEST_F(RegistryContractDeletedKey, HandleOfDeletedKeyGives1018) {
    Key key = 0;
    ASSERT_EQ(reg_->createKey(scratch_, "Gone", kKeyAllAccess, key), kSuccess);
    ASSERT_EQ(reg_->deleteKey(scratch_, "Gone"), kSuccess);
    std::uint32_t size = 0;
    EXPECT_EQ(reg_->queryValue(key, "v", nullptr, nullptr, &size), kKeyDeleted);
    const std::uint8_t byte = 1;
    EXPECT_EQ(reg_->setValue(key, "v", kRegBinary, &byte, 1), kKeyDeleted);
    EXPECT_EQ(reg_->deleteValue(key, "v"), kKeyDeleted);
    char name[64];
    EXPECT_EQ(reg_->enumKey(key, 0, name, sizeof name), kKeyDeleted);
    std::uint32_t length = sizeof name;
    EXPECT_EQ(reg_->enumValue(key, 0, name, &length, nullptr, nullptr, nullptr), kKeyDeleted);
    Key child = 0;
    EXPECT_EQ(reg_->openKey(key, "", kKeyRead, child), kKeyDeleted);
    EXPECT_EQ(reg_->createKey(key, "x", kKeyAllAccess, child), kKeyDeleted);
    EXPECT_EQ(reg_->closeKey(key), kSuccess);
}

TEST_F(RegistryContractDeletedKey, RecreatedKeyIsNotReachedThroughTheOldHandle) {
    Key old = 0;
    ASSERT_EQ(reg_->createKey(scratch_, "Phoenix", kKeyAllAccess, old), kSuccess);
    ASSERT_EQ(reg_->deleteKey(scratch_, "Phoenix"), kSuccess);
    Key reborn = create("Phoenix");
    setString(reborn, "v", "x");
    std::uint32_t size = 0;
    EXPECT_EQ(reg_->queryValue(old, "v", nullptr, nullptr, &size), kKeyDeleted);
    EXPECT_EQ(reg_->closeKey(old), kSuccess);
}

}  // namespace
