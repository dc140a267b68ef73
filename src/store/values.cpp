#include <algorithm>
#include <cstdint>
#include <vector>

#include "platform/registry_tree.h"
#include "store/open_key.h"
#include "store/settings_store.h"
#include "store/text_value.h"

namespace store {
namespace {

std::int32_t numberOf(const Value& value) {
    if (const auto* number = std::get_if<std::int32_t>(&value)) return *number;
    if (const auto* truth = std::get_if<bool>(&value)) return *truth ? 1 : 0;
    // A text beyond the range saturates: converting it as it is would be undefined.
    const double number = leadingNumber(std::get<std::string>(value));
    if (number >= 2147483647.0) return INT32_MAX;
    if (number <= -2147483648.0) return INT32_MIN;
    return static_cast<std::int32_t>(number);
}

}  // namespace

Status SettingsStore::readValue(const std::string& root, const std::string& keyPath, const std::string& valueName,
                                const std::string& type, const Value& fallback, Value& value) {
    value = fallback;
    const platform::Key target = resolveRoot(root);
    if (target == kUnknownTarget) return kUnknownRoot;
    const std::string kind = upperCase(type);
    if (target == kIniTarget) {
        if (kind == "S") {
            char buffer[kIniTextBufferSize];
            std::uint32_t length =
                profile_.getString(keyPath, valueName, valueText(fallback), buffer, kIniTextBufferSize, root);
            value = std::string(buffer, std::min(length, kIniTextBufferSize - 1));
        }
        return platform::kSuccess;
    }
    return readRegistryValue(target, keyPath, valueName, kind, value);
}

Status SettingsStore::readRegistryValue(platform::Key root, const std::string& sub, const std::string& name,
                                        const std::string& type, Value& value) {
    OpenKey open{registry_};
    Status status = registry_.openKey(root, sub, platform::kKeyQueryValue, open.key);
    if (status != platform::kSuccess) return status;
    if (type == "S") {
        std::uint32_t valueType = 0;
        std::uint8_t probe = 0;
        std::uint32_t size = 0;
        std::vector<std::uint8_t> data;
        status = registry_.queryValue(open.key, name, &valueType, &probe, &size);
        if (status == platform::kMoreData) {
            data.resize(size);
            status = registry_.queryValue(open.key, name, &valueType, data.data(), &size);
        }
        if (status != platform::kSuccess) return status;
        data.resize(std::min<std::size_t>(size, data.size()));
        // Only a terminating zero is dropped: text stored without one keeps its last letter.
        if (!data.empty() && data.back() == 0) data.pop_back();
        value = std::string(data.begin(), data.end());
    } else if (type == "D" || type == "B") {
        std::uint32_t valueType = 0, number = 0, size = sizeof number;
        status = registry_.queryValue(open.key, name, &valueType, reinterpret_cast<std::uint8_t*>(&number), &size);
        if (status != platform::kSuccess) return status;
        if (type == "D") value = static_cast<std::int32_t>(number);
        else value = number != 0;
    }
    return open.close();
}

Status SettingsStore::writeValue(const std::string& root, const std::string& keyPath, const std::string& valueName,
                                 const std::string& type, const Value& value) {
    const platform::Key target = resolveRoot(root);
    if (target == kUnknownTarget) return kUnknownRoot;
    const std::string kind = upperCase(type);
    if (target == kIniTarget) {
        if (kind != "S") return kUnknownRoot;
        profile_.writeString(keyPath, valueName, valueText(value), root);
        return platform::kSuccess;
    }
    return writeRegistryValue(target, keyPath, valueName, kind, value);
}

Status SettingsStore::writeRegistryValue(platform::Key root, const std::string& sub, const std::string& name,
                                         const std::string& type, const Value& value) {
    OpenKey open{registry_};
    Status status =
        registry_.createKey(root, sub, platform::kKeySetValue | platform::kKeyCreateSubKey, open.key, nullptr);
    if (status != platform::kSuccess) return status;
    if (type == "S") {
        const std::string text = valueText(value);
        status = registry_.setValue(open.key, name, platform::kRegSz,
                                    reinterpret_cast<const std::uint8_t*>(text.c_str()),
                                    static_cast<std::uint32_t>(text.size() + 1));
    } else if (type == "D" || type == "B") {
        std::uint32_t number = static_cast<std::uint32_t>(numberOf(value));
        if (type == "B") number = number != 0;
        status = registry_.setValue(open.key, name, platform::kRegDword,
                                    reinterpret_cast<const std::uint8_t*>(&number), sizeof number);
    } else {
        return kUnknownRoot;
    }
    // A failed store is reported as such, not hidden behind the close.
    if (status != platform::kSuccess) return status;
    return open.close();
}

Status SettingsStore::deleteValue(const std::string& root, const std::string& keyPath, const std::string& valueName) {
    const platform::Key target = resolveRoot(root);
    if (target == kUnknownTarget) return kUnknownRoot;
    if (target == kIniTarget) {
        // The key stays in the file with an empty value.
        profile_.writeString(keyPath, valueName, std::string(), root);
        return platform::kSuccess;
    }
    OpenKey open{registry_};
    Status status = registry_.openKey(target, keyPath, platform::kKeySetValue, open.key);
    if (status == platform::kSuccess) status = registry_.deleteValue(open.key, valueName);
    // Already gone, with its key or alone, is what the caller wanted.
    return status == platform::kFileNotFound ? platform::kSuccess : status;
}

Status SettingsStore::deleteKey(const std::string& root, const std::string& keyPath, const std::string& keyName) {
    const platform::Key target = resolveRoot(root);
    if (target == kUnknownTarget) return kUnknownRoot;
    if (target == kIniTarget) return platform::kInvalidHandle;
    // An empty name would make the platform delete the parent key itself.
    if (keyName.empty()) return platform::kInvalidParameter;
    OpenKey open{registry_};
    Status status = registry_.openKey(target, keyPath, platform::kKeyCreateSubKey, open.key);
    if (status == platform::kSuccess) status = registry_.deleteKey(open.key, keyName);
    return status == platform::kFileNotFound ? platform::kSuccess : status;
}

Status SettingsStore::deleteKeyTree(const std::string& root, const std::string& keyPath,
                                   const std::string& keyName) {
    const platform::Key target = resolveRoot(root);
    if (target == kUnknownTarget) return kUnknownRoot;
    if (target == kIniTarget) return platform::kInvalidHandle;
    if (keyName.empty() || keyName.find('\\') != std::string::npos) return platform::kInvalidParameter;
    const std::string path = keyPath.empty() ? keyName : keyPath + "\\" + keyName;
    const Status status = platform::deleteKeyTree(registry_, target, path);
    return status == platform::kFileNotFound ? platform::kSuccess : status;
}

bool SettingsStore::keyExists(platform::Key root, const std::string& path) {
    OpenKey open{registry_};
    return registry_.openKey(root, path, platform::kKeyQueryValue, open.key) != platform::kFileNotFound;
}

Status SettingsStore::readRawValue(platform::Key root, const std::string& path, const std::string& name,
                                   std::uint32_t& type, std::string& data) {
    OpenKey open{registry_};
    Status status = registry_.openKey(root, path, platform::kKeyQueryValue, open.key);
    if (status != platform::kSuccess) return status;
    data.assign(256, '\0');
    auto size = static_cast<std::uint32_t>(data.size());
    status = registry_.queryValue(open.key, name, &type, reinterpret_cast<std::uint8_t*>(data.data()), &size);
    if (status == platform::kMoreData) {
        data.assign(size, '\0');
        status = registry_.queryValue(open.key, name, &type, reinterpret_cast<std::uint8_t*>(data.data()), &size);
    }
    if (status != platform::kSuccess) {
        data.clear();
        return status;
    }
    data.resize(size);
    return open.close();
}

}  // namespace store
