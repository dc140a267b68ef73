#pragma once
// A machine (substitutes natively, the real services under Wine) with a scratch
// key, a scratch folder and a Backups folder inside it.
#include <gtest/gtest.h>

#include <memory>
#include <string>

#include "backup/backups.h"
#include "platform/reg_file.h"
#include "support/test_machine.h"

namespace backup_test {

using namespace platform;

class BackupTest : public ::testing::Test {
protected:
    BackupTest()
        : tm(testing_support::makeTestMachine()),
          m(tm->machine()),
          key(tm->scratchKey()),
          backups(m, tm->scratchFolder() + "\\Backups") {}

    void put(const std::string& path, const std::string& name, std::uint32_t type, const std::string& data) {
        Key k = 0;
        ASSERT_EQ(m.registry.createKey(kHkeyCurrentUser, path, kKeyAllAccess, k), kSuccess) << path;
        ASSERT_EQ(m.registry.setValue(k, name, type, reinterpret_cast<const std::uint8_t*>(data.data()),
                                      static_cast<std::uint32_t>(data.size())),
                  kSuccess)
            << name;
        m.registry.closeKey(k);
    }
    void makeKey(const std::string& path) {
        Key k = 0;
        ASSERT_EQ(m.registry.createKey(kHkeyCurrentUser, path, kKeyAllAccess, k), kSuccess) << path;
        m.registry.closeKey(k);
    }
    void removeValue(const std::string& path, const std::string& name) {
        Key k = 0;
        ASSERT_EQ(m.registry.openKey(kHkeyCurrentUser, path, kKeyAllAccess, k), kSuccess) << path;
        EXPECT_EQ(m.registry.deleteValue(k, name), kSuccess) << name;
        m.registry.closeKey(k);
    }
    void removeTree(const std::string& path) { testing_support::deleteTree(m.registry, kHkeyCurrentUser, path); }
    // The scratch key as the registry editor would export it: equal texts, equal registries.
    std::string exported() { return saveRegFile(m.registry, kHkeyCurrentUser, key, RegFileFormat::Regedit4); }
    std::string at(const std::string& name) const { return tm->scratchFolder() + "\\" + name; }
    std::string readText(const std::string& path) {
        std::string bytes;
        m.files.readFile(path, bytes);
        return bytes;
    }

    // Every value type, names and data a registry file must quote or escape,
    // non-ASCII letters, 64 KB of data, an empty key and a 1,000-value tree three levels deep.
    void plantAwkwardTree(const std::string& tree);

    std::unique_ptr<testing_support::TestMachine> tm;
    Machine& m;
    std::string key;
    backup::Backups backups;
};

}  // namespace backup_test
