#pragma once
// The backup sets beside the program: a new set for each command that changes
// the machine, the list of sets, their restore and their removal.
#include <string>
#include <vector>

#include "backup/backup_set.h"
#include "platform/machine.h"

namespace backup {

struct SetSummary {
    std::string folderName;  // the set's name in the Backups folder
    std::string made;        // "2026-12-09 18:15:02"
    std::string command;
    std::size_t entries = 0;
    bool readable = false;   // contents.txt is whole and can be read
};

struct RestoreResult {
    bool restored = false;
    std::string error;                // why nothing was restored, or what went wrong on the way
    std::vector<Problem> problems;    // places the restore could not put back
};

class Backups {
public:
    // `folder` holds the sets; the program keeps them in "Backups" beside itself.
    Backups(platform::Machine& machine, std::string folder);

    // A new set for `command`, named by the clock; nothing is written before its first place.
    BackupSet open(const std::string& command);
    // Every set, newest first. Half-written sets are not sets.
    std::vector<SetSummary> list();
    // Puts back every place of the set as it was, after saving their present
    // state as a set of its own. Refused whole when the set is damaged or that save fails.
    RestoreResult restore(const std::string& folderName);
    // Removes the set's folder with everything in it.
    platform::Status remove(const std::string& folderName);

    const std::string& folder() const { return folder_; }

private:
    bool validSetName(const std::string& name) const;
    bool readSet(const std::string& folderName, Contents& contents, std::string& registryText, std::string& error);
    bool saveBeforeRestore(const std::string& folderName, const Contents& contents, RestoreResult& result);
    void putBack(const std::string& setFolder, const Contents& contents, const std::string& registryText,
                 RestoreResult& result);

    platform::Machine& machine_;
    std::string folder_;
};

// The program's own Backups folder, beside the program.
std::string programBackupsFolder(platform::Files& files);

}  // namespace backup
