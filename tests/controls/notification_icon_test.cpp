#include "controls/notification_icon.h"

#include <gtest/gtest.h>

#include <deque>
#include <string>
#include <vector>

namespace {

using controls::NotificationIcon;
using controls::NotifyRecord;

struct ShellCall {
    int message;
    NotifyRecord record;
};

struct FakeShell : controls::NotifyShell {
    std::vector<ShellCall> calls;
    bool notify(int message, const NotifyRecord& record) override {
        calls.push_back({message, record});
        return true;
    }
};

struct FakeHost : controls::TrayHost {
    std::uintptr_t handle = 0x4711;
    int tpp = 15;
    std::vector<std::pair<int, int>> sizes;
    NotificationIcon* reenter = nullptr;  // reports the resize back, as the host form does
    std::uintptr_t windowHandle() const override { return handle; }
    int twipsPerPixel() const override { return tpp; }
    void setSize(int w, int h) override {
        sizes.emplace_back(w, h);
        if (reenter) reenter->Resize();
    }
};

struct EventLog : controls::TrayEvents {
    std::vector<std::string> events;
    void MouseMove() override { events.push_back("MouseMove"); }
    void MouseDown(std::int16_t b) override { events.push_back("MouseDown " + std::to_string(b)); }
    void MouseUp(std::int16_t b) override { events.push_back("MouseUp " + std::to_string(b)); }
    void DblClick() override { events.push_back("DblClick"); }
};

class NotificationIconTest : public ::testing::Test {
protected:
    FakeShell shell;
    FakeHost host;
    EventLog log;
    std::deque<double> randoms{0.5, 0.25, 0.75};
    NotificationIcon makeTray(bool userMode = true) {
        NotificationIcon tray(
            shell, host, log,
            [this] {
                const double r = randoms.front();
                randoms.pop_front();
                return r;
            },
            userMode);
        tray.InitProperties();
        return tray;
    }
};

std::string tipOf(const NotifyRecord& r) { return std::string(r.tip.begin(), r.tip.end()); }

TEST_F(NotificationIconTest, ShowingAddsIconWithFullRecord) {
    NotificationIcon tray = makeTray();
    tray.Icon(0x99);
    tray.ToolTip("Vantrel 2003");
    shell.calls.clear();
    tray.Visible(true);
    ASSERT_EQ(shell.calls.size(), 1u);
    const auto& [message, r] = shell.calls[0];
    EXPECT_EQ(message, controls::kNimAdd);
    EXPECT_EQ(r.size, 88u);
    EXPECT_EQ(r.window, 0x4711u);
    EXPECT_EQ(r.id, 32768u);  // floor(0.5 * 65535 + 1)
    EXPECT_EQ(r.flags, 7u);
    EXPECT_EQ(r.callbackMessage, 512u);
    EXPECT_EQ(r.icon, 0x99u);
    EXPECT_EQ(tipOf(r), std::string("Vantrel 2003") + '\0' + std::string(51, ' '));
}

TEST_F(NotificationIconTest, ShowingWithoutIconOrTipCarriesOnlyTheCallback) {
    NotificationIcon tray = makeTray();
    tray.Visible(true);
    ASSERT_EQ(shell.calls.size(), 1u);
    EXPECT_EQ(shell.calls[0].record.flags, 1u);
}

TEST_F(NotificationIconTest, SettingVisibleTwiceAddsOnceAndHidingWhenHiddenCallsNothing) {
    NotificationIcon tray = makeTray();
    tray.Visible(false);
    EXPECT_TRUE(shell.calls.empty());
    EXPECT_FALSE(tray.changes().isChanged("Visible"));
    tray.Visible(true);
    tray.Visible(true);
    ASSERT_EQ(shell.calls.size(), 1u);
    EXPECT_TRUE(tray.changes().isChanged("Visible"));
}

TEST_F(NotificationIconTest, EachShowingDrawsANewIdentifierAndLaterCallsReuseIt) {
    NotificationIcon tray = makeTray();
    tray.Icon(0x10);
    tray.Visible(true);
    tray.Icon(0x11);
    tray.Visible(false);
    tray.Visible(true);
    tray.Terminate();
    ASSERT_EQ(shell.calls.size(), 5u);
    EXPECT_EQ(shell.calls[0].record.id, 32768u);
    EXPECT_EQ(shell.calls[1].message, controls::kNimModify);
    EXPECT_EQ(shell.calls[1].record.id, 32768u);
    EXPECT_EQ(shell.calls[2].message, controls::kNimDelete);
    EXPECT_EQ(shell.calls[2].record.id, 32768u);
    EXPECT_EQ(shell.calls[3].record.id, 16384u);  // floor(0.25 * 65535 + 1)
    EXPECT_EQ(shell.calls[4].message, controls::kNimDelete);
    EXPECT_EQ(shell.calls[4].record.id, 16384u);
}

TEST_F(NotificationIconTest, IdentifierStaysWithinOneTo65535WhateverTheSourceAnswers) {
    randoms = {0.0, 0.9999999999, 1.0, -0.5};
    NotificationIcon tray = makeTray();
    std::vector<std::uint32_t> ids;
    for (int i = 0; i < 4; ++i) {
        tray.Visible(true);
        ids.push_back(shell.calls.back().record.id);
        tray.Visible(false);
    }
    EXPECT_EQ(ids, (std::vector<std::uint32_t>{1, 65535, 65535, 1}));
}

TEST_F(NotificationIconTest, DesignerNeverAddsTheIcon) {
    NotificationIcon tray = makeTray(false);
    tray.Visible(true);
    EXPECT_TRUE(shell.calls.empty());
    EXPECT_TRUE(tray.Visible());
}

TEST_F(NotificationIconTest, ChangingIconWhileShownModifiesOnlyTheIcon) {
    NotificationIcon tray = makeTray();
    tray.Icon(0x10);
    tray.Visible(true);
    tray.Icon(0x20);
    ASSERT_EQ(shell.calls.size(), 2u);
    EXPECT_EQ(shell.calls[1].message, controls::kNimModify);
    EXPECT_EQ(shell.calls[1].record.flags, 2u);
    EXPECT_EQ(shell.calls[1].record.icon, 0x20u);
    EXPECT_TRUE(tray.changes().isChanged("Icon"));
}

TEST_F(NotificationIconTest, ChangingIconWhileHiddenCallsNothing) {
    NotificationIcon tray = makeTray();
    tray.Icon(0x10);
    EXPECT_TRUE(shell.calls.empty());
    EXPECT_EQ(tray.Icon(), 0x10u);
}

TEST_F(NotificationIconTest, ClearingIconWhileShownRemovesItAndHides) {
    NotificationIcon tray = makeTray();
    tray.Icon(0x10);
    tray.Visible(true);
    tray.Icon(0);
    ASSERT_EQ(shell.calls.size(), 2u);
    EXPECT_EQ(shell.calls[1].message, controls::kNimDelete);
    EXPECT_FALSE(tray.Visible());
    EXPECT_TRUE(tray.changes().isChanged("Visible"));
}

TEST_F(NotificationIconTest, ToolTipIsTrimmedAndSentEvenWhenHidden) {
    NotificationIcon tray = makeTray();
    tray.ToolTip("  Vantrel  ");
    EXPECT_EQ(tray.ToolTip(), "Vantrel");
    ASSERT_EQ(shell.calls.size(), 1u);
    EXPECT_EQ(shell.calls[0].message, controls::kNimModify);
    EXPECT_EQ(shell.calls[0].record.flags, 4u);
    EXPECT_EQ(shell.calls[0].record.tipText(), "Vantrel");
    EXPECT_TRUE(tray.changes().isChanged("ToolTip"));
}

TEST_F(NotificationIconTest, ToolTipSetWhileHiddenIsShownOnTheNextShowing) {
    NotificationIcon tray = makeTray();
    tray.ToolTip("later");
    tray.Visible(true);
    EXPECT_EQ(shell.calls.back().message, controls::kNimAdd);
    EXPECT_EQ(shell.calls.back().record.flags, 5u);
    EXPECT_EQ(shell.calls.back().record.tipText(), "later");
}

TEST_F(NotificationIconTest, LongToolTipIsCutToLeaveRoomForTheNul) {
    NotificationIcon tray = makeTray();
    const std::string seventy(70, 'x');
    tray.ToolTip(seventy);
    const NotifyRecord& r = shell.calls.back().record;
    EXPECT_EQ(r.tip[63], '\0');
    EXPECT_EQ(r.tipText(), std::string(63, 'x'));
    EXPECT_EQ(tray.ToolTip(), seventy);  // the property keeps the whole text
}

TEST_F(NotificationIconTest, ToolTipOf63CharactersFillsTheFieldExactly) {
    NotificationIcon tray = makeTray();
    tray.ToolTip(std::string(63, 'y'));
    EXPECT_EQ(tipOf(shell.calls.back().record), std::string(63, 'y') + '\0');
}

TEST_F(NotificationIconTest, MouseMessagesMapToEvents) {
    NotificationIcon tray = makeTray();
    for (int m = 511; m <= 522; ++m) tray.MouseMove(m * 15.0);
    EXPECT_EQ(log.events, (std::vector<std::string>{"MouseMove", "MouseDown 1", "MouseUp 1", "DblClick", "MouseDown 2",
                                                    "MouseUp 2", "DblClick"}));
}

TEST_F(NotificationIconTest, PositionsBetweenMessagesOrWithoutScaleRaiseNothing) {
    NotificationIcon tray = makeTray();
    tray.MouseMove(513 * 15.0 + 7);
    host.tpp = 0;
    tray.MouseMove(513 * 15.0);
    EXPECT_TRUE(log.events.empty());
}

TEST_F(NotificationIconTest, ReadingVisibleTrueShowsNothingUntilToggled) {
    controls::MemoryPropertyBag bag;
    bag.WriteProperty("Icon", controls::Picture{0x55, 0, 0, {}});
    bag.WriteProperty("ToolTip", std::string("tip"));
    bag.WriteProperty("Visible", true);
    NotificationIcon tray = makeTray();
    tray.ReadProperties(bag);
    EXPECT_TRUE(tray.Visible());
    EXPECT_EQ(tray.Icon(), 0x55u);
    EXPECT_FALSE(tray.changes().any());
    tray.Visible(true);
    EXPECT_TRUE(shell.calls.empty());
    tray.Visible(false);
    tray.Visible(true);
    ASSERT_EQ(shell.calls.size(), 2u);
    EXPECT_EQ(shell.calls[1].message, controls::kNimAdd);
    EXPECT_EQ(shell.calls[1].record.flags, 7u);
}

TEST_F(NotificationIconTest, PropertiesSurviveWriteAndRead) {
    NotificationIcon tray = makeTray(false);
    tray.Icon(0x77);
    tray.ToolTip("keep");
    tray.Visible(true);
    controls::MemoryPropertyBag bag;
    tray.WriteProperties(bag);
    NotificationIcon copy = makeTray();
    copy.ReadProperties(bag);
    EXPECT_EQ(copy.Icon(), 0x77u);
    EXPECT_EQ(copy.ToolTip(), "keep");
    EXPECT_TRUE(copy.Visible());
}

TEST_F(NotificationIconTest, EmptyOrMistypedBagGivesDefaults) {
    controls::MemoryPropertyBag bag;
    bag.WriteProperty("Visible", std::string("yes"));
    NotificationIcon tray = makeTray();
    tray.ReadProperties(bag);
    EXPECT_FALSE(tray.Visible());
    EXPECT_EQ(tray.Icon(), 0u);
    EXPECT_EQ(tray.ToolTip(), "");
}

TEST_F(NotificationIconTest, ResizeKeepsPictureSizeWithoutRunningTwice) {
    NotificationIcon tray = makeTray();
    host.reenter = &tray;
    tray.Resize();
    tray.Resize();
    EXPECT_EQ(host.sizes, (std::vector<std::pair<int, int>>{{480, 480}, {480, 480}}));
}

TEST_F(NotificationIconTest, DestroyDeletesTheIconOnce) {
    NotificationIcon tray = makeTray();
    tray.Visible(true);
    tray.Terminate();
    tray.Terminate();
    ASSERT_EQ(shell.calls.size(), 2u);
    EXPECT_EQ(shell.calls[1].message, controls::kNimDelete);
}

}  // namespace
