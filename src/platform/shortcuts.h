#pragma once
// Shell links (.lnk) with the fields the shell-link object exposes.
#include <cstdint>
#include <string>

#include "platform/status.h"

namespace platform {

inline constexpr int kShowNormal = 1;
inline constexpr int kShowMaximized = 3;
inline constexpr int kShowMinNoActive = 7;

struct ShellLink {
    std::string target;  // the target path (the network form where there is one)
    std::string workingFolder;
    std::string arguments;
    std::string description;
    std::string iconPath;
    int iconIndex = 0;
    int showCommand = kShowNormal;
    std::uint16_t hotkey = 0;  // virtual key in the low byte, modifiers in the high byte; 0 is none
};

class Shortcuts {
public:
    virtual ~Shortcuts() = default;
    // Loads a link without resolving it. kSuccess, or an error when the file
    // is missing or no shortcut.
    virtual Status read(const std::string& path, ShellLink& link) = 0;
    // Writes a link; an empty working folder, arguments or icon path is left unset.
    virtual Status write(const std::string& path, const ShellLink& link) = 0;
    // The Startup folder the shell reports for the user or for all users
    // (CSIDL_STARTUP / CSIDL_COMMON_STARTUP); empty when it reports none.
    virtual std::string startupFolder(bool allUsers) {
        (void)allUsers;
        return {};
    }
};

}  // namespace platform
