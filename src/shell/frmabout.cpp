#include "shell/frmabout.h"

#include <charconv>

#include "product/version.h"
#include "store/text_value.h"

namespace shell {

namespace {

std::string decimalText(double value) {
    char digits[64];
    const auto result = std::to_chars(digits, digits + sizeof digits, value);
    return std::string(digits, result.ptr);
}

}  // namespace

frmabout::frmabout(platform::Machine& machine, ui::Window& mainWindow, std::function<void()> loadMainWindow)
    : window("frmabout", {0, 0, 6000, 4200}, ""),
      Image1("Image1", {0, 0, 6000, 4200}, "about"),
      Text1("Text1", {120, 3720, 600, 300}),
      Text2("Text2", {840, 3720, 1200, 300}),
      Label8("Label8", {2400, 960, 1800, 360}),
      Label7("Label7", {2400, 1440, 1800, 300}),
      Label12("Label12", {600, 2400, 4800, 300}, product::kProductWebAddress),
      Label14("Label14", {600, 2880, 4800, 300}, product::kSupportMailAddress),
      Label18("Label18", {5400, 120, 480, 300}, "X"),
      Timer2("Timer2", kAboutTimerMs),
      machine_(machine),
      mainWindow_(mainWindow),
      loadMainWindow_(std::move(loadMainWindow)) {
    for (ui::Control* control : std::initializer_list<ui::Control*>{&Image1, &Text1, &Text2, &Label8, &Label7,
                                                                     &Label12, &Label14, &Label18, &Timer2})
        window.add(*control);
    Text1.hide();
    Text2.hide();
    Image1.onClick = [this] { BackgroundClick(); };
    Label12.onClick = [this] { WebSpotClick(); };
    Label14.onClick = [this] { MailSpotClick(); };
    Label18.onClick = [this] { CloseSpotClick(); };
    Timer2.onTick = [this] { Timer2Tick(); };
    // Closing the box by the window system must not leave the main window hidden for good.
    window.onClose = [this] { CloseSpotClick(); };
}

void frmabout::Load() {
    if (loaded_) return;
    // Marked first: the main window's Load may show the box again on its way.
    loaded_ = true;
    Text1.setText("");
    Text2.setText("");
    if (!mainWindow_.visible() && loadMainWindow_) loadMainWindow_();
    mainWindow_.hide();
    Label8.setCaption(std::to_string(product::kVersionMajor) + "." + std::to_string(product::kVersionMinor));
    platform::Desktop& desktop = machine_.desktop;
    window.move((desktop.screenWidthTwips() - window.width()) / 2,
                (desktop.screenHeightTwips() - window.height()) / 2 - kAboutRaiseTwips);
    Text2.setText(decimalText(desktop.secondsSinceMidnight()));
    Label7.setCaption(std::to_string(product::kVersionMajor) + "." + std::to_string(product::kVersionMinor) + "." +
                      std::to_string(product::kVersionRevision));
    Timer2.start();
}

void frmabout::Show() {
    Load();
    window.show();
    window.setFocus();
}

void frmabout::Unload() {
    Timer2.stop();
    window.hide();
    loaded_ = false;
}

double frmabout::elapsedSeconds() {
    double elapsed = machine_.desktop.secondsSinceMidnight() - store::leadingNumber(Text2.text());
    if (elapsed < 0) elapsed += kSecondsPerDay;
    return elapsed;
}

void frmabout::Timer2Tick() {
    if (loaded_ && elapsedSeconds() > kSplashSeconds) closeToMainWindow();
}

void frmabout::BackgroundClick() {
    // The splash display waits for its timer or its close spot.
    if (Text1.text() == kSplashModeOn) return;
    mainWindow_.setEnabled(true);
    mainWindow_.show();
    Unload();
}

void frmabout::WebSpotClick() {
    // Nothing to tell the user when no browser takes the address.
    machine_.processes.openAddress(product::kProductWebAddress);
}

void frmabout::MailSpotClick() { machine_.processes.openAddress(std::string("mailto:") + product::kSupportMailAddress); }

void frmabout::CloseSpotClick() { closeToMainWindow(); }

void frmabout::closeToMainWindow() {
    Unload();
    if (loadMainWindow_) loadMainWindow_();
    mainWindow_.show();
}

}  // namespace shell
