#pragma once
// The installed-program list of the uninstall page: filled from the Uninstall
// key, sorted by the column headers, and the program the user picked, which
// stays picked by its key name whatever order the rows take.
#include <cstdint>
#include <functional>
#include <optional>
#include <string>
#include <vector>

#include "platform/machine.h"
#include "store/settings_store.h"
#include "ui/list_view.h"
#include "ui/simple_controls.h"
#include "uninstall/uninstall_keys.h"

namespace uninstall {

inline constexpr std::size_t kNameColumn = 0;
inline constexpr std::size_t kCommandColumn = 1;
inline constexpr std::size_t kKeyNameColumn = 2;  // hidden
inline constexpr const char* kProgramPicture = "a";

// The main window's controls and working fields the uninstall page uses.
struct UninstallPage {
    ui::ListView& programList;
    ui::Label& selectedProgramLabel;
    ui::Picture& selectionPicture;
    std::vector<ui::Button*> buttons;  // shown disabled while a walk runs
    int& selectedRow;                  // 1-based, 0 none
    int& uninstallKeyMode;
    int& badEntryCount;
    std::function<std::uint64_t()> generation;  // moves on when a walk must stop
};

// One listed program as the commands need it.
struct ListedProgram {
    std::string name;     // the row text
    std::string command;  // the uninstall command as shown
    std::string keyName;  // exactly as the registry holds it
    bool expandable = false;  // the command is a REG_EXPAND_SZ text
};

class ProgramList {
public:
    ProgramList(UninstallPage page, platform::Machine& machine, store::SettingsStore& store,
                store::EnumerationProgress& progress, UninstallKeys keys = {});

    // Reads the Uninstall key afresh and fills the list. Stops without touching
    // the list when a page switch or another listing moves the generation on.
    void list();
    void rowClicked(std::size_t row);
    // The header cycle: descending by the current column, then ascending by the clicked one.
    void columnClicked(std::size_t column);

    // The program the user picked, found by its key name; nothing when none is.
    std::optional<ListedProgram> selected() const;
    // The key the last listing read.
    const std::string& listedKey() const { return keys_.listed(page_.uninstallKeyMode); }
    const UninstallKeys& keys() const { return keys_; }

    // Walks (the listing, the bad-entry check) hold the page busy; nested ones count.
    void beginWalk();
    void endWalk();
    bool busy() const { return walks_ > 0; }

    UninstallPage& page() { return page_; }

private:
    std::optional<std::size_t> rowOfKey(const std::string& keyName) const;

    UninstallPage page_;
    platform::Machine& machine_;
    store::SettingsStore& store_;
    store::EnumerationProgress& progress_;
    UninstallKeys keys_;
    std::string selectedKey_;
    std::vector<std::string> expandableKeys_;  // lower-cased key names whose command needs expanding
    int walks_ = 0;
};

// Registry names compare without regard to case.
bool sameName(const std::string& a, const std::string& b);

}  // namespace uninstall
