#pragma once
// The Add/Edit dialog of the startup page: a name, a command (typed or
// browsed) and one of seven locations. Modeless and made once; it records the
// entry Edit opened it on, so Save acts on that entry whatever the list shows by then.
#include <functional>
#include <optional>

#include "startup/entry_saver.h"
#include "startup/startup_changes.h"
#include "ui/list_view.h"
#include "ui/simple_controls.h"
#include "ui/window.h"

namespace startup {

inline constexpr const char* kOnlyExeFilesMessage = "Please Only EXE files";
inline constexpr int kDialogRightOfCentre = 1500;
inline constexpr int kDialogAboveCentre = 1000;

// (Form14)
class StartupEntryDialog {
public:
    explicit StartupEntryDialog(ChangeServices services);

    // Every field starts afresh: empty name and command, the first location, no entry recorded (AddEntry).
    void openForAdd();
    // The caller has checked that an active entry is chosen (EditEntry).
    void openForEdit(const StartupEntry& entry);
    void browse();  // (Command8)
    void save();    // (SaveEntry)
    void cancel();
    bool loaded() const { return loaded_; }
    const std::optional<StartupEntry>& editedEntry() const { return edited_; }
    // The chosen location's code; 0 when none is chosen.
    int location() const;

    std::function<void()> onSaved;      // the startup list is rebuilt
    std::function<void()> onCancelled;  // the main window takes the focus back

    ui::Window window;
    ui::Label nameLabel;         // (Label1)
    ui::TextBox nameBox;         // (Text1)
    ui::Label commandLabel;      // (Label2)
    ui::TextBox commandBox;      // (Text2)
    ui::Button browseButton;     // (Command8)
    ui::Label locationLabel;     // (Label3)
    ui::ListView locationList;   // the places, each row's id its location code (Combo1)
    ui::Button saveButton;       // (alabutton2)
    ui::Button cancelButton;     // (alabutton1)

private:
    void load();
    void present();
    void unload();

    ChangeServices services_;
    std::optional<StartupEntry> edited_;
    bool loaded_ = false;
};

}  // namespace startup
