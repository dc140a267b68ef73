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
    // "\r" first: the line is drawn over the last one.
    std::size_t cut = std::min(text.size(), kWidth);
    while (cut < text.size() && cut > 0 && (static_cast<unsigned char>(text[cut]) & 0xC0) == 0x80) --cut;  // whole characters
    const std::string_view shown = text.substr(0, cut);
    std::string line(1, '\r');
    line.append(shown);
    line.append(lastLength_ > shown.size() ? lastLength_ - shown.size() : 0, ' ');
    lastLength_ = shown.size();
    error_.write(line);
}

void ProgressLine::finish() {
    if (!enabled_ || !shownOnce_) return;
    std::string blank(1, '\r');
    blank.append(lastLength_, ' ');
    blank.push_back('\r');
    error_.write(blank);
    lastLength_ = 0;
}

}  // namespace report
