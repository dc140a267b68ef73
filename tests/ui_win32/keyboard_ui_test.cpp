// The windows from the keyboard: where the focus starts, where Tab and the
// arrows take it, what Enter and Escape do, what a button tells a screen reader.
#include <string>

#include "ui_win32/program_ui.h"

namespace {

class KeyboardUi : public ui_test::ProgramUi {
protected:
    std::string textOf(HWND window) {
        char text[128] = {};
        GetWindowTextA(window, text, sizeof text);
        return text;
    }
    // The uninstall page's controls in the order Tab visits them.
    std::vector<HWND> uninstallPageTabOrder() {
        shell::MainWindow& m = main();
        std::vector<HWND> order;
        for (const ui::Control* c : std::initializer_list<const ui::Control*>{
                 &m.uninstallMenuButton, &m.startupMenuButton, &m.scannerMenuButton, &m.optionsMenuButton,
                 &m.helpMenuButton, &m.aboutMenuButton, &m.exitMenuButton, &m.searchBox, &m.findButton,
                 &m.uninstallPage->parts.programList, &m.uninstallPage->parts.checkBadEntriesButton, &m.uninstallPage->parts.refreshButton, &m.uninstallPage->parts.programInfoButton,
                 &m.uninstallPage->parts.removeEntryButton, &m.uninstallPage->parts.uninstallButton})
            order.push_back(handle(*c));
        return order;
    }
    localisation::OptionsDialog& openOptions() {
        clickOn(handle(main().optionsMenuButton));
        return *app().optionsDialog();
    }
    HWND dialogHandle(const ui::Control& control) {
        return program.binderOf(app().optionsDialog()->window)->handleOf(control);
    }
};

}  // namespace

TEST_F(KeyboardUi, TheMainWindowOpensWithTheFocusOnItsFirstMenuButton) {
    startToMainWindow();
    EXPECT_EQ(GetFocus(), handle(main().uninstallMenuButton));
    EXPECT_FALSE(app().aboutBox()->window.visible()) << "a window whose controls take the focus keeps the about box away";
}

TEST_F(KeyboardUi, TabAndShiftTabCycleThroughTheMainWindowsControls) {
    startToMainWindow();
    const std::vector<HWND> order = uninstallPageTabOrder();
    std::vector<HWND> forward = tabWalk(static_cast<int>(order.size()));
    std::vector<HWND> expected(order.begin() + 1, order.end());
    expected.push_back(order.front());
    EXPECT_EQ(forward, expected) << "menu buttons, search box, Find, list, page buttons, and round again";

    std::vector<HWND> backward = tabWalk(static_cast<int>(order.size()), true);
    std::vector<HWND> reversed(order.rbegin(), order.rend());
    EXPECT_EQ(backward, reversed);
}

TEST_F(KeyboardUi, ArrowKeysOnDrawnButtonsMoveTheFocusAcrossFrames) {
    startToMainWindow();
    shell::MainWindow& m = main();
    struct Move {
        const ui::Control& from;
        WPARAM key;
        const ui::Control& to;
    };
    const Move moves[] = {
        {m.uninstallMenuButton, VK_RIGHT, m.startupMenuButton},
        {m.startupMenuButton, VK_LEFT, m.uninstallMenuButton},
        {m.exitMenuButton, VK_RIGHT, m.searchBox},  // out of the menu frame, not round inside it
        {m.exitMenuButton, VK_DOWN, m.searchBox},
        {m.uninstallMenuButton, VK_UP, m.uninstallPage->parts.uninstallButton},
        {m.uninstallPage->parts.checkBadEntriesButton, VK_LEFT, m.uninstallPage->parts.programList},
    };
    for (const Move& move : moves) {
        SetFocus(handle(move.from));
        pressKey(move.key);
        EXPECT_EQ(GetFocus(), handle(move.to)) << move.from.name() << " key " << move.key;
    }
}

TEST_F(KeyboardUi, DrawnButtonsAnswerAsPushButtonsWithTheirCaptionsAsText) {
    startToMainWindow();
    HWND startup = handle(main().startupMenuButton);
    EXPECT_EQ(textOf(startup), main().startupMenuButton.caption());
    EXPECT_EQ(textOf(startup), "&Startup Manager") << "the access-key ampersand kept, as for standard buttons";
    main().startupMenuButton.setCaption("&Autostart");
    EXPECT_EQ(textOf(startup), "&Autostart");
    const LRESULT code = SendMessageA(startup, WM_GETDLGCODE, 0, 0);
    EXPECT_TRUE(code & DLGC_BUTTON);
    EXPECT_TRUE(code & DLGC_WANTARROWS);
    EXPECT_TRUE(code & DLGC_UNDEFPUSHBUTTON) << "not focused, not default";
    SetFocus(startup);
    EXPECT_TRUE(SendMessageA(startup, WM_GETDLGCODE, 0, 0) & DLGC_DEFPUSHBUTTON) << "the focused button takes Enter";
    EXPECT_TRUE(SendMessageA(startup, BM_GETSTATE, 0, 0) & BST_FOCUS);
    SendMessageA(startup, BM_CLICK, 0, 0);
    ui_test::pump(100);
    EXPECT_TRUE(IsWindowVisible(handle(main().startupPage.list)));
    pressKey(VK_RIGHT);
    pressKey(VK_RETURN);
    EXPECT_TRUE(IsWindowVisible(handle(main().scannerPage->categoryList))) << "Enter presses the focused button";
}

TEST_F(KeyboardUi, TheOptionsDialogStartsInItsFileBoxAndTabsThroughItsControls) {
    startToMainWindow();
    localisation::OptionsDialog& options = openOptions();
    EXPECT_EQ(GetFocus(), dialogHandle(options.fileNameBox));
    const std::vector<HWND> expected{dialogHandle(options.browseButton), dialogHandle(options.showSystemBox),
                                     dialogHandle(options.backupsButton), dialogHandle(options.okButton),
                                     dialogHandle(options.cancelButton), dialogHandle(options.fileNameBox)};
    EXPECT_EQ(tabWalk(6), expected);
    EXPECT_EQ(tabWalk(1, true), std::vector<HWND>{dialogHandle(options.cancelButton)});
}

TEST_F(KeyboardUi, EnterPressesOkAndEscapeCancelsTheOptionsDialog) {
    startToMainWindow();
    localisation::OptionsDialog& options = openOptions();
    SetWindowTextA(dialogHandle(options.fileNameBox), "French.ini");
    pressKey(VK_ESCAPE);
    EXPECT_FALSE(options.window.visible()) << "Escape cancels";
    EXPECT_TRUE(pc.desktop.messages.empty()) << "and stores nothing";

    openOptions();
    ASSERT_EQ(GetFocus(), dialogHandle(options.fileNameBox));
    SetWindowTextA(dialogHandle(options.fileNameBox), "english.ini");
    pressKey(VK_RETURN);
    EXPECT_FALSE(options.window.visible()) << "Enter in the box presses OK";
    ASSERT_EQ(pc.desktop.messages.size(), 1u);
    EXPECT_EQ(pc.desktop.messages[0], main().language.text(87));
    main().store.deleteValue("HKLM", "software\\morvalen\\brevisk", "language");
}

TEST_F(KeyboardUi, AltAndTheMarkedLetterTicksTheOptionsCheckBox) {
    startToMainWindow();
    localisation::OptionsDialog& options = openOptions();
    const bool before = options.showSystemBox.checked();
    PostMessageA(GetFocus(), WM_SYSCHAR, 's', 1 << 29);  // Alt held
    ui_test::pump(100);
    EXPECT_NE(options.showSystemBox.checked(), before);
    pressKey(VK_ESCAPE);
}

TEST_F(KeyboardUi, EscapeClosesTheAboutBoxAndTheFocusReturnsToTheMainWindow) {
    startToMainWindow();
    SetFocus(handle(main().aboutMenuButton));
    pressKey(VK_RETURN);
    ASSERT_TRUE(app().aboutBox()->window.visible());
    pressKey(VK_ESCAPE);
    EXPECT_FALSE(app().aboutBox()->window.visible());
    EXPECT_TRUE(main().window.visible());
    EXPECT_EQ(GetFocus(), handle(main().aboutMenuButton)) << "where it was before the box came up";
}
