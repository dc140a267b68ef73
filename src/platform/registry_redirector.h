#pragma once
// Where a 32-bit program's keys really are on a 64-bit Windows (7 and later),
// as "Registry Keys Affected by WOW64" lists them: HKLM\Software moves under
// WOW6432Node but for the keys both views share, and of Software\Classes only a
// few COM keys move. Paths here start below a physical root (HKLM, HKCU, HKU,
// HKCC); HKCR is HKLM\Software\Classes.
#include <string>
#include <string_view>
#include <vector>

#include "platform/registry.h"

namespace platform {

using KeyPath = std::vector<std::string>;

// Key names compared as the registry compares them (letters of either case are the same).
bool sameKeyName(std::string_view a, std::string_view b);

// The physical path of the 32-bit view's key at `logical`; a shared key, or a
// path that already names its WOW6432Node, stays as it is. Below HKCR the path
// stays below HKCR.
KeyPath physicalPathIn32BitView(Key root, const KeyPath& logical);
// Whether both views reach one key at `logical`; HKCR is taken as HKLM\Software\Classes.
bool sharedBetweenViews(Key root, const KeyPath& logical);
// The path a 32-bit program names the physical key at `physical` by: the
// redirector's own WOW6432Node left out.
KeyPath logicalPathOf32BitKey(Key root, const KeyPath& physical);

}  // namespace platform
