#include <vector>

#include "support/test_machine.h"

namespace testing_support {

void deleteTree(platform::Registry& registry, platform::Key root, const std::string& path) {
    platform::Key key = 0;
    if (registry.openKey(root, path, platform::kKeyAllAccess, key) != platform::kSuccess) return;
    std::vector<std::string> children;
    char name[2048];
    for (std::uint32_t i = 0; registry.enumKey(key, i, name, sizeof name) == platform::kSuccess; ++i)
        children.emplace_back(name);
    registry.closeKey(key);
    for (const auto& child : children) deleteTree(registry, root, path + "\\" + child);
    registry.deleteKey(root, path);
}

}  // namespace testing_support
