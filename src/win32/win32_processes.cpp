#include <windows.h>
#include <shellapi.h>

#include <vector>

#include "win32/win32_services.h"

namespace win32 {

platform::Status Win32Processes::start(const std::string& commandLine, platform::ShowState show) {
    STARTUPINFOA startup{};
    startup.cb = sizeof startup;
    startup.dwFlags = STARTF_USESHOWWINDOW;
    startup.wShowWindow = show == platform::ShowState::Hidden ? SW_HIDE : SW_SHOWNORMAL;
    PROCESS_INFORMATION process{};
    // CreateProcessA may write into the command line, so it gets its own copy.
    std::vector<char> line(commandLine.begin(), commandLine.end());
    line.push_back('\0');
    if (!CreateProcessA(nullptr, line.data(), nullptr, nullptr, FALSE, 0, nullptr, nullptr, &startup, &process))
        return static_cast<platform::Status>(GetLastError());
    CloseHandle(process.hThread);
    CloseHandle(process.hProcess);
    return platform::kSuccess;
}

platform::Status Win32Processes::openAddress(const std::string& address) {
    auto result = reinterpret_cast<INT_PTR>(
        ShellExecuteA(nullptr, "open", address.c_str(), nullptr, nullptr, SW_SHOWNORMAL));
    // ShellExecute reports success as a value above 32, failures as small error codes.
    if (result > 32) return platform::kSuccess;
    return result == 0 ? platform::kGenFailure : static_cast<platform::Status>(result);
}

}  // namespace win32

namespace win32 {

std::string Win32Processes::expandEnvironment(const std::string& text) {
    std::string out(text.size() + 256, '\0');
    for (;;) {
        const DWORD needed = ExpandEnvironmentStringsA(text.c_str(), out.data(), static_cast<DWORD>(out.size()));
        if (needed == 0) return text;
        if (needed <= out.size()) {
            out.resize(needed - 1);
            return out;
        }
        out.resize(needed);
    }
}

}  // namespace win32
