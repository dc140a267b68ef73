#pragma once
// One bad reference a check found, and the registry places its delete removes.
#include <string>
#include <vector>

#include "platform/registry.h"

namespace scanner {

// The category number each finding carries (FindingTag); it decides its delete.
enum class Tag : int {
    Font = 1,
    SharedDll,
    AppPath,
    Help,
    HtmlHelp,
    DefaultIcon,
    FileType,
    ComServer,
    TypeLibrary,
    ToolboxBitmap
};

// A value, or a key with everything below it, named exactly as the registry holds it.
struct DeletePlace {
    bool wholeKey = false;
    platform::Key root = 0;
    std::string keyPath;  // the key holding the value, or the parent of the key deleted
    std::string name;     // the value name, or the key's own name
};

struct Finding {
    std::string location;   // where the reference lives, as the list shows it
    std::string reference;  // what it refers to
    Tag tag = Tag::Font;
    std::vector<DeletePlace> places;  // all tried, in order; one that is gone already counts as deleted
};

inline DeletePlace valuePlace(platform::Key root, std::string keyPath, std::string name) {
    return {false, root, std::move(keyPath), std::move(name)};
}
inline DeletePlace keyPlace(platform::Key root, std::string parentPath, std::string name) {
    return {true, root, std::move(parentPath), std::move(name)};
}

}  // namespace scanner
