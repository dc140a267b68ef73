#include "win32/console/console_output.h"

#include <windows.h>

namespace win32 {

namespace {

std::wstring wide(std::string_view text, UINT codePage) {
    if (text.empty()) return {};
    const int length = MultiByteToWideChar(codePage, 0, text.data(), static_cast<int>(text.size()), nullptr, 0);
    std::wstring out(static_cast<std::size_t>(length > 0 ? length : 0), L'\0');
    if (length > 0) MultiByteToWideChar(codePage, 0, text.data(), static_cast<int>(text.size()), out.data(), length);
    return out;
}

}  // namespace

ConsoleOutput::ConsoleOutput(unsigned long standardHandle) : handle_(GetStdHandle(standardHandle)) {
    DWORD mode = 0;
    isConsole_ = handle_ != nullptr && handle_ != INVALID_HANDLE_VALUE && GetConsoleMode(handle_, &mode);
}

void ConsoleOutput::write(std::string_view utf8) {
    if (handle_ == nullptr || handle_ == INVALID_HANDLE_VALUE || utf8.empty()) return;
    if (isConsole_) {
        const std::wstring text = wide(utf8, CP_UTF8);
        DWORD written = 0;
        WriteConsoleW(handle_, text.data(), static_cast<DWORD>(text.size()), &written, nullptr);
        return;
    }
    for (std::size_t done = 0; done < utf8.size();) {
        DWORD written = 0;
        if (!WriteFile(handle_, utf8.data() + done, static_cast<DWORD>(utf8.size() - done), &written, nullptr) ||
            written == 0)
            return;  // a closed pipe: nobody reads the rest
        done += written;
    }
}

std::string ansiToUtf8(std::string_view text) {
    const std::wstring utf16 = wide(text, CP_ACP);
    if (utf16.empty()) return {};
    const int length =
        WideCharToMultiByte(CP_UTF8, 0, utf16.data(), static_cast<int>(utf16.size()), nullptr, 0, nullptr, nullptr);
    std::string out(static_cast<std::size_t>(length > 0 ? length : 0), '\0');
    if (length > 0)
        WideCharToMultiByte(CP_UTF8, 0, utf16.data(), static_cast<int>(utf16.size()), out.data(), length, nullptr,
                            nullptr);
    return out;
}

}  // namespace win32
