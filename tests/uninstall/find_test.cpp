// Find: the wildcard forms, where a search continues, and how each list ends.
#include <gtest/gtest.h>

#include "shell/main_window_fixture.h"
#include "uninstall/find.h"

namespace {

using uninstall::matchesPattern;
using uninstall::nameMatches;

TEST(FindPattern, EachWildcardFormMatchesWhatItShould) {
    const struct {
        const char *text, *pattern;
        bool matches;
    } cases[] = {
        {"abc", "abc", true},    {"abc", "abd", false},   {"abc", "a?c", true},    {"ac", "a?c", false},
        {"abc", "a*", true},     {"a", "a*", true},       {"abc", "*c", true},     {"abc", "*b", false},
        {"a1c", "a#c", true},    {"abc", "a#c", false},   {"abc", "a[xb]c", true}, {"aqc", "a[xb]c", false},
        {"aqc", "a[!xb]c", true}, {"abc", "a[!xb]c", false}, {"amc", "a[a-z]c", true}, {"a5c", "a[a-z]c", false},
        {"a[c", "a[c", true},    {"", "", true},          {"", "*", true},         {"x", "", false},
        {"aXbXc", "a*b*c", true}, {"aXbX", "a*b*c", false},
    };
    for (const auto& c : cases) EXPECT_EQ(matchesPattern(c.text, c.pattern), c.matches) << c.text << " ~ " << c.pattern;
}

TEST(FindPattern, ANameMatchesAnywhereIgnoringCaseAndTheBlanksAroundIt) {
    EXPECT_TRUE(nameMatches("  Image Viewer 4 ", "VIEW"));
    EXPECT_TRUE(nameMatches("Image Viewer", "v?ewer"));
    EXPECT_TRUE(nameMatches("Anything", ""));
    EXPECT_TRUE(nameMatches("", "*"));
    EXPECT_FALSE(nameMatches("Mail Checker", "viewer"));
    // A trailing blank makes every piece one longer than the pattern, except the cut-short one at the end.
    EXPECT_TRUE(nameMatches("Big Tool", "tool "));
    EXPECT_FALSE(nameMatches("Tool Box", "tool "));
    EXPECT_TRUE(nameMatches("Tool Box", "tool* "));
}

class FindCommand : public main_window_test::MainWindowTest {
protected:
    FindCommand() {
        loadWith("english.ini");
        for (ui::ListView* list : {&form->uninstallPage->parts.programList, &form->startupPage.list})
            for (const char* name : {"Alpha One", "Beta", "Alpha Two", "Gamma"}) list->addRow(name);
    }
    void search(const std::string& text) { form->searchBox.setText(text); }
    void pressFind() { form->findButton.click(); }
    std::vector<std::size_t> selectedRows(const ui::ListView& list) const {
        std::vector<std::size_t> rows;
        for (std::size_t i = 0; i < list.rowCount(); ++i)
            if (list.row(i).selected) rows.push_back(i);
        return rows;
    }
};

TEST_F(FindCommand, StepsThroughTheHitsThenTellsTheUserAtEveryFurtherPress) {
    search("alpha*");
    pressFind();
    EXPECT_EQ(selectedRows(form->uninstallPage->parts.programList), std::vector<std::size_t>{0});
    EXPECT_EQ(form->uninstallPage->parts.programList.row(0).color, uninstall::kFoundRowColour);
    pressFind();
    EXPECT_EQ(selectedRows(form->uninstallPage->parts.programList), std::vector<std::size_t>{2}) << "the earlier hit is deselected";
    EXPECT_TRUE(pc.desktop.messages.empty());
    pressFind();
    pressFind();
    ASSERT_EQ(pc.desktop.messages.size(), 2u);
    EXPECT_EQ(pc.desktop.messages[0].icon, platform::MessageIcon::Information);
    EXPECT_EQ(pc.desktop.messages[0].text, form->language.text(89) + "\r" + form->language.text(102));
    EXPECT_EQ(form->uninstallPage->selectedRow(), 0) << "Find is no selection for the commands";
    search("gamma");
    form->searchBox.keyPress('\r');
    EXPECT_EQ(selectedRows(form->uninstallPage->parts.programList), std::vector<std::size_t>{3}) << "a new text starts from the top";
}

TEST_F(FindCommand, TheStartupListEndsSilentlyAfterAHitButTellsWhenItFoundNothing) {
    form->showStartupPage();
    form->startupPage.list.clear();
    for (const char* name : {"Tray Clock", "Mail", "Tray Icon"}) form->startupPage.list.addRow(name);
    search("tray");
    pressFind();
    pressFind();
    EXPECT_EQ(selectedRows(form->startupPage.list), std::vector<std::size_t>{2});
    EXPECT_TRUE(selectedRows(form->uninstallPage->parts.programList).empty()) << "the page on show is the one searched";
    pressFind();
    EXPECT_TRUE(pc.desktop.messages.empty());
    search("nothing like it");
    pressFind();
    EXPECT_EQ(pc.desktop.messages.size(), 1u);
}

TEST_F(FindCommand, TenThousandRowsAreSearchedToTheLast) {
    form->uninstallPage->parts.programList.clear();
    for (int i = 0; i < 10000; ++i) {
        std::string name = "Program ";
        name += std::to_string(i);
        form->uninstallPage->parts.programList.addRow(name);
    }
    search("program 9999");
    pressFind();
    EXPECT_EQ(selectedRows(form->uninstallPage->parts.programList), std::vector<std::size_t>{9999});
}

}  // namespace
