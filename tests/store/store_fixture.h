#pragma once
// A settings store over one test machine, with helpers to plant registry data.
#include <gtest/gtest.h>

#include <memory>
#include <string>

#include "platform/memory_registry.h"
#include "store/settings_store.h"
#include "support/test_machine.h"

class StoreTest : public ::testing::Test {
protected:
    StoreTest()
        : tm(testing_support::makeTestMachine()),
          registry(tm->machine().registry),
          store(tm->machine().registry, tm->machine().profile, tm->machine().files),
          key(tm->scratchKey()) {}

    ~StoreTest() override {
        // Every operation closes what it opened.
        if (auto* memory = dynamic_cast<platform::MemoryRegistry*>(&registry)) {
            EXPECT_EQ(memory->openHandleCount(), 0u);
        }
    }

    void plant(const std::string& path, const std::string& name, std::uint32_t type, const std::string& bytes) {
        platform::Key handle = 0;
        ASSERT_EQ(registry.createKey(platform::kHkeyCurrentUser, path, platform::kKeyAllAccess, handle), 0);
        ASSERT_EQ(registry.setValue(handle, name, type, reinterpret_cast<const std::uint8_t*>(bytes.data()),
                                    static_cast<std::uint32_t>(bytes.size())),
                  0);
        registry.closeKey(handle);
    }
    void plantKey(const std::string& path) {
        platform::Key handle = 0;
        ASSERT_EQ(registry.createKey(platform::kHkeyCurrentUser, path, platform::kKeyAllAccess, handle), 0);
        registry.closeKey(handle);
    }
    bool keyExists(const std::string& path) {
        platform::Key handle = 0;
        if (registry.openKey(platform::kHkeyCurrentUser, path, platform::kKeyQueryValue, handle) != 0) return false;
        registry.closeKey(handle);
        return true;
    }
    // The stored bytes of a value, or nullopt-like "missing" marker.
    std::string storedBytes(const std::string& path, const std::string& name, std::uint32_t* type = nullptr) {
        platform::Key handle = 0;
        if (registry.openKey(platform::kHkeyCurrentUser, path, platform::kKeyQueryValue, handle) != 0)
            return "<no key>";
        std::uint32_t size = 0, valueType = 0;
        std::string data;
        if (registry.queryValue(handle, name, &valueType, nullptr, &size) == 0) {
            data.resize(size);
            registry.queryValue(handle, name, &valueType, reinterpret_cast<std::uint8_t*>(data.data()), &size);
        } else {
            data = "<no value>";
        }
        registry.closeKey(handle);
        if (type) *type = valueType;
        return data;
    }
    std::string iniPath(const std::string& name) { return tm->scratchFolder() + "\\" + name; }
    std::string readFile(const std::string& path) {
        std::string bytes;
        tm->machine().files.readFile(path, bytes);
        return bytes;
    }

    std::unique_ptr<testing_support::TestMachine> tm;
    platform::Registry& registry;
    store::SettingsStore store;
    std::string key;  // scratch key under HKEY_CURRENT_USER
};
