#pragma once
// The options dialog: the choice of the language file, used from the next
// start on. It stores only the file name; the folder is always "lang".
#include <string>

#include "localisation/lang_text.h"
#include "platform/machine.h"
#include "store/settings_store.h"
#include "ui/simple_controls.h"
#include "ui/window.h"

namespace localisation {

inline constexpr const char* kOnlyIniFilesMessage = "Please Only ini files";
inline constexpr int kOptionsRaiseTwips = 1000;  // the dialog sits this far above the screen's centre

class Form3 {
public:
    // `language` is the main window's, so the dialog speaks the language in use.
    Form3(platform::Machine& machine, store::SettingsStore& store, const Language& language);

    // Runs the load routine unless the dialog is loaded.
    void Load();
    // Loads when needed and shows the dialog; one already open is only brought forward.
    void Show();
    // Hides the dialog; the next Load reads the stored choice again.
    void Unload();
    bool loaded() const { return loaded_; }

    void Browse();          // Command8
    void OK();              // cButton5
    void Cancel();          // drawnButton1
    void OpenWebAddress();  // Label3

    ui::Window window;
    ui::Frame Frame1;          // groups the language controls
    ui::Label Label1;          // before the file name
    ui::TextBox Text1;         // the chosen language file name, without folder
    ui::Button Command8;       // browse for a file
    ui::Label Label2;          // before the web address
    ui::Label Label3;          // the product web address, clickable
    ui::Button cButton5;       // OK
    ui::Button drawnButton1;   // Cancel

private:
    platform::Machine& machine_;
    store::SettingsStore& store_;
    const Language& language_;
    bool loaded_ = false;
};

}  // namespace localisation
