#include "shell/main_window_fixture.h"

using main_window_test::keyed;
using main_window_test::MainWindowTest;

namespace {

struct CaptionCase {
    const ui::Captioned& control;
    int key;
    std::string design;
};

std::vector<CaptionCase> captionTable(const shell::MainWindow& f) {
    return {
        {f.uninstallMenuButton, 2, "&Voririruzer Iziv "},
        {f.startupMenuButton, 3, "&Zedid Uz Edidavude"},
        {f.scannerMenuButton, 4, "&Dozezeza Roruradur"},
        {f.optionsMenuButton, 5, "&Options"},
        {f.helpMenuButton, 6, "&Help"},
        {f.aboutMenuButton, 7, " &About"},
        {f.exitMenuButton, 8, "       &Exit        "},
        {f.findButton, 9, "    Find"},
        {f.pageHeading, 10, ""},
        {f.uninstallPage->parts.checkBadEntriesButton, 11, "Check bad entries"},
        {f.uninstallPage->parts.refreshButton, 12, "   Refresh"},
        {f.uninstallPage->parts.programInfoButton, 13, "Program Info"},
        {f.uninstallPage->parts.removeEntryButton, 14, "   Delete"},
        {f.uninstallPage->parts.uninstallButton, 15, "   Uninstall"},
        {f.startupPage.addButton, 16, "     Add"},
        {f.startupPage.editButton, 17, "     Edit"},
        {f.startupPage.deleteButton, 18, "     Delete"},
        {f.startupPage.disableButton, 19, "   Disable"},
        {f.startupPage.enableButton, 20, "   Enable"},
        {f.startScanButton, 22, "     Start"},
        {f.selectAllFindingsButton, 23, "     Select all"},
        {f.selectNoFindingsButton, 24, "  Select non"},
        {f.deleteFindingsButton, 25, "   Delete"},
        {f.refreshScanButton, 26, "   Refresh"},
    };
}

struct HeaderCase {
    const ui::ListView& list;
    std::size_t column;
    int key;
};

std::vector<HeaderCase> headerTable(const shell::MainWindow& f) {
    return {{f.uninstallPage->parts.programList, 0, 35},  {f.uninstallPage->parts.programList, 1, 36},  {f.startupPage.list, 0, 37},
            {f.startupPage.list, 1, 38},  {f.startupPage.list, 2, 39},  {f.categoryList, 0, 40},
            {f.categoryList, 1, 41}, {f.findingsList, 0, 42}, {f.findingsList, 1, 43}};
}

}  // namespace

TEST_F(MainWindowTest, Design_ShowsTheUninstallPageInAHiddenWindowWithTheDesignCaptions) {
    const auto& f = *form;
    EXPECT_EQ(f.window.title(), "Vantrel 2003");
    EXPECT_FALSE(f.window.visible());
    EXPECT_GE(f.window.width(), shell::kDesignClientWidth);
    EXPECT_GE(f.window.height(), shell::kDesignClientHeight);
    for (const auto& row : captionTable(f)) EXPECT_EQ(row.control.caption(), row.design) << row.control.name();

    for (const ui::Control* shown :
         std::initializer_list<const ui::Control*>{&f.menuBar, &f.uninstallPage->parts.buttons, &f.uninstallPage->parts.programList, &f.findButton,
                                                   &f.searchBox, &f.pageHeading, &f.statusCaption, &f.statusBar})
        EXPECT_TRUE(shown->visible()) << shown->name();
    for (const ui::Control* hidden : std::initializer_list<const ui::Control*>{
             &f.startupPage.buttons, &f.scannerButtons, &f.startupPage.list, &f.categoryList, &f.findingsList, &f.bandBelowMenu,
             &f.spareFrame, &f.otherSpareFrame, &f.brokenShortcutsButton})
        EXPECT_FALSE(hidden->visible()) << hidden->name();
    EXPECT_EQ(f.brokenShortcutsButton.caption(), "Broken ShortCuts");

    // Every control is on the window, inside the container it is drawn in.
    const auto& controls = f.window.controls();
    auto containerOf = [&](const ui::Control& control) {
        for (const ui::Control* c : controls)
            if (c == &control) return c->container();
        ADD_FAILURE() << control.name() << " is not on the window";
        return static_cast<ui::Control*>(nullptr);
    };
    EXPECT_EQ(containerOf(f.exitMenuButton), &f.menuBar);
    EXPECT_EQ(containerOf(f.uninstallPage->parts.checkBadEntriesButton), &f.uninstallPage->parts.buttons);
    EXPECT_EQ(containerOf(f.startupPage.enableButton), &f.startupPage.buttons);
    EXPECT_EQ(containerOf(f.refreshScanButton), &f.scannerButtons);
    EXPECT_EQ(containerOf(f.uninstallPage->parts.programList), nullptr);
    EXPECT_EQ(f.startupMenuButton.bounds(), (ui::Rect{1275, 150, 1320, 1245}));
    EXPECT_EQ(f.exitMenuButton.bounds(), (ui::Rect{7275, 165, 1035, 1245}));
    EXPECT_EQ(f.uninstallPage->parts.programList.bounds(), (ui::Rect{135, 1920, 10200, 3825}));
    EXPECT_EQ(f.statusCaption.bounds(), (ui::Rect{45, 6450, 7530, 240})) << "low enough to end above the button row";
    // Page buttons stand left to right in their frame.
    EXPECT_LT(f.startScanButton.left() + f.startScanButton.width(), f.selectAllFindingsButton.left());
    EXPECT_LT(f.deleteFindingsButton.left() + f.deleteFindingsButton.width(), f.refreshScanButton.left());
    EXPECT_LE(f.refreshScanButton.left() + f.refreshScanButton.width(), f.scannerButtons.width());

    ASSERT_EQ(f.categoryList.columns().size(), 2u);
    EXPECT_EQ(f.categoryList.columns()[0].width, 4410);
    EXPECT_EQ(f.categoryList.columns()[1].width, 7056);
    EXPECT_TRUE(f.categoryList.checkBoxes());
    // Tag and finding number ride in hidden columns.
    ASSERT_EQ(f.findingsList.columns().size(), 4u);
    EXPECT_EQ(f.findingsList.columns()[0].header, "Invalid Data Location");
    EXPECT_EQ(f.findingsList.columns()[0].width, 10583);
    EXPECT_EQ(f.findingsList.columns()[2].width, 0);
    EXPECT_EQ(f.findingsList.columns()[3].width, 0);
    EXPECT_TRUE(f.findingsList.checkBoxes());
    ASSERT_EQ(f.uninstallPage->parts.programList.columns().size(), 8u) << "five sortable columns after the hidden one";
    EXPECT_EQ(f.uninstallPage->parts.programList.columns()[2].width, 0);
    ASSERT_EQ(f.startupPage.list.columns().size(), 6u);
    EXPECT_EQ(f.startupPage.list.columns()[2].width, 15000);
    for (std::size_t hidden = 3; hidden < 6; ++hidden) EXPECT_EQ(f.startupPage.list.columns()[hidden].width, 0);
}

TEST_F(MainWindowTest, Load_SetsEveryCaptionHeaderAndPanelFromTheChosenLanguageFile) {
    loadWith("keyed.ini");
    const auto& f = *form;
    EXPECT_EQ(f.languageFileName, "keyed.ini");
    for (const auto& row : captionTable(f)) EXPECT_EQ(row.control.caption(), keyed(row.key)) << row.control.name();
    for (const auto& header : headerTable(f))
        EXPECT_EQ(header.list.columns()[header.column].header, keyed(header.key))
            << header.list.name() << " column " << header.column;
    EXPECT_EQ(f.statusBar.panel(1), keyed(88));
    EXPECT_EQ(f.statusBar.panel(2), keyed(110));
    EXPECT_EQ(f.categoryList.text(0, 1), keyed(28));
    EXPECT_FALSE(f.window.visible()) << "the about box shows the window later";
    EXPECT_TRUE(f.loaded());
}

TEST_F(MainWindowTest, Load_AChoiceThatCannotBeReadFallsBackToEnglishAndSaysWhichOnce) {
    std::filesystem::create_directories(root / "Vantrel" / "lang" / "folder.ini");
    for (const std::string choice : {"klingon.ini", "..\\..\\windows\\win.ini", "folder.ini", "C:\\x\\english.ini"}) {
        SCOPED_TRACE(choice);
        form = std::make_unique<shell::MainWindow>(pc.machine(), notifyShell, trayHost, [] { return 0.5; });
        loadWith(choice);
        const auto& f = *form;
        EXPECT_EQ(f.languageFileName, "english.ini");
        EXPECT_EQ(f.startupMenuButton.caption(), "&Startup Manager") << "the captions are english.ini's";
        EXPECT_EQ(f.statusBar.panel(2), "Could not read the language file " + choice + "; english.ini is used instead.");
        form->showStartupPage();
        EXPECT_EQ(f.statusBar.panel(2), f.language.text(111)) << "said once; the page's own text follows";
    }
}

TEST_F(MainWindowTest, Load_APresentFileWithoutSomeKeysGivesEmptyTextsForThem) {
    writeFile("Vantrel/lang/sparse.ini", "[001]\r\n002=&Programs\r\n");
    loadWith("sparse.ini");
    const auto& f = *form;
    EXPECT_EQ(f.languageFileName, "sparse.ini");
    EXPECT_EQ(f.uninstallMenuButton.caption(), "&Programs");
    for (const auto& row : captionTable(f)) {
        if (&row.control == &f.uninstallMenuButton) continue;
        EXPECT_EQ(row.control.caption(), "") << row.control.name();
    }
    for (const auto& header : headerTable(f))
        EXPECT_EQ(header.list.columns()[header.column].header, "") << header.list.name() << " " << header.column;
    EXPECT_EQ(f.statusBar.panel(1), "");
    EXPECT_EQ(f.statusBar.panel(2), "") << "no message: the file was read";
    ASSERT_EQ(f.categoryList.rowCount(), 7u);
    EXPECT_EQ(f.categoryList.text(0, 0), "Invalid font refrence") << "category captions are not translated";
    EXPECT_EQ(f.categoryList.text(0, 1), "");
}

TEST_F(MainWindowTest, Initialize_FallsBackToEnglishWhenNoLanguageIsStored) {
    form->initialize();
    EXPECT_EQ(form->languageFileName, "english.ini");
    EXPECT_EQ(form->statusBar.panel(2), form->language.text(110));
    EXPECT_FALSE(form->statusBar.panel(2).empty());
    EXPECT_EQ(form->statusBar.panel(1), "") << "panel 1 waits for load";
}

TEST_F(MainWindowTest, Load_ListsProgramsAfterClearingAndBeforeTheCategoriesAndCaptions) {
    auto& f = *form;
    f.selectedProgramLabel.setCaption("stale selection");
    f.statusCaption.setCaption("stale status");
    const auto before = f.generation();

    int listings = 0;
    f.listInstalledPrograms = [&] {
        ++listings;
        EXPECT_EQ(f.selectedProgramLabel.caption(), "");
        EXPECT_EQ(f.languageFileName, "keyed.ini");
        EXPECT_EQ(f.statusCaption.caption(), "stale status") << "the status caption is cleared after the listing";
        EXPECT_EQ(f.categoryList.rowCount(), 0u) << "categories come after the listing";
        EXPECT_EQ(f.uninstallMenuButton.caption(), "&Voririruzer Iziv ") << "captions come after the listing";
        EXPECT_TRUE(f.superseded(before)) << "the listing starts a walk of its own";
        f.uninstallPage->parts.programList.addRow("Listed program");
        f.statusCaption.setCaption("Listed program");
    };
    loadWith("keyed.ini");

    EXPECT_EQ(listings, 1);
    ASSERT_EQ(f.uninstallPage->parts.programList.rowCount(), 1u);
    EXPECT_EQ(f.uninstallPage->parts.programList.text(0, 0), "Listed program");
    EXPECT_EQ(f.statusCaption.caption(), "");
    EXPECT_EQ(f.categoryList.rowCount(), 7u);
}

TEST_F(MainWindowTest, Load_IsCentredAndTwoHundredTwipsAboveTheScreenCentre) {
    pc.desktop.screenWidth = 12000;
    pc.desktop.screenHeight = 9000;
    loadWith("keyed.ini");
    EXPECT_EQ(form->window.left(), (12000 - shell::kDesignWidth) / 2);
    EXPECT_EQ(form->window.top(), (9000 - shell::kDesignHeight) / 2 - 200);
    EXPECT_EQ(form->window.left(), 750);
    EXPECT_EQ(form->window.top(), 527);
    EXPECT_EQ(form->window.width(), shell::kDesignWidth) << "placing does not size";
}

TEST_F(MainWindowTest, Load_RunsOnceHoweverOftenTheWindowIsLoaded) {
    int listings = 0;
    form->listInstalledPrograms = [&] {
        ++listings;
        form->load();  // a click during the listing's yields loading the window again
    };
    loadWith("keyed.ini");
    form->load();
    EXPECT_EQ(listings, 1);
    EXPECT_EQ(form->categoryList.rowCount(), 7u);
}
