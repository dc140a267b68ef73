// The Help button on real windows under Wine: the help viewer opens the
// compiled guide beside the program and titles its window from the file.
#include <gtest/gtest.h>

#include <windows.h>

#include "ui_win32/program_ui.h"

namespace {

class HelpUi : public ui_test::ProgramUi {};

// The guide's title, as help/vantrel.hhp gives it.
constexpr const char* kHelpTitle = "Vantrel Help";

TEST_F(HelpUi, TheHelpButtonOpensTheCompiledGuideInTheHelpViewer) {
    ASSERT_NE(GetFileAttributesA((pc.real.files.programFolder() + "\\VantrelHelp.chm").c_str()),
              INVALID_FILE_ATTRIBUTES)
        << "the build puts VantrelHelp.chm beside the program";
    startToMainWindow();
    clickOn(handle(main().helpMenuButton));
    HWND viewer = nullptr;
    // The viewer is a process of its own; its window shows when it has read the file.
    ASSERT_TRUE(ui_test::pumpUntil(
        [&] { return (viewer = FindWindowA(nullptr, kHelpTitle)) != nullptr && IsWindowVisible(viewer); }, 15000))
        << "no window titled \"" << kHelpTitle << "\" showed";
    DWORD viewerProcess = 0;
    GetWindowThreadProcessId(viewer, &viewerProcess);
    EXPECT_NE(viewerProcess, GetCurrentProcessId());
    PostMessageA(viewer, WM_CLOSE, 0, 0);
    EXPECT_TRUE(ui_test::pumpUntil([&] { return !IsWindow(viewer); }, 5000));
}

}  // namespace
