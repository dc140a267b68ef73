#pragma once
// Shortcuts through the .lnk codec over any Files.
#include "platform/files.h"
#include "platform/shortcuts.h"

namespace platform {

class CodecShortcuts : public Shortcuts {
public:
    explicit CodecShortcuts(Files& files) : files_(files) {}
    Status read(const std::string& path, ShellLink& link) override;
    Status write(const std::string& path, const ShellLink& link) override;
    std::string startupFolder(bool allUsers) override { return allUsers ? allUsersStartupFolder : userStartupFolder; }

    // What the substitute shell reports; a machine image sets them (a Vista-style one, as Wine has).
    std::string userStartupFolder;
    std::string allUsersStartupFolder;

private:
    Files& files_;
};

}  // namespace platform
