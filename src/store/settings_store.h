#pragma once
// The one accessor for registry values and INI entries. A root is named by a
// word ("HKLM", ...) or by an INI file's path; every operation returns a
// status (0 success, 2 not found, 99 unknown root, else the platform's code)
// and never throws.
#include <cstdint>
#include <string>
#include <variant>

#include "platform/files.h"
#include "platform/profile.h"
#include "platform/registry.h"
#include "store/enum_outputs.h"

namespace store {

using Status = platform::Status;
using Value = std::variant<std::string, bool, std::int32_t>;  // text, truth value, number

inline constexpr Status kUnknownRoot = 99;
inline constexpr platform::Key kIniTarget = 1;
inline constexpr platform::Key kUnknownTarget = 0;
inline constexpr std::uint32_t kNameBufferSize = 2048;
inline constexpr std::uint32_t kIniTextBufferSize = 255;
inline constexpr std::uint32_t kIniSectionBufferSize = 8192;
inline constexpr std::uint32_t kRegStringBufferSize = 1024;
inline constexpr std::uint32_t kRegStringAccess = 0x2003F;  // every specific key right plus read control

std::string valueText(const Value& value);

class SettingsStore {
public:
    SettingsStore(platform::Registry& registry, platform::Profile& profile, platform::Files& files)
        : registry_(registry), profile_(profile), files_(files) {}

    // A root handle, kIniTarget for an existing ordinary file, or kUnknownTarget.
    platform::Key fResolveTopKey(const std::string& designation);

    Status fReadValue(const std::string& sTopKeyOrFile, const std::string& sSubKeyOrSection,
                      const std::string& sValueName, const std::string& sValueType, const Value& vDefault,
                      Value& vValue);
    Status fWriteValue(const std::string& sTopKeyOrFile, const std::string& sSubKeyOrSection,
                       const std::string& sValueName, const std::string& sValueType, const Value& vValue);
    Status fDeleteValue(const std::string& sTopKeyOrFile, const std::string& sSubKeyOrSection,
                        const std::string& sValueName);
    Status fDeleteKey(const std::string& sTopKey, const std::string& sSubKey, const std::string& sKeyName);

    Status fEnumKey(const std::string& sTopKey, const std::string& sSubKey, std::string& svalues, EnumOutputs& out);
    Status fEnumKey1(const std::string& sTopKey, const std::string& sSubKey, std::string& svalues,
                     EnumOutputs& out);
    Status fEnumValue(const std::string& sTopKeyOrIniFile, const std::string& sSubKeyOrSection,
                      std::string& svalues, EnumOutputs& out);
    Status fEnumValuea(const std::string& sTopKeyOrIniFile, const std::string& sSubKeyOrSection,
                       std::string& svalues, EnumOutputs& out);

    bool GetRegString(platform::Key root, const std::string& path, const std::string& name, std::string& text);
    bool SaveRegString(platform::Key root, const std::string& path, const std::string& name,
                       const std::string& text);
    void DeleteRegKey(platform::Key root, const std::string& path);
    // "SystemRoot" of the 9x key, else of the NT key; empty when neither has it.
    std::string WindowsFolder();

private:
    enum class KeyVariant { Plain, Searchable };
    enum class ValueVariant { Listed, Joined };
    Status enumKeys(const std::string& sTopKey, const std::string& sSubKey, std::string& svalues, EnumOutputs& out,
                    KeyVariant variant);
    Status enumValues(const std::string& sTopKeyOrIniFile, const std::string& sSubKeyOrSection,
                      std::string& svalues, EnumOutputs& out, ValueVariant variant);
    Status appendValueItem(platform::Key key, const std::string& name, std::uint32_t type, std::uint32_t size,
                           std::string& svalues);
    Status readRegistryValue(platform::Key root, const std::string& sub, const std::string& name,
                             const std::string& type, Value& vValue);
    Status writeRegistryValue(platform::Key root, const std::string& sub, const std::string& name,
                              const std::string& type, const Value& vValue);

    platform::Registry& registry_;
    platform::Profile& profile_;
    platform::Files& files_;
};

}  // namespace store
