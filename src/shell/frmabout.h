#pragma once
// The about box: at start-up the splash display, later the About command's
// box. While it is up the main window stays hidden.
#include <functional>
#include <string>

#include "platform/machine.h"
#include "ui/simple_controls.h"
#include "ui/window.h"

namespace shell {

inline constexpr const char* kSplashModeOn = "1";
inline constexpr double kSplashSeconds = 5.0;
inline constexpr double kSecondsPerDay = 86400.0;
inline constexpr int kAboutTimerMs = 1000;
inline constexpr int kAboutRaiseTwips = 200;  // the box sits this far above the screen's centre

class frmabout {
public:
    // `loadMainWindow` runs the main window's Initialize and Load unless it is loaded already.
    frmabout(platform::Machine& machine, ui::Window& mainWindow, std::function<void()> loadMainWindow);

    // Runs the load routine unless the box is loaded; a reload starts from the design state.
    void Load();
    // Loads when needed and shows the box; a box already up is only brought forward.
    void Show();
    // Hides the box; the next Load runs the load routine again.
    void Unload();
    bool loaded() const { return loaded_; }

    void Timer2Tick();
    void BackgroundClick();
    void WebSpotClick();
    void MailSpotClick();
    void CloseSpotClick();

    // Seconds since ShownAt, also across midnight, when the clock starts again at 0.
    double elapsedSeconds();

    ui::Window window;
    ui::Picture Image1;  // the program's mark
    ui::Label Label1;    // product name
    ui::Label Label2;    // what the program does
    ui::Label Label3;    // "Version" before Label8
    ui::Label Label4;    // "Build" before Label7
    ui::Label Label5;    // "Web:" before the web spot
    ui::Label Label6;    // "Support:" before the mail spot
    ui::TextBox Text1;   // SplashModeMarker: "1" while the box is the start-up splash display
    ui::TextBox Text2;   // ShownAt: the clock at load, as decimal text
    ui::Label Label8;    // major.minor
    ui::Label Label7;    // major.minor.revision
    ui::Label Label12;   // product web address
    ui::Label Label14;   // support mail address
    ui::Label Label18;   // close spot
    ui::Timer Timer2;    // closes the box after the splash seconds

private:
    void closeToMainWindow();

    platform::Machine& machine_;
    ui::Window& mainWindow_;
    std::function<void()> loadMainWindow_;
    bool loaded_ = false;
};

}  // namespace shell
