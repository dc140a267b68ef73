#pragma once
// The uninstall page's commands over its program list: Uninstall and Remove
// Entry behind one confirmation dialog, the bad-entry check and Program Info.
// The main window makes one and points its buttons and hooks here.
#include <functional>
#include <memory>
#include <optional>
#include <string>

#include "backup/backups.h"
#include "localisation/lang_text.h"
#include "platform/machine.h"
#include "store/settings_store.h"
#include "uninstall/confirm_program_dialog.h"
#include "uninstall/entry_values.h"
#include "uninstall/program_info_dialog.h"
#include "uninstall/program_list.h"

namespace uninstall {

class UninstallTool {
public:
    UninstallTool(UninstallPage page, platform::Machine& machine, store::SettingsStore& store,
                  backup::Backups& backups, const localisation::Language& language,
                  store::EnumerationProgress& progress, UninstallKeys keys = {});

    void uninstallSelected();  // (UninstallProgram)
    void removeSelected();     // (RemoveUninstallEntry)
    void checkBadEntries();    // (CheckBadEntries)
    void showProgramInfo();    // (ShowProgramInfo)

    // What the confirmation dialog's OK does.
    void startUninstaller(const ListedProgram& program);
    void removeEntry(const ListedProgram& program);
    // The watch's tick: once an uninstaller has ended, the page on show lists afresh.
    void checkUninstallers();

    // Rebuilds the list after a change (the main window's refresh signal).
    std::function<void()> rebuild;
    // A dialog was made: whoever renders windows binds it before it is shown.
    std::function<void(ui::Window&)> windowMade;

    ProgramList programs;
    ConfirmProgramDialog* confirmDialog() { return confirmDialog_.get(); }
    ProgramInfoDialog* programInfoDialog() { return programInfoDialog_.get(); }

private:
    ConfirmProgramDialog& makeConfirmDialog();
    ProgramInfoDialog& makeProgramInfoDialog();
    void tell(const std::string& text);
    // The bad entries the user chose to hide, from one check's questions.
    std::vector<std::string> askAboutBadEntries(std::uint64_t startedIn, bool& stopped);
    void hideEntries(const std::vector<std::string>& keyNames);

    platform::Machine& machine_;
    store::SettingsStore& store_;
    backup::Backups& backups_;
    const localisation::Language& language_;
    std::unique_ptr<ConfirmProgramDialog> confirmDialog_;
    std::unique_ptr<ProgramInfoDialog> programInfoDialog_;
    std::vector<platform::Processes::ProcessId> uninstallers_;  // started and not seen ending yet
};

}  // namespace uninstall
