// What the in-memory registry adds beyond the shared contract: its roots,
// its handles, code-page names and the limits Windows has but Wine lacks.
#include <gtest/gtest.h>

#include <algorithm>
#include <cstdio>
#include <random>
#include <string>
#include <vector>

#include "platform/memory_registry.h"

namespace {

using namespace platform;

class MemoryRegistryTest : public ::testing::Test {
protected:
    Key create(Key parent, const std::string& path, std::uint32_t access = kKeyAllAccess) {
        Key key = 0;
        EXPECT_EQ(reg.createKey(parent, path, access, key), kSuccess) << path;
        return key;
    }
    std::vector<std::string> subkeys(Key key) {
        std::vector<std::string> names;
        char name[300];
        for (std::uint32_t i = 0; reg.enumKey(key, i, name, sizeof name) == kSuccess; ++i) names.emplace_back(name);
        return names;
    }
    void setString(Key key, const std::string& name, const std::string& text) {
        ASSERT_EQ(reg.setValue(key, name, kRegSz, reinterpret_cast<const std::uint8_t*>(text.c_str()),
                               static_cast<std::uint32_t>(text.size() + 1)),
                  kSuccess);
    }

    MemoryRegistry reg;
};

using MemoryRegistryRoots = MemoryRegistryTest;

TEST_F(MemoryRegistryRoots, PredefinedRootsExist) {
    for (Key root : {kHkeyClassesRoot, kHkeyCurrentUser, kHkeyLocalMachine, kHkeyUsers, kHkeyCurrentConfig}) {
        Key key = 0;
        EXPECT_EQ(reg.openKey(root, "", kKeyRead, key), kSuccess) << std::hex << root;
        EXPECT_EQ(reg.closeKey(key), kSuccess);
    }
    Key key = 0;
    EXPECT_EQ(reg.openKey(kHkeyPerformanceData, "", kKeyRead, key), kInvalidHandle);
}

TEST_F(MemoryRegistryRoots, ClassesRootIsTheMachineClassesKey) {
    Key key = create(kHkeyClassesRoot, ".txt");
    setString(key, "", "txtfile");
    reg.closeKey(key);
    Key seen = 0;
    ASSERT_EQ(reg.openKey(kHkeyLocalMachine, "SOFTWARE\\classes\\.TXT", kKeyRead, seen), kSuccess);
    std::uint32_t size = 0;
    EXPECT_EQ(reg.queryValue(seen, "", nullptr, nullptr, &size), kSuccess);
    EXPECT_EQ(size, 8u);
    reg.closeKey(seen);
    ASSERT_EQ(reg.deleteKey(kHkeyLocalMachine, "Software\\Classes\\.txt"), kSuccess);
    EXPECT_TRUE(subkeys(kHkeyClassesRoot).empty());
}

TEST_F(MemoryRegistryRoots, RootsAndClassesCannotBeDeleted) {
    EXPECT_EQ(reg.deleteKey(kHkeyCurrentConfig, ""), kAccessDenied);
    EXPECT_EQ(reg.deleteKey(kHkeyLocalMachine, "Software\\Classes"), kAccessDenied);
    Key key = 0;
    EXPECT_EQ(reg.openKey(kHkeyClassesRoot, "", kKeyRead, key), kSuccess);
    EXPECT_EQ(reg.closeKey(key), kSuccess);
}

TEST_F(MemoryRegistryRoots, PredefinedRootsHaveAllRights) {
    setString(kHkeyCurrentUser, "v", "x");
    EXPECT_EQ(reg.deleteValue(kHkeyCurrentUser, "v"), kSuccess);
    Key key = create(kHkeyCurrentUser, "Fresh");
    reg.closeKey(key);
    EXPECT_EQ(subkeys(kHkeyCurrentUser), std::vector<std::string>{"Fresh"});
}

using MemoryRegistryHandles = MemoryRegistryTest;

TEST_F(MemoryRegistryHandles, HandlesAreDistinctAndNotPredefined) {
    Key a = create(kHkeyCurrentUser, "A");
    Key b = 0;
    ASSERT_EQ(reg.openKey(kHkeyCurrentUser, "A", kKeyRead, b), kSuccess);
    EXPECT_NE(a, 0u);
    EXPECT_NE(a, b);
    EXPECT_LT(a, kHkeyClassesRoot);
    EXPECT_LT(b, kHkeyClassesRoot);
    reg.closeKey(a);
    reg.closeKey(b);
}

TEST_F(MemoryRegistryHandles, OpenHandleCountFollowsOpenAndClose) {
    EXPECT_EQ(reg.openHandleCount(), 0u);
    Key a = create(kHkeyCurrentUser, "A\\B");
    Key b = 0;
    ASSERT_EQ(reg.openKey(a, "", kKeyRead, b), kSuccess);
    EXPECT_EQ(reg.openHandleCount(), 2u);
    Key missing = 0;
    EXPECT_EQ(reg.openKey(a, "Nope", kKeyRead, missing), kFileNotFound);
    EXPECT_EQ(reg.openHandleCount(), 2u);
    reg.closeKey(a);
    reg.closeKey(b);
    EXPECT_EQ(reg.openHandleCount(), 0u);
    reg.closeKey(kHkeyCurrentUser);
    EXPECT_EQ(reg.openHandleCount(), 0u);
}

TEST_F(MemoryRegistryHandles, HandleOfDeletedKeyStillCountsUntilClosed) {
    Key a = create(kHkeyCurrentUser, "A");
    ASSERT_EQ(reg.deleteKey(kHkeyCurrentUser, "A"), kSuccess);
    EXPECT_EQ(reg.openHandleCount(), 1u);
    EXPECT_EQ(reg.closeKey(a), kSuccess);
    EXPECT_EQ(reg.openHandleCount(), 0u);
}

TEST_F(MemoryRegistryHandles, GenericReadGrantsReadingOnly) {
    Key a = create(kHkeyCurrentUser, "A");
    setString(a, "v", "x");
    reg.closeKey(a);
    Key key = 0;
    ASSERT_EQ(reg.openKey(kHkeyCurrentUser, "A", 0x80000000u, key), kSuccess);
    std::uint32_t size = 0;
    EXPECT_EQ(reg.queryValue(key, "v", nullptr, nullptr, &size), kSuccess);
    EXPECT_EQ(reg.deleteValue(key, "v"), kAccessDenied);
    reg.closeKey(key);
}

using MemoryRegistryNames = MemoryRegistryTest;

TEST_F(MemoryRegistryNames, KeyNameOver255CharactersIsRefused) {
    Key key = 0;
    EXPECT_EQ(reg.createKey(kHkeyCurrentUser, "Ok\\" + std::string(256, 'n'), kKeyAllAccess, key),
              kInvalidParameter);
    EXPECT_EQ(key, 0u);
    EXPECT_TRUE(subkeys(kHkeyCurrentUser).empty()) << "nothing is created half-way";
}

TEST_F(MemoryRegistryNames, RunsOfBackslashesSeparateLikeOne) {
    reg.closeKey(create(kHkeyCurrentUser, "a\\\\b\\"));
    Key key = 0;
    EXPECT_EQ(reg.openKey(kHkeyCurrentUser, "a\\b", kKeyRead, key), kSuccess);
    reg.closeKey(key);
}

TEST_F(MemoryRegistryNames, AnsiLettersMatchAcrossCase) {
    reg.closeKey(create(kHkeyCurrentUser, "caf\xE9"));  // café
    Key key = 0;
    EXPECT_EQ(reg.openKey(kHkeyCurrentUser, "CAF\xC9", kKeyRead, key), kSuccess);
    reg.closeKey(key);
    reg.closeKey(create(kHkeyCurrentUser, "\x9A"));  // š and Š
    EXPECT_EQ(reg.openKey(kHkeyCurrentUser, "\x8A", kKeyRead, key), kSuccess);
    reg.closeKey(key);
}

TEST_F(MemoryRegistryNames, SortsAnsiNamesByUpperCasedUnicode) {
    // Š is U+0160, after É (U+00C9), which is after the ASCII letters.
    for (const char* name : {"\x9Ax", "\xC9x", "Zed", "_u"}) reg.closeKey(create(kHkeyCurrentUser, name));
    EXPECT_EQ(subkeys(kHkeyCurrentUser), (std::vector<std::string>{"Zed", "_u", "\xC9x", "\x9Ax"}));
}

TEST_F(MemoryRegistryNames, ValueNameOverLimitIsRefused) {
    const std::uint8_t byte = 0;
    EXPECT_EQ(reg.setValue(kHkeyCurrentUser, std::string(16384, 'v'), kRegBinary, &byte, 1), kInvalidParameter);
    EXPECT_EQ(reg.setValue(kHkeyCurrentUser, std::string(16383, 'v'), kRegBinary, &byte, 1), kSuccess);
}

TEST_F(MemoryRegistryNames, MissingDataForNonEmptyWriteIsRefused) {
    EXPECT_EQ(reg.setValue(kHkeyCurrentUser, "v", kRegBinary, nullptr, 4), 998);
    std::uint32_t size = 0;
    EXPECT_EQ(reg.queryValue(kHkeyCurrentUser, "v", nullptr, nullptr, &size), kFileNotFound);
}

using MemoryRegistryLimits = MemoryRegistryTest;

TEST_F(MemoryRegistryLimits, NestingBeyondTheRegistryLimitIsRefused) {
    std::string deep;
    for (int i = 0; i < 600; ++i) deep += "d\\";
    Key key = 0;
    EXPECT_EQ(reg.createKey(kHkeyCurrentUser, deep, kKeyAllAccess, key), kInvalidParameter);
    EXPECT_TRUE(subkeys(kHkeyCurrentUser).empty());
    std::string allowed;
    for (int i = 0; i < 500; ++i) allowed += "d\\";
    EXPECT_EQ(reg.createKey(kHkeyCurrentUser, allowed, kKeyAllAccess, key), kSuccess);
    reg.closeKey(key);
}

TEST_F(MemoryRegistryLimits, EnumerationFollowsInsertsAndDeletesInAnyOrder) {
    std::vector<std::string> names;
    for (int i = 0; i < 70000; ++i) {  // past any 16-bit index
        char name[16];
        std::snprintf(name, sizeof name, "n%05d", i);
        names.emplace_back(name);
    }
    std::mt19937 random(7);
    std::shuffle(names.begin(), names.end(), random);
    Key parent = create(kHkeyCurrentUser, "Big");
    for (const auto& name : names) reg.closeKey(create(parent, name));
    EXPECT_EQ(subkeys(parent).size(), 70000u);

    char name[32];
    ASSERT_EQ(reg.enumKey(parent, 69999, name, sizeof name), kSuccess);
    EXPECT_STREQ(name, "n69999");
    ASSERT_EQ(reg.deleteKey(parent, "n00000"), kSuccess);
    reg.closeKey(create(parent, "a-first"));
    ASSERT_EQ(reg.enumKey(parent, 0, name, sizeof name), kSuccess);
    EXPECT_STREQ(name, "a-first");
    ASSERT_EQ(reg.enumKey(parent, 1, name, sizeof name), kSuccess);
    EXPECT_STREQ(name, "n00001");
    EXPECT_EQ(reg.enumKey(parent, 70000, name, sizeof name), kNoMoreItems);
    reg.closeKey(parent);
}

namespace {
// Built with append: GCC 12 warns falsely about "literal" + std::to_string at -O2.
std::string valueName(const char* prefix, int number) {
    std::string name(prefix);
    name += std::to_string(number);
    return name;
}
}  // namespace

TEST_F(MemoryRegistryLimits, ValuesStayFindableAfterDeletionsInTheMiddle) {
    for (int i = 0; i < 10; ++i) setString(kHkeyCurrentUser, valueName("v", i), std::to_string(i));
    for (int i = 0; i < 10; i += 3) ASSERT_EQ(reg.deleteValue(kHkeyCurrentUser, valueName("V", i)), kSuccess);
    for (int i = 0; i < 10; ++i) {
        char data[8] = {};
        std::uint32_t size = sizeof data;
        Status status = reg.queryValue(kHkeyCurrentUser, valueName("v", i), nullptr,
                                       reinterpret_cast<std::uint8_t*>(data), &size);
        if (i % 3 == 0) {
            EXPECT_EQ(status, kFileNotFound) << i;
        } else {
            EXPECT_EQ(status, kSuccess) << i;
            EXPECT_EQ(std::string(data), std::to_string(i));
        }
    }
    char name[8];
    std::uint32_t length = sizeof name;
    ASSERT_EQ(reg.enumValue(kHkeyCurrentUser, 0, name, &length, nullptr, nullptr, nullptr), kSuccess);
    EXPECT_EQ(std::string(name, length), "v1");
}

}  // namespace
