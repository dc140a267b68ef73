#pragma once
// The one accessor for registry values and INI entries. A root is named by a
// word ("HKLM", ...) or by an INI file's path; every operation returns a
// status (0 success, 2 not found, 99 unknown root, else the platform's code)
// and never throws.
#include <cstdint>
#include <functional>
#include <string>
#include <variant>
#include <vector>

#include "platform/files.h"
#include "platform/profile.h"
#include "platform/registry.h"
#include "store/enumeration_progress.h"

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

std::string valueText(const Value& value);

class SettingsStore {
public:
    SettingsStore(platform::Registry& registry, platform::Profile& profile, platform::Files& files)
        : registry_(registry), profile_(profile), files_(files) {}

    // A root handle, kIniTarget for an existing ordinary file, or kUnknownTarget.
    platform::Key resolveRoot(const std::string& designation);  // (fResolveTopKey)

    // (fReadValue)
    Status readValue(const std::string& root, const std::string& keyPath, const std::string& valueName,
                     const std::string& type, const Value& fallback, Value& value);
    // (fWriteValue)
    Status writeValue(const std::string& root, const std::string& keyPath, const std::string& valueName,
                      const std::string& type, const Value& value);
    // (fDeleteValue)
    Status deleteValue(const std::string& root, const std::string& keyPath, const std::string& valueName);
    // (fDeleteKey)
    Status deleteKey(const std::string& root, const std::string& keyPath, const std::string& keyName);

    // The subkey names in enumeration order, `names` emptied first; `items` gets
    // each name and a zero appended, and one more zero at the end (fEnumKey).
    Status enumerateSubkeys(const std::string& root, const std::string& keyPath, std::string& items,
                            std::vector<std::string>& names, EnumerationProgress& progress);
    // The same walk for long scans: it ends early when the user asks, and keeps no empty names (fEnumKey1).
    Status enumerateSubkeysUntilStopped(const std::string& root, const std::string& keyPath, std::string& items,
                                        std::vector<std::string>& names, EnumerationProgress& progress);
    // The value names, trimmed, then one empty entry; for an INI file the section's
    // lines in `items` and no names (fEnumValue).
    Status enumerateValues(const std::string& root, const std::string& keyPathOrSection, std::string& items,
                           std::vector<std::string>& names, EnumerationProgress& progress);
    // The value names exactly as the registry holds them, nothing added (none for an INI file).
    Status listValueNames(const std::string& root, const std::string& keyPath, std::vector<std::string>& names,
                          EnumerationProgress& progress);
    // Appends the value names, joined by ",", to `joinedNames` without clearing it: a walk
    // of a second key adds to the first's. The text ends in "," and a blank name buffer (fEnumValuea).
    Status appendValueNames(const std::string& root, const std::string& keyPathOrSection, std::string& items,
                            std::string& joinedNames);

    // One value as text: REG_SZ as stored, REG_DWORD in decimal (GetRegString).
    bool readString(platform::Key root, const std::string& path, const std::string& name, std::string& text);
    // One REG_SZ text, the key created when missing (SaveRegString).
    bool saveString(platform::Key root, const std::string& path, const std::string& name, const std::string& text);
    // The same, with the registry's status, for callers that tell the user why a save failed.
    Status writeString(platform::Key root, const std::string& path, const std::string& name, const std::string& text);

    // Deletes the subkey `keyName` of `keyPath` with everything below it; already gone is success.
    // An empty name, or one holding a backslash, deletes nothing.
    Status deleteKeyTree(const std::string& root, const std::string& keyPath, const std::string& keyName);
    bool keyExists(platform::Key root, const std::string& path);
    // Deletes one key; an empty path deletes nothing (DeleteRegKey).
    void deleteKeyPath(platform::Key root, const std::string& path);
    // "SystemRoot" of the 9x key, else of the NT key; empty when neither has it (WindowsFolder).
    std::string windowsFolder();

private:
    enum class KeyWalk { Plain, Stoppable };
    Status walkSubkeys(const std::string& root, const std::string& keyPath, std::string& items,
                       std::vector<std::string>& names, EnumerationProgress& progress, KeyWalk walk);
    // Calls `step` with each value name, then once with the blank buffer of the step that found none.
    Status walkValues(const std::string& root, const std::string& keyPathOrSection, std::string& items,
                      const std::function<void(const std::string&)>& step);
    Status readRegistryValue(platform::Key root, const std::string& sub, const std::string& name,
                             const std::string& type, Value& value);
    Status writeRegistryValue(platform::Key root, const std::string& sub, const std::string& name,
                              const std::string& type, const Value& value);

    platform::Registry& registry_;
    platform::Profile& profile_;
    platform::Files& files_;
};

}  // namespace store
