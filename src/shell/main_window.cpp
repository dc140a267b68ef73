#include "shell/main_window.h"

#include <initializer_list>

namespace shell {

namespace {

// Page buttons share one size and sit left to right in their frame.
constexpr int kPageButtonLeft = 120;
constexpr int kPageButtonPitch = 2010;
constexpr int kPageButtonTop = 135;
constexpr int kPageButtonWidth = 1890;
constexpr int kPageButtonHeight = 495;
constexpr int kMenuButtonHeight = 1245;

ui::Rect pageButton(int slot) {
    return {kPageButtonLeft + slot * kPageButtonPitch, kPageButtonTop, kPageButtonWidth, kPageButtonHeight};
}

ui::Rect menuButton(int left, int width, int top = 165) { return {left, top, width, kMenuButtonHeight}; }

}  // namespace

MainWindow::MainWindow(platform::Machine& machine_, controls::NotifyShell& notifyShell, controls::TrayHost& trayHost,
                       std::function<double()> random)
    : machine(machine_),
      store(machine_.registry, machine_.profile, machine_.files),
      backups(machine_, backup::programBackupsFolder(machine_.files)),
      language(store, machine_.files, [this] { return languageFileName; }, &machine_.profile),
      window("MainWindow", {0, 0, kDesignWidth, kDesignHeight}, kProductTitle),
      menuBar("menuBar", {-15, -75, 10530, 1455}),
      uninstallMenuButton("uninstallMenuButton", menuButton(165, 1035), "&Voririruzer Iziv "),
      startupMenuButton("startupMenuButton", menuButton(1275, 1320, 150), "&Zedid Uz Edidavude"),
      scannerMenuButton("scannerMenuButton", menuButton(2610, 1035), "&Dozezeza Roruradur"),
      optionsMenuButton("optionsMenuButton", menuButton(3735, 1035), "&Options"),
      helpMenuButton("helpMenuButton", menuButton(4860, 1035), "&Help"),
      aboutMenuButton("aboutMenuButton", menuButton(6060, 1035), " &About"),
      exitMenuButton("exitMenuButton", menuButton(7275, 1035), "       &Exit        "),
      brokenShortcutsButton("brokenShortcutsButton", menuButton(8400, 1035), "Broken ShortCuts"),
      productPicture("productPicture", {9140, 120, 1275, 1215}, "#1"),
      emblemPicture("emblemPicture", {8400, 420, 480, 480}, "emblem"),
      bandBelowMenu("bandBelowMenu", {-15, 1380, 10530, 855}),
      spareFrame("spareFrame", {0, 0, 1215, 735}),
      otherSpareFrame("otherSpareFrame", {0, 0, 1215, 735}),
      pageHeading("pageHeading", {390, 1545, kPageHeadingWidth, 285}),
      spareCaption("spareCaption", {8580, 6480, 1500, 255}),
      searchBox("searchBox", {7545, 1515, 1605, 285}),
      findButton("findButton", {9180, 1515, 1110, 285}, "    Find"),
      selectedProgramLabel("selectedProgramLabel", {390, 6045, 7000, 255}),
      startupPage(startupPageHost(), startup::ChangeServices{machine_, store, backups, language}),
      categoryList("categoryList", {30, 2055, 8520, 1410},
                   {{"what to scan", kCategoryFirstColumn}, {"Description", kCategorySecondColumn}}, true),
      findingsList("findingsList", {30, 3480, 8550, 2400},
                   {{"Invalid Data Location", 10583}, {"Bad Reference value", 7056}, {"", 0}, {"", 0}}, true),
      statusCaption("statusCaption", {45, 6450, 7530, 240}),
      scannerButtons("scannerButtons", {45, 5835, 10300, 765}),
      startScanButton("startScanButton", pageButton(0), "     Start"),
      selectAllFindingsButton("selectAllFindingsButton", pageButton(1), "     Select all"),
      selectNoFindingsButton("selectNoFindingsButton", pageButton(2), "  Select non"),
      deleteFindingsButton("deleteFindingsButton", pageButton(3), "   Delete"),
      refreshScanButton("refreshScanButton", pageButton(4), "   Refresh"),
      statusBar("statusBar", {0, kDesignClientHeight - 345, kDesignClientWidth, 345}, 2),
      menuSeparator("menuSeparator", {120, 1410, kDesignWidth - 300 - 120, 30}),
      headerSeparator("headerSeparator", {120, 1860, kDesignWidth - 300 - 120, 30}),
      trayIcon(notifyShell, trayHost, *this, std::move(random), true) {
    makeUninstallPage();
    buildLayout();
    wireHandlers();
    scannerPage = std::make_unique<scanner::ScannerPage>(
        machine, store, backups, language,
        scanner::ScannerControls{categoryList, findingsList, statusCaption, searchBox, startScanButton,
                                 selectAllFindingsButton, selectNoFindingsButton, deleteFindingsButton,
                                 refreshScanButton, scanRowCount},
        [this] { return generation_; });
    wireStartupPage();
}

// The icon must not outlive the window in the notification area.
MainWindow::~MainWindow() { trayIcon.Terminate(); }

void MainWindow::buildLayout() {
    using Controls = std::initializer_list<ui::Control*>;
    uninstall::UninstallPageParts& uninstallParts = uninstallPage->parts;
    window.add(menuBar);
    for (ui::Control* control :
         Controls{&uninstallMenuButton, &startupMenuButton, &scannerMenuButton, &optionsMenuButton, &helpMenuButton,
                  &aboutMenuButton, &exitMenuButton, &brokenShortcutsButton, &productPicture, &emblemPicture})
        window.add(*control, &menuBar);
    window.add(menuSeparator);
    for (ui::Control* control : Controls{&bandBelowMenu, &spareFrame, &otherSpareFrame, &pageHeading, &spareCaption,
                                         &headerSeparator, &searchBox, &findButton, &uninstallParts.programList,
                                         &selectedProgramLabel, &uninstallParts.selectionPicture, &startupPage.list,
                                         &categoryList, &findingsList, &statusCaption})
        window.add(*control);

    struct PageFrame {
        ui::Frame& frame;
        std::array<ui::Button*, 5> buttons;
    };
    for (const PageFrame& page : {PageFrame{uninstallParts.buttons, uninstallParts.buttonsInOrder()},
                                  PageFrame{startupPage.buttons,
                                            {&startupPage.addButton, &startupPage.editButton, &startupPage.deleteButton,
                                             &startupPage.disableButton, &startupPage.enableButton}},
                                  PageFrame{scannerButtons,
                                            {&startScanButton, &selectAllFindingsButton, &selectNoFindingsButton,
                                             &deleteFindingsButton, &refreshScanButton}}}) {
        window.add(page.frame);
        for (ui::Button* button : page.buttons) window.add(*button, &page.frame);
    }
    window.add(statusBar);

    // The uninstall page is on show until the first menu command.
    for (ui::Control* control :
         Controls{&startupPage.buttons, &scannerButtons, &startupPage.list, &categoryList, &findingsList, &bandBelowMenu,
                  &spareFrame, &otherSpareFrame, &brokenShortcutsButton, &uninstallParts.selectionPicture})
        control->hide();
    separatorRightEnds = {kDesignWidth - 300, kDesignWidth - 300};
}

void MainWindow::wireHandlers() {
    uninstallMenuButton.onClick = [this] { showUninstallPage(); };
    startupMenuButton.onClick = [this] { showStartupPage(); };
    scannerMenuButton.onClick = [this] { showScannerPage(); };
    optionsMenuButton.onClick = [this] { optionsCommand(); };
    helpMenuButton.onClick = [this] { helpCommand(); };
    aboutMenuButton.onClick = [this] { aboutCommand(); };
    exitMenuButton.onClick = [this] { unload(); };

    auto find = [this] {
        if (findNext) findNext();
    };
    findButton.onClick = find;
    searchBox.onEnter = find;
    // Typing a new search starts Find again from the first row.
    searchBox.onChange = [this] { findStartRow = 1; };

    window.onResize = [this] { applyResizeRules(); };
    window.onClose = [this] { unload(); };
    window.onGotFocus = [this] { windowGotFocus(); };
}

}  // namespace shell
