#pragma once
// Deleting the registry entries of ticked findings: each place saved in one
// backup set first, deleted only once that set is written, and every failure
// kept with its reason so its row can stay.
#include <string>
#include <vector>

#include "backup/backups.h"
#include "platform/registry.h"
#include "scanner/finding.h"

namespace scanner {

struct DeletionResult {
    std::vector<bool> deleted;          // one per finding asked for: its entry is gone
    std::vector<std::string> failures;  // "location: reason" for each finding that stays
};

// Findings come in the order their deletes run. One that is already gone counts as deleted.
DeletionResult deleteFindings(platform::Registry& registry, backup::Backups& backups,
                              const std::vector<const Finding*>& findings);

}  // namespace scanner
