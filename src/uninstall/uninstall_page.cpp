#include "uninstall/uninstall_page.h"

#include "backup/backups_dialog.h"
#include "platform/message_pacer.h"
#include "platform/registry_key.h"
#include "platform/status_text.h"
#include "store/text_value.h"
#include "uninstall/uninstall_command.h"

namespace uninstall {
namespace {

constexpr const char* kRemoveCommand = "Remove Entry";
constexpr const char* kCheckCommand = "Check bad entries";
// What the bad-entry check clears, so the listing drops the entry.
constexpr const char* kHiddenValues[] = {"displayname", "UninstallString"};

}  // namespace

UninstallPage::UninstallPage(platform::Machine& machine, backup::Backups& backups,
                             const localisation::Language& language, ListingSettings listingSettings)
    : settings(std::move(listingSettings)), machine_(machine), backups_(backups), language_(language) {
    parts.programList.onRowClick = [this](std::size_t row) { rowClicked(row); };
    parts.programList.onColumnClick = [this](std::size_t column) { columnClicked(column); };
    parts.programList.lessThan = [this](const ui::Row& a, const ui::Row& b, std::size_t column) {
        return rowBefore(a, b, column);
    };
    parts.refreshButton.onClick = [this] {
        if (rebuild) rebuild();
    };
    parts.uninstallButton.onClick = [this] { uninstallSelected(); };
    parts.removeEntryButton.onClick = [this] { removeSelected(); };
    parts.checkBadEntriesButton.onClick = [this] { checkBadEntries(); };
    parts.programInfoButton.onClick = [this] { showProgramInfo(); };
}

void UninstallPage::tell(const std::string& text) {
    if (!text.empty())
        machine_.desktop.messageBox(text, "", platform::MessageIcon::Information, platform::MessageButtons::Ok);
}

ConfirmProgramDialog& UninstallPage::makeConfirmDialog() {
    if (!confirmDialog_) {
        confirmDialog_ = std::make_unique<ConfirmProgramDialog>(machine_.desktop, language_);
        confirmDialog_->runUninstaller = [this](const InstalledProgram& program) { startUninstaller(program); };
        confirmDialog_->removeEntry = [this](const InstalledProgram& program) { removeEntry(program); };
        confirmDialog_->uninstallerWatch.onTick = [this] { checkUninstallers(); };
        if (windowMade) windowMade(confirmDialog_->window);
    }
    return *confirmDialog_;
}

ProgramInfoDialog& UninstallPage::makeProgramInfoDialog() {
    if (!programInfoDialog_) {
        programInfoDialog_ = std::make_unique<ProgramInfoDialog>(machine_, backups_, language_);
        programInfoDialog_->windowMade = [this](ui::Window& window) {
            if (windowMade) windowMade(window);
        };
        if (windowMade) windowMade(programInfoDialog_->window);
    }
    return *programInfoDialog_;
}

void UninstallPage::uninstallSelected() {
    if (busy()) return;
    if (const InstalledProgram* program = selected()) makeConfirmDialog().openForUninstall(*program);
}

void UninstallPage::removeSelected() {
    if (busy()) return;
    if (const InstalledProgram* program = selected()) makeConfirmDialog().openForRemoval(*program);
}

void UninstallPage::showProgramInfo() {
    if (busy()) return;
    if (const InstalledProgram* program = selected())
        makeProgramInfoDialog().show(program->name, commandToRun(*program), program->root, program->view,
                                     program->keyPath);
}

void UninstallPage::startUninstaller(const InstalledProgram& program) {
    const std::string command = program.expandable && !program.windowsInstaller
                                    ? machine_.processes.expandEnvironment(program.command)
                                    : commandToRun(program);
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

void UninstallPage::checkUninstallers() {
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
    if (ended && parts.programList.visible() && !busy() && rebuild) rebuild();
}

void UninstallPage::removeEntry(const InstalledProgram& program) {
    // Only a name of one key below the Uninstall key: never the key itself, never a path.
    if (store::trimSpaces(program.keyName).empty() || program.keyName.find('\\') != std::string::npos) {
        tell(language_.text(165));
        return;
    }
    backup::BackupSet set = backups_.open(kRemoveCommand);
    const bool saved = set.addKey(program.root, program.keyPath, program.view);
    if (!set.commit() || !saved) {
        const std::string why = backup::leftAloneMessage(set.problems(), language_);
        tell(why.empty() ? language_.text(136) + "\r" + program.name : why);
        if (rebuild) rebuild();
        return;
    }
    if (const platform::Status status =
            platform::deleteKeyTree(machine_.registry, program.root, program.keyPath, program.view))
        tell(language_.text(166) + "\r" + program.name + "\r" + platform::describeStatus(status));
    if (rebuild) rebuild();
}

std::vector<InstalledProgram> UninstallPage::askAboutBadEntries(std::uint64_t startedIn, bool& stopped) {
    // The programs as the rows stand now; a rebuild during a question ends the check.
    std::vector<InstalledProgram> shown;
    for (std::size_t row = 0; row < parts.programList.rowCount(); ++row)
        if (const InstalledProgram* program = programOfRow(row)) shown.push_back(*program);
    std::vector<InstalledProgram> chosen;
    platform::MessagePacer pacer(machine_.desktop);
    for (const InstalledProgram& program : shown) {
        if (pacer.step() && (stopped = generation() != startedIn)) return chosen;
        const std::string command =
            program.expandable ? machine_.processes.expandEnvironment(program.command) : program.command;
        for (const std::string& path : quotedPaths(command)) {
            if (!uninstallerMissing(path, machine_.files)) continue;
            ++badEntryCount_;
            const auto answer =
                machine_.desktop.messageBox(language_.text(167) + "\r\r" + program.name, "",
                                            platform::MessageIcon::Question, platform::MessageButtons::YesNo);
            if ((stopped = generation() != startedIn)) return chosen;
            if (answer != platform::MessageAnswer::Yes) continue;
            --badEntryCount_;
            chosen.push_back(program);
            break;  // hidden once is enough, however many of its paths are missing
        }
    }
    return chosen;
}

void UninstallPage::hideEntries(const std::vector<InstalledProgram>& programs) {
    if (programs.empty()) return;
    struct Place {
        const InstalledProgram& program;
        std::string path, name;
    };
    std::vector<Place> places;
    backup::BackupSet set = backups_.open(kCheckCommand);
    for (const InstalledProgram& program : programs)
        for (const std::string* path : {&program.keyPath, &program.otherFormPath})
            for (const char* name : kHiddenValues) {
                platform::RegValue value;
                // Only values that are there: the other key form usually has no such entry.
                if (path->empty() ||
                    platform::readValue(machine_.registry, program.root, *path, program.view, name, value) !=
                        platform::kSuccess)
                    continue;
                if (set.addValue(program.root, *path, name, program.view)) places.push_back({program, *path, name});
            }
    if (!set.commit()) {
        tell(backup::leftAloneMessage(set.problems(), language_));
        return;
    }
    for (const Place& place : places)
        platform::deleteValue(machine_.registry, place.program.root, place.path, place.program.view, place.name);
    tell(backup::leftAloneMessage(set.problems(), language_));
}

void UninstallPage::checkBadEntries() {
    if (busy()) return;
    const std::uint64_t startedIn = generation();
    bool stopped = false;
    std::vector<InstalledProgram> chosen;
    {
        Walk walk(*this);
        chosen = askAboutBadEntries(startedIn, stopped);
    }
    hideEntries(chosen);
    // A check stopped by a page switch leaves the page that is on show alone.
    if (stopped) return;
    if (badEntryCount_ > 0) tell(language_.text(89) + "\r\r" + language_.text(102));
    if (rebuild) rebuild();
}

}  // namespace uninstall
