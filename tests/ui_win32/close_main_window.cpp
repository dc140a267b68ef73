// Waits for Vantrel's main window to appear after the splash, then closes it
// as the user's close box would. Exit code 0 when the window was found and
// closed; scripts/test uses it to check that the program starts and ends cleanly.
#include <windows.h>

#include <cstdio>

int main() {
    for (int waited = 0; waited < 30000; waited += 100) {
        HWND window = FindWindowA(nullptr, "Vantrel 2003");
        if (window && IsWindowVisible(window)) {
            PostMessageA(window, WM_CLOSE, 0, 0);
            std::printf("closed the main window after %.1f s\n", waited / 1000.0);
            return 0;
        }
        Sleep(100);
    }
    std::printf("the main window did not appear\n");
    return 1;
}
