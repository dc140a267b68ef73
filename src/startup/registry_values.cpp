#include "startup/registry_values.h"

#include <cstdio>

namespace startup {
namespace {

using platform::Key;
using platform::Registry;
using platform::Status;

constexpr std::uint32_t kLongestValueName = 16384;  // the registry's limit, with its zero
constexpr std::size_t kFirstDataBuffer = 4096;       // a longer value grows it

class OpenedKey {
public:
    OpenedKey(Registry& registry, Key root, const std::string& path, std::uint32_t access) : registry_(registry) {
        status_ = registry.openKey(root, path, access, key_);
    }
    ~OpenedKey() {
        if (status_ == platform::kSuccess) registry_.closeKey(key_);
    }
    OpenedKey(const OpenedKey&) = delete;
    OpenedKey& operator=(const OpenedKey&) = delete;
    Status status() const { return status_; }
    Key key() const { return key_; }

private:
    Registry& registry_;
    Key key_ = 0;
    Status status_;
};

std::string upToZero(const std::string& data) { return data.substr(0, data.find('\0')); }

}  // namespace

Status valueNames(Registry& registry, Key root, const std::string& path, std::vector<std::string>& names,
                  const std::function<bool()>& afterEach) {
    OpenedKey opened(registry, root, path, platform::kKeyQueryValue);
    if (opened.status() != platform::kSuccess) return opened.status();
    std::vector<char> buffer(kLongestValueName);
    for (std::uint32_t index = 0;; ++index) {
        std::uint32_t length = kLongestValueName;
        std::uint32_t type = 0;
        Status status = registry.enumValue(opened.key(), index, buffer.data(), &length, &type, nullptr, nullptr);
        if (status == platform::kNoMoreItems) break;
        if (status != platform::kSuccess) return status;
        if (length > 0) names.emplace_back(buffer.data(), length);
        if (afterEach && !afterEach()) break;
    }
    return platform::kSuccess;
}

Status readAllValues(Registry& registry, Key root, const std::string& path, std::vector<NamedValue>& values,
                     const std::function<bool()>& afterEach) {
    OpenedKey opened(registry, root, path, platform::kKeyQueryValue);
    if (opened.status() != platform::kSuccess) return opened.status();
    std::vector<char> name(kLongestValueName);
    std::string data(kFirstDataBuffer, '\0');
    for (std::uint32_t index = 0;;) {
        std::uint32_t length = kLongestValueName, type = 0, size = static_cast<std::uint32_t>(data.size());
        Status status = registry.enumValue(opened.key(), index, name.data(), &length, &type,
                                           reinterpret_cast<std::uint8_t*>(data.data()), &size);
        if (status == platform::kMoreData && size > data.size()) {
            data.resize(size);  // the same index again, with room for its data
            continue;
        }
        if (status == platform::kNoMoreItems) break;
        if (status != platform::kSuccess) return status;
        if (length > 0) values.push_back({std::string(name.data(), length), {type, data.substr(0, size)}});
        ++index;
        if (afterEach && !afterEach()) break;
    }
    return platform::kSuccess;
}

Status readRawValue(Registry& registry, Key root, const std::string& path, const std::string& name,
                    RawValue& value) {
    OpenedKey opened(registry, root, path, platform::kKeyQueryValue);
    if (opened.status() != platform::kSuccess) return opened.status();
    // The value may grow between the two questions; ask until the sizes agree.
    for (int attempt = 0; attempt < 4; ++attempt) {
        std::uint32_t type = 0, size = 0;
        Status status = registry.queryValue(opened.key(), name, &type, nullptr, &size);
        if (status != platform::kSuccess) return status;
        std::string data(size, '\0');
        std::uint32_t got = size;
        status = registry.queryValue(opened.key(), name, &type,
                                     reinterpret_cast<std::uint8_t*>(data.data()), &got);
        if (status == platform::kMoreData) continue;
        if (status != platform::kSuccess) return status;
        data.resize(got);
        value.type = type;
        value.data = std::move(data);
        return platform::kSuccess;
    }
    return platform::kMoreData;
}

Status writeRawValue(Registry& registry, Key root, const std::string& path, const std::string& name,
                     const RawValue& value) {
    Key key = 0;
    Status status = registry.createKey(root, path, platform::kKeySetValue, key);
    if (status != platform::kSuccess) return status;
    status = registry.setValue(key, name, value.type, reinterpret_cast<const std::uint8_t*>(value.data.data()),
                               static_cast<std::uint32_t>(value.data.size()));
    registry.closeKey(key);
    return status;
}

Status deleteRawValue(Registry& registry, Key root, const std::string& path, const std::string& name) {
    OpenedKey opened(registry, root, path, platform::kKeySetValue);
    if (opened.status() != platform::kSuccess) return opened.status();
    return registry.deleteValue(opened.key(), name);
}

bool keyExists(Registry& registry, Key root, const std::string& path) {
    OpenedKey opened(registry, root, path, platform::kKeyQueryValue);
    return opened.status() == platform::kSuccess;
}

std::string valueText(const RawValue& value) {
    switch (value.type) {
    case platform::kRegSz:
    case platform::kRegExpandSz:
        return upToZero(value.data);
    case platform::kRegDword:
        if (value.data.size() >= 4) {
            std::uint32_t number = 0;
            for (int i = 3; i >= 0; --i) number = number << 8 | static_cast<unsigned char>(value.data[i]);
            return std::to_string(number);
        }
        break;
    case platform::kRegMultiSz: {
        std::string text;
        std::size_t start = 0;
        while (start < value.data.size() && value.data[start] != '\0') {
            std::size_t end = value.data.find('\0', start);
            if (end == std::string::npos) end = value.data.size();
            if (!text.empty()) text += ' ';
            text += value.data.substr(start, end - start);
            start = end + 1;
        }
        return text;
    }
    default:
        break;
    }
    std::string hex;
    for (unsigned char byte : value.data) {
        char pair[4];
        std::snprintf(pair, sizeof pair, "%02x", byte);
        if (!hex.empty()) hex += ',';
        hex += pair;
    }
    return hex;
}

RawValue textValue(const std::string& text) {
    RawValue value;
    value.type = platform::kRegSz;
    value.data = text;
    value.data.push_back('\0');
    return value;
}

}  // namespace startup
