#include <gtest/gtest.h>

#include "scanner/program_path.h"
#include "support/test_machine.h"

namespace {

TEST(ExtractProgramPath, CutsOnlyAtAnExtensionThatEndsAFileName) {
    const std::pair<const char*, const char*> cases[] = {
        {"\"C:\\Program Files\\app\\app.exe\" %1", "C:\\Program Files\\app\\app.exe"},
        {"C:\\WINDOWS\\NOTEPAD.EXE %1", "C:\\WINDOWS\\NOTEPAD.EXE"},
        {"C:\\OLDDLLS\\X.EXE", "C:\\OLDDLLS\\X.EXE"},
        {"C:\\WINDOWS\\rundll32.exe shell32.dll,Control_RunDLL", "C:\\WINDOWS\\rundll32.exe"},
        {"C:\\Program Files\\App\\app.exe %1", "C:\\Program Files\\App\\app.exe"},
        {"C:\\X\\tool.ocx, 1", "C:\\X\\tool.ocx"},
        {"C:\\X\\setup.exe/quiet", "C:\\X\\setup.exe"},
        {"  C:\\X\\lib.dll", "C:\\X\\lib.dll"},
        {"C:\\X\\run.bat %1", "C:\\X\\run.bat %1"},
        {"C:\\X\\file.exercise", "C:\\X\\file.exercise"},
        {"\"C:\\no closing quote.exe", "\"C:\\no closing quote.exe"},
        {"", ""},
    };
    for (const auto& [command, program] : cases) EXPECT_EQ(scanner::extractProgramPath(command), program) << command;
}

TEST(TargetPresent, CountsEveryFileWhateverItsAttributesButNoFolderAndChangesNothing) {
    auto tm = testing_support::makeTestMachine();
    platform::Files& files = tm->machine().files;
    const std::string folder = tm->scratchFolder();
    const std::pair<const char*, std::uint32_t> present[] = {{"plain.dll", platform::kAttrArchive},
                                                             {"hidden.dll", platform::kAttrHidden},
                                                             {"system.dll", platform::kAttrSystem},
                                                             {"locked.dll", platform::kAttrReadOnly}};
    for (const auto& [name, attributes] : present) {
        ASSERT_EQ(files.writeFile(folder + "\\" + name, "x"), platform::kSuccess);
        ASSERT_EQ(files.setAttributes(folder + "\\" + name, attributes), platform::kSuccess);
        std::uint32_t before = 0, after = 0;
        files.getAttributes(folder + "\\" + name, before);
        EXPECT_TRUE(scanner::targetPresent(files, folder + "\\" + name)) << name;
        files.getAttributes(folder + "\\" + name, after);
        EXPECT_EQ(after, before) << name << " was changed by looking at it";
        EXPECT_TRUE(after & attributes) << name;
        files.setAttributes(folder + "\\" + name, platform::kAttrNormal);
    }
    ASSERT_EQ(files.createFolder(folder + "\\sub.dll"), platform::kSuccess);
    EXPECT_FALSE(scanner::targetPresent(files, folder + "\\sub.dll"));
    EXPECT_FALSE(scanner::targetPresent(files, folder + "\\absent.dll"));
    EXPECT_FALSE(scanner::targetPresent(files, folder + "\\absent\\x.dll"));
    EXPECT_TRUE(scanner::targetPresent(files, "  ")) << "nothing named is nothing missing";
}

}  // namespace
