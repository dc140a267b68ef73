#include "platform/memory_registry.h"

#include <algorithm>
#include <array>
#include <cstring>
#include <string_view>
#include <unordered_map>
#include <vector>

#include "platform/registry_redirector.h"

namespace platform {
namespace {

constexpr Status kNoAccess = 998;  // ERROR_NOACCESS: data pointer missing for a non-empty write
constexpr std::size_t kMaxKeyNameLength = 255;
constexpr std::size_t kMaxValueNameLength = 16383;
constexpr std::size_t kMaxDepth = 512;  // the registry's own nesting limit

// Generic rights as the registry maps them onto key rights.
constexpr std::uint32_t kGenericRead = 0x80000000u;
constexpr std::uint32_t kGenericWrite = 0x40000000u;
constexpr std::uint32_t kGenericExecute = 0x20000000u;
constexpr std::uint32_t kGenericAll = 0x10000000u;
constexpr std::uint32_t kMaximumAllowed = 0x02000000u;

// Strings are in the ANSI code page (1252). Windows compares names by their
// upper-cased Unicode characters, so both folding and ordering go through it.
constexpr std::array<std::uint16_t, 32> kCp1252High = {
    0x20AC, 0x0081, 0x201A, 0x0192, 0x201E, 0x2026, 0x2020, 0x2021, 0x02C6, 0x2030, 0x0160,
    0x2039, 0x0152, 0x008D, 0x017D, 0x008F, 0x0090, 0x2018, 0x2019, 0x201C, 0x201D, 0x2022,
    0x2013, 0x2014, 0x02DC, 0x2122, 0x0161, 0x203A, 0x0153, 0x009D, 0x017E, 0x0178};

constexpr unsigned char upperByte(unsigned char c) {
    if (c >= 'a' && c <= 'z') return static_cast<unsigned char>(c - 0x20);
    if (c >= 0xE0 && c <= 0xFE && c != 0xF7) return static_cast<unsigned char>(c - 0x20);
    switch (c) {
        case 0x9A: return 0x8A;  // š
        case 0x9C: return 0x8C;  // œ
        case 0x9E: return 0x8E;  // ž
        case 0xFF: return 0x9F;  // ÿ
        default: return c;
    }
}

constexpr std::uint16_t unicodeOf(unsigned char c) {
    return (c >= 0x80 && c < 0xA0) ? kCp1252High[c - 0x80] : c;
}

std::string fold(std::string_view name) {
    std::string folded(name);
    for (auto& c : folded) c = static_cast<char>(upperByte(static_cast<unsigned char>(c)));
    return folded;
}

// Both arguments already folded.
bool windowsOrderLess(const std::string& a, const std::string& b) {
    const std::size_t n = std::min(a.size(), b.size());
    for (std::size_t i = 0; i < n; ++i) {
        auto ca = unicodeOf(static_cast<unsigned char>(a[i]));
        auto cb = unicodeOf(static_cast<unsigned char>(b[i]));
        if (ca != cb) return ca < cb;
    }
    return a.size() < b.size();
}

std::uint32_t effectiveAccess(std::uint32_t access) {
    if (access & (kGenericAll | kMaximumAllowed)) access |= kKeyAllAccess;
    if (access & (kGenericRead | kGenericExecute)) access |= kKeyRead;
    if (access & kGenericWrite) access |= kKeyWrite;
    return access & kKeyAllAccess;
}

struct Value {
    std::string name;
    std::uint32_t type = kRegNone;
    std::vector<std::uint8_t> data;
};

struct Node {
    std::string name;  // as first written
    std::string folded;
    std::uint32_t grantedRights = kKeyAllAccess;  // the key's ACL as it applies to this user
    bool deleted = false;
    bool permanent = false;  // the roots and HKCR's target cannot go away
    Node* parent = nullptr;  // valid while the node is attached
    std::size_t depth = 0;
    std::unordered_map<std::string, std::shared_ptr<Node>> children;  // by folded name
    // Enumeration order. Changes are only noted (new children in `pending`,
    // removed ones flagged and kept alive in `removed`) and folded in by the
    // next enumeration, so a walk by index stays O(1) per step and a burst of
    // changes costs one merge, not one sort each.
    std::vector<Node*> order;
    std::vector<Node*> pending;
    std::vector<std::shared_ptr<Node>> removed;
    std::vector<Value> values;  // creation order
    std::unordered_map<std::string, std::size_t> valueIndex;

    const std::vector<Node*>& sortedChildren() {
        auto less = [](const Node* a, const Node* b) { return windowsOrderLess(a->folded, b->folded); };
        if (!removed.empty()) {
            auto gone = [](const Node* node) { return node->deleted; };
            order.erase(std::remove_if(order.begin(), order.end(), gone), order.end());
            pending.erase(std::remove_if(pending.begin(), pending.end(), gone), pending.end());
            removed.clear();
        }
        if (!pending.empty()) {
            std::sort(pending.begin(), pending.end(), less);
            const auto middle = static_cast<std::ptrdiff_t>(order.size());
            order.insert(order.end(), pending.begin(), pending.end());
            std::inplace_merge(order.begin(), order.begin() + middle, order.end(), less);
            pending.clear();
        }
        return order;
    }

    Value* findValue(const std::string& valueName) {
        auto it = valueIndex.find(fold(valueName));
        return it == valueIndex.end() ? nullptr : &values[it->second];
    }
};

struct Handle {
    std::shared_ptr<Node> node;
    std::uint32_t access = 0;
};

// Splits a relative key path. A leading backslash is refused as Windows does;
// runs of backslashes separate like one, and a trailing one is ignored.
Status splitPath(const std::string& path, std::vector<std::string_view>& parts) {
    parts.clear();
    if (!path.empty() && path.front() == '\\') return kBadPathname;
    std::string_view rest(path);
    while (!rest.empty()) {
        auto cut = rest.find('\\');
        auto part = rest.substr(0, cut);
        if (!part.empty()) parts.push_back(part);
        if (cut == std::string_view::npos) break;
        rest.remove_prefix(cut + 1);
    }
    return kSuccess;
}

// Follows an existing path down from `current`; 2 when a part is missing.
Status descend(std::shared_ptr<Node>& current, const KeyPath& parts) {
    for (const auto& part : parts) {
        auto it = current->children.find(fold(part));
        if (it == current->children.end()) return kFileNotFound;
        current = it->second;
    }
    return kSuccess;
}

// The rights a handle gets on `node`, or 5 when its ACL refuses some of them.
Status grantedAccess(const Node& node, std::uint32_t access, std::uint32_t& rights) {
    rights = effectiveAccess(access);
    if (access & kMaximumAllowed) rights &= node.grantedRights;
    return (rights & ~node.grantedRights) ? kAccessDenied : kSuccess;
}

std::shared_ptr<Node> makeNode(std::string_view name) {
    auto node = std::make_shared<Node>();
    node->name = std::string(name);
    node->folded = fold(name);
    return node;
}

std::shared_ptr<Node> addChild(Node& parent, std::string_view name) {
    auto child = makeNode(name);
    child->parent = &parent;
    child->depth = parent.depth + 1;
    parent.children.emplace(child->folded, child);
    parent.pending.push_back(child.get());
    return child;
}

}  // namespace

struct MemoryRegistry::State {
    std::array<std::shared_ptr<Node>, 6> roots;  // HKCR .. HKCC, by low bits
    std::unordered_map<Key, Handle> handles;
    Key nextHandle = 0x1000;
    RegistryViews views;

    // Whether a call with these flags reaches the 32-bit view's keys; both flags at once are refused.
    Status reaches32BitView(std::uint32_t viewFlags, bool& bits32) const {
        bits32 = false;
        if (!views.machineIs64Bit) return kSuccess;  // one view: the flags are ignored
        const std::uint32_t flags = viewFlags & kKeyWow64Res;
        if (flags == kKeyWow64Res) return kInvalidParameter;
        bits32 = flags == kKeyWow64_32Key || (flags == 0 && !views.processIs64Bit);
        return kSuccess;
    }

    // The physical root above `node` and the path from it down to `node`.
    std::shared_ptr<Node> rootAbove(Node* node, KeyPath& path, Key& root) const {
        for (; node->parent; node = node->parent) path.insert(path.begin(), node->name);
        for (std::size_t i = 0; i < roots.size(); ++i)
            if (roots[i].get() == node && i != 0) {
                root = kHkeyClassesRoot + i;
                return roots[i];
            }
        return nullptr;
    }

    // Where a walk from `parent` by `subKey` starts, and the names it takes:
    // below the parent as written, or, in the 32-bit view, from the physical
    // root along the path the redirector gives.
    Status target(Node* parent, std::shared_ptr<Node>& start, const std::string& subKey, std::uint32_t access,
                  KeyPath& parts) const {
        std::vector<std::string_view> written;
        if (auto status = splitPath(subKey, written)) return status;
        bool bits32 = false;
        if (auto status = reaches32BitView(access, bits32)) return status;
        KeyPath logical;
        Key root = 0;
        std::shared_ptr<Node> top = bits32 ? rootAbove(parent, logical, root) : nullptr;
        if (!top) {
            parts.assign(written.begin(), written.end());
            return kSuccess;
        }
        logical = logicalPathOf32BitKey(root, logical);
        logical.insert(logical.end(), written.begin(), written.end());
        parts = physicalPathIn32BitView(root, logical);
        start = std::move(top);
        return kSuccess;
    }

    Key newHandle(std::shared_ptr<Node> node, std::uint32_t rights) {
        Key key = nextHandle;
        nextHandle += 4;
        handles.emplace(key, Handle{std::move(node), rights});
        return key;
    }

    // The node behind `key` with the rights the handle carries.
    Status resolve(Key key, Node*& node, std::uint32_t& access, std::shared_ptr<Node>* owner = nullptr) {
        if (key >= kHkeyClassesRoot && key <= kHkeyDynData) {
            auto index = key - kHkeyClassesRoot;
            if (index >= roots.size() || !roots[index] || key == kHkeyPerformanceData) return kInvalidHandle;
            node = roots[index].get();
            access = kKeyAllAccess;
            if (owner) *owner = roots[index];
            return kSuccess;
        }
        auto it = handles.find(key);
        if (it == handles.end()) return kInvalidHandle;
        if (it->second.node->deleted) return kKeyDeleted;
        node = it->second.node.get();
        access = it->second.access;
        if (owner) *owner = it->second.node;
        return kSuccess;
    }
};

MemoryRegistry::MemoryRegistry() : state_(std::make_unique<State>()) {
    auto& roots = state_->roots;
    roots[kHkeyCurrentUser - kHkeyClassesRoot] = makeNode("HKEY_CURRENT_USER");
    roots[kHkeyLocalMachine - kHkeyClassesRoot] = makeNode("HKEY_LOCAL_MACHINE");
    roots[kHkeyUsers - kHkeyClassesRoot] = makeNode("HKEY_USERS");
    roots[kHkeyCurrentConfig - kHkeyClassesRoot] = makeNode("HKEY_CURRENT_CONFIG");
    // HKCR is not a copy: it is HKLM\Software\Classes itself.
    auto software = addChild(*roots[kHkeyLocalMachine - kHkeyClassesRoot], "Software");
    auto classes = addChild(*software, "Classes");
    roots[0] = classes;
    for (auto& root : roots)
        if (root) root->permanent = true;
    software->permanent = true;
}

MemoryRegistry::~MemoryRegistry() = default;

Status MemoryRegistry::openKey(Key parent, const std::string& subKey, std::uint32_t access, Key& result) {
    result = 0;
    Node* node = nullptr;
    std::uint32_t parentAccess = 0, rights = 0;
    std::shared_ptr<Node> current;
    KeyPath parts;
    if (auto status = state_->resolve(parent, node, parentAccess, &current)) return status;
    if (auto status = state_->target(node, current, subKey, access, parts)) return status;
    if (auto status = descend(current, parts)) return status;
    if (auto status = grantedAccess(*current, access, rights)) return status;
    result = state_->newHandle(std::move(current), rights);
    return kSuccess;
}

Status MemoryRegistry::createKey(Key parent, const std::string& subKey, std::uint32_t access, Key& result,
                                 std::uint32_t* disposition) {
    result = 0;
    Node* node = nullptr;
    std::uint32_t parentAccess = 0, rights = 0;
    std::shared_ptr<Node> current;
    KeyPath parts;
    if (auto status = state_->resolve(parent, node, parentAccess, &current)) return status;
    if (auto status = state_->target(node, current, subKey, access, parts)) return status;
    for (const auto& part : parts)
        if (part.size() > kMaxKeyNameLength) return kInvalidParameter;

    std::size_t level = 0;
    for (; level < parts.size(); ++level) {
        auto it = current->children.find(fold(parts[level]));
        if (it == current->children.end()) break;
        current = it->second;
    }
    const bool creating = level < parts.size();
    if (creating && !(parentAccess & current->grantedRights & kKeyCreateSubKey)) return kAccessDenied;
    if (current->depth + (parts.size() - level) > kMaxDepth) return kInvalidParameter;
    if (!creating)
        if (auto status = grantedAccess(*current, access, rights)) return status;
    for (; level < parts.size(); ++level) current = addChild(*current, parts[level]);
    if (creating) rights = effectiveAccess(access);

    if (disposition) *disposition = creating ? kCreatedNewKey : kOpenedExistingKey;
    result = state_->newHandle(std::move(current), rights);
    return kSuccess;
}

Status MemoryRegistry::queryValue(Key key, const std::string& name, std::uint32_t* type, std::uint8_t* data,
                                  std::uint32_t* size) {
    Node* node = nullptr;
    std::uint32_t access = 0;
    if (auto status = state_->resolve(key, node, access)) return status;
    if (!(access & kKeyQueryValue)) return kAccessDenied;
    if (data && !size) return kInvalidParameter;
    const Value* value = node->findValue(name);
    if (!value) return kFileNotFound;
    if (type) *type = value->type;
    if (!size) return kSuccess;
    const auto needed = static_cast<std::uint32_t>(value->data.size());
    if (data && *size < needed) {
        *size = needed;
        return kMoreData;
    }
    if (data && needed) std::memcpy(data, value->data.data(), needed);
    *size = needed;
    return kSuccess;
}

Status MemoryRegistry::setValue(Key key, const std::string& name, std::uint32_t type, const std::uint8_t* data,
                                std::uint32_t size) {
    Node* node = nullptr;
    std::uint32_t access = 0;
    if (auto status = state_->resolve(key, node, access)) return status;
    if (!(access & kKeySetValue)) return kAccessDenied;
    if (!data && size) return kNoAccess;
    if (name.size() > kMaxValueNameLength) return kInvalidParameter;
    Value* value = node->findValue(name);
    if (!value) {
        node->valueIndex.emplace(fold(name), node->values.size());
        node->values.push_back(Value{name, type, {}});
        value = &node->values.back();
    }
    value->type = type;
    value->data.assign(data, data + size);
    return kSuccess;
}

Status MemoryRegistry::deleteValue(Key key, const std::string& name) {
    Node* node = nullptr;
    std::uint32_t access = 0;
    if (auto status = state_->resolve(key, node, access)) return status;
    if (!(access & kKeySetValue)) return kAccessDenied;
    auto it = node->valueIndex.find(fold(name));
    if (it == node->valueIndex.end()) return kFileNotFound;
    const std::size_t removed = it->second;
    node->valueIndex.erase(it);
    node->values.erase(node->values.begin() + static_cast<std::ptrdiff_t>(removed));
    for (auto& [folded, index] : node->valueIndex)
        if (index > removed) --index;
    return kSuccess;
}

Status MemoryRegistry::deleteKey(Key key, const std::string& subKey) { return deleteKeyInView(key, subKey, 0); }

Status MemoryRegistry::enumKey(Key key, std::uint32_t index, char* name, std::uint32_t nameSize) {
    Node* node = nullptr;
    std::uint32_t access = 0;
    if (auto status = state_->resolve(key, node, access)) return status;
    if (!(access & kKeyEnumerateSubKeys)) return kAccessDenied;
    const auto& order = node->sortedChildren();
    if (index >= order.size()) return kNoMoreItems;
    const std::string& found = order[index]->name;
    if (!name || nameSize < found.size() + 1) return kMoreData;
    std::memcpy(name, found.c_str(), found.size() + 1);
    return kSuccess;
}

Status MemoryRegistry::enumValue(Key key, std::uint32_t index, char* name, std::uint32_t* nameLength,
                                 std::uint32_t* type, std::uint8_t* data, std::uint32_t* dataSize) {
    Node* node = nullptr;
    std::uint32_t access = 0;
    if (auto status = state_->resolve(key, node, access)) return status;
    if (!(access & kKeyQueryValue)) return kAccessDenied;
    if (!name || !nameLength) return kInvalidParameter;
    if (data && !dataSize) return kInvalidParameter;
    if (index >= node->values.size()) return kNoMoreItems;
    const Value& value = node->values[index];
    if (*nameLength < value.name.size() + 1) return kMoreData;
    const auto needed = static_cast<std::uint32_t>(value.data.size());
    if (data && *dataSize < needed) {
        *dataSize = needed;
        return kMoreData;
    }
    std::memcpy(name, value.name.c_str(), value.name.size() + 1);
    *nameLength = static_cast<std::uint32_t>(value.name.size());
    if (type) *type = value.type;
    if (data && needed) std::memcpy(data, value.data.data(), needed);
    if (dataSize) *dataSize = needed;
    return kSuccess;
}

Status MemoryRegistry::closeKey(Key key) {
    if (key >= kHkeyClassesRoot && key <= kHkeyDynData) return kSuccess;
    return state_->handles.erase(key) ? kSuccess : kInvalidHandle;
}

std::size_t MemoryRegistry::openHandleCount() const { return state_->handles.size(); }

Status MemoryRegistry::deleteKeyInView(Key key, const std::string& subKey, std::uint32_t viewFlags) {
    Node* node = nullptr;
    std::uint32_t access = 0;
    std::shared_ptr<Node> current;
    KeyPath parts;
    if (auto status = state_->resolve(key, node, access, &current)) return status;
    if (auto status = state_->target(node, current, subKey, viewFlags, parts)) return status;
    // Windows opens the victim itself for deletion: the parent handle's rights
    // do not matter, and an empty name means the key behind the handle.
    if (auto status = descend(current, parts)) return status;
    if (current->permanent || !current->children.empty() || !(current->grantedRights & kDelete))
        return kAccessDenied;
    Node* parent = current->parent;
    current->deleted = true;
    current->parent = nullptr;
    parent->removed.push_back(current);
    parent->children.erase(current->folded);
    return kSuccess;
}

RegistryViews MemoryRegistry::views() const { return state_->views; }

void MemoryRegistry::setViews(const RegistryViews& views) { state_->views = views; }

Status MemoryRegistry::setGrantedRights(Key root, const std::string& path, std::uint32_t rights) {
    Node* node = nullptr;
    std::uint32_t access = 0;
    std::shared_ptr<Node> current;
    std::vector<std::string_view> written;
    if (auto status = state_->resolve(root, node, access, &current)) return status;
    if (auto status = splitPath(path, written)) return status;
    if (auto status = descend(current, KeyPath(written.begin(), written.end()))) return status;
    current->grantedRights = rights;
    return kSuccess;
}

}  // namespace platform
