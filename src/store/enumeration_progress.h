#pragma once
// What a long enumeration shows while it walks, and how the user stops one.
// The names themselves come back to the caller; only progress goes out.
#include <string>
#include <vector>

namespace store {

class EnumerationProgress {
public:
    virtual ~EnumerationProgress() = default;
    // Each name as it is read, shown at once so a long scan visibly moves.
    virtual void showName(const std::string& name) = 0;
    // Asked before each step of a stoppable walk; true ends it as if no names were left.
    virtual bool stopRequested() const = 0;
};

// For callers that show nothing, and for tests: remembers what was shown.
struct RecordedProgress : EnumerationProgress {
    std::string lastShown;
    int timesShown = 0;
    bool stop = false;

    void showName(const std::string& name) override {
        lastShown = name;
        ++timesShown;
    }
    bool stopRequested() const override { return stop; }
};

}  // namespace store
