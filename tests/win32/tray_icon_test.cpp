// The tray icon against the real shell call and a real window: the record
// goes out in the layout Shell_NotifyIconA reads, and the shell's mouse
// notifications on the hidden window come back as the control's events.
#include <windows.h>
#include <shellapi.h>

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "win32/tray_icon.h"

namespace {

struct RecordingEvents : controls::TrayEvents {
    std::vector<std::string> log;
    void MouseMove() override { log.push_back("MouseMove"); }
    void MouseDown(std::int16_t b) override { log.push_back("MouseDown " + std::to_string(b)); }
    void MouseUp(std::int16_t b) override { log.push_back("MouseUp " + std::to_string(b)); }
    void DblClick() override { log.push_back("DblClick"); }
};

bool underWine() {
    HMODULE ntdll = GetModuleHandleA("ntdll.dll");
    return ntdll && GetProcAddress(ntdll, "wine_get_version") != nullptr;
}

// The shell posts the callback message with the icon's id and the mouse message.
void shellNotifies(HWND window, UINT id, UINT mouseMessage) {
    SendMessageA(window, controls::kTrayCallbackMessage, id, static_cast<LPARAM>(mouseMessage));
}

TEST(TrayIconRecord, CarriesEveryFieldInTheFirstVersionLayout) {
    controls::NotifyRecord r;
    r.size = 88;
    r.window = 0x1234;
    r.id = 4711;
    r.flags = controls::kNifMessage | controls::kNifTip;
    r.callbackMessage = controls::kTrayCallbackMessage;
    r.icon = 0x5678;
    const std::string tip = "Vantrel 2003";
    std::copy(tip.begin(), tip.end(), r.tip.begin());

    const NOTIFYICONDATAA d = win32::notifyIconData(r);
    EXPECT_EQ(d.cbSize, static_cast<DWORD>(NOTIFYICONDATAA_V1_SIZE));
    EXPECT_EQ(d.hWnd, reinterpret_cast<HWND>(0x1234));
    EXPECT_EQ(d.uID, 4711u);
    EXPECT_EQ(d.uFlags, static_cast<UINT>(NIF_MESSAGE | NIF_TIP));
    EXPECT_EQ(d.uCallbackMessage, static_cast<UINT>(WM_MOUSEMOVE));
    EXPECT_EQ(d.hIcon, reinterpret_cast<HICON>(0x5678));
    EXPECT_STREQ(d.szTip, "Vantrel 2003");
}

TEST(TrayIconRecord, UnterminatedTipIsCutToWhatTheShellReads) {
    controls::NotifyRecord r;
    r.tip.fill('a');
    const NOTIFYICONDATAA d = win32::notifyIconData(r);
    EXPECT_EQ(std::string(d.szTip), std::string(63, 'a'));
}

TEST(TrayIconShell, AddAndDeleteReachTheShell) {
    RecordingEvents events;
    win32::TrayIcon tray(events, [] { return 0.5; });
    ASSERT_NE(tray.window(), nullptr);
    tray.area().Icon(reinterpret_cast<std::uintptr_t>(LoadIconA(nullptr, IDI_APPLICATION)));
    tray.area().ToolTip("Vantrel 2003");

    const controls::NotifyRecord& record = tray.area().record();
    tray.area().Visible(true);
    EXPECT_EQ(record.window, reinterpret_cast<std::uintptr_t>(tray.window()));
    EXPECT_EQ(record.id, 32768u);
    EXPECT_EQ(record.tipText(), "Vantrel 2003");

    // What the shell answers is not the control's business; record it for the log.
    win32::ShellNotify shell;
    controls::NotifyRecord again = record;
    again.id = 4242;
    const bool added = shell.notify(controls::kNimAdd, again);
    const bool deleted = shell.notify(controls::kNimDelete, again);
    RecordProperty("wine", underWine() ? "yes" : "no");
    RecordProperty("added", added ? "yes" : "no");
    RecordProperty("deleted", deleted ? "yes" : "no");
    tray.area().Visible(false);
    EXPECT_FALSE(tray.area().Visible());
}

class TrayIconWindow : public ::testing::Test {
protected:
    RecordingEvents events_;
    win32::TrayIcon tray_{events_, [] { return 0.0; }};
};

TEST_F(TrayIconWindow, LeftDoubleClickOnTheIconRaisesDblClick) {
    shellNotifies(tray_.window(), 1, WM_LBUTTONDBLCLK);
    EXPECT_EQ(events_.log, std::vector<std::string>{"DblClick"});
}

TEST_F(TrayIconWindow, MouseMessagesBecomeTheirEvents) {
    shellNotifies(tray_.window(), 1, WM_MOUSEMOVE);
    shellNotifies(tray_.window(), 1, WM_LBUTTONDOWN);
    shellNotifies(tray_.window(), 1, WM_LBUTTONUP);
    shellNotifies(tray_.window(), 1, WM_RBUTTONDOWN);
    shellNotifies(tray_.window(), 1, WM_RBUTTONUP);
    shellNotifies(tray_.window(), 1, WM_RBUTTONDBLCLK);
    const std::vector<std::string> expected{"MouseMove", "MouseDown 1", "MouseUp 1",
                                            "MouseDown 2", "MouseUp 2", "DblClick"};
    EXPECT_EQ(events_.log, expected);
}

TEST_F(TrayIconWindow, MiddleButtonAndOtherMessagesRaiseNothing) {
    shellNotifies(tray_.window(), 1, WM_MBUTTONDOWN);
    shellNotifies(tray_.window(), 1, WM_MBUTTONDBLCLK);
    shellNotifies(tray_.window(), 1, WM_KEYDOWN);
    EXPECT_TRUE(events_.log.empty());
}

TEST(TrayIconHost, ResizeGivesTheControlItsPictureSize) {
    RecordingEvents events;
    win32::TrayWindow host;
    win32::ShellNotify shell;
    controls::NotificationIcon area(
        shell, host, events, [] { return 0.0; }, true);
    area.Resize();
    EXPECT_EQ(host.widthTwips(), controls::kTrayPictureTwips);
    EXPECT_EQ(host.heightTwips(), controls::kTrayPictureTwips);
}

TEST(TrayIconHost, NotificationsAfterDetachingReachNoControl) {
    RecordingEvents events;
    win32::TrayWindow host;
    win32::ShellNotify shell;
    controls::NotificationIcon area(
        shell, host, events, [] { return 0.0; }, true);
    host.attach(&area);
    shellNotifies(host.window(), 1, WM_LBUTTONDOWN);
    host.attach(nullptr);
    shellNotifies(host.window(), 1, WM_LBUTTONDOWN);
    EXPECT_EQ(events.log, std::vector<std::string>{"MouseDown 1"});
}

}  // namespace
