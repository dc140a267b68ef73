#pragma once
// Gathers every startup entry: the live ones in the order Windows' places are
// read, then the parked ones in the same source order. A look, never a change.
#include <chrono>
#include <functional>
#include <vector>

#include "platform/machine.h"
#include "startup/startup_entry.h"
#include "startup/startup_places.h"

namespace startup {

// Called once per entry read; false stops the walk (superseded by a page switch,
// another listing or closing), and the listing then reports false.
using KeepGoing = std::function<bool()>;

// The listing's way to serve the message loop: at the first entry, then whenever
// `interval` has passed since the last service, so a long walk stays responsive
// without paying a round trip to the window system for every value.
class LoopService {
public:
    LoopService(platform::Desktop& desktop, std::function<bool()> stillCurrent,
                std::chrono::milliseconds interval = std::chrono::milliseconds(10));
    // Serves the loop when due; false once the walk was superseded.
    bool operator()();
    // The longest time the loop waited between two services so far.
    std::chrono::duration<double> longestWait() const { return longestWait_; }

private:
    platform::Desktop& desktop_;
    std::function<bool()> stillCurrent_;
    std::chrono::milliseconds interval_;
    std::chrono::steady_clock::time_point lastService_;
    std::chrono::duration<double> longestWait_{0};
    bool served_ = false;
};

bool listActiveEntries(platform::Machine& machine, const StartupPlaces& places, std::vector<StartupEntry>& entries,
                       const KeepGoing& keepGoing);
bool listParkedEntries(platform::Machine& machine, const StartupPlaces& places, std::vector<StartupEntry>& entries,
                       const KeepGoing& keepGoing);

// The files parked for a Startup-folder entry of this name, whatever their extension.
std::vector<std::string> parkedCopies(platform::Files& files, const std::string& parkingFolder,
                                      const std::string& name);

}  // namespace startup
