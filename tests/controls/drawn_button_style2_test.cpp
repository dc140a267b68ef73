#include <gtest/gtest.h>

#include "controls/drawn_button_paint.h"
#include "controls/fake_button_host.h"

namespace {

using namespace controls_test;

constexpr Color H = kSysHighlight, D = kSysDarkShadow, L = kSysLight, S = kSysShadow, F = kSysFace;

// The two outer rings of an 80 x 24 button, as (x, y, colour) samples.
struct Sample {
    int x, y;
    Color c;
};

void expectPixels(FakeButtonHost& h, std::initializer_list<Sample> samples) {
    for (const Sample& s : samples)
        EXPECT_EQ(h.bitmap().pixel(s.x, s.y), s.c) << "at " << s.x << "," << s.y;
}

void expectFaceInside(FakeButtonHost& h, int inset) {
    for (int y = inset; y < 24 - inset; ++y)
        for (int x = inset; x < 80 - inset; ++x)
            ASSERT_EQ(h.bitmap().pixel(x, y), F) << "at " << x << "," << y;
}

TEST(Style2Frame, UpIsTheClassicRaisedBorder) {
    PlacedButton b;
    expectPixels(b.host, {{0, 0, H}, {78, 0, H}, {79, 0, D}, {0, 22, H}, {0, 23, D}, {79, 23, D},
                          {1, 1, L}, {77, 1, L}, {78, 1, S}, {1, 21, L}, {1, 22, S}, {78, 22, S}});
    expectFaceInside(b.host, 2);
}

TEST(Style2Frame, HoveredKeepsTheRaisedBorder) {
    PlacedButton b;
    b.host.pointerOver = true;
    b->mouseMove(0, 0, 5, 5);
    expectPixels(b.host, {{0, 0, H}, {79, 0, D}, {1, 1, L}, {78, 22, S}});
    expectFaceInside(b.host, 2);
}

TEST(Style2Frame, DownInvertsTheBorder) {
    PlacedButton b;
    b->mouseDown(1, 0, 5, 5);
    expectPixels(b.host, {{0, 0, D}, {78, 0, D}, {79, 0, H}, {0, 22, D}, {0, 23, H}, {79, 23, H},
                          {1, 1, S}, {77, 1, S}, {78, 1, L}, {1, 22, L}, {78, 22, L}});
    expectFaceInside(b.host, 2);
}

TEST(Style2Frame, DefaultButtonIsRingedAndItsBorderMovesIn) {
    PlacedButton b;
    b.host.isDefault = true;
    b->Refresh();
    expectPixels(b.host, {{0, 0, D}, {79, 0, D}, {0, 23, D}, {79, 23, D}, {40, 0, D}, {0, 12, D},
                          {1, 1, H}, {77, 1, H}, {78, 1, D}, {1, 22, D}, {78, 22, D},
                          {2, 2, L}, {76, 2, L}, {77, 2, S}, {2, 21, S}});
    expectFaceInside(b.host, 3);
}

TEST(Style2Frame, DefaultButtonWithoutFocusRectLooksPlain) {
    PlacedButton b;
    b.host.isDefault = true;
    b->ShowFocusRect(false);
    expectPixels(b.host, {{0, 0, H}, {1, 1, L}});
}

TEST(Style2Frame, DefaultButtonDownIsOutlinedWithShadowInside) {
    PlacedButton b;
    b.host.isDefault = true;
    b->mouseDown(1, 0, 5, 5);
    expectPixels(b.host, {{0, 0, D}, {79, 0, D}, {0, 23, D}, {79, 23, D},
                          {1, 1, S}, {78, 1, S}, {1, 22, S}, {78, 22, S}});
    expectFaceInside(b.host, 2);
}

TEST(Style2Frame, DisabledIsRaisedWithEngravedCaption) {
    PlacedButton b;
    b->Enabled(false);
    expectPixels(b.host, {{0, 0, H}, {79, 23, D}, {1, 1, L}, {78, 22, S}});
    const Rect r = b->layout().caption;
    ASSERT_EQ(b.host.texts.size(), 2u);
    EXPECT_EQ(b.host.texts[0].rect, r.offset(1, 1));
    EXPECT_EQ(b.host.texts[0].colour, H);
    EXPECT_EQ(b.host.texts[1].rect, r);
    EXPECT_EQ(b.host.texts[1].colour, S);
}

TEST(Style2Frame, FocusRectangleSitsFourPixelsIn) {
    PlacedButton b;
    b->gotFocus();
    ASSERT_EQ(b.host.focusRects.size(), 1u);
    EXPECT_EQ(b.host.focusRects[0].rect, (Rect{4, 4, 76, 20}));
}

TEST(Style2Caption, UpAndDownUseTheirColoursAndRectangles) {
    PlacedButton b;
    b->ColorScheme(2);
    b->ForeColor(rgb(10, 10, 10));
    b->ForeOver(rgb(200, 0, 0));
    ASSERT_EQ(b.host.texts.size(), 1u);
    EXPECT_EQ(b.host.texts[0].text, "&Help");
    EXPECT_EQ(b.host.texts[0].rect, b->layout().caption);
    EXPECT_EQ(b.host.texts[0].colour, rgb(10, 10, 10));
    b->mouseDown(1, 0, 5, 5);
    ASSERT_EQ(b.host.texts.size(), 1u);
    EXPECT_EQ(b.host.texts[0].rect, b->layout().caption.offset(1, 1));
    EXPECT_EQ(b.host.texts[0].colour, rgb(200, 0, 0));
}

TEST(Style2Caption, EmptyCaptionDrawsNoText) {
    PlacedButton b(80, 24, "");
    b->Refresh();
    EXPECT_TRUE(b.host.texts.empty());
}

std::vector<Color> colours(const std::vector<TextCall>& texts) {
    std::vector<Color> out;
    for (const TextCall& t : texts) out.push_back(t.colour);
    return out;
}

TEST(ButtonSpecialEffect, CopiesGoBeneathTheCaption) {
    PlacedButton b;
    b->ColorScheme(3);
    const Rect r = b->layout().caption;
    b->SpecialEffect(1);
    EXPECT_EQ(colours(b.host.texts), (std::vector<Color>{rgb(152, 152, 152), rgb(232, 232, 232), 0}));
    EXPECT_EQ(b.host.texts[0].rect, r.offset(1, 1));
    EXPECT_EQ(b.host.texts[1].rect, r.offset(-1, -1));
    EXPECT_EQ(b.host.texts[2].rect, r);
    b->SpecialEffect(2);
    EXPECT_EQ(colours(b.host.texts), (std::vector<Color>{rgb(232, 232, 232), rgb(152, 152, 152), 0}));
    b->SpecialEffect(3);
    EXPECT_EQ(colours(b.host.texts), (std::vector<Color>{rgb(152, 152, 152), 0}));
    EXPECT_EQ(b.host.texts[0].rect, r.offset(1, 1));
}

TEST(ButtonSpecialEffect, SoftBevelHalvesTheCopies) {
    PlacedButton b;
    b->ColorScheme(3);
    b->SoftBevel(true);
    b->SpecialEffect(1);
    EXPECT_EQ(colours(b.host.texts), (std::vector<Color>{rgb(172, 172, 172), rgb(212, 212, 212), 0}));
}

TEST(ButtonSpecialEffect, DisabledCaptionHasNoCopies) {
    PlacedButton b;
    b->SpecialEffect(1);
    b->Enabled(false);
    EXPECT_EQ(b.host.texts.size(), 2u);
}

class ButtonCaptionModeTest : public ::testing::Test {
protected:
    FakeButtonHost host;
    BitmapCanvas canvas{80, 24};
    ButtonProperties props;
    Palette palette;
    ButtonLayout layout;
    void SetUp() override {
        props.Caption = "Go";
        palette = computePalette({3, 2, 0, 0, 0, 0, 12632256, false}, host);
        layout.caption = {10, 5, 30, 18};
        layout.captionDown = layout.caption.offset(1, 1);
    }
    std::vector<TextCall> draw(CaptionLook look) {
        canvas.forgetCalls();
        drawCaption(PaintContext{canvas, palette, props, layout, 80, 24, ButtonLook::Up, false, false}, look);
        return canvas.texts();
    }
    static CaptionLook mode(int m) {
        CaptionLook look;
        look.mode = m;
        return look;
    }
};

TEST_F(ButtonCaptionModeTest, FlatAndTintedModes) {
    EXPECT_EQ(colours(draw(mode(4))), (std::vector<Color>{rgb(128, 128, 128)}));
    // tint 240,240,240 shifted -104, blue by 240 * -104 / 192 = -130
    EXPECT_EQ(colours(draw(mode(5))), (std::vector<Color>{rgb(136, 136, 110)}));
}

TEST_F(ButtonCaptionModeTest, OffsetCopyModes) {
    auto texts = draw(mode(6));
    EXPECT_EQ(colours(texts), (std::vector<Color>{rgb(255, 255, 255), rgb(192, 192, 192)}));
    EXPECT_EQ(texts[0].rect, layout.caption.offset(1, 1));
    texts = draw(mode(7));
    EXPECT_EQ(colours(texts), (std::vector<Color>{rgb(78, 78, 78), rgb(255, 255, 255)}));
}

TEST_F(ButtonCaptionModeTest, NoCaptionBoldAndDownColour) {
    EXPECT_TRUE(draw(mode(kNoCaption)).empty());
    CaptionLook look = mode(2);
    look.bold = true;
    look.downColour = rgb(1, 2, 3);
    const auto texts = draw(look);
    ASSERT_EQ(texts.size(), 1u);
    EXPECT_TRUE(texts[0].font.bold);
    EXPECT_EQ(texts[0].colour, rgb(1, 2, 3));
    EXPECT_EQ(texts[0].rect, layout.captionDown);
}

constexpr Color kRed = rgb(255, 0, 0), kMask = rgb(192, 192, 192), kDark = rgb(10, 10, 10),
                kWhite = rgb(255, 255, 255), kBlue = rgb(0, 0, 255);

// Red, mask / dark, white: one pixel of each kind.
Picture fourPixels() { return Picture{1, 2, 2, {kRed, kMask, kDark, kWhite}}; }

class ButtonPictureTest : public ::testing::Test {
protected:
    PlacedButton b;
    Point at;
    void SetUp() override {
        b->PictureNormal(fourPixels());
        at = {b->layout().picture.left, b->layout().picture.top};
    }
    Color px(int dx, int dy) { return b.host.bitmap().pixel(at.x + dx, at.y + dy); }
};

TEST_F(ButtonPictureTest, UpDrawsThePictureLeavingOutTheMask) {
    EXPECT_EQ(b->layout().picture.width(), 2);
    EXPECT_EQ(px(0, 0), kRed);
    EXPECT_EQ(px(1, 0), F);
    EXPECT_EQ(px(0, 1), kDark);
    EXPECT_EQ(px(1, 1), kWhite);
    b->UseMaskColor(false);
    EXPECT_EQ(px(1, 0), kMask);
}

TEST_F(ButtonPictureTest, GreyscaleWhileNotHovered) {
    b->UseGreyscale(true);
    EXPECT_EQ(px(0, 0), rgb(77, 77, 77));  // 0.30 * 255 = 76.5, rounded
    EXPECT_EQ(px(1, 1), kWhite);
    b.host.pointerOver = true;
    b->mouseMove(0, 0, 5, 5);
    EXPECT_EQ(px(0, 0), kRed);
}

TEST_F(ButtonPictureTest, HoveredAndDownShowPictureOver) {
    b->PictureOver(Picture{2, 2, 2, {kBlue, kBlue, kBlue, kBlue}});
    EXPECT_EQ(px(0, 0), kRed);
    b.host.pointerOver = true;
    b->mouseMove(0, 0, 5, 5);
    EXPECT_EQ(px(0, 0), kBlue);
    b->mouseDown(1, 0, 5, 5);
    EXPECT_EQ(px(0, 0), F);
    EXPECT_EQ(px(1, 1), kBlue);
    EXPECT_EQ(px(2, 2), kBlue);
}

TEST_F(ButtonPictureTest, DisabledShowsEngravedDarkPixels) {
    b->Enabled(false);
    EXPECT_EQ(px(0, 0), S);
    EXPECT_EQ(px(0, 1), S);
    EXPECT_EQ(px(1, 1), H);
    EXPECT_EQ(px(1, 2), H);
    EXPECT_EQ(px(1, 0), F);
    EXPECT_EQ(px(2, 2), F);  // white is no dark pixel
}

TEST_F(ButtonPictureTest, ShadowEffectPutsASilhouetteBeneath) {
    b->SpecialEffect(3);
    const Color silhouette = rgb(172, 168, 160);  // face 212,208,200 shifted -40
    EXPECT_EQ(px(1, 1), kWhite);
    EXPECT_EQ(px(1, 2), silhouette);
    EXPECT_EQ(px(2, 2), silhouette);
    EXPECT_EQ(px(2, 1), F);  // the masked pixel casts no shadow
}

TEST_F(ButtonPictureTest, PictureWithTooFewPixelsIsNotDrawn) {
    b->PictureNormal(Picture{3, 40, 40, {kRed}});
    EXPECT_EQ(b->layout().picture.width(), 0);
    expectFaceInside(b.host, 2);
}

}  // namespace
