#pragma once
// The one way the program reads and writes the registry: a key opened from a
// root and a view, closed on every path, with whole-value reads of any size,
// name lists, value deletes that take "already gone" as done, and key-tree
// deletes in a view.
#include <cstdint>
#include <functional>
#include <string>
#include <vector>

#include "platform/registry.h"
#include "platform/registry_value.h"
#include "platform/registry_view.h"

namespace platform {

// Runs after each name of a long list (the message loop must not wait); false ends the walk.
using AfterEach = std::function<bool()>;

// Whether a list of values names the default value (the empty name) too.
enum class DefaultValue { Left, Listed };

class RegKey {
public:
    RegKey() = default;
    ~RegKey();
    RegKey(RegKey&& other) noexcept;
    RegKey& operator=(RegKey&& other) noexcept;
    RegKey(const RegKey&) = delete;
    RegKey& operator=(const RegKey&) = delete;

    // `parent` is a root or the handle of an open key; on failure `key` is left closed.
    static Status open(Registry& registry, Key parent, const std::string& path, View view, std::uint32_t access,
                       RegKey& key);
    // Creates missing keys on the way.
    static Status create(Registry& registry, Key parent, const std::string& path, View view, std::uint32_t access,
                         RegKey& key, std::uint32_t* disposition = nullptr);

    bool isOpen() const { return key_ != 0; }
    Key handle() const { return key_; }
    View view() const { return view_; }

    // The whole value and its type: the size asked first, asked again (a few
    // times) when the value grew meanwhile.
    Status read(const std::string& name, RegValue& value) const;
    Status write(const std::string& name, const RegValue& value) const;
    // A value already gone counts as deleted.
    Status deleteValue(const std::string& name) const;
    // Names exactly as stored, in the registry's order; the default value's empty name left out unless asked for.
    Status valueNames(std::vector<std::string>& names, const AfterEach& afterEach = {},
                      DefaultValue defaultValue = DefaultValue::Left) const;
    // Every named value with its data, in one walk.
    Status values(std::vector<NamedRegValue>& values, const AfterEach& afterEach = {},
                  DefaultValue defaultValue = DefaultValue::Left) const;
    Status subkeyNames(std::vector<std::string>& names, const AfterEach& afterEach = {}) const;

    Status close();

private:
    Registry* registry_ = nullptr;
    Key key_ = 0;
    View view_ = View::Native;
};

// Deletes many values in a row, keeping the key of the last one open: values of
// one key cost one registry call each, not an open and a close as well.
class ValueDeletes {
public:
    explicit ValueDeletes(Registry& registry) : registry_(registry) {}
    // As deleteValue() below: a missing key or value counts as deleted.
    Status remove(Key root, const std::string& path, View view, const std::string& name);

private:
    Registry& registry_;
    RegKey key_;
    Key root_ = 0;
    std::string path_;
};

// One value whole through a key opened for the read alone.
Status readValue(Registry& registry, Key root, const std::string& path, View view, const std::string& name,
                 RegValue& value);
// Creates the key when missing.
Status writeValue(Registry& registry, Key root, const std::string& path, View view, const std::string& name,
                  const RegValue& value);
// A missing key or value counts as deleted.
Status deleteValue(Registry& registry, Key root, const std::string& path, View view, const std::string& name);
// Present when it opens, and also when it exists but refuses this user (access denied).
bool keyExists(Registry& registry, Key root, const std::string& path, View view);
// Deletes the key at `path` when it has no subkeys (5 when it has); already gone is success.
Status deleteKey(Registry& registry, Key root, const std::string& path, View view);
// Deletes `path` and everything below it, children first, in `view`; a key
// already gone is success; the root itself (empty path) is refused.
Status deleteKeyTree(Registry& registry, Key root, const std::string& path, View view);
// Whether both views of a 64-bit Windows reach one key at `path` below `root`
// ("Registry Keys Affected by WOW64"); such places are read through the 64-bit
// view from either build, and are no second place to look in.
bool sharedBetweenViews(Key root, const std::string& path);
// The path the 64-bit view (and its registry editor) gives the key at `path` in
// `view`: a redirected key of a 32-bit view lies under its WOW6432Node.
std::string pathIn64BitView(Registry& registry, Key root, const std::string& path, View view);
// Windows 9x keeps some keys under "Windows", NT under "Windows NT": the 9x path when that key exists, else the NT one.
const std::string& ninexOrNtPath(Registry& registry, Key root, const std::string& ninexPath,
                                 const std::string& ntPath, View view = View::Native);

}  // namespace platform
