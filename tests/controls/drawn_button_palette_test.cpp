#include "controls/drawn_button_palette.h"

#include <gtest/gtest.h>

#include "controls/fake_button_host.h"

namespace {

using namespace controls_test;

TEST(ButtonColourShift, ClampsAtBlackAndWhite) {
    EXPECT_EQ(shiftColour(rgb(32, 32, 32), -64, false), rgb(0, 0, 0));
    EXPECT_EQ(shiftColour(rgb(240, 240, 240), 47, false), rgb(255, 255, 255));
    EXPECT_EQ(shiftColour(rgb(100, 150, 200), 31, false), rgb(131, 181, 231));
}

TEST(ButtonColourShift, SoftBevelHalvesTowardZero) {
    EXPECT_EQ(shiftColour(rgb(100, 150, 200), -64, true), rgb(68, 118, 168));
    EXPECT_EQ(shiftColour(rgb(100, 150, 200), -50, true), rgb(75, 125, 175));
    EXPECT_EQ(shiftColour(rgb(100, 150, 200), 47, true), rgb(123, 173, 223));
    EXPECT_EQ(shiftColour(rgb(100, 150, 200), -47, true), rgb(77, 127, 177));
}

TEST(ButtonColourShift, BlueProportionalScalesBlueByItself) {
    EXPECT_EQ(shiftColour(rgb(100, 150, 200), 48, false, true), rgb(148, 198, 250));
    // 200 * -104 / 192 is -108.3, cut toward zero to -108; red clamps at 0.
    EXPECT_EQ(shiftColour(rgb(100, 150, 200), -104, false, true), rgb(0, 46, 92));
    EXPECT_EQ(shiftColour(rgb(0, 0, 250), 48, false, true), rgb(48, 48, 255));
    EXPECT_EQ(shiftColour(rgb(0, 0, 0), 48, false, true), rgb(48, 48, 0));
}

TEST(ButtonColourTint, MovesEachChannelTowardWhite) {
    EXPECT_EQ(tintColour(rgb(0, 0, 128), 176), rgb(176, 176, 215));
    EXPECT_EQ(tintColour(rgb(10, 36, 106), 128), rgb(132, 145, 180));
    EXPECT_EQ(tintColour(rgb(255, 255, 255), 176), rgb(255, 255, 255));
}

class ButtonPaletteTest : public ::testing::Test {
protected:
    FakeButtonHost host;
    PaletteSettings settings(int scheme, int style = 2, bool soft = false) const {
        return {scheme, style, rgb(100, 150, 200), rgb(1, 2, 3), rgb(4, 5, 6), rgb(7, 8, 9), 12632256, soft};
    }
};

TEST_F(ButtonPaletteTest, OwnColoursDeriveShadesFromTheFace) {
    const Palette p = computePalette(settings(2), host);
    EXPECT_EQ(p.face, rgb(100, 150, 200));
    EXPECT_EQ(p.faceOver, rgb(1, 2, 3));
    EXPECT_EQ(p.text, rgb(4, 5, 6));
    EXPECT_EQ(p.textOver, rgb(7, 8, 9));
    EXPECT_EQ(p.shadow, rgb(36, 86, 136));
    EXPECT_EQ(p.light, rgb(131, 181, 231));
    EXPECT_EQ(p.highlight, rgb(147, 197, 247));
    EXPECT_EQ(p.darkShadow, rgb(0, 0, 8));
    EXPECT_EQ(p.selection, rgb(0, 22, 72));
    EXPECT_EQ(p.selectionLight, rgb(100, 150, 200));
    EXPECT_EQ(p.mask, rgb(192, 192, 192));
    EXPECT_EQ(p.tint, rgb(148, 198, 248));
}

TEST_F(ButtonPaletteTest, SoftBevelHalvesEveryOwnShade) {
    const Palette p = computePalette(settings(2, 2, true), host);
    EXPECT_EQ(p.shadow, rgb(68, 118, 168));
    EXPECT_EQ(p.light, rgb(115, 165, 215));
    EXPECT_EQ(p.highlight, rgb(123, 173, 223));
    EXPECT_EQ(p.darkShadow, rgb(4, 54, 104));
    EXPECT_EQ(p.selection, rgb(36, 86, 136));
    EXPECT_EQ(p.tint, rgb(124, 174, 224));
}

TEST_F(ButtonPaletteTest, StyleThreeTintsBlueProportionally) {
    EXPECT_EQ(computePalette(settings(2, 3), host).tint, rgb(148, 198, 250));
}

TEST_F(ButtonPaletteTest, FixedSchemeIgnoresEverySetting) {
    const Palette p = computePalette(settings(3), host);
    EXPECT_EQ(p.face, rgb(192, 192, 192));
    EXPECT_EQ(p.faceOver, rgb(192, 192, 192));
    EXPECT_EQ(p.text, rgb(0, 0, 0));
    EXPECT_EQ(p.textOver, rgb(0, 0, 0));
    EXPECT_EQ(p.shadow, rgb(128, 128, 128));
    EXPECT_EQ(p.light, rgb(223, 223, 223));
    EXPECT_EQ(p.highlight, rgb(255, 255, 255));
    EXPECT_EQ(p.darkShadow, rgb(0, 0, 0));
    EXPECT_EQ(p.selection, rgb(0, 0, 128));
    EXPECT_EQ(p.selectionLight, rgb(173, 173, 209));
    EXPECT_EQ(p.tint, rgb(240, 240, 240));
    EXPECT_EQ(computePalette(settings(3, 2, true), host).tint, rgb(216, 216, 216));
}

TEST_F(ButtonPaletteTest, ParentSchemeShadesTheParentsColours) {
    host.parentBack = rgb(100, 150, 200);
    const Palette p = computePalette(settings(4), host);
    EXPECT_EQ(p.face, rgb(100, 150, 200));
    EXPECT_EQ(p.faceOver, rgb(100, 150, 200));
    EXPECT_EQ(p.text, rgb(5, 6, 7));
    EXPECT_EQ(p.textOver, rgb(5, 6, 7));
    EXPECT_EQ(p.shadow, rgb(36, 86, 136));
    EXPECT_EQ(p.light, rgb(131, 181, 231));
    EXPECT_EQ(p.highlight, rgb(147, 197, 247));
    EXPECT_EQ(p.darkShadow, rgb(0, 0, 8));
    EXPECT_EQ(p.selection, kSysSelection);
    EXPECT_EQ(p.selectionLight, rgb(179, 187, 208));
}

TEST_F(ButtonPaletteTest, AnyOtherSchemeTakesSystemColours) {
    for (int scheme : {0, 1, 5, -3}) {
        const Palette p = computePalette(settings(scheme), host);
        EXPECT_EQ(p.face, kSysFace) << scheme;
        EXPECT_EQ(p.faceOver, kSysFace);
        EXPECT_EQ(p.text, kSysText);
        EXPECT_EQ(p.shadow, kSysShadow);
        EXPECT_EQ(p.light, kSysLight);
        EXPECT_EQ(p.highlight, kSysHighlight);
        EXPECT_EQ(p.darkShadow, kSysDarkShadow);
        EXPECT_EQ(p.selection, kSysSelection);
        EXPECT_EQ(p.selectionLight, rgb(179, 187, 208));
        EXPECT_EQ(p.tint, rgb(255, 255, 248));
    }
    EXPECT_EQ(computePalette(settings(1, 3), host).tint, rgb(255, 255, 250));
}

TEST_F(ButtonPaletteTest, SystemColourReferencesAreLookedUp) {
    PaletteSettings s = settings(2);
    s.backColor = kSysButtonFace;
    s.maskColor = 0x80000000 | kColorHighlight;
    const Palette p = computePalette(s, host);
    EXPECT_EQ(p.face, kSysFace);
    EXPECT_EQ(p.mask, kSysSelection);
    EXPECT_EQ(realColour(0x00FF8040, host), 0x00FF8040u);
}

}  // namespace
