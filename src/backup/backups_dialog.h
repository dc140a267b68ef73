#pragma once
// The Backups dialog: the sets newest first, and Restore, Open folder and
// Delete for the one the user picks.
#include <optional>
#include <string>
#include <vector>

#include "backup/backups.h"
#include "localisation/lang_text.h"
#include "platform/machine.h"
#include "ui/list_view.h"
#include "ui/simple_controls.h"
#include "ui/window.h"

namespace backup {

inline constexpr int kBackupsRaiseTwips = 600;  // the dialog sits this far above the screen's centre

class BackupsDialog {
public:
    BackupsDialog(platform::Machine& machine, Backups& backups, const localisation::Language& language);

    // Loads when needed (reading the sets afresh) and shows the dialog; one already open is brought forward.
    void show();
    void unload();
    bool loaded() const { return loaded_; }

    void restoreSelected();
    void openFolder();
    void deleteSelected();

    ui::Window window;
    ui::ListView setList;  // made, command, entries; the folder name in a hidden column
    ui::Button restoreButton, openFolderButton, deleteButton, closeButton;

private:
    void load();
    void fillList();
    // The chosen set's folder name; asks the user to choose one when none is.
    std::optional<std::string> chosenSet();
    // The chosen row's set folder, if a row is chosen.
    std::optional<std::string> chosenFolder() const;
    void tell(const std::string& text, platform::MessageIcon icon);
    bool ask(const std::string& text);

    platform::Machine& machine_;
    Backups& backups_;
    const localisation::Language& language_;
    bool loaded_ = false;
    std::vector<std::string> setFolders_;  // each row's set, by the row's id
};

// One message for a command that left places alone because their backup failed:
// the language's heading, then each place with its reason. Empty when none were.
std::string leftAloneMessage(const std::vector<Problem>& problems, const localisation::Language& language);

}  // namespace backup
