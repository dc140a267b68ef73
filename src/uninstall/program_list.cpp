// The uninstall page's list: the listing shown as rows, the header sort and the chosen program.
#include <algorithm>
#include <cctype>
#include <cmath>
#include <tuple>

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

// An InstallDate of the form YYYYMMDD, as a number that sorts by date; nothing for any other text.
std::optional<int> dateNumber(const std::string& text) {
    if (text.size() != 8) return std::nullopt;
    for (char c : text)
        if (c < '0' || c > '9') return std::nullopt;
    const int number = std::stoi(text), month = number / 100 % 100, day = number % 100;
    if (month < 1 || month > 12 || day < 1 || day > 31) return std::nullopt;
    return number;
}

// One decimal at most, and none when it would be ".0".
std::string oneDecimal(double value) {
    const long tenths = std::lround(value * 10);
    std::string text = std::to_string(tenths / 10);
    if (tenths % 10) text += '.' + std::to_string(tenths % 10);
    return text;
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
    // The clock costs far less than one registry read (a fraction of a microsecond
    // under Wine), so the pacer is asked at every entry.
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

UninstallPage::ColumnTexts UninstallPage::columnTexts() const {
    ColumnTexts texts;
    for (int key = 206; key <= 212; ++key) texts.byKey[static_cast<std::size_t>(key - 206)] = language_.text(key);
    return texts;
}

std::string UninstallPage::sizeText(const std::optional<std::uint64_t>& sizeKb, const ColumnTexts& texts) const {
    if (!sizeKb) return {};
    constexpr double kKilo = 1024;
    if (*sizeKb < kKilo) return std::to_string(*sizeKb) + " " + texts.of(210);
    if (*sizeKb < kKilo * kKilo) return oneDecimal(*sizeKb / kKilo) + " " + texts.of(211);
    return oneDecimal(*sizeKb / kKilo / kKilo) + " " + texts.of(212);
}

std::string UninstallPage::installedText(const std::string& installDate) const {
    const auto date = dateNumber(installDate);
    if (!date) return installDate;
    // A date the system cannot show (the 31st of February) stays as written.
    const std::string shown = shortDate ? shortDate(*date / 10000, *date / 100 % 100, *date % 100) : std::string();
    return shown.empty() ? installDate : shown;
}

std::string UninstallPage::whereText(Audience audience, const ColumnTexts& texts) const {
    switch (audience) {
        case Audience::AllUsers32Bit: return texts.of(207);
        case Audience::AllUsers64Bit: return texts.of(208);
        case Audience::CurrentUser: return texts.of(209);
        case Audience::AllUsers: break;
    }
    return texts.of(206);
}

std::string UninstallPage::shownText(const InstalledProgram& program, std::size_t column,
                                     const ColumnTexts& texts) const {
    switch (column) {
        case kNameColumn: return program.name;
        case kCommandColumn: return store::trimSpaces(program.command);
        case kPublisherColumn: return program.publisher;
        case kVersionColumn: return program.version;
        case kInstalledColumn: return installedText(program.installDate);
        case kSizeColumn: return sizeText(program.sizeKb, texts);
        case kWhereColumn: return whereText(program.audience, texts);
        default: return {};
    }
}

UninstallPage::SortKey UninstallPage::sortKey(const InstalledProgram& program, std::size_t column,
                                              const ColumnTexts& texts) const {
    // No size sorts before a size of 0.
    if (column == kSizeColumn) return {program.sizeKb ? 1 : 0, program.sizeKb.value_or(0), {}};
    if (column != kInstalledColumn) return {0, 0, lowerCase(shownText(program, column, texts))};
    // Empty first, then dates in time order, then other texts as text.
    if (program.installDate.empty()) return {};
    if (const auto date = dateNumber(program.installDate)) return {1, static_cast<std::uint64_t>(*date), {}};
    return {2, 0, lowerCase(program.installDate)};
}

bool UninstallPage::rowBefore(const ui::Row& a, const ui::Row& b, std::size_t column) {
    if (a.id >= programs_.size() || b.id >= programs_.size()) return a.id < b.id;
    // Made once per sort: a comparison then costs no formatting and no language lookup.
    if (sortKeys_.size() != programs_.size() || sortKeysColumn_ != column) {
        const ColumnTexts texts = columnTexts();
        sortKeys_.clear();
        sortKeysColumn_ = column;
        for (const InstalledProgram& program : programs_) sortKeys_.push_back(sortKey(program, column, texts));
    }
    const SortKey &first = sortKeys_[a.id], &second = sortKeys_[b.id];
    return std::tie(first.rank, first.number, first.text) < std::tie(second.rank, second.number, second.text);
}

void UninstallPage::showRows() {
    ui::ListView& list = parts.programList;
    list.clear();
    sortKeys_.clear();  // they were the last listing's
    const ColumnTexts texts = columnTexts();
    for (std::size_t id = 0; id < programs_.size(); ++id) {
        ui::Row row;
        for (std::size_t column = 0; column < kColumnCount; ++column)
            row.texts.push_back(shownText(programs_[id], column, texts));
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
    // Sorted once: rows added later keep the order they come in. The keys are made
    // afresh, so a language or date form changed since the last sort counts.
    sortKeys_.clear();
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
