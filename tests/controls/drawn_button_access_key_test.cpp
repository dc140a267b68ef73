#include "controls/drawn_button_access_key.h"

#include <gtest/gtest.h>

namespace {

using controls::accessKeyOf;

TEST(ButtonAccessKey, SingleAmpersandNamesTheNextLetterLowerCased) {
    EXPECT_EQ(accessKeyOf("&Help"), "h");
    EXPECT_EQ(accessKeyOf("E&xit"), "x");
    EXPECT_EQ(accessKeyOf(" &About"), "a");
    EXPECT_EQ(accessKeyOf("&1st"), "1");
}

TEST(ButtonAccessKey, OnlyADoubledPairGivesNone) {
    EXPECT_EQ(accessKeyOf("Save && Exit"), "");
    EXPECT_EQ(accessKeyOf("&&"), "");
}

TEST(ButtonAccessKey, DoubledPairThenSingleAmpersandNamesTheCharacterAfterIt) {
    EXPECT_EQ(accessKeyOf("Save && E&xit"), "x");
    EXPECT_EQ(accessKeyOf("&&&Q"), "q");
}

TEST(ButtonAccessKey, SecondPairAfterTheFirstGivesNone) {
    EXPECT_EQ(accessKeyOf("A&&B&&C"), "");
}

TEST(ButtonAccessKey, ShortCaptionsAndTrailingAmpersandsGiveNone) {
    EXPECT_EQ(accessKeyOf(""), "");
    EXPECT_EQ(accessKeyOf("&"), "");
    EXPECT_EQ(accessKeyOf("H"), "");
    EXPECT_EQ(accessKeyOf("Help"), "");
    EXPECT_EQ(accessKeyOf("Help&"), "");
    EXPECT_EQ(accessKeyOf("a&&b&"), "");
}

}  // namespace
