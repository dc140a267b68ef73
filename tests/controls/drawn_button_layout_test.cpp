#include "controls/drawn_button_layout.h"

#include <gtest/gtest.h>

#include "controls/bitmap_canvas.h"
#include "controls/drawn_button_region.h"

namespace {

using namespace controls;

// Characters are 6 x 13 pixels, so "&Help" measures 24 x 13.
class ButtonLayoutTest : public ::testing::Test {
protected:
    FixedPitchMeasurer measurer{6, 13};
    ButtonLayout layout(int w, int h, int position, int pw = 0, int ph = 0, const std::string& caption = "&Help") {
        LayoutInput in;
        in.width = w;
        in.height = h;
        in.pictureWidth = pw;
        in.pictureHeight = ph;
        in.picturePosition = position;
        in.caption = caption;
        return computeLayout(in, measurer);
    }
};

TEST_F(ButtonLayoutTest, CaptionAloneIsCentred) {
    const ButtonLayout l = layout(80, 24, 0);
    EXPECT_EQ(l.caption, (Rect{28, 6, 52, 19}));
    EXPECT_EQ(l.captionDown, (Rect{29, 7, 53, 20}));
}

TEST_F(ButtonLayoutTest, ACaptionThatDoesNotFitEndsInDotsInsteadOfLosingBothEnds) {
    struct Case {
        int width, height;
        const char* caption;
        const char* shown;
    };
    const Case cases[] = {
        {80, 24, "&Help", "&Help"},                           // fits: as it is
        {60, 30, "alpha beta gamma", "alpha beta g..."},      // three lines in room for two
        {60, 18, "&Uninstallation", "&Uninst..."},            // one word wider than the button
        {76, 18, "Check &bad entries", "Check &bad..."},      // the access key kept while it shows
        {76, 18, "Check bad &entries", "Check bad..."},       // and no "&" left to mark the dots
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.caption);
        const ButtonLayout l = layout(c.width, c.height, 4, 0, 0, c.caption);
        EXPECT_EQ(l.shownCaption, c.shown);
        EXPECT_GE(l.caption.top, 1) << "the first line shows";
        EXPECT_LE(l.caption.bottom, c.height - 2) << "and the last";
        EXPECT_GE(l.caption.left, 1);
        EXPECT_LE(l.caption.right, c.width - 2);
    }
}

TEST_F(ButtonLayoutTest, PictureLeftOfCaption) {
    const ButtonLayout l = layout(80, 24, 0, 16, 16);
    EXPECT_EQ(l.caption, (Rect{36, 6, 60, 19}));
    EXPECT_EQ(l.picture, (Rect{16, 4, 32, 20}));
}

TEST_F(ButtonLayoutTest, PictureRightOfCaption) {
    const ButtonLayout l = layout(80, 24, 1, 16, 16);
    EXPECT_EQ(l.caption, (Rect{18, 6, 42, 19}));
    EXPECT_EQ(l.picture, (Rect{46, 4, 62, 20}));
}

TEST_F(ButtonLayoutTest, PictureAboveCaption) {
    const ButtonLayout l = layout(80, 50, 2, 16, 16);
    EXPECT_EQ(l.caption, (Rect{28, 27, 52, 40}));
    EXPECT_EQ(l.picture, (Rect{32, 9, 48, 25}));
}

TEST_F(ButtonLayoutTest, PictureBelowCaption) {
    const ButtonLayout l = layout(80, 50, 3, 16, 16);
    EXPECT_EQ(l.caption, (Rect{28, 9, 52, 22}));
    EXPECT_EQ(l.picture, (Rect{32, 24, 48, 40}));
}

TEST_F(ButtonLayoutTest, PictureBehindCaptionOrWithBlankCaptionIsCentred) {
    const ButtonLayout behind = layout(80, 50, 4, 16, 16);
    EXPECT_EQ(behind.caption, (Rect{28, 19, 52, 32}));
    EXPECT_EQ(behind.picture, (Rect{32, 17, 48, 33}));
    EXPECT_EQ(layout(80, 24, 0, 16, 16, "   ").picture, (Rect{32, 4, 48, 20}));
}

TEST_F(ButtonLayoutTest, CaptionAreaLeavesRoomForThePicture) {
    LayoutInput in;
    in.width = 80;
    in.height = 50;
    in.pictureWidth = 16;
    in.pictureHeight = 10;
    const Rect expected[] = {{17, 1, 78, 48}, {1, 1, 62, 48}, {1, 11, 78, 48}, {1, 1, 78, 38}, {1, 1, 78, 48}};
    for (int position = 0; position <= 4; ++position) {
        in.picturePosition = position;
        EXPECT_EQ(captionAreaFor(in), expected[position]) << position;
    }
}

TEST(ButtonFocusRect, ShrinksByStyle) {
    EXPECT_EQ(focusRectFor(2, 80, 24), (Rect{4, 4, 76, 20}));
    EXPECT_EQ(focusRectFor(1, 80, 24), (Rect{4, 4, 76, 20}));
    EXPECT_EQ(focusRectFor(7, 80, 24), (Rect{3, 3, 77, 21}));
    EXPECT_EQ(focusRectFor(13, 80, 24), (Rect{3, 3, 77, 21}));
    EXPECT_EQ(focusRectFor(14, 80, 24), (Rect{6, 6, 76, 20}));
}

TEST(ButtonRegion, ShapesFollowTheStyle) {
    EXPECT_TRUE(regionFor(2, 10, 8).removed.empty());
    EXPECT_EQ(regionFor(1, 10, 8).removed, (std::vector<Point>{{0, 0}, {9, 0}, {0, 7}, {9, 7}}));
    EXPECT_EQ(regionFor(14, 10, 8).removed.size(), 4u);
    EXPECT_EQ(regionFor(5, 10, 8).removed, (std::vector<Point>{{0, 7}, {9, 0}}));
    EXPECT_EQ(regionFor(13, 10, 8).kind, RegionShape::Kind::Ellipse);
}

TEST(ButtonRegion, RoundedCornersTakeThreePixelsEach) {
    const RegionShape s = regionFor(3, 10, 8);
    EXPECT_EQ(s.removed, (std::vector<Point>{{0, 0}, {1, 0}, {0, 1}, {9, 0}, {8, 0}, {9, 1},
                                             {0, 7}, {1, 7}, {0, 6}, {9, 7}, {8, 7}, {9, 6}}));
}

TEST(ButtonRegion, TinyControlsNamePixelsOnceAndInside) {
    EXPECT_EQ(regionFor(4, 1, 1).removed, (std::vector<Point>{{0, 0}}));
    EXPECT_TRUE(regionFor(3, 0, 0).removed.empty());
    EXPECT_EQ(regionFor(1, -5, 3).width, 0);
}

}  // namespace
