#include "controls/bitmap_canvas.h"

#include <gtest/gtest.h>

namespace {

using namespace controls;

constexpr Color kInk = rgb(9, 8, 7);

TEST(BitmapCanvas, LinesStopShortOfTheirEndPoint) {
    BitmapCanvas c(5, 5);
    c.line({0, 0}, {3, 0}, kInk);
    c.line({4, 4}, {4, 1}, kInk);
    EXPECT_EQ(c.pixel(2, 0), kInk);
    EXPECT_EQ(c.pixel(3, 0), 0u);
    EXPECT_EQ(c.pixel(4, 2), kInk);
    EXPECT_EQ(c.pixel(4, 1), 0u);
}

TEST(BitmapCanvas, FrameRectDrawsOnePixelInside) {
    BitmapCanvas c(6, 6);
    c.frameRect({1, 1, 5, 5}, kInk);
    EXPECT_EQ(c.pixel(1, 1), kInk);
    EXPECT_EQ(c.pixel(4, 4), kInk);
    EXPECT_EQ(c.pixel(2, 2), 0u);
    EXPECT_EQ(c.pixel(5, 5), 0u);
}

TEST(BitmapCanvas, DrawingOffTheGridIsClipped) {
    BitmapCanvas c(3, 3);
    c.fillRect({-5, -5, 50, 1}, kInk);
    c.setPixel(-1, 7, kInk);
    c.line({-4, 2}, {9, 2}, kInk);
    EXPECT_EQ(c.pixel(2, 0), kInk);
    EXPECT_EQ(c.pixel(2, 1), 0u);
    EXPECT_EQ(c.pixel(1, 2), kInk);
    EXPECT_EQ(c.pixel(3, 0), BitmapCanvas::kOutside);
}

TEST(FixedPitchMeasurer, WrapsAtBlanksWithinTheArea) {
    const FixedPitchMeasurer m(6, 13);
    EXPECT_EQ(m.measureText("alpha beta gamma", {1, 1, 58, 22}, Font{}), (Rect{1, 1, 31, 40}));
    EXPECT_EQ(m.measureText("&Save && go", {0, 0, 200, 10}, Font{}), (Rect{0, 0, 54, 13}));
    EXPECT_EQ(m.measureText("", {4, 4, 20, 20}, Font{}), (Rect{4, 4, 4, 4}));
}

}  // namespace
