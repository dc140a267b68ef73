#include <algorithm>
#include <cstdint>

#include "platform/registry_key.h"
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

std::string dwordBytes(std::uint32_t number) {
    std::string bytes(kDwordBytes, '\0');
    for (std::uint32_t i = 0; i < kDwordBytes; ++i) bytes[i] = static_cast<char>(number >> (8 * i));
    return bytes;
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
    platform::RegKey key;
    Status status = platform::RegKey::open(registry_, root, sub, platform::View::Native, platform::kKeyQueryValue, key);
    if (status != platform::kSuccess || (type != "S" && type != "D" && type != "B")) return status;
    platform::RegValue stored;
    if ((status = key.read(name, stored)) != platform::kSuccess) return status;
    if (type == "S") {
        // Only a terminating zero is dropped: text stored without one keeps its last letter.
        if (!stored.data.empty() && stored.data.back() == '\0') stored.data.pop_back();
        value = stored.data;
        return platform::kSuccess;
    }
    // A number is read into four bytes: a longer value does not fit.
    if (stored.data.size() > kDwordBytes) return platform::kMoreData;
    const std::uint32_t number = littleEndianNumber(stored.data);
    if (type == "D") value = static_cast<std::int32_t>(number);
    else value = number != 0;
    return platform::kSuccess;
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
    platform::RegValue stored;
    if (type == "S") {
        stored = platform::textValue(valueText(value));
    } else if (type == "D" || type == "B") {
        std::uint32_t number = static_cast<std::uint32_t>(numberOf(value));
        if (type == "B") number = number != 0;
        stored = {platform::kRegDword, dwordBytes(number)};
    } else {
        return kUnknownRoot;
    }
    return platform::writeValue(registry_, root, sub, platform::View::Native, name, stored);
}

Status SettingsStore::deleteValue(const std::string& root, const std::string& keyPath, const std::string& valueName) {
    const platform::Key target = resolveRoot(root);
    if (target == kUnknownTarget) return kUnknownRoot;
    if (target == kIniTarget) {
        // The key stays in the file with an empty value.
        profile_.writeString(keyPath, valueName, std::string(), root);
        return platform::kSuccess;
    }
    return platform::deleteValue(registry_, target, keyPath, platform::View::Native, valueName);
}

Status SettingsStore::deleteKey(const std::string& root, const std::string& keyPath, const std::string& keyName) {
    const platform::Key target = resolveRoot(root);
    if (target == kUnknownTarget) return kUnknownRoot;
    if (target == kIniTarget) return platform::kInvalidHandle;
    // An empty name would make the platform delete the parent key itself.
    if (keyName.empty()) return platform::kInvalidParameter;
    const std::string path = keyPath.empty() ? keyName : keyPath + "\\" + keyName;
    return platform::deleteKey(registry_, target, path, platform::View::Native);
}

Status SettingsStore::deleteKeyTree(const std::string& root, const std::string& keyPath,
                                   const std::string& keyName) {
    const platform::Key target = resolveRoot(root);
    if (target == kUnknownTarget) return kUnknownRoot;
    if (target == kIniTarget) return platform::kInvalidHandle;
    if (keyName.empty() || keyName.find('\\') != std::string::npos) return platform::kInvalidParameter;
    const std::string path = keyPath.empty() ? keyName : keyPath + "\\" + keyName;
    return platform::deleteKeyTree(registry_, target, path, platform::View::Native);
}

bool SettingsStore::keyExists(platform::Key root, const std::string& path) {
    return platform::keyExists(registry_, root, path, platform::View::Native);
}

}  // namespace store
