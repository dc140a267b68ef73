// vantrelc.exe: the console program. It reads and reports; it opens no window,
// shows no tray icon, takes no single-instance mutex (a report may run while
// the program is open) and changes nothing but its own output file.
#include <windows.h>
#include <objbase.h>

#include <chrono>
#include <string>
#include <vector>

#include "report/console_program.h"
#include "report/report_kinds.h"
#include "win32/console/console_output.h"
#include "win32/win32_services.h"

int main(int argc, char** argv) {
    // The shortcut reader of the startup listing needs COM on this thread.
    CoInitializeEx(nullptr, COINIT_APARTMENTTHREADED);

    win32::Win32Machine services;  // no instance name: no mutex
    win32::ConsoleOutput out(STD_OUTPUT_HANDLE), error(STD_ERROR_HANDLE);
    const report::ReportKinds kinds = report::reportKinds();
    const auto started = std::chrono::steady_clock::now();
    report::Console console{services.machine,
                            out,
                            error,
                            error.isConsole(),
                            [started] {
                                return std::chrono::duration<double>(std::chrono::steady_clock::now() - started).count();
                            },
                            win32::ansiToUtf8,
                            kinds};
    const int code = report::runConsole(std::vector<std::string>(argv + 1, argv + argc), console);
    CoUninitialize();
    return code;
}
