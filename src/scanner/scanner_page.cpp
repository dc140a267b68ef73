#include "scanner/scanner_page.h"

#include <algorithm>
#include "scanner/checks.h"
#include "scanner/finding_deletion.h"

namespace scanner {
namespace {

constexpr std::size_t kTagColumn = 2;
constexpr std::size_t kFindingColumn = 3;  // "scan:index" of the finding the row shows
constexpr std::size_t kFailuresShown = 10;
constexpr double kLongestPause = 0.016;    // seconds a walk may keep the window waiting

const char* iconOf(Tag tag) {
    static constexpr const char* kIcons[] = {"a", "b", "c", "d", "d", "e", "f", "g", "g", "g"};
    return kIcons[static_cast<int>(tag) - 1];
}

}  // namespace

// The running scan's link to the window: it serves the message loop between
// entries and, inside long enumerations, at least every 16 ms.
class ScannerPage::Walk : public ScanWalk, public store::EnumerationProgress {
public:
    Walk(ScannerPage& page) : page_(page), startedIn_(page.generation_()), lastYield_(now()) {}

    bool nextStep() override {
        page_.machine_.desktop.yield();
        lastYield_ = now();
        return !stopped();
    }
    void showProgress(const std::string& line) override { page_.c_.statusCaption.setCaption(line); }
    store::EnumerationProgress& enumeration() override { return *this; }
    void showName(const std::string& name) override {
        page_.c_.statusCaption.setCaption(name);
        breathe();
    }
    // Serves the message loop when it has waited long enough.
    void breathe() {
        const double time = now();
        // Across midnight the clock starts again at 0: that counts as time gone by.
        if (time - lastYield_ >= kLongestPause || time < lastYield_) {
            page_.machine_.desktop.yield();
            lastYield_ = time;
        }
    }
    bool stopRequested() const override { return stopped(); }

    bool stopped() const { return page_.stopRequested_ || superseded(); }
    bool superseded() const { return page_.generation_() != startedIn_; }

private:
    double now() { return page_.machine_.desktop.secondsSinceMidnight(); }

    ScannerPage& page_;
    std::uint64_t startedIn_;
    double lastYield_;
};

ScannerPage::ScannerPage(platform::Machine& machine, store::SettingsStore& store, backup::Backups& backups,
                         const localisation::Language& language, ScannerControls controls,
                         std::function<std::uint64_t()> generation)
    : machine_(machine),
      store_(store),
      backups_(backups),
      language_(language),
      c_(controls),
      generation_(std::move(generation)) {
    c_.startButton.onClick = [this] { startScan(); };
    c_.refreshButton.onClick = [this] {
        if (!busy_) startScan();
    };
    c_.selectAllButton.onClick = [this] { selectAllFindings(); };
    c_.selectNoneButton.onClick = [this] { selectNoFindings(); };
    c_.deleteButton.onClick = [this] { deleteCheckedFindings(); };
}

void ScannerPage::inform(const std::string& text) {
    machine_.desktop.messageBox(text, "", platform::MessageIcon::Information, platform::MessageButtons::Ok);
}

void ScannerPage::setBusy(bool busy) {
    busy_ = busy;
    stopRequested_ = false;
    c_.startButton.setCaption(language_.text(busy ? 180 : 22));
    for (ui::Button* button : {&c_.selectAllButton, &c_.selectNoneButton, &c_.deleteButton, &c_.refreshButton})
        button->setEnabled(!busy);
}

void ScannerPage::startScan() {
    if (busy_) {
        // Start reads Stop while a walk runs.
        stopRequested_ = true;
        return;
    }
    c_.statusCaption.setCaption("");
    bool anyTicked = false;
    for (const auto& row : c_.categoryList.rows()) anyTicked = anyTicked || row.checked;
    if (!anyTicked) {
        inform(language_.text(96));
        return;
    }
    c_.searchBox.setText("1");
    c_.scanRowCount = 0;
    c_.findingsList.clear();
    findings_.clear();
    ++scanNumber_;
    setBusy(true);
    Walk walk(*this);
    runChecks(walk);
    if (walk.superseded()) {
        // Another page owns the window now; its lists are not ours to touch.
        setBusy(false);
        return;
    }
    const bool stopped = stopRequested_;
    setBusy(false);
    if (c_.findingsList.rowCount() == 0 && !stopped) inform(language_.text(97));
    c_.statusCaption.setCaption(std::to_string(c_.findingsList.rowCount()) + language_.text(98));
}

void ScannerPage::runChecks(Walk& walk) {
    ScanContext context{store_, machine_.files, machine_.processes, language_, walk};
    using Check = std::function<std::vector<Finding>()>;
    const std::pair<std::size_t, Check> checks[] = {
        {0, [&] { return checkFonts(context); }},
        {1, [&] { return checkSharedDlls(context); }},
        {2, [&] { return checkAppPaths(context); }},
        {3, [&] { return checkHelpFiles(context, Tag::Help); }},
        {3, [&] { return checkHelpFiles(context, Tag::HtmlHelp); }},
        {4, [&] { return checkDefaultIcons(context); }},
        {5, [&] { return checkFileTypes(context); }},
        {6, [&] { return checkComServers(context); }},
        {6, [&] { return checkTypeLibraries(context); }},
        {6, [&] { return checkToolboxBitmaps(context); }},
    };
    for (const auto& [row, check] : checks) {
        if (walk.stopped()) return;
        // The tick is read just before each check: the user may change it while the scan runs.
        if (row >= c_.categoryList.rowCount() || !c_.categoryList.row(row).checked) continue;
        const std::vector<Finding> block = check();
        if (walk.superseded()) return;
        appendBlock(block, walk);
        if (walk.superseded()) return;
    }
}

void ScannerPage::appendBlock(const std::vector<Finding>& block, Walk& walk) {
    for (const Finding& finding : block) {
        walk.breathe();
        if (walk.superseded()) return;
        ui::Row row;
        row.texts = {finding.location, finding.reference, std::to_string(static_cast<int>(finding.tag)),
                     std::to_string(scanNumber_) + ":" + std::to_string(findings_.size())};
        row.smallIcon = iconOf(finding.tag);
        findings_.push_back(finding);
        c_.findingsList.addRow(std::move(row));
    }
    c_.scanRowCount = static_cast<int>(c_.findingsList.rowCount());
}

const Finding* ScannerPage::findingOfRow(std::size_t row) const {
    const std::string id = c_.findingsList.text(row, kFindingColumn);
    const std::string prefix = std::to_string(scanNumber_) + ":";
    if (id.rfind(prefix, 0) != 0) return nullptr;
    const std::size_t index = std::stoul(id.substr(prefix.size()));
    return index < findings_.size() ? &findings_[index] : nullptr;
}

void ScannerPage::selectAllFindings() {
    if (busy_) return;
    c_.findingsList.setFocus();
    for (std::size_t row = 0; row < c_.findingsList.rowCount(); ++row) {
        c_.findingsList.setSelected(row, true);
        c_.findingsList.setChecked(row, true);
    }
    c_.findingsList.setFocus();
}

void ScannerPage::selectNoFindings() {
    if (busy_) return;
    for (std::size_t row = 0; row < c_.findingsList.rowCount(); ++row) {
        c_.findingsList.setChecked(row, false);
        c_.findingsList.setSelected(row, false);
    }
}

// The delete routines run by tag from 10 down to 1, each from the last row to the first.
std::vector<const Finding*> ScannerPage::tickedInDeleteOrder(std::vector<std::size_t>& rows) const {
    std::vector<const Finding*> ticked;
    for (int tag = 10; tag >= 1; --tag)
        for (std::size_t row = c_.findingsList.rowCount(); row-- > 0;) {
            if (!c_.findingsList.row(row).checked || c_.findingsList.text(row, kTagColumn) != std::to_string(tag))
                continue;
            if (const Finding* finding = findingOfRow(row)) {
                ticked.push_back(finding);
                rows.push_back(row);
            }
        }
    return ticked;
}

void ScannerPage::deleteCheckedFindings() {
    if (busy_) return;
    const auto answer = machine_.desktop.messageBox(language_.text(93), "", platform::MessageIcon::Question,
                                                    platform::MessageButtons::YesNo);
    if (answer != platform::MessageAnswer::Yes) return;
    setBusy(true);
    std::vector<std::size_t> rows;
    const std::vector<const Finding*> ticked = tickedInDeleteOrder(rows);
    const DeletionResult result = deleteFindings(store_, backups_, ticked);
    // Rows go from the last to the first, so the numbers of those still to go hold.
    std::vector<std::size_t> gone;
    for (std::size_t i = 0; i < ticked.size(); ++i)
        if (result.deleted[i]) gone.push_back(rows[i]);
    std::sort(gone.rbegin(), gone.rend());
    for (std::size_t row : gone) c_.findingsList.removeRow(row);
    c_.scanRowCount = static_cast<int>(c_.findingsList.rowCount());
    setBusy(false);
    const std::size_t left = c_.findingsList.rowCount();
    c_.statusCaption.setCaption(left == 0 ? std::string() : std::to_string(left) + " " + language_.text(107));
    if (result.failures.empty()) return;
    std::string text = language_.text(181);
    for (std::size_t i = 0; i < result.failures.size() && i < kFailuresShown; ++i) text += "\r" + result.failures[i];
    if (result.failures.size() > kFailuresShown)
        text += "\r(" + std::to_string(result.failures.size() - kFailuresShown) + " more)";
    inform(text);
}

}  // namespace scanner
