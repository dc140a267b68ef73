#pragma once
// The small dialog that adds a value to the program-information list or edits
// one. It only changes that list; the registry waits for the list's OK.
#include <functional>
#include <optional>
#include <string>

#include "localisation/lang_text.h"
#include "platform/desktop.h"
#include "ui/simple_controls.h"
#include "ui/window.h"

namespace uninstall {

// (Form5)
class ValueDialog {
public:
    ValueDialog(platform::Desktop& desktop, const localisation::Language& language);

    void openForAdd();
    // Edits the value of that name; the name, not a row number, ties the dialog to it.
    void openForEdit(const std::string& name, const std::string& data);
    void save();   // (Save changes)
    void close();  // (Exit)
    bool loaded() const { return loaded_; }
    const std::optional<std::string>& editedName() const { return editedName_; }

    // Takes the value into the list: the value being edited (or none for a new
    // one), the name and data as typed. Returns why it was refused, or nothing.
    std::function<std::optional<std::string>(const std::optional<std::string>& edited, const std::string& name,
                              const std::string& data)>
        onSave;

    ui::Window window;
    ui::Label nameLabel;  // (Label3 0)
    ui::TextBox nameBox;  // (Text1 0)
    ui::Label dataLabel;  // (Label3 1)
    ui::TextBox dataBox;  // (Text1 1)
    ui::Button saveButton;  // (drawnButton2)
    ui::Button exitButton;  // (drawnButton1)

private:
    void load();
    void tell(const std::string& text);

    platform::Desktop& desktop_;
    const localisation::Language& language_;
    std::optional<std::string> editedName_;
    bool loaded_ = false;
};

}  // namespace uninstall
