#include "localisation/options_dialog.h"

#include <cctype>

#include "product/version.h"
#include "store/text_value.h"

namespace localisation {

namespace {

// Only the letters count, so "frenchini" passes as well as "French.INI".
std::string lowered(const std::string& text) {
    std::string lower;
    for (char c : text) lower += static_cast<char>(std::tolower(static_cast<unsigned char>(c)));
    return lower;
}

bool endsInIni(const std::string& path) { return lowered(path.size() > 3 ? path.substr(path.size() - 3) : path) == "ini"; }

}  // namespace

OptionsDialog::OptionsDialog(platform::Machine& machine, store::SettingsStore& store, const Language& language)
    : window("OptionsDialog", {0, 0, 5760, 3360}, "Options"),
      languageFrame("languageFrame", {120, 120, 5400, 1320}),
      fileNameLabel("fileNameLabel", {120, 360, 1320, 300}),
      fileNameBox("fileNameBox", {1440, 330, 3000, 315}),
      browseButton("browseButton", {4560, 330, 720, 315}, "..."),
      webCaption("webCaption", {120, 1620, 2400, 300}),
      webAddressLink("webAddressLink", {2580, 1620, 2940, 300}, product::kProductWebAddress),
      okButton("okButton", {2760, 2280, 1320, 420}),
      cancelButton("cancelButton", {4200, 2280, 1320, 420}),
      backupsButton("backupsButton", {120, 2280, 1320, 420}),
      showSystemBox("showSystemBox", {120, 1935, 5400, 285}),
      machine_(machine),
      store_(store),
      language_(language) {
    window.add(languageFrame);
    window.add(fileNameLabel, &languageFrame);
    window.add(fileNameBox, &languageFrame);
    window.add(browseButton, &languageFrame);
    window.add(webCaption);
    window.add(webAddressLink);
    window.add(showSystemBox);
    // Left to right along the bottom, so Tab meets the buttons in the order they stand.
    window.add(backupsButton);
    window.add(okButton);
    window.add(cancelButton);
    backupsButton.onClick = [this] {
        if (showBackups) showBackups();
    };
    browseButton.onClick = [this] { browse(); };
    okButton.onClick = [this] { ok(); };
    cancelButton.onClick = [this] { cancel(); };
    webAddressLink.onClick = [this] { openWebAddress(); };
    window.onClose = [this] { cancel(); };
    window.defaultButton = &okButton;
    window.onCancel = [this] { cancel(); };
}

void OptionsDialog::load() {
    if (loaded_) return;
    loaded_ = true;
    fileNameBox.setText(chooseLanguageFile(store_));
    platform::Desktop& desktop = machine_.desktop;
    window.move((desktop.screenWidthTwips() - window.width()) / 2,
                (desktop.screenHeightTwips() - window.height()) / 2 - kOptionsRaiseTwips);
    window.setTitle(language_.text(70));
    okButton.setCaption(language_.text(52));
    cancelButton.setCaption(language_.text(65));
    backupsButton.setCaption(language_.text(123));
    languageFrame.setCaption(language_.text(68));
    fileNameLabel.setCaption(language_.text(69));
    webCaption.setCaption(language_.text(81));
    showSystemBox.setCaption(language_.text(200));
    showSystemBox.setChecked(showSystemComponents(store_));
}

void OptionsDialog::show() {
    load();
    window.show();
    window.setFocus();
    fileNameBox.setFocus();
}

void OptionsDialog::unload() {
    window.hide();
    loaded_ = false;
}

void OptionsDialog::browse() {
    const auto chosen = machine_.desktop.openFile({machine_.files.programFolder() + "\\lang", "*.ini", "*.ini"});
    if (!chosen) return;
    const std::string path = store::trimSpaces(*chosen);
    if (!endsInIni(path)) {
        machine_.desktop.messageBox(kOnlyIniFilesMessage, "", platform::MessageIcon::None,
                                    platform::MessageButtons::Ok);
        fileNameBox.setText("");
        return;
    }
    // Only the name is stored and it is looked for in the language folder, so a
    // file from anywhere else would be lost at the next start: it is refused.
    const auto slash = path.find_last_of('\\');
    const std::string folder = slash == std::string::npos ? std::string() : path.substr(0, slash);
    if (slash != std::string::npos && lowered(folder) != lowered(languageFolder(machine_.files))) {
        machine_.desktop.messageBox(kOnlyLanguageFolderMessage + languageFolder(machine_.files) + ".", "",
                                    platform::MessageIcon::Exclamation, platform::MessageButtons::Ok);
        return;
    }
    fileNameBox.setText(slash == std::string::npos ? path : path.substr(slash + 1));
}

void OptionsDialog::ok() {
    const std::string name = store::trimSpaces(fileNameBox.text());
    if (name.empty()) return;
    // A typed name meets the browse rules, and its file must be there to read at the next start.
    if (!languageFileReadable(machine_.files, name)) {
        machine_.desktop.messageBox(name + kNotALanguageFileMessage + languageFolder(machine_.files) + ".", "",
                                    platform::MessageIcon::Exclamation, platform::MessageButtons::Ok);
        return;
    }
    // The confirmation speaks the language in use; the new choice counts from the next start.
    const std::string message = language_.text(87);
    platform::Status status = store_.writeString(platform::kHkeyLocalMachine, kLanguageKey, kLanguageValue, name);
    if (status == platform::kSuccess)
        status = store_.writeString(platform::kHkeyLocalMachine, kLanguageKey, kShowSystemValue,
                                    showSystemBox.checked() ? "1" : "0");
    if (status != platform::kSuccess) {
        machine_.desktop.messageBox(kNotSavedMessage + machine_.desktop.statusText(status), "",
                                    platform::MessageIcon::Critical, platform::MessageButtons::Ok);
        return;
    }
    machine_.desktop.messageBox(message, "", platform::MessageIcon::Information, platform::MessageButtons::Ok);
    unload();
}

void OptionsDialog::cancel() { unload(); }

bool showSystemComponents(store::SettingsStore& store) {
    std::string text;
    return store.readString(platform::kHkeyLocalMachine, kLanguageKey, kShowSystemValue, text) &&
           store::trimSpaces(text) == "1";
}

void OptionsDialog::openWebAddress() {
    const std::string address = product::kProductWebAddress;
    if (machine_.processes.openAddress(address) == platform::kSuccess) return;
    machine_.desktop.messageBox(language_.text(94) + "\r" + " " + address, language_.text(101),
                                platform::MessageIcon::Information, platform::MessageButtons::Ok);
}

}  // namespace localisation
