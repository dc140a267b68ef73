#include "startup/startup_page.h"

#include <initializer_list>

#include "platform/message_pacer.h"
#include "startup/startup_listing.h"
#include "startup/startup_sources.h"
#include "store/text_value.h"

namespace startup {
namespace {

// The page's buttons sit in the same five slots as the other pages' buttons.
ui::Rect buttonSlot(int slot) { return {120 + slot * 2010, 135, 1890, 495}; }

// Built piece by piece: GCC 12 sees false overlaps in chained + at -O2.
std::string twoLines(std::string first, const std::string& second) {
    first += '\r';
    first += second;
    return first;
}

}  // namespace

// The page's buttons do nothing while a walk runs, and show it.
class StartupPage::Busy {
public:
    explicit Busy(StartupPage& page) : page_(page), scope_(page.busy_) { page_.setButtonsEnabled(false); }
    ~Busy() {
        if (page_.busy_ == 1) page_.setButtonsEnabled(true);  // the last one out; the scope counts down after this
    }
    Busy(const Busy&) = delete;
    Busy& operator=(const Busy&) = delete;

private:
    StartupPage& page_;
    platform::BusyScope scope_;
};

StartupPage::StartupPage(StartupPageHost host, ChangeServices services)
    : list("startupList", {135, 1920, 10200, 3105},
           {{"Program Name", 2000}, {"Command Line", 4500}, {"Location", 15000}, {"", 0}, {"", 0}, {"", 0}}),
      buttons("startupButtons", {45, 5835, 10300, 765}),
      addButton("addStartupButton", buttonSlot(0), "     Add"),
      editButton("editStartupButton", buttonSlot(1), "     Edit"),
      deleteButton("deleteStartupButton", buttonSlot(2), "     Delete"),
      disableButton("disableStartupButton", buttonSlot(3), "   Disable"),
      enableButton("enableStartupButton", buttonSlot(4), "   Enable"),
      host_(std::move(host)),
      services_(services) {
    list.onRowClick = [this](std::size_t row) { rowClicked(row); };
    list.onColumnClick = [this](std::size_t column) { columnClicked(column); };
    addButton.onClick = [this] { add(); };
    editButton.onClick = [this] { edit(); };
    deleteButton.onClick = [this] { deleteSelected(); };
    disableButton.onClick = [this] { disableSelected(); };
    enableButton.onClick = [this] { enableSelected(); };
}

void StartupPage::setButtonsEnabled(bool enabled) {
    for (ui::Button* button : {&addButton, &editButton, &deleteButton, &disableButton, &enableButton})
        button->setEnabled(enabled);
}

void StartupPage::listEntries() {
    Busy busy(*this);
    const std::uint64_t startedIn = host_.generation();
    platform::MessagePacer pacer(services_.machine.desktop);
    list.clear();
    const StartupPlaces places = findStartupPlaces(services_.machine, services_.store);
    // A listing that was superseded leaves the list to the one that superseded it.
    auto found = listStartupEntries(services_.machine, places,
                                    [&] { return !pacer.step() || host_.generation() == startedIn; });
    if (!found) return;
    entries_ = std::move(*found);
    fillList();
    followChoice();
}

void StartupPage::fillList() {
    list.clear();
    const platform::RegistryViews views = services_.machine.registry.views();
    for (std::size_t i = 0; i < entries_.size(); ++i) {
        const StartupEntry& entry = entries_[i];
        std::string location = services_.language.text(locationTextKey(entry.source, views));
        if (entry.disabledByWindows) {
            location += ' ';
            location += services_.language.text(kDisabledByWindowsText);
        }
        ui::Row row;
        row.texts = {store::trimSpaces(entry.name),
                     entry.command,
                     location,
                     entry.active ? "1" : "0",
                     entry.folder,
                     std::to_string(static_cast<int>(entry.source))};
        row.smallIcon = std::string(entry.active && !entry.disabledByWindows ? kActivePicture : kParkedPicture);
        row.id = i;
        list.addRow(std::move(row));
    }
}

const StartupEntry* StartupPage::entryOfRow(std::size_t row) const {
    if (row >= list.rowCount()) return nullptr;
    const std::size_t id = list.row(row).id;
    return id < entries_.size() ? &entries_[id] : nullptr;
}

std::optional<std::size_t> StartupPage::chosenRow() const {
    if (!chosen_) return std::nullopt;
    for (std::size_t row = 0; row < list.rowCount(); ++row)
        if (const StartupEntry* entry = entryOfRow(row); entry && entry->sameEntry(*chosen_)) return row;
    return std::nullopt;
}

void StartupPage::followChoice() {
    if (const auto row = chosenRow()) {
        list.select(*row);
        return;
    }
    chosen_.reset();
    host_.selectedNameLabel.setCaption("");
}

void StartupPage::rowClicked(std::size_t row) {
    const StartupEntry* entry = entryOfRow(row);
    if (!entry) return;
    chosen_ = *entry;
    host_.selectedNameLabel.setCaption(store::trimSpaces(entry->name));
}

void StartupPage::columnClicked(std::size_t column) {
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
    list.setSorted(false);
    if (!checkChoice(services_.language.text(104), 92, true)) return;
    if (disableEntry(services_, *chosen_)) {
        // The entry now stands among the parked ones.
        chosen_->active = false;
        chosen_->approval.reset();
        chosen_->disabledByWindows = false;
        if (const auto source = registrySource(chosen_->source, services_.machine.registry.views())) {
            const ValuePlace parked = parkingPlace(*source);
            chosen_->view = parked.view;
            chosen_->keyPath = parked.path;
        }
        host_.refresh();
    }
}

void StartupPage::enableSelected() {
    if (busy()) return;
    // An entry Windows disabled is enabled where it stands.
    const bool windowsDisabled = chosen_ && chosen_->disabledByWindows;
    if (!windowsDisabled && !checkChoice(services_.language.text(104), 105, false)) return;
    if (enableEntry(services_, *chosen_)) {
        chosen_->disabledByWindows = false;
        if (windowsDisabled) return host_.refresh();
        chosen_->active = true;
        if (const auto source = registrySource(chosen_->source, services_.machine.registry.views())) {
            const ValuePlace live = livePlace(*source);
            chosen_->view = live.view;
            chosen_->keyPath = live.path;
        }
        host_.refresh();
    }
}

void StartupPage::deleteSelected() {
    if (busy()) return;
    std::vector<StartupEntry> marked;
    for (std::size_t row = 0; row < list.rowCount(); ++row)
        if (list.row(row).selected)
            if (const StartupEntry* entry = entryOfRow(row)) marked.push_back(*entry);
    const std::uint64_t startedIn = host_.generation();
    {
        Busy busy(*this);
        for (const StartupEntry& entry : marked) {
            services_.machine.desktop.yield();
            // A page switch or closing ends the walk; the page it went to is not taken back.
            if (host_.generation() != startedIn) return;
            const auto answer = services_.machine.desktop.messageBox(
                twoLines(services_.language.text(91), store::trimSpaces(entry.name)), "Delete",
                platform::MessageIcon::Critical, platform::MessageButtons::YesNo);
            if (answer != platform::MessageAnswer::Yes) break;
            deleteEntry(services_, entry);
        }
    }
    // Rebuilt also after a No, so the list shows what the Yes answers removed.
    host_.refresh();
}

void StartupPage::add() {
    if (busy()) return;
    chosen_.reset();
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
            host_.refresh();
        };
        dialog_->onCancelled = [this] { host_.searchBox.setText("0"); };
        if (windowMade) windowMade(dialog_->window);
    }
    return *dialog_;
}

}  // namespace startup
