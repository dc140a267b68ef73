#include "platform/registry_key.h"

#include <array>
#include <cstring>
#include <string_view>
#include <utility>

#include "platform/registry_redirector.h"
#include "platform/registry_roots.h"

namespace platform {
namespace {

constexpr std::uint32_t kNameCharacters = 16384;  // the registry's limit for a value name, plus its zero
constexpr std::size_t kFirstDataBuffer = 4096;    // most values fit; a longer one grows it
constexpr std::size_t kFirstReadBuffer = 1024;    // a whole read asks once for values up to this size
constexpr int kReadAttempts = 4;                  // a value that keeps growing is given up on

// The program's own keys: both builds keep their settings and parked entries in one place.
constexpr std::array<std::string_view, 1> kOwnKeys = {"Software\\Morvalen"};

KeyPath partsOf(const std::string& path) {
    KeyPath parts;
    std::size_t start = 0;
    while (start <= path.size()) {
        const std::size_t cut = std::min(path.find('\\', start), path.size());
        if (cut > start) parts.push_back(path.substr(start, cut - start));
        start = cut + 1;
    }
    return parts;
}

bool startsWithKey(const KeyPath& parts, std::string_view key) {
    const KeyPath own = partsOf(std::string(key));
    if (parts.size() < own.size()) return false;
    for (std::size_t i = 0; i < own.size(); ++i)
        if (!sameKeyName(parts[i], own[i])) return false;
    return true;
}

// A place named from a root in the native view: the program's own keys and the
// keys Windows shares go through the 64-bit view, so both builds reach one key
// (on Windows it is one key anyway; Wine shares only part of them).
View placeView(Registry& registry, Key parent, const std::string& path, View view) {
    if (view != View::Native || !rootByHandle(parent) || !registry.views().hasSecondView()) return view;
    const KeyPath parts = partsOf(path);
    for (std::string_view own : kOwnKeys)
        if (startsWithKey(parts, own)) return View::Bits64;
    return sharedBetweenViews(parent, parts) ? View::Bits64 : view;
}

std::uint32_t viewFlags(Registry& registry, Key parent, const std::string& path, View view) {
    return registry.views().flagsFor(placeView(registry, parent, path, view));
}

Status openIn(Registry& registry, Key parent, const std::string& path, View view, std::uint32_t access, Key& key) {
    return registry.openKey(parent, path, access | viewFlags(registry, parent, path, view), key);
}

}  // namespace

RegKey::~RegKey() { close(); }

RegKey::RegKey(RegKey&& other) noexcept
    : registry_(other.registry_), key_(std::exchange(other.key_, 0)), view_(other.view_) {}

RegKey& RegKey::operator=(RegKey&& other) noexcept {
    if (this != &other) {
        close();
        registry_ = other.registry_;
        key_ = std::exchange(other.key_, 0);
        view_ = other.view_;
    }
    return *this;
}

Status RegKey::open(Registry& registry, Key parent, const std::string& path, View view, std::uint32_t access,
                    RegKey& key) {
    key.close();
    Key handle = 0;
    Status status = openIn(registry, parent, path, view, access, handle);
    if (status != kSuccess) return status;
    key.registry_ = &registry;
    key.key_ = handle;
    key.view_ = view;
    return kSuccess;
}

Status RegKey::create(Registry& registry, Key parent, const std::string& path, View view, std::uint32_t access,
                      RegKey& key, std::uint32_t* disposition) {
    key.close();
    Key handle = 0;
    Status status =
        registry.createKey(parent, path, access | viewFlags(registry, parent, path, view), handle, disposition);
    if (status != kSuccess) return status;
    key.registry_ = &registry;
    key.key_ = handle;
    key.view_ = view;
    return kSuccess;
}

Status RegKey::close() {
    if (!key_) return kSuccess;
    return registry_->closeKey(std::exchange(key_, 0));
}

Status RegKey::read(const std::string& name, RegValue& value) const {
    // Most values fit the first buffer: one question. A longer one (or one that
    // grew meanwhile) is asked again with the size the registry gave.
    std::string data(kFirstReadBuffer, '\0');
    for (int attempt = 0; attempt < kReadAttempts; ++attempt) {
        std::uint32_t type = 0, size = static_cast<std::uint32_t>(data.size());
        const Status status =
            registry_->queryValue(key_, name, &type, reinterpret_cast<std::uint8_t*>(data.data()), &size);
        if (status == kMoreData) {
            data.assign(size, '\0');
            continue;
        }
        if (status != kSuccess) return status;
        data.resize(size);
        value.type = type;
        value.data = std::move(data);
        return kSuccess;
    }
    return kMoreData;
}

Status RegKey::write(const std::string& name, const RegValue& value) const {
    return registry_->setValue(key_, name, value.type, reinterpret_cast<const std::uint8_t*>(value.data.data()),
                               static_cast<std::uint32_t>(value.data.size()));
}

Status RegKey::deleteValue(const std::string& name) const {
    Status status = registry_->deleteValue(key_, name);
    return status == kFileNotFound ? kSuccess : status;
}

Status RegKey::valueNames(std::vector<std::string>& names, const AfterEach& afterEach,
                          DefaultValue defaultValue) const {
    std::vector<char> buffer(kNameCharacters);
    for (std::uint32_t index = 0;; ++index) {
        std::uint32_t length = kNameCharacters, type = 0;
        Status status = registry_->enumValue(key_, index, buffer.data(), &length, &type, nullptr, nullptr);
        if (status == kNoMoreItems) return kSuccess;
        if (status != kSuccess) return status;
        if (length > 0 || defaultValue == DefaultValue::Listed) names.emplace_back(buffer.data(), length);
        if (afterEach && !afterEach()) return kSuccess;
    }
}

Status RegKey::values(std::vector<NamedRegValue>& values, const AfterEach& afterEach,
                      DefaultValue defaultValue) const {
    std::vector<char> name(kNameCharacters);
    std::string data(kFirstDataBuffer, '\0');
    for (std::uint32_t index = 0;;) {
        std::uint32_t length = kNameCharacters, type = 0, size = static_cast<std::uint32_t>(data.size());
        Status status = registry_->enumValue(key_, index, name.data(), &length, &type,
                                             reinterpret_cast<std::uint8_t*>(data.data()), &size);
        if (status == kMoreData && size > data.size()) {
            data.resize(size);  // the same index again, with room for its data
            continue;
        }
        if (status == kNoMoreItems) return kSuccess;
        if (status != kSuccess) return status;
        if (length > 0 || defaultValue == DefaultValue::Listed)
            values.push_back({std::string(name.data(), length), {type, data.substr(0, size)}});
        ++index;
        if (afterEach && !afterEach()) return kSuccess;
    }
}

Status RegKey::subkeyNames(std::vector<std::string>& names, const AfterEach& afterEach) const {
    std::vector<char> buffer(kNameCharacters);
    for (std::uint32_t index = 0;; ++index) {
        Status status = registry_->enumKey(key_, index, buffer.data(), kNameCharacters);
        if (status == kNoMoreItems) return kSuccess;
        if (status != kSuccess) return status;
        names.emplace_back(buffer.data(), strnlen(buffer.data(), kNameCharacters));
        if (afterEach && !afterEach()) return kSuccess;
    }
}

Status ValueDeletes::remove(Key root, const std::string& path, View view, const std::string& name) {
    if (!key_.isOpen() || root != root_ || path != path_ || view != key_.view()) {
        const Status status = RegKey::open(registry_, root, path, view, kKeySetValue, key_);
        if (status == kFileNotFound) return kSuccess;
        if (status != kSuccess) return status;
        root_ = root;
        path_ = path;
    }
    const Status status = key_.deleteValue(name);
    if (status != kKeyDeleted) return status;
    // The key went meanwhile, and its values with it.
    key_.close();
    return kSuccess;
}

Status readValue(Registry& registry, Key root, const std::string& path, View view, const std::string& name,
                 RegValue& value) {
    RegKey key;
    Status status = RegKey::open(registry, root, path, view, kKeyQueryValue, key);
    return status == kSuccess ? key.read(name, value) : status;
}

Status writeValue(Registry& registry, Key root, const std::string& path, View view, const std::string& name,
                  const RegValue& value) {
    RegKey key;
    Status status = RegKey::create(registry, root, path, view, kKeySetValue, key);
    return status == kSuccess ? key.write(name, value) : status;
}

Status deleteValue(Registry& registry, Key root, const std::string& path, View view, const std::string& name) {
    RegKey key;
    Status status = RegKey::open(registry, root, path, view, kKeySetValue, key);
    if (status == kFileNotFound) return kSuccess;
    return status == kSuccess ? key.deleteValue(name) : status;
}

bool keyExists(Registry& registry, Key root, const std::string& path, View view) {
    RegKey key;
    Status status = RegKey::open(registry, root, path, view, kKeyQueryValue, key);
    return status == kSuccess || status == kAccessDenied;
}

Status deleteKey(Registry& registry, Key root, const std::string& path, View view) {
    if (path.empty()) return kInvalidParameter;
    Status status = registry.deleteKeyInView(root, path, viewFlags(registry, root, path, view));
    return status == kFileNotFound ? kSuccess : status;
}

bool sharedBetweenViews(Key root, const std::string& path) { return platform::sharedBetweenViews(root, partsOf(path)); }

Status deleteKeyTree(Registry& registry, Key root, const std::string& path, View view) {
    if (path.empty()) return kInvalidParameter;
    std::vector<std::string> children;
    {
        RegKey key;
        Status status = RegKey::open(registry, root, path, view, kKeyEnumerateSubKeys, key);
        if (status == kFileNotFound) return kSuccess;
        if (status != kSuccess) return status;
        // The names first, the deletes after: deleting while enumerating would shift the indexes.
        if ((status = key.subkeyNames(children)) != kSuccess) return status;
    }
    for (const std::string& child : children)
        if (Status status = deleteKeyTree(registry, root, path + "\\" + child, view); status != kSuccess)
            return status;
    Status status = registry.deleteKeyInView(root, path, viewFlags(registry, root, path, view));
    return status == kFileNotFound ? kSuccess : status;
}

std::string pathIn64BitView(Registry& registry, Key root, const std::string& path, View view) {
    const RegistryViews views = registry.views();
    if (!views.machineIs64Bit || views.resolved(placeView(registry, root, path, view)) != View::Bits32) return path;
    std::string physical;
    for (const std::string& part : physicalPathIn32BitView(root, partsOf(path)))
        physical += (physical.empty() ? "" : "\\") + part;
    return physical;
}

const std::string& ninexOrNtPath(Registry& registry, Key root, const std::string& ninexPath,
                                 const std::string& ntPath, View view) {
    return keyExists(registry, root, ninexPath, view) ? ninexPath : ntPath;
}

}  // namespace platform
