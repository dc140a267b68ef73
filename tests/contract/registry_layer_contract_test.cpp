// The registry layer's promises over either registry: whole values of any type
// and size, the longest key names, texts stored without their zero, keys that
// go away under a walk, and keys that refuse this user.
#include <gtest/gtest.h>

#include <algorithm>
#include <string>
#include <vector>

#include "platform/memory_registry.h"
#include "platform/registry_key.h"
#include "support/test_machine.h"

namespace {

using namespace platform;
using namespace std::string_literals;

class RegistryLayerContract : public ::testing::Test {
protected:
    void SetUp() override {
        tm_ = testing_support::makeTestMachine();
        reg_ = &tm_->machine().registry;
        scratch_ = tm_->scratchKey();
    }
    std::string at(const std::string& child) const { return scratch_ + "\\" + child; }

    std::unique_ptr<testing_support::TestMachine> tm_;
    Registry* reg_ = nullptr;
    std::string scratch_;
};

TEST_F(RegistryLayerContract, WholeValuesOfEveryTypeAndSizeComeBackAsWritten) {
    std::string megabyte(1 << 20, '\0');
    for (std::size_t i = 0; i < megabyte.size(); ++i) megabyte[i] = static_cast<char>(i * 7 + i / 251);
    const std::vector<NamedRegValue> written = {
        {"text", {kRegSz, "C:\\x.exe\0"s}},
        {"expandable", {kRegExpandSz, "%SystemRoot%\\x\0"s}},
        {"list", {kRegMultiSz, "one\0two\0\0"s}},
        {"number", {kRegDword, "\x2a\0\0\x80"s}},
        {"big number", {kRegQword, "\1\2\3\4\5\6\7\x88"s}},
        {"bytes", {kRegBinary, "\0\xff\0\x10"s}},
        {"nothing", {kRegNone, ""}},
        {"unknown type", {0x4242, "\x01\x02"s}},
        {"megabyte", {kRegBinary, megabyte}},
        {"long text", {kRegSz, std::string(70000, 'x') + '\0'}},
    };
    for (const auto& [name, value] : written)
        ASSERT_EQ(writeValue(*reg_, kHkeyCurrentUser, scratch_, View::Native, name, value), kSuccess) << name;

    for (const auto& [name, value] : written) {
        RegValue read;
        ASSERT_EQ(readValue(*reg_, kHkeyCurrentUser, scratch_, View::Native, name, read), kSuccess) << name;
        EXPECT_EQ(read.type, value.type) << name;
        EXPECT_TRUE(read.data == value.data) << name << ": " << read.data.size() << " bytes read";
    }
    // One walk over them all grows its buffer for the large ones and keeps every byte.
    RegKey key;
    ASSERT_EQ(RegKey::open(*reg_, kHkeyCurrentUser, scratch_, View::Native, kKeyQueryValue, key), kSuccess);
    std::vector<NamedRegValue> listed;
    ASSERT_EQ(key.values(listed), kSuccess);
    ASSERT_EQ(listed.size(), written.size());
    for (const auto& [name, value] : written) {
        auto found = std::find_if(listed.begin(), listed.end(), [&](const auto& v) { return v.name == name; });
        ASSERT_NE(found, listed.end()) << name;
        EXPECT_EQ(found->value.type, value.type) << name;
        EXPECT_TRUE(found->value.data == value.data) << name;
    }
}

TEST_F(RegistryLayerContract, NamesOf255CharactersAreListedOpenedAndRead) {
    const std::string longest(255, 'k'), valueName(255, 'v');
    RegKey scratch, child;
    ASSERT_EQ(RegKey::create(*reg_, kHkeyCurrentUser, scratch_, View::Native, kKeyAllAccess, scratch), kSuccess);
    ASSERT_EQ(RegKey::create(*reg_, scratch.handle(), longest, View::Native, kKeyAllAccess, child), kSuccess);
    ASSERT_EQ(child.write(valueName, textValue("deep")), kSuccess);
    std::vector<std::string> subkeys, names;
    ASSERT_EQ(scratch.subkeyNames(subkeys), kSuccess);
    EXPECT_EQ(subkeys, std::vector<std::string>{longest});
    ASSERT_EQ(child.valueNames(names), kSuccess);
    EXPECT_EQ(names, std::vector<std::string>{valueName});
    RegValue value;
    EXPECT_EQ(child.read(valueName, value), kSuccess);
    EXPECT_EQ(textOf(value), "deep");

    // Named from the root, the path is longer than 260 characters.
    const Status status = readValue(*reg_, kHkeyCurrentUser, at(longest), View::Native, valueName, value);
    if (tm_->isWine()) {
        EXPECT_EQ(status, kMoreData) << "Wine deviation: Wine's ANSI functions refuse a key path over 260 characters";
    } else {
        EXPECT_EQ(status, kSuccess);
    }
    // By its short name, so the scratch cleanup under Wine does not meet it.
    EXPECT_EQ(deleteKey(*reg_, scratch.handle(), longest, View::Native), kSuccess);
}

TEST_F(RegistryLayerContract, TextStoredWithoutItsZeroReadsAsItsBytes) {
    RegKey key;
    ASSERT_EQ(RegKey::create(*reg_, kHkeyCurrentUser, scratch_, View::Native, kKeyAllAccess, key), kSuccess);
    // The byte after the data is not a zero, so no registry can borrow one from memory.
    const char bytes[] = "abcX";
    ASSERT_EQ(reg_->setValue(key.handle(), "bare", kRegSz, reinterpret_cast<const std::uint8_t*>(bytes), 3), kSuccess);
    RegValue value;
    ASSERT_EQ(key.read("bare", value), kSuccess);
    EXPECT_EQ(value.data, "abc");
    EXPECT_EQ(textOf(value), "abc");
    EXPECT_EQ(formatValue(value), "abc");
}

TEST_F(RegistryLayerContract, KeyGoneBetweenListingAndReadingIsMissingNotAnError) {
    for (const char* name : {"A", "B", "C"})
        ASSERT_EQ(writeValue(*reg_, kHkeyCurrentUser, at(name), View::Native, "v", textValue(name)), kSuccess);
    RegKey held;
    ASSERT_EQ(RegKey::open(*reg_, kHkeyCurrentUser, at("B"), View::Native, kKeyRead, held), kSuccess);
    std::vector<std::string> listed;
    {
        RegKey scratch;
        ASSERT_EQ(RegKey::open(*reg_, kHkeyCurrentUser, scratch_, View::Native, kKeyRead, scratch), kSuccess);
        ASSERT_EQ(scratch.subkeyNames(listed), kSuccess);
    }
    ASSERT_EQ(deleteKeyTree(*reg_, kHkeyCurrentUser, at("B"), View::Native), kSuccess);

    std::vector<std::string> read;
    for (const std::string& name : listed) {
        RegValue value;
        const Status status = readValue(*reg_, kHkeyCurrentUser, at(name), View::Native, "v", value);
        if (status == kSuccess) read.push_back(*textOf(value));
        else EXPECT_EQ(status, kFileNotFound) << name;
    }
    EXPECT_EQ(read, (std::vector<std::string>{"A", "C"}));
    EXPECT_FALSE(keyExists(*reg_, kHkeyCurrentUser, at("B"), View::Native));
    EXPECT_EQ(deleteValue(*reg_, kHkeyCurrentUser, at("B"), View::Native, "v"), kSuccess);
    EXPECT_EQ(deleteKeyTree(*reg_, kHkeyCurrentUser, at("B"), View::Native), kSuccess);
    // A handle opened before the delete reports the key deleted, not a value missing.
    RegValue value;
    std::vector<NamedRegValue> values;
    EXPECT_EQ(held.read("v", value), kKeyDeleted);
    EXPECT_EQ(held.values(values), kKeyDeleted);
}

// Under Wine the user is an administrator and every key lets him in, so refusal is the substitute's alone.
TEST_F(RegistryLayerContract, KeyThatRefusesThisUserIsPresentButUntouched) {
    auto* memory = dynamic_cast<MemoryRegistry*>(reg_);
    if (!memory) GTEST_SKIP() << "the real registry cannot be made to refuse an administrator";
    ASSERT_EQ(writeValue(*reg_, kHkeyCurrentUser, at("Locked\\Inner"), View::Native, "v", textValue("kept")),
              kSuccess);
    ASSERT_EQ(memory->setGrantedRights(kHkeyCurrentUser, at("Locked"), kKeyRead), kSuccess);
    ASSERT_EQ(memory->setGrantedRights(kHkeyCurrentUser, at("Locked\\Inner"), 0), kSuccess);

    EXPECT_TRUE(keyExists(*reg_, kHkeyCurrentUser, at("Locked\\Inner"), View::Native));
    RegValue value;
    EXPECT_EQ(readValue(*reg_, kHkeyCurrentUser, at("Locked\\Inner"), View::Native, "v", value), kAccessDenied);
    EXPECT_EQ(writeValue(*reg_, kHkeyCurrentUser, at("Locked"), View::Native, "v", textValue("x")), kAccessDenied);
    EXPECT_EQ(deleteValue(*reg_, kHkeyCurrentUser, at("Locked\\Inner"), View::Native, "v"), kAccessDenied);
    EXPECT_EQ(deleteKeyTree(*reg_, kHkeyCurrentUser, at("Locked"), View::Native), kAccessDenied);

    ASSERT_EQ(memory->setGrantedRights(kHkeyCurrentUser, at("Locked\\Inner"), kKeyRead), kSuccess);
    EXPECT_EQ(readValue(*reg_, kHkeyCurrentUser, at("Locked\\Inner"), View::Native, "v", value), kSuccess);
    EXPECT_EQ(textOf(value), "kept");
}

}  // namespace
