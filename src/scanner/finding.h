#pragma once
// One bad reference a check found: what the findings list shows, the category
// that decides its delete, and the registry places it lives in.
#include <string>
#include <vector>

#include "platform/registry.h"
#include "platform/registry_view.h"

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
struct Place {
    platform::Key root = 0;
    platform::View view = platform::View::Native;
    std::string keyPath;    // the key holding the value, or the key deleted whole
    std::string valueName;  // the value's name; unused for a whole key
    bool wholeKey = false;
    bool operator==(const Place&) const = default;
};

struct Finding {
    std::string location;   // where the reference lives, as the list shows it
    std::string reference;  // what it refers to
    Tag tag = Tag::Font;
    std::vector<Place> places;  // what its delete removes, in order; one already gone counts as deleted
};

inline Place valuePlace(platform::Key root, platform::View view, std::string keyPath, std::string name) {
    return {root, view, std::move(keyPath), std::move(name), false};
}
inline Place keyPlace(platform::Key root, platform::View view, std::string keyPath) {
    return {root, view, std::move(keyPath), {}, true};
}

}  // namespace scanner
