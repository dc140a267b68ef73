#pragma once
// One icon in the notification area of the task bar. The control is
// a state machine over its notification record; the Windows side carries each
// call to Shell_NotifyIcon and reports the shell's mouse notifications back.
#include <array>
#include <cstdint>
#include <functional>
#include <string>

#include "controls/property_bag.h"

namespace controls {

inline constexpr int kNimAdd = 0;
inline constexpr int kNimModify = 1;
inline constexpr int kNimDelete = 2;

inline constexpr std::uint32_t kNifMessage = 1;
inline constexpr std::uint32_t kNifIcon = 2;
inline constexpr std::uint32_t kNifTip = 4;

inline constexpr std::uint32_t kTrayCallbackMessage = 512;  // WM_MOUSEMOVE
inline constexpr std::size_t kTipLength = 64;

// The ANSI NOTIFYICONDATA of 88 bytes, field by field.
struct NotifyRecord {
    std::uint32_t size = 0;
    std::uintptr_t window = 0;
    std::uint32_t id = 0;
    std::uint32_t flags = 0;
    std::uint32_t callbackMessage = 0;
    std::uintptr_t icon = 0;
    std::array<char, kTipLength> tip{};

    std::string tipText() const;  // up to the first NUL
};

class NotifyShell {
public:
    virtual ~NotifyShell() = default;
    // Shell_NotifyIcon; the answer is ignored, as the shell reports nothing useful.
    virtual bool notify(int message, const NotifyRecord& record) = 0;
};

class TrayHost {
public:
    virtual ~TrayHost() = default;
    virtual std::uintptr_t windowHandle() const = 0;
    virtual int twipsPerPixel() const = 0;
    // Resizes the control on its host window; may report the resize back at once.
    virtual void setSize(int widthTwips, int heightTwips) = 0;
};

class TrayEvents {
public:
    virtual ~TrayEvents() = default;
    virtual void MouseMove() {}
    virtual void MouseDown(std::int16_t /*Button*/) {}
    virtual void MouseUp(std::int16_t /*Button*/) {}
    virtual void DblClick() {}
};

inline constexpr const char* kTrayIconKey = "Icon";
inline constexpr const char* kTrayToolTipKey = "ToolTip";
inline constexpr const char* kTrayVisibleKey = "Visible";

// The picture the control shows on its host window: 32 x 32 pixels at 15 twips a pixel.
inline constexpr int kTrayPictureTwips = 480;

// (TrayArea)
class NotificationIcon {
public:
    // `random` answers in [0, 1); `userMode` is false inside a form designer,
    // where the icon is never added.
    NotificationIcon(NotifyShell& shell, TrayHost& host, TrayEvents& events, std::function<double()> random,
                     bool userMode);

    void InitProperties();
    void ReadProperties(const PropertyBag& bag);
    void WriteProperties(PropertyBag& bag) const;
    void Resize();
    void Terminate();

    // The host's mouse move at x twips, which carries the shell's mouse message.
    void MouseMove(double xTwips);

    std::uintptr_t Icon() const { return icon_; }
    void Icon(std::uintptr_t New_Icon);
    const std::string& ToolTip() const { return toolTip_; }
    void ToolTip(const std::string& New_ToolTip);
    bool Visible() const { return visible_; }
    void Visible(bool New_Visible);

    const NotifyRecord& record() const { return record_; }
    const ChangeMarks& changes() const { return changes_; }
    void clearChanges() { changes_.clear(); }

private:
    void addIcon();
    void setTip(const std::string& text);
    std::uint32_t drawIdentifier();

    NotifyShell& shell_;
    TrayHost& host_;
    TrayEvents& events_;
    std::function<double()> random_;
    bool userMode_;

    std::uintptr_t icon_ = 0;
    std::string toolTip_;
    bool visible_ = false;
    NotifyRecord record_;
    ChangeMarks changes_;
    bool resizing_ = false;
    bool terminated_ = false;
};

}  // namespace controls
