// Message boxes and the file-open dialog belong to the window that asked:
// while one is up its owner takes no input, and it stands over its owner.
#include "ui_win32/program_ui.h"

namespace {

// What a look at the standing box found; the timer that looks closes the box.
struct BoxSeen {
    HWND owner = nullptr;  // the window that asked
    bool found = false;
    bool ownedByIt = false;
    bool ownerEnabled = true;
    bool overOwner = false;
};
BoxSeen* seen = nullptr;  // only for the timer procedure, while one test runs

void CALLBACK lookAtBox(HWND, UINT, UINT_PTR timer, DWORD) {
    HWND box = GetActiveWindow();
    if (!seen || !box || box == seen->owner || !IsWindowVisible(box)) return;
    KillTimer(nullptr, timer);
    seen->found = true;
    seen->ownedByIt = GetWindow(box, GW_OWNER) == seen->owner;
    seen->ownerEnabled = IsWindowEnabled(seen->owner) != FALSE;
    RECT boxRect, ownerRect;
    GetWindowRect(box, &boxRect);
    GetWindowRect(seen->owner, &ownerRect);
    const POINT middle{(boxRect.left + boxRect.right) / 2, (boxRect.top + boxRect.bottom) / 2};
    seen->overOwner = PtInRect(&ownerRect, middle) != FALSE;
    PostMessageA(box, WM_COMMAND, IDCANCEL, 0);
    PostMessageA(box, WM_CLOSE, 0, 0);
}

class OwnedDialogsUi : public ui_test::ProgramUi {
protected:
    // Opens the options dialog and makes it the window that asks.
    HWND optionsWindow() {
        startToMainWindow();
        clickOn(handle(main().optionsMenuButton));
        HWND options = program.handleOf(app().optionsDialog()->window);
        SetActiveWindow(options);
        ui_test::pump(50);
        return options;
    }
    template <typename Ask>
    BoxSeen whileStanding(HWND owner, Ask ask) {
        BoxSeen look;
        look.owner = owner;
        seen = &look;
        const UINT_PTR timer = SetTimer(nullptr, 0, 100, lookAtBox);
        ask();
        KillTimer(nullptr, timer);
        seen = nullptr;
        return look;
    }
    win32::Win32Desktop realDesktop;
};

}  // namespace

TEST_F(OwnedDialogsUi, AMessageBoxHoldsTheWindowThatAskedAndStandsOverIt) {
    HWND options = optionsWindow();
    const BoxSeen look = whileStanding(options, [&] {
        realDesktop.messageBox("A question", "", platform::MessageIcon::Information, platform::MessageButtons::Ok);
    });
    ASSERT_TRUE(look.found);
    EXPECT_TRUE(look.ownedByIt);
    EXPECT_FALSE(look.ownerEnabled) << "the options dialog takes no clicks while its message stands";
    EXPECT_TRUE(look.overOwner);
    EXPECT_TRUE(IsWindowEnabled(options)) << "and takes them again afterwards";
}

TEST_F(OwnedDialogsUi, TheFileOpenDialogHoldsTheWindowThatAsked) {
    HWND options = optionsWindow();
    const BoxSeen look = whileStanding(options, [&] { realDesktop.openFile({"C:\\windows", "*.ini", "*.ini"}); });
    ASSERT_TRUE(look.found);
    EXPECT_TRUE(look.ownedByIt);
    EXPECT_FALSE(look.ownerEnabled) << "a second click on ... cannot reach the dialog while its Open dialog stands";
    EXPECT_TRUE(IsWindowEnabled(options));
}
