#pragma once
// The startup page's tool: fills the startup list, follows the entry the user
// chose, and runs Add, Edit, Delete, Disable and Enable on it.
#include <array>
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

// What the page works on in the main window.
struct StartupPageParts {
    ui::ListView& list;                   // (View2)
    ui::Label& selectedNameLabel;         // (Label4)
    ui::TextBox& searchBox;               // (Text2)
    std::array<ui::Button*, 5> buttons;   // add, edit, delete, disable, enable
    int& selectedStartupRow;              // (SelectedStartupRow)
    std::function<std::uint64_t()> generation;  // moves on with a page switch, a new listing or closing
    std::function<void()> refresh;        // lists again through the page switch
};

class StartupPage {
public:
    StartupPage(StartupPageParts parts, ChangeServices services);

    void list();                      // the listing of the startup page
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
    // Made when first needed and handed to `windowMade` before it is shown.
    StartupEntryDialog& dialog();
    std::function<void(ui::Window&)> windowMade;

private:
    class BusyGuard;
    void fillList();
    // The row where the chosen entry stands now; the choice is dropped when it is gone.
    void followChoice();
    const StartupEntry* entryOfRow(std::size_t row) const;
    bool checkChoice(const std::string& noneText, int parkedOrActiveText, bool wantActive);

    StartupPageParts parts_;
    ChangeServices services_;
    std::vector<StartupEntry> entries_;
    std::optional<StartupEntry> chosen_;
    std::unique_ptr<StartupEntryDialog> dialog_;
    int busy_ = 0;
};

}  // namespace startup
