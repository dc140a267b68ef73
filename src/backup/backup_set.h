#pragma once
// One backup set: everything a command is about to change, saved as it is now,
// before the command's first change. A command adds each place it will delete,
// change or create, commits the set, and then changes only the places the set
// took in. A place the set could not take is left alone, with its reason.
#include <string>
#include <vector>

#include "backup/contents.h"
#include "platform/machine.h"
#include "backup/registry_capture.h"
#include "platform/reg_file.h"

namespace backup {

struct Problem {
    std::string place;   // what was left alone, as contents.txt names it
    std::string reason;  // why, in words
};

class BackupSet {
public:
    // `partialFolder` is where the set is written; `commit` renames it to `finalFolder`.
    BackupSet(platform::Machine& machine, std::string partialFolder, std::string finalFolder, std::string command,
              std::string made);
    // A set dropped without its commit leaves nothing behind.
    ~BackupSet();
    BackupSet(const BackupSet&) = delete;
    BackupSet& operator=(const BackupSet&) = delete;

    // Each saves one place with its state now and says whether it did; on false
    // the command must leave the place alone. An empty value name is the default value.
    // A registry place is read in `view` and saved under the name the 64-bit
    // registry editor gives it, so it goes back to that view from either build.
    bool addKey(platform::Key root, const std::string& path, platform::View view = platform::View::Native);
    bool addValue(platform::Key root, const std::string& path, const std::string& name,
                  platform::View view = platform::View::Native);
    bool addIniKey(const std::string& file, const std::string& section, const std::string& key);
    bool addFile(const std::string& path);

    // Writes the set and puts it in place. On false nothing it holds may be changed;
    // problems() says why. A set that took nothing in writes nothing and succeeds.
    bool commit();

    // Drops the set unwritten: the command has decided to change nothing.
    void discard();

    const std::vector<Entry>& entries() const { return entries_; }
    const std::vector<Problem>& problems() const { return problems_; }
    const std::string& folder() const { return finalFolder_; }
    const std::string& command() const { return command_; }

private:
    bool ready();
    bool refuse(const std::string& place, const std::string& reason);
    void take(const Entry& entry);
    bool writeWhole();
    void discardPartial();
    Captured captureValue(platform::Key root, const std::string& path, platform::View view, const std::string& name,
                          const std::string& place, std::string& section);
    void closeHeldKey();
    void appendValueSection(const std::string& place, const std::string& section);

    platform::Machine& machine_;
    std::string partialFolder_, finalFolder_, command_, made_;
    std::string registryText_;   // sections of registry.reg, in the order the places came
    std::string contentsText_;   // lines of contents.txt, in the same order
    std::vector<Entry> entries_;
    std::vector<Problem> problems_;
    int folderState_ = 0;        // 0 not made yet, 1 made, -1 cannot be made
    std::string folderProblem_;
    int copies_ = 0;
    // A command saves many values of one key in a row: the key stays open between them.
    platform::RegKey heldKey_;
    platform::Key heldRoot_ = 0;
    std::string heldPath_;
    std::string lastValueKey_;       // the [key] section registryText_ ends with, if a value section
    std::size_t lastValueEnd_ = 0;
    bool committed_ = false;
};

// The last line of every registry.reg a set writes: a file without it was cut short.
inline constexpr const char* kRegistryEndMarker = "; end of backup set";

}  // namespace backup
