#pragma once
// The real desktop, except what a test must control: the clock moves when the
// test says, message boxes are answered from a script instead of shown, and
// the end of the process is recorded instead of made.
#include <deque>
#include <string>
#include <vector>

#include "win32/win32_services.h"

namespace ui_test {

class UiDesktop : public platform::Desktop {
public:
    bool anotherInstanceRunning() override { return false; }
    int screenWidthTwips() override { return real_.screenWidthTwips(); }
    int screenHeightTwips() override { return real_.screenHeightTwips(); }
    double twipsPerPixelX() override { return real_.twipsPerPixelX(); }
    double twipsPerPixelY() override { return real_.twipsPerPixelY(); }
    double secondsSinceMidnight() override { return clock; }
    platform::CalendarTime localTime() override { return real_.localTime(); }
    platform::MessageAnswer messageBox(const std::string& text, const std::string&, platform::MessageIcon,
                                       platform::MessageButtons buttons) override {
        messages.push_back(text);
        if (buttons == platform::MessageButtons::YesNo && !answers.empty()) {
            const auto answer = answers.front();
            answers.pop_front();
            return answer;
        }
        return buttons == platform::MessageButtons::YesNo ? platform::MessageAnswer::No
                                                          : platform::MessageAnswer::Ok;
    }
    std::optional<std::string> openFile(const platform::OpenFileRequest&) override {
        if (fileChoices.empty()) return std::nullopt;
        auto choice = fileChoices.front();
        fileChoices.pop_front();
        return choice;
    }
    std::string statusText(std::uint32_t status) override { return real_.statusText(status); }
    void yield() override { real_.yield(); }
    void endProcess() override { ended = true; }

    double clock = 40000.0;
    std::vector<std::string> messages;
    std::deque<std::string> fileChoices;
    std::deque<platform::MessageAnswer> answers;  // for questions; none left means No
    bool ended = false;

private:
    win32::Win32Desktop real_;
};

// The real services with the test's desktop.
struct UiMachine {
    win32::Win32Machine real;
    UiDesktop desktop;
    platform::Machine machine{real.registry, real.profile, real.files, real.processes, real.shortcuts, desktop};
};

// Lets the message loop run for about `milliseconds`.
void pump(int milliseconds);
// Pumps until `done` holds or `milliseconds` pass; returns whether it held.
template <typename Condition>
bool pumpUntil(Condition done, int milliseconds) {
    for (int waited = 0; waited < milliseconds; waited += 20) {
        if (done()) return true;
        pump(20);
    }
    return done();
}

}  // namespace ui_test
