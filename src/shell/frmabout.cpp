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
      Image1("Image1", {480, 480, 480, 480}, "#1"),
      Label1("Label1", {1200, 420, 4200, 540}, "Vantrel"),
      Label2("Label2", {1200, 1000, 4500, 300}, "Registry scanner, startup manager, uninstall manager"),
      Label3("Label3", {1200, 1560, 1000, 300}, "Version"),
      Label4("Label4", {1200, 1920, 1000, 300}, "Build"),
      Label5("Label5", {1200, 2640, 1000, 300}, "Web:"),
      Label6("Label6", {1200, 3000, 1000, 300}, "Support:"),
      Text1("Text1", {120, 3720, 600, 300}),
      Text2("Text2", {840, 3720, 1200, 300}),
      Label8("Label8", {2280, 1560, 1800, 300}),
      Label7("Label7", {2280, 1920, 1800, 300}),
      Label12("Label12", {2280, 2640, 3400, 300}, product::kProductWebAddress),
      Label14("Label14", {2280, 3000, 3400, 300}, product::kSupportMailAddress),
      Label18("Label18", {5520, 120, 360, 300}, "X"),
      Timer2("Timer2", kAboutTimerMs),
      machine_(machine),
      mainWindow_(mainWindow),
      loadMainWindow_(std::move(loadMainWindow)) {
    for (ui::Control* control :
         std::initializer_list<ui::Control*>{&Image1, &Label1, &Label2, &Label3, &Label4, &Label5, &Label6, &Text1,
                                             &Text2, &Label8, &Label7, &Label12, &Label14, &Label18, &Timer2})
        window.add(*control);
    Label1.setHeading(true);
    Text1.hide();
    Text2.hide();
    window.onClick = [this] { BackgroundClick(); };
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
