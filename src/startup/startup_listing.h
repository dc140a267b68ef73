#pragma once
// Gathers every startup entry: the live ones in the order Windows' places are
// read, then the parked ones in the same source order. A look, never a change;
// no window is needed, so a report can list the same way the page does.
#include <functional>
#include <optional>
#include <vector>

#include "platform/machine.h"
#include "startup/startup_entry.h"
#include "startup/startup_places.h"

namespace startup {

// Called once per entry read; false stops the walk (superseded by a page switch,
// another listing or closing).
using KeepGoing = std::function<bool()>;

// Nothing when `keepGoing` stopped the walk.
std::optional<std::vector<StartupEntry>> listStartupEntries(platform::Machine& machine, const StartupPlaces& places,
                                                            const KeepGoing& keepGoing);

// The files parked for a Startup-folder entry of this name, whatever their extension.
std::vector<std::string> parkedCopies(platform::Files& files, const std::string& parkingFolder,
                                      const std::string& name);

}  // namespace startup
