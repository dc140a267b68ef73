#pragma once
// Registry values read and written whole: the name exactly as stored, the
// type kept, the data byte for byte. The startup entries need all three
// (a parked entry must come back as it was), which the settings store's
// text-only operations cannot give.
#include <cstdint>
#include <functional>
#include <string>
#include <vector>

#include "platform/registry.h"

namespace startup {

struct RawValue {
    std::uint32_t type = platform::kRegSz;
    std::string data;  // the bytes as stored
};

// Every value name of the key, untrimmed, in the registry's order, the default
// value's empty name left out. kFileNotFound when the key is missing. `afterEach`
// runs after each name (a long key must not keep the message loop waiting); false ends the walk.
platform::Status valueNames(platform::Registry& registry, platform::Key root, const std::string& path,
                            std::vector<std::string>& names, const std::function<bool()>& afterEach = {});
struct NamedValue {
    std::string name;
    RawValue value;
};
// Every value of the key with its data, in one walk of the open key; the default
// value left out. `afterEach` as for valueNames.
platform::Status readAllValues(platform::Registry& registry, platform::Key root, const std::string& path,
                               std::vector<NamedValue>& values, const std::function<bool()>& afterEach = {});
platform::Status readRawValue(platform::Registry& registry, platform::Key root, const std::string& path,
                              const std::string& name, RawValue& value);
// Creates the key when missing.
platform::Status writeRawValue(platform::Registry& registry, platform::Key root, const std::string& path,
                               const std::string& name, const RawValue& value);
platform::Status deleteRawValue(platform::Registry& registry, platform::Key root, const std::string& path,
                                const std::string& name);
bool keyExists(platform::Registry& registry, platform::Key root, const std::string& path);

// What the list shows for a value: text types up to their terminating zero,
// numbers in decimal, lists joined by blanks, anything else as hex bytes.
std::string valueText(const RawValue& value);
// A text as REG_SZ with its terminating zero.
RawValue textValue(const std::string& text);

}  // namespace startup
