#pragma once
// The uninstall page's logic: the installed programs as records, shown as rows
// that carry an id into them; the header sort; the chosen program, kept chosen
// by its record whatever order the rows take; Uninstall and Remove Entry behind
// one confirmation dialog, the bad-entry check and Program Info, each acting on
// its record's own place.
#include <array>
#include <cstdint>
#include <functional>
#include <memory>
#include <optional>
#include <string>
#include <vector>

#include "backup/backups.h"
#include "localisation/lang_text.h"
#include "platform/machine.h"
#include "platform/message_pacer.h"
#include "uninstall/confirm_program_dialog.h"
#include "uninstall/installed_programs.h"
#include "uninstall/program_info_dialog.h"
#include "uninstall/uninstall_page_parts.h"

namespace uninstall {

class UninstallPage {
public:
    UninstallPage(platform::Machine& machine, backup::Backups& backups, const localisation::Language& language,
                  ListingSettings settings = {});

    // The page switch: shown with nothing chosen, or hidden.
    void show();
    void hide();

    // Reads the installed programs afresh and shows them. Stops without touching
    // the list when the generation moves on (a page switch, another listing).
    void list();
    void rowClicked(std::size_t row);
    // The header cycle: descending by the current column, then ascending by the clicked one.
    void columnClicked(std::size_t column);

    void uninstallSelected();  // (UninstallProgram)
    void removeSelected();     // (RemoveUninstallEntry)
    void checkBadEntries();    // (CheckBadEntries)
    void showProgramInfo();    // (ShowProgramInfo)

    // What the confirmation dialog's OK does.
    void startUninstaller(const InstalledProgram& program);
    void removeEntry(const InstalledProgram& program);
    // The watch's tick: once an uninstaller has ended, the page on show lists afresh.
    void checkUninstallers();

    // The chosen program's record; null when none is chosen or it is no longer listed.
    const InstalledProgram* selected() const;
    // The row that shows the chosen program, 1-based; 0 when none (SelectedRow).
    int selectedRow() const;
    const std::vector<InstalledProgram>& programs() const { return programs_; }
    // The record a row shows; null for a row that shows none.
    const InstalledProgram* programOfRow(std::size_t row) const;
    bool ntFormListed() const { return ntForm_; }  // (UninstallKeyMode 2)
    int badEntryCount() const { return badEntryCount_; }  // bad entries the user kept (BadEntryCount)
    bool busy() const { return busy_ > 0; }

    // Settings a listing reads; the next listing takes a change.
    ListingSettings settings;
    // Moves on when a walk must stop (the main window's generation).
    std::function<std::uint64_t()> generation = [] { return std::uint64_t{0}; };
    // Each name as the listing reads it (the status caption).
    std::function<void(const std::string&)> showProgress;
    // The chosen program's name, shown under the list (Label4, shared with the startup page).
    std::function<void(const std::string&)> showChosen;
    // Lists afresh through the page switch, after a change.
    std::function<void()> rebuild;
    // A dialog was made: whoever renders windows binds it before it is shown.
    std::function<void(ui::Window&)> windowMade;
    // A date in the user's short form; unset, InstallDate is shown as written.
    std::function<std::string(int year, int month, int day)> shortDate;

    UninstallPageParts parts;
    ConfirmProgramDialog* confirmDialog() { return confirmDialog_.get(); }
    ProgramInfoDialog* programInfoDialog() { return programInfoDialog_.get(); }

private:
    // Held through a long walk: the page is busy and its buttons rest until the last one ends.
    class Walk {
    public:
        explicit Walk(UninstallPage& page) : page_(page), busy_(page.busy_) {
            if (page_.busy_ == 1) page_.setButtonsEnabled(false);
        }
        // Runs before the busy scope lets go, so the last walk is the one that wakes the buttons.
        ~Walk() {
            if (page_.busy_ == 1) page_.setButtonsEnabled(true);
        }

    private:
        UninstallPage& page_;
        platform::BusyScope busy_;
    };
    void setButtonsEnabled(bool enabled);
    void showRows();
    // The units and Where texts (keys 206 to 212), read once per filling: each lookup reads the language file.
    struct ColumnTexts {
        std::array<std::string, 7> byKey;
        const std::string& of(int key) const { return byKey[static_cast<std::size_t>(key - 206)]; }
    };
    ColumnTexts columnTexts() const;
    std::string sizeText(const std::optional<std::uint64_t>& sizeKb, const ColumnTexts& texts) const;
    std::string installedText(const std::string& installDate) const;
    std::string whereText(Audience audience, const ColumnTexts& texts) const;
    // A record's text in a column, as its row shows it.
    std::string shownText(const InstalledProgram& program, std::size_t column, const ColumnTexts& texts) const;
    // Where a record goes in the header sort by one column.
    struct SortKey {
        int rank = 0;
        std::uint64_t number = 0;
        std::string text;
    };
    SortKey sortKey(const InstalledProgram& program, std::size_t column, const ColumnTexts& texts) const;
    // The header sort, by the rows' records: Size by number, Installed by date, the other columns by
    // their shown text ignoring case.
    bool rowBefore(const ui::Row& a, const ui::Row& b, std::size_t column);
    std::optional<std::size_t> rowOfRecord(std::size_t id) const;
    std::optional<std::size_t> recordAt(const InstalledProgram& program) const;
    ConfirmProgramDialog& makeConfirmDialog();
    ProgramInfoDialog& makeProgramInfoDialog();
    void tell(const std::string& text);
    // The programs the user chose to hide, from one check's questions.
    std::vector<InstalledProgram> askAboutBadEntries(std::uint64_t startedIn, bool& stopped);
    void hideEntries(const std::vector<InstalledProgram>& programs);

    platform::Machine& machine_;
    backup::Backups& backups_;
    const localisation::Language& language_;
    std::vector<InstalledProgram> programs_;  // the last listing; rows carry an index into it
    std::optional<std::size_t> chosen_;       // the record the user clicked
    std::vector<SortKey> sortKeys_;           // per record, for the column last sorted by
    std::size_t sortKeysColumn_ = 0;
    bool ntForm_ = false;
    int badEntryCount_ = 0;
    int busy_ = 0;
    std::unique_ptr<ConfirmProgramDialog> confirmDialog_;
    std::unique_ptr<ProgramInfoDialog> programInfoDialog_;
    std::vector<platform::Processes::ProcessId> uninstallers_;  // started and not seen ending yet
};

// Registry names compare without regard to case.
bool sameName(const std::string& a, const std::string& b);

}  // namespace uninstall
