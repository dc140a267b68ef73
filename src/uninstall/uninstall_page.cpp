#include "uninstall/uninstall_page.h"

#include "platform/registry_tree.h"

#include "backup/backups_dialog.h"
#include "platform/status_text.h"
#include "store/text_value.h"
#include "platform/message_pacer.h"
#include "uninstall/uninstall_command.h"

namespace uninstall {
namespace {

constexpr const char* kRemoveCommand = "Remove Entry";
constexpr const char* kCheckCommand = "Check bad entries";
// What the bad-entry check clears, so the listing drops the entry.
constexpr const char* kHiddenValues[] = {"displayname", "UninstallString"};

}  // namespace

UninstallTool::UninstallTool(UninstallPage page, platform::Machine& machine, store::SettingsStore& store,
                             backup::Backups& backups, const localisation::Language& language,
                             store::EnumerationProgress& progress, UninstallKeys keys)
    : programs(std::move(page), machine, store, progress, std::move(keys)),
      machine_(machine),
      store_(store),
      backups_(backups),
      language_(language) {}

void UninstallTool::tell(const std::string& text) {
    if (!text.empty())
        machine_.desktop.messageBox(text, "", platform::MessageIcon::Information, platform::MessageButtons::Ok);
}

ConfirmProgramDialog& UninstallTool::makeConfirmDialog() {
    if (!confirmDialog_) {
        confirmDialog_ = std::make_unique<ConfirmProgramDialog>(machine_.desktop, language_);
        confirmDialog_->runUninstaller = [this](const ListedProgram& program) { startUninstaller(program); };
        confirmDialog_->removeEntry = [this](const ListedProgram& program) { removeEntry(program); };
        confirmDialog_->uninstallerWatch.onTick = [this] { checkUninstallers(); };
        if (windowMade) windowMade(confirmDialog_->window);
    }
    return *confirmDialog_;
}

ProgramInfoDialog& UninstallTool::makeProgramInfoDialog() {
    if (!programInfoDialog_) {
        programInfoDialog_ = std::make_unique<ProgramInfoDialog>(machine_, backups_, language_);
        programInfoDialog_->windowMade = [this](ui::Window& window) {
            if (windowMade) windowMade(window);
        };
        if (windowMade) windowMade(programInfoDialog_->window);
    }
    return *programInfoDialog_;
}

void UninstallTool::uninstallSelected() {
    if (programs.busy()) return;
    if (const auto program = programs.selected()) makeConfirmDialog().openForUninstall(*program);
}

void UninstallTool::removeSelected() {
    if (programs.busy()) return;
    if (const auto program = programs.selected()) makeConfirmDialog().openForRemoval(*program);
}

void UninstallTool::showProgramInfo() {
    if (programs.busy()) return;
    const auto program = programs.selected();
    if (!program) return;
    makeProgramInfoDialog().show(program->name, programs.keys().root, programs.listedKey() + "\\" + program->keyName);
}

void UninstallTool::startUninstaller(const ListedProgram& program) {
    const std::string command = program.expandable ? machine_.processes.expandEnvironment(program.command) : program.command;
    const std::string line = commandLineToStart(command, machine_.files);
    // Uninstallers ask questions, so they get a window the user can see.
    platform::Processes::ProcessId id = 0;
    const platform::Status status =
        line.empty() ? platform::kFileNotFound : machine_.processes.startWatched(line, platform::ShowState::Normal, id);
    if (status != platform::kSuccess) {
        tell(language_.text(164) + "\r" + line + "\r" + platform::describeStatus(status));
        return;
    }
    uninstallers_.push_back(id);
    makeConfirmDialog().uninstallerWatch.start();
}

void UninstallTool::checkUninstallers() {
    bool ended = false;
    for (auto it = uninstallers_.begin(); it != uninstallers_.end();) {
        if (!machine_.processes.hasEnded(*it)) {
            ++it;
            continue;
        }
        machine_.processes.forget(*it);
        it = uninstallers_.erase(it);
        ended = true;
    }
    if (uninstallers_.empty() && confirmDialog_) confirmDialog_->uninstallerWatch.stop();
    // Another page on show lists the programs afresh when the user comes back anyway.
    if (ended && programs.page().programList.visible() && !programs.busy() && rebuild) rebuild();
}

void UninstallTool::removeEntry(const ListedProgram& program) {
    // Only a name of one key below the Uninstall key: never the key itself, never a path.
    if (store::trimSpaces(program.keyName).empty() || program.keyName.find('\\') != std::string::npos) {
        tell(language_.text(165));
        return;
    }
    const std::string path = programs.listedKey() + "\\" + program.keyName;
    const platform::Key root = programs.keys().root;
    backup::BackupSet set = backups_.open(kRemoveCommand);
    const bool saved = set.addKey(root, path);
    if (!set.commit() || !saved) {
        tell(backup::leftAloneMessage(set.problems(), language_));
        if (rebuild) rebuild();
        return;
    }
    if (const platform::Status status = platform::deleteKeyTree(machine_.registry, root, path))
        tell(language_.text(166) + "\r" + program.name + "\r" + platform::describeStatus(status));
    if (rebuild) rebuild();
}

std::vector<std::string> UninstallTool::askAboutBadEntries(std::uint64_t startedIn, bool& stopped) {
    UninstallPage& page = programs.page();
    struct Listed {
        std::string name, keyName;
    };
    // The rows as they stand now; a rebuild during a question ends the check.
    std::vector<Listed> rows;
    for (std::size_t i = 0; i < page.programList.rowCount(); ++i)
        rows.push_back({page.programList.text(i, kNameColumn), page.programList.text(i, kKeyNameColumn)});
    const std::string listedKey = programs.listedKey();
    std::vector<std::string> chosen;
    platform::MessagePacer pacer(machine_.desktop);
    for (const Listed& row : rows) {
        if (pacer.step() && (stopped = page.generation() != startedIn)) return chosen;
        const auto value = readValue(machine_.registry, programs.keys().root, listedKey + "\\" + row.keyName,
                                     "UninstallString");
        std::string command = textOf(value).value_or("");
        if (value && value->type == platform::kRegExpandSz) command = machine_.processes.expandEnvironment(command);
        for (const std::string& path : quotedPaths(command)) {
            if (!uninstallerMissing(path, machine_.files)) continue;
            ++page.badEntryCount;
            const auto answer =
                machine_.desktop.messageBox(language_.text(167) + "\r\r" + store::trimSpaces(row.name), "",
                                            platform::MessageIcon::Question, platform::MessageButtons::YesNo);
            if ((stopped = page.generation() != startedIn)) return chosen;
            if (answer != platform::MessageAnswer::Yes) continue;
            --page.badEntryCount;
            chosen.push_back(row.keyName);
            break;  // hidden once is enough, however many of its paths are missing
        }
    }
    return chosen;
}

void UninstallTool::hideEntries(const std::vector<std::string>& keyNames) {
    if (keyNames.empty()) return;
    const UninstallKeys& keys = programs.keys();
    struct Place {
        std::string path, name;
    };
    std::vector<Place> places;
    backup::BackupSet set = backups_.open(kCheckCommand);
    for (const std::string& keyName : keyNames)
        for (const std::string* key : {&keys.fallback, &keys.primary})
            for (const char* name : kHiddenValues) {
                const std::string path = *key + "\\" + keyName;
                // Only values that are there: the other key form usually has no such entry.
                if (readValue(machine_.registry, keys.root, path, name) && set.addValue(keys.root, path, name))
                    places.push_back({path, name});
            }
    if (!set.commit()) {
        tell(backup::leftAloneMessage(set.problems(), language_));
        return;
    }
    for (const Place& place : places) {
        uninstall::deleteValue(machine_.registry, keys.root, place.path, place.name);
    }
    tell(backup::leftAloneMessage(set.problems(), language_));
}

void UninstallTool::checkBadEntries() {
    if (programs.busy()) return;
    const std::uint64_t startedIn = programs.page().generation();
    bool stopped = false;
    programs.beginWalk();
    const std::vector<std::string> chosen = askAboutBadEntries(startedIn, stopped);
    programs.endWalk();
    hideEntries(chosen);
    // A check stopped by a page switch leaves the page that is on show alone.
    if (stopped) return;
    if (programs.page().badEntryCount > 0)
        tell(language_.text(89) + "\r\r" + language_.text(102));
    if (rebuild) rebuild();
}

}  // namespace uninstall
