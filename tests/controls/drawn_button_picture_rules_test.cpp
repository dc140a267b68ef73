// The style-specific picture rules on a 4 x 4 picture whose top two rows hold
// one pixel of each kind and whose lower rows are all mask colour.
#include <gtest/gtest.h>

#include "controls/drawn_button_paint.h"
#include "controls/fake_button_host.h"

namespace {

using namespace controls_test;

constexpr Color M = rgb(192, 192, 192), R = rgb(255, 0, 0), W = rgb(255, 255, 255), B = rgb(0, 0, 255),
                Dark384 = rgb(128, 128, 128), Light385 = rgb(129, 128, 128);
constexpr Color F = rgb(192, 192, 192), Notched = rgb(204, 204, 204), S = rgb(128, 128, 128), H = rgb(255, 255, 255);

Picture testPicture() {
    return Picture{1, 4, 4, {R, M, Dark384, Light385, W, B, M, R, M, M, M, M, M, M, M, M}};
}

// A button without caption, so the picture sits in the middle; the fixed
// scheme's face is the mask colour's grey, so pixels left out show as face.
struct PictureButton {
    explicit PictureButton(int style) : b(20, 12, "") {
        b->ColorScheme(3);
        b->ButtonType(style);
        b->PictureNormal(testPicture());
        at = {b->layout().picture.left, b->layout().picture.top};
    }
    Color px(int dx, int dy) { return b.host.bitmap().pixel(at.x + dx, at.y + dy); }
    void hover() {
        b.host.pointerOver = true;
        b->mouseMove(0, 0, 1, 1);
    }
    PlacedButton b;
    Point at;
};

struct Expect {
    int dx, dy;
    Color c;
};

TEST(ButtonPictureRules, DisabledSilhouettesByStyle) {
    struct Case {
        int style;
        std::vector<Expect> pixels;
    };
    const std::vector<Case> cases{
        // dark pixels (channel sum at most 384) in shadow, their highlight copy right and down
        {2, {{0, 0, S}, {2, 0, S}, {3, 0, F}, {1, 1, S}, {3, 1, S}, {2, 2, H}, {4, 2, H}, {0, 1, F}, {3, 2, F}}},
        {5, {{0, 0, S}, {2, 0, S}, {3, 0, Notched}, {3, 1, S}, {2, 2, Notched}, {4, 2, Notched}}},
        {6, {{0, 0, S}, {3, 1, S}, {2, 2, F}}},
        {9, {{0, 0, rgb(141, 141, 141)}, {2, 0, rgb(141, 141, 141)}, {2, 2, F}}},
        // the whole picture in grey, one pixel right and down
        {3, {{1, 1, rgb(77, 77, 77)}, {4, 1, rgb(128, 128, 128)}, {1, 2, W}, {2, 2, rgb(28, 28, 28)}}},
    };
    for (const Case& c : cases) {
        PictureButton pb(c.style);
        pb.b->Enabled(false);
        for (const Expect& e : c.pixels)
            EXPECT_EQ(pb.px(e.dx, e.dy), e.c) << "style " << c.style << " at +" << e.dx << ",+" << e.dy;
    }
}

TEST(ButtonPictureRules, SelectionStyleMixesWithWhatLiesBeneath) {
    PictureButton pb(9);
    EXPECT_EQ(pb.px(0, 0), rgb(234, 64, 64));  // (2 x 255 + 192) / 3, (2 x 0 + 192) / 3
    EXPECT_EQ(pb.px(1, 0), F);
    pb.b->UseGreyscale(true);
    EXPECT_EQ(pb.px(0, 0), rgb(115, 115, 115));  // grey 77 first, then mixed
}

TEST(ButtonPictureRules, SelectionStyleHoveredCastsAShadowAndLifts) {
    PictureButton pb(9);
    pb.hover();
    EXPECT_EQ(pb.px(-1, -1), R);
    EXPECT_EQ(pb.px(0, 0), B);
    EXPECT_EQ(pb.px(1, 1), S);  // the red pixel's shadow
    EXPECT_EQ(pb.px(4, 2), S);
}

TEST(ButtonPictureRules, DownMovesExceptForNotchedAndSelectionStyles) {
    const Picture blue{2, 4, 4, std::vector<Color>(16, B)};
    for (auto [style, dx, colour] : {std::tuple{2, 1, B}, std::tuple{5, 0, B}, std::tuple{9, 0, R}}) {
        PictureButton pb(style);
        pb.b->PictureOver(blue);
        pb.b->mouseDown(1, 0, 1, 1);
        EXPECT_EQ(pb.px(dx, dx), colour) << "style " << style;
        if (dx == 1) {
            EXPECT_EQ(pb.px(0, 0), F) << "style " << style;
        }
    }
}

TEST(ButtonPictureRules, PictureOnlyStyleCentresItsPictureDespiteACaption) {
    PlacedButton b(40, 20, "Caption");
    b->ButtonType(10);
    b->PictureNormal(testPicture());
    EXPECT_EQ(b->layout().picture, (Rect{18, 8, 22, 12}));
    EXPECT_TRUE(b.host.texts.empty());
}

TEST(ButtonPictureRules, LargerPictureStaysWithinTheButton) {
    FakeButtonHost host;
    BitmapCanvas canvas(40, 40, kCanvasBlank);
    ButtonProperties props;
    props.PictureNormal = Picture{1, 30, 30, std::vector<Color>(900, R)};
    const Palette palette = computePalette({3, 2, 0, 0, 0, 0, 12632256, false}, host);
    ButtonLayout layout;
    layout.picture = {-5, -9, 25, 21};
    drawPicture(PaintContext{canvas, palette, props, layout, 20, 12, ButtonLook::Up, false, false});
    EXPECT_EQ(canvas.pixel(0, 0), R);
    EXPECT_EQ(canvas.pixel(19, 11), R);
    EXPECT_EQ(canvas.pixel(20, 5), kCanvasBlank);
    EXPECT_EQ(canvas.pixel(5, 12), kCanvasBlank);
}

}  // namespace
