#include "platform/registry_roots.h"

#include <array>

namespace platform {
namespace {

constexpr std::array<RootName, 6> kRoots = {{{"HKLM", kHkeyLocalMachine, "HKEY_LOCAL_MACHINE"},
                                             {"HKCU", kHkeyCurrentUser, "HKEY_CURRENT_USER"},
                                             {"HKCR", kHkeyClassesRoot, "HKEY_CLASSES_ROOT"},
                                             {"HKU", kHkeyUsers, "HKEY_USERS"},
                                             {"HKCC", kHkeyCurrentConfig, "HKEY_CURRENT_CONFIG"},
                                             {"HKDD", kHkeyDynData, "HKEY_DYN_DATA"}}};

bool sameIgnoringCase(std::string_view a, std::string_view b) {
    if (a.size() != b.size()) return false;
    for (std::size_t i = 0; i < a.size(); ++i) {
        char x = a[i], y = b[i];
        if (x >= 'a' && x <= 'z') x = static_cast<char>(x - 32);
        if (y >= 'a' && y <= 'z') y = static_cast<char>(y - 32);
        if (x != y) return false;
    }
    return true;
}

template <typename Match>
const RootName* findRoot(Match match) {
    for (const RootName& root : kRoots)
        if (match(root)) return &root;
    return nullptr;
}

}  // namespace

const RootName* rootByWord(std::string_view word) {
    return findRoot([&](const RootName& root) { return sameIgnoringCase(root.word, word); });
}
const RootName* rootByRegFileName(std::string_view name) {
    return findRoot([&](const RootName& root) { return sameIgnoringCase(root.regFileName, name); });
}
const RootName* rootByHandle(Key handle) {
    return findRoot([&](const RootName& root) { return root.handle == handle; });
}

}  // namespace platform
