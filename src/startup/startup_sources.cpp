#include "startup/startup_sources.h"

#include "platform/registry_roots.h"
#include "startup/startup_places.h"

namespace startup {

using platform::kHkeyCurrentUser;
using platform::kHkeyLocalMachine;
using platform::View;

const std::vector<RegistrySource>& registrySources() {
    // The user's Software key is one key in both views; it is read through the 64-bit one.
    static const std::vector<RegistrySource> sources = {
        {Source::MachineRun, kHkeyLocalMachine, View::Native, kRunKey, kRunKeyNt, kParkedRunKey},
        {Source::UserRun, kHkeyCurrentUser, View::Bits64, kRunKey, kRunKeyNt, kParkedRunKey},
        {Source::MachineRunServices, kHkeyLocalMachine, View::Native, kRunServicesKey, kRunServicesKeyNt,
         kParkedRunServicesKey},
    };
    return sources;
}

const RegistrySource* registrySource(Source source) {
    for (const RegistrySource& row : registrySources())
        if (row.source == source) return &row;
    return nullptr;
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
    text += " \"";
    text += name;
    text += '"';
    return text;
}

bool backUpValue(backup::BackupSet& set, const ValuePlace& place, const std::string& name) {
    return set.addValue(place.root, place.path, name);
}

int locationTextKey(Source source) { return 115 + static_cast<int>(source); }

}  // namespace startup
