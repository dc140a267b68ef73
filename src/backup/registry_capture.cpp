#include "backup/registry_capture.h"

#include <vector>

#include "platform/registry_redirector.h"

namespace backup {
namespace {

using namespace platform;

constexpr const char* kEol = "\r\n";

std::string withoutTrailingSeparators(std::string path) {
    while (!path.empty() && path.back() == '\\') path.pop_back();
    return path;
}

// The key's own name as the registry spells it: a restore must not rename "DefaultIcon" to "defaulticon".
std::string spelledAsStored(Registry& registry, Key root, const std::string& path, View view) {
    const auto cut = path.find_last_of('\\');
    const std::string parentPath = cut == std::string::npos ? std::string() : path.substr(0, cut);
    const std::string name = cut == std::string::npos ? path : path.substr(cut + 1);
    RegKey parent;
    std::vector<std::string> children;
    if (RegKey::open(registry, root, parentPath, view, kKeyEnumerateSubKeys, parent) != kSuccess ||
        parent.subkeyNames(children) != kSuccess)
        return path;
    std::string spelled = name;
    for (const auto& child : children)
        if (sameKeyName(child, name)) {
            spelled = child;
            break;
        }
    return parentPath.empty() ? spelled : parentPath + "\\" + spelled;
}

}  // namespace

std::string placeName(Registry& registry, Key root, const std::string& path, View view) {
    return regKeyName(root, pathIn64BitView(registry, root, withoutTrailingSeparators(path), view));
}

Captured appendKeyRestore(Registry& registry, Key root, const std::string& path, View view, RegFileFormat format,
                          std::string& out) {
    const std::string trimmed = withoutTrailingSeparators(path);
    std::string shown = placeName(registry, root, trimmed, view);
    // A root itself is never removed and put back whole.
    if (shown.empty() || trimmed.empty()) return Captured::Unreadable;
    RegKey key;
    const Status status = RegKey::open(registry, root, trimmed, view, kKeyRead, key);
    std::string section = "[-" + shown + "]" + kEol + kEol;
    if (status == kFileNotFound) {
        out += section;
        return Captured::Absent;
    }
    if (status != kSuccess) return Captured::Unreadable;
    shown = placeName(registry, root, spelledAsStored(registry, root, trimmed, view), view);
    if (!appendRegKey(registry, key, shown, format, section)) return Captured::Unreadable;
    out += section;
    return Captured::Existed;
}

Captured appendValueRestore(Registry& registry, Key root, const std::string& path, View view,
                            const std::string& name, RegFileFormat format, std::string& out) {
    const std::string shown = placeName(registry, root, path, view);
    if (shown.empty()) return Captured::Unreadable;
    RegKey key;
    const Status status =
        RegKey::open(registry, root, withoutTrailingSeparators(path), view, kKeyQueryValue, key);
    if (status == kFileNotFound) {
        // The key comes with the value, so it goes with it.
        out += "[-" + shown + "]" + kEol + kEol;
        return Captured::Absent;
    }
    if (status != kSuccess) return Captured::Unreadable;
    return appendValueRestoreFromKey(key, shown, name, format, out);
}

Captured appendValueRestoreFromKey(const RegKey& key, const std::string& keyName, const std::string& name,
                                   RegFileFormat format, std::string& out) {
    RegValue value;
    const Status status = key.read(name, value);
    std::string section = "[" + keyName + "]" + kEol;
    if (status == kFileNotFound) {
        out += section + regValueName(name) + "=-" + kEol + kEol;
        return Captured::Absent;
    }
    if (status != kSuccess) return Captured::Unreadable;
    appendRegValue(section, name, value, format);
    out += section + kEol;
    return Captured::Existed;
}

}  // namespace backup
