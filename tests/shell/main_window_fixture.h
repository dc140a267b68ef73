#pragma once
// The main window over a substitute machine whose program folder holds the
// English file and a language file whose every text names its own key, so
// a caption shows where it came from.
#include <gtest/gtest.h>
#include <cstdio>

#include <filesystem>
#include <fstream>
#include <memory>
#include <stdexcept>
#include <string>
#include <vector>
#include <stdlib.h>

#include "platform/substitute_machine.h"
#include "shell/main_window.h"
#include "support/temp_folder.h"

namespace main_window_test {

inline std::filesystem::path tempFolder() { return testing_support::makeTempFolder("vantrel-main-window"); }

// "t" followed by the key: the text of key 35 is "t035".
inline std::string keyed(int key) {
    char text[8];
    std::snprintf(text, sizeof text, "t%03d", key);
    return text;
}

class FakeNotifyShell : public controls::NotifyShell {
public:
    struct Call {
        int message;
        controls::NotifyRecord record;
    };
    bool notify(int message, const controls::NotifyRecord& record) override {
        calls.push_back({message, record});
        return true;
    }
    int count(int message) const {
        int n = 0;
        for (const auto& call : calls) n += call.message == message;
        return n;
    }
    std::vector<Call> calls;
};

class FakeTrayHost : public controls::TrayHost {
public:
    std::uintptr_t windowHandle() const override { return 0x4711; }
    int twipsPerPixel() const override { return 15; }
    void setSize(int, int) override {}
};

class MainWindowTest : public ::testing::Test {
protected:
    MainWindowTest() : root(tempFolder()), pc(root, "C:\\Vantrel") {
        std::filesystem::create_directories(root / "Vantrel" / "lang");
        std::filesystem::copy_file(std::filesystem::path(VANTREL_LANG) / "english.ini",
                                   root / "Vantrel" / "lang" / "english.ini");
        std::string keyedFile = "[001]\r\n";
        for (int key = 1; key <= 122; ++key) keyedFile += keyed(key).substr(1) + "=" + keyed(key) + "\r\n";
        writeFile("Vantrel/lang/keyed.ini", keyedFile);
        form = std::make_unique<shell::MainWindow>(pc.machine(), notifyShell, trayHost, [] { return 0.5; });
    }
    ~MainWindowTest() override {
        form.reset();
        std::filesystem::remove_all(root);
    }

    void writeFile(const std::string& relative, const std::string& text) {
        std::ofstream(root / relative, std::ios::binary) << text;
    }
    void chooseLanguage(const std::string& fileName) {
        form->store.saveString(platform::kHkeyLocalMachine, "software\\morvalen\\brevisk", "language", fileName);
    }
    void loadWith(const std::string& languageFile) {
        chooseLanguage(languageFile);
        form->initialize();
        form->load();
    }
    std::string storedTick(const std::string& name) {
        std::string text;
        form->store.readString(platform::kHkeyLocalMachine, "software\\morvalen\\Halvennic\\timer\\reg", name, text);
        return text;
    }

    std::filesystem::path root;
    platform::SubstituteMachine pc;
    FakeNotifyShell notifyShell;
    FakeTrayHost trayHost;
    std::unique_ptr<shell::MainWindow> form;
};

}  // namespace main_window_test
