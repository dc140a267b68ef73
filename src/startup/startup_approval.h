#pragma once
// Windows' own enabled/disabled state of startup entries (StartupApproved, kept
// by Windows 8 and later, shown and changed by Task Manager and Settings): a
// 12-byte REG_BINARY whose first byte is odd says disabled; no value says enabled.
#include <optional>
#include <vector>

#include "platform/machine.h"
#include "platform/registry_key.h"
#include "platform/registry_value.h"
#include "startup/startup_entry.h"
#include "startup/startup_places.h"
#include "startup/startup_sources.h"

namespace startup {

bool saysDisabled(const platform::RegValue& value);
// 02 and eleven zero bytes, as Windows writes it when the user enables an entry.
platform::RegValue enabledState();

// Where Windows keeps the state of a live entry; none for places it keeps none for.
std::optional<ApprovalPlace> approvalPlaceOf(const StartupEntry& entry, const StartupPlaces& places,
                                             const platform::RegistryViews& views);
// The same place for an entry saved under `name` at `source` (a registry source, or a Startup-folder file name).
std::optional<ApprovalPlace> approvalPlaceFor(const RegistrySource& source, const std::string& name);

// Fills each live entry's approval place and state, reading each state key once; `afterEach`
// runs after each state read (false stops, and the result is false).
bool readApprovals(platform::Machine& machine, const StartupPlaces& places, std::vector<StartupEntry>& entries,
                   const platform::AfterEach& afterEach = {});

ValuePlace valuePlaceOf(const ApprovalPlace& place);

}  // namespace startup
