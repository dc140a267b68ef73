#pragma once
// Gathers every startup entry: the live ones in the order Windows' places are
// read, then the parked ones in the same source order. A look, never a change.
#include <functional>
#include <vector>

#include "platform/machine.h"
#include "startup/startup_entry.h"
#include "startup/startup_places.h"

namespace startup {

// Called once per entry read; false stops the walk (superseded by a page switch,
// another listing or closing), and the listing then reports false.
using KeepGoing = std::function<bool()>;

bool listActiveEntries(platform::Machine& machine, const StartupPlaces& places, std::vector<StartupEntry>& entries,
                       const KeepGoing& keepGoing);
bool listParkedEntries(platform::Machine& machine, const StartupPlaces& places, std::vector<StartupEntry>& entries,
                       const KeepGoing& keepGoing);

// The files parked for a Startup-folder entry of this name, whatever their extension.
std::vector<std::string> parkedCopies(platform::Files& files, const std::string& parkingFolder,
                                      const std::string& name);

}  // namespace startup
