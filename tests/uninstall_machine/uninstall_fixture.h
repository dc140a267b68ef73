#pragma once
// The uninstall page's logic over a test machine (substitutes natively, the real
// registry, files and process starts under Wine) with a scripted desktop, and
// the Uninstall keys pointed at the scratch key.
#include <gtest/gtest.h>

#include <memory>
#include <string>

#include "platform/recorded_processes.h"
#include "platform/reg_file.h"
#include "platform/registry_key.h"
#include "platform/scripted_desktop.h"
#include "support/test_machine.h"
#include "uninstall/uninstall_page.h"

namespace uninstall_test {

using namespace platform;

class UninstallMachineTest : public ::testing::Test {
protected:
    UninstallMachineTest()
        : tm(testing_support::makeTestMachine()),
          real(tm->machine()),
          m{real.registry, real.profile, real.files, real.processes, real.shortcuts, desktop},
          key(tm->scratchKey()),
          store(m.registry, m.profile, m.files),
          language(store, m.files, [] { return std::string("english.ini"); }),
          backups(m, tm->scratchFolder() + "\\Backups"),
          page(m, backups, language,
               {std::vector<uninstall::UninstallPlace>{
                    {kHkeyCurrentUser, View::Native, key + "\\Uninstall", key + "\\UninstallNT"}},
                false}),
          programList(page.parts.programList) {
        page.generation = [this] { return generation; };
        page.rebuild = [this] {
            ++rebuilds;
            page.list();
        };
    }
    ~UninstallMachineTest() override { testing_support::deleteTree(m.registry, kHkeyCurrentUser, key); }

    void put(const std::string& path, const std::string& name, std::uint32_t type, const std::string& data) {
        Key k = 0;
        ASSERT_EQ(m.registry.createKey(kHkeyCurrentUser, key + "\\" + path, kKeyAllAccess, k), kSuccess) << path;
        ASSERT_EQ(m.registry.setValue(k, name, type, reinterpret_cast<const std::uint8_t*>(data.data()),
                                      static_cast<std::uint32_t>(data.size())),
                  kSuccess);
        m.registry.closeKey(k);
    }
    void text(const std::string& path, const std::string& name, const std::string& data) {
        put(path, name, kRegSz, data + '\0');
    }
    // An entry under the primary key with a display name and, when given, an uninstall command.
    void entry(const std::string& keyName, const std::string& displayName, const std::string& command = {}) {
        text("Uninstall\\" + keyName, "DisplayName", displayName);
        if (!command.empty()) text("Uninstall\\" + keyName, "UninstallString", command);
    }
    std::optional<RegValue> value(const std::string& path, const std::string& name) {
        RegValue read;
        if (readValue(m.registry, kHkeyCurrentUser, key + "\\" + path, View::Native, name, read)) return std::nullopt;
        return read;
    }
    std::optional<std::string> textAt(const std::string& path, const std::string& name) {
        const auto read = value(path, name);
        return read ? textOf(*read) : std::nullopt;
    }
    std::string exported() { return saveRegFile(m.registry, kHkeyCurrentUser, key, RegFileFormat::Regedit4); }
    void select(const std::string& displayName) {
        for (std::size_t i = 0; i < programList.rowCount(); ++i)
            if (programList.text(i, 0) == displayName) return page.rowClicked(i);
        FAIL() << "no row " << displayName;
    }
    std::vector<std::string> rowNames() const {
        std::vector<std::string> names;
        for (const auto& row : programList.rows()) names.push_back(row.texts[0]);
        return names;
    }

    std::unique_ptr<testing_support::TestMachine> tm;
    Machine& real;
    ScriptedDesktop desktop;
    Machine m;
    std::string key;
    store::SettingsStore store;
    localisation::Language language;
    backup::Backups backups;
    uninstall::UninstallPage page;
    ui::ListView& programList;
    int rebuilds = 0;
    std::uint64_t generation = 1;
};

}  // namespace uninstall_test
