// Vantrel's entry point: the real services, then the program on real windows.
#include <windows.h>
#include <commctrl.h>
#include <objbase.h>

#include "win32/program.h"
#include "win32/win32_services.h"

int WINAPI WinMain(HINSTANCE, HINSTANCE, LPSTR, int) {
    INITCOMMONCONTROLSEX controls{sizeof controls, ICC_LISTVIEW_CLASSES | ICC_BAR_CLASSES | ICC_STANDARD_CLASSES};
    InitCommonControlsEx(&controls);
    CoInitializeEx(nullptr, COINIT_APARTMENTTHREADED);

    win32::Win32Machine services("Vantrel.SingleInstance");
    win32::Program program(services.machine);
    if (!program.start()) return 0;
    return program.run();
}
