#include "uninstall/program_list.h"

#include <algorithm>
#include <cctype>

#include "store/text_value.h"
#include "uninstall/entry_values.h"
#include "platform/message_pacer.h"

namespace uninstall {
namespace {

constexpr const char* kDisplayNameValue = "displayname";
constexpr const char* kCommandValue = "UninstallString";

std::string lowerCase(const std::string& text) {
    std::string result = text;
    for (char& c : result) c = static_cast<char>(std::tolower(static_cast<unsigned char>(c)));
    return result;
}

// The enumeration hands names back only at its end; its progress calls are where
// a long one lets the message loop run.
class PacedProgress : public store::EnumerationProgress {
public:
    PacedProgress(store::EnumerationProgress& shown, platform::MessagePacer& pacer) : shown_(shown), pacer_(pacer) {}
    void showName(const std::string& name) override {
        shown_.showName(name);
        pacer_.step();
    }
    bool stopRequested() const override { return shown_.stopRequested(); }

private:
    store::EnumerationProgress& shown_;
    platform::MessagePacer& pacer_;
};

}  // namespace

bool sameName(const std::string& a, const std::string& b) { return lowerCase(a) == lowerCase(b); }

ProgramList::ProgramList(UninstallPage page, platform::Machine& machine, store::SettingsStore& store,
                         store::EnumerationProgress& progress, UninstallKeys keys)
    : page_(std::move(page)), machine_(machine), store_(store), progress_(progress), keys_(std::move(keys)) {}

void ProgramList::beginWalk() {
    if (walks_++ == 0)
        for (ui::Button* button : page_.buttons) button->setEnabled(false);
}

void ProgramList::endWalk() {
    if (--walks_ == 0)
        for (ui::Button* button : page_.buttons) button->setEnabled(true);
}

void ProgramList::list() {
    const std::uint64_t startedIn = page_.generation();
    beginWalk();
    struct WalkEnd {
        ProgramList& list;
        ~WalkEnd() { list.endWalk(); }
    } walkEnd{*this};

    page_.programList.clear();
    page_.uninstallKeyMode = 0;
    std::string items;
    std::vector<std::string> names;
    platform::MessagePacer pacer(machine_.desktop);
    PacedProgress paced(progress_, pacer);
    store::Status status = store_.enumerateSubkeys(keys_.rootWord, keys_.primary, items, names, paced);
    page_.uninstallKeyMode = status;
    if (status == platform::kFileNotFound) {
        items.clear();
        store_.enumerateSubkeys(keys_.rootWord, keys_.fallback, items, names, paced);
        page_.uninstallKeyMode = kFallbackKeyMode;
    }
    const std::string& key = listedKey();

    std::vector<ui::Row> rows;
    std::vector<std::string> expandable;
    if (page_.generation() != startedIn) return;
    for (const std::string& name : names) {
        if (pacer.step() && page_.generation() != startedIn) return;
        // Each entry's values come afresh: a missing one is empty, never the one before.
        const std::string path = key + "\\" + name;
        const auto values = readValues(machine_.registry, keys_.root, path, {kDisplayNameValue, kCommandValue});
        const auto displayName = textOf(values[0]);
        const auto& commandValue = values[1];
        const std::string shownName = store::trimSpaces(displayName.value_or(""));
        if (shownName.empty()) continue;
        ui::Row row;
        row.texts = {shownName, store::trimSpaces(textOf(commandValue).value_or("")), name};
        row.smallIcon += kProgramPicture;
        if (commandValue && commandValue->type == platform::kRegExpandSz) expandable.push_back(lowerCase(name));
        rows.push_back(std::move(row));
    }
    expandableKeys_ = std::move(expandable);
    for (ui::Row& row : rows) page_.programList.addRow(std::move(row));
    progress_.showName("");
}

void ProgramList::rowClicked(std::size_t row) {
    if (row >= page_.programList.rowCount()) return;
    page_.selectedRow = static_cast<int>(row) + 1;
    selectedKey_ = page_.programList.text(row, kKeyNameColumn);
    page_.selectedProgramLabel.setCaption(page_.programList.text(row, kNameColumn));
    page_.selectionPicture.show();
}

void ProgramList::columnClicked(std::size_t column) {
    ui::ListView& list = page_.programList;
    const auto picked = page_.selectedRow > 0 ? rowOfKey(selectedKey_) : std::nullopt;
    std::size_t key = list.sortKey();
    ui::SortOrder order = ui::SortOrder::Descending;
    if (list.sortOrder() == ui::SortOrder::Descending) {
        order = ui::SortOrder::Ascending;
        key = column;
    }
    list.setSorting(true, key, order);
    list.setSorted(false);
    // The commands act on the program the user picked, wherever the sort put it.
    if (picked) {
        if (const auto moved = rowOfKey(selectedKey_)) page_.selectedRow = static_cast<int>(*moved) + 1;
    }
}

std::optional<std::size_t> ProgramList::rowOfKey(const std::string& keyName) const {
    const ui::ListView& list = page_.programList;
    for (std::size_t i = 0; i < list.rowCount(); ++i)
        if (list.text(i, kKeyNameColumn) == keyName) return i;
    return std::nullopt;
}

std::optional<ListedProgram> ProgramList::selected() const {
    if (page_.selectedRow <= 0) return std::nullopt;
    const auto row = rowOfKey(selectedKey_);
    if (!row) return std::nullopt;
    const ui::ListView& list = page_.programList;
    ListedProgram program{list.text(*row, kNameColumn), list.text(*row, kCommandColumn),
                          list.text(*row, kKeyNameColumn), false};
    program.expandable = std::find(expandableKeys_.begin(), expandableKeys_.end(), lowerCase(program.keyName)) !=
                         expandableKeys_.end();
    return program;
}

}  // namespace uninstall
