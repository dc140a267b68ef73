// Registry-editor files: what regedit writes must load, what we write must
// load back to the same tree, and a broken file must say where and change nothing.
#include <gtest/gtest.h>

#include <cstring>
#include <sstream>
#include <string>
#include <vector>

#include "platform/memory_registry.h"
#include "platform/reg_file.h"

namespace {

using namespace platform;

std::string utf16le(const std::u16string& text) {
    std::string bytes = "\xFF\xFE";
    for (char16_t c : text) {
        bytes += static_cast<char>(c & 0xFF);
        bytes += static_cast<char>(c >> 8);
    }
    return bytes;
}

// Every key below `path` with its values, spelled out independently of the
// .reg writer so that round trips are checked against the registry itself.
void dump(Registry& reg, Key key, const std::string& path, std::ostringstream& out) {
    out << "[" << path << "]\n";
    for (std::uint32_t i = 0;; ++i) {
        char name[20000];
        std::uint8_t data[4096];
        std::uint32_t length = sizeof name, type = 0, size = sizeof data;
        if (reg.enumValue(key, i, name, &length, &type, data, &size) != kSuccess) break;
        out << "  '" << std::string(name, length) << "' type " << type << ":";
        for (std::uint32_t b = 0; b < size; ++b) out << ' ' << int(data[b]);
        out << "\n";
    }
    char child[300];
    for (std::uint32_t i = 0; reg.enumKey(key, i, child, sizeof child) == kSuccess; ++i) {
        Key sub = 0;
        if (reg.openKey(key, child, kKeyRead, sub) != kSuccess) continue;
        dump(reg, sub, path + "\\" + child, out);
        reg.closeKey(sub);
    }
}

std::string dumpAll(Registry& reg) {
    std::ostringstream out;
    dump(reg, kHkeyLocalMachine, "HKLM", out);
    dump(reg, kHkeyCurrentUser, "HKCU", out);
    dump(reg, kHkeyUsers, "HKU", out);
    dump(reg, kHkeyCurrentConfig, "HKCC", out);
    return out.str();
}

class RegFileTest : public ::testing::Test {
protected:
    void load(const std::string& text) {
        RegFileError error;
        ASSERT_TRUE(loadRegFile(reg, text, error)) << error.describe();
    }
    RegFileError loadFails(const std::string& text) {
        RegFileError error;
        const std::string before = dumpAll(reg);
        EXPECT_FALSE(loadRegFile(reg, text, error)) << text;
        EXPECT_EQ(dumpAll(reg), before) << "a failed load must change nothing";
        return error;
    }
    std::vector<std::uint8_t> value(Key root, const std::string& path, const std::string& name,
                                    std::uint32_t* type = nullptr) {
        Key key = 0;
        if (reg.openKey(root, path, kKeyRead, key) != kSuccess) return {};
        std::vector<std::uint8_t> data(4096);
        std::uint32_t size = static_cast<std::uint32_t>(data.size());
        Status status = reg.queryValue(key, name, type, data.data(), &size);
        reg.closeKey(key);
        if (status != kSuccess) return {};
        data.resize(size);
        return data;
    }
    std::string text(Key root, const std::string& path, const std::string& name) {
        auto data = value(root, path, name);
        return std::string(data.begin(), data.end());
    }
    bool exists(Key root, const std::string& path) {
        Key key = 0;
        if (reg.openKey(root, path, kKeyRead, key) != kSuccess) return false;
        reg.closeKey(key);
        return true;
    }

    MemoryRegistry reg;
};

std::vector<std::uint8_t> bytes(std::initializer_list<int> list) {
    std::vector<std::uint8_t> out;
    for (int b : list) out.push_back(static_cast<std::uint8_t>(b));
    return out;
}

// --- reading ------------------------------------------------------------------

using RegFileLoad = RegFileTest;

TEST_F(RegFileLoad, ReadsEveryValueKindOfARegedit4File) {
    load("REGEDIT4\r\n"
         "\r\n"
         "; a comment\r\n"
         "[HKEY_LOCAL_MACHINE\\Software\\Vendor\\App]\r\n"
         "@=\"default text\"\r\n"
         "\"Path\"=\"C:\\\\Program Files\\\\App \\\"quoted\\\"\"\r\n"
         "\"Count\"=dword:0000000a\r\n"
         "\"Blob\"=hex:01,02,ff\r\n"
         "\"Expand\"=hex(2):25,41,25,00\r\n"
         "\"Multi\"=hex(7):61,00,62,00,00\r\n"
         "\"Quad\"=hex(b):01,00,00,00,00,00,00,00\r\n"
         "\r\n"
         "[HKEY_CURRENT_USER\\Empty]\r\n");
    const Key hklm = kHkeyLocalMachine;
    const std::string app = "Software\\Vendor\\App";
    std::uint32_t type = 0;
    EXPECT_EQ(text(hklm, app, ""), std::string("default text\0", 13));
    EXPECT_EQ(text(hklm, app, "path"), std::string("C:\\Program Files\\App \"quoted\"\0", 30));
    EXPECT_EQ(value(hklm, app, "Count", &type), bytes({10, 0, 0, 0}));
    EXPECT_EQ(type, kRegDword);
    EXPECT_EQ(value(hklm, app, "Blob", &type), bytes({1, 2, 0xff}));
    EXPECT_EQ(type, kRegBinary);
    EXPECT_EQ(value(hklm, app, "Expand", &type), bytes({'%', 'A', '%', 0}));
    EXPECT_EQ(type, kRegExpandSz);
    EXPECT_EQ(value(hklm, app, "Multi", &type), bytes({'a', 0, 'b', 0, 0}));
    EXPECT_EQ(type, kRegMultiSz);
    EXPECT_EQ(value(hklm, app, "Quad", &type).size(), 8u);
    EXPECT_EQ(type, kRegQword);
    EXPECT_TRUE(exists(kHkeyCurrentUser, "Empty"));
}

TEST_F(RegFileLoad, JoinsContinuedHexLines) {
    load("REGEDIT4\n\n[HKEY_CURRENT_USER\\K]\n"
         "\"Long\"=hex:01,02,\\\n"
         "    03,04,\\\n"
         "\t05\n");
    EXPECT_EQ(value(kHkeyCurrentUser, "K", "Long"), bytes({1, 2, 3, 4, 5}));
}

TEST_F(RegFileLoad, Version5StringDataIsUtf16AndStoredAsAnsi) {
    load("Windows Registry Editor Version 5.00\r\n\r\n[HKEY_CURRENT_USER\\K]\r\n"
         "\"Expand\"=hex(2):25,00,41,00,ac,20,00,00\r\n"
         "\"Multi\"=hex(7):61,00,00,00,00,00\r\n"
         "\"Raw\"=hex:61,00\r\n");
    EXPECT_EQ(value(kHkeyCurrentUser, "K", "Expand"), bytes({'%', 'A', 0x80, 0}));  // U+20AC is 0x80 in 1252
    EXPECT_EQ(value(kHkeyCurrentUser, "K", "Multi"), bytes({'a', 0, 0}));
    EXPECT_EQ(value(kHkeyCurrentUser, "K", "Raw"), bytes({'a', 0}));
}

TEST_F(RegFileLoad, ReadsUtf16TextWithItsByteOrderMark) {
    load(utf16le(u"Windows Registry Editor Version 5.00\r\n\r\n[HKEY_CURRENT_USER\\Caf\u00e9]\r\n"
                 u"\"Name\"=\"\u00c0 la carte\"\r\n"));
    EXPECT_EQ(text(kHkeyCurrentUser, "Caf\xE9", "Name"), std::string("\xC0 la carte\0", 11));
}

TEST_F(RegFileLoad, ReadsUtf8WithAndWithoutByteOrderMark) {
    load("\xEF\xBB\xBFREGEDIT4\n[HKEY_CURRENT_USER\\A]\n\"v\"=\"caf\xC3\xA9\"\n");
    EXPECT_EQ(text(kHkeyCurrentUser, "A", "v"), std::string("caf\xE9\0", 5));
    load("REGEDIT4\n[HKEY_CURRENT_USER\\B]\n\"v\"=\"caf\xC3\xA9\"\n");
    EXPECT_EQ(text(kHkeyCurrentUser, "B", "v"), std::string("caf\xE9\0", 5));
}

TEST_F(RegFileLoad, ReadsAnsiTextAsIs) {
    load("REGEDIT4\n[HKEY_CURRENT_USER\\A]\n\"v\"=\"caf\xE9\"\n");
    EXPECT_EQ(text(kHkeyCurrentUser, "A", "v"), std::string("caf\xE9\0", 5));
}

TEST_F(RegFileLoad, DeletesKeyTreesAndValues) {
    load("REGEDIT4\n[HKEY_CURRENT_USER\\Top\\Mid\\Leaf]\n\"x\"=\"1\"\n[HKEY_CURRENT_USER\\Top]\n\"keep\"=\"1\"\n"
         "\"drop\"=\"1\"\n");
    load("REGEDIT4\n[-HKEY_CURRENT_USER\\Top\\Mid]\n\"ignored\"=\"1\"\n[HKEY_CURRENT_USER\\Top]\n\"drop\"=-\n"
         "\"never\"=-\n");
    EXPECT_FALSE(exists(kHkeyCurrentUser, "Top\\Mid"));
    EXPECT_EQ(text(kHkeyCurrentUser, "Top", "keep"), std::string("1\0", 2));
    EXPECT_TRUE(value(kHkeyCurrentUser, "Top", "drop").empty());
}

TEST_F(RegFileLoad, AcceptsLoneCarriageReturnsAndHashComments) {
    const std::string body[] = {"REGEDIT4", "", "# made by hand", "[HKEY_CURRENT_USER\\K]", "  # indented",
                                "\"v\"=hex:01,\\", "  02", "\"w\"=\"x\""};
    for (const std::string eol : {"\r", "\n", "\r\n"}) {
        std::string file;
        for (const auto& line : body) file += line + eol;
        load(file);
        EXPECT_EQ(value(kHkeyCurrentUser, "K", "v"), bytes({1, 2})) << "line end " << int(eol.back());
        EXPECT_EQ(text(kHkeyCurrentUser, "K", "w"), std::string("x\0", 2));
    }
}

TEST_F(RegFileLoad, KeyHeaderAcceptsEveryRootAndBlanksAround) {
    load("REGEDIT4\n"
         "  [HKEY_CLASSES_ROOT\\.abc]  \n"
         "[hkey_users\\.DEFAULT]\n"
         "[HKEY_CURRENT_CONFIG\\Bracket]Name]\n"
         "\"v\" = \"spaced\"\n");
    EXPECT_TRUE(exists(kHkeyLocalMachine, "Software\\Classes\\.abc"));
    EXPECT_TRUE(exists(kHkeyUsers, ".DEFAULT"));
    EXPECT_EQ(text(kHkeyCurrentConfig, "Bracket]Name", "v"), std::string("spaced\0", 7));
}

TEST_F(RegFileLoad, NamesKeepCommasBlanksAndEquals) {
    load("REGEDIT4\n[HKEY_CURRENT_USER\\ a,b ]\n\" x=y \"=\"1\"\n");
    EXPECT_EQ(text(kHkeyCurrentUser, " a,b ", " x=y "), std::string("1\0", 2));
    EXPECT_TRUE(value(kHkeyCurrentUser, " a,b ", "x=y").empty());
}

// --- errors -------------------------------------------------------------------

using RegFileErrors = RegFileTest;

TEST_F(RegFileErrors, ReportsLineAndColumnOfEachFault) {
    struct Case {
        std::string text;
        std::size_t line, column;
        std::string words;
    };
    const std::string head = "REGEDIT4\n[HKEY_CURRENT_USER\\K]\n";
    const std::vector<Case> cases = {
        {"REGEDIT4\n\"v\"=\"x\"\n", 2, 1, "before any [key]"},
        {"REGEDIT4\n[HKEY_NOWHERE\\K]\n", 2, 2, "unknown root"},
        {head + "\"v\"=\"a\\tb\"\n", 3, 7, "bad escape"},
        {head + "\"v\"=\"open\n", 3, 5, "unterminated"},
        {head + "\"v=\"x\"\n", 3, 5, "expected '='"},
        {head + "\"v\"=hex:01,0g\n", 3, 13, "bad hex digit"},
        {head + "\"v\"=dword:123456789\n", 3, 19, "more than 8"},
        {head + "\"v\"=dword:12x\n", 3, 13, "bad hex digit"},
        {head + "\"v\"=\"x\" trailing\n", 3, 9, "after the value"},
        {head + "\"v\"=hex:01,\\\n", 3, 12, "past the end"},
        {head + "\"v\"=hex:01,\\\n\n\"w\"=\"x\"\n", 3, 12, "blank"},
        {head + "\"v\"=word:1\n", 3, 5, "unrecognised"},
        {head + "junk\n", 3, 1, "unexpected"},
        {head + "[HKEY_CURRENT_USER\\Open\n", 3, 24, "closing ']'"},
        {"Not a header\n", 1, 1, "not a registry file"},
        {"", 1, 1, "empty file"},
    };
    for (const auto& c : cases) {
        RegFileError error = loadFails(c.text);
        EXPECT_EQ(error.line, c.line) << c.text << " -> " << error.describe();
        EXPECT_EQ(error.column, c.column) << c.text << " -> " << error.describe();
        EXPECT_NE(error.message.find(c.words), std::string::npos) << c.text << " -> " << error.describe();
    }
}

TEST_F(RegFileErrors, LoadsNothingWhenALaterLineIsBroken) {
    loadFails("REGEDIT4\n[HKEY_CURRENT_USER\\First]\n\"ok\"=\"1\"\n[HKEY_CURRENT_USER\\Second]\n\"bad\"=dword:zz\n");
    EXPECT_FALSE(exists(kHkeyCurrentUser, "First"));
}

TEST_F(RegFileErrors, NamesTheCharacterTheCodePageCannotHold) {
    RegFileError error = loadFails(utf16le(u"REGEDIT4\r\n[HKEY_CURRENT_USER\\K]\r\n\"v\"=\"\u4e2d\"\r\n"));
    EXPECT_EQ(error.line, 3u);
    EXPECT_EQ(error.column, 6u);
    EXPECT_NE(error.message.find("U+4E2D"), std::string::npos) << error.describe();
}

TEST_F(RegFileErrors, RefusesBadUtf8AfterItsByteOrderMark) {
    RegFileError error = loadFails("\xEF\xBB\xBFREGEDIT4\n[HKEY_CURRENT_USER\\K\xC3]\n");
    EXPECT_EQ(error.line, 2u);
    EXPECT_NE(error.message.find("UTF-8"), std::string::npos);
}

TEST_F(RegFileErrors, RefusesKeyPathsTheRegistryWouldRefuse) {
    EXPECT_EQ(loadFails("REGEDIT4\n[HKEY_CURRENT_USER\\\\Lead]\n").line, 2u);
    EXPECT_EQ(loadFails("REGEDIT4\n[HKEY_CURRENT_USER\\" + std::string(256, 'k') + "]\n").line, 2u);
    EXPECT_EQ(loadFails("REGEDIT4\n[-HKEY_CURRENT_USER]\n").line, 2u);
}

TEST_F(RegFileErrors, Version5StringDataWithOddByteCountIsRefused) {
    RegFileError error =
        loadFails("Windows Registry Editor Version 5.00\n[HKEY_CURRENT_USER\\K]\n\"v\"=hex(2):41,00,42\n");
    EXPECT_EQ(error.line, 3u);
    EXPECT_NE(error.message.find("odd"), std::string::npos);
}

TEST_F(RegFileErrors, DescribeNamesLineAndColumn) {
    RegFileError error{3, 7, "bad escape"};
    EXPECT_EQ(error.describe(), "line 3, column 7: bad escape");
}

// --- writing ------------------------------------------------------------------

using RegFileSave = RegFileTest;

TEST_F(RegFileSave, WritesRegedit4Text) {
    load("REGEDIT4\n[HKEY_CURRENT_USER\\Soft\\App]\n\"Path\"=\"C:\\\\x \\\"y\\\"\"\n@=\"d\"\n\"N\"=dword:0000001f\n"
         "\"B\"=hex:00,ff\n\"E\"=hex(2):41,00\n\"Q\"=hex(b):01,00,00,00,00,00,00,00\n"
         "[HKEY_CURRENT_USER\\Soft\\App\\Sub]\n");
    EXPECT_EQ(saveRegFile(reg, kHkeyCurrentUser, "Soft\\App", RegFileFormat::Regedit4),
              "REGEDIT4\r\n"
              "\r\n"
              "[HKEY_CURRENT_USER\\Soft\\App]\r\n"
              "\"Path\"=\"C:\\\\x \\\"y\\\"\"\r\n"
              "@=\"d\"\r\n"
              "\"N\"=dword:0000001f\r\n"
              "\"B\"=hex:00,ff\r\n"
              "\"E\"=hex(2):41,00\r\n"
              "\"Q\"=hex(b):01,00,00,00,00,00,00,00\r\n"
              "\r\n"
              "[HKEY_CURRENT_USER\\Soft\\App\\Sub]\r\n"
              "\r\n");
}

TEST_F(RegFileSave, Version5WritesStringTypesAsUtf16) {
    load("REGEDIT4\n[HKEY_CURRENT_USER\\K]\n\"E\"=hex(2):25,80,00\n\"M\"=hex(7):61,00,00\n");
    EXPECT_EQ(saveRegFile(reg, kHkeyCurrentUser, "K", RegFileFormat::Version5),
              "Windows Registry Editor Version 5.00\r\n"
              "\r\n"
              "[HKEY_CURRENT_USER\\K]\r\n"
              "\"E\"=hex(2):25,00,ac,20,00,00\r\n"
              "\"M\"=hex(7):61,00,00,00,00,00\r\n"
              "\r\n");
}

TEST_F(RegFileSave, WrapsLongHexDataLikeRegedit) {
    Key key = 0;
    ASSERT_EQ(reg.createKey(kHkeyCurrentUser, "K", kKeyAllAccess, key), kSuccess);
    std::vector<std::uint8_t> data(200);
    for (std::size_t i = 0; i < data.size(); ++i) data[i] = static_cast<std::uint8_t>(i);
    ASSERT_EQ(reg.setValue(key, "Blob", kRegBinary, data.data(), 200), kSuccess);
    reg.closeKey(key);

    const std::string saved = saveRegFile(reg, kHkeyCurrentUser, "K", RegFileFormat::Regedit4);
    std::istringstream lines(saved);
    std::string line;
    int continued = 0;
    while (std::getline(lines, line)) {
        ASSERT_FALSE(line.empty());
        ASSERT_EQ(line.back(), '\r');
        line.pop_back();
        EXPECT_LE(line.size(), 80u) << line;
        if (line.rfind("  ", 0) == 0) ++continued;
    }
    EXPECT_GE(continued, 7);

    MemoryRegistry copy;
    RegFileError error;
    ASSERT_TRUE(loadRegFile(copy, saved, error)) << error.describe();
    std::uint8_t back[256];
    std::uint32_t size = sizeof back;
    Key copied = 0;
    ASSERT_EQ(copy.openKey(kHkeyCurrentUser, "K", kKeyRead, copied), kSuccess);
    ASSERT_EQ(copy.queryValue(copied, "Blob", nullptr, back, &size), kSuccess);
    copy.closeKey(copied);
    ASSERT_EQ(size, 200u);
    EXPECT_EQ(std::memcmp(back, data.data(), 200), 0);
}

TEST_F(RegFileSave, MissingKeyGivesOnlyTheHeader) {
    EXPECT_EQ(saveRegFile(reg, kHkeyCurrentUser, "Nowhere", RegFileFormat::Regedit4), "REGEDIT4\r\n\r\n");
}

using RegFileRoundTrip = RegFileTest;

// Values that cannot be written as "text" must still come back byte for byte.
void fillAwkwardTree(Registry& reg) {
    Key key = 0;
    ASSERT_EQ(reg.createKey(kHkeyLocalMachine, "Software\\Odd Names, Inc\\ spaced \\=eq;semi", kKeyAllAccess, key),
              kSuccess);
    auto set = [&](const std::string& name, std::uint32_t type, const std::string& data) {
        ASSERT_EQ(reg.setValue(key, name, type, reinterpret_cast<const std::uint8_t*>(data.data()),
                               static_cast<std::uint32_t>(data.size())),
                  kSuccess);
    };
    set("", kRegSz, std::string("default\0", 8));
    set("quote\"back\\slash", kRegSz, std::string("a \"b\" c:\\d\0", 12));
    set("unterminated", kRegSz, "abc");
    set("two lines", kRegSz, std::string("one\r\ntwo\0", 9));
    set("inner zero", kRegSz, std::string("a\0b\0", 4));
    set("ansi", kRegSz, std::string("caf\xE9 \x80\0", 7));
    set("expand", kRegExpandSz, std::string("%SystemRoot%\\\x80\0", 15));
    set("multi", kRegMultiSz, std::string("one\0two\0\0", 9));
    set("dword", kRegDword, std::string("\x01\x02\x03\x04", 4));
    set("short dword", kRegDword, std::string("\x01\x02", 2));
    set("binary", kRegBinary, std::string(300, '\x5a'));
    set("empty", kRegBinary, "");
    set("none", kRegNone, "x");
    set("custom", 0x12345, "data");
    reg.closeKey(key);
    ASSERT_EQ(reg.createKey(kHkeyClassesRoot, ".ext\\shell\\open\\command", kKeyAllAccess, key), kSuccess);
    set("", kRegSz, std::string("\"C:\\App\\app.exe\" \"%1\"\0", 23));
    reg.closeKey(key);
    ASSERT_EQ(reg.createKey(kHkeyCurrentUser, "Software\\Z\\_under\\Apple", kKeyAllAccess, key), kSuccess);
    reg.closeKey(key);
}

TEST_F(RegFileRoundTrip, SavedTreeLoadsBackIdenticallyInBothFormats) {
    fillAwkwardTree(reg);
    const std::string original = dumpAll(reg);
    for (auto format : {RegFileFormat::Regedit4, RegFileFormat::Version5}) {
        MemoryRegistry copy;
        for (Key root : {kHkeyLocalMachine, kHkeyCurrentUser}) {
            RegFileError error;
            ASSERT_TRUE(loadRegFile(copy, saveRegFile(reg, root, "", format), error)) << error.describe();
        }
        EXPECT_EQ(dumpAll(copy), original);
        EXPECT_EQ(copy.openHandleCount(), 0u);
    }
    EXPECT_EQ(reg.openHandleCount(), 0u);
}

TEST_F(RegFileRoundTrip, SavedClassesRootLoadsBackIntoTheSameKeys) {
    fillAwkwardTree(reg);
    MemoryRegistry copy;
    RegFileError error;
    ASSERT_TRUE(loadRegFile(copy, saveRegFile(reg, kHkeyClassesRoot, "", RegFileFormat::Version5), error))
        << error.describe();
    std::ostringstream expected, actual;
    dump(reg, kHkeyClassesRoot, "HKCR", expected);
    dump(copy, kHkeyClassesRoot, "HKCR", actual);
    EXPECT_EQ(actual.str(), expected.str());
}

}  // namespace
