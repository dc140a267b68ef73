#include "backup/backup_set.h"

#include <cstdio>

#include "backup/set_folder.h"
#include "platform/reg_file.h"
#include "platform/status_text.h"

namespace backup {
namespace {

constexpr platform::RegFileFormat kFormat = platform::RegFileFormat::Regedit4;
// What a profile read gives back only when the key is not there.
constexpr const char* kAbsentText = "\x7f<absent>\x7f";
constexpr std::uint32_t kIniTextLimit = 65536;

bool breaksALine(const std::string& text) { return text.find_first_of("\r\n") != std::string::npos; }

std::string parentOf(const std::string& path) {
    const auto slash = path.find_last_of('\\');
    return slash == std::string::npos ? std::string() : path.substr(0, slash);
}

// The copy keeps the original's extension, so it opens with the right program.
std::string copyName(int number, const std::string& original) {
    const std::string name = original.substr(original.find_last_of('\\') + 1);
    const auto dot = name.find_last_of('.');
    std::string extension = dot == std::string::npos ? std::string() : name.substr(dot);
    if (extension.size() > 16 || extension.find_first_of(" \t") != std::string::npos) extension.clear();
    char digits[16];
    std::snprintf(digits, sizeof digits, "%05d", number);
    return digits + extension;
}

}  // namespace

BackupSet::BackupSet(platform::Machine& machine, std::string partialFolder, std::string finalFolder,
                     std::string command, std::string made)
    : machine_(machine),
      partialFolder_(std::move(partialFolder)),
      finalFolder_(std::move(finalFolder)),
      command_(std::move(command)),
      made_(std::move(made)) {}

BackupSet::~BackupSet() { discard(); }

bool BackupSet::ready() {
    if (folderState_ == 0) {
        // The Backups folder may be there already; the set's own folder must be new.
        machine_.files.createFolder(parentOf(partialFolder_));
        const platform::Status status = machine_.files.createFolder(partialFolder_);
        folderState_ = status == platform::kSuccess ? 1 : -1;
        if (status != platform::kSuccess)
            folderProblem_ = "the backup folder " + partialFolder_ + " cannot be made: " + platform::describeStatus(status);
    }
    return folderState_ == 1 && !committed_;
}

bool BackupSet::refuse(const std::string& place, const std::string& reason) {
    problems_.push_back({place, reason});
    return false;
}

void BackupSet::take(const Entry& entry) {
    entries_.push_back(entry);
    contentsText_ += contentsLine(entry);
}

bool BackupSet::addKey(platform::Key root, const std::string& path, platform::View view) {
    const std::string place = placeName(machine_.registry, root, path, view);
    if (place.empty()) return refuse(path, "it is not under a registry root this program knows");
    if (breaksALine(path)) return refuse(place, "its name cannot be written to a registry file");
    if (!ready()) return refuse(place, committed_ ? "the backup was already written" : folderProblem_);
    std::string section;
    const auto captured = appendKeyRestore(machine_.registry, root, path, view, kFormat, section);
    if (captured == Captured::Unreadable) return refuse(place, "it cannot be read whole");
    registryText_ += section;
    take(makeEntry(EntryKind::RegistryKey, captured == Captured::Existed, place));
    return true;
}

bool BackupSet::addValue(platform::Key root, const std::string& path, const std::string& name,
                         platform::View view) {
    const std::string place = placeName(machine_.registry, root, path, view);
    if (place.empty()) return refuse(path, "it is not under a registry root this program knows");
    if (breaksALine(path) || breaksALine(name))
        return refuse(place + "\\" + name, "its name cannot be written to a registry file");
    if (!ready()) return refuse(place + "\\" + name, committed_ ? "the backup was already written" : folderProblem_);
    std::string section;
    const auto captured = captureValue(root, path, view, name, place, section);
    if (captured == Captured::Unreadable) return refuse(place + "\\" + name, "it cannot be read");
    appendValueSection(place, section);
    Entry entry = makeEntry(EntryKind::RegistryValue, captured == Captured::Existed, place);
    entry.name = name;
    take(entry);
    return true;
}

Captured BackupSet::captureValue(platform::Key root, const std::string& path, platform::View view,
                                 const std::string& name, const std::string& place, std::string& section) {
    if (!heldKey_.isOpen() || heldRoot_ != root || heldPath_ != path || heldKey_.view() != view) {
        closeHeldKey();
        std::string trimmed = path;
        while (!trimmed.empty() && trimmed.back() == '\\') trimmed.pop_back();
        // A key that cannot be opened is saved as missing or refused, one value at a time.
        if (platform::RegKey::open(machine_.registry, root, trimmed, view, platform::kKeyQueryValue, heldKey_) !=
            platform::kSuccess)
            return appendValueRestore(machine_.registry, root, path, view, name, kFormat, section);
        heldRoot_ = root;
        heldPath_ = path;
    }
    return appendValueRestoreFromKey(heldKey_, place, name, kFormat, section);
}

// Values of one key saved in a row share one [key] line, as the registry editor writes them.
void BackupSet::appendValueSection(const std::string& place, const std::string& section) {
    const std::string header = "[" + place + "]\r\n";
    const bool sameKey = section.compare(0, header.size(), header) == 0 && lastValueKey_ == place &&
                         registryText_.size() == lastValueEnd_;
    if (sameKey) {
        registryText_.resize(registryText_.size() - 2);  // the blank line that closed the section
        registryText_.append(section, header.size(), std::string::npos);
    } else {
        registryText_ += section;
    }
    // A removed key ("[-key]") opens no section later values could join.
    lastValueKey_ = section.compare(0, header.size(), header) == 0 ? place : std::string();
    lastValueEnd_ = registryText_.size();
}

void BackupSet::closeHeldKey() { heldKey_.close(); }

bool BackupSet::addIniKey(const std::string& file, const std::string& section, const std::string& key) {
    const std::string place = file + " [" + section + "] " + key;
    if (!ready()) return refuse(place, committed_ ? "the backup was already written" : folderProblem_);
    std::string buffer(kIniTextLimit, '\0');
    const auto length = machine_.profile.getString(section, key, kAbsentText, buffer.data(), kIniTextLimit, file);
    buffer.resize(length);
    if (length + 1 >= kIniTextLimit) return refuse(place, "its text is too long to be read whole");
    Entry entry = makeEntry(EntryKind::IniKey, buffer != kAbsentText, file);
    entry.section = section;
    entry.name = key;
    if (entry.existed) entry.oldText = buffer;
    take(entry);
    return true;
}

bool BackupSet::addFile(const std::string& path) {
    if (!ready()) return refuse(path, committed_ ? "the backup was already written" : folderProblem_);
    std::uint32_t attributes = 0;
    const platform::Status status = machine_.files.getAttributes(path, attributes);
    if (status == platform::kFileNotFound || status == platform::kPathNotFound) {
        take(makeEntry(EntryKind::File, false, path));
        return true;
    }
    if (status != platform::kSuccess) return refuse(path, platform::describeStatus(status));
    if (attributes & platform::kAttrDirectory) return refuse(path, "it is a folder");
    if (copies_ == 0) machine_.files.createFolder(partialFolder_ + "\\files");
    const std::string copy = "files\\" + copyName(copies_ + 1, path);
    const platform::Status copied = machine_.files.copyFile(path, partialFolder_ + "\\" + copy, true);
    if (copied != platform::kSuccess) return refuse(path, "it cannot be copied: " + platform::describeStatus(copied));
    ++copies_;
    Entry entry = makeEntry(EntryKind::File, true, path);
    entry.copy = copy;
    take(entry);
    return true;
}

bool BackupSet::commit() {
    if (committed_) return problems_.empty();
    committed_ = true;
    closeHeldKey();
    if (entries_.empty()) {
        if (folderState_ == 1) discardPartial();
        return true;
    }
    if (writeWhole()) return true;
    // Nothing of a set that is not in place may be changed.
    for (const auto& entry : entries_) problems_.push_back({entry.place, folderProblem_});
    entries_.clear();
    discardPartial();
    return false;
}

bool BackupSet::writeWhole() {
    auto failed = [&](const std::string& what, platform::Status status) {
        folderProblem_ = "the backup could not be written (" + what + "): " + platform::describeStatus(status);
        return false;
    };
    const std::string registry = platform::regFileHeader(kFormat) + registryText_ + kRegistryEndMarker + "\r\n";
    if (auto status = machine_.files.writeFile(partialFolder_ + "\\registry.reg", registry)) return failed("registry.reg", status);
    const std::string contents = contentsHeader(command_, made_) + contentsText_ + contentsFooter(entries_.size());
    if (auto status = machine_.files.writeFile(partialFolder_ + "\\contents.txt", contents)) return failed("contents.txt", status);
    if (auto status = machine_.files.moveFile(partialFolder_, finalFolder_)) return failed(finalFolder_, status);
    return true;
}

void BackupSet::discard() {
    closeHeldKey();
    if (committed_) return;
    committed_ = true;
    entries_.clear();
    if (folderState_ == 1) discardPartial();
}

void BackupSet::discardPartial() { removeSetFolder(machine_.files, partialFolder_); }

}  // namespace backup
