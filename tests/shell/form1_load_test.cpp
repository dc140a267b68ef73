#include "shell/form1_fixture.h"

using form1_test::Form1Test;
using form1_test::keyed;

namespace {

struct CaptionCase {
    const ui::Captioned& control;
    int key;
    std::string design;
};

std::vector<CaptionCase> captionTable(const shell::Form1& f) {
    return {
        {f.drawnButton4, 2, "&Voririruzer Iziv "},    {f.drawnButton7, 3, "&Zedid Uz Edidavude"},
        {f.drawnButton8, 4, "&Dozezeza Roruradur"},   {f.drawnButton9, 5, "&Options"},
        {f.drawnButton10, 6, "&Help"},                {f.drawnButton11, 7, " &About"},
        {f.drawnButton12, 8, "       &Exit        "}, {f.cButton5, 9, "    Find"},
        {f.Label3, 10, ""},                           {f.drawnButton16, 11, "Check bad entries"},
        {f.drawnButton5, 12, "   Refresh"},           {f.drawnButton13, 13, "Program Info"},
        {f.drawnButton14, 14, "   Delete"},           {f.drawnButton15, 15, "   Uninstall"},
        {f.drawnButton21, 16, "     Add"},            {f.drawnButton17, 17, "     Edit"},
        {f.drawnButton18, 18, "     Delete"},         {f.drawnButton19, 19, "   Disable"},
        {f.drawnButton20, 20, "   Enable"},           {f.drawnButton26, 22, "     Start"},
        {f.drawnButton22, 23, "     Select all"},     {f.drawnButton23, 24, "  Select non"},
        {f.drawnButton24, 25, "   Delete"},           {f.drawnButton25, 26, "   Refresh"},
    };
}

struct HeaderCase {
    const ui::ListView& list;
    std::size_t column;
    int key;
};

std::vector<HeaderCase> headerTable(const shell::Form1& f) {
    return {{f.View1, 0, 35},  {f.View1, 1, 36},  {f.View2, 0, 37},  {f.View2, 1, 38},  {f.View2, 2, 39},
            {f.Viewn1, 0, 40}, {f.Viewn1, 1, 41}, {f.Viewn2, 0, 42}, {f.Viewn2, 1, 43}};
}

}  // namespace

TEST_F(Form1Test, Design_ShowsTheUninstallPageInAHiddenWindowWithTheDesignCaptions) {
    const auto& f = *form;
    EXPECT_EQ(f.window.title(), "Vantrel 2003");
    EXPECT_FALSE(f.window.visible());
    EXPECT_GE(f.window.width(), shell::kDesignClientWidth);
    EXPECT_GE(f.window.height(), shell::kDesignClientHeight);
    for (const auto& row : captionTable(f)) EXPECT_EQ(row.control.caption(), row.design) << row.control.name();

    for (const ui::Control* shown : std::initializer_list<const ui::Control*>{
             &f.Frame3, &f.Frame5, &f.View1, &f.cButton5, &f.Text2, &f.Label3, &f.Label1, &f.StatusBar1})
        EXPECT_TRUE(shown->visible()) << shown->name();
    for (const ui::Control* hidden : std::initializer_list<const ui::Control*>{
             &f.Frame6, &f.Frame7, &f.View2, &f.Viewn1, &f.Viewn2, &f.Frame1, &f.Frame2, &f.Frame4, &f.drawnButton6,
             &f.Text1, &f.Text3, &f.Text8, &f.Text14, &f.Text16})
        EXPECT_FALSE(hidden->visible()) << hidden->name();
    EXPECT_EQ(f.drawnButton6.caption(), "Broken ShortCuts");
    EXPECT_EQ(f.Text3.text(), "0");

    // Every control is on the window, inside the container it is drawn in.
    const auto& controls = f.window.controls();
    auto containerOf = [&](const ui::Control& control) {
        for (const ui::Control* c : controls)
            if (c == &control) return c->container();
        ADD_FAILURE() << control.name() << " is not on the window";
        return static_cast<ui::Control*>(nullptr);
    };
    EXPECT_EQ(containerOf(f.drawnButton12), &f.Frame3);
    EXPECT_EQ(containerOf(f.drawnButton16), &f.Frame5);
    EXPECT_EQ(containerOf(f.drawnButton20), &f.Frame6);
    EXPECT_EQ(containerOf(f.drawnButton25), &f.Frame7);
    EXPECT_EQ(containerOf(f.View1), nullptr);
    EXPECT_EQ(containerOf(f.Text16), nullptr);
    EXPECT_EQ(f.drawnButton7.bounds(), (ui::Rect{1275, 150, 1320, 1245}));
    EXPECT_EQ(f.drawnButton12.bounds(), (ui::Rect{7275, 165, 1035, 1245}));
    EXPECT_EQ(f.View1.bounds(), (ui::Rect{135, 1920, 10200, 3825}));
    EXPECT_EQ(f.Label1.bounds(), (ui::Rect{45, 6450, 7530, 300}));
    // Page buttons stand left to right in their frame.
    EXPECT_LT(f.drawnButton26.left() + f.drawnButton26.width(), f.drawnButton22.left());
    EXPECT_LT(f.drawnButton24.left() + f.drawnButton24.width(), f.drawnButton25.left());
    EXPECT_LE(f.drawnButton25.left() + f.drawnButton25.width(), f.Frame7.width());

    ASSERT_EQ(f.Viewn1.columns().size(), 2u);
    EXPECT_EQ(f.Viewn1.columns()[0].width, 4410);
    EXPECT_EQ(f.Viewn1.columns()[1].width, 7056);
    EXPECT_TRUE(f.Viewn1.checkBoxes());
    ASSERT_EQ(f.Viewn2.columns().size(), 3u);
    EXPECT_EQ(f.Viewn2.columns()[0].header, "Invalid Data Location");
    EXPECT_EQ(f.Viewn2.columns()[0].width, 10583);
    EXPECT_EQ(f.Viewn2.columns()[2].width, 0);
    EXPECT_TRUE(f.Viewn2.checkBoxes());
    ASSERT_EQ(f.View1.columns().size(), 3u);
    EXPECT_EQ(f.View1.columns()[2].width, 0);
    ASSERT_EQ(f.View2.columns().size(), 6u);
    EXPECT_EQ(f.View2.columns()[2].width, 15000);
    for (std::size_t hidden = 3; hidden < 6; ++hidden) EXPECT_EQ(f.View2.columns()[hidden].width, 0);
}

TEST_F(Form1Test, Load_SetsEveryCaptionHeaderAndPanelFromTheChosenLanguageFile) {
    loadWith("keyed.ini");
    const auto& f = *form;
    EXPECT_EQ(f.Text16.text(), "keyed.ini");
    for (const auto& row : captionTable(f)) EXPECT_EQ(row.control.caption(), keyed(row.key)) << row.control.name();
    for (const auto& header : headerTable(f))
        EXPECT_EQ(header.list.columns()[header.column].header, keyed(header.key))
            << header.list.name() << " column " << header.column;
    EXPECT_EQ(f.StatusBar1.panel(1), keyed(88));
    EXPECT_EQ(f.StatusBar1.panel(2), keyed(110));
    EXPECT_EQ(f.Viewn1.text(0, 1), keyed(28));
    EXPECT_FALSE(f.window.visible()) << "the about box shows the window later";
    EXPECT_TRUE(f.loaded());
}

TEST_F(Form1Test, Load_WithAMissingLanguageFileEmptiesEveryCaptionAndHeader) {
    loadWith("klingon.ini");
    const auto& f = *form;
    EXPECT_EQ(f.Text16.text(), "klingon.ini");
    for (const auto& row : captionTable(f)) EXPECT_EQ(row.control.caption(), "") << row.control.name();
    for (const auto& header : headerTable(f))
        EXPECT_EQ(header.list.columns()[header.column].header, "") << header.list.name() << " " << header.column;
    EXPECT_EQ(f.StatusBar1.panel(1), "");
    EXPECT_EQ(f.StatusBar1.panel(2), "");
    ASSERT_EQ(f.Viewn1.rowCount(), 7u);
    EXPECT_EQ(f.Viewn1.text(0, 0), "Invalid font refrence") << "category captions are not translated";
    EXPECT_EQ(f.Viewn1.text(0, 1), "");
}

TEST_F(Form1Test, Initialize_FallsBackToEnglishWhenNoLanguageIsStored) {
    form->Initialize();
    EXPECT_EQ(form->Text16.text(), "english.ini");
    EXPECT_EQ(form->StatusBar1.panel(2), form->language.LangText(110));
    EXPECT_FALSE(form->StatusBar1.panel(2).empty());
    EXPECT_EQ(form->StatusBar1.panel(1), "") << "panel 1 waits for Load";
}

TEST_F(Form1Test, Load_ListsProgramsAfterClearingAndBeforeTheCategoriesAndCaptions) {
    auto& f = *form;
    for (int number = 1; number <= 5; ++number) f.List(number) = {"stale"};
    f.View1.addRow("stale program");
    f.Label4.setCaption("stale selection");
    f.Text8.setText("2");
    f.Label1.setCaption("stale status");
    const auto before = f.generation();

    int listings = 0;
    f.listInstalledPrograms = [&] {
        ++listings;
        for (int number = 1; number <= 4; ++number) EXPECT_TRUE(f.List(number).empty()) << "List" << number;
        EXPECT_EQ(f.List(5), std::vector<std::string>{"stale"}) << "List5 is not the start-up's to clear";
        EXPECT_EQ(f.View1.rowCount(), 0u);
        EXPECT_EQ(f.Label4.caption(), "");
        EXPECT_EQ(f.Text8.text(), "");
        EXPECT_EQ(f.Text16.text(), "keyed.ini");
        EXPECT_EQ(f.Label1.caption(), "stale status") << "the status caption is cleared after the listing";
        EXPECT_EQ(f.Viewn1.rowCount(), 0u) << "categories come after the listing";
        EXPECT_EQ(f.drawnButton4.caption(), "&Voririruzer Iziv ") << "captions come after the listing";
        EXPECT_TRUE(f.superseded(before)) << "the listing starts a walk of its own";
        f.View1.addRow("Listed program");
        f.Label1.setCaption("Listed program");
    };
    loadWith("keyed.ini");

    EXPECT_EQ(listings, 1);
    ASSERT_EQ(f.View1.rowCount(), 1u);
    EXPECT_EQ(f.View1.text(0, 0), "Listed program");
    EXPECT_EQ(f.Label1.caption(), "");
    EXPECT_EQ(f.Viewn1.rowCount(), 7u);
}

TEST_F(Form1Test, Load_IsCentredAndTwoHundredTwipsAboveTheScreenCentre) {
    pc.desktop.screenWidth = 12000;
    pc.desktop.screenHeight = 9000;
    loadWith("keyed.ini");
    EXPECT_EQ(form->window.left(), (12000 - shell::kDesignWidth) / 2);
    EXPECT_EQ(form->window.top(), (9000 - shell::kDesignHeight) / 2 - 200);
    EXPECT_EQ(form->window.left(), 750);
    EXPECT_EQ(form->window.top(), 527);
    EXPECT_EQ(form->window.width(), shell::kDesignWidth) << "placing does not size";
}

TEST_F(Form1Test, Load_RunsOnceHoweverOftenTheWindowIsLoaded) {
    int listings = 0;
    form->listInstalledPrograms = [&] {
        ++listings;
        form->Load();  // a click during the listing's yields loading the window again
    };
    loadWith("keyed.ini");
    form->Load();
    EXPECT_EQ(listings, 1);
    EXPECT_EQ(form->Viewn1.rowCount(), 7u);
}
