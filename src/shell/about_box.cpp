#include "shell/about_box.h"

#include "product/version.h"

namespace shell {

AboutBox::AboutBox(platform::Machine& machine, ui::Window& mainWindow, std::function<void()> loadMainWindow)
    : window("AboutBox", {0, 0, 6000, 4200}, ""),
      markPicture("markPicture", {480, 480, 480, 480}, "#1"),
      productNameLabel("productNameLabel", {1200, 420, 4200, 540}, "Vantrel"),
      purposeLabel("purposeLabel", {1200, 960, 4500, 540}, "Registry scanner, startup manager, uninstall manager"),
      versionCaption("versionCaption", {1200, 1560, 1000, 300}, "Version"),
      buildCaption("buildCaption", {1200, 1920, 1000, 300}, "Build"),
      webCaption("webCaption", {1200, 2640, 1000, 300}, "Web:"),
      supportCaption("supportCaption", {1200, 3000, 1000, 300}, "Support:"),
      versionLabel("versionLabel", {2280, 1560, 1800, 300}),
      buildLabel("buildLabel", {2280, 1920, 1800, 300}),
      webSpot("webSpot", {2280, 2640, 3400, 300}, product::kProductWebAddress),
      mailSpot("mailSpot", {2280, 3000, 3400, 300}, product::kSupportMailAddress),
      closeSpot("closeSpot", {5520, 120, 360, 300}, "X"),
      closeTimer("closeTimer", kAboutTimerMs),
      machine_(machine),
      mainWindow_(mainWindow),
      loadMainWindow_(std::move(loadMainWindow)) {
    for (ui::Control* control : std::initializer_list<ui::Control*>{
             &markPicture, &productNameLabel, &purposeLabel, &versionCaption, &buildCaption, &webCaption,
             &supportCaption, &versionLabel, &buildLabel, &webSpot, &mailSpot, &closeSpot, &closeTimer})
        window.add(*control);
    productNameLabel.setHeading(true);
    window.onClick = [this] { backgroundClick(); };
    markPicture.onClick = [this] { backgroundClick(); };
    webSpot.onClick = [this] { webSpotClick(); };
    mailSpot.onClick = [this] { mailSpotClick(); };
    closeSpot.onClick = [this] { closeSpotClick(); };
    closeTimer.onTick = [this] { closeTimerTick(); };
    // Closing the box by the window system must not leave the main window hidden for good.
    window.onClose = [this] { closeSpotClick(); };
    window.onCancel = [this] { closeSpotClick(); };
}

void AboutBox::load() {
    if (loaded_) return;
    // Marked first: the main window's load may show the box again on its way.
    loaded_ = true;
    splashMode = false;
    shownAt = 0;
    if (!mainWindow_.visible() && loadMainWindow_) loadMainWindow_();
    mainWindow_.hide();
    versionLabel.setCaption(std::to_string(product::kVersionMajor) + "." + std::to_string(product::kVersionMinor));
    platform::Desktop& desktop = machine_.desktop;
    window.move((desktop.screenWidthTwips() - window.width()) / 2,
                (desktop.screenHeightTwips() - window.height()) / 2 - kAboutRaiseTwips);
    shownAt = desktop.secondsSinceMidnight();
    buildLabel.setCaption(std::to_string(product::kVersionMajor) + "." + std::to_string(product::kVersionMinor) + "." +
                          std::to_string(product::kVersionRevision));
    closeTimer.start();
}

void AboutBox::show() {
    load();
    window.show();
    window.setFocus();
}

void AboutBox::unload() {
    closeTimer.stop();
    window.hide();
    loaded_ = false;
}

double AboutBox::elapsedSeconds() {
    double elapsed = machine_.desktop.secondsSinceMidnight() - shownAt;
    if (elapsed < 0) elapsed += kSecondsPerDay;
    return elapsed;
}

void AboutBox::closeTimerTick() {
    if (loaded_ && elapsedSeconds() > kSplashSeconds) closeToMainWindow();
}

void AboutBox::backgroundClick() {
    // The splash display waits for its timer or its close spot.
    if (splashMode) return;
    mainWindow_.setEnabled(true);
    mainWindow_.show();
    unload();
}

void AboutBox::webSpotClick() {
    // Nothing to tell the user when no browser takes the address.
    machine_.processes.openAddress(product::kProductWebAddress);
}

void AboutBox::mailSpotClick() {
    machine_.processes.openAddress(std::string("mailto:") + product::kSupportMailAddress);
}

void AboutBox::closeSpotClick() { closeToMainWindow(); }

void AboutBox::closeToMainWindow() {
    unload();
    if (loadMainWindow_) loadMainWindow_();
    mainWindow_.show();
}

}  // namespace shell
