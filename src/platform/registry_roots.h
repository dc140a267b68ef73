#pragma once
// The registry roots by every name the program meets: the store's short word,
// the handle, and the name registry-editor files use.
#include <string_view>

#include "platform/registry.h"

namespace platform {

struct RootName {
    std::string_view word;         // "HKLM"
    Key handle;
    std::string_view regFileName;  // "HKEY_LOCAL_MACHINE"
};

// Case-insensitive lookups; null when no root has that name.
const RootName* rootByWord(std::string_view word);
const RootName* rootByRegFileName(std::string_view name);
const RootName* rootByHandle(Key handle);

}  // namespace platform
