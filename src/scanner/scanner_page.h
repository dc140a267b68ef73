#pragma once
// The scanner page's commands: Start (or Refresh) runs the checks of the ticked
// categories into the findings list, Select all / Select none tick the findings,
// Delete removes the ticked findings' entries after a question and a backup.
// One walk at a time: while a scan or a delete runs, Start reads Stop and the
// other buttons are off.
#include <cstdint>
#include <functional>
#include <vector>

#include "backup/backups.h"
#include "localisation/lang_text.h"
#include "platform/machine.h"
#include "scanner/finding.h"
#include "scanner/scan_context.h"
#include "ui/list_view.h"
#include "ui/simple_controls.h"

namespace scanner {

// The main window's parts the page works on.
struct ScannerControls {
    ui::ListView& categoryList;
    ui::ListView& findingsList;
    ui::Label& statusCaption;
    ui::TextBox& searchBox;
    ui::Button& startButton;
    ui::Button& selectAllButton;
    ui::Button& selectNoneButton;
    ui::Button& deleteButton;
    ui::Button& refreshButton;
    int& scanRowCount;
};

class ScannerPage {
public:
    // `generation` moves on when a page switch or closing supersedes running walks.
    ScannerPage(platform::Machine& machine, store::SettingsStore& store, backup::Backups& backups,
                const localisation::Language& language, ScannerControls controls,
                std::function<std::uint64_t()> generation);

    void startScan();              // (StartScan)
    void selectAllFindings();      // (SelectAllFindings)
    void selectNoFindings();       // (SelectNoFindings)
    void deleteCheckedFindings();  // (DeleteCheckedFindings)
    bool busy() const { return busy_; }

private:
    class Walk;
    void runChecks(Walk& walk);
    void appendBlock(const std::vector<Finding>& block, Walk& walk);
    void setBusy(bool busy);
    std::vector<const Finding*> tickedInDeleteOrder(std::vector<std::size_t>& rows) const;
    const Finding* findingOfRow(std::size_t row) const;
    void inform(const std::string& text);

    platform::Machine& machine_;
    store::SettingsStore& store_;
    backup::Backups& backups_;
    const localisation::Language& language_;
    ScannerControls c_;
    std::function<std::uint64_t()> generation_;
    std::vector<Finding> findings_;  // the rows' entries; a row names its finding by index
    std::uint64_t scanNumber_ = 0;   // a row from an earlier scan names no finding of this one
    bool busy_ = false;
    bool stopRequested_ = false;
};

}  // namespace scanner
