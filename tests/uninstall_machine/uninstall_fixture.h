#pragma once
// The uninstall page's logic over a test machine (substitutes natively, the real
// registry, files and process starts under Wine) with a scripted desktop, and
// the Uninstall keys pointed at the scratch key.
#include <gtest/gtest.h>

#include <memory>
#include <string>

#include "platform/recorded_processes.h"
#include "platform/reg_file.h"
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
          programList("programList", {}, {{"", 100}, {"", 100}, {"", 0}}),
          label("label", {}),
          picture("picture", {}),
          button("button", {}),
          tool(uninstall::UninstallPage{programList, label, picture, {&button}, selectedRow, keyMode, badEntries,
                                        [this] { return generation; }},
               m, store, backups, language, progress,
               uninstall::UninstallKeys{"HKCU", kHkeyCurrentUser, key + "\\Uninstall", key + "\\UninstallNT"}) {
        tool.rebuild = [this] {
            ++rebuilds;
            tool.programs.list();
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
    std::optional<uninstall::RegistryValue> value(const std::string& path, const std::string& name) {
        return uninstall::readValue(m.registry, kHkeyCurrentUser, key + "\\" + path, name);
    }
    std::string exported() { return saveRegFile(m.registry, kHkeyCurrentUser, key, RegFileFormat::Regedit4); }
    void select(const std::string& displayName) {
        for (std::size_t i = 0; i < programList.rowCount(); ++i)
            if (programList.text(i, 0) == displayName) return tool.programs.rowClicked(i);
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
    store::RecordedProgress progress;
    ui::ListView programList;
    ui::Label label;
    ui::Picture picture;
    ui::Button button;
    int selectedRow = 0, keyMode = 0, badEntries = 0, rebuilds = 0;
    std::uint64_t generation = 1;
    uninstall::UninstallTool tool;
};

}  // namespace uninstall_test
