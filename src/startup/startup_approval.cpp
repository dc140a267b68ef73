#include "startup/startup_approval.h"

#include <algorithm>
#include <cctype>
#include <map>

#include "platform/registry_key.h"

namespace startup {
namespace {

constexpr std::size_t kStateSize = 12;

struct LessIgnoringCase {
    bool operator()(const std::string& a, const std::string& b) const {
        return std::lexicographical_compare(a.begin(), a.end(), b.begin(), b.end(), [](char x, char y) {
            return std::tolower(static_cast<unsigned char>(x)) < std::tolower(static_cast<unsigned char>(y));
        });
    }
};
using States = std::map<std::string, platform::RegValue, LessIgnoringCase>;

States readStates(platform::Registry& registry, platform::Key root, const std::string& path,
                  const platform::AfterEach& afterEach, bool& going) {
    States states;
    platform::RegKey key;
    if (platform::RegKey::open(registry, root, path, kOwnKeysView, platform::kKeyQueryValue, key) != platform::kSuccess)
        return states;
    std::vector<platform::NamedRegValue> values;
    key.values(values, [&] { return going = !afterEach || afterEach(); });
    for (auto& value : values) states.emplace(std::move(value.name), std::move(value.value));
    return states;
}

}  // namespace

bool saysDisabled(const platform::RegValue& value) {
    return value.type == platform::kRegBinary && !value.data.empty() && (value.data[0] & 1) != 0;
}

platform::RegValue enabledState() {
    platform::RegValue value;
    value.type = platform::kRegBinary;
    value.data.assign(kStateSize, '\0');
    value.data[0] = '\x02';
    return value;
}

std::optional<ApprovalPlace> approvalPlaceFor(const RegistrySource& source, const std::string& name) {
    if (!source.approvedKey) return std::nullopt;
    return ApprovalPlace{source.root, source.approvedKey, name};
}

std::optional<ApprovalPlace> approvalPlaceOf(const StartupEntry& entry, const StartupPlaces& places,
                                             const platform::RegistryViews& views) {
    if (!entry.active) return std::nullopt;
    if (entry.source == Source::StartupFolder) {
        // The all-users folder's files are the machine's; the user's folder's are the user's.
        const bool allUsers = !places.allUsersFolder.empty() && sameText(entry.folder, places.allUsersFolder);
        return ApprovalPlace{allUsers ? platform::kHkeyLocalMachine : platform::kHkeyCurrentUser, kApprovedFolderKey,
                             entry.fileName};
    }
    const auto source = registrySource(entry.source, views);
    return source ? approvalPlaceFor(*source, entry.name) : std::nullopt;
}

bool readApprovals(platform::Machine& machine, const StartupPlaces& places, std::vector<StartupEntry>& entries,
                   const platform::AfterEach& afterEach) {
    const platform::RegistryViews views = machine.registry.views();
    bool going = true;
    std::map<std::pair<platform::Key, std::string>, States> keys;
    for (StartupEntry& entry : entries) {
        entry.approval = approvalPlaceOf(entry, places, views);
        if (!entry.approval) continue;
        auto [at, added] = keys.try_emplace({entry.approval->root, entry.approval->keyPath});
        if (added)
            at->second = readStates(machine.registry, entry.approval->root, entry.approval->keyPath, afterEach, going);
        if (!going) return false;
        const auto state = at->second.find(entry.approval->valueName);
        entry.disabledByWindows = state != at->second.end() && saysDisabled(state->second);
    }
    return true;
}

ValuePlace valuePlaceOf(const ApprovalPlace& place) { return {place.root, kOwnKeysView, place.keyPath}; }

}  // namespace startup
