#pragma once
// The main window over a machine image, on the startup page, in the keyed
// language (location texts read "t116" ...), with helpers to find entries and put values.
#include "platform/reg_file.h"
#include "platform/registry_key.h"
#include "shell/main_window_fixture.h"
#include "startup/startup_places.h"
#include "store/text_value.h"
#include "support/test_machine.h"

namespace startup_test {

using namespace platform;

class StartupTest : public main_window_test::MainWindowTest {
protected:
    void loadImage(const std::string& image) {
        RegFileError error;
        ASSERT_TRUE(pc.loadImage(std::filesystem::path(VANTREL_FIXTURES) / image, error)) << error.describe();
        loadWith("keyed.ini");
    }
    void showPage() { form->showStartupPage(); }
    startup::StartupPage& page() { return form->startupPage; }
    ui::ListView& list() { return page().list; }
    // The row showing the entry named `name` in that state; rowCount() when none.
    std::size_t rowOf(const std::string& name, bool active = true) {
        for (std::size_t i = 0; i < list().rowCount(); ++i)
            if (const startup::StartupEntry* entry = page().entryOfRow(i);
                entry && store::trimSpaces(entry->name) == name && entry->active == active)
                return i;
        return list().rowCount();
    }
    const startup::StartupEntry& entryOf(const std::string& name, bool active = true) {
        const startup::StartupEntry* entry = page().entryOfRow(rowOf(name, active));
        if (!entry) throw std::runtime_error("not listed: " + name);
        return *entry;
    }
    void click(const std::string& name, bool active = true) {
        const std::size_t row = rowOf(name, active);
        ASSERT_LT(row, list().rowCount()) << name;
        list().clickRow(row);
    }
    void put(Key root, const std::string& path, const std::string& name, std::uint32_t type, const std::string& data,
             View view = View::Native) {
        ASSERT_EQ(writeValue(pc.registry, root, path, view, name, {type, data}), kSuccess);
    }
    RegValue value(Key root, const std::string& path, const std::string& name, View view = View::Native) {
        RegValue raw;
        raw.type = 0xffff;
        readValue(pc.registry, root, path, view, name, raw);
        return raw;
    }
    std::string text(Key root, const std::string& path, const std::string& name) {
        return formatValue(value(root, path, name));
    }
    bool hasValue(Key root, const std::string& path, const std::string& name, View view = View::Native) {
        RegValue raw;
        return readValue(pc.registry, root, path, view, name, raw) == kSuccess;
    }
    std::string hostText(const std::string& relative) {
        std::ifstream in(root / relative, std::ios::binary);
        return std::string(std::istreambuf_iterator<char>(in), {});
    }
    bool hostExists(const std::string& relative) { return std::filesystem::exists(root / relative); }
    std::string winIni(const std::string& key) {
        return startup::readWinIni(pc.profile, "C:\\WINDOWS\\win.ini", key);
    }
    void answer(std::initializer_list<MessageAnswer> answers) { pc.desktop.answers.assign(answers); }
};

}  // namespace startup_test
