#pragma once
// An installed program's registry entry: its name, publisher and home page and
// every value of its key, which the user may add, edit and delete. Nothing
// reaches the registry before OK, and OK changes only what the user changed,
// each value saved in a backup set first.
#include <cstdint>
#include <functional>
#include <memory>
#include <optional>
#include <string>
#include <vector>

#include "backup/backups.h"
#include "localisation/lang_text.h"
#include "platform/machine.h"
#include "platform/registry_view.h"
#include "ui/list_view.h"
#include "ui/simple_controls.h"
#include "ui/window.h"
#include "uninstall/value_dialog.h"

namespace uninstall {

// (Form2)
class ProgramInfoDialog {
public:
    ProgramInfoDialog(platform::Machine& machine, backup::Backups& backups, const localisation::Language& language);

    // Reads the entry's key (`path` under `root` in `view`) afresh and shows the
    // dialog with the command Uninstall runs for it.
    void show(const std::string& programName, const std::string& command, platform::Key root, platform::View view,
              const std::string& path);
    void addValue();     // (Add Key)
    void editValue();    // (Edit Key)
    void deleteValue();  // (Delete Key)
    void ok();
    void cancel();
    void openHomePage();  // any of the four publisher and home-page labels
    bool loaded() const { return loaded_; }

    // The value dialog's Save: nothing when taken into the list, else why not.
    std::optional<std::string> takeValue(const std::optional<std::string>& edited, const std::string& name, const std::string& data);

    // Runs once when the value dialog is made, so a renderer can bind it.
    std::function<void(ui::Window&)> windowMade;
    ValueDialog* valueDialog() { return valueDialog_.get(); }

    ui::Window window;
    ui::Label programNameLabel;  // (Label1)
    ui::Label publisherCaption;  // (Label3 0)
    ui::Label homePageCaption;   // (Label3 1)
    ui::Label publisherText;     // (Label3 2)
    ui::Label homePageText;      // (Label3 3)
    ui::Label commandCaption;    // before the command Uninstall runs
    ui::Label commandText;
    ui::ListView valueList;      // name and data of every value (View1)
    ui::Button addButton;        // (drawnButton2)
    ui::Button deleteButton;     // (drawnButton3)
    ui::Button editButton;       // (drawnButton4)
    ui::Button okButton;         // (cButton5)
    ui::Button cancelButton;     // (drawnButton1)

private:
    struct Entry {
        std::string name;  // exactly as the registry holds it, or as the user typed it
        std::uint32_t type;
        std::string text;     // as shown
        bool changed = false;  // written on OK
    };
    void load();
    ValueDialog& makeValueDialog();
    std::optional<std::size_t> entryNamed(const std::string& name) const;
    void showEntry(std::size_t index);
    void forget(const std::string& name);
    void tell(const std::string& text);

    platform::Machine& machine_;
    backup::Backups& backups_;
    const localisation::Language& language_;
    std::unique_ptr<ValueDialog> valueDialog_;
    platform::Key root_ = 0;
    platform::View view_ = platform::View::Native;
    std::string path_;
    std::vector<Entry> entries_;          // one per row of the value list
    std::vector<std::string> onFill_;     // the names the key held when the dialog was filled
    std::vector<std::string> deleted_;    // of those, the ones deleted or renamed away
    bool loaded_ = false;
};

}  // namespace uninstall
