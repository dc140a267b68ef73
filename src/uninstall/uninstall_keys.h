#pragma once
// Where the installed programs are registered: the Uninstall key of the 9x
// form, or of the NT form when the 9x one does not exist. Tests point these
// at a scratch key.
#include <string>

#include "platform/registry.h"

namespace uninstall {

inline constexpr int kFallbackKeyMode = 2;  // the listing read the NT form

struct UninstallKeys {
    std::string rootWord = "HKLM";  // the store's name for `root`
    platform::Key root = platform::kHkeyLocalMachine;
    std::string primary = "Software\\Microsoft\\windows\\currentversion\\uninstall";
    std::string fallback = "Software\\Microsoft\\windows nt\\currentversion\\uninstall";

    // The key a listing with this key mode read.
    const std::string& listed(int keyMode) const { return keyMode == kFallbackKeyMode ? fallback : primary; }
};

}  // namespace uninstall
