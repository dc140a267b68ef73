#pragma once
// A key with everything below it: the registry itself deletes one level at a time.
#include <string>

#include "platform/registry.h"

namespace platform {

// Deletes `path` under `root` and every subkey below it, children first; stops
// at the first refusal and reports it. An empty path (the root itself) is refused.
Status deleteKeyTree(Registry& registry, Key root, const std::string& path);

}  // namespace platform
