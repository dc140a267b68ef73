#include "backup/backups_dialog.h"

#include "platform/status_text.h"

namespace backup {
namespace {

constexpr std::size_t kProblemsShown = 10;  // a message box taller than the screen helps nobody

ui::Rect dialogButton(int slot) { return {120 + slot * 1440, 3540, 1320, 420}; }

}  // namespace

BackupsDialog::BackupsDialog(platform::Machine& machine, Backups& backups, const localisation::Language& language)
    : window("BackupsDialog", {0, 0, 7320, 4560}, ""),
      setList("setList", {120, 120, 6960, 3300}, {{"", 2000}, {"", 3800}, {"", 900}, {"", 0}}),
      restoreButton("restoreButton", dialogButton(0)),
      openFolderButton("openFolderButton", dialogButton(1)),
      deleteButton("deleteButton", dialogButton(2)),
      closeButton("closeButton", {5760, 3540, 1320, 420}),
      machine_(machine),
      backups_(backups),
      language_(language) {
    for (ui::Control* control : std::initializer_list<ui::Control*>{&setList, &restoreButton, &openFolderButton,
                                                                    &deleteButton, &closeButton})
        window.add(*control);
    restoreButton.onClick = [this] { restoreSelected(); };
    openFolderButton.onClick = [this] { openFolder(); };
    deleteButton.onClick = [this] { deleteSelected(); };
    closeButton.onClick = [this] { unload(); };
    window.onClose = [this] { unload(); };
    // Enter and Escape only close: a restore or a delete is always chosen on purpose.
    window.defaultButton = &closeButton;
    window.onCancel = [this] { unload(); };
}

void BackupsDialog::load() {
    if (loaded_) return;
    loaded_ = true;
    platform::Desktop& desktop = machine_.desktop;
    window.move((desktop.screenWidthTwips() - window.width()) / 2,
                (desktop.screenHeightTwips() - window.height()) / 2 - kBackupsRaiseTwips);
    window.setTitle(language_.text(124));
    restoreButton.setCaption(language_.text(125));
    openFolderButton.setCaption(language_.text(126));
    deleteButton.setCaption(language_.text(127));
    closeButton.setCaption(language_.text(128));
    for (std::size_t column = 0; column < 3; ++column)
        setList.setColumnHeader(column, language_.text(129 + static_cast<int>(column)));
    fillList();
}

void BackupsDialog::show() {
    load();
    window.show();
    window.setFocus();
}

void BackupsDialog::unload() {
    window.hide();
    loaded_ = false;
}

void BackupsDialog::fillList() {
    setList.clear();
    setFolders_.clear();
    for (const auto& set : backups_.list()) {
        ui::Row row;
        row.texts = {set.readable ? set.made : set.folderName, set.readable ? set.command : language_.text(138),
                     set.readable ? std::to_string(set.entries) : std::string(), set.folderName};
        row.id = setFolders_.size();
        setFolders_.push_back(set.folderName);
        setList.addRow(std::move(row));
    }
    if (setList.rowCount() > 0) setList.select(0);
}

std::optional<std::string> BackupsDialog::chosenFolder() const {
    const std::size_t row = setList.selectedIndex();
    if (row >= setList.rowCount()) return std::nullopt;
    const std::size_t id = setList.rows()[row].id;
    return id < setFolders_.size() ? std::optional<std::string>(setFolders_[id]) : std::nullopt;
}

std::optional<std::string> BackupsDialog::chosenSet() {
    if (auto folder = chosenFolder()) return folder;
    tell(language_.text(137), platform::MessageIcon::Information);
    return std::nullopt;
}

void BackupsDialog::tell(const std::string& text, platform::MessageIcon icon) {
    machine_.desktop.messageBox(text, language_.text(124), icon, platform::MessageButtons::Ok);
}

bool BackupsDialog::ask(const std::string& text) {
    return machine_.desktop.messageBox(text, language_.text(124), platform::MessageIcon::Question,
                                       platform::MessageButtons::YesNo) == platform::MessageAnswer::Yes;
}

void BackupsDialog::restoreSelected() {
    const auto set = chosenSet();
    if (!set || !ask(language_.text(132))) return;
    const RestoreResult result = backups_.restore(*set);
    // The restore saved what it overwrote as a set of its own.
    fillList();
    if (result.restored) {
        tell(language_.text(134), platform::MessageIcon::Information);
        return;
    }
    std::string text = language_.text(135) + "\r" + result.error;
    for (std::size_t i = 0; i < result.problems.size() && i < kProblemsShown; ++i)
        text += "\r" + result.problems[i].place + ": " + result.problems[i].reason;
    tell(text, platform::MessageIcon::Exclamation);
}

void BackupsDialog::openFolder() {
    const auto chosen = chosenFolder();
    const std::string folder = chosen ? backups_.folder() + "\\" + *chosen : backups_.folder();
    if (auto status = machine_.processes.openAddress(folder))
        tell(folder + "\r" + platform::describeStatus(status), platform::MessageIcon::Exclamation);
}

void BackupsDialog::deleteSelected() {
    const auto set = chosenSet();
    if (!set || !ask(language_.text(133))) return;
    const platform::Status status = backups_.remove(*set);
    fillList();
    if (status != platform::kSuccess)
        tell(*set + "\r" + platform::describeStatus(status), platform::MessageIcon::Exclamation);
}

std::string leftAloneMessage(const std::vector<Problem>& problems, const localisation::Language& language) {
    if (problems.empty()) return {};
    std::string text = language.text(136);
    for (std::size_t i = 0; i < problems.size() && i < kProblemsShown; ++i)
        text += "\r" + problems[i].place + ": " + problems[i].reason;
    if (problems.size() > kProblemsShown) text += "\r(" + std::to_string(problems.size() - kProblemsShown) + " more)";
    return text;
}

}  // namespace backup
