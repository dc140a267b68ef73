#include "startup/startup_page.h"

#include "startup/startup_listing.h"
#include "store/text_value.h"

namespace startup {
namespace {

// Built piece by piece: GCC 12 sees false overlaps in chained + at -O2.
std::string twoLines(std::string first, const std::string& second) {
    first += '\r';
    first += second;
    return first;
}

}  // namespace

// The page's buttons do nothing while a walk runs, and show it.
class StartupPage::BusyGuard {
public:
    explicit BusyGuard(StartupPage& page) : page_(page) {
        if (page_.busy_++ == 0)
            for (ui::Button* button : page_.parts_.buttons) button->setEnabled(false);
    }
    ~BusyGuard() {
        if (--page_.busy_ == 0)
            for (ui::Button* button : page_.parts_.buttons) button->setEnabled(true);
    }
    BusyGuard(const BusyGuard&) = delete;
    BusyGuard& operator=(const BusyGuard&) = delete;

private:
    StartupPage& page_;
};

StartupPage::StartupPage(StartupPageParts parts, ChangeServices services)
    : parts_(std::move(parts)), services_(services) {
    parts_.list.onRowClick = [this](std::size_t row) { rowClicked(row); };
    parts_.list.onColumnClick = [this](std::size_t column) { columnClicked(column); };
    ui::Button& addButton = *parts_.buttons[0];
    addButton.onClick = [this] { add(); };
    parts_.buttons[1]->onClick = [this] { edit(); };
    parts_.buttons[2]->onClick = [this] { deleteSelected(); };
    parts_.buttons[3]->onClick = [this] { disableSelected(); };
    parts_.buttons[4]->onClick = [this] { enableSelected(); };
}

void StartupPage::list() {
    BusyGuard guard(*this);
    const std::uint64_t startedIn = parts_.generation();
    LoopService keepGoing(services_.machine.desktop, [&] { return parts_.generation() == startedIn; });
    parts_.list.clear();
    const StartupPlaces places = findStartupPlaces(services_.machine, services_.store);
    std::vector<StartupEntry> found;
    // A listing that was superseded leaves the list to the one that superseded it.
    const KeepGoing serve = [&] { return keepGoing(); };
    if (!listActiveEntries(services_.machine, places, found, serve)) return;
    if (!listParkedEntries(services_.machine, places, found, serve)) return;
    entries_ = std::move(found);
    fillList();
    followChoice();
}

void StartupPage::fillList() {
    ui::ListView& list = parts_.list;
    list.clear();
    for (std::size_t i = 0; i < entries_.size(); ++i) {
        const StartupEntry& entry = entries_[i];
        ui::Row row;
        row.texts = {store::trimSpaces(entry.name),
                     entry.command,
                     services_.language.text(locationTextKey(entry.source)),
                     entry.active ? "1" : "0",
                     entry.folder,
                     std::to_string(static_cast<int>(entry.source)),
                     std::to_string(i)};
        row.smallIcon = std::string(entry.active ? kActivePicture : kParkedPicture);
        list.addRow(std::move(row));
    }
}

const StartupEntry* StartupPage::entryOfRow(std::size_t row) const {
    if (row >= parts_.list.rowCount()) return nullptr;
    const std::string index = parts_.list.text(row, kEntryIndexText);
    if (index.empty()) return nullptr;
    const std::size_t i = std::stoul(index);
    return i < entries_.size() ? &entries_[i] : nullptr;
}

void StartupPage::followChoice() {
    if (chosen_) {
        for (std::size_t row = 0; row < parts_.list.rowCount(); ++row) {
            const StartupEntry* entry = entryOfRow(row);
            if (entry && entry->sameEntry(*chosen_)) {
                parts_.list.select(row);
                parts_.selectedStartupRow = static_cast<int>(row) + 1;
                return;
            }
        }
    }
    chosen_.reset();
    parts_.selectedStartupRow = 0;
    parts_.selectedNameLabel.setCaption("");
}

void StartupPage::rowClicked(std::size_t row) {
    const StartupEntry* entry = entryOfRow(row);
    if (!entry) return;
    chosen_ = *entry;
    parts_.selectedStartupRow = static_cast<int>(row) + 1;
    parts_.selectedNameLabel.setCaption(store::trimSpaces(entry->name));
}

void StartupPage::columnClicked(std::size_t column) {
    ui::ListView& list = parts_.list;
    if (list.sortOrder() == ui::SortOrder::Ascending)
        list.setSorting(true, list.sortKey(), ui::SortOrder::Descending);
    else
        list.setSorting(true, column, ui::SortOrder::Ascending);
    followChoice();
}

bool StartupPage::checkChoice(const std::string& noneText, int wrongStateText, bool wantActive) {
    platform::Desktop& desktop = services_.machine.desktop;
    if (!chosen_) {
        desktop.messageBox(twoLines(services_.language.text(90), noneText), "No application", platform::MessageIcon::None,
                           platform::MessageButtons::Ok);
        return false;
    }
    if (chosen_->active != wantActive) {
        desktop.messageBox(services_.language.text(wrongStateText), "", platform::MessageIcon::Information,
                           platform::MessageButtons::Ok);
        return false;
    }
    return true;
}

void StartupPage::disableSelected() {
    if (busy()) return;
    parts_.list.setSorted(false);
    if (!checkChoice(services_.language.text(104), 92, true)) return;
    if (disableEntry(services_, *chosen_)) {
        chosen_->active = false;  // the entry now stands among the parked ones
        if (chosen_->source == Source::StartupFolder) chosen_->keyPath.clear();
        else if (isRegistrySource(chosen_->source)) chosen_->keyPath = parkingKey(chosen_->source);
        parts_.refresh();
    }
}

void StartupPage::enableSelected() {
    if (busy()) return;
    if (!checkChoice(services_.language.text(104), 105, false)) return;
    if (enableEntry(services_, *chosen_)) {
        chosen_->active = true;
        if (isRegistrySource(chosen_->source)) chosen_->keyPath = liveKey(chosen_->source);
        parts_.refresh();
    }
}

void StartupPage::deleteSelected() {
    if (busy()) return;
    std::vector<StartupEntry> marked;
    for (std::size_t row = 0; row < parts_.list.rowCount(); ++row)
        if (parts_.list.row(row).selected)
            if (const StartupEntry* entry = entryOfRow(row)) marked.push_back(*entry);
    const std::uint64_t startedIn = parts_.generation();
    {
        BusyGuard guard(*this);
        for (const StartupEntry& entry : marked) {
            services_.machine.desktop.yield();
            // A page switch or closing ends the walk; the page it went to is not taken back.
            if (parts_.generation() != startedIn) return;
            const auto answer = services_.machine.desktop.messageBox(
                twoLines(services_.language.text(91), store::trimSpaces(entry.name)), "Delete",
                platform::MessageIcon::Critical, platform::MessageButtons::YesNo);
            if (answer != platform::MessageAnswer::Yes) break;
            deleteEntry(services_, entry);
        }
    }
    // Rebuilt also after a No, so the list shows what the Yes answers removed.
    parts_.refresh();
}

void StartupPage::add() {
    if (busy()) return;
    chosen_.reset();
    parts_.selectedStartupRow = 0;
    dialog().openForAdd();
}

void StartupPage::edit() {
    if (busy()) return;
    if (!checkChoice("Please first choose application", 92, true)) return;
    dialog().openForEdit(*chosen_);
}

StartupEntryDialog& StartupPage::dialog() {
    if (!dialog_) {
        dialog_ = std::make_unique<StartupEntryDialog>(services_);
        dialog_->onSaved = [this] {
            chosen_.reset();
            parts_.selectedStartupRow = 0;
            parts_.refresh();
        };
        dialog_->onCancelled = [this] { parts_.searchBox.setText("0"); };
        if (windowMade) windowMade(dialog_->window);
    }
    return *dialog_;
}

}  // namespace startup
