#include "uninstall/program_info_dialog.h"

#include <algorithm>
#include <cctype>

#include "backup/backups_dialog.h"
#include "platform/status_text.h"
#include "platform/registry_key.h"
#include "store/text_value.h"
#include "uninstall/uninstall_page.h"

namespace uninstall {
namespace {

constexpr int kRaiseTwips = 200;
constexpr const char* kBackupCommand = "Program Info";

ui::Rect dialogButton(int slot) { return {240 + slot * 1350, 4740, 1260, 420}; }

// Only addresses go to the default handler: a program path or a command there is not started.
bool isAddress(const std::string& text) {
    std::string lower = text;
    for (char& c : lower) c = static_cast<char>(std::tolower(static_cast<unsigned char>(c)));
    for (const char* scheme : {"http://", "https://", "mailto:"})
        if (lower.rfind(scheme, 0) == 0 && lower.size() > std::char_traits<char>::length(scheme)) return true;
    return false;
}

}  // namespace

ProgramInfoDialog::ProgramInfoDialog(platform::Machine& machine, backup::Backups& backups,
                                     const localisation::Language& language)
    : window("ProgramInfoDialog", {0, 0, 7320, 5700}, "File Info"),
      programNameLabel("programNameLabel", {240, 150, 6720, 360}),
      publisherCaption("publisherCaption", {240, 630, 1320, 285}, "Puplisher"),
      homePageCaption("homePageCaption", {240, 930, 1320, 285}, "Home Page"),
      publisherText("publisherText", {1620, 630, 5340, 285}, "Not Available"),
      homePageText("homePageText", {1620, 930, 5340, 285}, "Not Available"),
      commandCaption("commandCaption", {240, 1230, 1320, 285}),
      commandText("commandText", {1620, 1230, 5340, 285}),
      valueList("valueList", {240, 1620, 6720, 2940}, {{"Key", 2400}, {"value", 4200}}),
      addButton("addButton", dialogButton(0), "       Add Key"),
      deleteButton("deleteButton", dialogButton(1), "     Delete Key"),
      editButton("editButton", dialogButton(2), "        Edit Key"),
      okButton("okButton", dialogButton(3), "        OK"),
      cancelButton("cancelButton", dialogButton(4), "     Cancel"),
      machine_(machine),
      backups_(backups),
      language_(language) {
    programNameLabel.setHeading(true);
    for (ui::Control* control : std::initializer_list<ui::Control*>{
             &programNameLabel, &publisherCaption, &publisherText, &homePageCaption, &homePageText, &commandCaption,
             &commandText, &valueList,
             &addButton, &deleteButton, &editButton, &okButton, &cancelButton})
        window.add(*control);
    for (ui::Label* label : {&publisherCaption, &homePageCaption, &publisherText, &homePageText})
        label->onClick = [this] { openHomePage(); };
    addButton.onClick = [this] { addValue(); };
    deleteButton.onClick = [this] { deleteValue(); };
    editButton.onClick = [this] { editValue(); };
    okButton.onClick = [this] { ok(); };
    cancelButton.onClick = [this] { cancel(); };
    window.onClose = [this] { cancel(); };
    window.defaultButton = &okButton;
    window.onCancel = [this] { cancel(); };
}

void ProgramInfoDialog::load() {
    if (loaded_) return;
    loaded_ = true;
    window.setTitle(language_.text(58));
    const std::pair<ui::Captioned*, int> captions[] = {{&addButton, 55},       {&deleteButton, 56},
                                                       {&editButton, 57},      {&okButton, 52},
                                                       {&cancelButton, 53},    {&publisherCaption, 59},
                                                       {&homePageCaption, 60}, {&commandCaption, 213}};
    for (const auto& [control, key] : captions) control->setCaption(language_.text(key));
    valueList.setColumnHeader(0, language_.text(61));
    valueList.setColumnHeader(1, language_.text(62));
    platform::Desktop& desktop = machine_.desktop;
    window.move((desktop.screenWidthTwips() - window.width()) / 2,
                (desktop.screenHeightTwips() - window.height()) / 2 - kRaiseTwips);
}

void ProgramInfoDialog::show(const std::string& programName, const std::string& command, platform::Key root,
                             platform::View view, const std::string& path) {
    load();
    // An edit still open belongs to the filling that goes now.
    if (valueDialog_ && valueDialog_->loaded()) valueDialog_->close();
    root_ = root;
    view_ = view;
    path_ = path;
    entries_.clear();
    onFill_.clear();
    deleted_.clear();
    valueList.clear();
    programNameLabel.setCaption(programName);
    commandText.setCaption(command);
    platform::RegKey key;
    platform::RegKey::open(machine_.registry, root, path, view, platform::kKeyQueryValue, key);
    auto shown = [&](const char* name) {
        platform::RegValue value;
        return key.isOpen() && key.read(name, value) == platform::kSuccess ? platform::formatValue(value)
                                                                             : std::string();
    };
    publisherText.setCaption(shown("Publisher"));
    homePageText.setCaption(shown("URLInfoAbout"));
    std::vector<platform::NamedRegValue> values;
    // The list leaves out the default value's empty name; it leads when the key has one.
    platform::RegValue defaultValue;
    if (key.isOpen() && key.read("", defaultValue) == platform::kSuccess) values.push_back({"", defaultValue});
    // A key holds a handful of values: no yield here, so no click can refill the list under this loop.
    if (key.isOpen()) key.values(values);
    for (const platform::NamedRegValue& value : values) {
        entries_.push_back({value.name, value.value.type, platform::formatValue(value.value), false});
        onFill_.push_back(value.name);
        showEntry(entries_.size() - 1);
    }
    window.show();
    window.setFocus();
}

void ProgramInfoDialog::showEntry(std::size_t index) {
    ui::Row row;
    row.texts = {entries_[index].name, entries_[index].text};
    if (index < valueList.rowCount()) {
        valueList.setText(index, 0, row.texts[0]);
        valueList.setText(index, 1, row.texts[1]);
    } else {
        valueList.addRow(std::move(row));
    }
}

std::optional<std::size_t> ProgramInfoDialog::entryNamed(const std::string& name) const {
    for (std::size_t i = 0; i < entries_.size(); ++i)
        if (entries_[i].name == name) return i;
    return std::nullopt;
}

void ProgramInfoDialog::forget(const std::string& name) {
    const bool wasThere = std::any_of(onFill_.begin(), onFill_.end(), [&](auto& n) { return sameName(n, name); });
    const bool listed = std::any_of(deleted_.begin(), deleted_.end(), [&](auto& n) { return sameName(n, name); });
    if (wasThere && !listed) deleted_.push_back(name);
}

void ProgramInfoDialog::addValue() {
    if (!loaded_) return;
    makeValueDialog().openForAdd();
}

void ProgramInfoDialog::editValue() {
    const std::size_t row = valueList.selectedIndex();
    if (!loaded_ || row >= entries_.size()) return;
    const Entry& entry = entries_[row];
    if (!platform::editableAsText(entry.type)) {
        tell(language_.text(160));
        return;
    }
    makeValueDialog().openForEdit(entry.name, entry.text);
}

void ProgramInfoDialog::deleteValue() {
    const std::size_t row = valueList.selectedIndex();
    if (!loaded_ || row >= entries_.size()) return;
    forget(entries_[row].name);
    entries_.erase(entries_.begin() + static_cast<std::ptrdiff_t>(row));
    valueList.removeRow(row);
    if (valueDialog_ && valueDialog_->editedName() && !entryNamed(*valueDialog_->editedName())) valueDialog_->close();
}

std::optional<std::string> ProgramInfoDialog::takeValue(const std::optional<std::string>& edited,
                                                        const std::string& name, const std::string& data) {
    if (!edited) {
        // A new value is a text; its data goes in exactly as typed.
        entries_.push_back({store::trimSpaces(name), platform::kRegSz, data, true});
        showEntry(entries_.size() - 1);
        return std::nullopt;
    }
    const auto index = entryNamed(*edited);
    if (!index) return language_.text(162);
    Entry& entry = entries_[*index];
    if (!platform::editableAsText(entry.type)) return language_.text(160);
    if (!platform::parseValue(entry.type, data)) return language_.text(161);
    const bool renamed = store::trimSpaces(name) != store::trimSpaces(entry.name);
    if (renamed) {
        forget(entry.name);
        entry.name = store::trimSpaces(name);
    }
    entry.text = data;
    entry.changed = true;
    showEntry(*index);
    return std::nullopt;
}

void ProgramInfoDialog::ok() {
    if (!loaded_) return;
    backup::BackupSet set = backups_.open(kBackupCommand);
    auto save = [&](const std::string& name) { return set.addValue(root_, path_, name, view_); };
    std::vector<std::string> deletable, writable;
    for (const std::string& name : deleted_)
        if (save(name)) deletable.push_back(name);
    std::vector<std::string> saved;  // a name added twice is saved once
    for (const Entry& entry : entries_) {
        if (!entry.changed) continue;
        const bool already = std::any_of(deletable.begin(), deletable.end(), [&](auto& n) { return sameName(n, entry.name); }) ||
                             std::any_of(saved.begin(), saved.end(), [&](auto& n) { return sameName(n, entry.name); });
        if (already || save(entry.name)) {
            saved.push_back(entry.name);
            writable.push_back(entry.name);
        }
    }
    if (!set.commit()) {
        const std::string why = backup::leftAloneMessage(set.problems(), language_);
        tell(why.empty() ? language_.text(136) : why);
        return;
    }
    std::string failures;
    auto failed = [&](const std::string& name, platform::Status status) {
        failures += "\r" + name + ": " + platform::describeStatus(status);
    };
    // Deletions first, so a value deleted and added again under its name stays.
    // No yields either: a second OK must not run inside this one.
    for (const std::string& name : deletable) {
        if (auto status = platform::deleteValue(machine_.registry, root_, path_, view_, name)) failed(name, status);
    }
    for (const Entry& entry : entries_) {
        if (!entry.changed ||
            std::none_of(writable.begin(), writable.end(), [&](auto& n) { return n == entry.name; }))
            continue;
        const platform::RegValue value = platform::parseValue(entry.type, entry.text).value_or(platform::RegValue{});
        if (auto status = platform::writeValue(machine_.registry, root_, path_, view_, entry.name, value))
            failed(entry.name, status);
    }
    const std::string leftAlone = backup::leftAloneMessage(set.problems(), language_);
    if (!leftAlone.empty()) tell(leftAlone);
    if (!failures.empty()) tell(language_.text(163) + failures);
    cancel();
}

void ProgramInfoDialog::cancel() {
    if (valueDialog_ && valueDialog_->loaded()) valueDialog_->close();
    window.hide();
    loaded_ = false;
}

void ProgramInfoDialog::openHomePage() {
    const std::string address = store::trimSpaces(homePageText.caption());
    if (isAddress(address) && machine_.processes.openAddress(address) == platform::kSuccess) return;
    machine_.desktop.messageBox(language_.text(94) + "\r" + address, language_.text(101),
                                platform::MessageIcon::Information, platform::MessageButtons::Ok);
}

void ProgramInfoDialog::tell(const std::string& text) {
    machine_.desktop.messageBox(text, language_.text(58), platform::MessageIcon::Information,
                                platform::MessageButtons::Ok);
}

ValueDialog& ProgramInfoDialog::makeValueDialog() {
    if (!valueDialog_) {
        valueDialog_ = std::make_unique<ValueDialog>(machine_.desktop, language_);
        valueDialog_->onSave = [this](const std::optional<std::string>& edited, const std::string& name,
                                      const std::string& data) { return takeValue(edited, name, data); };
        if (windowMade) windowMade(valueDialog_->window);
    }
    return *valueDialog_;
}

}  // namespace uninstall
