#include "scanner/scanner_page.h"

#include <algorithm>

#include "platform/message_pacer.h"
#include "scanner/finding_deletion.h"
#include "scanner/scan_categories.h"

namespace scanner {
namespace {

constexpr std::size_t kFailuresShown = 10;
constexpr int kFirstColumnWidth = 10583;
constexpr int kSecondColumnWidth = 7056;

const char* iconOf(Tag tag) {
    static constexpr const char* kIcons[] = {"a", "b", "c", "d", "d", "e", "f", "g", "g", "g"};
    return kIcons[static_cast<int>(tag) - 1];
}

}  // namespace

// The running scan's link to the window: the message loop is served at least
// every 16 ms, and the status line is set only then, when a repaint can show it.
class ScannerPage::Walk : public ScanProgress {
public:
    explicit Walk(ScannerPage& page) : page_(page), pacer_(page.machine_.desktop), startedIn_(page.generation_()) {}

    bool step(std::string_view line) override {
        if (pacer_.step()) {
            if (stopped()) return false;
            if (!line.empty()) page_.statusCaption_.setCaption(std::string(line));
        }
        return true;
    }
    void blockFound(std::span<const Finding> block) override {
        page_.showBlock(block, shown_, [this] {
            pacer_.step();
            return !superseded();
        });
        shown_ += block.size();
    }
    bool stopped() const { return page_.stopRequested_ || superseded(); }
    bool superseded() const { return page_.generation_() != startedIn_; }

private:
    ScannerPage& page_;
    platform::MessagePacer pacer_;
    std::uint64_t startedIn_;
    std::size_t shown_ = 0;
};

ScannerPage::ScannerPage(platform::Machine& machine, backup::Backups& backups, const localisation::Language& language,
                         ui::Label& statusCaption, const std::array<ui::Rect, 5>& buttonSlots,
                         std::function<std::uint64_t()> generation)
    : categoryList("categoryList", {30, 2055, 8520, 1410},
                   {{"what to scan", kCategoryFirstColumn}, {"Description", kCategorySecondColumn}}, true),
      findingsList("findingsList", {30, 3480, 8550, 2400},
                   {{"Invalid Data Location", kFirstColumnWidth}, {"Bad Reference value", kSecondColumnWidth}, {"", 0}},
                   true),
      buttons("scannerButtons", {45, 5835, 10300, 765}),
      startButton("startScanButton", buttonSlots[0], "     Start"),
      selectAllButton("selectAllFindingsButton", buttonSlots[1], "     Select all"),
      selectNoneButton("selectNoFindingsButton", buttonSlots[2], "  Select non"),
      deleteButton("deleteFindingsButton", buttonSlots[3], "   Delete"),
      refreshButton("refreshScanButton", buttonSlots[4], "   Refresh"),
      machine_(machine),
      backups_(backups),
      language_(language),
      statusCaption_(statusCaption),
      generation_(std::move(generation)) {
    startButton.onClick = [this] { startScan(); };
    refreshButton.onClick = [this] {
        if (!busy()) startScan();
    };
    selectAllButton.onClick = [this] { selectAllFindings(); };
    selectNoneButton.onClick = [this] { selectNoFindings(); };
    deleteButton.onClick = [this] { deleteCheckedFindings(); };
}

void ScannerPage::inform(const std::string& text) {
    machine_.desktop.messageBox(text, "", platform::MessageIcon::Information, platform::MessageButtons::Ok);
}

void ScannerPage::showBusy() {
    startButton.setCaption(language_.text(busy() ? 180 : 22));
    for (ui::Button* button : {&selectAllButton, &selectNoneButton, &deleteButton, &refreshButton})
        button->setEnabled(!busy());
}

void ScannerPage::clearFindings() {
    findingsList.clear();
    findings_.clear();
    scanRowCount_ = 0;
}

void ScannerPage::startScan() {
    if (busy()) {
        // Start reads Stop while a walk runs.
        stopRequested_ = true;
        return;
    }
    statusCaption_.setCaption("");
    const ScanSettings settings{chosenCategories(categoryList), language_.text(106), language_.text(240),
                                language_.text(241), language_.text(242)};
    if (settings.categories.none()) {
        inform(language_.text(96));
        return;
    }
    clearFindings();
    stopRequested_ = false;
    Walk walk(*this);
    {
        platform::BusyScope scope(busy_);
        showBusy();
        findings_ = scan(machine_, settings, walk);
    }
    showBusy();
    // Another page owns the window now; its status line is not ours to touch.
    if (walk.superseded()) return;
    if (findingsList.rowCount() == 0 && !stopRequested_) inform(language_.text(97));
    statusCaption_.setCaption(std::to_string(findingsList.rowCount()) + language_.text(98));
}

void ScannerPage::showBlock(std::span<const Finding> block, std::size_t firstId, const std::function<bool()>& keepGoing) {
    // A check can find tens of thousands: its rows go in between services of the message loop.
    for (std::size_t i = 0; i < block.size() && keepGoing(); ++i) {
        ui::Row row;
        row.texts = {block[i].location, block[i].reference, std::to_string(static_cast<int>(block[i].tag))};
        row.smallIcon = iconOf(block[i].tag);
        row.id = firstId + i;
        findingsList.addRow(std::move(row));
    }
    scanRowCount_ = static_cast<int>(findingsList.rowCount());
}

void ScannerPage::selectAllFindings() {
    if (busy()) return;
    platform::BusyScope scope(busy_);
    platform::MessagePacer pacer(machine_.desktop);
    findingsList.setFocus();
    for (std::size_t row = 0; row < findingsList.rowCount(); ++row) {
        pacer.step();
        findingsList.setSelected(row, true);
        findingsList.setChecked(row, true);
    }
    findingsList.setFocus();
}

void ScannerPage::selectNoFindings() {
    if (busy()) return;
    for (std::size_t row = 0; row < findingsList.rowCount(); ++row) {
        findingsList.setChecked(row, false);
        findingsList.setSelected(row, false);
    }
}

// The delete routines run by tag from 10 down to 1, each from the last row to the first.
std::vector<std::size_t> ScannerPage::tickedRowsInDeleteOrder() const {
    std::vector<std::size_t> rows;
    for (int tag = 10; tag >= 1; --tag)
        for (std::size_t row = findingsList.rowCount(); row-- > 0;)
            if (findingsList.row(row).checked && static_cast<int>(findingOfRow(row).tag) == tag) rows.push_back(row);
    return rows;
}

void ScannerPage::deleteCheckedFindings() {
    if (busy()) return;
    const auto answer = machine_.desktop.messageBox(language_.text(93), "", platform::MessageIcon::Question,
                                                    platform::MessageButtons::YesNo);
    if (answer != platform::MessageAnswer::Yes) return;
    DeletionResult result;
    std::vector<std::size_t> gone;
    {
        platform::BusyScope scope(busy_);
        showBusy();
        const std::vector<std::size_t> rows = tickedRowsInDeleteOrder();
        std::vector<const Finding*> ticked;
        for (std::size_t row : rows) ticked.push_back(&findingOfRow(row));
        result = deleteFindings(machine_.registry, backups_, ticked);
        for (std::size_t i = 0; i < rows.size(); ++i)
            if (result.deleted[i]) gone.push_back(rows[i]);
        // Rows go from the last to the first, so the numbers of those still to go hold.
        std::sort(gone.rbegin(), gone.rend());
        for (std::size_t row : gone) findingsList.removeRow(row);
        scanRowCount_ = static_cast<int>(findingsList.rowCount());
    }
    showBusy();
    const std::size_t left = findingsList.rowCount();
    statusCaption_.setCaption(left == 0 ? std::string() : std::to_string(left) + " " + language_.text(107));
    if (result.failures.empty()) return;
    std::string text = language_.text(181);
    for (std::size_t i = 0; i < result.failures.size() && i < kFailuresShown; ++i) text += "\r" + result.failures[i];
    if (result.failures.size() > kFailuresShown)
        text += "\r(" + std::to_string(result.failures.size() - kFailuresShown) + " more)";
    inform(text);
}

}  // namespace scanner
