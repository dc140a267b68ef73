#include "uninstall/value_dialog.h"

#include "store/text_value.h"

namespace uninstall {
namespace {

constexpr int kRaiseTwips = 200;

}  // namespace

ValueDialog::ValueDialog(platform::Desktop& desktop, const localisation::Language& language)
    : window("ValueDialog", {0, 0, 5520, 2280}, "Add new key"),
      nameLabel("nameLabel", {240, 270, 1200, 285}, "Key"),
      nameBox("nameBox", {1500, 240, 3720, 315}),
      dataLabel("dataLabel", {240, 720, 1200, 285}, "Value"),
      dataBox("dataBox", {1500, 690, 3720, 315}),
      saveButton("saveButton", {1980, 1320, 1800, 420}, "    Save changes"),
      exitButton("exitButton", {3900, 1320, 1320, 420}, "     Exit"),
      desktop_(desktop),
      language_(language) {
    for (ui::Control* control : {static_cast<ui::Control*>(&nameLabel), static_cast<ui::Control*>(&nameBox),
                                 static_cast<ui::Control*>(&dataLabel), static_cast<ui::Control*>(&dataBox),
                                 static_cast<ui::Control*>(&saveButton), static_cast<ui::Control*>(&exitButton)})
        window.add(*control);
    saveButton.onClick = [this] { save(); };
    exitButton.onClick = [this] { close(); };
    nameBox.onEnter = [this] { save(); };
    dataBox.onEnter = [this] { save(); };
    window.onClose = [this] { close(); };
    window.defaultButton = &saveButton;
    window.onCancel = [this] { close(); };
}

void ValueDialog::load() {
    if (loaded_) return;
    loaded_ = true;
    window.setTitle(language_.text(63));
    saveButton.setCaption(language_.text(63));
    exitButton.setCaption(language_.text(65));
    nameLabel.setCaption(language_.text(66));
    dataLabel.setCaption(language_.text(67));
    window.move((desktop_.screenWidthTwips() - window.width()) / 2,
                (desktop_.screenHeightTwips() - window.height()) / 2 - kRaiseTwips);
}

void ValueDialog::openForAdd() {
    load();
    // A new value, even when the dialog was left open from an edit.
    editedName_.reset();
    nameBox.setText("");
    dataBox.setText("");
    window.show();
    nameBox.setFocus();
}

void ValueDialog::openForEdit(const std::string& name, const std::string& data) {
    load();
    editedName_ = name;
    nameBox.setText(name);
    dataBox.setText(data);
    window.show();
    dataBox.setFocus();
}

void ValueDialog::tell(const std::string& text) {
    desktop_.messageBox(text, "", platform::MessageIcon::Information, platform::MessageButtons::Ok);
}

void ValueDialog::save() {
    if (!loaded_) return;
    if (store::trimSpaces(nameBox.text()).empty() || store::trimSpaces(dataBox.text()).empty()) {
        window.setTitle(language_.text(115));
        tell(language_.text(115));
        return;
    }
    const auto refusal = onSave ? onSave(editedName_, nameBox.text(), dataBox.text()) : std::nullopt;
    if (refusal) {
        tell(*refusal);
        return;
    }
    if (editedName_) {
        close();
        return;
    }
    // Ready for the next new value.
    nameBox.setText("");
    dataBox.setText("");
    nameBox.setFocus();
}

void ValueDialog::close() {
    window.hide();
    editedName_.reset();
    loaded_ = false;
}

}  // namespace uninstall
