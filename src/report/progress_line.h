#pragma once
// A long report's progress on standard error: one line redrawn in place, at
// most once a second, and only when standard error is a console, so a
// redirected report stays clean.
#include <functional>
#include <string>
#include <string_view>

#include "report/output.h"

namespace report {

class ProgressLine {
public:
    // `seconds` is a steadily rising clock.
    ProgressLine(Output& error, bool isConsole, std::function<double()> seconds);
    void show(std::string_view text);
    // Blanks the line, so the next message starts clean.
    void finish();

private:
    Output& error_;
    bool enabled_;
    std::function<double()> seconds_;
    double lastShown_ = 0;
    bool shownOnce_ = false;
    std::size_t lastLength_ = 0;
};

}  // namespace report
