#pragma once
// Lets the message loop run during a long walk often enough for the window to
// stay live (every 16 ms, and at the walk's first step) without paying for a
// yield at every one of thousands of steps. Every long walk uses this one, on
// the desktop's clock, so scripted tests drive it.
#include "platform/desktop.h"

namespace platform {

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

// Marks a page busy for the life of a long walk or command, nested calls counted,
// so a second command while one runs is turned away and the flag drops on every path.
class BusyScope {
public:
    explicit BusyScope(int& depth) : depth_(depth) { ++depth_; }
    ~BusyScope() { --depth_; }
    BusyScope(const BusyScope&) = delete;
    BusyScope& operator=(const BusyScope&) = delete;

private:
    int& depth_;
};

}  // namespace platform
