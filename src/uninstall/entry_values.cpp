#include "uninstall/entry_values.h"

#include <algorithm>
#include <cstring>

#include "store/open_key.h"

namespace uninstall {
namespace {

constexpr std::uint32_t kNameCharacters = 16384;  // the registry's own limit for value names

constexpr std::uint32_t kFirstTry = 1024;  // most values fit, so most reads are one call

std::optional<std::string> queryWhole(platform::Registry& registry, platform::Key key, const std::string& name,
                                      std::uint32_t& type) {
    std::string data(kFirstTry, '\0');
    std::uint32_t size = kFirstTry;
    // The value may grow between two calls; ask again with the new size.
    for (int attempt = 0; attempt < 4; ++attempt) {
        const platform::Status status =
            registry.queryValue(key, name, &type, reinterpret_cast<std::uint8_t*>(data.data()), &size);
        if (status == platform::kSuccess) {
            data.resize(std::min<std::size_t>(size, data.size()));
            return data;
        }
        if (status != platform::kMoreData) return std::nullopt;
        data.assign(size, '\0');
    }
    return std::nullopt;
}

std::string withoutClosingZero(std::string text) {
    while (!text.empty() && text.back() == '\0') text.pop_back();
    return text;
}

std::uint64_t littleEndian(const std::string& data, std::size_t bytes) {
    std::uint64_t number = 0;
    for (std::size_t i = 0; i < bytes && i < data.size(); ++i)
        number |= std::uint64_t(static_cast<unsigned char>(data[i])) << (8 * i);
    return number;
}

}  // namespace

std::optional<RegistryValue> readValue(platform::Registry& registry, platform::Key root, const std::string& path,
                                       const std::string& name) {
    return readValues(registry, root, path, {name}).front();
}

std::vector<std::optional<RegistryValue>> readValues(platform::Registry& registry, platform::Key root,
                                                     const std::string& path, const std::vector<std::string>& names) {
    std::vector<std::optional<RegistryValue>> values(names.size());
    store::OpenKey open{registry};
    if (registry.openKey(root, path, platform::kKeyQueryValue, open.key) != platform::kSuccess) return values;
    for (std::size_t i = 0; i < names.size(); ++i) {
        RegistryValue value{names[i], platform::kRegNone, {}};
        if (auto data = queryWhole(registry, open.key, names[i], value.type)) {
            value.data = std::move(*data);
            values[i] = std::move(value);
        }
    }
    return values;
}

std::vector<RegistryValue> readAllValues(platform::Registry& registry, platform::Key root, const std::string& path) {
    std::vector<RegistryValue> values;
    store::OpenKey open{registry};
    if (registry.openKey(root, path, platform::kKeyQueryValue, open.key) != platform::kSuccess) return values;
    std::vector<char> name(kNameCharacters + 1);
    for (std::uint32_t index = 0;; ++index) {
        std::uint32_t length = kNameCharacters + 1, type = 0;
        if (registry.enumValue(open.key, index, name.data(), &length, &type, nullptr, nullptr) != platform::kSuccess)
            break;
        RegistryValue value{std::string(name.data(), length), type, {}};
        if (auto data = queryWhole(registry, open.key, value.name, value.type)) value.data = std::move(*data);
        values.push_back(std::move(value));
    }
    return values;
}

std::string readableText(const RegistryValue& value) {
    switch (value.type) {
        case platform::kRegSz:
        case platform::kRegExpandSz:
            return withoutClosingZero(value.data);
        case platform::kRegDword:
            return value.data.size() >= 4 ? std::to_string(littleEndian(value.data, 4)) : std::string();
        case platform::kRegQword:
            return value.data.size() >= 8 ? std::to_string(littleEndian(value.data, 8)) : std::string();
        case platform::kRegMultiSz: {
            std::string joined, item;
            for (char c : withoutClosingZero(value.data)) {
                if (c != '\0') {
                    item += c;
                    continue;
                }
                joined += joined.empty() ? item : " | " + item;
                item.clear();
            }
            if (!item.empty()) joined += joined.empty() ? item : " | " + item;
            return joined;
        }
        default: {
            static const char* const kDigits = "0123456789abcdef";
            std::string hex;
            for (unsigned char c : value.data) {
                if (!hex.empty()) hex += ' ';
                hex += kDigits[c >> 4];
                hex += kDigits[c & 15];
            }
            return hex;
        }
    }
}

std::optional<std::string> textOf(const std::optional<RegistryValue>& value) {
    if (!value || (value->type != platform::kRegSz && value->type != platform::kRegExpandSz)) return std::nullopt;
    return withoutClosingZero(value->data);
}

bool editableAsText(std::uint32_t type) {
    return type == platform::kRegSz || type == platform::kRegExpandSz || type == platform::kRegDword ||
           type == platform::kRegQword;
}

std::optional<std::string> encodeText(std::uint32_t type, const std::string& text) {
    if (type == platform::kRegSz || type == platform::kRegExpandSz) return text + '\0';
    if (type != platform::kRegDword && type != platform::kRegQword) return std::nullopt;
    const std::size_t bytes = type == platform::kRegDword ? 4 : 8;
    if (text.empty() || text.size() > 20) return std::nullopt;
    std::uint64_t number = 0;
    for (char c : text) {
        if (c < '0' || c > '9') return std::nullopt;
        const std::uint64_t digit = static_cast<std::uint64_t>(c - '0');
        if (number > (UINT64_MAX - digit) / 10) return std::nullopt;
        number = number * 10 + digit;
    }
    if (bytes == 4 && number > UINT32_MAX) return std::nullopt;
    std::string data(bytes, '\0');
    for (std::size_t i = 0; i < bytes; ++i) data[i] = static_cast<char>((number >> (8 * i)) & 0xFF);
    return data;
}

platform::Status writeValue(platform::Registry& registry, platform::Key root, const std::string& path,
                            const RegistryValue& value) {
    store::OpenKey open{registry};
    platform::Status status = registry.createKey(root, path, platform::kKeySetValue, open.key);
    if (status != platform::kSuccess) return status;
    return registry.setValue(open.key, value.name, value.type,
                             reinterpret_cast<const std::uint8_t*>(value.data.data()),
                             static_cast<std::uint32_t>(value.data.size()));
}

platform::Status deleteValue(platform::Registry& registry, platform::Key root, const std::string& path,
                             const std::string& name) {
    store::OpenKey open{registry};
    platform::Status status = registry.openKey(root, path, platform::kKeySetValue, open.key);
    if (status != platform::kSuccess) return status;
    status = registry.deleteValue(open.key, name);
    return status == platform::kFileNotFound ? platform::kSuccess : status;
}

}  // namespace uninstall
