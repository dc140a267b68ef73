#pragma once
// The scanner page: its category and findings lists, its five buttons and the
// state of its scans. Start (or Refresh) scans the ticked categories into the
// findings list, Select all / Select none tick the findings, Delete removes the
// ticked findings' entries after a question and a backup. One walk at a time:
// while a scan or a delete runs, Start reads Stop and the other buttons are off.
#include <array>
#include <cstdint>
#include <functional>
#include <vector>

#include "backup/backups.h"
#include "localisation/lang_text.h"
#include "platform/machine.h"
#include "scanner/finding.h"
#include "scanner/scan.h"
#include "ui/list_view.h"
#include "ui/simple_controls.h"

namespace scanner {

class ScannerPage {
public:
    // `buttonSlots` are the main window's five button places; `generation` moves
    // on when a page switch or closing supersedes running walks.
    ScannerPage(platform::Machine& machine, backup::Backups& backups, const localisation::Language& language,
                ui::Label& statusCaption, const std::array<ui::Rect, 5>& buttonSlots,
                std::function<std::uint64_t()> generation);

    void startScan();              // (StartScan)
    void selectAllFindings();      // (SelectAllFindings)
    void selectNoFindings();       // (SelectNoFindings)
    void deleteCheckedFindings();  // (DeleteCheckedFindings)
    // The page is shown again: earlier findings go, the category ticks stay.
    void clearFindings();

    bool busy() const { return busy_ > 0; }
    // The record of each finding of the last scan; a row's finding stays put when rows go.
    const std::vector<Finding>& findings() const { return findings_; }
    // The finding a row of the findings list shows.
    const Finding& findingOfRow(std::size_t row) const { return findings_.at(findingsList.row(row).id); }
    // Finding rows after the last finished check (ScanRowCount).
    int scanRowCount() const { return scanRowCount_; }

    ui::ListView categoryList;    // the seven categories (Viewn1)
    ui::ListView findingsList;    // one row per bad reference (Viewn2)
    ui::Frame buttons;            // (Frame7)
    ui::Button startButton;       // reads Stop while a walk runs (drawnButton26)
    ui::Button selectAllButton;   // (drawnButton22)
    ui::Button selectNoneButton;  // (drawnButton23)
    ui::Button deleteButton;      // (drawnButton24)
    ui::Button refreshButton;     // (drawnButton25)

private:
    class Walk;
    void showBlock(std::span<const Finding> block, std::size_t firstId, const std::function<bool()>& keepGoing);
    void showBusy();
    std::vector<std::size_t> tickedRowsInDeleteOrder() const;
    void inform(const std::string& text);

    platform::Machine& machine_;
    backup::Backups& backups_;
    const localisation::Language& language_;
    ui::Label& statusCaption_;
    std::function<std::uint64_t()> generation_;
    std::vector<Finding> findings_;
    int scanRowCount_ = 0;
    int busy_ = 0;
    bool stopRequested_ = false;
};

}  // namespace scanner
