#include <gtest/gtest.h>

#include "controls/fake_button_host.h"

namespace {

using namespace controls_test;
using Log = std::vector<std::string>;

// Style 2 shows its state in the top-left pixel: highlight up, dark shadow down.
bool drawnDown(FakeButtonHost& h) { return h.bitmap().pixel(0, 0) == kSysDarkShadow; }
bool drawnUp(FakeButtonHost& h) { return h.bitmap().pixel(0, 0) == kSysHighlight; }

TEST(DrawnButtonClick, LeftPressAndReleaseRaiseEventsInOrderAndDrawDownThenUp) {
    PlacedButton b;
    b->mouseDown(1, 0, 5, 5);
    EXPECT_TRUE(drawnDown(b.host));
    b->mouseUp(1, 0, 5, 5);
    EXPECT_TRUE(drawnUp(b.host));
    b->click();
    EXPECT_EQ(b.host.log, (Log{"MouseDown 1", "MouseUp 1", "Click"}));
}

TEST(DrawnButtonClick, RightButtonNeverDrawsDownNorClicks) {
    PlacedButton b;
    b->mouseDown(2, 0, 5, 5);
    b->mouseUp(2, 0, 5, 5);
    b->click();
    EXPECT_EQ(b.host.log, (Log{"MouseDown 2", "MouseUp 2"}));
    EXPECT_EQ(b.host.presents, 0);
}

TEST(DrawnButtonClick, MiddleButtonDrawsDownButDoesNotClick) {
    PlacedButton b;
    b->mouseDown(4, 0, 5, 5);
    EXPECT_TRUE(drawnDown(b.host));
    b->mouseUp(4, 0, 5, 5);
    b->click();
    EXPECT_EQ(b.host.log, (Log{"MouseDown 4", "MouseUp 4"}));
}

TEST(DrawnButtonClick, DisabledButtonDoesNotClick) {
    PlacedButton b;
    b->Enabled(false);
    b->mouseDown(1, 0, 5, 5);
    b->mouseUp(1, 0, 5, 5);
    b->click();
    b->accessKeyPressed();
    EXPECT_EQ(b.host.log, (Log{"MouseDown 1", "MouseUp 1"}));
}

TEST(DrawnButtonClick, DoubleClickPressesAgainAndCapturesButClicksOnce) {
    PlacedButton b;
    b->mouseDown(1, 0, 5, 5);
    b->mouseUp(1, 0, 5, 5);
    b->click();
    b->doubleClick();
    EXPECT_TRUE(drawnDown(b.host));
    EXPECT_EQ(b.host.captures, 1);
    b->mouseUp(1, 0, 5, 5);
    b->click();  // the host's click for the second press
    EXPECT_EQ(b.host.log, (Log{"MouseDown 1", "MouseUp 1", "Click", "MouseDown 1", "MouseUp 1"}));
    b->mouseDown(1, 0, 5, 5);
    b->mouseUp(1, 0, 5, 5);
    b->click();
    EXPECT_EQ(b.host.log.back(), "Click");
}

TEST(DrawnButtonClick, AccessKeyActsAsLeftClickEvenAfterRightPress) {
    PlacedButton b;
    b->mouseDown(2, 0, 5, 5);
    b->mouseUp(2, 0, 5, 5);
    b->accessKeyPressed();
    EXPECT_EQ(b.host.log.back(), "Click");
}

void clickOnce(PlacedButton& b) {
    b->mouseDown(1, 0, 5, 5);
    b->mouseUp(1, 0, 5, 5);
    b->click();
}

TEST(DrawnButtonCheck, EachClickTogglesValueAndTrueStaysDrawnDown) {
    PlacedButton b;
    b->CheckBoxBehaviour(true);
    clickOnce(b);
    EXPECT_TRUE(b->Value());
    EXPECT_TRUE(drawnDown(b.host));
    EXPECT_TRUE(b->changes().isChanged("VALUE"));
    clickOnce(b);
    EXPECT_FALSE(b->Value());
    EXPECT_TRUE(drawnUp(b.host));
}

TEST(DrawnButtonCheck, WithoutCheckBehaviourClicksLeaveValueAlone) {
    PlacedButton b;
    clickOnce(b);
    clickOnce(b);
    EXPECT_FALSE(b->Value());
    EXPECT_TRUE(drawnUp(b.host));
}

TEST(DrawnButtonCheck, SettingValueRedrawsOnlyAsCheckButton) {
    PlacedButton b;
    b->Value(true);
    EXPECT_EQ(b.host.presents, 0);
    EXPECT_TRUE(drawnUp(b.host));
    b->CheckBoxBehaviour(true);
    EXPECT_TRUE(drawnDown(b.host));
    b->Value(false);
    EXPECT_TRUE(drawnUp(b.host));
}

TEST(DrawnButtonCheck, SpaceTogglesValueToo) {
    PlacedButton b;
    b->CheckBoxBehaviour(true);
    b->keyDown(32, 0);
    b->keyUp(32, 0);
    EXPECT_TRUE(b->Value());
    EXPECT_TRUE(drawnDown(b.host));
}

TEST(DrawnButtonKeys, SpacePressDrawsDownAndReleaseClicks) {
    PlacedButton b;
    b->keyDown(32, 0);
    EXPECT_TRUE(drawnDown(b.host));
    b->keyPress(32);
    b->keyUp(32, 0);
    EXPECT_TRUE(drawnUp(b.host));
    EXPECT_EQ(b.host.log, (Log{"KeyDown 32", "KeyPress 32", "KeyUp 32", "Click"}));
}

TEST(DrawnButtonKeys, SpaceReleaseAfterAnotherKeyDoesNotClick) {
    PlacedButton b;
    b->keyDown(32, 0);
    b->keyDown(65, 0);
    b->keyUp(32, 0);
    EXPECT_EQ(b.host.log, (Log{"KeyDown 32", "KeyDown 65", "KeyUp 32"}));
}

TEST(DrawnButtonKeys, ArrowsMoveTheFocus) {
    PlacedButton b;
    for (std::int16_t key : {37, 38, 39, 40}) b->keyDown(key, 0);
    EXPECT_EQ(b.host.log, (Log{"KeyDown 37", "focus previous", "KeyDown 38", "focus previous", "KeyDown 39",
                               "focus next", "KeyDown 40", "focus next"}));
}

TEST(DrawnButtonHover, EnteringStartsTimerAndRaisesMouseOverOnce) {
    PlacedButton b;
    b.host.pointerOver = true;
    b->mouseMove(0, 0, 5, 5);
    EXPECT_TRUE(b->isHovered());
    EXPECT_TRUE(b.host.timerRunning);
    EXPECT_EQ(b.host.timerInterval, 3);
    const int drawn = b.host.presents;
    EXPECT_EQ(drawn, 1);
    b->mouseMove(0, 0, 6, 6);
    b->hoverTimer();
    EXPECT_EQ(b.host.presents, drawn);  // moving over a hovered button repaints nothing
    EXPECT_EQ(b.host.log, (Log{"MouseMove 0", "MouseOver", "MouseMove 0"}));
}

TEST(DrawnButtonHover, LeavingIsNoticedByTheTimer) {
    PlacedButton b;
    b.host.pointerOver = true;
    b->mouseMove(0, 0, 5, 5);
    b.host.pointerOver = false;
    b->hoverTimer();
    EXPECT_FALSE(b->isHovered());
    EXPECT_FALSE(b.host.timerRunning);
    EXPECT_EQ(b.host.log.back(), "MouseOut");
    EXPECT_EQ(b.host.presents, 2);
    b->hoverTimer();  // a late tick changes nothing
    EXPECT_EQ(b.host.log.size(), 3u);
}

TEST(DrawnButtonHover, MovingToTheNextButtonOutsTheFirstAndOversTheSecond) {
    PlacedButton first, second;
    first.host.pointerOver = true;
    first->mouseMove(0, 0, 70, 5);
    first.host.pointerOver = false;
    second.host.pointerOver = true;
    second->mouseMove(0, 0, 1, 5);
    first->hoverTimer();
    EXPECT_EQ(first.host.log, (Log{"MouseMove 0", "MouseOver", "MouseOut"}));
    EXPECT_EQ(second.host.log, (Log{"MouseMove 0", "MouseOver"}));
}

TEST(DrawnButtonHover, HoveredCaptionUsesHoverTextColour) {
    PlacedButton b;
    b->ColorScheme(2);
    b->ForeColor(rgb(10, 10, 10));
    b->ForeOver(rgb(200, 0, 0));
    b.host.pointerOver = true;
    b->mouseMove(0, 0, 5, 5);
    EXPECT_EQ(b.host.texts.back().colour, rgb(200, 0, 0));
    b.host.pointerOver = false;
    b->hoverTimer();
    EXPECT_EQ(b.host.texts.back().colour, rgb(10, 10, 10));
}

TEST(DrawnButtonHover, OwnColoursDrawHoveredFaceInBackOver) {
    PlacedButton b;
    b->ColorScheme(2);
    b->BackColor(rgb(100, 100, 100));
    b->BackOver(rgb(0, 120, 240));
    EXPECT_EQ(b.host.bitmap().pixel(40, 12), rgb(100, 100, 100));
    b.host.pointerOver = true;
    b->mouseMove(0, 0, 5, 5);
    EXPECT_EQ(b.host.bitmap().pixel(40, 12), rgb(0, 120, 240));
    EXPECT_EQ(b.host.bitmap().pixel(0, 0), rgb(47, 167, 255));  // highlight = BackOver + 47
}

TEST(DrawnButtonHover, DraggingWithLeftButtonPressesOverAndReleasesOutside) {
    PlacedButton b;
    b.host.pointerOver = true;
    b->mouseMove(1, 0, 5, 5);
    EXPECT_TRUE(drawnDown(b.host));
    EXPECT_FALSE(b->isHovered());
    b.host.pointerOver = false;
    b->mouseMove(1, 0, 500, 5);
    EXPECT_TRUE(drawnUp(b.host));
}

TEST(DrawnButtonHover, RightButtonMovesOnlyRaiseMouseMove) {
    PlacedButton b;
    b.host.pointerOver = true;
    b->mouseMove(2, 0, 5, 5);
    EXPECT_EQ(b.host.log, (Log{"MouseMove 2"}));
    EXPECT_EQ(b.host.presents, 0);
}

TEST(DrawnButtonRedraw, UnchangedStateAndCaptionAreNotRedrawn) {
    PlacedButton b;
    b->mouseDown(1, 0, 5, 5);
    b->mouseDown(1, 0, 5, 5);
    EXPECT_EQ(b.host.presents, 1);
    b->Caption("Other");
    EXPECT_EQ(b.host.presents, 2);
}

TEST(DrawnButtonRedraw, DisableRefreshHoldsDrawingUntilRefresh) {
    PlacedButton b;
    b->DisableRefresh();
    b->BackColor(rgb(1, 1, 1));
    b->Caption("Later");
    b->mouseDown(1, 0, 5, 5);
    EXPECT_EQ(b.host.presents, 0);
    b->mouseUp(1, 0, 5, 5);
    b->Refresh();
    EXPECT_EQ(b.host.presents, 1);
    EXPECT_EQ(b.host.texts.back().text, "Later");
}

TEST(DrawnButtonRedraw, HiddenOrFlatButtonDrawsNothing) {
    PlacedButton b;
    b->Hide();
    b->Caption("x");
    EXPECT_EQ(b.host.presents, 0);
    b->Show();
    b->Resize(80, 0);
    b->Caption("y");
    EXPECT_EQ(b.host.presents, 1);  // the show only
}

TEST(DrawnButtonFocus, FocusDrawsTheFocusRectangleInTextColour) {
    PlacedButton b;
    b->gotFocus();
    ASSERT_EQ(b.host.focusRects.size(), 1u);
    EXPECT_EQ(b.host.focusRects[0].rect, (Rect{4, 4, 76, 20}));
    EXPECT_EQ(b.host.focusRects[0].colour, kSysText);
    EXPECT_TRUE(b->hasFocus());
    b->lostFocus();
    EXPECT_TRUE(b.host.focusRects.empty());
}

TEST(DrawnButtonFocus, NoFocusRectangleWhenSwitchedOff) {
    PlacedButton b;
    b->ShowFocusRect(false);
    b->gotFocus();
    EXPECT_TRUE(b.host.focusRects.empty());
}

TEST(DrawnButtonLifecycle, DestroyStopsTheHoverTimerAndReleases) {
    PlacedButton b;
    b.host.pointerOver = true;
    b->mouseMove(0, 0, 5, 5);
    b->Terminate();
    EXPECT_FALSE(b.host.timerRunning);
    EXPECT_TRUE(b.host.released);
}

TEST(DrawnButtonLifecycle, AmbientChangeRecolorsOwnColouredButtonsOnly) {
    PlacedButton b;
    b->ColorScheme(2);
    int drawn = b.host.presents;
    b->ambientChanged();
    EXPECT_EQ(b.host.presents, drawn + 1);
    for (int scheme : {1, 3, 4}) {
        b->ColorScheme(scheme);
        drawn = b.host.presents;
        b->ambientChanged();
        EXPECT_EQ(b.host.presents, drawn) << scheme;
    }
}

TEST(DrawnButtonLifecycle, ParentColoursAreTakenAgainOnRefresh) {
    PlacedButton b;
    b.host.parentBack = rgb(100, 150, 200);
    b->ColorScheme(4);
    b.host.parentBack = rgb(9, 99, 199);
    b->ambientChanged();
    EXPECT_EQ(b.host.bitmap().pixel(40, 12), rgb(100, 150, 200));
    b->Refresh();
    EXPECT_EQ(b.host.bitmap().pixel(40, 12), rgb(9, 99, 199));
}

}  // namespace
