#pragma once
// Lets the message loop run during a long walk often enough for the window to
// stay live (every 16 ms, and at the walk's first step) without paying for a
// yield at every one of thousands of steps.
#include "platform/desktop.h"

namespace uninstall {

class MessagePacer {
public:
    explicit MessagePacer(platform::Desktop& desktop) : desktop_(desktop) {}
    // Yields when it is time; true when it did, so the caller looks whether it was superseded.
    bool step() {
        const double now = desktop_.secondsSinceMidnight();
        // A clock that went back passed midnight.
        if (yielded_ && now - last_ < kInterval && now >= last_) return false;
        desktop_.yield();
        yielded_ = true;
        last_ = desktop_.secondsSinceMidnight();
        return true;
    }

private:
    static constexpr double kInterval = 0.016;
    platform::Desktop& desktop_;
    double last_ = 0;
    bool yielded_ = false;
};

}  // namespace uninstall
