#include <windows.h>
#include <shellapi.h>

#include <vector>

#include "win32/win32_services.h"

namespace win32 {

platform::Status Win32Processes::create(const std::string& commandLine, platform::ShowState show, void*& process) {
    STARTUPINFOA startup{};
    startup.cb = sizeof startup;
    startup.dwFlags = STARTF_USESHOWWINDOW;
    startup.wShowWindow = show == platform::ShowState::Hidden ? SW_HIDE : SW_SHOWNORMAL;
    PROCESS_INFORMATION started{};
    // CreateProcessA may write into the command line, so it gets its own copy.
    std::vector<char> line(commandLine.begin(), commandLine.end());
    line.push_back('\0');
    if (!CreateProcessA(nullptr, line.data(), nullptr, nullptr, FALSE, 0, nullptr, nullptr, &startup, &started))
        return static_cast<platform::Status>(GetLastError());
    CloseHandle(started.hThread);
    process = started.hProcess;
    return platform::kSuccess;
}

platform::Status Win32Processes::start(const std::string& commandLine, platform::ShowState show) {
    void* process = nullptr;
    const platform::Status status = create(commandLine, show, process);
    if (process) CloseHandle(process);
    return status;
}

platform::Status Win32Processes::startWatched(const std::string& commandLine, platform::ShowState show,
                                              ProcessId& id) {
    void* process = nullptr;
    id = 0;
    const platform::Status status = create(commandLine, show, process);
    if (status != platform::kSuccess) return status;
    id = nextId_++;
    watched_[id] = process;
    return status;
}

bool Win32Processes::hasEnded(ProcessId id) {
    const auto found = watched_.find(id);
    return found == watched_.end() || WaitForSingleObject(found->second, 0) != WAIT_TIMEOUT;
}

void Win32Processes::forget(ProcessId id) {
    const auto found = watched_.find(id);
    if (found == watched_.end()) return;
    CloseHandle(found->second);
    watched_.erase(found);
}

Win32Processes::~Win32Processes() {
    for (const auto& [id, process] : watched_) CloseHandle(process);
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
