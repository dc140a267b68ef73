#include "platform/shell_link_codec.h"
#include "support/same_link.h"

#include <gtest/gtest.h>

#include <cstdint>
#include <memory>
#include <string>
#include <vector>

namespace {

using platform::LinkDecodeError;
using platform::ShellLink;

constexpr std::uint32_t kHasIdList = 0x01;
constexpr std::uint32_t kHasLinkInfo = 0x02;
constexpr std::uint32_t kHasName = 0x04;
constexpr std::uint32_t kHasRelativePath = 0x08;
constexpr std::uint32_t kHasWorkingDir = 0x10;
constexpr std::uint32_t kHasArguments = 0x20;
constexpr std::uint32_t kHasIconLocation = 0x40;
constexpr std::uint32_t kIsUnicode = 0x80;
constexpr std::uint32_t kForceNoLinkInfo = 0x100;
constexpr std::uint32_t kHasExpString = 0x200;

const std::string kLinkClsid("\x01\x14\x02\x00\x00\x00\x00\x00\xC0\x00\x00\x00\x00\x00\x00\x46", 16);
const std::string kMyComputer("\xE0\x4F\xD0\x20\xEA\x3A\x69\x10\xA2\xD8\x08\x00\x2B\x30\x30\x9D", 16);
const std::string kNetworkPlaces("\x60\x2C\x8D\x20\x8D\xE0\xCE\x11\x99\xEE\x00\xAA\x00\x4B\x4B\x52", 16);

// What Wine 8's IShellLinkA saved for fullLink()'s fields with arguments
// "/tray", description "Some App", the target as icon 1 and show command 7:
// string counts include the NUL, the extension blocks of the file items carry
// neither version nor signature, and the drive item is of type 0x23.
const std::string kWineWritten(
    "\x4C\x00\x00\x00\x01\x14\x02\x00\x00\x00\x00\x00\xC0\x00\x00\x00\x00\x00\x00\x46\xF7\x00\x00\x00"
    "\x00\x00\x00\x00\x00\x00\x00\x00\x00\x00\x00\x00\x00\x00\x00\x00\x00\x00\x00\x00\x00\x00\x00\x00"
    "\x00\x00\x00\x00\x00\x00\x00\x00\x01\x00\x00\x00\x07\x00\x00\x00\x00\x00\x00\x00\x00\x00\x00\x00"
    "\x00\x00\x00\x00\xF9\x00\x14\x00\x1F\x00\xE0\x4F\xD0\x20\xEA\x3A\x69\x10\xA2\xD8\x08\x00\x2B\x30"
    "\x30\x9D\x19\x00\x23\x43\x3A\x5C\x00\x00\x00\x00\x00\x00\x00\x00\x00\x00\x00\x00\x00\x00\x00\x00"
    "\x00\x00\x00\x4E\x00\x31\x00\x00\x00\x00\x00\x89\x5D\xD6\x62\x10\x00\x50\x72\x6F\x67\x72\x61\x6D"
    "\x20\x46\x69\x6C\x65\x73\x00\x32\x00\x00\x00\x00\x00\x00\x00\x89\x5D\xD6\x62\x89\x5D\xE8\x62\x00"
    "\x00\x00\x00\x50\x00\x72\x00\x6F\x00\x67\x00\x72\x00\x61\x00\x6D\x00\x20\x00\x46\x00\x69\x00\x6C"
    "\x00\x65\x00\x73\x00\x00\x00\x1C\x00\x40\x00\x31\x00\x00\x00\x00\x00\x00\x00\x00\x00\x10\x00\x53"
    "\x6F\x6D\x65\x20\x41\x70\x70\x00\x00\x28\x00\x00\x00\x00\x00\x00\x00\x00\x00\x00\x00\x00\x00\x00"
    "\x00\x00\x00\x00\x00\x53\x00\x6F\x00\x6D\x00\x65\x00\x20\x00\x41\x00\x70\x00\x70\x00\x00\x00\x18"
    "\x00\x3C\x00\x32\x00\x00\x00\x00\x00\x00\x00\x00\x00\x00\x00\x61\x70\x70\x2E\x65\x78\x65\x00\x26"
    "\x00\x00\x00\x00\x00\x00\x00\x00\x00\x00\x00\x00\x00\x00\x00\x00\x00\x00\x00\x61\x00\x70\x00\x70"
    "\x00\x2E\x00\x65\x00\x78\x00\x65\x00\x00\x00\x16\x00\x00\x00\x50\x00\x00\x00\x1C\x00\x00\x00\x01"
    "\x00\x00\x00\x1C\x00\x00\x00\x2D\x00\x00\x00\x00\x00\x00\x00\x4F\x00\x00\x00\x11\x00\x00\x00\x03"
    "\x00\x00\x00\x00\x00\x00\x43\x10\x00\x00\x00\x00\x43\x3A\x5C\x50\x72\x6F\x67\x72\x61\x6D\x20\x46"
    "\x69\x6C\x65\x73\x5C\x53\x6F\x6D\x65\x20\x41\x70\x70\x5C\x61\x70\x70\x2E\x65\x78\x65\x00\x00\x09"
    "\x00\x53\x00\x6F\x00\x6D\x00\x65\x00\x20\x00\x41\x00\x70\x00\x70\x00\x00\x00\x1A\x00\x43\x00\x3A"
    "\x00\x5C\x00\x50\x00\x72\x00\x6F\x00\x67\x00\x72\x00\x61\x00\x6D\x00\x20\x00\x46\x00\x69\x00\x6C"
    "\x00\x65\x00\x73\x00\x5C\x00\x53\x00\x6F\x00\x6D\x00\x65\x00\x20\x00\x41\x00\x70\x00\x70\x00\x00"
    "\x00\x06\x00\x2F\x00\x74\x00\x72\x00\x61\x00\x79\x00\x00\x00\x22\x00\x43\x00\x3A\x00\x5C\x00\x50"
    "\x00\x72\x00\x6F\x00\x67\x00\x72\x00\x61\x00\x6D\x00\x20\x00\x46\x00\x69\x00\x6C\x00\x65\x00\x73"
    "\x00\x5C\x00\x53\x00\x6F\x00\x6D\x00\x65\x00\x20\x00\x41\x00\x70\x00\x70\x00\x5C\x00\x61\x00\x70"
    "\x00\x70\x00\x2E\x00\x65\x00\x78\x00\x65\x00\x00\x00\x00\x00\x00\x00",
    569);

// ------------------------------------------------------------ byte helpers

std::string le16(std::uint32_t v) { return {static_cast<char>(v & 0xFF), static_cast<char>((v >> 8) & 0xFF)}; }
std::string le32(std::uint32_t v) { return le16(v & 0xFFFF) + le16(v >> 16); }
std::uint32_t at16(const std::string& b, std::size_t i) {
    return static_cast<unsigned char>(b.at(i)) | (static_cast<unsigned char>(b.at(i + 1)) << 8);
}
std::uint32_t at32(const std::string& b, std::size_t i) { return at16(b, i) | (at16(b, i + 2) << 16); }

std::string utf16(const std::string& text) {
    std::string out;
    for (unsigned char c : text) out += le16(c);
    return out;
}

std::string header(std::uint32_t flags, std::uint32_t showCommand = 1, std::int32_t iconIndex = 0) {
    return le32(0x4C) + kLinkClsid + le32(flags) + le32(0) + std::string(24, '\0') + le32(0) +
           le32(static_cast<std::uint32_t>(iconIndex)) + le32(showCommand) + std::string(12, '\0');
}

std::string item(std::uint8_t type, const std::string& body) {
    return le16(static_cast<std::uint32_t>(3 + body.size())) + static_cast<char>(type) + body;
}
std::string rootItem(const std::string& clsid) { return item(0x1F, std::string(1, '\x50') + clsid); }
std::string driveItem(const std::string& volume) {
    std::string body = volume + '\0';
    body.resize(22, '\0');
    return item(0x2F, body);
}

// A file entry with the long name in a 0xBEEF0004 extension of `version`
// (0 for none), laid out the way each shell version writes it.
std::string fileItem(std::uint8_t type, const std::string& shortName, const std::string& longName = "",
                     int version = 0) {
    std::string body = std::string(1, '\0') + le32(0) + le32(0) + le16(type == 0x31 ? 0x10 : 0x20) + shortName + '\0';
    if ((3 + body.size()) % 2) body += '\0';
    if (version == 0) return item(type, body);
    std::size_t nameAt = version >= 9 ? 0x2E : version >= 8 ? 0x2A : version >= 7 ? 0x26 : 0x14;
    std::string extension = le16(0) + le16(static_cast<std::uint32_t>(version)) + le32(0xBEEF0004);
    extension.resize(nameAt, '\0');
    extension += utf16(longName) + le16(0);
    const std::size_t extensionAt = 3 + body.size();
    extension += le16(static_cast<std::uint32_t>(extensionAt));
    extension.replace(0, 2, le16(static_cast<std::uint32_t>(extension.size())));
    return item(type, body + extension);
}

std::string idList(const std::vector<std::string>& items) {
    std::string list;
    for (const auto& i : items) list += i;
    list += le16(0);
    return le16(static_cast<std::uint32_t>(list.size())) + list;
}

std::string volumeId() { return le32(0x11) + le32(3) + le32(0) + le32(0x10) + std::string(1, '\0'); }

std::string localLinkInfo(const std::string& base, const std::string& suffix) {
    std::string body = volumeId();
    const std::uint32_t baseAt = 0x1C + static_cast<std::uint32_t>(body.size());
    body += base + '\0';
    const std::uint32_t suffixAt = 0x1C + static_cast<std::uint32_t>(body.size());
    body += suffix + '\0';
    return le32(0x1C + static_cast<std::uint32_t>(body.size())) + le32(0x1C) + le32(1) + le32(0x1C) + le32(baseAt) +
           le32(0) + le32(suffixAt) + body;
}

// Header of 0x24 bytes: ANSI strings hold a stand-in, the Unicode ones the real path.
std::string unicodeLinkInfo(const std::string& base, const std::string& suffix) {
    std::string body = volumeId();
    const std::uint32_t baseAt = 0x24 + static_cast<std::uint32_t>(body.size());
    body += std::string("ANSI") + '\0';
    const std::uint32_t suffixAt = 0x24 + static_cast<std::uint32_t>(body.size());
    body += std::string("ANSI") + '\0';
    if (body.size() % 2) body += '\0';
    const std::uint32_t baseUnicodeAt = 0x24 + static_cast<std::uint32_t>(body.size());
    body += utf16(base) + le16(0);
    const std::uint32_t suffixUnicodeAt = 0x24 + static_cast<std::uint32_t>(body.size());
    body += utf16(suffix) + le16(0);
    return le32(0x24 + static_cast<std::uint32_t>(body.size())) + le32(0x24) + le32(1) + le32(0x24) + le32(baseAt) +
           le32(0) + le32(suffixAt) + le32(baseUnicodeAt) + le32(suffixUnicodeAt) + body;
}

// Both a local base path (the mapped drive) and the network form.
std::string mappedDriveLinkInfo(const std::string& drive, const std::string& netName, const std::string& suffix) {
    std::string network = le32(0x14 + static_cast<std::uint32_t>(netName.size()) + 1 + 3) + le32(3) + le32(0x14) +
                          le32(0x14 + static_cast<std::uint32_t>(netName.size()) + 1) + le32(0x00020000) +
                          netName + '\0' + "Z:" + '\0';
    std::string body = volumeId();
    const std::uint32_t baseAt = 0x1C + static_cast<std::uint32_t>(body.size());
    body += drive + '\0';
    const std::uint32_t networkAt = 0x1C + static_cast<std::uint32_t>(body.size());
    body += network;
    const std::uint32_t suffixAt = 0x1C + static_cast<std::uint32_t>(body.size());
    body += suffix + '\0';
    return le32(0x1C + static_cast<std::uint32_t>(body.size())) + le32(0x1C) + le32(3) + le32(0x1C) + le32(baseAt) +
           le32(networkAt) + le32(suffixAt) + body;
}

std::string unicodeString(const std::string& text, bool countNul = false) {
    return le16(static_cast<std::uint32_t>(text.size() + (countNul ? 1 : 0))) + utf16(text) +
           (countNul ? le16(0) : "");
}
std::string ansiString(const std::string& text) { return le16(static_cast<std::uint32_t>(text.size())) + text; }

std::string environmentBlock(const std::string& ansi, const std::string& unicode) {
    std::string a = ansi;
    a.resize(260, '\0');
    std::string u = utf16(unicode);
    u.resize(520, '\0');
    return le32(0x314) + le32(0xA0000001) + a + u;
}
std::string trackerBlock() { return le32(0x60) + le32(0xA0000003) + std::string(0x58, '\x5A'); }
std::string terminal() { return le32(0); }

ShellLink fullLink() {
    ShellLink link;
    link.target = "C:\\Program Files\\Some App\\app.exe";
    link.workingFolder = "C:\\Program Files\\Some App";
    link.arguments = "/start --tray";
    link.description = "Some App at logon";
    link.iconPath = "C:\\Program Files\\Some App\\icons.dll";
    link.iconIndex = 3;
    link.showCommand = platform::kShowMinNoActive;
    return link;
}

ShellLink sentinel() {
    ShellLink link;
    link.target = "untouched";
    link.arguments = "untouched";
    link.iconIndex = 99;
    link.showCommand = 42;
    return link;
}

using testing_support::expectSameLink;

ShellLink decodeOrFail(const std::string& bytes) {
    ShellLink link;
    LinkDecodeError error;
    EXPECT_TRUE(platform::decodeShellLink(bytes, link, error)) << error.describe();
    return link;
}

// Decodes, expecting failure; the link must come back exactly as it went in.
LinkDecodeError expectRejected(const std::string& bytes) {
    ShellLink link = sentinel();
    LinkDecodeError error;
    EXPECT_FALSE(platform::decodeShellLink(bytes, link, error));
    expectSameLink(sentinel(), link);
    EXPECT_FALSE(error.message.empty());
    return error;
}

// Walks the encoder's ID list so that tests can look at single items.
std::vector<std::string> itemsOf(const std::string& bytes) {
    std::vector<std::string> items;
    std::size_t at = 0x4C + 2;
    const std::size_t end = at + at16(bytes, 0x4C);
    while (at < end && at16(bytes, at) != 0) {
        items.push_back(bytes.substr(at, at16(bytes, at)));
        at += at16(bytes, at);
    }
    return items;
}

std::size_t linkInfoAt(const std::string& bytes) {
    return (at32(bytes, 20) & kHasIdList) ? 0x4C + 2 + at16(bytes, 0x4C) : 0x4C;
}

// ------------------------------------------------------------ encoding

TEST(ShellLinkCodec, WritesHeaderOf76BytesWithTheShellLinkClassId) {
    std::string bytes = platform::encodeShellLink(fullLink());
    ASSERT_GE(bytes.size(), 0x4Cu);
    EXPECT_EQ(0x4Cu, at32(bytes, 0));
    EXPECT_EQ(kLinkClsid, bytes.substr(4, 16));
    EXPECT_EQ(3u, at32(bytes, 56)) << "icon index";
    EXPECT_EQ(7u, at32(bytes, 60)) << "show command";
}

TEST(ShellLinkCodec, SetsLinkFlagsForThePresentFieldsOnly) {
    EXPECT_EQ(0xF7u, at32(platform::encodeShellLink(fullLink()), 20));

    ShellLink bare;
    bare.target = "C:\\app.exe";
    EXPECT_EQ(kHasIdList | kHasLinkInfo | kIsUnicode, at32(platform::encodeShellLink(bare), 20));

    ShellLink argumentsOnly = bare;
    argumentsOnly.arguments = "-x";
    EXPECT_EQ(kHasIdList | kHasLinkInfo | kHasArguments | kIsUnicode,
              at32(platform::encodeShellLink(argumentsOnly), 20));
}

TEST(ShellLinkCodec, IdListRunsFromMyComputerThroughTheDriveToOneItemPerComponent) {
    std::string bytes = platform::encodeShellLink(fullLink());
    auto items = itemsOf(bytes);
    ASSERT_EQ(5u, items.size());
    EXPECT_EQ('\x1F', items[0][2]);
    EXPECT_EQ(kMyComputer, items[0].substr(4, 16));
    EXPECT_EQ('\x2F', items[1][2]);
    EXPECT_EQ(std::string("C:\\\0", 4), items[1].substr(3, 4));
    EXPECT_EQ('\x31', items[2][2]) << "Program Files is a folder";
    EXPECT_EQ('\x31', items[3][2]) << "Some App is a folder";
    EXPECT_EQ('\x32', items[4][2]) << "app.exe is a file";
}

TEST(ShellLinkCodec, FileItemsCarryAnEightDotThreeNameAndTheLongNameInTheirExtension) {
    std::string bytes = platform::encodeShellLink(fullLink());
    auto items = itemsOf(bytes);
    ASSERT_EQ(5u, items.size());
    const std::string& folder = items[2];
    EXPECT_EQ(std::string("PROGRA~1\0", 9), folder.substr(14, 9));
    std::size_t extensionAt = at16(folder, folder.size() - 2);
    ASSERT_LT(extensionAt + 8, folder.size());
    EXPECT_EQ(0xBEEF0004u, at32(folder, extensionAt + 4));
    EXPECT_EQ(utf16("Program Files") + le16(0), folder.substr(extensionAt + 0x14, 28));

    const std::string& file = items[4];
    EXPECT_EQ(std::string("app.exe\0", 8), file.substr(14, 8)) << "an 8.3 name stays as it is";
}

TEST(ShellLinkCodec, LinkInfoHoldsTheLocalBasePathInAnsi) {
    std::string bytes = platform::encodeShellLink(fullLink());
    std::size_t info = linkInfoAt(bytes);
    EXPECT_EQ(0x1Cu, at32(bytes, info + 4)) << "header size";
    EXPECT_EQ(1u, at32(bytes, info + 8)) << "VolumeIDAndLocalBasePath";
    std::size_t localBase = info + at32(bytes, info + 16);
    EXPECT_EQ(fullLink().target + '\0', bytes.substr(localBase, fullLink().target.size() + 1));
}

TEST(ShellLinkCodec, NetworkTargetGoesIntoTheCommonNetworkRelativeLink) {
    ShellLink link;
    link.target = "\\\\server\\share\\tools\\app.exe";
    std::string bytes = platform::encodeShellLink(link);
    EXPECT_EQ(kHasLinkInfo | kIsUnicode, at32(bytes, 20));
    std::size_t info = linkInfoAt(bytes);
    EXPECT_EQ(2u, at32(bytes, info + 8)) << "CommonNetworkRelativeLinkAndPathSuffix";
    std::size_t network = info + at32(bytes, info + 20);
    EXPECT_EQ(std::string("\\\\server\\share\0", 15), bytes.substr(network + at32(bytes, network + 8), 15));
    std::size_t suffix = info + at32(bytes, info + 24);
    EXPECT_EQ(std::string("tools\\app.exe\0", 14), bytes.substr(suffix, 14));
    EXPECT_EQ(link.target, decodeOrFail(bytes).target);
}

TEST(ShellLinkCodec, WritesStringDataInUnicodeCountedWithoutTheNul) {
    ShellLink link;
    link.target = "C:\\a.exe";
    link.description = "Hi";
    std::string bytes = platform::encodeShellLink(link);
    std::size_t info = linkInfoAt(bytes);
    std::size_t strings = info + at32(bytes, info);
    EXPECT_EQ(le16(2) + utf16("Hi") + terminal(), bytes.substr(strings));
}

TEST(ShellLinkCodec, RoundTripsEveryField) {
    ShellLink latin = fullLink();
    latin.description = "Caf\xE9 r\xE9sum\xE9";  // Latin-1 survives the trip through UTF-16
    latin.iconIndex = -5;
    latin.showCommand = platform::kShowMaximized;
    ShellLink spaces;
    spaces.target = "D:\\My Tools\\A Program With Spaces.exe";
    spaces.arguments = "\"C:\\some file.txt\"";
    ShellLink folderTarget;
    folderTarget.target = "C:\\Games\\";
    ShellLink environment;
    environment.target = "%SystemRoot%\\notepad.exe";
    ShellLink nothing;

    for (const ShellLink& link : {fullLink(), latin, spaces, folderTarget, environment, nothing}) {
        SCOPED_TRACE(link.target);
        expectSameLink(link, decodeOrFail(platform::encodeShellLink(link)));
    }
}

TEST(ShellLinkCodec, ComponentTooLongForAnIdListStillRoundTripsThroughTheLinkInfo) {
    ShellLink link;
    link.target = "C:\\" + std::string(40000, 'x') + ".exe";
    std::string bytes = platform::encodeShellLink(link);
    EXPECT_EQ(0u, at32(bytes, 20) & kHasIdList);
    EXPECT_EQ(link.target, decodeOrFail(bytes).target);
}

// ------------------------------------------------------------ decoding: refusal

TEST(ShellLinkCodec, RejectsEveryTruncatedPrefixWithoutReadingPastIt) {
    ShellLink network;
    network.target = "\\\\server\\share\\app.exe";
    network.description = "net";
    ShellLink environment;
    environment.target = "%ProgramFiles%\\x.exe";
    std::string handMade = header(kHasIdList | kHasLinkInfo | kHasName | kHasRelativePath | kIsUnicode) +
                           idList({rootItem(kMyComputer), driveItem("C:\\"), fileItem(0x32, "A.EXE", "a.exe", 9)}) +
                           unicodeLinkInfo("C:\\", "a.exe") + unicodeString("d", true) + unicodeString(".\\a.exe") +
                           trackerBlock() + terminal();

    for (const std::string& whole : {platform::encodeShellLink(fullLink()), platform::encodeShellLink(network),
                                     platform::encodeShellLink(environment), handMade, kWineWritten}) {
        ASSERT_TRUE([&] {
            ShellLink link;
            LinkDecodeError error;
            return platform::decodeShellLink(whole, link, error);
        }());
        for (std::size_t length = 0; length < whole.size(); ++length) {
            SCOPED_TRACE("prefix of " + std::to_string(length) + " bytes");
            // An exactly sized heap block, so that any read past it trips the address sanitizer.
            std::unique_ptr<char[]> exact(new char[length]);
            std::copy(whole.begin(), whole.begin() + static_cast<std::ptrdiff_t>(length), exact.get());
            ShellLink link = sentinel();
            LinkDecodeError error;
            ASSERT_FALSE(platform::decodeShellLink(std::string_view(exact.get(), length), link, error));
            expectSameLink(sentinel(), link);
            EXPECT_LE(error.offset, length);
        }
    }
}

TEST(ShellLinkCodec, RejectsAWrongHeaderSizeOrClassId) {
    std::string bytes = platform::encodeShellLink(fullLink());
    std::string wrongSize = bytes;
    wrongSize[0] = 0x4D;
    EXPECT_EQ(0u, expectRejected(wrongSize).offset);

    std::string wrongClass = bytes;
    wrongClass[4 + 15] = 0x47;
    LinkDecodeError error = expectRejected(wrongClass);
    EXPECT_EQ(4u, error.offset);
    EXPECT_EQ(0u, error.describe().rfind("offset 4: ", 0)) << error.describe();

    expectRejected(std::string(200, 'A'));
    expectRejected("[InternetShortcut]\r\nURL=http://example.com/\r\n");
}

TEST(ShellLinkCodec, RejectsCountsLargerThanTheData) {
    const std::string base = header(kHasName | kIsUnicode);
    EXPECT_EQ(0x4Cu, expectRejected(base + le16(500) + utf16("short") + terminal()).offset)
        << "string count";
    EXPECT_EQ(0x4Cu, expectRejected(header(kHasIdList | kIsUnicode) + le16(0xFFFF) + le16(0) + terminal()).offset)
        << "ID list size";
    EXPECT_EQ(0x4Cu, expectRejected(header(kHasLinkInfo | kIsUnicode) + le32(0x7FFFFFF0) + le32(0x1C) +
                                    std::string(20, '\0') + terminal())
                         .offset)
        << "link info size";
    EXPECT_EQ(0x4Cu, expectRejected(header(kIsUnicode) + le32(0x1000) + le32(0xA0000003) + terminal()).offset)
        << "extra data block size";
    std::string oversizedItem = le16(0x40) + std::string("\x1F\x50", 2) + kMyComputer;
    EXPECT_EQ(0x4Eu,
              expectRejected(header(kHasIdList | kIsUnicode) + le16(static_cast<std::uint32_t>(oversizedItem.size() + 2)) +
                             oversizedItem + le16(0) + terminal())
                  .offset)
        << "ID list item size";
}

TEST(ShellLinkCodec, RejectsLinkInfoWhoseStringsLieOutsideIt) {
    std::string info = localLinkInfo("C:\\a.exe", "");
    std::string badOffset = info;
    badOffset.replace(16, 4, le32(0x500));
    expectRejected(header(kHasLinkInfo | kIsUnicode) + badOffset + terminal());

    std::string unterminated = info;
    unterminated.back() = 'x';  // the suffix now runs to the end of the link info
    expectRejected(header(kHasLinkInfo | kIsUnicode) + unterminated + terminal());
}

TEST(ShellLinkCodec, RequiresTheTerminalBlock) {
    std::string bytes = platform::encodeShellLink(fullLink());
    bytes.resize(bytes.size() - 4);
    EXPECT_EQ(bytes.size(), expectRejected(bytes).offset);
}

// ------------------------------------------------------------ decoding: content

TEST(ShellLinkCodec, DecodesTheLinkWineWrites) {
    ShellLink link = decodeOrFail(kWineWritten);
    EXPECT_EQ("C:\\Program Files\\Some App\\app.exe", link.target);
    EXPECT_EQ("C:\\Program Files\\Some App", link.workingFolder);
    EXPECT_EQ("/tray", link.arguments);
    EXPECT_EQ("Some App", link.description);
    EXPECT_EQ("C:\\Program Files\\Some App\\app.exe", link.iconPath);
    EXPECT_EQ(1, link.iconIndex);
    EXPECT_EQ(platform::kShowMinNoActive, link.showCommand);
}

TEST(ShellLinkCodec, ReadsLongNamesFromWinesUnsignedExtensionBlocks) {
    std::string bytes = kWineWritten;
    bytes[21] = static_cast<char>(bytes[21] | 0x01);  // ForceNoLinkInfo: the ID list decides
    // Wine stores the long name as the short one too; give it a real short name.
    auto shortName = bytes.find(std::string("Program Files\0", 14));
    ASSERT_NE(std::string::npos, shortName);
    bytes.replace(shortName, 14, std::string("PROGRA~1\0\0\0\0\0\0", 14));
    EXPECT_EQ("C:\\Program Files\\Some App\\app.exe", decodeOrFail(bytes).target);
}

TEST(ShellLinkCodec, AcceptsStringCountsWithAndWithoutTheTerminatingNul) {
    std::string bytes = header(kHasName | kHasWorkingDir | kHasArguments | kIsUnicode) + unicodeString("desc", true) +
                        unicodeString("C:\\work", false) + unicodeString("-a -b", true) + terminal();
    ShellLink link = decodeOrFail(bytes);
    EXPECT_EQ("desc", link.description);
    EXPECT_EQ("C:\\work", link.workingFolder);
    EXPECT_EQ("-a -b", link.arguments);
}

TEST(ShellLinkCodec, DecodesAnsiStringData) {
    std::string bytes = header(kHasLinkInfo | kHasName | kHasArguments | kHasIconLocation) +
                        localLinkInfo("C:\\old\\app.exe", "") + ansiString("Old \xE9tude") + ansiString("/q") +
                        ansiString("C:\\old\\app.ico") + terminal();
    ShellLink link = decodeOrFail(bytes);
    EXPECT_EQ("C:\\old\\app.exe", link.target);
    EXPECT_EQ("Old \xE9tude", link.description);
    EXPECT_EQ("/q", link.arguments);
    EXPECT_EQ("C:\\old\\app.ico", link.iconPath);
}

TEST(ShellLinkCodec, NarrowsCharactersBeyondLatin1ToQuestionMarks) {
    std::string description = le16(3) + le16('A') + le16(0x20AC) + le16(0xE9);
    ShellLink link = decodeOrFail(header(kHasName | kIsUnicode) + description + terminal());
    EXPECT_EQ("A?\xE9", link.description);
}

TEST(ShellLinkCodec, SkipsTheRelativePathAndUnknownExtraDataBlocks) {
    std::string bytes = header(kHasLinkInfo | kHasRelativePath | kHasArguments | kIsUnicode) +
                        localLinkInfo("C:\\x\\y.exe", "") + unicodeString("..\\x\\y.exe") + unicodeString("-go") +
                        trackerBlock() + trackerBlock() + terminal();
    ShellLink link = decodeOrFail(bytes);
    EXPECT_EQ("C:\\x\\y.exe", link.target);
    EXPECT_EQ("-go", link.arguments);
}

TEST(ShellLinkCodec, KeepsShowCommandsOneThreeSevenAndTreatsOthersAsNormal) {
    for (std::uint32_t value : {1u, 3u, 7u}) EXPECT_EQ(static_cast<int>(value), decodeOrFail(header(0, value) + terminal()).showCommand);
    for (std::uint32_t value : {0u, 2u, 5u, 10u, 0xFFFFFFFFu})
        EXPECT_EQ(platform::kShowNormal, decodeOrFail(header(0, value) + terminal()).showCommand) << value;
}

TEST(ShellLinkCodec, TargetJoinsLocalBasePathAndCommonPathSuffix) {
    std::string bytes =
        header(kHasLinkInfo | kIsUnicode) + localLinkInfo("C:\\Program Files", "Tool\\tool.exe") + terminal();
    EXPECT_EQ("C:\\Program Files\\Tool\\tool.exe", decodeOrFail(bytes).target);
    std::string rooted = header(kHasLinkInfo | kIsUnicode) + localLinkInfo("C:\\", "tool.exe") + terminal();
    EXPECT_EQ("C:\\tool.exe", decodeOrFail(rooted).target);
}

TEST(ShellLinkCodec, TargetPrefersTheUnicodeLinkInfoStrings) {
    std::string bytes = header(kHasLinkInfo | kIsUnicode) + unicodeLinkInfo("C:\\Spiele", "sp\xE9l.exe") + terminal();
    EXPECT_EQ("C:\\Spiele\\sp\xE9l.exe", decodeOrFail(bytes).target);
}

TEST(ShellLinkCodec, TargetPrefersTheNetworkFormOverTheMappedDrive) {
    std::string bytes = header(kHasLinkInfo | kIsUnicode) +
                        mappedDriveLinkInfo("Z:\\", "\\\\FILES\\PUBLIC", "Tools\\run.exe") + terminal();
    EXPECT_EQ("\\\\FILES\\PUBLIC\\Tools\\run.exe", decodeOrFail(bytes).target);
}

TEST(ShellLinkCodec, TargetComesFromTheIdListWhenThereIsNoLinkInfo) {
    std::string list = idList({rootItem(kMyComputer), driveItem("C:\\"),
                               fileItem(0x31, "PROGRA~1", "Program Files", 3),
                               fileItem(0x31, "COMMON~1", "Common Files", 8), fileItem(0x31, "OLD"),
                               fileItem(0x32, "LONGNA~1.EXE", "Long Name.exe", 9)});
    std::string bytes = header(kHasIdList | kIsUnicode) + list + terminal();
    EXPECT_EQ("C:\\Program Files\\Common Files\\OLD\\Long Name.exe", decodeOrFail(bytes).target);

    std::string vista = header(kHasIdList | kIsUnicode) +
                        idList({rootItem(kMyComputer), driveItem("D:\\"), fileItem(0x32, "SETUP~1.EXE", "setup x.exe", 7)}) +
                        terminal();
    EXPECT_EQ("D:\\setup x.exe", decodeOrFail(vista).target);

    std::string driveOnly = header(kHasIdList | kIsUnicode) + idList({rootItem(kMyComputer), driveItem("E:\\")}) + terminal();
    EXPECT_EQ("E:\\", decodeOrFail(driveOnly).target);
}

TEST(ShellLinkCodec, IdListIsUsedWhenTheLinkInfoIsToBeIgnored) {
    std::string bytes = header(kHasIdList | kHasLinkInfo | kForceNoLinkInfo | kIsUnicode) +
                        idList({rootItem(kMyComputer), driveItem("C:\\"), fileItem(0x32, "REAL.EXE")}) +
                        localLinkInfo("C:\\stale.exe", "") + terminal();
    EXPECT_EQ("C:\\REAL.EXE", decodeOrFail(bytes).target);
}

TEST(ShellLinkCodec, EnvironmentBlockIsTheTargetOfLastResort) {
    std::string unknownRoot = idList({rootItem(kNetworkPlaces), fileItem(0x32, "X.EXE")});
    std::string bytes = header(kHasIdList | kHasExpString | kIsUnicode) + unknownRoot +
                        environmentBlock("%WINDIR%\\ansi.exe", "%WINDIR%\\wide.exe") + terminal();
    EXPECT_EQ("%WINDIR%\\wide.exe", decodeOrFail(bytes).target);

    std::string ansiOnly =
        header(kHasExpString | kIsUnicode) + environmentBlock("%WINDIR%\\ansi.exe", "") + terminal();
    EXPECT_EQ("%WINDIR%\\ansi.exe", decodeOrFail(ansiOnly).target);

    std::string withLinkInfo = header(kHasLinkInfo | kHasExpString | kIsUnicode) +
                               localLinkInfo("C:\\Windows\\x.exe", "") +
                               environmentBlock("%WINDIR%\\x.exe", "%WINDIR%\\x.exe") + terminal();
    EXPECT_EQ("C:\\Windows\\x.exe", decodeOrFail(withLinkInfo).target);
}

TEST(ShellLinkCodec, UnrecognisedIdListLeavesTheTargetEmpty) {
    std::string bytes = header(kHasIdList | kHasArguments | kIsUnicode) +
                        idList({rootItem(kNetworkPlaces), item(0x47, std::string("\x01SERVER\0", 8))}) +
                        unicodeString("-x") + terminal();
    ShellLink link = decodeOrFail(bytes);
    EXPECT_EQ("", link.target);
    EXPECT_EQ("-x", link.arguments);
}

}  // namespace
