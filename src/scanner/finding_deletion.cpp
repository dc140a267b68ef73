#include "scanner/finding_deletion.h"

#include <algorithm>
#include <optional>

#include "platform/registry_key.h"
#include "platform/registry_redirector.h"
#include "platform/status_text.h"

namespace scanner {
namespace {

platform::KeyPath partsOf(const std::string& path) {
    platform::KeyPath parts;
    for (std::size_t start = 0; start <= path.size();) {
        const std::size_t cut = std::min(path.find('\\', start), path.size());
        if (cut > start) parts.push_back(path.substr(start, cut - start));
        start = cut + 1;
    }
    return parts;
}

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

// Where the backup set, which saves through this build's own view, finds a place: the key
// itself when the views share it or it is this build's; a 32-bit-view key under its
// WOW6432Node path from a 64-bit build, where the 64-bit registry editor puts it back too.
// A 32-bit build cannot name a 64-bit-only key: nothing.
std::optional<std::string> backupPath(platform::Registry& registry, const Place& place) {
    const platform::RegistryViews views = registry.views();
    const platform::View view = views.resolved(place.view);
    if (view == views.ownView() || platform::sharedBetweenViews(place.root, place.keyPath)) return place.keyPath;
    if (view != platform::View::Bits32) return std::nullopt;
    std::string path;
    for (const std::string& part : platform::physicalPathIn32BitView(place.root, partsOf(place.keyPath)))
        path += (path.empty() ? "" : "\\") + part;
    return path;
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
            const std::optional<std::string> savedAt = backupPath(registry, place);
            const bool added = savedAt && (place.wholeKey ? set.addKey(place.root, *savedAt)
                                                          : set.addValue(place.root, *savedAt, place.valueName));
            if (!added) {
                saved[i] = false;
                const std::string reason = !savedAt                 ? "this build cannot reach its registry view"
                                           : set.problems().empty() ? std::string()
                                                                    : set.problems().back().reason;
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
