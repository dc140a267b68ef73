#include "win32/tray_icon.h"

#include <algorithm>

namespace win32 {

namespace {

constexpr int kTwipsPerInch = 1440;

HINSTANCE moduleInstance() { return GetModuleHandleA(nullptr); }

void registerTrayClass(WNDPROC procedure) {
    WNDCLASSEXA existing{};
    existing.cbSize = sizeof existing;
    if (GetClassInfoExA(moduleInstance(), kTrayWindowClass, &existing)) return;
    WNDCLASSEXA wc{};
    wc.cbSize = sizeof wc;
    wc.lpfnWndProc = procedure;
    wc.hInstance = moduleInstance();
    wc.lpszClassName = kTrayWindowClass;
    RegisterClassExA(&wc);
}

}  // namespace

NOTIFYICONDATAA notifyIconData(const controls::NotifyRecord& record) {
    NOTIFYICONDATAA data{};
    data.cbSize = NOTIFYICONDATAA_V1_SIZE;
    data.hWnd = reinterpret_cast<HWND>(record.window);
    data.uID = record.id;
    data.uFlags = record.flags;
    data.uCallbackMessage = record.callbackMessage;
    data.hIcon = reinterpret_cast<HICON>(record.icon);
    // The first-version tip holds 64 characters with its NUL; an unterminated record is cut.
    constexpr std::size_t kV1Tip = 64;
    static_assert(sizeof data.szTip >= kV1Tip && controls::kTipLength == kV1Tip);
    std::copy(record.tip.begin(), record.tip.end(), data.szTip);
    data.szTip[kV1Tip - 1] = '\0';
    return data;
}

bool ShellNotify::notify(int message, const controls::NotifyRecord& record) {
    NOTIFYICONDATAA data = notifyIconData(record);
    return Shell_NotifyIconA(static_cast<DWORD>(message), &data) != FALSE;
}

TrayWindow::TrayWindow() {
    registerTrayClass(&TrayWindow::procedure);
    hwnd_ = CreateWindowExA(WS_EX_TOOLWINDOW, kTrayWindowClass, "", WS_POPUP, 0, 0, 0, 0, nullptr, nullptr,
                            moduleInstance(), this);
}

TrayWindow::~TrayWindow() {
    if (!hwnd_) return;
    SetWindowLongPtrA(hwnd_, GWLP_USERDATA, 0);
    DestroyWindow(hwnd_);
}

int TrayWindow::twipsPerPixel() const {
    HDC screen = GetDC(nullptr);
    const int dpi = screen ? GetDeviceCaps(screen, LOGPIXELSX) : 96;
    if (screen) ReleaseDC(nullptr, screen);
    return kTwipsPerInch / (dpi > 0 ? dpi : 96);
}

void TrayWindow::setSize(int widthTwips, int heightTwips) {
    widthTwips_ = widthTwips;
    heightTwips_ = heightTwips;
}

// The shell puts the icon's mouse message where a mouse move keeps its x,
// and the control reads it back from there in twips.
LRESULT CALLBACK TrayWindow::procedure(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
    if (message == WM_NCCREATE) {
        auto* created = reinterpret_cast<CREATESTRUCTA*>(lParam);
        SetWindowLongPtrA(window, GWLP_USERDATA, reinterpret_cast<LONG_PTR>(created->lpCreateParams));
    }
    auto* self = reinterpret_cast<TrayWindow*>(GetWindowLongPtrA(window, GWLP_USERDATA));
    if (message == WM_NCDESTROY && self) {
        SetWindowLongPtrA(window, GWLP_USERDATA, 0);
        self->hwnd_ = nullptr;
        self = nullptr;
    }
    if (self && message == controls::kTrayCallbackMessage) {
        if (self->area_) {
            const double x = static_cast<double>(LOWORD(lParam)) * self->twipsPerPixel();
            self->area_->MouseMove(x);
        }
        return 0;
    }
    return DefWindowProcA(window, message, wParam, lParam);
}

TrayIcon::TrayIcon(controls::TrayEvents& events, std::function<double()> random)
    : generator_(std::random_device{}()),
      area_(shell_, window_, events, random ? std::move(random) : std::function<double()>([this] { return draw(); }),
            true) {
    window_.attach(&area_);
    area_.InitProperties();
}

TrayIcon::~TrayIcon() {
    area_.Terminate();
    window_.attach(nullptr);
}

double TrayIcon::draw() { return std::uniform_real_distribution<double>(0.0, 1.0)(generator_); }

}  // namespace win32
