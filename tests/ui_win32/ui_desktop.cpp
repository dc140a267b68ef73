#include "ui_win32/ui_desktop.h"

#include "win32/program.h"

namespace ui_test {

void pump(int milliseconds) {
    const DWORD end = GetTickCount() + static_cast<DWORD>(milliseconds);
    do {
        MSG message;
        while (PeekMessageA(&message, nullptr, 0, 0, PM_REMOVE)) win32::Program::dispatch(message);
        Sleep(5);
    } while (static_cast<int>(end - GetTickCount()) > 0);
}

}  // namespace ui_test
