#pragma once
// A desktop for tests: answers come from a script, messages and dialogs are
// recorded, the clock is set by hand and yields run a hook.
#include <deque>
#include <functional>
#include <string>
#include <vector>

#include "platform/desktop.h"

namespace platform {

class ScriptedDesktop : public Desktop {
public:
    struct Message {
        std::string text, title;
        MessageIcon icon;
        MessageButtons buttons;
    };

    bool anotherInstanceRunning() override { return otherInstance; }
    int screenWidthTwips() override { return screenWidth; }
    int screenHeightTwips() override { return screenHeight; }
    double twipsPerPixelX() override { return 15; }
    double twipsPerPixelY() override { return 15; }
    double secondsSinceMidnight() override {
        const double now = clock;
        clock += clockStep;
        return now;
    }
    CalendarTime localTime() override { return calendar; }
    MessageAnswer messageBox(const std::string& text, const std::string& title, MessageIcon icon,
                             MessageButtons buttons) override {
        messages.push_back({text, title, icon, buttons});
        if (answers.empty()) return buttons == MessageButtons::YesNo ? MessageAnswer::No : MessageAnswer::Ok;
        MessageAnswer answer = answers.front();
        answers.pop_front();
        return answer;
    }
    std::optional<std::string> openFile(const OpenFileRequest& request) override {
        fileRequests.push_back(request);
        if (fileChoices.empty()) return std::nullopt;
        auto choice = fileChoices.front();
        fileChoices.pop_front();
        return choice;
    }
    std::string statusText(std::uint32_t status) override {
        if (status == 2) return "The system cannot find the file specified.";
        if (status == 5) return "Access is denied.";
        return "Error " + std::to_string(status) + ".";
    }
    void yield() override {
        ++yields;
        if (onYield) onYield();
    }
    void endProcess() override { ended = true; }
    std::string userName() override { return user; }

    bool otherInstance = false;
    int screenWidth = 1280 * 15;
    int screenHeight = 1024 * 15;
    double clock = 36000.0;
    double clockStep = 0;  // how far the clock moves on at each reading: paced walks then yield at every step
    CalendarTime calendar{2026, 12, 9, 18, 15, 2};
    std::deque<MessageAnswer> answers;
    std::deque<std::optional<std::string>> fileChoices;  // nullopt = the user cancels
    std::vector<Message> messages;
    std::vector<OpenFileRequest> fileRequests;
    std::function<void()> onYield;
    int yields = 0;
    bool ended = false;
    std::string user;
};

}  // namespace platform
