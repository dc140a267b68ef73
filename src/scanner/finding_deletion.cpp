#include "scanner/finding_deletion.h"

#include <algorithm>

#include "platform/registry_key.h"
#include "platform/status_text.h"

namespace scanner {
namespace {

// Only what is there is saved and deleted: saving a missing entry would have a restore remove it later.
bool exists(platform::Registry& registry, const Place& place) {
    if (place.wholeKey) return platform::keyExists(registry, place.root, place.keyPath, place.view);
    platform::RegValue value;
    return platform::readValue(registry, place.root, place.keyPath, place.view, place.valueName, value) !=
           platform::kFileNotFound;
}

// A key deleted whole is one below its root: an empty path or a stray backslash would reach another key.
bool validPlace(const Place& place) {
    return !place.wholeKey ||
           (!place.keyPath.empty() && place.keyPath.back() != '\\' && place.keyPath.find("\\\\") == std::string::npos);
}

platform::Status remove(platform::Registry& registry, const Place& place) {
    return place.wholeKey ? platform::deleteKeyTree(registry, place.root, place.keyPath, place.view)
                          : platform::deleteValue(registry, place.root, place.keyPath, place.view, place.valueName);
}

}  // namespace

DeletionResult deleteFindings(platform::Registry& registry, backup::Backups& backups,
                              const std::vector<const Finding*>& findings) {
    DeletionResult result;
    result.deleted.assign(findings.size(), false);
    std::vector<std::vector<const Place*>> present(findings.size());
    std::vector<bool> saved(findings.size(), true);
    backup::BackupSet set = backups.open("Registry scanner delete");
    for (std::size_t i = 0; i < findings.size(); ++i) {
        for (const Place& place : findings[i]->places) {
            if (!validPlace(place)) {
                saved[i] = false;
                result.failures.push_back(findings[i]->location + ": the entry's name is not a single key name");
                break;
            }
            if (!exists(registry, place)) continue;
            const bool added = place.wholeKey ? set.addKey(place.root, place.keyPath, place.view)
                                              : set.addValue(place.root, place.keyPath, place.valueName, place.view);
            if (!added) {
                saved[i] = false;
                const std::string reason = set.problems().empty() ? std::string() : set.problems().back().reason;
                result.failures.push_back(findings[i]->location + ": it could not be backed up first (" + reason + ")");
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
        for (const Place* place : present[i])
            if ((status = remove(registry, *place)) != platform::kSuccess) break;
        result.deleted[i] = status == platform::kSuccess;
        if (!result.deleted[i]) result.failures.push_back(findings[i]->location + ": " + platform::describeStatus(status));
    }
    return result;
}

}  // namespace scanner
