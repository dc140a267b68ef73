#include "platform/text_encoding.h"

#include <gtest/gtest.h>

TEST(TextEncoding, TellsWellFormedUtf8FromAnythingElse) {
    struct Case {
        const char* bytes;
        bool valid;
    };
    const Case cases[] = {
        {"plain ASCII", true},           {"D\xC3\xA9sinstaller", true},  {"\xE2\x82\xAC 5", true},
        {"\xF0\x9F\x98\x80", true},      {"D\xE9sinstaller", false},     {"\xC0\x80", false},  // overlong zero
        {"\xED\xA0\x80", false},         {"\xF4\x90\x80\x80", false},    {"\xC3", false},      // cut short
        {"\xE2\x82", false},             {"\x80 lone", false},           {"\xFF", false},
    };
    for (const Case& c : cases) EXPECT_EQ(platform::isValidUtf8(c.bytes), c.valid) << c.bytes;
}

TEST(TextEncoding, Utf8BecomesWindows1252WithQuestionMarksForTheRest) {
    struct Case {
        const char* utf8;
        const char* ansi;
    };
    const Case cases[] = {
        {"D\xC3\xA9sinstaller", "D\xE9sinstaller"},
        {"\xE2\x82\xAC and \xE2\x80\x93 and \xC5\xB8", "\x80 and \x96 and \x9F"},  // euro, en dash, Y diaeresis
        {"\xC3\xBF\xC2\xA0", "\xFF\xA0"},
        {"\xE6\x97\xA5 \xF0\x9F\x98\x80", "? ?"},  // outside the code page
        {"&Options", "&Options"},
    };
    for (const Case& c : cases) EXPECT_EQ(platform::utf8ToWindows1252(c.utf8), c.ansi) << c.utf8;
    EXPECT_FALSE(platform::hasNonAscii("&Exit"));
    EXPECT_TRUE(platform::hasNonAscii("D\xE9s"));
}
