#pragma once
// The startup page: its list and buttons, the entries it lists, the entry the
// user chose, and Add, Edit, Delete, Disable and Enable on it.
#include <cstdint>
#include <functional>
#include <memory>
#include <optional>
#include <vector>

#include "startup/startup_changes.h"
#include "startup/startup_entry.h"
#include "startup/startup_entry_dialog.h"
#include "ui/list_view.h"
#include "ui/simple_controls.h"

namespace startup {

// What the page borrows from the main window.
struct StartupPageHost {
    ui::Label& selectedNameLabel;               // (Label4)
    ui::TextBox& searchBox;                     // (Text2)
    std::function<std::uint64_t()> generation;  // moves on with a page switch, a new listing or closing
    std::function<void()> refresh;              // shows the page again, listed afresh
};

class StartupPage {
public:
    StartupPage(StartupPageHost host, ChangeServices services);

    void listEntries();               // the listing of the startup page
    void rowClicked(std::size_t row);
    void columnClicked(std::size_t column);
    void add();                       // (AddEntry)
    void edit();                      // (EditEntry)
    void deleteSelected();            // (DeleteEntries)
    void disableSelected();           // (DisableEntry)
    void enableSelected();            // (EnableEntry)

    bool busy() const { return busy_ > 0; }
    const std::vector<StartupEntry>& entries() const { return entries_; }
    const std::optional<StartupEntry>& chosen() const { return chosen_; }
    // The row that shows the chosen entry now (SelectedStartupRow, counted from 0 here); none when nothing is chosen.
    std::optional<std::size_t> chosenRow() const;
    // The entry a row shows.
    const StartupEntry* entryOfRow(std::size_t row) const;
    // Made when first needed and handed to `windowMade` before it is shown.
    StartupEntryDialog& dialog();
    std::function<void(ui::Window&)> windowMade;

    ui::ListView list;          // startup entries (View2)
    ui::Frame buttons;          // (Frame6)
    ui::Button addButton;       // (drawnButton21)
    ui::Button editButton;      // (drawnButton17)
    ui::Button deleteButton;    // (drawnButton18)
    ui::Button disableButton;   // (drawnButton19)
    ui::Button enableButton;    // (drawnButton20)

private:
    class Busy;
    void fillList();
    // Selects the row where the chosen entry stands now; the choice is dropped when it is gone.
    void followChoice();
    bool checkChoice(const std::string& noneText, int parkedOrActiveText, bool wantActive);
    void setButtonsEnabled(bool enabled);

    StartupPageHost host_;
    ChangeServices services_;
    std::vector<StartupEntry> entries_;
    std::optional<StartupEntry> chosen_;
    std::unique_ptr<StartupEntryDialog> dialog_;
    int busy_ = 0;
};

}  // namespace startup
