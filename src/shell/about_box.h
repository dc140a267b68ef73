#pragma once
// The about box: at start-up the splash display, later the About command's
// box. While it is up the main window stays hidden.
#include <functional>
#include <string>

#include "platform/machine.h"
#include "ui/simple_controls.h"
#include "ui/window.h"

namespace shell {

inline constexpr double kSplashSeconds = 5.0;
inline constexpr double kSecondsPerDay = 86400.0;
inline constexpr int kAboutTimerMs = 1000;
inline constexpr int kAboutRaiseTwips = 200;  // the box sits this far above the screen's centre

// (frmabout)
class AboutBox {
public:
    // `loadMainWindow` runs the main window's initialize and load unless it is loaded already.
    AboutBox(platform::Machine& machine, ui::Window& mainWindow, std::function<void()> loadMainWindow);

    // Runs the load routine unless the box is loaded; a reload starts from the design state.
    void load();
    // Loads when needed and shows the box; a box already up is only brought forward.
    void show();
    // Hides the box; the next load runs the load routine again.
    void unload();
    bool loaded() const { return loaded_; }

    void closeTimerTick();  // (Timer2Tick)
    void backgroundClick();
    void webSpotClick();
    void mailSpotClick();
    void closeSpotClick();

    // Seconds since shownAt, also across midnight, when the clock starts again at 0.
    double elapsedSeconds();

    ui::Window window;
    ui::Picture markPicture;     // the program's mark (Image1)
    ui::Label productNameLabel;  // (Label1)
    ui::Label purposeLabel;      // what the program does (Label2)
    ui::Label versionCaption;    // "Version" before the version (Label3)
    ui::Label buildCaption;      // "Build" before the build (Label4)
    ui::Label webCaption;        // "Web:" before the web spot (Label5)
    ui::Label supportCaption;    // "Support:" before the mail spot (Label6)
    ui::Label versionLabel;      // major.minor (Label8)
    ui::Label buildLabel;        // major.minor.revision (Label7)
    ui::Label webSpot;           // the product web address, clickable (Label12)
    ui::Label mailSpot;          // the support mail address, clickable (Label14)
    ui::Label closeSpot;         // (Label18)
    ui::Timer closeTimer;        // closes the box after the splash seconds (Timer2)
    bool splashMode = false;     // the box is the start-up splash display (SplashModeMarker, Text1)
    double shownAt = 0;          // the clock when the box loaded, in seconds (ShownAt, Text2)

private:
    void closeToMainWindow();

    platform::Machine& machine_;
    ui::Window& mainWindow_;
    std::function<void()> loadMainWindow_;
    bool loaded_ = false;
};

}  // namespace shell
