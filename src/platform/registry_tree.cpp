#include "platform/registry_tree.h"

#include <cstring>
#include <vector>

namespace platform {
namespace {

constexpr std::uint32_t kNameCharacters = 16384;  // the registry's own limit for key names

}  // namespace

Status deleteKeyTree(Registry& registry, Key root, const std::string& path) {
    if (path.empty()) return kInvalidParameter;
    std::vector<std::string> children;
    Key key = 0;
    Status status = registry.openKey(root, path, kKeyEnumerateSubKeys, key);
    if (status != kSuccess) return status;
    std::vector<char> name(kNameCharacters + 1);
    // The names first, the deletes after: deleting while enumerating would shift the indexes.
    for (std::uint32_t index = 0; registry.enumKey(key, index, name.data(), kNameCharacters + 1) == kSuccess; ++index)
        children.emplace_back(name.data(), strnlen(name.data(), kNameCharacters + 1));
    registry.closeKey(key);
    for (const std::string& child : children)
        if ((status = deleteKeyTree(registry, root, path + "\\" + child)) != kSuccess) return status;
    return registry.deleteKey(root, path);
}

}  // namespace platform
