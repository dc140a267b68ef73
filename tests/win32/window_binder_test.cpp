// The window binder against the real window system: models built in-process,
// bound, then read back and driven through the Win32 API as a user would.
#include <windows.h>
#include <commctrl.h>

#include <gtest/gtest.h>

#include <cstdlib>
#include <fstream>
#include <functional>
#include <memory>
#include <set>
#include <string>
#include <vector>

#include "ui/list_view.h"
#include "ui/simple_controls.h"
#include "ui/window.h"
#include "win32/list_view_binding.h"
#include "win32/screenshot.h"
#include "win32/window_binder.h"

namespace {

void pump() {
    MSG message;
    while (PeekMessageA(&message, nullptr, 0, 0, PM_REMOVE)) {
        TranslateMessage(&message);
        DispatchMessageA(&message);
    }
}

void pumpFor(DWORD milliseconds) {
    const DWORD start = GetTickCount();
    do {
        pump();
        Sleep(5);
    } while (GetTickCount() - start < milliseconds);
}

// Pumps until the condition holds; the limit only keeps a broken binder from hanging the run.
bool pumpUntil(const std::function<bool()>& condition, DWORD limit = 5000) {
    const DWORD start = GetTickCount();
    while (!condition()) {
        if (GetTickCount() - start > limit) return false;
        pump();
        Sleep(5);
    }
    return true;
}

RECT inParent(HWND child) {
    RECT r;
    GetWindowRect(child, &r);
    MapWindowPoints(HWND_DESKTOP, GetParent(child), reinterpret_cast<POINT*>(&r), 2);
    return r;
}

std::string textOf(HWND window) {
    char buffer[512] = {};
    GetWindowTextA(window, buffer, sizeof buffer);
    return buffer;
}

std::string cell(HWND list, int row, int column) {
    char buffer[260] = {};
    LVITEMA item{};
    item.iSubItem = column;
    item.pszText = buffer;
    item.cchTextMax = sizeof buffer;
    SendMessageA(list, LVM_GETITEMTEXTA, row, reinterpret_cast<LPARAM>(&item));
    return buffer;
}

int itemCount(HWND list) { return static_cast<int>(SendMessageA(list, LVM_GETITEMCOUNT, 0, 0)); }

UINT checkState(HWND list, int row) {
    return static_cast<UINT>(SendMessageA(list, LVM_GETITEMSTATE, row, LVIS_STATEIMAGEMASK));
}

// A point on a row's check box, found by asking the list itself.
bool checkBoxPoint(HWND list, int row, POINT& point) {
    RECT bounds{};
    bounds.left = LVIR_BOUNDS;
    if (!SendMessageA(list, LVM_GETITEMRECT, row, reinterpret_cast<LPARAM>(&bounds))) return false;
    for (int x = bounds.left; x < bounds.left + 40; ++x) {
        LVHITTESTINFO hit{};
        hit.pt = {x, (bounds.top + bounds.bottom) / 2};
        SendMessageA(list, LVM_HITTEST, 0, reinterpret_cast<LPARAM>(&hit));
        if (hit.iItem == row && (hit.flags & LVHT_ONITEMSTATEICON)) {
            point = hit.pt;
            return true;
        }
    }
    return false;
}

LRESULT sendNotify(HWND from, NMHDR& header) {
    header.hwndFrom = from;
    header.idFrom = static_cast<UINT_PTR>(GetDlgCtrlID(from));
    return SendMessageA(GetParent(from), WM_NOTIFY, header.idFrom, reinterpret_cast<LPARAM>(&header));
}

// A press and release as the mouse makes them; the release waits in the queue so a
// control that tracks the mouse inside its press handler sees it.
void clickAt(HWND window, POINT point) {
    const LPARAM where = MAKELPARAM(point.x, point.y);
    PostMessageA(window, WM_LBUTTONUP, 0, where);
    SendMessageA(window, WM_LBUTTONDOWN, MK_LBUTTON, where);
    pump();
}

// Positions are multiples of 15 twips: one pixel at 96 DPI.
struct TestForm {
    ui::Window window{"MainWindow", {1500, 1500, 9000, 6600}, "Binder test"};
    ui::Frame frame{"frame", {300, 300, 4500, 2700}, "Options"};
    ui::Label insideLabel{"insideLabel", {150, 450, 1500, 300}, "Inside"};
    ui::TextBox hiddenField{"hiddenField", {150, 900, 1500, 300}, "hidden field"};
    ui::Label outsideLabel{"outsideLabel", {4950, 300, 1500, 300}, "Outside"};
    ui::TextBox textBox{"textBox", {4950, 750, 3000, 315}};
    ui::Button button{"button", {4950, 1200, 1500, 420}, "Find"};
    ui::Picture picture{"picture", {7200, 1800, 480, 480}};
    ui::ListView list{"list", {300, 3150, 8100, 2400}, {{"Name", 3000}, {"Key", 0}, {"Path", 3000}}, true};
    ui::StatusBar statusBar{"statusBar", {0, 6000, 9000, 300}, 2};
    ui::Timer timer{"timer", 20};

    TestForm() {
        hiddenField.hide();
        window.add(frame);
        window.add(insideLabel, &frame);
        window.add(hiddenField, &frame);
        window.add(outsideLabel);
        window.add(textBox);
        window.add(button);
        window.add(picture);
        window.add(list);
        window.add(statusBar);
        window.add(timer);
    }
};

class WindowBinderTest : public ::testing::Test {
protected:
    void SetUp() override { binder_ = std::make_unique<win32::WindowBinder>(form_.window); }
    void TearDown() override {
        binder_.reset();
        pump();
    }
    HWND window() const { return binder_->handle(); }
    HWND of(const ui::Control& control) const { return binder_->handleOf(control); }

    TestForm form_;
    std::unique_ptr<win32::WindowBinder> binder_;
};

TEST_F(WindowBinderTest, CreatesTheWindowHiddenAtItsOuterDesignSizeInPixels) {
    ASSERT_NE(window(), nullptr);
    ASSERT_EQ(binder_->dpi(), 96) << "Xvfb's screen is 96 DPI; the expected pixels assume it";
    EXPECT_FALSE(IsWindowVisible(window()));
    RECT r;
    GetWindowRect(window(), &r);
    EXPECT_EQ(r.left, 100);
    EXPECT_EQ(r.top, 100);
    EXPECT_EQ(r.right - r.left, 600);
    EXPECT_EQ(r.bottom - r.top, 440);
    EXPECT_EQ(textOf(window()), "Binder test");
}

TEST_F(WindowBinderTest, PlacesEachControlAtItsDesignPositionInPixels) {
    RECT label = inParent(of(form_.outsideLabel));
    EXPECT_EQ(label.left, 330);
    EXPECT_EQ(label.top, 20);
    EXPECT_EQ(label.right - label.left, 100);
    EXPECT_EQ(label.bottom - label.top, 20);
    RECT list = inParent(of(form_.list));
    EXPECT_EQ(list.left, 20);
    EXPECT_EQ(list.top, 210);
    EXPECT_EQ(list.right - list.left, 540);
    EXPECT_EQ(list.bottom - list.top, 160);
    EXPECT_EQ(GetParent(of(form_.outsideLabel)), window());
}

TEST_F(WindowBinderTest, PutsAFramesControlsInsideTheFrameWindow) {
    HWND frame = of(form_.frame);
    ASSERT_NE(frame, nullptr);
    char className[32] = {};
    GetClassNameA(frame, className, sizeof className);
    EXPECT_STRCASEEQ(className, "Button");
    EXPECT_EQ(GetWindowLongPtrA(frame, GWL_STYLE) & BS_TYPEMASK, BS_GROUPBOX);
    EXPECT_EQ(GetParent(of(form_.insideLabel)), frame);
    RECT label = inParent(of(form_.insideLabel));
    EXPECT_EQ(label.left, 10);
    EXPECT_EQ(label.top, 30);
    EXPECT_EQ(textOf(frame), "Options");
}

TEST_F(WindowBinderTest, MakesTheKindOfControlEachModelNeeds) {
    auto classOf = [](HWND handle) {
        char name[64] = {};
        GetClassNameA(handle, name, sizeof name);
        return std::string(name);
    };
    EXPECT_STRCASEEQ(classOf(of(form_.outsideLabel)).c_str(), "Static");
    EXPECT_TRUE(GetWindowLongPtrA(of(form_.outsideLabel), GWL_STYLE) & SS_NOTIFY);
    EXPECT_STRCASEEQ(classOf(of(form_.textBox)).c_str(), "Edit");
    EXPECT_STRCASEEQ(classOf(of(form_.button)).c_str(), "Button");
    EXPECT_STRCASEEQ(classOf(of(form_.picture)).c_str(), "Static");
    EXPECT_STRCASEEQ(classOf(of(form_.list)).c_str(), WC_LISTVIEWA);
    EXPECT_STRCASEEQ(classOf(of(form_.statusBar)).c_str(), STATUSCLASSNAMEA);
    EXPECT_EQ(of(form_.timer), nullptr) << "a timer has no window of its own";
}

TEST_F(WindowBinderTest, StartsHiddenControlsHiddenAndShowsTheWindowWhenTheModelDoes) {
    EXPECT_FALSE(GetWindowLongPtrA(of(form_.hiddenField), GWL_STYLE) & WS_VISIBLE);
    EXPECT_EQ(textOf(of(form_.hiddenField)), "hidden field");
    form_.window.show();
    EXPECT_TRUE(IsWindowVisible(window()));
    EXPECT_TRUE(IsWindowVisible(of(form_.outsideLabel)));
    EXPECT_FALSE(IsWindowVisible(of(form_.hiddenField)));
    form_.window.hide();
    EXPECT_FALSE(IsWindowVisible(window()));
}

TEST_F(WindowBinderTest, MirrorsCaptionVisibilityEnablingAndGeometryOfControls) {
    form_.window.show();
    form_.outsideLabel.setCaption("Changed");
    EXPECT_EQ(textOf(of(form_.outsideLabel)), "Changed");
    form_.outsideLabel.hide();
    EXPECT_FALSE(IsWindowVisible(of(form_.outsideLabel)));
    form_.outsideLabel.show();
    EXPECT_TRUE(IsWindowVisible(of(form_.outsideLabel)));
    form_.button.setEnabled(false);
    EXPECT_FALSE(IsWindowEnabled(of(form_.button)));
    form_.outsideLabel.setBounds({6000, 4500, 2250, 450});
    RECT moved = inParent(of(form_.outsideLabel));
    EXPECT_EQ(moved.left, 400);
    EXPECT_EQ(moved.top, 300);
    EXPECT_EQ(moved.right - moved.left, 150);
    EXPECT_EQ(moved.bottom - moved.top, 30);
    form_.window.setTitle("Renamed");
    EXPECT_EQ(textOf(window()), "Renamed");
    form_.frame.hide();
    EXPECT_FALSE(IsWindowVisible(of(form_.insideLabel))) << "a hidden frame hides what it holds";
}

TEST_F(WindowBinderTest, FocusRequestedByTheModelGoesToTheControl) {
    form_.window.show();
    form_.textBox.setFocus();
    EXPECT_EQ(GetFocus(), of(form_.textBox));
}

TEST_F(WindowBinderTest, TheWindowKeepsTheFocusItselfOnlyWhenNoControlCanTakeIt) {
    int gotFocus = 0;
    form_.window.onGotFocus = [&] { ++gotFocus; };
    form_.window.show();
    SetFocus(window());
    EXPECT_TRUE(IsChild(window(), GetFocus())) << "the focus went on to a control";
    EXPECT_EQ(gotFocus, 0);

    for (ui::Control* control : form_.window.controls()) control->setEnabled(false);
    SetFocus(nullptr);
    SetFocus(window());
    EXPECT_EQ(GetFocus(), window());
    EXPECT_EQ(gotFocus, 1) << "with every control disabled the window says it has the focus";
}

TEST_F(WindowBinderTest, AnEmptyLabelDrawsNothingUntilItHasAText) {
    form_.window.show();
    form_.outsideLabel.setCaption("");
    EXPECT_FALSE(IsWindowVisible(of(form_.outsideLabel))) << "no grey box over what lies beneath";
    form_.outsideLabel.setCaption("Back");
    EXPECT_TRUE(IsWindowVisible(of(form_.outsideLabel)));
    form_.outsideLabel.hide();
    EXPECT_FALSE(IsWindowVisible(of(form_.outsideLabel)));
}

TEST_F(WindowBinderTest, GivesEveryControlTheMessageFont) {
    HFONT font = binder_->font();
    ASSERT_NE(font, nullptr);
    EXPECT_NE(font, static_cast<HFONT>(GetStockObject(SYSTEM_FONT)));
    const std::vector<const ui::Control*> controls{&form_.insideLabel, &form_.textBox, &form_.button, &form_.list,
                                                   &form_.frame};
    for (const ui::Control* control : controls)
        EXPECT_EQ(reinterpret_cast<HFONT>(SendMessageA(of(*control), WM_GETFONT, 0, 0)), font) << control->name();
}

TEST_F(WindowBinderTest, StandardButtonClickRunsTheModelsClick) {
    int clicks = 0;
    form_.button.onClick = [&] { ++clicks; };
    SendMessageA(of(form_.button), BM_CLICK, 0, 0);
    EXPECT_EQ(clicks, 1);
    form_.button.setCaption("Find next");
    EXPECT_EQ(textOf(of(form_.button)), "Find next");
}

TEST_F(WindowBinderTest, TypingInTheTextBoxSetsTheModelsText) {
    int changes = 0;
    form_.textBox.onChange = [&] { ++changes; };
    SetWindowTextA(of(form_.textBox), "acrobat");
    EXPECT_EQ(form_.textBox.text(), "acrobat");
    EXPECT_EQ(changes, 1);
}

TEST_F(WindowBinderTest, ModelTextShowsInTheTextBoxWithoutComingBackAsASecondChange) {
    int changes = 0;
    form_.textBox.onChange = [&] { ++changes; };
    form_.textBox.setText("from the program");
    EXPECT_EQ(textOf(of(form_.textBox)), "from the program");
    EXPECT_EQ(changes, 1);
}

TEST_F(WindowBinderTest, EnterInTheTextBoxRunsTheEnterHandler) {
    int enters = 0;
    form_.textBox.onEnter = [&] { ++enters; };
    SendMessageA(of(form_.textBox), WM_KEYDOWN, VK_RETURN, 0);
    SendMessageA(of(form_.textBox), WM_CHAR, '\r', 0);
    EXPECT_EQ(enters, 1);
    SendMessageA(of(form_.textBox), WM_KEYDOWN, 'A', 0);
    EXPECT_EQ(enters, 1);
}

TEST_F(WindowBinderTest, ClickOnALabelOrAPictureRunsItsHandler) {
    int labelClicks = 0, pictureClicks = 0;
    form_.insideLabel.onClick = [&] { ++labelClicks; };
    form_.picture.onClick = [&] { ++pictureClicks; };
    clickAt(of(form_.insideLabel), {3, 3});
    clickAt(of(form_.picture), {3, 3});
    EXPECT_EQ(labelClicks, 1) << "the label is inside a frame: the frame passes the click on";
    EXPECT_EQ(pictureClicks, 1);
}

TEST_F(WindowBinderTest, UserResizeReachesTheModelAsTheOuterSizeInTwips) {
    form_.window.show();
    int resizes = 0;
    form_.window.onResize = [&] { ++resizes; };
    MoveWindow(window(), 120, 110, 700, 500, TRUE);
    EXPECT_EQ(form_.window.width(), 700 * 15);
    EXPECT_EQ(form_.window.height(), 500 * 15);
    EXPECT_EQ(form_.window.left(), 120 * 15);
    EXPECT_EQ(form_.window.top(), 110 * 15);
    EXPECT_GE(resizes, 1);
}

TEST_F(WindowBinderTest, SizeSetByTheProgramIsAppliedWithoutComingBackAsAResize) {
    form_.window.show();
    int resizes = 0;
    form_.window.onResize = [&] { ++resizes; };
    form_.window.setWidth(9010);  // 600.67 pixels
    RECT r;
    GetWindowRect(window(), &r);
    EXPECT_EQ(r.right - r.left, 601);
    EXPECT_EQ(form_.window.width(), 9010) << "the rounded pixels must not overwrite the model";
    EXPECT_EQ(resizes, 0);
    // Smaller than the system allows: the window takes what it can, the program hears no echo.
    form_.window.setBounds({1500, 1500, 30, 30});
    GetWindowRect(window(), &r);
    EXPECT_GT(r.right - r.left, 2);
    EXPECT_EQ(resizes, 0);
}

TEST_F(WindowBinderTest, SizeSetByTheResizeHandlerOverridesTheUsersSize) {
    form_.window.show();
    form_.window.onResize = [&] {
        if (form_.window.width() < 7500) form_.window.setWidth(7500);
    };
    MoveWindow(window(), 100, 100, 300, 440, TRUE);
    RECT r;
    GetWindowRect(window(), &r);
    EXPECT_EQ(r.right - r.left, 500);
    EXPECT_EQ(form_.window.width(), 7500);
}

TEST_F(WindowBinderTest, CloseBoxAsksTheModelAndLeavesTheWindowToIt) {
    form_.window.show();
    int closes = 0;
    form_.window.onClose = [&] { ++closes; };
    SendMessageA(window(), WM_CLOSE, 0, 0);
    EXPECT_EQ(closes, 1);
    EXPECT_TRUE(IsWindow(window()));
    EXPECT_TRUE(IsWindowVisible(window()));
    form_.window.onClose = [&] { form_.window.hide(); };
    SendMessageA(window(), WM_SYSCOMMAND, SC_CLOSE, 0);
    EXPECT_TRUE(IsWindow(window()));
    EXPECT_FALSE(IsWindowVisible(window()));
}

TEST_F(WindowBinderTest, CloseBoxOfAWindowNobodyHandlesHidesIt) {
    form_.window.show();
    SendMessageA(window(), WM_CLOSE, 0, 0);
    EXPECT_FALSE(form_.window.visible());
    EXPECT_FALSE(IsWindowVisible(window()));
}

TEST_F(WindowBinderTest, MinimiseMaximiseAndRestoreReachTheModelsState) {
    form_.window.show();
    std::vector<ui::WindowState> seen;
    form_.window.onResize = [&] { seen.push_back(form_.window.state()); };
    SendMessageA(window(), WM_SYSCOMMAND, SC_MINIMIZE, 0);
    EXPECT_TRUE(IsIconic(window()));
    EXPECT_EQ(form_.window.state(), ui::WindowState::Minimized);
    SendMessageA(window(), WM_SYSCOMMAND, SC_RESTORE, 0);
    EXPECT_EQ(form_.window.state(), ui::WindowState::Normal);
    SendMessageA(window(), WM_SYSCOMMAND, SC_MAXIMIZE, 0);
    EXPECT_EQ(form_.window.state(), ui::WindowState::Maximized);
    RECT r;
    GetWindowRect(window(), &r);
    EXPECT_EQ(form_.window.width(), (r.right - r.left) * 15) << "a maximised window's size reaches the model";
    EXPECT_FALSE(seen.empty());
}

TEST_F(WindowBinderTest, StateSetByTheModelChangesTheWindow) {
    form_.window.show();
    form_.window.setState(ui::WindowState::Maximized);
    EXPECT_TRUE(IsZoomed(window()));
    form_.window.setState(ui::WindowState::Minimized);
    EXPECT_TRUE(IsIconic(window()));
    form_.window.setState(ui::WindowState::Normal);
    EXPECT_FALSE(IsIconic(window()));
    EXPECT_FALSE(IsZoomed(window())) << "restoring from a minimised maximised window still means normal";
    EXPECT_EQ(form_.window.state(), ui::WindowState::Normal);
}

TEST_F(WindowBinderTest, HiddenWindowTakesTheModelsStateWhenShown) {
    form_.window.setState(ui::WindowState::Maximized);
    EXPECT_FALSE(IsWindowVisible(window()));
    form_.window.show();
    EXPECT_TRUE(IsZoomed(window()));
}

TEST_F(WindowBinderTest, RunningTimerTicksWhileMessagesArePumpedAndStopsWhenStopped) {
    int ticks = 0;
    form_.timer.onTick = [&] { ++ticks; };
    pumpFor(100);
    EXPECT_EQ(ticks, 0) << "a timer that was never started does not tick";
    form_.timer.start();
    EXPECT_TRUE(pumpUntil([&] { return ticks >= 2; }));
    form_.timer.stop();
    const int stoppedAt = ticks;
    pumpFor(100);
    EXPECT_EQ(ticks, stoppedAt);
}

TEST_F(WindowBinderTest, StatusBarShowsItsPanelsDockedAtTheBottom) {
    form_.window.show();
    form_.statusBar.setPanel(1, "Vantrel 2003");
    form_.statusBar.setPanel(2, "12 entries");
    HWND status = of(form_.statusBar);
    char text[128] = {};
    SendMessageA(status, SB_GETTEXTA, 0, reinterpret_cast<LPARAM>(text));
    EXPECT_STREQ(text, "Vantrel 2003");
    SendMessageA(status, SB_GETTEXTA, 1, reinterpret_cast<LPARAM>(text));
    EXPECT_STREQ(text, "12 entries");
    EXPECT_EQ(SendMessageA(status, SB_GETPARTS, 0, 0), 2);

    auto dockedAtBottom = [&] {
        RECT client, bar;
        GetClientRect(window(), &client);
        bar = inParent(status);
        return bar.bottom == client.bottom && bar.left == 0 && bar.right == client.right;
    };
    EXPECT_TRUE(dockedAtBottom());
    MoveWindow(window(), 100, 100, 720, 520, TRUE);
    EXPECT_TRUE(dockedAtBottom()) << "the bar follows the window's new size";
}

TEST_F(WindowBinderTest, ButtonFactoryMakesTheButtonsRealControl) {
    struct Made {
        ui::Button* model = nullptr;
        HWND parent = nullptr;
        RECT pixels{};
        int id = 0;
        std::vector<ui::Change> changes;
        std::vector<WPARAM> commands;
    } made;
    class Recording : public win32::BoundControl {
    public:
        Recording(HWND window, Made& made) : window_(window), made_(made) {}
        ~Recording() override { DestroyWindow(window_); }
        HWND handle() const override { return window_; }
        void modelChanged(ui::Change change, int) override { made_.changes.push_back(change); }
        bool command(WPARAM wParam, LPARAM) override {
            made_.commands.push_back(wParam);
            return true;
        }

    private:
        HWND window_;
        Made& made_;
    };
    win32::ButtonFactory factory = [&](ui::Button& model, HWND parent, const RECT& pixels,
                                       int id) -> std::unique_ptr<win32::BoundControl> {
        made.model = &model;
        made.parent = parent;
        made.pixels = pixels;
        made.id = id;
        HWND button = CreateWindowExA(0, "STATIC", model.caption().c_str(), WS_CHILD | WS_VISIBLE, pixels.left,
                                      pixels.top, pixels.right - pixels.left, pixels.bottom - pixels.top, parent,
                                      reinterpret_cast<HMENU>(static_cast<INT_PTR>(id)), nullptr, nullptr);
        return std::make_unique<Recording>(button, made);
    };
    binder_.reset();
    binder_ = std::make_unique<win32::WindowBinder>(form_.window, factory);

    EXPECT_EQ(made.model, &form_.button);
    EXPECT_EQ(made.parent, window());
    EXPECT_EQ(made.pixels.left, 330);
    EXPECT_EQ(made.pixels.top, 80);
    EXPECT_EQ(made.pixels.right, 430);
    EXPECT_EQ(made.pixels.bottom, 108);
    HWND button = of(form_.button);
    ASSERT_NE(button, nullptr);
    EXPECT_EQ(GetDlgCtrlID(button), made.id);

    form_.button.setCaption("Other");
    form_.button.hide();
    EXPECT_FALSE(GetWindowLongPtrA(button, GWL_STYLE) & WS_VISIBLE) << "visibility is the binder's part";
    EXPECT_EQ(made.changes, (std::vector<ui::Change>{ui::Change::Text, ui::Change::Visible}));
    SendMessageA(window(), WM_COMMAND, MAKEWPARAM(made.id, BN_CLICKED), reinterpret_cast<LPARAM>(button));
    ASSERT_EQ(made.commands.size(), 1u);
    EXPECT_EQ(HIWORD(made.commands[0]), BN_CLICKED);
}

TEST_F(WindowBinderTest, LetsGoOfItsModelsAndWindowsWhenDestroyed) {
    HWND handle = window();
    HWND label = of(form_.outsideLabel);
    binder_.reset();
    EXPECT_FALSE(IsWindow(handle));
    EXPECT_FALSE(IsWindow(label));
    form_.outsideLabel.setCaption("after");  // no renderer any more: nothing to reach
    form_.list.addRow("after");
    form_.window.resizeTo(6000, 6000);
    pump();
    SUCCEED();
}

class WindowBinderListViewTest : public WindowBinderTest {
protected:
    HWND list() const { return of(form_.list); }
    void addRows(int count) {
        for (int i = 0; i < count; ++i) {
            ui::Row row;
            row.texts = {"Program " + std::to_string(i), "key" + std::to_string(i), "C:\\p\\" + std::to_string(i)};
            form_.list.addRow(std::move(row));
        }
    }
};

TEST_F(WindowBinderListViewTest, IsAVirtualReportListWithCheckBoxes) {
    LONG_PTR style = GetWindowLongPtrA(list(), GWL_STYLE);
    EXPECT_EQ(style & LVS_TYPEMASK, LVS_REPORT);
    EXPECT_TRUE(style & LVS_OWNERDATA);
    DWORD extended = static_cast<DWORD>(SendMessageA(list(), LVM_GETEXTENDEDLISTVIEWSTYLE, 0, 0));
    EXPECT_TRUE(extended & LVS_EX_FULLROWSELECT);
    EXPECT_TRUE(extended & LVS_EX_CHECKBOXES);
}

TEST_F(WindowBinderListViewTest, ShowsColumnsWithTheirWidthsInPixelsAndZeroWidthHidden) {
    EXPECT_EQ(SendMessageA(list(), LVM_GETCOLUMNWIDTH, 0, 0), 200);
    EXPECT_EQ(SendMessageA(list(), LVM_GETCOLUMNWIDTH, 1, 0), 0);
    EXPECT_EQ(SendMessageA(list(), LVM_GETCOLUMNWIDTH, 2, 0), 200);
    char header[64] = {};
    LVCOLUMNA column{};
    column.mask = LVCF_TEXT;
    column.pszText = header;
    column.cchTextMax = sizeof header;
    SendMessageA(list(), LVM_GETCOLUMNA, 2, reinterpret_cast<LPARAM>(&column));
    EXPECT_STREQ(header, "Path");
    form_.list.setColumnWidth(1, 1500);
    form_.list.setColumnHeader(0, "Program");
    EXPECT_EQ(SendMessageA(list(), LVM_GETCOLUMNWIDTH, 1, 0), 100);
    column.pszText = header;
    SendMessageA(list(), LVM_GETCOLUMNA, 0, reinterpret_cast<LPARAM>(&column));
    EXPECT_STREQ(header, "Program");
}

TEST_F(WindowBinderListViewTest, FiftyThousandRowsReachTheListInOneCountAndItStillResponds) {
    form_.window.show();
    pump();
    addRows(50000);
    auto* binding = dynamic_cast<win32::ListViewBinding*>(binder_->boundOf(form_.list));
    ASSERT_NE(binding, nullptr);
    EXPECT_TRUE(binding->rowsPending()) << "the count is set once the burst is over, not per row";
    pump();
    EXPECT_FALSE(binding->rowsPending());
    EXPECT_EQ(itemCount(list()), 50000);
    EXPECT_EQ(cell(list(), 49999, 0), "Program 49999");
    EXPECT_EQ(cell(list(), 49999, 2), "C:\\p\\49999");
    EXPECT_EQ(cell(list(), 123, 1), "key123");

    // Still answering: scroll to the end, paint, and take a change.
    SendMessageA(list(), LVM_ENSUREVISIBLE, 49999, FALSE);
    UpdateWindow(window());
    EXPECT_GT(SendMessageA(list(), LVM_GETTOPINDEX, 0, 0), 49000);
    form_.list.setText(49999, 0, "Last one");
    EXPECT_EQ(cell(list(), 49999, 0), "Last one");
    DWORD_PTR answer = 0;
    EXPECT_NE(SendMessageTimeoutA(window(), WM_NULL, 0, 0, SMTO_ABORTIFHUNG, 5000, &answer), 0);
}

TEST_F(WindowBinderListViewTest, RemovedAndClearedRowsLeaveTheList) {
    addRows(5);
    pump();
    form_.list.removeRow(1);
    pump();
    EXPECT_EQ(itemCount(list()), 4);
    EXPECT_EQ(cell(list(), 1, 0), "Program 2");
    form_.list.clear();
    pump();
    EXPECT_EQ(itemCount(list()), 0);
}

TEST_F(WindowBinderListViewTest, CheckStateComesFromTheModel) {
    addRows(3);
    pump();
    form_.list.setChecked(1, true);
    EXPECT_EQ(checkState(list(), 0), INDEXTOSTATEIMAGEMASK(1));
    EXPECT_EQ(checkState(list(), 1), INDEXTOSTATEIMAGEMASK(2));
    form_.list.setChecked(1, false);
    EXPECT_EQ(checkState(list(), 1), INDEXTOSTATEIMAGEMASK(1));
}

TEST_F(WindowBinderListViewTest, ClickNotificationOnACheckBoxTicksTheRowForTheUser) {
    form_.window.show();
    addRows(5);
    pump();
    std::vector<std::size_t> checked, clicked;
    form_.list.onRowChecked = [&](std::size_t row) { checked.push_back(row); };
    form_.list.onRowClick = [&](std::size_t row) { clicked.push_back(row); };
    NMITEMACTIVATE click{};
    click.hdr.code = NM_CLICK;
    click.iItem = 2;
    ASSERT_TRUE(checkBoxPoint(list(), 2, click.ptAction));
    sendNotify(list(), click.hdr);
    EXPECT_TRUE(form_.list.row(2).checked);
    EXPECT_EQ(checked, std::vector<std::size_t>{2});
    EXPECT_TRUE(clicked.empty()) << "ticking is not choosing the row";
    EXPECT_EQ(checkState(list(), 2), INDEXTOSTATEIMAGEMASK(2));
}

TEST_F(WindowBinderListViewTest, MousePressOnACheckBoxTogglesItOnce) {
    form_.window.show();
    addRows(5);
    pump();
    int checks = 0;
    form_.list.onRowChecked = [&](std::size_t) { ++checks; };
    POINT point;
    ASSERT_TRUE(checkBoxPoint(list(), 3, point));
    clickAt(list(), point);
    EXPECT_TRUE(form_.list.row(3).checked);
    EXPECT_EQ(checks, 1);
    clickAt(list(), point);
    EXPECT_FALSE(form_.list.row(3).checked);
    EXPECT_EQ(checks, 2);
}

TEST_F(WindowBinderListViewTest, SpaceTicksTheFocusedRow) {
    form_.window.show();
    addRows(5);
    pump();
    form_.list.select(4);
    SetFocus(list());
    SendMessageA(list(), WM_KEYDOWN, VK_SPACE, 0);
    SendMessageA(list(), WM_CHAR, ' ', 0);
    SendMessageA(list(), WM_KEYUP, VK_SPACE, 0);
    EXPECT_TRUE(form_.list.row(4).checked);
    EXPECT_FALSE(form_.list.row(3).checked);
}

TEST_F(WindowBinderListViewTest, RowClickChoosesTheRowInTheModel) {
    form_.window.show();
    addRows(8);
    pump();
    std::vector<std::size_t> clicked;
    form_.list.onRowClick = [&](std::size_t row) { clicked.push_back(row); };

    RECT bounds{};
    bounds.left = LVIR_LABEL;
    SendMessageA(list(), LVM_GETITEMRECT, 3, reinterpret_cast<LPARAM>(&bounds));
    NMITEMACTIVATE click{};
    click.hdr.code = NM_CLICK;
    click.iItem = 3;
    click.ptAction = {bounds.left + 10, (bounds.top + bounds.bottom) / 2};
    sendNotify(list(), click.hdr);
    EXPECT_EQ(clicked, std::vector<std::size_t>{3});
    EXPECT_EQ(form_.list.selectedIndex(), 3u);
    EXPECT_EQ(SendMessageA(list(), LVM_GETNEXTITEM, static_cast<WPARAM>(-1), LVNI_SELECTED), 3);

    // A real press on another row: one click reported, not one per notification.
    bounds = RECT{LVIR_LABEL, 0, 0, 0};
    SendMessageA(list(), LVM_GETITEMRECT, 5, reinterpret_cast<LPARAM>(&bounds));
    clickAt(list(), {bounds.left + 10, (bounds.top + bounds.bottom) / 2});
    EXPECT_EQ(clicked, (std::vector<std::size_t>{3, 5}));
    EXPECT_EQ(form_.list.selectedIndex(), 5u);
    EXPECT_FALSE(form_.list.row(5).checked);
}

TEST_F(WindowBinderListViewTest, KeyboardSelectionCountsAsARowClick) {
    form_.window.show();
    addRows(8);
    pump();
    form_.list.select(2);
    std::vector<std::size_t> clicked;
    form_.list.onRowClick = [&](std::size_t row) { clicked.push_back(row); };
    SetFocus(list());
    SendMessageA(list(), WM_KEYDOWN, VK_DOWN, 0);
    SendMessageA(list(), WM_KEYUP, VK_DOWN, 0);
    EXPECT_EQ(clicked, std::vector<std::size_t>{3});
    EXPECT_EQ(form_.list.selectedIndex(), 3u);
}

TEST_F(WindowBinderListViewTest, ColumnHeaderClickReachesTheModel) {
    form_.window.show();
    pump();
    std::vector<std::size_t> columns;
    form_.list.onColumnClick = [&](std::size_t column) { columns.push_back(column); };
    HWND header = reinterpret_cast<HWND>(SendMessageA(list(), LVM_GETHEADER, 0, 0));
    ASSERT_NE(header, nullptr);
    RECT item{};
    SendMessageA(header, HDM_GETITEMRECT, 2, reinterpret_cast<LPARAM>(&item));
    clickAt(header, {(item.left + item.right) / 2, (item.top + item.bottom) / 2});
    EXPECT_EQ(columns, std::vector<std::size_t>{2});
}

TEST_F(WindowBinderListViewTest, SelectionSetByTheModelShowsAndIsScrolledIntoView) {
    form_.window.show();
    addRows(2000);
    form_.list.select(1500);
    EXPECT_EQ(SendMessageA(list(), LVM_GETNEXTITEM, static_cast<WPARAM>(-1), LVNI_SELECTED), 1500);
    int top = static_cast<int>(SendMessageA(list(), LVM_GETTOPINDEX, 0, 0));
    int page = static_cast<int>(SendMessageA(list(), LVM_GETCOUNTPERPAGE, 0, 0));
    EXPECT_LE(top, 1500);
    EXPECT_GE(top + page, 1500);
}

TEST_F(WindowBinderListViewTest, SortingReordersTheRowsShownAndMarksTheColumn) {
    for (const char* name : {"beta", "Alpha", "gamma"}) form_.list.addRow(name);
    pump();
    form_.list.setSorting(true, 0, ui::SortOrder::Descending);
    pump();
    EXPECT_EQ(cell(list(), 0, 0), "gamma");
    EXPECT_EQ(cell(list(), 2, 0), "Alpha");
    HWND header = reinterpret_cast<HWND>(SendMessageA(list(), LVM_GETHEADER, 0, 0));
    HDITEMA item{};
    item.mask = HDI_FORMAT;
    SendMessageA(header, HDM_GETITEMA, 0, reinterpret_cast<LPARAM>(&item));
    EXPECT_TRUE(item.fmt & HDF_SORTDOWN);
    EXPECT_FALSE(item.fmt & HDF_SORTUP);
}

TEST_F(WindowBinderListViewTest, RowTextColourComesFromTheModel) {
    addRows(3);
    pump();
    form_.list.setColor(1, RGB(200, 0, 0));
    NMLVCUSTOMDRAW draw{};
    draw.nmcd.hdr.code = NM_CUSTOMDRAW;
    draw.nmcd.dwDrawStage = CDDS_PREPAINT;
    EXPECT_EQ(sendNotify(list(), draw.nmcd.hdr), CDRF_NOTIFYITEMDRAW);
    draw.nmcd.dwDrawStage = CDDS_ITEMPREPAINT;
    draw.nmcd.dwItemSpec = 1;
    draw.clrText = RGB(1, 2, 3);
    EXPECT_EQ(sendNotify(list(), draw.nmcd.hdr), CDRF_NEWFONT);
    EXPECT_EQ(draw.clrText, RGB(200, 0, 0));
    draw.nmcd.dwItemSpec = 0;
    draw.clrText = RGB(1, 2, 3);
    sendNotify(list(), draw.nmcd.hdr);
    EXPECT_EQ(draw.clrText, RGB(1, 2, 3)) << "a row without a colour keeps the system's";
}

TEST_F(WindowBinderListViewTest, SmallPictureKeysGetOnePictureEach) {
    addRows(3);
    form_.list.setSmallIcon(0, "exe");
    form_.list.setSmallIcon(1, "dll");
    form_.list.setSmallIcon(2, "exe");
    pump();
    HIMAGELIST pictures = reinterpret_cast<HIMAGELIST>(SendMessageA(list(), LVM_GETIMAGELIST, LVSIL_SMALL, 0));
    ASSERT_NE(pictures, nullptr);
    auto imageOf = [&](int row) {
        LVITEMA item{};
        item.mask = LVIF_IMAGE;
        item.iItem = row;
        SendMessageA(list(), LVM_GETITEMA, 0, reinterpret_cast<LPARAM>(&item));
        return item.iImage;
    };
    EXPECT_GE(imageOf(0), 0);
    EXPECT_NE(imageOf(0), imageOf(1));
    EXPECT_EQ(imageOf(0), imageOf(2));
    EXPECT_EQ(ImageList_GetImageCount(pictures), 2);
}

TEST_F(WindowBinderListViewTest, ScreenshotOfTheBoundWindowIsAWholeBitmap) {
    form_.window.show();
    form_.statusBar.setPanel(1, "Vantrel 2003");
    form_.statusBar.setPanel(2, "3 entries");
    addRows(3);
    form_.list.setChecked(1, true);
    form_.list.setColor(2, RGB(192, 0, 0));
    form_.list.setSmallIcon(0, "exe");
    pumpFor(50);

    char folder[MAX_PATH] = {};
    GetTempPathA(sizeof folder, folder);
    const std::string path = std::string(folder) + "vantrel_window_binder.bmp";
    ASSERT_TRUE(win32::saveWindowBitmap(window(), path));
    std::ifstream in(path, std::ios::binary);
    std::string bytes((std::istreambuf_iterator<char>(in)), std::istreambuf_iterator<char>());
    in.close();
    ASSERT_GT(bytes.size(), 54u);
    EXPECT_EQ(bytes.substr(0, 2), "BM");
    auto at32 = [&](std::size_t offset) {
        return static_cast<int>(static_cast<unsigned char>(bytes[offset]) |
                                (static_cast<unsigned char>(bytes[offset + 1]) << 8) |
                                (static_cast<unsigned char>(bytes[offset + 2]) << 16));
    };
    EXPECT_EQ(at32(18), 600);
    EXPECT_EQ(at32(22), 440);
    EXPECT_EQ(bytes.size(), 54u + static_cast<std::size_t>(600 * 3) * 440);
    std::set<std::string> colours;
    for (std::size_t i = 54; i + 3 <= bytes.size() && colours.size() < 8; i += 3 * 97) colours.insert(bytes.substr(i, 3));
    EXPECT_GE(colours.size(), 3u) << "the picture holds the window's drawing, not one flat colour";
    if (const char* keep = std::getenv("VANTREL_SCREENSHOTS"))
        CopyFileA(path.c_str(), (std::string(keep) + "\\window_binder.bmp").c_str(), FALSE);
    DeleteFileA(path.c_str());
    EXPECT_FALSE(win32::saveWindowBitmap(nullptr, path));
}

}  // namespace
