// The file functions as the settings store, the scanner, the startup and the
// uninstall pages lean on them, checked against the host-disk substitute
// natively and the real functions under Wine.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "platform/files.h"
#include "support/test_machine.h"

namespace {

using namespace platform;

class FilesContract : public ::testing::Test {
protected:
    void SetUp() override {
        tm_ = testing_support::makeTestMachine();
        files_ = &tm_->machine().files;
    }

    std::string at(const std::string& name) const { return tm_->scratchFolder() + "\\" + name; }

    void write(const std::string& name, const std::string& bytes) {
        ASSERT_EQ(files_->writeFile(at(name), bytes), kSuccess) << name;
    }
    std::string read(const std::string& name) {
        std::string bytes;
        EXPECT_EQ(files_->readFile(at(name), bytes), kSuccess) << name;
        return bytes;
    }
    std::uint32_t attributes(const std::string& name) {
        std::uint32_t value = 0;
        EXPECT_EQ(files_->getAttributes(at(name), value), kSuccess) << name;
        return value;
    }
    std::vector<std::string> names(const std::string& pattern) {
        std::vector<FoundEntry> entries;
        files_->find(at(pattern), entries);
        std::vector<std::string> result;
        for (const auto& entry : entries) result.push_back(entry.name);
        return result;
    }
    // Wine and the substitute keep attributes in the host's terms: archive
    // cannot be stored there, so it is always reported.
    bool archiveAlwaysOn() const { return tm_->isWine() || tm_->isSubstitute(); }
    // Leaves nothing read-only behind for the scratch folder's removal.
    void TearDown() override {
        for (const auto& name : readOnly_) files_->setAttributes(at(name), kAttrNormal);
    }
    void makeReadOnly(const std::string& name) {
        ASSERT_EQ(files_->setAttributes(at(name), kAttrReadOnly), kSuccess);
        readOnly_.push_back(name);
    }

    std::unique_ptr<testing_support::TestMachine> tm_;
    Files* files_ = nullptr;
    std::vector<std::string> readOnly_;
};

// ---- status codes of missing things ----

TEST_F(FilesContract, MissingFileIsFileNotFoundAndMissingFolderIsPathNotFound) {
    std::uint32_t value = 0;
    EXPECT_EQ(files_->getAttributes(at("absent.txt"), value), kFileNotFound);
    EXPECT_EQ(files_->getAttributes(at("absent\\file.txt"), value), kPathNotFound);
    EXPECT_EQ(files_->setAttributes(at("absent.txt"), kAttrHidden), kFileNotFound);
    EXPECT_EQ(files_->setAttributes(at("absent\\file.txt"), kAttrHidden), kPathNotFound);
    EXPECT_EQ(files_->deleteFile(at("absent.txt")), kFileNotFound);
    EXPECT_EQ(files_->deleteFile(at("absent\\file.txt")), kPathNotFound);
    std::string bytes;
    EXPECT_EQ(files_->readFile(at("absent.txt"), bytes), kFileNotFound);
    EXPECT_EQ(files_->readFile(at("absent\\file.txt"), bytes), kPathNotFound);
    EXPECT_EQ(files_->writeFile(at("absent\\file.txt"), "x"), kPathNotFound);
}

TEST_F(FilesContract, FindReportsMissingFileFolderAndEmptyPattern) {
    std::vector<FoundEntry> entries;
    EXPECT_EQ(files_->find(at("absent.txt"), entries), kFileNotFound);
    EXPECT_EQ(files_->find(at("*.none"), entries), kFileNotFound);
    EXPECT_EQ(files_->find(at("absent\\*.*"), entries), kPathNotFound);
    EXPECT_EQ(files_->find(at("absent\\file.txt"), entries), kPathNotFound);
    EXPECT_EQ(files_->find("", entries), kPathNotFound);
    EXPECT_TRUE(entries.empty());
}

TEST_F(FilesContract, WildcardsOutsideTheLastComponentAreAnInvalidName) {
    ASSERT_EQ(files_->createFolder(at("sub")), kSuccess);
    write("sub\\a.txt", "a");
    std::vector<FoundEntry> entries;
    EXPECT_EQ(files_->find(at("s*\\a.txt"), entries), kInvalidName);
    std::uint32_t value = 0;
    EXPECT_EQ(files_->getAttributes(at("sub\\*.txt"), value), kInvalidName);
}

// ---- names ----

TEST_F(FilesContract, NamesMatchIgnoringCaseAndReportTheFolderSpelling) {
    write("MixedCase.TXT", "content");
    EXPECT_EQ(read("mixedcase.txt"), "content");
    std::vector<FoundEntry> entries;
    ASSERT_EQ(files_->find(at("MIXEDCASE.txt"), entries), kSuccess);
    ASSERT_EQ(entries.size(), 1u);
    EXPECT_EQ(entries[0].name, "MixedCase.TXT");
}

TEST_F(FilesContract, ForwardSlashSeparatesLikeBackslash) {
    ASSERT_EQ(files_->createFolder(at("sub")), kSuccess);
    write("sub\\file.txt", "x");
    std::string path = at("sub/file.txt");
    std::uint32_t value = 0;
    EXPECT_EQ(files_->getAttributes(path, value), kSuccess);
}

TEST_F(FilesContract, TrailingDotsAndBlanksOfANameAreIgnored) {
    write("plain.txt", "x");
    std::uint32_t value = 0;
    EXPECT_EQ(files_->getAttributes(at("plain.txt."), value), kSuccess);
    EXPECT_EQ(files_->getAttributes(at("plain.txt  "), value), kSuccess);
}

// ---- attributes ----

TEST_F(FilesContract, NewFileIsArchiveAndNewFolderIsDirectory) {
    write("new.txt", "x");
    ASSERT_EQ(files_->createFolder(at("folder")), kSuccess);
    EXPECT_EQ(attributes("new.txt"), kAttrArchive);
    EXPECT_EQ(attributes("folder"), kAttrDirectory);
}

TEST_F(FilesContract, HiddenAndSystemAreKept) {
    write("h.txt", "x");
    write("s.txt", "x");
    write("hs.txt", "x");
    ASSERT_EQ(files_->setAttributes(at("h.txt"), kAttrHidden), kSuccess);
    ASSERT_EQ(files_->setAttributes(at("s.txt"), kAttrSystem), kSuccess);
    ASSERT_EQ(files_->setAttributes(at("hs.txt"), kAttrHidden | kAttrSystem), kSuccess);
    if (archiveAlwaysOn()) {
        EXPECT_EQ(attributes("h.txt"), kAttrHidden | kAttrArchive) << "Wine deviation: archive always reported";
        EXPECT_EQ(attributes("s.txt"), kAttrSystem | kAttrArchive) << "Wine deviation: archive always reported";
        EXPECT_EQ(attributes("hs.txt"), kAttrHidden | kAttrSystem | kAttrArchive)
            << "Wine deviation: archive always reported";
    } else {
        EXPECT_EQ(attributes("h.txt"), kAttrHidden);
        EXPECT_EQ(attributes("s.txt"), kAttrSystem);
        EXPECT_EQ(attributes("hs.txt"), kAttrHidden | kAttrSystem);
    }
}

TEST_F(FilesContract, ArchiveOnlyClearsHiddenSystemAndReadOnly) {
    write("all.txt", "x");
    ASSERT_EQ(files_->setAttributes(at("all.txt"), kAttrHidden | kAttrSystem | kAttrReadOnly), kSuccess);
    EXPECT_EQ(attributes("all.txt") & (kAttrHidden | kAttrSystem | kAttrReadOnly),
              kAttrHidden | kAttrSystem | kAttrReadOnly);
    ASSERT_EQ(files_->setAttributes(at("all.txt"), kAttrArchive), kSuccess);
    EXPECT_EQ(attributes("all.txt"), kAttrArchive);
}

TEST_F(FilesContract, NormalClearsReadOnly) {
    write("ro.txt", "x");
    makeReadOnly("ro.txt");
    EXPECT_TRUE(attributes("ro.txt") & kAttrReadOnly);
    ASSERT_EQ(files_->setAttributes(at("ro.txt"), kAttrNormal), kSuccess);
    if (archiveAlwaysOn()) {
        EXPECT_EQ(attributes("ro.txt"), kAttrArchive) << "Wine deviation: archive always reported";
    } else {
        EXPECT_EQ(attributes("ro.txt"), kAttrNormal);
    }
}

TEST_F(FilesContract, HiddenFolderKeepsDirectory) {
    ASSERT_EQ(files_->createFolder(at("folder")), kSuccess);
    ASSERT_EQ(files_->setAttributes(at("folder"), kAttrHidden), kSuccess);
    EXPECT_EQ(attributes("folder"), kAttrDirectory | kAttrHidden);
}

TEST_F(FilesContract, UnixDotNameIsHiddenWhereAttributesLiveOnTheHost) {
    write(".settings", "x");
    if (archiveAlwaysOn()) {
        EXPECT_EQ(attributes(".settings"), kAttrHidden | kAttrArchive)
            << "Wine deviation: a Unix dot name is reported hidden";
        ASSERT_EQ(files_->setAttributes(at(".settings"), kAttrArchive), kSuccess);
        EXPECT_EQ(attributes(".settings"), kAttrHidden | kAttrArchive)
            << "Wine deviation: a dot name cannot be un-hidden";
    } else {
        EXPECT_EQ(attributes(".settings"), kAttrArchive);
    }
}

// ---- the ordinary-file search ----

TEST_F(FilesContract, FindReturnsHiddenSystemAndReadOnlyUnfiltered) {
    write("h.dat", "x");
    write("r.dat", "x");
    write("s.dat", "x");
    ASSERT_EQ(files_->setAttributes(at("h.dat"), kAttrHidden), kSuccess);
    makeReadOnly("r.dat");
    ASSERT_EQ(files_->setAttributes(at("s.dat"), kAttrSystem), kSuccess);
    std::vector<FoundEntry> entries;
    ASSERT_EQ(files_->find(at("*.dat"), entries), kSuccess);
    ASSERT_EQ(entries.size(), 3u);
    EXPECT_EQ(entries[0].name, "h.dat");
    EXPECT_TRUE(entries[0].attributes & kAttrHidden);
    EXPECT_EQ(entries[1].name, "r.dat");
    EXPECT_TRUE(entries[1].attributes & kAttrReadOnly);
    EXPECT_EQ(entries[2].name, "s.dat");
    EXPECT_TRUE(entries[2].attributes & kAttrSystem);
}

TEST_F(FilesContract, HiddenFileIsNoOrdinaryFileUntilSetToArchiveOnly) {
    write("tray.exe", "x");
    ASSERT_EQ(files_->setAttributes(at("tray.exe"), kAttrHidden), kSuccess);
    EXPECT_EQ(findOrdinaryFile(*files_, at("tray.exe")), "");
    ASSERT_EQ(files_->setAttributes(at("tray.exe"), kAttrArchive), kSuccess);
    EXPECT_EQ(findOrdinaryFile(*files_, at("tray.exe")), "tray.exe");
}

TEST_F(FilesContract, OrdinarySearchSkipsSystemFilesAndFoldersButAdmitsReadOnly) {
    write("a.cfg", "x");
    write("b.cfg", "x");
    ASSERT_EQ(files_->createFolder(at("c.cfg")), kSuccess);
    write("d.cfg", "x");
    ASSERT_EQ(files_->setAttributes(at("a.cfg"), kAttrSystem), kSuccess);
    ASSERT_EQ(files_->setAttributes(at("b.cfg"), kAttrHidden | kAttrSystem), kSuccess);
    makeReadOnly("d.cfg");
    EXPECT_EQ(findOrdinaryFile(*files_, at("*.cfg")), "d.cfg");
    EXPECT_EQ(findOrdinaryFile(*files_, at("c.cfg")), "");
    EXPECT_EQ(findOrdinaryFile(*files_, at("absent.cfg")), "");
}

// ---- listing ----

TEST_F(FilesContract, WildcardListsDotEntriesFirstThenNamesSortedByUpperCase) {
    for (const char* name : {"_x", "Zed", "apple", "B", "10", "9"}) write(name, "x");
    ASSERT_EQ(files_->createFolder(at("sub")), kSuccess);
    EXPECT_EQ(names("*"), (std::vector<std::string>{".", "..", "10", "9", "apple", "B", "sub", "Zed", "_x"}));
}

TEST_F(FilesContract, DotEntriesAreFolders) {
    std::vector<FoundEntry> entries;
    ASSERT_EQ(files_->find(at("*"), entries), kSuccess);
    ASSERT_EQ(entries.size(), 2u);
    EXPECT_EQ(entries[0].name, ".");
    EXPECT_TRUE(entries[0].attributes & kAttrDirectory);
    EXPECT_EQ(entries[1].name, "..");
    EXPECT_TRUE(entries[1].attributes & kAttrDirectory);
}

TEST_F(FilesContract, StarDotStarAlsoMatchesNamesWithoutADot) {
    write("noext", "x");
    write("a.txt", "x");
    EXPECT_EQ(names("*.*"), (std::vector<std::string>{".", "..", "a.txt", "noext"}));
}

TEST_F(FilesContract, PatternMatchingIgnoresCase) {
    write("Report.TXT", "x");
    write("notes.txt", "x");
    write("other.doc", "x");
    EXPECT_EQ(names("*.txt"), (std::vector<std::string>{"notes.txt", "Report.TXT"}));
    EXPECT_EQ(names("R*"), (std::vector<std::string>{"Report.TXT"}));
}

TEST_F(FilesContract, StarDotMatchesOnlyNamesWithoutADot) {
    write("noext", "x");
    write("a.txt", "x");
    if (tm_->isWine()) {
        EXPECT_EQ(names("*."), (std::vector<std::string>{".", "..", "a.txt", "noext"}))
            << "Wine deviation: '*.' matches every name";
    } else {
        EXPECT_EQ(names("*."), (std::vector<std::string>{".", "..", "noext"}));
    }
}

TEST_F(FilesContract, QuestionMarkMatchesOneCharacterOrNoneBeforeTheDot) {
    write("ab.txt", "x");
    write("abc.txt", "x");
    write("a.txt", "x");
    if (tm_->isWine()) {
        EXPECT_EQ(names("a?.txt"), (std::vector<std::string>{"ab.txt"}))
            << "Wine deviation: '?' never matches zero characters";
    } else {
        EXPECT_EQ(names("a?.txt"), (std::vector<std::string>{"a.txt", "ab.txt"}));
    }
}

TEST_F(FilesContract, ExactFolderPathFindsTheFolderItself) {
    ASSERT_EQ(files_->createFolder(at("Sub")), kSuccess);
    write("Sub\\inner.txt", "x");
    std::vector<FoundEntry> entries;
    ASSERT_EQ(files_->find(at("sub"), entries), kSuccess);
    ASSERT_EQ(entries.size(), 1u);
    EXPECT_EQ(entries[0].name, "Sub");
    EXPECT_EQ(entries[0].attributes & kAttrDirectory, kAttrDirectory);
}

TEST_F(FilesContract, TrailingBackslashFindsNothing) {
    ASSERT_EQ(files_->createFolder(at("sub")), kSuccess);
    std::vector<FoundEntry> entries;
    EXPECT_EQ(files_->find(at("sub\\"), entries), kFileNotFound);
}

TEST_F(FilesContract, ListFolderFilesNamesOnlyFiles) {
    ASSERT_EQ(files_->createFolder(at("folder")), kSuccess);
    ASSERT_EQ(files_->createFolder(at("folder\\inner")), kSuccess);
    write("folder\\b.lnk", "x");
    write("folder\\A.lnk", "x");
    write("folder\\hidden.ini", "x");
    ASSERT_EQ(files_->setAttributes(at("folder\\hidden.ini"), kAttrHidden), kSuccess);
    std::vector<std::string> listed;
    ASSERT_EQ(listFolderFiles(*files_, at("folder"), listed), kSuccess);
    EXPECT_EQ(listed, (std::vector<std::string>{"A.lnk", "b.lnk", "hidden.ini"}));
}

TEST_F(FilesContract, ListFolderFilesOfMissingFolderIsPathNotFound) {
    std::vector<std::string> listed{"stale"};
    EXPECT_EQ(listFolderFiles(*files_, at("absent"), listed), kPathNotFound);
    EXPECT_TRUE(listed.empty());
}

// ---- copy, delete, create ----

TEST_F(FilesContract, CopyOverwritesUnlessAskedToFail) {
    write("one.txt", "first");
    write("two.txt", "second");
    ASSERT_EQ(files_->copyFile(at("one.txt"), at("copy.txt"), true), kSuccess);
    EXPECT_EQ(read("copy.txt"), "first");
    EXPECT_EQ(files_->copyFile(at("two.txt"), at("copy.txt"), true), kFileExists);
    EXPECT_EQ(read("copy.txt"), "first");
    ASSERT_EQ(files_->copyFile(at("two.txt"), at("copy.txt"), false), kSuccess);
    EXPECT_EQ(read("copy.txt"), "second");
}

TEST_F(FilesContract, CopyReportsMissingSourceAndMissingTargetFolder) {
    write("one.txt", "first");
    EXPECT_EQ(files_->copyFile(at("absent.txt"), at("copy.txt"), false), kFileNotFound);
    EXPECT_EQ(files_->copyFile(at("one.txt"), at("absent\\copy.txt"), false), kPathNotFound);
}

TEST_F(FilesContract, CopyTakesTheSourceAttributes) {
    write("source.txt", "x");
    ASSERT_EQ(files_->setAttributes(at("source.txt"), kAttrHidden | kAttrReadOnly), kSuccess);
    readOnly_.push_back("source.txt");
    ASSERT_EQ(files_->copyFile(at("source.txt"), at("copy.txt"), true), kSuccess);
    readOnly_.push_back("copy.txt");
    EXPECT_EQ(attributes("copy.txt") & (kAttrHidden | kAttrReadOnly), kAttrHidden | kAttrReadOnly);
}

TEST_F(FilesContract, CopyOntoHiddenFileIsRefused) {
    write("source.txt", "new");
    write("target.txt", "old");
    ASSERT_EQ(files_->setAttributes(at("target.txt"), kAttrHidden), kSuccess);
    Status status = files_->copyFile(at("source.txt"), at("target.txt"), false);
    if (tm_->isWine()) {
        EXPECT_EQ(status, kSuccess) << "Wine deviation: overwrites a hidden file";
        EXPECT_EQ(read("target.txt"), "new");
    } else {
        EXPECT_EQ(status, kAccessDenied);
        EXPECT_EQ(read("target.txt"), "old");
    }
}

TEST_F(FilesContract, CopyOntoReadOnlyFileIsRefused) {
    write("source.txt", "new");
    write("target.txt", "old");
    makeReadOnly("target.txt");
    Status status = files_->copyFile(at("source.txt"), at("target.txt"), false);
    if (tm_->isWine() && status == kSuccess) {
        // Wine deviation: run as root, Wine overwrites a read-only file.
        EXPECT_EQ(read("target.txt"), "new");
    } else {
        EXPECT_EQ(status, kAccessDenied);
        EXPECT_EQ(read("target.txt"), "old");
    }
}

TEST_F(FilesContract, DeleteRemovesFileButRefusesReadOnlyFileAndFolder) {
    write("gone.txt", "x");
    ASSERT_EQ(files_->deleteFile(at("gone.txt")), kSuccess);
    std::uint32_t value = 0;
    EXPECT_EQ(files_->getAttributes(at("gone.txt"), value), kFileNotFound);

    write("ro.txt", "x");
    makeReadOnly("ro.txt");
    // Refused under Wine as root too.
    EXPECT_EQ(files_->deleteFile(at("ro.txt")), kAccessDenied);
    EXPECT_EQ(files_->getAttributes(at("ro.txt"), value), kSuccess);

    ASSERT_EQ(files_->createFolder(at("folder")), kSuccess);
    EXPECT_EQ(files_->deleteFile(at("folder")), kAccessDenied);
}

TEST_F(FilesContract, DeleteOfHiddenFileSucceeds) {
    write("hidden.txt", "x");
    ASSERT_EQ(files_->setAttributes(at("hidden.txt"), kAttrHidden), kSuccess);
    EXPECT_EQ(files_->deleteFile(at("hidden.txt")), kSuccess);
}

TEST_F(FilesContract, CreateFolderReportsExistingAndMissingParent) {
    ASSERT_EQ(files_->createFolder(at("made")), kSuccess);
    EXPECT_EQ(files_->createFolder(at("made")), kAlreadyExists);
    EXPECT_EQ(files_->createFolder(at("MADE")), kAlreadyExists);
    write("file.txt", "x");
    EXPECT_EQ(files_->createFolder(at("file.txt")), kAlreadyExists);
    EXPECT_EQ(files_->createFolder(at("absent\\made")), kPathNotFound);
    EXPECT_EQ(files_->createFolder(at("slashed\\")), kSuccess);
    EXPECT_EQ(attributes("slashed"), kAttrDirectory);
}

TEST_F(FilesContract, MoveRenamesFilesAndFoldersButNeverOverwrites) {
    write("old.txt", "kept");
    ASSERT_EQ(files_->createFolder(at("set.partial")), kSuccess);
    write("set.partial\\inside.txt", "in");
    EXPECT_EQ(files_->moveFile(at("old.txt"), at("new.txt")), kSuccess);
    EXPECT_EQ(read("new.txt"), "kept");
    EXPECT_EQ(files_->moveFile(at("set.partial"), at("set")), kSuccess);
    EXPECT_EQ(read("set\\inside.txt"), "in");
    write("other.txt", "other");
    EXPECT_EQ(files_->moveFile(at("other.txt"), at("new.txt")), kAlreadyExists);
    EXPECT_EQ(read("new.txt"), "kept");
    EXPECT_EQ(files_->moveFile(at("absent.txt"), at("x.txt")), kFileNotFound);
    EXPECT_EQ(files_->moveFile(at("other.txt"), at("absent\\x.txt")), kPathNotFound);
}

TEST_F(FilesContract, RemoveFolderTakesOnlyAnEmptyFolder) {
    ASSERT_EQ(files_->createFolder(at("full")), kSuccess);
    write("full\\a.txt", "a");
    EXPECT_EQ(files_->removeFolder(at("full")), kDirNotEmpty);
    ASSERT_EQ(files_->deleteFile(at("full\\a.txt")), kSuccess);
    EXPECT_EQ(files_->removeFolder(at("FULL")), kSuccess);
    EXPECT_EQ(files_->removeFolder(at("full")), kFileNotFound);
    write("file.txt", "x");
    EXPECT_EQ(files_->removeFolder(at("file.txt")), kDirectoryName);
    EXPECT_EQ(read("file.txt"), "x");
}

// ---- whole-file read and write ----

TEST_F(FilesContract, WriteAndReadKeepEveryByte) {
    std::string bytes("line\r\nnext\n\0binary\xff", 19);
    write("data.bin", bytes);
    EXPECT_EQ(read("data.bin"), bytes);
    write("data.bin", "short");
    EXPECT_EQ(read("data.bin"), "short");
    write("data.bin", "");
    EXPECT_EQ(read("data.bin"), "");
}

TEST_F(FilesContract, ReadingOrWritingAFolderIsAccessDenied) {
    ASSERT_EQ(files_->createFolder(at("folder")), kSuccess);
    std::string bytes;
    EXPECT_EQ(files_->readFile(at("folder"), bytes), kAccessDenied);
    EXPECT_EQ(files_->writeFile(at("folder"), "x"), kAccessDenied);
}

TEST_F(FilesContract, RewritingAHiddenFileKeepsItHidden) {
    write("hidden.ini", "old");
    ASSERT_EQ(files_->setAttributes(at("hidden.ini"), kAttrHidden), kSuccess);
    write("hidden.ini", "new");
    EXPECT_EQ(read("hidden.ini"), "new");
    EXPECT_TRUE(attributes("hidden.ini") & kAttrHidden);
}

TEST_F(FilesContract, WritingAReadOnlyFileIsRefused) {
    write("ro.ini", "old");
    makeReadOnly("ro.ini");
    Status status = files_->writeFile(at("ro.ini"), "new");
    if (tm_->isWine() && status == kSuccess) {
        // Wine deviation: run as root, Wine writes a read-only file.
        EXPECT_EQ(read("ro.ini"), "new");
    } else {
        EXPECT_EQ(status, kAccessDenied);
        EXPECT_EQ(read("ro.ini"), "old");
    }
}

TEST_F(FilesContract, WriteHostFileIsSeenByTheService) {
    tm_->writeHostFile(at("outside.txt"), "from the host");
    EXPECT_EQ(read("outside.txt"), "from the host");
}

// ---- the program's folder ----

TEST_F(FilesContract, ProgramFolderIsAnExistingFolderWithoutTrailingBackslash) {
    std::string folder = files_->programFolder();
    ASSERT_FALSE(folder.empty());
    EXPECT_NE(folder.back(), '\\');
    std::uint32_t value = 0;
    ASSERT_EQ(files_->getAttributes(folder, value), kSuccess) << folder;
    EXPECT_TRUE(value & kAttrDirectory);
}

}  // namespace
