#include <algorithm>
#include <cstdint>
#include <vector>

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

Status SettingsStore::fReadValue(const std::string& sTopKeyOrFile, const std::string& sSubKeyOrSection,
                                 const std::string& sValueName, const std::string& sValueType,
                                 const Value& vDefault, Value& vValue) {
    vValue = vDefault;
    const platform::Key target = fResolveTopKey(sTopKeyOrFile);
    if (target == kUnknownTarget) return kUnknownRoot;
    const std::string type = upperCase(sValueType);
    if (target == kIniTarget) {
        if (type == "S") {
            char buffer[kIniTextBufferSize];
            std::uint32_t length = profile_.getString(sSubKeyOrSection, sValueName, valueText(vDefault), buffer,
                                                      kIniTextBufferSize, sTopKeyOrFile);
            vValue = std::string(buffer, std::min(length, kIniTextBufferSize - 1));
        }
        return platform::kSuccess;
    }
    return readRegistryValue(target, sSubKeyOrSection, sValueName, type, vValue);
}

Status SettingsStore::readRegistryValue(platform::Key root, const std::string& sub, const std::string& name,
                                        const std::string& type, Value& vValue) {
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
        vValue = std::string(data.begin(), data.end());
    } else if (type == "D" || type == "B") {
        std::uint32_t valueType = 0, number = 0, size = sizeof number;
        status = registry_.queryValue(open.key, name, &valueType, reinterpret_cast<std::uint8_t*>(&number), &size);
        if (status != platform::kSuccess) return status;
        if (type == "D") vValue = static_cast<std::int32_t>(number);
        else vValue = number != 0;
    }
    return open.close();
}

Status SettingsStore::fWriteValue(const std::string& sTopKeyOrFile, const std::string& sSubKeyOrSection,
                                  const std::string& sValueName, const std::string& sValueType,
                                  const Value& vValue) {
    const platform::Key target = fResolveTopKey(sTopKeyOrFile);
    if (target == kUnknownTarget) return kUnknownRoot;
    const std::string type = upperCase(sValueType);
    if (target == kIniTarget) {
        if (type != "S") return kUnknownRoot;
        profile_.writeString(sSubKeyOrSection, sValueName, valueText(vValue), sTopKeyOrFile);
        return platform::kSuccess;
    }
    return writeRegistryValue(target, sSubKeyOrSection, sValueName, type, vValue);
}

Status SettingsStore::writeRegistryValue(platform::Key root, const std::string& sub, const std::string& name,
                                         const std::string& type, const Value& vValue) {
    OpenKey open{registry_};
    Status status =
        registry_.createKey(root, sub, platform::kKeySetValue | platform::kKeyCreateSubKey, open.key, nullptr);
    if (status != platform::kSuccess) return status;
    if (type == "S") {
        const std::string text = valueText(vValue);
        status = registry_.setValue(open.key, name, platform::kRegSz,
                                    reinterpret_cast<const std::uint8_t*>(text.c_str()),
                                    static_cast<std::uint32_t>(text.size() + 1));
    } else if (type == "D" || type == "B") {
        std::uint32_t number = static_cast<std::uint32_t>(numberOf(vValue));
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

Status SettingsStore::fDeleteValue(const std::string& sTopKeyOrFile, const std::string& sSubKeyOrSection,
                                   const std::string& sValueName) {
    const platform::Key target = fResolveTopKey(sTopKeyOrFile);
    if (target == kUnknownTarget) return kUnknownRoot;
    if (target == kIniTarget) {
        // The key stays in the file with an empty value.
        profile_.writeString(sSubKeyOrSection, sValueName, std::string(), sTopKeyOrFile);
        return platform::kSuccess;
    }
    OpenKey open{registry_};
    Status status = registry_.openKey(target, sSubKeyOrSection, platform::kKeySetValue, open.key);
    if (status == platform::kSuccess) status = registry_.deleteValue(open.key, sValueName);
    // Already gone, with its key or alone, is what the caller wanted.
    return status == platform::kFileNotFound ? platform::kSuccess : status;
}

Status SettingsStore::fDeleteKey(const std::string& sTopKey, const std::string& sSubKey,
                                 const std::string& sKeyName) {
    const platform::Key target = fResolveTopKey(sTopKey);
    if (target == kUnknownTarget) return kUnknownRoot;
    if (target == kIniTarget) return platform::kInvalidHandle;
    // An empty name would make the platform delete the parent key itself.
    if (sKeyName.empty()) return platform::kInvalidParameter;
    OpenKey open{registry_};
    Status status = registry_.openKey(target, sSubKey, platform::kKeyCreateSubKey, open.key);
    if (status == platform::kSuccess) status = registry_.deleteKey(open.key, sKeyName);
    return status == platform::kFileNotFound ? platform::kSuccess : status;
}

}  // namespace store
