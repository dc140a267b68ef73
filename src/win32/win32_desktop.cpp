#include <windows.h>
#include <commdlg.h>

#include <vector>

#include "ui/twips.h"
#include "win32/win32_services.h"

namespace win32 {
namespace {

int screenDpi(int logPixelsIndex) {
    HDC screen = GetDC(nullptr);
    int dpi = screen ? GetDeviceCaps(screen, logPixelsIndex) : 96;
    if (screen) ReleaseDC(nullptr, screen);
    return dpi > 0 ? dpi : 96;
}

// The window the user is working in asked; its box or dialog holds it (modal, placed over it).
HWND ownerFor(std::uintptr_t fixedOwner) {
    if (fixedOwner) return reinterpret_cast<HWND>(fixedOwner);
    HWND active = GetActiveWindow();
    return active && IsWindowVisible(active) ? active : nullptr;
}

UINT iconStyle(platform::MessageIcon icon) {
    switch (icon) {
    case platform::MessageIcon::Critical: return MB_ICONERROR;
    case platform::MessageIcon::Question: return MB_ICONQUESTION;
    case platform::MessageIcon::Exclamation: return MB_ICONWARNING;
    case platform::MessageIcon::Information: return MB_ICONINFORMATION;
    case platform::MessageIcon::None: break;
    }
    return 0;
}

}  // namespace

Win32Desktop::Win32Desktop(std::string applicationTitle, std::string instanceName)
    : title_(std::move(applicationTitle)), instanceName_(std::move(instanceName)) {}

Win32Desktop::~Win32Desktop() {
    if (mutex_) CloseHandle(mutex_);
}

bool Win32Desktop::anotherInstanceRunning() {
    if (instanceName_.empty()) return false;
    if (!mutex_) {
        mutex_ = CreateMutexA(nullptr, FALSE, instanceName_.c_str());
        // The first copy owns the name for its whole life; a later copy finds it taken.
        return mutex_ && GetLastError() == ERROR_ALREADY_EXISTS;
    }
    return false;
}

int Win32Desktop::screenWidthTwips() { return ui::pixelsToTwips(GetSystemMetrics(SM_CXSCREEN), screenDpi(LOGPIXELSX)); }

int Win32Desktop::screenHeightTwips() { return ui::pixelsToTwips(GetSystemMetrics(SM_CYSCREEN), screenDpi(LOGPIXELSY)); }

double Win32Desktop::twipsPerPixelX() { return ui::twipsPerPixel(screenDpi(LOGPIXELSX)); }

double Win32Desktop::twipsPerPixelY() { return ui::twipsPerPixel(screenDpi(LOGPIXELSY)); }

double Win32Desktop::secondsSinceMidnight() {
    SYSTEMTIME now;
    GetLocalTime(&now);
    return now.wHour * 3600.0 + now.wMinute * 60.0 + now.wSecond + now.wMilliseconds / 1000.0;
}

platform::CalendarTime Win32Desktop::localTime() {
    SYSTEMTIME now;
    GetLocalTime(&now);
    return {now.wYear, now.wMonth, now.wDay, now.wHour, now.wMinute, now.wSecond};
}

platform::MessageAnswer Win32Desktop::messageBox(const std::string& text, const std::string& title,
                                                 platform::MessageIcon icon, platform::MessageButtons buttons) {
    UINT style = iconStyle(icon) | (buttons == platform::MessageButtons::YesNo ? MB_YESNO : MB_OK);
    int answer = MessageBoxA(ownerFor(owner_), text.c_str(), title.empty() ? title_.c_str() : title.c_str(),
                             style);
    if (answer == IDYES) return platform::MessageAnswer::Yes;
    if (answer == IDNO) return platform::MessageAnswer::No;
    return platform::MessageAnswer::Ok;
}

std::optional<std::string> Win32Desktop::openFile(const platform::OpenFileRequest& request) {
    std::vector<char> path(MAX_PATH * 4, '\0');
    request.initialName.copy(path.data(), path.size() - 1);
    // The filter is pairs of description and pattern, each ended by a zero, the list by another.
    std::string filter = request.filter + '\0' + request.filter + '\0' + '\0';
    OPENFILENAMEA dialog{};
    dialog.lStructSize = sizeof dialog;
    dialog.hwndOwner = ownerFor(owner_);
    dialog.lpstrFilter = filter.c_str();
    dialog.lpstrFile = path.data();
    dialog.nMaxFile = static_cast<DWORD>(path.size());
    dialog.lpstrInitialDir = request.initialFolder.c_str();
    dialog.Flags = OFN_FILEMUSTEXIST | OFN_PATHMUSTEXIST | OFN_HIDEREADONLY | OFN_NOCHANGEDIR;
    if (!GetOpenFileNameA(&dialog)) return std::nullopt;
    return std::string(path.data());
}

std::string Win32Desktop::statusText(std::uint32_t status) {
    char text[512] = {};
    DWORD length = FormatMessageA(FORMAT_MESSAGE_FROM_SYSTEM | FORMAT_MESSAGE_IGNORE_INSERTS, nullptr, status, 0, text,
                                  sizeof text, nullptr);
    while (length > 0 && (text[length - 1] == '\r' || text[length - 1] == '\n' || text[length - 1] == ' ')) --length;
    if (length == 0) return "Error " + std::to_string(status) + ".";
    return std::string(text, length);
}

void Win32Desktop::yield() {
    MSG message;
    while (PeekMessageA(&message, nullptr, 0, 0, PM_REMOVE)) {
        if (message.message == WM_QUIT) {
            // Leave the quit for the main loop, which ends the program.
            PostQuitMessage(static_cast<int>(message.wParam));
            return;
        }
        TranslateMessage(&message);
        DispatchMessageA(&message);
    }
}

void Win32Desktop::endProcess() { ExitProcess(0); }

}  // namespace win32

namespace win32 {

std::string Win32Desktop::userName() {
    char name[257] = {};
    DWORD size = sizeof name;
    return GetUserNameA(name, &size) ? std::string(name) : std::string();
}

}  // namespace win32
