// Each style's frame on a small button in the fixed scheme (face 192, light
// 223, highlight 255, shadow 128, dark shadow 0, tint 240), sampled a few
// pixels per line. The expected colours were worked out by hand.
#include <gtest/gtest.h>

#include "controls/drawn_button_paint.h"
#include "controls/fake_button_host.h"

namespace {

using namespace controls_test;

constexpr int kW = 20, kH = 12;
constexpr Color F = rgb(192, 192, 192), L = rgb(223, 223, 223), H = rgb(255, 255, 255), S = rgb(128, 128, 128),
                D = rgb(0, 0, 0), Sel = rgb(0, 0, 128), SelLight = rgb(173, 173, 209);
constexpr Color grey(int v) { return rgb(v, v, v); }

struct Sample {
    int x, y;
    Color c;
};

struct FrameCase {
    int style;
    ButtonLook look;
    std::vector<Sample> samples;
};

// A placed button of the style in the fixed scheme, put into one look.
struct StyledButton {
    StyledButton(int style, ButtonLook look, int w = kW, int h = kH) : b(w, h, "A") {
        b->ColorScheme(3);
        b->ButtonType(style);
        switch (look) {
            case ButtonLook::Hovered:
                b.host.pointerOver = true;
                b->mouseMove(0, 0, 5, 5);
                break;
            case ButtonLook::Down: b->mouseDown(1, 0, 5, 5); break;
            case ButtonLook::Disabled: b->Enabled(false); break;
            case ButtonLook::Up: break;
        }
    }
    Color px(int x, int y) { return b.host.bitmap().pixel(x, y); }
    PlacedButton b;
};

const char* lookName(ButtonLook look) {
    switch (look) {
        case ButtonLook::Up: return "up";
        case ButtonLook::Hovered: return "hovered";
        case ButtonLook::Down: return "down";
        case ButtonLook::Disabled: return "disabled";
    }
    return "?";
}

using Look = ButtonLook;
const std::vector<FrameCase> kFrames{
    {1, Look::Up, {{0, 5, D}, {10, 11, D}, {1, 1, H}, {1, 5, H}, {18, 1, S}, {1, 10, S}, {2, 2, H}, {17, 5, S},
                   {10, 9, S}, {10, 5, F}}},
    {1, Look::Down, {{0, 5, D}, {10, 1, S}, {18, 5, H}, {10, 2, S}, {10, 9, H}}},
    {1, Look::Disabled, {{10, 1, H}, {10, 10, S}}},
    {3, Look::Up, {{10, 0, rgb(0, 60, 115)}, {1, 1, rgb(16, 77, 123)}, {10, 5, rgb(230, 230, 228)},
                   {10, 1, H}, {1, 5, rgb(250, 250, 252)}, {10, 10, rgb(192, 192, 180)}, {18, 5, rgb(204, 204, 195)},
                   {10, 9, rgb(208, 208, 200)}, {17, 5, rgb(216, 216, 210)}, {10, 8, rgb(235, 235, 234)},
                   {16, 5, rgb(230, 230, 228)}, {17, 9, rgb(216, 216, 210)}, {18, 10, rgb(16, 77, 123)}}},
    {3, Look::Hovered, {{10, 11, rgb(0, 60, 115)}, {10, 1, rgb(255, 243, 206)}, {10, 10, rgb(231, 150, 0)},
                        {2, 10, rgb(231, 150, 0)}, {1, 5, rgb(255, 178, 49)}, {18, 5, rgb(255, 178, 49)},
                        {2, 5, rgb(255, 219, 140)}, {17, 5, rgb(255, 219, 140)}, {10, 9, rgb(255, 203, 107)}}},
    {3, Look::Down, {{10, 0, rgb(0, 60, 115)}, {10, 5, rgb(195, 195, 184)}, {10, 1, rgb(208, 208, 200)},
                     {1, 5, rgb(216, 216, 210)}, {10, 2, rgb(218, 218, 213)}, {10, 10, H},
                     {18, 5, rgb(250, 250, 252)}, {10, 9, rgb(245, 245, 246)}}},
    {3, Look::Disabled, {{10, 5, rgb(216, 216, 210)}, {10, 0, rgb(156, 156, 135)}, {1, 1, rgb(168, 168, 150)}}},
    {4, Look::Up, {{10, 5, L}, {10, 1, H}, {1, 5, H}, {10, 9, F}, {17, 5, F}, {10, 10, S}, {18, 5, S},
                   {10, 0, D}, {1, 1, D}, {17, 9, F}}},
    {4, Look::Down, {{10, 5, grey(112)}, {10, 1, grey(64)}, {1, 5, grey(64)}, {10, 2, grey(96)}, {2, 5, grey(96)},
                     {10, 10, grey(96)}, {18, 5, grey(96)}, {10, 9, grey(112)}, {17, 5, grey(112)}, {10, 0, D}}},
    {4, Look::Disabled, {{10, 5, L}, {10, 1, H}}},
    {5, Look::Up, {{10, 5, grey(204)}, {10, 1, H}, {1, 5, H}, {18, 5, H}, {10, 10, H}, {10, 0, grey(102)},
                   {0, 5, grey(102)}, {1, 10, grey(154)}, {18, 1, grey(154)}}},
    {5, Look::Down, {{10, 5, grey(144)}, {10, 1, grey(144)}, {10, 10, H}, {18, 5, H}, {10, 0, grey(102)}}},
    {5, Look::Disabled, {{10, 5, grey(204)}, {10, 1, grey(204)}, {10, 0, S}}},
    {6, Look::Up, {{10, 0, grey(231)}, {0, 5, grey(231)}, {10, 11, S}, {19, 5, S}, {1, 1, F}}},
    {6, Look::Down, {{10, 0, S}, {10, 11, grey(231)}}},
    {7, Look::Up, {{10, 0, H}, {10, 11, S}, {1, 1, F}}},
    {7, Look::Down, {{10, 0, S}, {10, 11, H}}},
    {7, Look::Disabled, {{10, 0, H}, {10, 11, S}}},
    {8, Look::Up, {{10, 0, F}, {10, 11, F}}},
    {8, Look::Hovered, {{10, 0, H}, {10, 11, S}}},
    {8, Look::Down, {{10, 0, S}, {10, 11, H}}},
    {8, Look::Disabled, {{10, 0, F}}},
    {9, Look::Up, {{10, 0, F}, {10, 5, F}}},
    {9, Look::Hovered, {{10, 0, Sel}, {0, 5, Sel}, {10, 5, SelLight}, {1, 1, SelLight}}},
    {9, Look::Down, {{10, 0, Sel}, {10, 5, rgb(128, 128, 191)}}},
    {10, Look::Hovered, {{10, 0, F}, {10, 11, F}}},
    {10, Look::Down, {{10, 0, F}}},
    {11, Look::Up, {{10, 0, F}, {10, 5, F}}},
    {12, Look::Up, {{10, 0, F}, {10, 11, F}}},
    {12, Look::Hovered, {{10, 0, H}, {10, 11, D}, {1, 1, L}, {10, 10, S}}},
    {12, Look::Down, {{10, 0, D}, {10, 11, H}, {1, 1, S}}},
    {12, Look::Disabled, {{10, 0, F}}},
    {13, Look::Up, {{10, 1, F}, {10, 5, F}}},
    {13, Look::Hovered, {{10, 0, S}, {10, 1, S}, {0, 5, S}, {1, 5, S}, {2, 5, F}, {10, 2, F}, {0, 0, F}}},
    {13, Look::Down, {{10, 1, D}, {0, 5, D}, {10, 5, grey(160)}, {0, 0, F}}},
    {13, Look::Disabled, {{10, 1, F}, {0, 5, F}}},
    {14, Look::Up, {{10, 0, grey(78)}, {10, 1, grey(183)}, {1, 5, grey(183)}, {18, 5, grey(183)},
                    {10, 10, grey(183)}, {10, 2, H}, {10, 3, H}, {2, 5, H}, {3, 5, H}, {10, 4, grey(236)},
                    {10, 5, grey(231)}}},
    {14, Look::Hovered, {{10, 5, L}, {10, 2, H}, {10, 0, grey(78)}}},
    {14, Look::Down, {{10, 5, grey(183)}, {10, 1, grey(183)}, {10, 0, grey(80)}}},
    {14, Look::Disabled, {{10, 1, grey(250)}, {10, 2, grey(245)}, {10, 0, grey(78)}}},
};

TEST(ButtonStyleFrames, EachLookDrawsItsLines) {
    for (const FrameCase& fc : kFrames) {
        StyledButton sb(fc.style, fc.look);
        for (const Sample& s : fc.samples)
            EXPECT_EQ(sb.px(s.x, s.y), s.c) << "style " << fc.style << " " << lookName(fc.look) << " at " << s.x
                                             << "," << s.y;
    }
}

// Every pixel of every style and look is drawn, whatever the style leaves flat.
TEST(ButtonStyleFrames, NothingIsLeftUndrawnAtTwoSizes) {
    for (int style = 1; style <= 14; ++style)
        for (Look look : {Look::Up, Look::Hovered, Look::Down, Look::Disabled})
            for (auto [w, h] : {std::pair{20, 12}, std::pair{47, 31}}) {
                StyledButton sb(style, look, w, h);
                int blank = 0;
                for (int y = 0; y < h; ++y)
                    for (int x = 0; x < w; ++x) blank += sb.px(x, y) == kCanvasBlank;
                EXPECT_EQ(blank, 0) << "style " << style << " " << lookName(look) << " " << w << "x" << h;
            }
}

struct CaptionCase {
    int style;
    Look look;
    std::vector<Color> colours;  // of the text calls, in drawing order
    int dx;                      // where the last one sits against the caption rectangle
};

TEST(ButtonStyleCaptions, ModesFollowTheStyleAndLook) {
    const std::vector<CaptionCase> cases{
        {1, Look::Disabled, {H, S}, 0},       {3, Look::Disabled, {rgb(136, 136, 110)}, 0},
        {4, Look::Down, {L}, 1},              {4, Look::Disabled, {H, S}, 0},
        {5, Look::Down, {D}, 0},              {5, Look::Disabled, {S}, 0},
        {6, Look::Disabled, {S}, 0},          {7, Look::Down, {D}, 1},
        {9, Look::Disabled, {S}, 0},          {10, Look::Up, {}, 0},
        {10, Look::Disabled, {}, 0},          {11, Look::Disabled, {H, S}, 0},
        {13, Look::Down, {D}, 1},             {14, Look::Disabled, {H, F}, 0},
    };
    for (const CaptionCase& c : cases) {
        StyledButton sb(c.style, c.look);
        std::vector<Color> got;
        for (const TextCall& t : sb.b.host.texts) got.push_back(t.colour);
        EXPECT_EQ(got, c.colours) << "style " << c.style << " " << lookName(c.look);
        if (got.empty()) continue;
        EXPECT_EQ(sb.b.host.texts.back().rect, sb.b->layout().caption.offset(c.dx, c.dx))
            << "style " << c.style << " " << lookName(c.look);
    }
}

TEST(ButtonStyleCaptions, SheenCaptionIsBoldOnlyAsTheDefaultButton) {
    StyledButton sb(14, Look::Up);
    EXPECT_FALSE(sb.b.host.texts.back().font.bold);
    sb.b.host.isDefault = true;
    sb.b->Refresh();
    EXPECT_TRUE(sb.b.host.texts.back().font.bold);
}

TEST(ButtonStyleFocus, GlossyGlowsBlueAndNotchedFramesItsCaption) {
    StyledButton glossy(3, Look::Up);
    glossy.b->gotFocus();
    EXPECT_EQ(glossy.px(10, 1), rgb(206, 231, 255));
    EXPECT_EQ(glossy.px(1, 5), rgb(140, 174, 231));
    glossy.b->ShowFocusRect(false);
    EXPECT_EQ(glossy.px(10, 1), H);

    PlacedButton notched(60, 24, "Go");
    notched->ColorScheme(3);
    notched->ButtonType(5);
    notched->gotFocus();
    const Rect c = notched->layout().caption;
    const Color frame = rgb(153, 153, 204);
    EXPECT_EQ(notched.host.bitmap().pixel(c.left - 2, c.top - 1), frame);
    EXPECT_EQ(notched.host.bitmap().pixel(c.right + 1, c.bottom), frame);
    EXPECT_EQ(notched.host.bitmap().pixel(c.left - 3, c.top), grey(204));
}

TEST(ButtonRegion, EllipseRowsAreTheDrawnEllipse) {
    const RegionShape s = regionFor(13, kW, kH);
    ASSERT_EQ(s.rows.size(), 12u);
    EXPECT_EQ(s.rows.front(), (Span{0, 6, 14}));
    EXPECT_EQ(s.rows[5], (Span{5, 0, 20}));
    EXPECT_EQ(s.rows.back(), (Span{11, 6, 14}));
    EXPECT_TRUE(ellipseRows({0, 0, 0, 5}).empty());
}

TEST(ButtonTransparentStyle, DrawsTheCapturedBackgroundOrTheFace) {
    PlacedButton b(kW, kH, "A");
    b->ColorScheme(3);
    b->ButtonType(11);
    EXPECT_EQ(b.host.bitmap().pixel(3, 3), F);  // nothing captured yet
    b.host.captured = std::make_unique<BitmapCanvas>(kW, kH, rgb(9, 99, 199));
    b->Refresh();
    EXPECT_EQ(b.host.bitmap().pixel(3, 3), rgb(9, 99, 199));
    b.host.captured = std::make_unique<BitmapCanvas>(kW + 1, kH, rgb(9, 99, 199));  // a capture of another size
    b->Refresh();
    EXPECT_EQ(b.host.bitmap().pixel(3, 3), F);
}

}  // namespace
