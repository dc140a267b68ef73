#include <utility>

#include "scanner/scan_categories.h"
#include "shell/main_window.h"
#include "store/text_value.h"

namespace shell {

namespace {

constexpr int kPositionAboveCentre = 200;

}  // namespace

// A chosen file that is missing, unreadable or not a plain name in the language
// folder would blank every caption; english.ini stands in and the user is told.
void MainWindow::readLanguageChoice() {
    languageFileName = localisation::chooseLanguageFile(store);
    if (languageFileName == localisation::kDefaultLanguageFile ||
        localisation::languageFileReadable(machine.files, store::trimSpaces(languageFileName)))
        return;
    unreadLanguageFile_ = store::trimSpaces(languageFileName);
    languageFileName = localisation::kDefaultLanguageFile;
}

void MainWindow::initialize() {
    readLanguageChoice();
    statusBar.setPanel(2, language.text(110));
}

void MainWindow::load() {
    // Loading an already loaded window runs nothing again; marking it first also
    // keeps a click during the listing's yields from starting a second load.
    if (loaded_) return;
    loaded_ = true;

    readLanguageChoice();

    auto& desktop = machine.desktop;
    window.move((desktop.screenWidthTwips() - window.width()) / 2,
                (desktop.screenHeightTwips() - window.height()) / 2 - kPositionAboveCentre);

    selectedProgramLabel.setCaption("");

    supersedeWalks();
    if (listInstalledPrograms) listInstalledPrograms();

    statusCaption.setCaption("");
    scanner::buildCategoryList(categoryList, store, language);
    statusBar.setPanel(1, language.text(88));
    setCaptionsFromLanguage();
    statusBar.setPanel(1, language.text(88));
    if (!unreadLanguageFile_.empty())
        statusBar.setPanel(2, "Could not read the language file " + unreadLanguageFile_ + "; " +
                                  localisation::kDefaultLanguageFile + " is used instead.");
}

// Every caption and header comes from the language file, empty ones included:
// there is no built-in fallback text.
void MainWindow::setCaptionsFromLanguage() {
    uninstall::UninstallPageParts& uninstallParts = uninstallPage->parts;
    const std::pair<ui::Captioned*, int> captions[] = {
        {&uninstallMenuButton, 2},
        {&startupMenuButton, 3},
        {&scannerMenuButton, 4},
        {&optionsMenuButton, 5},
        {&helpMenuButton, 6},
        {&aboutMenuButton, 7},
        {&exitMenuButton, 8},
        {&findButton, 9},
        {&pageHeading, 10},
        {&uninstallParts.checkBadEntriesButton, 11},
        {&uninstallParts.refreshButton, 12},
        {&uninstallParts.programInfoButton, 13},
        {&uninstallParts.removeEntryButton, 14},
        {&uninstallParts.uninstallButton, 15},
        {&startupPage.addButton, 16},
        {&startupPage.editButton, 17},
        {&startupPage.deleteButton, 18},
        {&startupPage.disableButton, 19},
        {&startupPage.enableButton, 20},
        {&startScanButton, 22},
        {&selectAllFindingsButton, 23},
        {&selectNoFindingsButton, 24},
        {&deleteFindingsButton, 25},
        {&refreshScanButton, 26},
    };
    for (const auto& [control, key] : captions) control->setCaption(language.text(key));

    struct Header {
        ui::ListView& list;
        std::size_t column;
        int key;
    };
    const Header headers[] = {
        {uninstallParts.programList, 0, 35},  {uninstallParts.programList, 1, 36},  {startupPage.list, 0, 37},
        {startupPage.list, 1, 38},  {startupPage.list, 2, 39},  {categoryList, 0, 40},
        {categoryList, 1, 41}, {findingsList, 0, 42}, {findingsList, 1, 43},
        {uninstallParts.programList, uninstall::kPublisherColumn, 201},
        {uninstallParts.programList, uninstall::kVersionColumn, 202},
        {uninstallParts.programList, uninstall::kInstalledColumn, 203},
        {uninstallParts.programList, uninstall::kSizeColumn, 204},
        {uninstallParts.programList, uninstall::kWhereColumn, 205},
    };
    for (const auto& header : headers) header.list.setColumnHeader(header.column, language.text(header.key));
}

}  // namespace shell
