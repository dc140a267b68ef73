#include "controls/notification_icon.h"

#include <algorithm>
#include <cmath>

namespace controls {

namespace {

constexpr std::uint32_t kRecordSize = 88;
constexpr std::uint32_t kHighestIdentifier = 65535;

std::string trimBlanks(const std::string& text) {
    const auto first = text.find_first_not_of(' ');
    if (first == std::string::npos) return {};
    return text.substr(first, text.find_last_not_of(' ') - first + 1);
}

}  // namespace

std::string NotifyRecord::tipText() const {
    const auto end = std::find(tip.begin(), tip.end(), '\0');
    return std::string(tip.begin(), end);
}

NotificationIcon::NotificationIcon(NotifyShell& shell, TrayHost& host, TrayEvents& events,
                                   std::function<double()> random, bool userMode)
    : shell_(shell), host_(host), events_(events), random_(std::move(random)), userMode_(userMode) {}

void NotificationIcon::InitProperties() {
    icon_ = 0;
    toolTip_.clear();
    visible_ = false;
}

void NotificationIcon::ReadProperties(const PropertyBag& bag) {
    icon_ = readOr<Picture>(bag, kTrayIconKey, Picture{}).handle;
    toolTip_ = readOr<std::string>(bag, kTrayToolTipKey, "");
    visible_ = readOr<bool>(bag, kTrayVisibleKey, false);
}

void NotificationIcon::WriteProperties(PropertyBag& bag) const {
    bag.WriteProperty(kTrayIconKey, Picture{icon_, 0, 0, {}});
    bag.WriteProperty(kTrayToolTipKey, toolTip_);
    bag.WriteProperty(kTrayVisibleKey, visible_);
}

void NotificationIcon::Visible(bool New_Visible) {
    if (New_Visible == visible_) return;
    visible_ = New_Visible;
    if (visible_ && userMode_) addIcon();
    if (!visible_) shell_.notify(kNimDelete, record_);
    changes_.PropertyChanged(kTrayVisibleKey);
}

void NotificationIcon::addIcon() {
    record_.size = kRecordSize;
    record_.window = host_.windowHandle();
    record_.id = drawIdentifier();
    record_.flags = kNifMessage;
    if (icon_ != 0) {
        record_.flags += kNifIcon;
        record_.icon = icon_;
    }
    if (!toolTip_.empty()) {
        record_.flags += kNifTip;
        setTip(toolTip_);
    }
    record_.callbackMessage = kTrayCallbackMessage;
    shell_.notify(kNimAdd, record_);
}

// A source that strays outside [0, 1) still gives an identifier the shell accepts.
std::uint32_t NotificationIcon::drawIdentifier() {
    const double drawn = std::floor((random_ ? random_() : 0.0) * kHighestIdentifier + 1);
    if (!(drawn >= 1)) return 1;
    return static_cast<std::uint32_t>(std::min<double>(drawn, kHighestIdentifier));
}

// The shell wants a terminated tip, so a long text keeps 63 characters and the NUL.
void NotificationIcon::setTip(const std::string& text) {
    record_.tip.fill(' ');
    const std::size_t kept = std::min(text.size(), kTipLength - 1);
    std::copy_n(text.begin(), kept, record_.tip.begin());
    record_.tip[kept] = '\0';
}

void NotificationIcon::Icon(std::uintptr_t New_Icon) {
    icon_ = New_Icon;
    if (icon_ == 0) {
        Visible(false);
    } else if (visible_) {
        record_.flags = kNifIcon;
        record_.icon = icon_;
        shell_.notify(kNimModify, record_);
    }
    changes_.PropertyChanged(kTrayIconKey);
}

void NotificationIcon::ToolTip(const std::string& New_ToolTip) {
    toolTip_ = trimBlanks(New_ToolTip);
    record_.flags = kNifTip;
    setTip(toolTip_);
    shell_.notify(kNimModify, record_);
    changes_.PropertyChanged(kTrayToolTipKey);
}

void NotificationIcon::MouseMove(double xTwips) {
    const int tpp = host_.twipsPerPixel();
    if (tpp <= 0) return;  // no factor, no message to read
    const double m = xTwips / tpp;
    if (m == 512) events_.MouseMove();
    else if (m == 513) events_.MouseDown(1);
    else if (m == 514) events_.MouseUp(1);
    else if (m == 515 || m == 518) events_.DblClick();
    else if (m == 516) events_.MouseDown(2);
    else if (m == 517) events_.MouseUp(2);
}

void NotificationIcon::Resize() {
    if (resizing_) return;
    resizing_ = true;
    host_.setSize(kTrayPictureTwips, kTrayPictureTwips);
    resizing_ = false;
}

void NotificationIcon::Terminate() {
    if (terminated_) return;
    terminated_ = true;
    shell_.notify(kNimDelete, record_);
}

}  // namespace controls
