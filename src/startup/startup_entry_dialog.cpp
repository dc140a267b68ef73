#include "startup/startup_entry_dialog.h"

#include <cctype>

#include "store/text_value.h"

namespace startup {

StartupEntryDialog::StartupEntryDialog(ChangeServices services)
    : window("StartupEntryDialog", {0, 0, 6480, 4380}, "Add New program"),
      nameLabel("nameLabel", {240, 240, 1560, 285}, "Applicaton Name"),
      nameBox("nameBox", {1920, 210, 4200, 315}),
      commandLabel("commandLabel", {240, 720, 1560, 285}, "Uninstalling String"),
      commandBox("commandBox", {1920, 690, 3720, 315}),
      browseButton("browseButton", {5700, 690, 420, 315}, "..."),
      locationLabel("locationLabel", {240, 1200, 1560, 285}, "Location"),
      locationList("locationList", {1920, 1170, 4200, 2040}, {{"", 3900}}),
      saveButton("saveButton", {2880, 3420, 1560, 420}, "Save changes"),
      cancelButton("cancelButton", {4560, 3420, 1560, 420}, "     Cancel"),
      services_(services) {
    for (ui::Control* control : std::initializer_list<ui::Control*>{
             &nameLabel, &nameBox, &commandLabel, &commandBox, &browseButton, &locationLabel, &locationList,
             &saveButton, &cancelButton})
        window.add(*control);
    browseButton.onClick = [this] { browse(); };
    saveButton.onClick = [this] { save(); };
    cancelButton.onClick = [this] { cancel(); };
    nameBox.onEnter = [this] { save(); };
    commandBox.onEnter = [this] { save(); };
    window.onClose = [this] { cancel(); };
    window.defaultButton = &saveButton;
    window.onCancel = [this] { cancel(); };
}

void StartupEntryDialog::load() {
    if (loaded_) return;
    loaded_ = true;
    const localisation::Language& language = services_.language;
    window.setTitle(language.text(44));
    nameLabel.setCaption(language.text(45));
    commandLabel.setCaption(language.text(46));
    locationLabel.setCaption(language.text(47));
    saveButton.setCaption(language.text(48));
    cancelButton.setCaption(language.text(49));
    platform::Desktop& desktop = services_.machine.desktop;
    window.move((desktop.screenWidthTwips() - window.width()) / 2 + kDialogRightOfCentre,
                (desktop.screenHeightTwips() - window.height()) / 2 - kDialogAboveCentre);
    locationList.clear();
    for (const DialogLocation& location : dialogLocations(services_.machine.registry.views())) {
        ui::Row row;
        row.texts = {language.text(location.text)};
        row.id = static_cast<std::size_t>(location.code);
        locationList.addRow(std::move(row));
    }
}

int StartupEntryDialog::location() const {
    const std::size_t row = locationList.selectedIndex();
    return row < locationList.rowCount() ? static_cast<int>(locationList.row(row).id) : 0;
}

void StartupEntryDialog::present() {
    window.show();
    nameBox.setFocus();
}

void StartupEntryDialog::openForAdd() {
    load();
    edited_.reset();
    window.setTitle(services_.language.text(44));
    commandLabel.setCaption(services_.language.text(114));
    nameBox.setText("");
    commandBox.setText("");
    locationList.select(0);
    browseButton.show();
    present();
}

void StartupEntryDialog::openForEdit(const StartupEntry& entry) {
    load();
    edited_ = entry;
    window.setTitle(services_.language.text(113));
    commandLabel.setCaption(services_.language.text(114));
    nameBox.setText(store::trimSpaces(entry.name));
    commandBox.setText(store::trimSpaces(entry.command));
    const StartupPlaces places = findStartupPlaces(services_.machine, services_.store);
    const auto code = static_cast<std::size_t>(locationOf(entry, places));
    for (std::size_t row = 0; row < locationList.rowCount(); ++row)
        if (locationList.row(row).id == code) locationList.select(row);
    present();
}

void StartupEntryDialog::browse() {
    const auto chosen = services_.machine.desktop.openFile({"", "*.exe", "*.exe"});
    if (!chosen) return;
    const std::string path = store::trimSpaces(*chosen);
    std::string last = path.size() > 3 ? path.substr(path.size() - 3) : path;
    for (char& c : last) c = static_cast<char>(std::tolower(static_cast<unsigned char>(c)));
    if (last != "exe") {
        services_.machine.desktop.messageBox(kOnlyExeFilesMessage, "", platform::MessageIcon::None,
                                             platform::MessageButtons::Ok);
        nameBox.setText("");
        return;
    }
    commandBox.setText(path);
}

void StartupEntryDialog::save() {
    const EntryDraft draft{nameBox.text(), commandBox.text(), location()};
    if (saveEntry(services_, draft, edited_) != SaveOutcome::Saved) return;
    unload();
    if (onSaved) onSaved();
}

void StartupEntryDialog::cancel() {
    unload();
    if (onCancelled) onCancelled();
}

void StartupEntryDialog::unload() {
    window.hide();
    edited_.reset();
    loaded_ = false;
}

}  // namespace startup
