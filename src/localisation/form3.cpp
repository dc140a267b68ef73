#include "localisation/form3.h"

#include <cctype>

#include "product/version.h"
#include "store/text_value.h"

namespace localisation {

namespace {

// Only the letters count, so "frenchini" passes as well as "French.INI".
bool endsInIni(const std::string& path) {
    const std::string last = path.size() > 3 ? path.substr(path.size() - 3) : path;
    std::string lower;
    for (char c : last) lower += static_cast<char>(std::tolower(static_cast<unsigned char>(c)));
    return lower == "ini";
}

}  // namespace

Form3::Form3(platform::Machine& machine, store::SettingsStore& store, const Language& language)
    : window("Form3", {0, 0, 5760, 3360}, "Options"),
      Frame1("Frame1", {120, 120, 5400, 1320}),
      Label1("Label1", {120, 360, 1320, 300}),
      Text1("Text1", {1440, 330, 3000, 315}),
      Command8("Command8", {4560, 330, 720, 315}, "..."),
      Label2("Label2", {120, 1620, 1800, 300}),
      Label3("Label3", {1980, 1620, 3540, 300}, product::kProductWebAddress),
      cButton5("cButton5", {2760, 2280, 1320, 420}),
      drawnButton1("drawnButton1", {4200, 2280, 1320, 420}),
      machine_(machine),
      store_(store),
      language_(language) {
    window.add(Frame1);
    window.add(Label1, &Frame1);
    window.add(Text1, &Frame1);
    window.add(Command8, &Frame1);
    window.add(Label2);
    window.add(Label3);
    window.add(cButton5);
    window.add(drawnButton1);
    Command8.onClick = [this] { Browse(); };
    cButton5.onClick = [this] { OK(); };
    drawnButton1.onClick = [this] { Cancel(); };
    Label3.onClick = [this] { OpenWebAddress(); };
    window.onClose = [this] { Cancel(); };
}

void Form3::Load() {
    if (loaded_) return;
    loaded_ = true;
    Text1.setText(chooseLanguageFile(store_));
    platform::Desktop& desktop = machine_.desktop;
    window.move((desktop.screenWidthTwips() - window.width()) / 2,
                (desktop.screenHeightTwips() - window.height()) / 2 - kOptionsRaiseTwips);
    window.setTitle(language_.LangText(70));
    cButton5.setCaption(language_.LangText(52));
    drawnButton1.setCaption(language_.LangText(65));
    Frame1.setCaption(language_.LangText(68));
    Label1.setCaption(language_.LangText(69));
    Label2.setCaption(language_.LangText(81));
}

void Form3::Show() {
    Load();
    window.show();
    window.setFocus();
}

void Form3::Unload() {
    window.hide();
    loaded_ = false;
}

void Form3::Browse() {
    const auto chosen =
        machine_.desktop.openFile({machine_.files.programFolder() + "\\lang", "*.ini", "*.ini"});
    if (!chosen) return;
    const std::string path = store::trimSpaces(*chosen);
    if (!endsInIni(path)) {
        machine_.desktop.messageBox(kOnlyIniFilesMessage, "", platform::MessageIcon::None,
                                    platform::MessageButtons::Ok);
        Text1.setText("");
        return;
    }
    // The folder is dropped: the name is always looked for in the lang folder.
    const auto slash = path.find_last_of('\\');
    Text1.setText(slash == std::string::npos ? path : path.substr(slash + 1));
}

void Form3::OK() {
    const std::string name = store::trimSpaces(Text1.text());
    if (name.empty()) return;
    // The confirmation speaks the language in use; the new choice counts from the next start.
    const std::string message = language_.LangText(87);
    store_.SaveRegString(platform::kHkeyLocalMachine, kLanguageKey, kLanguageValue, name);
    machine_.desktop.messageBox(message, "", platform::MessageIcon::Information, platform::MessageButtons::Ok);
    Unload();
}

void Form3::Cancel() { Unload(); }

void Form3::OpenWebAddress() {
    const std::string address = product::kProductWebAddress;
    if (machine_.processes.openAddress(address) == platform::kSuccess) return;
    machine_.desktop.messageBox(language_.LangText(94) + "\r" + " " + address, language_.LangText(101),
                                platform::MessageIcon::Information, platform::MessageButtons::Ok);
}

}  // namespace localisation
