#pragma once
// The tray icon's Windows side: the shell call behind NotifyShell, and a
// hidden window that hears the shell's mouse notifications for the icon.
#include <windows.h>
#include <shellapi.h>

#include <functional>
#include <random>

#include "controls/notification_icon.h"

namespace win32 {

inline constexpr const char* kTrayWindowClass = "VantrelNotificationIcon";

// The record as Shell_NotifyIconA wants it: the first-version layout, whose
// size on this platform is NOTIFYICONDATAA_V1_SIZE, and a terminated tip.
NOTIFYICONDATAA notifyIconData(const controls::NotifyRecord& record);

class ShellNotify : public controls::NotifyShell {
public:
    bool notify(int message, const controls::NotifyRecord& record) override;
};

// A never-shown top-level window: it can be the icon's window, and it still
// hears broadcasts a message-only window would miss.
class TrayWindow : public controls::TrayHost {
public:
    TrayWindow();
    ~TrayWindow() override;
    TrayWindow(const TrayWindow&) = delete;
    TrayWindow& operator=(const TrayWindow&) = delete;

    HWND window() const { return hwnd_; }
    // The control that hears the notifications; null stops them.
    void attach(controls::NotificationIcon* area) { area_ = area; }

    std::uintptr_t windowHandle() const override { return reinterpret_cast<std::uintptr_t>(hwnd_); }
    int twipsPerPixel() const override;
    // Nothing is shown on this window, so the size is only remembered.
    void setSize(int widthTwips, int heightTwips) override;
    int widthTwips() const { return widthTwips_; }
    int heightTwips() const { return heightTwips_; }

private:
    static LRESULT CALLBACK procedure(HWND window, UINT message, WPARAM wParam, LPARAM lParam);

    HWND hwnd_ = nullptr;
    controls::NotificationIcon* area_ = nullptr;
    int widthTwips_ = 0;
    int heightTwips_ = 0;
};

// Shell, window and control together, for a form that wants one tray icon.
// The icon leaves the notification area when this goes away.
class TrayIcon {
public:
    // `random` draws the icon identifiers; by default a seeded generator does.
    explicit TrayIcon(controls::TrayEvents& events, std::function<double()> random = {});
    ~TrayIcon();
    TrayIcon(const TrayIcon&) = delete;
    TrayIcon& operator=(const TrayIcon&) = delete;

    controls::NotificationIcon& area() { return area_; }
    HWND window() const { return window_.window(); }

private:
    double draw();

    ShellNotify shell_;
    TrayWindow window_;
    std::mt19937 generator_;
    controls::NotificationIcon area_;
};

}  // namespace win32
