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
    EXPECT_EQ(desktop.twipsPerPixelX(), 1440 / dpi);
    EXPECT_EQ(desktop.screenWidthTwips(), GetSystemMetrics(SM_CXSCREEN) * (1440 / dpi));
    const double now = desktop.secondsSinceMidnight();
    EXPECT_GE(now, 0.0);
    EXPECT_LT(now, 86400.0);
}
