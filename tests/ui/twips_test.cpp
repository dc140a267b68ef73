#include "ui/twips.h"

#include <gtest/gtest.h>

namespace {

struct Scale {
    int dpi;
    double twipsPerPixel;
    int screenTwips;  // a 1280-pixel-wide screen
    int onePixel;     // twips of one pixel, rounded
};

// 100, 125, 150, 175 and 200 per cent.
constexpr Scale kScales[] = {
    {96, 15.0, 19200, 15}, {120, 12.0, 15360, 12}, {144, 10.0, 12800, 10},
    {168, 8.571428571428571, 10971, 9}, {192, 7.5, 9600, 8},
};

}  // namespace

TEST(Twips, PixelsAndTwipsAtEachDisplayScale) {
    for (const Scale& scale : kScales) {
        SCOPED_TRACE(scale.dpi);
        EXPECT_DOUBLE_EQ(ui::twipsPerPixel(scale.dpi), scale.twipsPerPixel);
        EXPECT_EQ(ui::pixelsToTwips(1280, scale.dpi), scale.screenTwips);
        EXPECT_EQ(ui::pixelsToTwips(1, scale.dpi), scale.onePixel);
        EXPECT_EQ(ui::pixelsToTwips(-1, scale.dpi), -scale.onePixel) << "positions left of the screen round alike";
    }
    EXPECT_EQ(ui::pixelsToTwips(1280, 0), 19200) << "an unknown scale counts as 96 DPI";
}
