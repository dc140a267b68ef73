#pragma once
// Kept for a caller not yet on the layer; goes when it moves to registry_key.h.
#include "platform/registry_key.h"

namespace platform {

inline Status deleteKeyTree(Registry& registry, Key root, const std::string& path) {
    return deleteKeyTree(registry, root, path, View::Native);
}

}  // namespace platform
