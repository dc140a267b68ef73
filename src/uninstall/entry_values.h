#pragma once
// The values of one Uninstall entry, read whole and with their types, so that
// long values and expandable texts come back complete and a write keeps a
// value's type. Names are used exactly as the registry holds them.
#include <cstdint>
#include <optional>
#include <string>
#include <vector>

#include "platform/registry.h"

namespace uninstall {

struct RegistryValue {
    std::string name;
    std::uint32_t type = platform::kRegSz;
    std::string data;  // the bytes as stored
};

// One value of `path`; nothing when the key or value cannot be read.
std::optional<RegistryValue> readValue(platform::Registry& registry, platform::Key root, const std::string& path,
                                       const std::string& name);
// Several values of `path` through one open key, in the order of `names`.
std::vector<std::optional<RegistryValue>> readValues(platform::Registry& registry, platform::Key root,
                                                     const std::string& path, const std::vector<std::string>& names);
// Every value of `path` in enumeration order; empty when the key cannot be read.
std::vector<RegistryValue> readAllValues(platform::Registry& registry, platform::Key root, const std::string& path);

// Texts as stored (without the closing zero), numbers in decimal, lists joined
// by " | ", other data as hexadecimal bytes.
std::string readableText(const RegistryValue& value);
// A text read as text; other types give nothing.
std::optional<std::string> textOf(const std::optional<RegistryValue>& value);
// Text and number values can be edited as text; lists and raw bytes cannot.
bool editableAsText(std::uint32_t type);
// The stored form of `text` for a value of `type`: texts with their closing zero,
// a number from its decimal text. Nothing when the text is no number of that type.
std::optional<std::string> encodeText(std::uint32_t type, const std::string& text);
platform::Status writeValue(platform::Registry& registry, platform::Key root, const std::string& path,
                            const RegistryValue& value);
platform::Status deleteValue(platform::Registry& registry, platform::Key root, const std::string& path,
                             const std::string& name);


}  // namespace uninstall
