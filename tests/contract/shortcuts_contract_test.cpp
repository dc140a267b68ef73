// Shell links through the Shortcuts service: the .lnk codec natively, the
// shell's own IShellLinkA under Wine and Windows.
#include <gtest/gtest.h>

#include <memory>
#include <string>

#include "platform/shortcuts.h"
#include "support/test_machine.h"
#include "support/same_link.h"

namespace {

using platform::ShellLink;

class ShortcutsContract : public ::testing::Test {
protected:
    void SetUp() override { tm_ = testing_support::makeTestMachine(); }

    platform::Shortcuts& shortcuts() { return tm_->machine().shortcuts; }
    std::string scratch(const std::string& name) const { return tm_->scratchFolder() + "\\" + name; }

    // Writes `link` to a fresh .lnk in the scratch folder and reads it back.
    ShellLink roundTrip(const ShellLink& link, const std::string& name = "trip.lnk") {
        EXPECT_EQ(platform::kSuccess, shortcuts().write(scratch(name), link));
        ShellLink read;
        EXPECT_EQ(platform::kSuccess, shortcuts().read(scratch(name), read));
        return read;
    }

    std::unique_ptr<testing_support::TestMachine> tm_;
};

ShellLink untouchedLink() {
    ShellLink link;
    link.target = "C:\\untouched.exe";
    link.workingFolder = "C:\\untouched";
    link.arguments = "untouched";
    link.description = "untouched";
    link.iconPath = "C:\\untouched.ico";
    link.iconIndex = 9;
    link.showCommand = platform::kShowMaximized;
    link.hotkey = 0x0241;
    return link;
}

using testing_support::expectSameLink;

TEST_F(ShortcutsContract, WritesAndReadsBackEveryField) {
    tm_->writeHostFile(scratch("app.exe"), "MZ");
    ShellLink link;
    link.target = scratch("app.exe");
    link.workingFolder = tm_->scratchFolder();
    link.arguments = "/tray --quiet";
    link.description = "Vantrel test link";
    link.iconPath = scratch("app.exe");
    link.iconIndex = 2;
    link.showCommand = platform::kShowNormal;
    link.hotkey = 0x0654;  // Ctrl+Shift+T
    expectSameLink(link, roundTrip(link));
}

TEST_F(ShortcutsContract, KeepsANegativeIconIndex) {
    ShellLink link;
    link.target = scratch("app.exe");
    link.iconPath = scratch("icons.dll");
    link.iconIndex = -104;  // a resource id rather than a position
    EXPECT_EQ(-104, roundTrip(link).iconIndex);
}

TEST_F(ShortcutsContract, ReadingAMissingFileIsFileNotFoundAndLeavesTheLinkUntouched) {
    ShellLink link = untouchedLink();
    EXPECT_EQ(platform::kFileNotFound, shortcuts().read(scratch("missing.lnk"), link));
    expectSameLink(untouchedLink(), link);
}

TEST_F(ShortcutsContract, ReadingAFileThatIsNoShortcutFailsAndLeavesTheLinkUntouched) {
    tm_->writeHostFile(scratch("notes.lnk"), "[InternetShortcut]\r\nURL=http://example.com/\r\n");
    ShellLink link = untouchedLink();
    platform::Status status = shortcuts().read(scratch("notes.lnk"), link);
    EXPECT_NE(platform::kSuccess, status);
    EXPECT_NE(platform::kFileNotFound, status);
    expectSameLink(untouchedLink(), link);

    tm_->writeHostFile(scratch("empty.lnk"), "");
    EXPECT_NE(platform::kSuccess, shortcuts().read(scratch("empty.lnk"), link));
    expectSameLink(untouchedLink(), link);
}

TEST_F(ShortcutsContract, ReadingATruncatedShortcutFailsAndLeavesTheLinkUntouched) {
    ShellLink written;
    written.target = scratch("app.exe");
    written.description = "about to be cut short";
    ASSERT_EQ(platform::kSuccess, shortcuts().write(scratch("whole.lnk"), written));
    std::string bytes;
    ASSERT_EQ(platform::kSuccess, tm_->machine().files.readFile(scratch("whole.lnk"), bytes));
    ASSERT_GT(bytes.size(), 100u);
    tm_->writeHostFile(scratch("cut.lnk"), bytes.substr(0, 60));

    ShellLink link = untouchedLink();
    EXPECT_NE(platform::kSuccess, shortcuts().read(scratch("cut.lnk"), link));
    expectSameLink(untouchedLink(), link);
}

TEST_F(ShortcutsContract, EmptyOptionalFieldsReadBackEmpty) {
    ShellLink link;
    link.target = scratch("bare.exe");
    ShellLink read = roundTrip(link);
    EXPECT_EQ(link.target, read.target);
    EXPECT_EQ("", read.workingFolder);
    EXPECT_EQ("", read.arguments);
    EXPECT_EQ("", read.description);
    if (tm_->isWine()) {
        EXPECT_EQ(link.target, read.iconPath)
            << "Wine deviation: Resolve(SLR_UPDATE) makes the target the icon location when none is set";
    } else {
        EXPECT_EQ("", read.iconPath);
    }
    EXPECT_EQ(0, read.iconIndex);
    EXPECT_EQ(platform::kShowNormal, read.showCommand);
}

TEST_F(ShortcutsContract, KeepsATargetWithSpacesWhole) {
    ASSERT_EQ(platform::kSuccess, tm_->machine().files.createFolder(scratch("My Programs")));
    tm_->writeHostFile(scratch("My Programs\\Some App.exe"), "MZ");
    ShellLink existing;
    existing.target = scratch("My Programs\\Some App.exe");
    existing.workingFolder = scratch("My Programs");
    existing.arguments = "\"C:\\some file.txt\" /x";
    existing.iconPath = existing.target;
    expectSameLink(existing, roundTrip(existing, "existing.lnk"));

    ShellLink missing;
    missing.target = scratch("Not Installed Yet\\Other App.exe");
    EXPECT_EQ(missing.target, roundTrip(missing, "missing.lnk").target) << "a missing target is still written";
}

TEST_F(ShortcutsContract, KeepsShowCommandsNormalMaximisedAndMinimisedAndTreatsOthersAsNormal) {
    ShellLink link;
    link.target = scratch("app.exe");
    for (int show : {platform::kShowNormal, platform::kShowMaximized, platform::kShowMinNoActive}) {
        link.showCommand = show;
        int read = roundTrip(link).showCommand;
        if (tm_->isWine()) {
            EXPECT_EQ(platform::kShowNormal, read) << "Wine deviation: GetShowCmd gives 1 after loading, not " << show;
        } else {
            EXPECT_EQ(show, read);
        }
    }
    for (int show : {0, 2, 5, 6, 10}) {
        link.showCommand = show;
        EXPECT_EQ(platform::kShowNormal, roundTrip(link).showCommand) << show;
    }
}

TEST_F(ShortcutsContract, CutsLongFieldsTo254Characters) {
    // Every field but the target is read into a 255-character buffer.
    ShellLink link;
    link.target = scratch("app.exe");
    link.arguments = std::string(300, 'a');
    EXPECT_EQ(std::string(254, 'a'), roundTrip(link).arguments);
}

TEST_F(ShortcutsContract, ReadsATargetOfTheShellsWholePathLengthWhole) {
    ShellLink link;
    link.target = scratch("");
    link.target += std::string(259 - link.target.size() - 4, 't') + ".exe";
    ASSERT_EQ(link.target.size(), 259u);
    EXPECT_EQ(link.target, roundTrip(link).target);
}

TEST_F(ShortcutsContract, WritingReplacesAnExistingShortcut) {
    ShellLink first;
    first.target = scratch("first.exe");
    first.arguments = "-one";
    ShellLink second;
    second.target = scratch("second.exe");
    ASSERT_EQ(platform::kSuccess, shortcuts().write(scratch("same.lnk"), first));
    ShellLink read = roundTrip(second, "same.lnk");
    EXPECT_EQ(second.target, read.target);
    EXPECT_EQ("", read.arguments);
}

TEST_F(ShortcutsContract, WritingIntoAMissingFolderIsPathNotFound) {
    ShellLink link;
    link.target = scratch("app.exe");
    EXPECT_EQ(platform::kPathNotFound, shortcuts().write(scratch("no such folder\\x.lnk"), link));
}

}  // namespace
