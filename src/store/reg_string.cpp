#include <vector>

#include "store/settings_store.h"
#include "store/text_value.h"

namespace store {

bool SettingsStore::readString(platform::Key root, const std::string& path, const std::string& name,
                               std::string& text) {
    platform::Key key = 0;
    // Reading asks only to read: a user without write rights still gets the value.
    if (registry_.openKey(root, path, platform::kKeyQueryValue, key) != platform::kSuccess) {
        text.clear();
        return false;
    }
    std::vector<std::uint8_t> buffer(kRegStringBufferSize, 0);
    std::uint32_t type = 0, size = kRegStringBufferSize;
    const Status status = registry_.queryValue(key, name, &type, buffer.data(), &size);
    if (status != platform::kSuccess) {
        text.clear();
        registry_.closeKey(key);
        return false;
    }
    std::string data(buffer.begin(), buffer.begin() + std::min(size, kRegStringBufferSize));
    // Our own writes carry no terminating zero, other programs' usually do.
    if (!data.empty() && data.back() == '\0') data.pop_back();
    if (type == platform::kRegSz) {
        text = data;
    } else if (type == platform::kRegDword) {
        std::uint32_t value = 0;
        for (int i = 0; i < 4; ++i) value |= std::uint32_t(buffer[i]) << (8 * i);
        text = std::to_string(value);
    }
    registry_.closeKey(key);
    return true;
}

bool SettingsStore::saveString(platform::Key root, const std::string& path, const std::string& name,
                               const std::string& text) {
    return writeString(root, path, name, text) == platform::kSuccess;
}

Status SettingsStore::writeString(platform::Key root, const std::string& path, const std::string& name,
                                  const std::string& text) {
    platform::Key key = 0;
    const Status created = registry_.createKey(root, path, kRegStringAccess, key, nullptr);
    if (created != platform::kSuccess) return created;
    const Status status =
        registry_.setValue(key, name, platform::kRegSz, reinterpret_cast<const std::uint8_t*>(text.data()),
                           static_cast<std::uint32_t>(text.size()));
    registry_.closeKey(key);
    return status;
}

void SettingsStore::deleteKeyPath(platform::Key root, const std::string& path) {
    // An empty path would address the root itself.
    if (path.empty()) return;
    registry_.deleteKey(root, path);
}

std::string SettingsStore::windowsFolder() {
    std::string folder;
    readString(platform::kHkeyLocalMachine, "software\\microsoft\\windows\\currentversion", "SystemRoot", folder);
    if (trimSpaces(folder).empty())
        readString(platform::kHkeyLocalMachine, "software\\microsoft\\windows nt\\currentversion", "SystemRoot",
                   folder);
    return folder;
}

}  // namespace store
