#include "startup/startup_sources.h"

#include <string_view>

#include "platform/registry_roots.h"
#include "startup/startup_places.h"

namespace startup {
namespace {

using platform::kHkeyCurrentUser;
using platform::kHkeyLocalMachine;
using platform::View;

// Which view a row reads: the build's own, the other one, or one fixed view.
enum class ViewChoice { Own, Other, Bits64, Bits32 };

struct SourceRow {
    Source source;
    platform::Key root;
    ViewChoice view;
    const char* liveKey;
    const char* otherFormKey;
    const char* parkingKey;    // entries of the 64-bit view, or of the only one
    const char* parkingKey32;  // entries of the 32-bit view
    int locationText;          // 64-bit view, or the only one
    int locationText32;
    bool approved;             // Windows keeps a state for its entries
    bool offeredForAdding;
};

// Shared keys (the user's Software, Policies) are one key in both views and read through the 64-bit one.
constexpr SourceRow kRows[] = {
    {Source::MachineRun, kHkeyLocalMachine, ViewChoice::Own, kRunKey, kRunKeyNt, kParkedRunKey, kParkedRun32Key, 116,
     116, true, true},
    {Source::UserRun, kHkeyCurrentUser, ViewChoice::Bits64, kRunKey, kRunKeyNt, kParkedRunKey, kParkedRunKey, 117, 117,
     true, true},
    {Source::MachineRunServices, kHkeyLocalMachine, ViewChoice::Own, kRunServicesKey, kRunServicesKeyNt,
     kParkedRunServicesKey, kParkedRunServicesKey, 118, 118, false, true},
    {Source::MachineRunOtherView, kHkeyLocalMachine, ViewChoice::Other, kRunKey, nullptr, kParkedRunKey,
     kParkedRun32Key, 221, 220, true, true},
    {Source::MachineRunOnce, kHkeyLocalMachine, ViewChoice::Bits64, kRunOnceKey, nullptr, kParkedRunOnceKey,
     kParkedRunOnceKey, 222, 222, false, true},
    {Source::MachineRunOnce32, kHkeyLocalMachine, ViewChoice::Bits32, kRunOnceKey, nullptr, kParkedRunOnce32Key,
     kParkedRunOnce32Key, 223, 223, false, true},
    {Source::UserRunOnce, kHkeyCurrentUser, ViewChoice::Bits64, kRunOnceKey, nullptr, kParkedRunOnceKey,
     kParkedRunOnceKey, 224, 224, false, true},
    {Source::MachinePolicyRun, kHkeyLocalMachine, ViewChoice::Bits64, kPolicyRunKey, nullptr, kParkedPolicyRunKey,
     kParkedPolicyRunKey, 225, 225, false, false},
    {Source::UserPolicyRun, kHkeyCurrentUser, ViewChoice::Bits64, kPolicyRunKey, nullptr, kParkedPolicyRunKey,
     kParkedPolicyRunKey, 226, 226, false, false},
};

std::optional<View> resolve(ViewChoice choice, const platform::RegistryViews& views) {
    switch (choice) {
    case ViewChoice::Own:
        return views.resolved(View::Native);
    case ViewChoice::Other:
        if (!views.hasSecondView()) return std::nullopt;
        return views.otherView();
    case ViewChoice::Bits64:
        return views.hasSecondView() ? View::Bits64 : View::Native;
    case ViewChoice::Bits32:
        if (!views.hasSecondView()) return std::nullopt;
        return View::Bits32;
    }
    return std::nullopt;
}

std::optional<RegistrySource> resolved(const SourceRow& row, const platform::RegistryViews& views) {
    const std::optional<View> view = resolve(row.view, views);
    if (!view) return std::nullopt;
    const bool bits32 = *view == View::Bits32;
    // The machine's 32-bit Run entries have a state key of their own.
    const char* approved = !row.approved ? nullptr : bits32 && row.root == kHkeyLocalMachine ? kApprovedRun32Key
                                                                                               : kApprovedRunKey;
    return RegistrySource{row.source,
                          row.root,
                          *view,
                          row.liveKey,
                          row.otherFormKey,
                          bits32 ? row.parkingKey32 : row.parkingKey,
                          bits32 ? row.locationText32 : row.locationText,
                          approved,
                          row.offeredForAdding};
}

}  // namespace

std::vector<RegistrySource> registrySources(const platform::RegistryViews& views) {
    std::vector<RegistrySource> sources;
    for (const SourceRow& row : kRows)
        if (auto source = resolved(row, views)) sources.push_back(*source);
    return sources;
}

std::optional<RegistrySource> registrySource(Source source, const platform::RegistryViews& views) {
    for (const SourceRow& row : kRows)
        if (row.source == source) return resolved(row, views);
    return std::nullopt;
}

ValuePlace placeOf(const StartupEntry& entry) { return {entry.root, entry.view, entry.keyPath}; }

ValuePlace livePlace(const RegistrySource& source) { return {source.root, source.view, source.liveKey}; }

ValuePlace parkingPlace(const RegistrySource& source) { return {source.root, kOwnKeysView, source.parkingKey}; }

std::optional<ValuePlace> otherFormPlace(const RegistrySource& source) {
    if (!source.otherFormKey) return std::nullopt;
    return ValuePlace{source.root, source.view, source.otherFormKey};
}

bool samePlace(const ValuePlace& a, const ValuePlace& b) {
    return a.root == b.root && a.view == b.view && sameText(a.path, b.path);
}

std::string describePlace(const ValuePlace& place, const std::string& name) {
    const platform::RootName* root = platform::rootByHandle(place.root);
    std::string text(root ? root->word : "?");
    text += '\\';
    text += place.path;
    if (place.view == View::Bits32) text += " (32-bit)";
    text += " \"";
    text += name;
    text += '"';
    return text;
}

bool backUpValue(backup::BackupSet& set, const ValuePlace& place, const std::string& name) {
    return set.addValue(place.root, place.path, name, place.view);
}

int locationTextKey(Source source, const platform::RegistryViews& views) {
    if (const auto row = registrySource(source, views)) return row->locationText;
    return 115 + static_cast<int>(source);
}

}  // namespace startup
