#include "backup/backups.h"

#include <algorithm>

#include "backup/set_folder.h"
#include "platform/reg_file.h"
#include "platform/status_text.h"

namespace backup {
namespace {

bool exists(platform::Files& files, const std::string& path) {
    std::uint32_t attributes = 0;
    return files.getAttributes(path, attributes) == platform::kSuccess;
}

bool endsWith(const std::string& text, const std::string& end) {
    return text.size() >= end.size() && text.compare(text.size() - end.size(), end.size(), end) == 0;
}

// The registry part must end with the marker line: a file cut short parses but misses places.
bool registryWhole(const std::string& text) {
    std::string trimmed = text;
    while (!trimmed.empty() && (trimmed.back() == '\r' || trimmed.back() == '\n')) trimmed.pop_back();
    return endsWith(trimmed, kRegistryEndMarker);
}

}  // namespace

std::string programBackupsFolder(platform::Files& files) { return files.programFolder() + "\\Backups"; }

Backups::Backups(platform::Machine& machine, std::string folder) : machine_(machine), folder_(std::move(folder)) {}

BackupSet Backups::open(const std::string& command) {
    const platform::CalendarTime now = machine_.desktop.localTime();
    // Only the names this set could take are looked at, never the whole folder.
    std::string name;
    for (int counter = 1;; ++counter) {
        name = setFolderName(now, command, counter);
        const std::string path = folder_ + "\\" + name;
        if (!exists(machine_.files, path) && !exists(machine_.files, path + kPartialSuffix)) break;
    }
    const std::string path = folder_ + "\\" + name;
    return BackupSet(machine_, path + kPartialSuffix, path, command, madeText(now));
}

std::vector<SetSummary> Backups::list() {
    std::vector<platform::FoundEntry> found;
    machine_.files.find(folder_ + "\\*", found);
    std::vector<SetSummary> sets;
    for (const auto& entry : found) {
        if (!(entry.attributes & platform::kAttrDirectory) || !validSetName(entry.name)) continue;
        SetSummary summary;
        summary.folderName = entry.name;
        std::string text, error;
        Contents contents;
        if (machine_.files.readFile(folder_ + "\\" + entry.name + "\\contents.txt", text) == platform::kSuccess &&
            parseContents(text, contents, error)) {
            summary.made = contents.made;
            summary.command = contents.command;
            summary.entries = contents.entries.size();
            summary.readable = true;
        }
        sets.push_back(std::move(summary));
    }
    // Names begin with the date and time, so the newest sort last by name.
    std::sort(sets.begin(), sets.end(), [](const SetSummary& a, const SetSummary& b) { return a.folderName > b.folderName; });
    return sets;
}

bool Backups::validSetName(const std::string& name) const {
    return !name.empty() && name != "." && name != ".." && name.find_first_of("\\/") == std::string::npos &&
           !endsWith(name, kPartialSuffix);
}

bool Backups::readSet(const std::string& folderName, Contents& contents, std::string& registryText,
                      std::string& error) {
    const std::string setFolder = folder_ + "\\" + folderName;
    std::string text;
    if (auto status = machine_.files.readFile(setFolder + "\\contents.txt", text)) {
        error = "contents.txt cannot be read: " + platform::describeStatus(status);
        return false;
    }
    if (!parseContents(text, contents, error)) return false;
    if (auto status = machine_.files.readFile(setFolder + "\\registry.reg", registryText)) {
        error = "registry.reg cannot be read: " + platform::describeStatus(status);
        return false;
    }
    platform::RegFileError regError;
    if (!platform::checkRegFile(registryText, regError)) {
        error = "registry.reg, " + regError.describe();
        return false;
    }
    if (!registryWhole(registryText)) {
        error = "registry.reg ends early: the set was cut short";
        return false;
    }
    return true;
}

RestoreResult Backups::restore(const std::string& folderName) {
    RestoreResult result;
    if (!validSetName(folderName)) {
        result.error = "\"" + folderName + "\" is not a backup set";
        return result;
    }
    Contents contents;
    std::string registryText;
    if (!readSet(folderName, contents, registryText, result.error)) return result;
    if (!saveBeforeRestore(folderName, contents, result)) return result;
    putBack(folder_ + "\\" + folderName, contents, registryText, result);
    return result;
}

bool Backups::saveBeforeRestore(const std::string& folderName, const Contents& contents, RestoreResult& result) {
    BackupSet before = open("Restore of " + folderName);
    bool all = true;
    for (const auto& entry : contents.entries) {
        platform::Key root = 0;
        std::string path;
        switch (entry.kind) {
        case EntryKind::RegistryKey:
            // Places are named as the 64-bit view names them, WOW6432Node and all.
            all = platform::splitRegKeyName(entry.place, root, path) &&
                  before.addKey(root, path, platform::View::Bits64) && all;
            break;
        case EntryKind::RegistryValue:
            all = platform::splitRegKeyName(entry.place, root, path) &&
                  before.addValue(root, path, entry.name, platform::View::Bits64) && all;
            break;
        case EntryKind::IniKey: all = before.addIniKey(entry.place, entry.section, entry.name) && all; break;
        case EntryKind::File: all = before.addFile(entry.place) && all; break;
        }
    }
    // A restore that could not save everything it would overwrite overwrites nothing.
    if (!all) before.discard();
    if (all && before.commit()) return true;
    result.problems = before.problems();
    result.error = "the present state could not be backed up first, so nothing was restored";
    if (!result.problems.empty()) result.error += ": " + result.problems.front().reason;
    return false;
}

void Backups::putBack(const std::string& setFolder, const Contents& contents, const std::string& registryText,
                      RestoreResult& result) {
    platform::RegFileError regError;
    if (!platform::loadRegFile(machine_.registry, registryText, regError))
        result.problems.push_back({"registry.reg", regError.describe()});
    for (const auto& entry : contents.entries) {
        if (entry.kind == EntryKind::IniKey) {
            const std::optional<std::string> text = entry.existed ? std::optional(entry.oldText) : std::nullopt;
            if (!machine_.profile.writeString(entry.section, entry.name, text, entry.place))
                result.problems.push_back({entry.place + " [" + entry.section + "] " + entry.name, "the file cannot be written"});
        } else if (entry.kind == EntryKind::File) {
            platform::Status status = platform::kSuccess;
            if (entry.existed) {
                status = machine_.files.copyFile(setFolder + "\\" + entry.copy, entry.place, false);
            } else if (exists(machine_.files, entry.place)) {
                status = machine_.files.deleteFile(entry.place);
            }
            if (status != platform::kSuccess) result.problems.push_back({entry.place, platform::describeStatus(status)});
        }
    }
    result.restored = result.problems.empty();
    if (!result.restored) result.error = "some places could not be put back";
}

platform::Status Backups::remove(const std::string& folderName) {
    if (!validSetName(folderName)) return platform::kInvalidName;
    return removeSetFolder(machine_.files, folder_ + "\\" + folderName);
}

}  // namespace backup
