// A language file saved as UTF-8 without a mark, read through the real
// profile functions: they hand its bytes over as they are, and the program's
// conversion gives the ANSI code page's text.
#include <windows.h>

#include <gtest/gtest.h>

#include <fstream>
#include <string>

#include "win32/win32_services.h"

TEST(Win32Profile, AUtf8FileWithoutAMarkReadsRightOnceConverted) {
    char folder[MAX_PATH] = {};
    GetTempPathA(sizeof folder, folder);
    const std::string path = std::string(folder) + "vantrel-utf8-" + std::to_string(GetCurrentProcessId()) + ".ini";
    std::ofstream(path, std::ios::binary) << "[001]\r\n014=D\xC3\xA9sinstaller\r\n";
    win32::Win32Profile profile;
    char text[64] = {};
    profile.getString("001", "014", "", text, sizeof text, path);
    DeleteFileA(path.c_str());
    EXPECT_STREQ(text, "D\xC3\xA9sinstaller") << "the bytes come back unconverted: what the user saw as D\xC3\x83\xC2\xA9";
    if (GetACP() != 1252) GTEST_SKIP() << "the expected text is Windows-1252's; this system uses " << GetACP();
    EXPECT_EQ(profile.fromUtf8(text), "D\xE9sinstaller");
    EXPECT_EQ(profile.fromUtf8("\xE6\x97\xA5"), "?") << "a character the code page lacks";
}
