// The host-disk substitute's own rules: how Windows paths land on the host
// tree and how attributes are stored so that Wine reads them the same way.
#include <gtest/gtest.h>

#include <fstream>
#include <stdexcept>

#include <stdlib.h>
#include <sys/stat.h>
#include <sys/xattr.h>

#include "platform/host_files.h"
#include "support/temp_folder.h"

namespace {

using namespace platform;
namespace fs = std::filesystem;

class HostFilesTest : public ::testing::Test {
protected:
    void SetUp() override {
        root_ = testing_support::makeTempFolder("vantrel-hostfiles");
        files_.mapDrive('c', root_);
    }
    void TearDown() override {
        std::error_code ignored;
        fs::remove_all(root_, ignored);
    }

    void hostWrite(const fs::path& relative, const std::string& bytes = "x") {
        fs::create_directories((root_ / relative).parent_path());
        std::ofstream(root_ / relative, std::ios::binary) << bytes;
    }
    std::string xattr(const fs::path& relative) {
        char value[64];
        ssize_t length = ::getxattr((root_ / relative).c_str(), "user.DOSATTRIB", value, sizeof value);
        return length < 0 ? std::string("<none>") : std::string(value, static_cast<std::size_t>(length));
    }
    void setXattr(const fs::path& relative, const std::string& value) {
        ASSERT_EQ(::setxattr((root_ / relative).c_str(), "user.DOSATTRIB", value.data(), value.size(), 0), 0);
    }
    std::uint32_t attributes(const std::string& path) {
        std::uint32_t value = 0;
        EXPECT_EQ(files_.getAttributes(path, value), kSuccess) << path;
        return value;
    }
    std::vector<std::string> names(const std::string& pattern) {
        std::vector<FoundEntry> entries;
        files_.find(pattern, entries);
        std::vector<std::string> result;
        for (const auto& entry : entries) result.push_back(entry.name);
        return result;
    }

    fs::path root_;
    HostFiles files_{"C:\\Program Files\\Vantrel"};
};

// ---- attributes as Wine stores them ----

// Wine 8.0, SetFileAttributesA on files of a prefix, then `getfattr -d` on the
// host files: hidden -> "0x2", system -> "0x4", both -> "0x6", three bytes with
// no terminating zero; archive or normal removes the attribute altogether.
TEST_F(HostFilesTest, HiddenAndSystemAreWrittenAsWineWritesThem) {
    hostWrite("h.txt");
    hostWrite("s.txt");
    hostWrite("hs.txt");
    ASSERT_EQ(files_.setAttributes("C:\\h.txt", kAttrHidden), kSuccess);
    ASSERT_EQ(files_.setAttributes("C:\\s.txt", kAttrSystem | kAttrArchive), kSuccess);
    ASSERT_EQ(files_.setAttributes("C:\\hs.txt", kAttrHidden | kAttrSystem | kAttrReadOnly), kSuccess);
    EXPECT_EQ(xattr("h.txt"), "0x2");
    EXPECT_EQ(xattr("s.txt"), "0x4");
    EXPECT_EQ(xattr("hs.txt"), "0x6");
    ASSERT_EQ(files_.setAttributes("C:\\hs.txt", kAttrArchive), kSuccess);
    EXPECT_EQ(xattr("hs.txt"), "<none>");
}

// Observed under Wine 8.0 on values set with setfattr: only a whole "0x<hex>"
// counts, and of it only hidden and system ("0x22" hidden, "0x7" hidden and
// system but not read-only; "0X2", "2", "0x2z" and "0x" nothing).
TEST_F(HostFilesTest, ReadsTheAttributeTheWayWineDoes) {
    const std::pair<const char*, std::uint32_t> cases[] = {
        {"0x22", kAttrHidden}, {"0x12", kAttrHidden}, {"0x7", kAttrHidden | kAttrSystem}, {"0x26", kAttrHidden | kAttrSystem},
        {"0x1", 0},            {"0X2", 0},            {"2", 0},                            {"0x2z", 0},
        {"0x", 0}};
    for (const auto& [value, expected] : cases) {
        std::string name = std::string("f") + value;
        hostWrite(name);
        setXattr(name, value);
        EXPECT_EQ(attributes("C:\\" + name), expected | kAttrArchive) << value;
    }
}

TEST_F(HostFilesTest, ReadOnlyLivesInTheModeBits) {
    hostWrite("ro.txt");
    ASSERT_EQ(files_.setAttributes("C:\\ro.txt", kAttrReadOnly), kSuccess);
    const auto writeBits = fs::perms::owner_write | fs::perms::group_write | fs::perms::others_write;
    EXPECT_EQ(fs::status(root_ / "ro.txt").permissions() & writeBits, fs::perms::none);
    EXPECT_EQ(xattr("ro.txt"), "<none>");
    ASSERT_EQ(files_.setAttributes("C:\\ro.txt", kAttrNormal), kSuccess);
    EXPECT_NE(fs::status(root_ / "ro.txt").permissions() & fs::perms::owner_write, fs::perms::none);
}

TEST_F(HostFilesTest, FolderWithoutWriteBitsIsReadOnlyButSettingItChangesNothing) {
    fs::create_directory(root_ / "locked");
    fs::create_directory(root_ / "open");
    fs::permissions(root_ / "locked", fs::perms::owner_read | fs::perms::owner_exec);
    EXPECT_EQ(attributes("C:\\locked"), kAttrDirectory | kAttrReadOnly);
    ASSERT_EQ(files_.setAttributes("C:\\open", kAttrReadOnly), kSuccess);
    EXPECT_EQ(attributes("C:\\open"), kAttrDirectory);
    fs::permissions(root_ / "locked", fs::perms::owner_all);
}

TEST_F(HostFilesTest, ReadOnlyFileIsNotDeletedOrWrittenEvenByRoot) {
    hostWrite("ro.txt", "old");
    ASSERT_EQ(files_.setAttributes("C:\\ro.txt", kAttrReadOnly), kSuccess);
    EXPECT_EQ(files_.deleteFile("C:\\ro.txt"), kAccessDenied);
    EXPECT_EQ(files_.writeFile("C:\\ro.txt", "new"), kAccessDenied);
    std::string bytes;
    ASSERT_EQ(files_.readFile("C:\\ro.txt", bytes), kSuccess);
    EXPECT_EQ(bytes, "old");
}

// ---- paths ----

TEST_F(HostFilesTest, ExistingComponentsTakeTheHostSpellingAndNewOnesKeepTheirCase) {
    fs::create_directories(root_ / "Program Files" / "Vantrel");
    auto host = files_.hostPath("c:\\PROGRAM FILES\\vantrel\\NewFolder\\New.txt");
    ASSERT_TRUE(host);
    EXPECT_EQ(*host, root_ / "Program Files" / "Vantrel" / "NewFolder" / "New.txt");
}

TEST_F(HostFilesTest, ExactSpellingIsPreferredOverACaseVariant) {
    hostWrite("readme.txt", "lower");
    hostWrite("README.TXT", "upper");
    std::string bytes;
    ASSERT_EQ(files_.readFile("C:\\README.TXT", bytes), kSuccess);
    EXPECT_EQ(bytes, "upper");
    ASSERT_EQ(files_.readFile("C:\\readme.txt", bytes), kSuccess);
    EXPECT_EQ(bytes, "lower");
}

TEST_F(HostFilesTest, DotsAndDoubledSeparatorsAreResolved) {
    hostWrite("a/b.txt");
    fs::create_directory(root_ / "c");
    EXPECT_EQ(attributes("C:\\c\\..\\a\\b.txt"), kAttrArchive);
    EXPECT_EQ(attributes("C:\\.\\a\\\\b.txt"), kAttrArchive);
    EXPECT_EQ(attributes("C:/a/b.txt"), kAttrArchive);
    EXPECT_EQ(attributes("C:\\..\\a\\b.txt"), kAttrArchive);
}

TEST_F(HostFilesTest, PathsThatLeadNowhereAreRefused) {
    std::uint32_t value = 0;
    EXPECT_EQ(files_.getAttributes("", value), kPathNotFound);
    EXPECT_EQ(files_.getAttributes("relative.txt", value), kPathNotFound);
    EXPECT_EQ(files_.getAttributes("C:relative.txt", value), kPathNotFound);
    EXPECT_EQ(files_.getAttributes("\\\\server\\share\\x.txt", value), kPathNotFound);
    EXPECT_EQ(files_.getAttributes("Q:\\x.txt", value), kPathNotFound);
    EXPECT_EQ(files_.getAttributes("C:\\bad|name.txt", value), kInvalidName);
    EXPECT_EQ(files_.getAttributes("C:\\bad<name.txt", value), kInvalidName);
    EXPECT_FALSE(files_.hostPath("Q:\\x.txt"));
    EXPECT_FALSE(files_.hostPath("relative.txt"));
}

TEST_F(HostFilesTest, FileUsedAsAFolderIsPathNotFound) {
    hostWrite("plain.txt");
    std::uint32_t value = 0;
    EXPECT_EQ(files_.getAttributes("C:\\plain.txt\\inner", value), kPathNotFound);
    EXPECT_EQ(files_.getAttributes("C:\\plain.txt\\", value), kInvalidName);
}

TEST_F(HostFilesTest, DriveRootIsAFolderWithoutDotEntries) {
    hostWrite("top.txt");
    EXPECT_EQ(attributes("C:\\"), kAttrDirectory);
    EXPECT_EQ(names("C:\\*"), (std::vector<std::string>{"top.txt"}));
    std::vector<FoundEntry> entries;
    EXPECT_EQ(files_.find("C:\\", entries), kFileNotFound);
}

// Wine 8.0 names host files in UTF-8 ("café.txt" written as 63 61 66 C3 A9 ...)
// while the program speaks code page 1252.
TEST_F(HostFilesTest, AnsiNamesAreUtf8OnTheHost) {
    ASSERT_EQ(files_.writeFile("C:\\caf\xe9.txt", "x"), kSuccess);
    EXPECT_TRUE(fs::exists(root_ / "caf\xc3\xa9.txt"));
    EXPECT_EQ(names("C:\\*.txt"), (std::vector<std::string>{"caf\xe9.txt"}));
    EXPECT_EQ(attributes("C:\\CAF\xc9.TXT"), kAttrArchive);
    ASSERT_EQ(files_.writeFile("C:\\\x80uro.txt", "x"), kSuccess);
    EXPECT_TRUE(fs::exists(root_ / "\xe2\x82\xacuro.txt"));
}

TEST_F(HostFilesTest, HostNamesOutsideTheCodePageAreNotListed) {
    hostWrite("\xe6\x97\xa5\xe6\x9c\xac.txt");
    hostWrite("\xff\xfe.txt");
    hostWrite("plain.txt");
    EXPECT_EQ(names("C:\\*.txt"), (std::vector<std::string>{"plain.txt"}));
}

// ---- searching ----

TEST_F(HostFilesTest, ListingIsSortedByUpperCaseNameWithDotEntriesFirst) {
    for (const char* name : {"~c", "[b", "_x", "Zed", "apple", "Ab2", "a b", "a.b", "B", "10", "9"}) hostWrite(std::string("d/") + name);
    EXPECT_EQ(names("C:\\d\\*"), (std::vector<std::string>{".", "..", "10", "9", "a b", "a.b", "Ab2", "apple", "B", "Zed",
                                                           "[b", "_x", "~c"}));
}

TEST_F(HostFilesTest, DosWildcardsFollowTheDirectorySearchRules) {
    for (const char* name : {"a", "ab", "abc", "a.txt", "ab.txt", "a.b.txt", "notes.txt.bak"}) hostWrite(std::string("d/") + name);
    EXPECT_EQ(names("C:\\d\\*.txt"), (std::vector<std::string>{"a.b.txt", "a.txt", "ab.txt"}));
    EXPECT_EQ(names("C:\\d\\a?"), (std::vector<std::string>{"a", "ab"}));
    EXPECT_EQ(names("C:\\d\\a??.txt"), (std::vector<std::string>{"a.txt", "ab.txt"}));
    EXPECT_EQ(names("C:\\d\\*."), (std::vector<std::string>{".", "..", "a", "ab", "abc"}));
    EXPECT_EQ(names("C:\\d\\A*C"), (std::vector<std::string>{"abc"}));
}

TEST_F(HostFilesTest, DotEntriesCarryTheirFoldersAttributes) {
    fs::create_directories(root_ / "parent" / "child");
    ASSERT_EQ(files_.setAttributes("C:\\parent", kAttrHidden), kSuccess);
    std::vector<FoundEntry> entries;
    ASSERT_EQ(files_.find("C:\\parent\\child\\*", entries), kSuccess);
    ASSERT_EQ(entries.size(), 2u);
    EXPECT_EQ(entries[0].attributes, kAttrDirectory);
    EXPECT_EQ(entries[1].attributes, kAttrDirectory | kAttrHidden);
}

// ---- copying ----

TEST_F(HostFilesTest, CopyOntoItselfIsASharingViolation) {
    hostWrite("same.txt", "keep");
    EXPECT_EQ(files_.copyFile("C:\\same.txt", "C:\\SAME.TXT", false), 32);
    std::string bytes;
    ASSERT_EQ(files_.readFile("C:\\same.txt", bytes), kSuccess);
    EXPECT_EQ(bytes, "keep");
}

TEST_F(HostFilesTest, CopyCarriesTheAttributeAcrossInWinesForm) {
    hostWrite("source.txt");
    ASSERT_EQ(files_.setAttributes("C:\\source.txt", kAttrSystem), kSuccess);
    ASSERT_EQ(files_.copyFile("C:\\source.txt", "C:\\copy.txt", true), kSuccess);
    EXPECT_EQ(xattr("copy.txt"), "0x4");
}

TEST_F(HostFilesTest, CopyOfAFolderIsAccessDenied) {
    fs::create_directory(root_ / "folder");
    EXPECT_EQ(files_.copyFile("C:\\folder", "C:\\copy", false), kAccessDenied);
}

TEST_F(HostFilesTest, ProgramFolderIsTheOneGiven) { EXPECT_EQ(files_.programFolder(), "C:\\Program Files\\Vantrel"); }

}  // namespace
