#include "platform/files.h"

namespace platform {

std::string findOrdinaryFile(Files& files, const std::string& pattern) {
    // Files has no current folder to search an empty pattern in.
    if (pattern.empty()) return {};
    std::vector<FoundEntry> entries;
    if (files.find(pattern, entries) != kSuccess) return {};
    for (const auto& entry : entries) {
        // A search for normal files admits read-only and archive, nothing else.
        if (entry.attributes & (kAttrDirectory | kAttrHidden | kAttrSystem)) continue;
        return entry.name;
    }
    return {};
}

Status listFolderFiles(Files& files, const std::string& folder, std::vector<std::string>& names) {
    names.clear();
    std::string pattern = folder;
    if (pattern.empty() || (pattern.back() != '\\' && pattern.back() != '/')) pattern += '\\';
    pattern += "*.*";
    std::vector<FoundEntry> entries;
    Status status = files.find(pattern, entries);
    // A drive's top folder has no "." and "..", so an empty one finds nothing at all.
    if (status == kFileNotFound) return kSuccess;
    if (status != kSuccess) return status;
    for (const auto& entry : entries)
        if (!(entry.attributes & kAttrDirectory)) names.push_back(entry.name);
    return kSuccess;
}

}  // namespace platform
