#include "report/progress_line.h"

#include <algorithm>

namespace report {

namespace {
constexpr std::size_t kWidth = 78;  // stays on one line of a default 80-column console
}

ProgressLine::ProgressLine(Output& error, bool isConsole, std::function<double()> seconds)
    : error_(error), enabled_(isConsole), seconds_(std::move(seconds)) {}

void ProgressLine::show(std::string_view text) {
    if (!enabled_) return;
    const double now = seconds_();
    if (shownOnce_ && now - lastShown_ < 1.0) return;
    shownOnce_ = true;
    lastShown_ = now;
    std::string line(text.substr(0, kWidth));
    const std::size_t length = line.size();
    line.append(lastLength_ > length ? lastLength_ - length : 0, ' ');
    lastLength_ = length;
    error_.write("\r" + line);
}

void ProgressLine::finish() {
    if (!enabled_ || !shownOnce_) return;
    error_.write("\r" + std::string(lastLength_, ' ') + "\r");
    lastLength_ = 0;
}

}  // namespace report
