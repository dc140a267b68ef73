#include "win32/drawn_button_window.h"

#include <cctype>
#include <cstring>

namespace win32 {

namespace {

constexpr std::int16_t kLeft = 1;
constexpr std::int16_t kRight = 2;
constexpr std::int16_t kShiftMask = 1;
constexpr std::int16_t kCtrlMask = 2;
constexpr std::int16_t kAltMask = 4;

HINSTANCE moduleInstance() { return GetModuleHandleA(nullptr); }

void registerButtonClass(WNDPROC procedure) {
    WNDCLASSEXA existing{};
    existing.cbSize = sizeof existing;
    if (GetClassInfoExA(moduleInstance(), kDrawnButtonClass, &existing)) return;
    WNDCLASSEXA wc{};
    wc.cbSize = sizeof wc;
    wc.style = CS_DBLCLKS;  // the logic gives a double click its own handling
    wc.lpfnWndProc = procedure;
    wc.hInstance = moduleInstance();
    wc.hCursor = LoadCursor(nullptr, IDC_ARROW);
    wc.lpszClassName = kDrawnButtonClass;
    RegisterClassExA(&wc);
}

bool keyHeld(int key) { return (GetKeyState(key) & 0x8000) != 0; }

std::int16_t shiftFromKeyboard() {
    std::int16_t shift = 0;
    if (keyHeld(VK_SHIFT)) shift |= kShiftMask;
    if (keyHeld(VK_CONTROL)) shift |= kCtrlMask;
    if (keyHeld(VK_MENU)) shift |= kAltMask;
    return shift;
}

std::int16_t shiftFromMouse(WPARAM wParam) {
    std::int16_t shift = 0;
    if (wParam & MK_SHIFT) shift |= kShiftMask;
    if (wParam & MK_CONTROL) shift |= kCtrlMask;
    if (keyHeld(VK_MENU)) shift |= kAltMask;
    return shift;
}

// The buttons held during a move, as the logic's mask: 1 left, 2 right, 4 middle.
std::int16_t buttonsHeld(WPARAM wParam) {
    std::int16_t held = 0;
    if (wParam & MK_LBUTTON) held |= 1;
    if (wParam & MK_RBUTTON) held |= 2;
    if (wParam & MK_MBUTTON) held |= 4;
    return held;
}

// Positions go to the logic in the window's pixels.
float xOf(LPARAM lParam) { return static_cast<float>(static_cast<short>(LOWORD(lParam))); }
float yOf(LPARAM lParam) { return static_cast<float>(static_cast<short>(HIWORD(lParam))); }

HCURSOR standardCursor(int kind) {
    LPCSTR id = nullptr;
    switch (kind) {
        case 1: id = IDC_ARROW; break;
        case 2: id = IDC_CROSS; break;
        case 3: id = IDC_IBEAM; break;
        case 5:
        case 15: id = IDC_SIZEALL; break;
        case 6: id = IDC_SIZENESW; break;
        case 7: id = IDC_SIZENS; break;
        case 8: id = IDC_SIZENWSE; break;
        case 9: id = IDC_SIZEWE; break;
        case 10: id = IDC_UPARROW; break;
        case 11: id = IDC_WAIT; break;
        case 12: id = IDC_NO; break;
        case 13: id = IDC_APPSTARTING; break;
        case 14: id = IDC_HELP; break;
        default: return nullptr;
    }
    return LoadCursorA(nullptr, id);
}

// The style's shape as a window region; null for a plain rectangle, and null
// when GDI refuses a piece, so the window stays whole rather than half cut.
HRGN regionOf(const controls::RegionShape& shape, GdiLedger& ledger) {
    const bool ellipse = shape.kind == controls::RegionShape::Kind::Ellipse;
    if (!ellipse && shape.removed.empty()) return nullptr;
    HRGN region =
        counted(ledger, ellipse ? CreateRectRgn(0, 0, 0, 0) : CreateRectRgn(0, 0, shape.width, shape.height));
    if (!region) return nullptr;
    const auto combine = [&](int left, int top, int right, int bottom, int mode) {
        HRGN piece = counted(ledger, CreateRectRgn(left, top, right, bottom));
        const bool combined = piece && CombineRgn(region, region, piece, mode) != ERROR;
        deleteObject(ledger, piece);
        return combined;
    };
    bool whole = true;
    for (const controls::Span& row : shape.rows)
        whole = whole && combine(row.left, row.y, row.right, row.y + 1, RGN_OR);
    for (const controls::Point& p : shape.removed) whole = whole && combine(p.x, p.y, p.x + 1, p.y + 1, RGN_DIFF);
    if (whole) return region;
    deleteObject(ledger, region);
    return nullptr;
}

bool isInputMessage(UINT message) {
    return (message >= WM_MOUSEFIRST && message <= WM_MOUSELAST) || message == WM_KEYDOWN || message == WM_KEYUP ||
           message == WM_CHAR;
}

}  // namespace

DrawnButtonWindow::DrawnButtonWindow(HWND parent, const RECT& pixels, int controlId, const std::string& hostName,
                                     controls::ButtonEvents& events, bool visible, GdiLedger* ledger)
    : ledger_(ledger ? *ledger : ownLedger_), canvas_(ledger_), background_(ledger_), measurer_(ledger_) {
    registerButtonClass(&DrawnButtonWindow::procedure);
    DWORD style = WS_CHILD | WS_TABSTOP | WS_CLIPSIBLINGS;
    if (visible) style |= WS_VISIBLE;
    hwnd_ = CreateWindowExA(0, kDrawnButtonClass, "", style, pixels.left, pixels.top, pixels.right - pixels.left,
                            pixels.bottom - pixels.top, parent,
                            reinterpret_cast<HMENU>(static_cast<INT_PTR>(controlId)), moduleInstance(), this);
    button_ = std::make_unique<controls::DrawnButton>(controls::ButtonHost{*this, *this, *this, measurer_, events},
                                                      hostName);
    button_->InitProperties();
    RECT client{};
    if (hwnd_) GetClientRect(hwnd_, &client);
    button_->Resize(client.right, client.bottom);
    if (visible) button_->Show();
}

DrawnButtonWindow::~DrawnButtonWindow() {
    if (button_) button_->Terminate();
    if (hwnd_) {
        // Whatever DestroyWindow still sends must not reach a half-destroyed button.
        SetWindowLongPtrA(hwnd_, GWLP_USERDATA, 0);
        DestroyWindow(hwnd_);
    }
}

DrawnButtonWindow* DrawnButtonWindow::fromHandle(HWND window) {
    if (!window) return nullptr;
    char name[32] = {};
    if (!GetClassNameA(window, name, sizeof name) || std::strcmp(name, kDrawnButtonClass) != 0) return nullptr;
    return reinterpret_cast<DrawnButtonWindow*>(GetWindowLongPtrA(window, GWLP_USERDATA));
}

void DrawnButtonWindow::setDefault(bool isDefault) {
    if (isDefault == isDefault_) return;
    isDefault_ = isDefault;
    button_->Refresh();
}

LRESULT CALLBACK DrawnButtonWindow::procedure(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
    if (message == WM_NCCREATE) {
        auto* created = reinterpret_cast<CREATESTRUCTA*>(lParam);
        auto* owner = static_cast<DrawnButtonWindow*>(created->lpCreateParams);
        SetWindowLongPtrA(window, GWLP_USERDATA, reinterpret_cast<LONG_PTR>(owner));
        if (owner) owner->hwnd_ = window;
    }
    auto* self = reinterpret_cast<DrawnButtonWindow*>(GetWindowLongPtrA(window, GWLP_USERDATA));
    if (message == WM_NCDESTROY && self) {
        SetWindowLongPtrA(window, GWLP_USERDATA, 0);
        self->hwnd_ = nullptr;
        self = nullptr;
    }
    if (!self || !self->button_) return DefWindowProcA(window, message, wParam, lParam);
    return self->onMessage(message, wParam, lParam);
}

// A handler that lets the logic raise Click returns straight after it: the
// click may close the form and destroy this window with it.
LRESULT DrawnButtonWindow::onMessage(UINT message, WPARAM wParam, LPARAM lParam) {
    // Windows keeps input from a disabled window; messages sent to it directly stop here too.
    if (isInputMessage(message) && !IsWindowEnabled(hwnd_)) return 0;
    controls::DrawnButton& b = *button_;
    switch (message) {
        case WM_LBUTTONDOWN:
            SetFocus(hwnd_);
            onMouseDown(kLeft, wParam, lParam);
            return 0;
        case WM_LBUTTONDBLCLK:
            leftPressed_ = true;
            b.doubleClick(shiftFromMouse(wParam), xOf(lParam), yOf(lParam));
            return 0;
        case WM_LBUTTONUP: onMouseUp(kLeft, wParam, lParam); return 0;
        case WM_RBUTTONDOWN:
        case WM_RBUTTONDBLCLK: onMouseDown(kRight, wParam, lParam); return 0;
        case WM_RBUTTONUP: onMouseUp(kRight, wParam, lParam); return 0;
        case WM_MOUSEMOVE: b.mouseMove(buttonsHeld(wParam), shiftFromMouse(wParam), xOf(lParam), yOf(lParam)); return 0;
        case WM_CAPTURECHANGED:
            if (reinterpret_cast<HWND>(lParam) != hwnd_) leftPressed_ = false;
            return 0;
        case WM_KEYDOWN: b.keyDown(static_cast<std::int16_t>(wParam), shiftFromKeyboard()); return 0;
        case WM_KEYUP: b.keyUp(static_cast<std::int16_t>(wParam), shiftFromKeyboard()); return 0;
        case WM_CHAR: b.keyPress(static_cast<std::int16_t>(static_cast<unsigned char>(wParam))); return 0;
        case WM_SYSCHAR:
            if (routeAccessKey(GetAncestor(hwnd_, GA_ROOT), static_cast<char>(wParam))) return 0;
            break;
        case WM_SETFOCUS: b.gotFocus(); return 0;
        case WM_KILLFOCUS: b.lostFocus(); return 0;
        case WM_TIMER:
            if (wParam != kHoverTimerId) break;
            b.hoverTimer();
            return 0;
        // A push button to the dialog manager (Enter presses the focused one), keeping the arrows it moves by.
        case WM_GETDLGCODE:
            return DLGC_BUTTON | DLGC_WANTARROWS |
                   (b.hasFocus() || isDefault_ ? DLGC_DEFPUSHBUTTON : DLGC_UNDEFPUSHBUTTON);
        case BM_GETSTATE:
            return (b.drawnDown() ? BST_PUSHED : 0) | (b.hasFocus() ? BST_FOCUS : 0) |
                   (b.CheckBoxBehaviour() && b.Value() ? BST_CHECKED : 0);
        case BM_CLICK:
            if (IsWindowEnabled(hwnd_)) b.accessKeyPressed();
            return 0;
        case WM_SIZE: b.Resize(LOWORD(lParam), HIWORD(lParam)); return 0;
        case WM_ENABLE:
            if (!syncingEnabled_ && b.Enabled() != (wParam != 0)) b.Enabled(wParam != 0);
            return 0;
        case WM_SHOWWINDOW:
            if (capturingBackground_) break;
            if (lParam == SW_PARENTOPENING && wParam) captureWhenShown();
            // Only ShowWindow on this control; the parent opening or closing sends other reasons.
            if (lParam != 0) break;
            if (wParam) b.Show();
            else b.Hide();
            break;
        case kCaptureBackgroundMessage:
            if (b.ButtonType() == 11 && IsWindowVisible(hwnd_)) b.Refresh();
            return 0;
        case WM_SYSCOLORCHANGE:
        case WM_THEMECHANGED: b.ambientChanged(); return 0;
        case WM_SETCURSOR:
            if (LOWORD(lParam) == HTCLIENT && onSetCursor()) return TRUE;
            break;
        case WM_ERASEBKGND: return 1;  // the drawing covers every pixel
        case WM_PAINT: onPaint(); return 0;
        case WM_PRINTCLIENT: canvas_.copyTo(reinterpret_cast<HDC>(wParam)); return 0;
        default: break;
    }
    return DefWindowProcA(hwnd_, message, wParam, lParam);
}

void DrawnButtonWindow::onMouseDown(std::int16_t which, WPARAM wParam, LPARAM lParam) {
    if (which == kLeft) {
        leftPressed_ = true;
        SetCapture(hwnd_);
    }
    button_->mouseDown(which, shiftFromMouse(wParam), xOf(lParam), yOf(lParam));
}

// A click needs the press on the control and the release over it, as a push button.
void DrawnButtonWindow::onMouseUp(std::int16_t which, WPARAM wParam, LPARAM lParam) {
    const bool wasPressed = which == kLeft && leftPressed_;
    if (which == kLeft) {
        leftPressed_ = false;
        if (GetCapture() == hwnd_) ReleaseCapture();
    }
    button_->mouseUp(which, shiftFromMouse(wParam), xOf(lParam), yOf(lParam));
    if (!wasPressed) return;
    RECT client{};
    GetClientRect(hwnd_, &client);
    const POINT at{static_cast<short>(LOWORD(lParam)), static_cast<short>(HIWORD(lParam))};
    if (PtInRect(&client, at)) button_->click();
}

// Posted, so the capture comes after the parent has finished showing itself.
void DrawnButtonWindow::captureWhenShown() {
    if (!captureWaiting_ || button_->ButtonType() != 11) return;
    captureWaiting_ = false;
    PostMessageA(hwnd_, kCaptureBackgroundMessage, 0, 0);
}

// A child is painted, but not told, when its hidden parent is shown: the
// first paint is the sign that a waiting capture can be made now.
void DrawnButtonWindow::onPaint() {
    captureWhenShown();
    PAINTSTRUCT ps;
    HDC dc = BeginPaint(hwnd_, &ps);
    if (canvas_.isEmpty()) {
        FillRect(dc, &ps.rcPaint, GetSysColorBrush(COLOR_BTNFACE));  // nothing drawn yet
    } else {
        canvas_.copyTo(dc);
    }
    EndPaint(hwnd_, &ps);
}

bool DrawnButtonWindow::onSetCursor() {
    HCURSOR cursor = pointerKind_ == controls::kPointerCustom ? customCursor_ : standardCursor(pointerKind_);
    if (!cursor) return false;
    SetCursor(cursor);
    return true;
}

void DrawnButtonWindow::ensureSurface(int width, int height) {
    if (canvas_.width() == width && canvas_.height() == height && !canvas_.isEmpty()) return;
    canvas_.resize(width, height);
}

void DrawnButtonWindow::present() {
    if (!hwnd_ || canvas_.isEmpty() || !IsWindowVisible(hwnd_)) return;
    const WindowDc dc(ledger_, hwnd_);
    canvas_.copyTo(dc.get());
}

// The logic hands over the shape on every resize, so the surface follows it here.
void DrawnButtonWindow::applyRegion(const controls::RegionShape& shape) {
    ensureSurface(shape.width, shape.height);
    if (!hwnd_) return;
    HRGN region = regionOf(shape, ledger_);
    // Once SetWindowRgn has taken it, the region is the system's to delete; a refused one stays ours.
    if (!SetWindowRgn(hwnd_, region, IsWindowVisible(hwnd_))) deleteObject(ledger_, region);
    else if (region) ++ledger_.freed;
}

void DrawnButtonWindow::setEnabled(bool enabled) {
    if (!hwnd_) return;
    syncingEnabled_ = true;
    EnableWindow(hwnd_, enabled ? TRUE : FALSE);
    syncingEnabled_ = false;
}

void DrawnButtonWindow::setMouseIcon(const controls::Picture& icon) {
    customCursor_ = reinterpret_cast<HCURSOR>(icon.handle);
}

// The program's own hand, or the system's where the resource is missing (tests).
void DrawnButtonWindow::useHandCursor() {
    HCURSOR hand = LoadCursorA(moduleInstance(), MAKEINTRESOURCEA(kHandCursorResource));
    customCursor_ = hand ? hand : LoadCursorA(nullptr, IDC_HAND);
}

void DrawnButtonWindow::captureMouse() {
    if (hwnd_) SetCapture(hwnd_);
}

// Across the whole window, as Tab goes: the menu frame is not a world of its own.
void DrawnButtonWindow::moveFocus(bool forward) {
    if (!hwnd_) return;
    HWND next = GetNextDlgTabItem(GetAncestor(hwnd_, GA_ROOT), hwnd_, forward ? FALSE : TRUE);
    if (next && next != hwnd_) SetFocus(next);
}

void DrawnButtonWindow::captionChanged(const std::string& caption) {
    if (hwnd_) SetWindowTextA(hwnd_, caption.c_str());
}

// Hidden for a moment, the control lets its parent repaint the spot it covers.
// Only a button on the screen over a parent that has painted sees the truth
// there; otherwise no capture is kept and the face colour stands in for it.
void DrawnButtonWindow::captureBackground() {
    background_.release();
    if (!hwnd_) return;
    HWND parent = GetParent(hwnd_);
    if (!parent || !IsWindowVisible(hwnd_)) {
        captureWaiting_ = true;
        return;
    }
    captureWaiting_ = false;
    RECT r{};
    GetWindowRect(hwnd_, &r);
    MapWindowPoints(nullptr, parent, reinterpret_cast<POINT*>(&r), 2);
    if (!background_.resize(r.right - r.left, r.bottom - r.top)) return;
    capturingBackground_ = true;
    constexpr UINT kKeep = SWP_NOMOVE | SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE;
    SetWindowPos(hwnd_, nullptr, 0, 0, 0, 0, kKeep | SWP_HIDEWINDOW);
    UpdateWindow(parent);
    RECT pending{}, overlap{};
    const bool painted = !GetUpdateRect(parent, &pending, FALSE) || !IntersectRect(&overlap, &pending, &r);
    bool copied = false;
    if (painted) {
        const WindowDc dc(ledger_, parent);
        copied = background_.copyFrom(dc.get(), r.left, r.top);
    }
    SetWindowPos(hwnd_, nullptr, 0, 0, 0, 0, kKeep | SWP_SHOWWINDOW);
    capturingBackground_ = false;
    if (!copied) background_.release();
}

bool DrawnButtonWindow::pasteBackground() {
    if (background_.isEmpty() || canvas_.isEmpty() || background_.width() != canvas_.width() ||
        background_.height() != canvas_.height())
        return false;
    background_.copyTo(canvas_.dc());
    return true;
}

void DrawnButtonWindow::releaseResources() {
    if (hwnd_) SetWindowRgn(hwnd_, nullptr, FALSE);
    canvas_.release();
    background_.release();
}

bool DrawnButtonWindow::isPointerOver() const {
    if (pointerHeld_) return true;
    POINT at{};
    if (!hwnd_ || !GetCursorPos(&at)) return false;
    return WindowFromPoint(at) == hwnd_;
}

void DrawnButtonWindow::startHoverTimer(int intervalMs) {
    if (hwnd_) SetTimer(hwnd_, kHoverTimerId, static_cast<UINT>(intervalMs), nullptr);
}

void DrawnButtonWindow::stopHoverTimer() {
    if (hwnd_) KillTimer(hwnd_, kHoverTimerId);
}

// The parent's font when it has one, else the system's font for dialogs.
controls::Font DrawnButtonWindow::font() const {
    HWND parent = hwnd_ ? GetParent(hwnd_) : nullptr;
    HFONT font = parent ? reinterpret_cast<HFONT>(SendMessageA(parent, WM_GETFONT, 0, 0)) : nullptr;
    if (!font) font = static_cast<HFONT>(GetStockObject(DEFAULT_GUI_FONT));
    return fontFromHandle(font, ledger_);
}

controls::Color DrawnButtonWindow::systemColour(int index) const { return GetSysColor(index); }

controls::Color DrawnButtonWindow::parentBackColour() const {
    HWND parent = hwnd_ ? GetParent(hwnd_) : nullptr;
    const WindowDc dc(ledger_, parent);
    return dc.get() ? GetBkColor(dc.get()) : GetSysColor(COLOR_BTNFACE);
}

controls::Color DrawnButtonWindow::parentTextColour() const {
    HWND parent = hwnd_ ? GetParent(hwnd_) : nullptr;
    const WindowDc dc(ledger_, parent);
    return dc.get() ? GetTextColor(dc.get()) : GetSysColor(COLOR_BTNTEXT);
}

namespace {

struct AccessKeySearch {
    HWND topLevel = nullptr;
    char letter = 0;
    DrawnButtonWindow* found = nullptr;
};

// Shown on its form: the button and every frame between it and the form are shown.
bool shownWithin(HWND window, HWND topLevel) {
    for (HWND w = window; w && w != topLevel; w = GetParent(w))
        if (!(GetWindowLongA(w, GWL_STYLE) & WS_VISIBLE)) return false;
    return true;
}

BOOL CALLBACK findAccessKey(HWND window, LPARAM lParam) {
    auto& search = *reinterpret_cast<AccessKeySearch*>(lParam);
    DrawnButtonWindow* candidate = DrawnButtonWindow::fromHandle(window);
    if (!candidate || !shownWithin(window, search.topLevel) || !IsWindowEnabled(window)) return TRUE;
    if (candidate->button().accessKeys().find(search.letter) == std::string::npos) return TRUE;
    search.found = candidate;
    return FALSE;
}

}  // namespace

bool routeAccessKey(HWND topLevel, char letter) {
    if (!topLevel || letter == 0) return false;
    AccessKeySearch search;
    search.topLevel = topLevel;
    search.letter = static_cast<char>(std::tolower(static_cast<unsigned char>(letter)));
    EnumChildWindows(topLevel, findAccessKey, reinterpret_cast<LPARAM>(&search));
    if (!search.found) return false;
    search.found->button().accessKeyPressed();
    return true;
}

bool handleAccessKeyMessage(HWND topLevel, UINT message, WPARAM wParam, LPARAM, LRESULT& result) {
    if (message == WM_SYSCHAR) {
        if (!routeAccessKey(topLevel, static_cast<char>(wParam))) return false;
        result = 0;
        return true;
    }
    if (message == WM_MENUCHAR) {
        if (!routeAccessKey(topLevel, static_cast<char>(LOWORD(wParam)))) return false;
        result = MAKELRESULT(0, MNC_CLOSE);  // taken: no beep, no menu
        return true;
    }
    return false;
}

namespace {

class DrawnButtonControl final : public BoundControl, private controls::ButtonEvents {
public:
    DrawnButtonControl(ui::Button& model, HWND parent, const RECT& pixels, int controlId)
        : model_(model), window_(parent, pixels, controlId, model.name(), *this, model.visible()) {
        controls::DrawnButton& b = window_.button();
        b.DisableRefresh();
        b.ButtonType(2);
        b.ColorScheme(2);
        b.BackColor(kButtonFace);
        b.BackOver(kButtonFaceOver);
        b.ForeColor(kButtonText);
        b.ForeOver(kButtonTextOver);
        b.Caption(model.caption());
        b.Enabled(model.enabled());
        if (model.visible()) b.Refresh();
    }

    HWND handle() const override { return window_.window(); }
    void setDefault(bool isDefault) override { window_.setDefault(isDefault); }
    // Enter on a dialog reaches the button as the dialog manager's BN_CLICKED.
    bool command(WPARAM wParam, LPARAM) override {
        if (HIWORD(wParam) != BN_CLICKED) return false;
        if (model_.enabled()) model_.click();
        return true;
    }

    void modelChanged(ui::Change change, int) override {
        controls::DrawnButton& b = window_.button();
        switch (change) {
            case ui::Change::Text: b.Caption(model_.caption()); break;
            case ui::Change::Enabled:
                if (b.Enabled() != model_.enabled()) b.Enabled(model_.enabled());
                break;
            case ui::Change::Focus: SetFocus(window_.window()); break;
            default: break;
        }
    }

private:
    void Click() override { model_.click(); }

    ui::Button& model_;
    DrawnButtonWindow window_;
};

}  // namespace

ButtonFactory makeDrawnButtonFactory() {
    return [](ui::Button& model, HWND parent, const RECT& pixels, int controlId) -> std::unique_ptr<BoundControl> {
        return std::make_unique<DrawnButtonControl>(model, parent, pixels, controlId);
    };
}

}  // namespace win32
