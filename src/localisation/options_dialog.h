#pragma once
// The options dialog: the choice of the language file, used from the next
// start on. It stores only the file name; the folder is always "lang".
#include <functional>
#include <string>

#include "localisation/lang_text.h"
#include "platform/machine.h"
#include "store/settings_store.h"
#include "ui/simple_controls.h"
#include "ui/window.h"

namespace localisation {

inline constexpr const char* kOnlyIniFilesMessage = "Please Only ini files";
inline constexpr const char* kOnlyLanguageFolderMessage = "Please choose a language file from the folder ";
inline constexpr const char* kNotALanguageFileMessage = " is not a language file in the folder ";
inline constexpr const char* kNotSavedMessage = "The language choice could not be saved: ";
inline constexpr int kOptionsRaiseTwips = 1000;  // the dialog sits this far above the screen's centre
// Beside the language choice: "1" lists what Windows hides from its program list too.
inline constexpr const char* kShowSystemValue = "showsystem";

// The stored "Show system components and updates" choice; missing or anything but "1" is off.
bool showSystemComponents(store::SettingsStore& store);

// (Form3)
class OptionsDialog {
public:
    // `language` is the main window's, so the dialog speaks the language in use.
    OptionsDialog(platform::Machine& machine, store::SettingsStore& store, const Language& language);

    // Runs the load routine unless the dialog is loaded.
    void load();
    // Loads when needed and shows the dialog; one already open is only brought forward.
    void show();
    // Hides the dialog; the next load reads the stored choice again.
    void unload();
    bool loaded() const { return loaded_; }

    void browse();          // pick a language file in the lang folder (Browse)
    void ok();              // store the choice for the next start (OK)
    void cancel();          // (Cancel)
    void openWebAddress();  // (OpenWebAddress)

    ui::Window window;
    ui::Frame languageFrame;   // groups the language controls (Frame1)
    ui::Label fileNameLabel;   // before the file name (Label1)
    ui::TextBox fileNameBox;   // the chosen language file name, without folder (Text1)
    ui::Button browseButton;   // (Command8)
    ui::Label webCaption;      // before the web address (Label2)
    ui::Label webAddressLink;  // the product web address, clickable (Label3)
    ui::Button okButton;       // (cButton5)
    ui::Button cancelButton;   // (drawnButton1)
    ui::Button backupsButton;  // opens the list of backup sets
    ui::CheckBox showSystemBox;  // "Show system components and updates", for the uninstall page

    std::function<void()> showBackups;  // load and show the Backups dialog

private:
    platform::Machine& machine_;
    store::SettingsStore& store_;
    const Language& language_;
    bool loaded_ = false;
};

}  // namespace localisation
