#pragma once
// The profile functions over INI files reached through Files, with the
// platform's rules: case-insensitive sections and keys, the first of
// duplicates wins, quotes and surrounding blanks removed, fixed buffers cut.
#include "platform/files.h"
#include "platform/profile.h"
#include "platform/registry.h"

namespace platform {

class IniProfile : public Profile {
public:
    // Relative file names resolve in `windowsFolder`, as the platform does.
    IniProfile(Files& files, std::string windowsFolder);

    std::uint32_t getString(const std::string& section, const std::string& key, const std::string& defaultText,
                            char* buffer, std::uint32_t size, const std::string& file) override;
    std::uint32_t getInt(const std::string& section, const std::string& key, int defaultValue,
                         const std::string& file) override;
    std::uint32_t getSection(const std::string& section, char* buffer, std::uint32_t size,
                             const std::string& file) override;
    bool writeString(const std::string& section, const std::string& key, const std::optional<std::string>& value,
                     const std::string& file) override;

    // The NT family keeps win.ini's [windows] section in the registry (HKCU
    // "Software\Microsoft\Windows NT\CurrentVersion\Windows"); from this call on the
    // profile functions read and write it there, as NT's do. 9x machines never call it.
    void mapWindowsSection(Registry& registry) { registry_ = &registry; }

private:
    std::string resolve(const std::string& file) const;
    bool mapped(const std::string& section, const std::string& file) const;
    std::optional<std::string> mappedValue(const std::string& key);
    std::string mappedSection();
    bool writeMapped(const std::string& key, const std::optional<std::string>& value);
    Files& files_;
    std::string windowsFolder_;
    Registry* registry_ = nullptr;
};

}  // namespace platform
