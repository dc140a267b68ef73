#include <gtest/gtest.h>

#include <windows.h>

#include "win32/win32_services.h"

TEST(Win32Desktop, OnlyTheFirstHolderOfTheNameIsTheFirstCopy) {
    const std::string name = "Vantrel.Test." + std::to_string(GetCurrentProcessId());
    {
        win32::Win32Desktop first("Vantrel", name);
        EXPECT_FALSE(first.anotherInstanceRunning());
        win32::Win32Desktop second("Vantrel", name);
        EXPECT_TRUE(second.anotherInstanceRunning());
        EXPECT_FALSE(first.anotherInstanceRunning()) << "asking again does not make the first copy a second one";
    }
    win32::Win32Desktop later("Vantrel", name);
    EXPECT_FALSE(later.anotherInstanceRunning()) << "the name is free once the first copy has gone";
    win32::Win32Desktop unnamed;
    EXPECT_FALSE(unnamed.anotherInstanceRunning());
}

TEST(Win32Desktop, ScreenAndClockInTheProgramsUnits) {
    win32::Win32Desktop desktop;
    HDC screen = GetDC(nullptr);
    const int dpi = GetDeviceCaps(screen, LOGPIXELSX);
    ReleaseDC(nullptr, screen);
    // The prefixes the tests run in: 96 DPI, and 192 DPI (200 per cent).
    struct Scale {
        int dpi;
        double twipsPerPixel;
    };
    const Scale scales[] = {{96, 15.0}, {120, 12.0}, {144, 10.0}, {168, 1440.0 / 168}, {192, 7.5}};
    const Scale* scale = nullptr;
    for (const Scale& s : scales)
        if (s.dpi == dpi) scale = &s;
    ASSERT_NE(scale, nullptr) << "a display scale the table does not know: " << dpi;
    EXPECT_DOUBLE_EQ(desktop.twipsPerPixelX(), scale->twipsPerPixel);
    EXPECT_DOUBLE_EQ(desktop.twipsPerPixelY(), scale->twipsPerPixel);
    EXPECT_NEAR(desktop.screenWidthTwips(), GetSystemMetrics(SM_CXSCREEN) * scale->twipsPerPixel, 0.5);
    EXPECT_NEAR(desktop.screenHeightTwips(), GetSystemMetrics(SM_CYSCREEN) * scale->twipsPerPixel, 0.5);
    const double now = desktop.secondsSinceMidnight();
    EXPECT_GE(now, 0.0);
    EXPECT_LT(now, 86400.0);
}
