// What the windows look like at each size and scale: every label shows its
// whole text, and every visible control lies whole inside its window and
// clear of the others (a frame holding its own controls aside).
#include <string>
#include <vector>

#include "ui_win32/program_ui.h"

namespace {

std::string textOf(HWND window) {
    char text[512] = {};
    GetWindowTextA(window, text, sizeof text);
    return text;
}

bool isLabel(HWND window) {
    char name[32] = {};
    GetClassNameA(window, name, sizeof name);
    return lstrcmpiA(name, "Static") == 0 && (GetWindowLongA(window, GWL_STYLE) & SS_TYPEMASK) == SS_LEFT;
}

// The child windows directly inside `parent` that a user can see.
std::vector<HWND> visibleChildren(HWND parent) {
    std::vector<HWND> children;
    for (HWND child = GetWindow(parent, GW_CHILD); child; child = GetWindow(child, GW_HWNDNEXT))
        if (IsWindowVisible(child)) children.push_back(child);
    return children;
}

class LayoutUi : public ui_test::ProgramUi {
protected:
    // Each label's text measured with its own font, wrapped at its width as the label wraps it.
    void expectLabelsShowWholeTexts(HWND window, const char* where) {
        for (HWND child : visibleChildren(window)) {
            expectLabelsShowWholeTexts(child, where);
            const std::string text = textOf(child);
            if (!isLabel(child) || text.empty()) continue;
            RECT inside;
            GetClientRect(child, &inside);
            RECT needed = inside;
            HDC dc = GetDC(child);
            HGDIOBJ old = SelectObject(dc, reinterpret_cast<HFONT>(SendMessageA(child, WM_GETFONT, 0, 0)));
            DrawTextA(dc, text.c_str(), -1, &needed, DT_CALCRECT | DT_WORDBREAK | DT_EXPANDTABS);
            SelectObject(dc, old);
            ReleaseDC(child, dc);
            EXPECT_LE(needed.right, inside.right) << where << ": \"" << text << "\" too wide at " << dpi() << " DPI";
            EXPECT_LE(needed.bottom, inside.bottom) << where << ": \"" << text << "\" too high at " << dpi() << " DPI";
        }
    }
    // Whole inside the window and inside its frame; a caption-less frame is a plain
    // region that draws nothing, so only what it holds has to be whole.
    void expectControlsWholeAndApart(HWND parent, const std::string& where) {
        RECT window, inside;
        GetClientRect(program.handleOf(main().window), &window);
        MapWindowPoints(program.handleOf(main().window), HWND_DESKTOP, reinterpret_cast<POINT*>(&window), 2);
        GetClientRect(parent, &inside);
        MapWindowPoints(parent, HWND_DESKTOP, reinterpret_cast<POINT*>(&inside), 2);
        const bool plainRegion = parent != program.handleOf(main().window) && textOf(parent).empty();
        const std::vector<HWND> children = visibleChildren(parent);
        for (std::size_t i = 0; i < children.size(); ++i) {
            RECT r;
            GetWindowRect(children[i], &r);
            const std::string name = where + " \"" + textOf(children[i]) + "\"";
            const bool plainChild = textOf(children[i]).empty() && !visibleChildren(children[i]).empty();
            RECT within;
            IntersectRect(&within, &window, plainRegion ? &window : &inside);
            const bool whole = r.left >= within.left && r.top >= within.top && r.right <= within.right &&
                               r.bottom <= within.bottom;
            EXPECT_TRUE(whole || plainChild)
                << name << " cut by an edge at " << dpi() << " DPI: " << r.left - within.left << ","
                << r.top - within.top << " to " << within.right - r.right << "," << within.bottom - r.bottom;
            for (std::size_t j = i + 1; j < children.size(); ++j) {
                RECT other, both;
                GetWindowRect(children[j], &other);
                EXPECT_FALSE(IntersectRect(&both, &r, &other))
                    << name << " and \"" << textOf(children[j]) << "\" overlap at " << dpi() << " DPI";
            }
            expectControlsWholeAndApart(children[i], name);
        }
    }
    void expectEveryPageLaidOut(const char* size) {
        shell::MainWindow& m = main();
        for (ui::Button* page : {&m.uninstallMenuButton, &m.startupMenuButton, &m.scannerMenuButton}) {
            page->click();
            ui_test::pump(100);
            expectControlsWholeAndApart(program.handleOf(m.window), std::string(size) + " " + page->name());
            expectLabelsShowWholeTexts(program.handleOf(m.window), page->name().c_str());
        }
    }
};

}  // namespace

TEST_F(LayoutUi, EveryLabelShowsItsWholeTextInTheAboutBoxAndTheOptionsDialog) {
    ASSERT_TRUE(program.start());
    expectLabelsShowWholeTexts(program.handleOf(app().aboutBox()->window), "about box");
    pc.desktop.clock += 6;
    ASSERT_TRUE(ui_test::pumpUntil([&] { return main().window.visible(); }, 3000));
    clickOn(handle(main().optionsMenuButton));
    expectLabelsShowWholeTexts(program.handleOf(app().optionsDialog()->window), "options dialog");
}

TEST_F(LayoutUi, AtTheDesignAndTheSmallestSizeEveryControlIsWholeAndClearOfTheOthers) {
    startToMainWindow();
    expectEveryPageLaidOut("design size");
    HWND window = program.handleOf(main().window);
    const RECT r = windowRect(window);
    MoveWindow(window, r.left, r.top, pixels(shell::kMinimumWidth) + 1, pixels(shell::kMinimumHeight) + 1, TRUE);
    ui_test::pump(200);
    ASSERT_LT(windowRect(window).right - windowRect(window).left, pixels(shell::kMinimumWidth) + 3) << "not snapped";
    expectEveryPageLaidOut("smallest size");
}
