#include "scanner/finding_deletion.h"

#include "platform/status_text.h"

namespace scanner {
namespace {

const char* rootWord(platform::Key root) {
    switch (root) {
    case platform::kHkeyClassesRoot: return "HKCR";
    case platform::kHkeyCurrentUser: return "HKCU";
    case platform::kHkeyUsers: return "HKU";
    default: return "HKLM";
    }
}

std::string fullPath(const DeletePlace& place) {
    return place.keyPath.empty() ? place.name : place.keyPath + "\\" + place.name;
}

// Only what is there is saved and deleted: saving a missing entry would have a restore remove it later.
bool exists(store::SettingsStore& store, const DeletePlace& place) {
    if (place.wholeKey) return store.keyExists(place.root, fullPath(place));
    std::uint32_t type = 0;
    std::string data;
    return store.readRawValue(place.root, place.keyPath, place.name, type, data) != platform::kFileNotFound;
}

// A key is deleted by its own name: an empty one or a path would reach another key.
bool validPlace(const DeletePlace& place) {
    return !place.wholeKey || (!place.name.empty() && place.name.find('\\') == std::string::npos);
}

}  // namespace

DeletionResult deleteFindings(store::SettingsStore& store, backup::Backups& backups,
                              const std::vector<const Finding*>& findings) {
    DeletionResult result;
    result.deleted.assign(findings.size(), false);
    std::vector<std::vector<const DeletePlace*>> present(findings.size());
    std::vector<bool> saved(findings.size(), true);
    backup::BackupSet set = backups.open("Registry scanner delete");
    for (std::size_t i = 0; i < findings.size(); ++i) {
        for (const DeletePlace& place : findings[i]->places) {
            if (!validPlace(place)) {
                saved[i] = false;
                result.failures.push_back(findings[i]->location + ": the entry's name is not a single key name");
                break;
            }
            if (!exists(store, place)) continue;
            const bool added = place.wholeKey ? set.addKey(place.root, fullPath(place))
                                              : set.addValue(place.root, place.keyPath, place.name);
            if (!added) {
                saved[i] = false;
                result.failures.push_back(findings[i]->location + ": it could not be backed up first (" +
                                          set.problems().back().reason + ")");
                break;
            }
            present[i].push_back(&place);
        }
    }
    if (!set.commit()) {
        const std::string reason = set.problems().empty() ? std::string() : set.problems().back().reason;
        result.failures.clear();
        for (const Finding* finding : findings)
            result.failures.push_back(finding->location + ": it could not be backed up first (" + reason + ")");
        return result;
    }
    for (std::size_t i = 0; i < findings.size(); ++i) {
        if (!saved[i]) continue;
        platform::Status status = platform::kSuccess;
        for (const DeletePlace* place : present[i]) {
            status = place->wholeKey ? store.deleteKeyTree(rootWord(place->root), place->keyPath, place->name)
                                     : store.deleteValue(rootWord(place->root), place->keyPath, place->name);
            if (status != platform::kSuccess) break;
        }
        result.deleted[i] = status == platform::kSuccess;
        if (!result.deleted[i]) result.failures.push_back(findings[i]->location + ": " + platform::describeStatus(status));
    }
    return result;
}

}  // namespace scanner
