#include "platform/registry_key.h"
#include "store/settings_store.h"
#include "store/text_value.h"

namespace store {

bool SettingsStore::readString(platform::Key root, const std::string& path, const std::string& name,
                               std::string& text) {
    // Reading asks only to read: a user without write rights still gets the value.
    platform::RegValue value;
    // The program reads into a buffer of 1 KiB: a longer value is not read at all.
    if (platform::readValue(registry_, root, path, platform::View::Native, name, value) != platform::kSuccess ||
        value.data.size() > kRegStringBufferSize) {
        text.clear();
        return false;
    }
    // Our own writes carry no terminating zero, other programs' usually do.
    if (value.type == platform::kRegSz) {
        text = value.data;
        if (!text.empty() && text.back() == '\0') text.pop_back();
    } else if (value.type == platform::kRegDword) {
        text = std::to_string(littleEndianNumber(value.data));
    }
    return true;
}

bool SettingsStore::saveString(platform::Key root, const std::string& path, const std::string& name,
                               const std::string& text) {
    return writeString(root, path, name, text) == platform::kSuccess;
}

Status SettingsStore::writeString(platform::Key root, const std::string& path, const std::string& name,
                                  const std::string& text) {
    return platform::writeValue(registry_, root, path, platform::View::Native, name, {platform::kRegSz, text});
}

void SettingsStore::deleteKeyPath(platform::Key root, const std::string& path) {
    // An empty path would address the root itself.
    if (path.empty()) return;
    platform::deleteKey(registry_, root, path, platform::View::Native);
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
