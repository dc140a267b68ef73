#pragma once
// The main window over a machine image, on the startup page, in the keyed
// language (location texts read "t116" ...), with helpers to find rows and put values.
#include "platform/reg_file.h"
#include "shell/main_window_fixture.h"
#include "startup/registry_values.h"
#include "startup/startup_places.h"
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
    ui::ListView& list() { return form->startupList; }
    // The row whose text is `name` and whose state is active/parked; rowCount() when none.
    std::size_t rowOf(const std::string& name, bool active = true) {
        for (std::size_t i = 0; i < list().rowCount(); ++i)
            if (list().text(i, 0) == name && list().text(i, 3) == (active ? "1" : "0")) return i;
        return list().rowCount();
    }
    void click(const std::string& name, bool active = true) {
        const std::size_t row = rowOf(name, active);
        ASSERT_LT(row, list().rowCount()) << name;
        list().clickRow(row);
    }
    void put(Key root, const std::string& path, const std::string& name, std::uint32_t type, const std::string& data) {
        ASSERT_EQ(startup::writeRawValue(pc.registry, root, path, name, {type, data}), kSuccess);
    }
    startup::RawValue value(Key root, const std::string& path, const std::string& name) {
        startup::RawValue raw;
        raw.type = 0xffff;
        startup::readRawValue(pc.registry, root, path, name, raw);
        return raw;
    }
    bool hasValue(Key root, const std::string& path, const std::string& name) {
        startup::RawValue raw;
        return startup::readRawValue(pc.registry, root, path, name, raw) == kSuccess;
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
