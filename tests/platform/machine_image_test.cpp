#include <gtest/gtest.h>

#include <fstream>

#include <stdlib.h>

#include "platform/substitute_machine.h"
#include "store/settings_store.h"
#include "support/temp_folder.h"

namespace {

struct LoadedImage {
    explicit LoadedImage(const char* name)
        : root(testing_support::makeTempFolder("vantrel-image")), pc(root, "C:\\Program Files\\Vantrel") {
        loaded = pc.loadImage(std::filesystem::path(VANTREL_FIXTURES) / name, error);
    }
    ~LoadedImage() { std::filesystem::remove_all(root); }
    std::filesystem::path root;
    platform::SubstituteMachine pc;
    platform::RegFileError error;
    bool loaded = false;
};

}  // namespace

TEST(MachineImage, Win98_HasItsWindowsFolderUnderThe9xKeyAndWinIniStartupLines) {
    LoadedImage image("win98");
    ASSERT_TRUE(image.loaded) << image.error.describe();
    store::SettingsStore store(image.pc.registry, image.pc.profile, image.pc.files);
    EXPECT_EQ(store.windowsFolder(), "C:\\WINDOWS");
    platform::Key nt = 0;
    EXPECT_EQ(image.pc.registry.openKey(platform::kHkeyLocalMachine, "Software\\Microsoft\\Windows NT", 1, nt), 2);
    store::Value run;
    EXPECT_EQ(store.readValue("c:\\windows\\WIN.INI", "windows", "run", "s", std::string(), run), 0);
    EXPECT_EQ(std::get<std::string>(run), "C:\\TOOLS\\clock.exe");
    std::uint32_t attributes = 0;
    ASSERT_EQ(image.pc.files.getAttributes("C:\\WINDOWS\\SYSTEM\\COMCTL32.DLL", attributes), 0);
    EXPECT_EQ(attributes & (platform::kAttrHidden | platform::kAttrSystem | platform::kAttrReadOnly), 0x07u);
}

TEST(MachineImage, WinXp_TakesItsWindowsFolderFromTheNtKeyAndHasDocumentsAndSettings) {
    LoadedImage image("winxp");
    ASSERT_TRUE(image.loaded) << image.error.describe();
    store::SettingsStore store(image.pc.registry, image.pc.profile, image.pc.files);
    EXPECT_EQ(store.windowsFolder(), "C:\\WINDOWS");
    std::vector<std::string> names;
    EXPECT_EQ(platform::listFolderFiles(image.pc.files,
                                        "C:\\Documents and Settings\\Anna\\Start Menu\\Programs\\Startup", names),
              0);
    EXPECT_EQ(names, std::vector<std::string>{"desktop.ini"});
    store::RecordedProgress progress;
    std::string items;
    EXPECT_EQ(store.enumerateSubkeys("HKLM", "Software\\Microsoft\\Windows\\CurrentVersion\\Uninstall", items, names,
                                     progress),
              0);
    EXPECT_EQ(names.size(), 3u);
}

TEST(MachineImage, MalformedRegistryFileLoadsNothing) {
    auto root = testing_support::makeTempFolder("vantrel-image");
    std::filesystem::create_directories(root / "image");
    std::ofstream(root / "image" / "machine.reg") << "REGEDIT4\r\n\r\n[HKEY_LOCAL_MACHINE\\Software\\A]\r\n"
                                                     "\"ok\"=\"1\"\r\n\"broken\"=dword:zz\r\n";
    {
        platform::SubstituteMachine pc(root, "C:\\Vantrel");
        platform::RegFileError error;
        EXPECT_FALSE(pc.loadImage(root / "image", error));
        EXPECT_EQ(error.line, 5u);
        platform::Key key = 0;
        EXPECT_EQ(pc.registry.openKey(platform::kHkeyLocalMachine, "Software\\A", platform::kKeyRead, key), 2);
    }
    std::filesystem::remove_all(root);
}
