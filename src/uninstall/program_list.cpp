// The uninstall page's list: the listing shown as rows, the header sort and the chosen program.
#include <algorithm>
#include <cctype>

#include "platform/message_pacer.h"
#include "store/text_value.h"
#include "uninstall/uninstall_page.h"

namespace uninstall {
namespace {

std::string lowerCase(const std::string& text) {
    std::string result = text;
    for (char& c : result) c = static_cast<char>(std::tolower(static_cast<unsigned char>(c)));
    return result;
}

}  // namespace

bool sameName(const std::string& a, const std::string& b) { return lowerCase(a) == lowerCase(b); }

void UninstallPage::setButtonsEnabled(bool enabled) {
    for (ui::Button* button : parts.buttonsInOrder()) button->setEnabled(enabled);
}

void UninstallPage::show() {
    chosen_.reset();
    parts.selectionPicture.hide();
    parts.programList.show();
    parts.buttons.show();
}

void UninstallPage::hide() {
    parts.selectionPicture.hide();
    parts.programList.hide();
    parts.buttons.hide();
}

void UninstallPage::list() {
    const std::uint64_t startedIn = generation();
    Walk walk(*this);
    // The chosen program stays chosen when the new listing still has it.
    std::optional<InstalledProgram> was;
    if (const InstalledProgram* program = selected()) was = *program;
    parts.programList.clear();
    platform::MessagePacer pacer(machine_.desktop);
    Listing listing = listInstalledPrograms(machine_, settings, [&](const std::string& keyName) {
        if (showProgress && !keyName.empty()) showProgress(keyName);
        return !(pacer.step() && generation() != startedIn);
    });
    if (listing.stopped) return;
    programs_ = std::move(listing.programs);
    ntForm_ = listing.ntForm;
    chosen_ = was ? recordAt(*was) : std::nullopt;
    showRows();
    if (showProgress) showProgress("");
}

void UninstallPage::showRows() {
    ui::ListView& list = parts.programList;
    list.clear();
    for (std::size_t id = 0; id < programs_.size(); ++id) {
        ui::Row row;
        row.texts = {programs_[id].name, store::trimSpaces(programs_[id].command), ""};
        row.smallIcon += kProgramPicture;  // assigning a literal trips a false -Wrestrict in mingw g++ 12
        row.id = id;
        list.addRow(std::move(row));
    }
}

void UninstallPage::rowClicked(std::size_t row) {
    const InstalledProgram* program = programOfRow(row);
    if (!program) return;
    chosen_ = parts.programList.row(row).id;
    if (showChosen) showChosen(program->name);
    parts.selectionPicture.show();
}

void UninstallPage::columnClicked(std::size_t column) {
    ui::ListView& list = parts.programList;
    std::size_t key = list.sortKey();
    ui::SortOrder order = ui::SortOrder::Descending;
    if (list.sortOrder() == ui::SortOrder::Descending) {
        order = ui::SortOrder::Ascending;
        key = column;
    }
    // Sorted once: rows added later keep the order they come in.
    list.setSorting(true, key, order);
    list.setSorted(false);
}

const InstalledProgram* UninstallPage::programOfRow(std::size_t row) const {
    if (row >= parts.programList.rowCount()) return nullptr;
    const std::size_t id = parts.programList.row(row).id;
    return id < programs_.size() ? &programs_[id] : nullptr;
}

std::optional<std::size_t> UninstallPage::rowOfRecord(std::size_t id) const {
    const ui::ListView& list = parts.programList;
    for (std::size_t i = 0; i < list.rowCount(); ++i)
        if (list.row(i).id == id) return i;
    return std::nullopt;
}

std::optional<std::size_t> UninstallPage::recordAt(const InstalledProgram& program) const {
    for (std::size_t id = 0; id < programs_.size(); ++id) {
        const InstalledProgram& other = programs_[id];
        if (other.root == program.root && other.view == program.view && sameName(other.keyPath, program.keyPath))
            return id;
    }
    return std::nullopt;
}

const InstalledProgram* UninstallPage::selected() const {
    if (!chosen_ || !rowOfRecord(*chosen_)) return nullptr;
    return &programs_[*chosen_];
}

int UninstallPage::selectedRow() const {
    const auto row = chosen_ ? rowOfRecord(*chosen_) : std::nullopt;
    return row ? static_cast<int>(*row) + 1 : 0;
}

}  // namespace uninstall
