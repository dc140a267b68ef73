#include "win32/window_binder.h"

#include <commctrl.h>

#include <algorithm>
#include <string>

#include "win32/list_view_binding.h"
#include "win32/twips.h"

namespace win32 {
namespace {

constexpr const char* kWindowClass = "VantrelBoundWindow";
constexpr UINT_PTR kForwardId = 0x4657;     // "FW": a container passes its children's messages on
constexpr UINT_PTR kFramePaintId = 0x4650;  // "FP"
constexpr UINT_PTR kEditKeysId = 0x454B;    // "EK"

std::string windowText(HWND window) {
    int length = GetWindowTextLengthA(window);
    if (length <= 0) return {};
    std::string text(static_cast<std::size_t>(length) + 1, '\0');
    int got = GetWindowTextA(window, text.data(), length + 1);
    text.resize(static_cast<std::size_t>(std::max(got, 0)));
    return text;
}

HWND createChild(const char* windowClass, const std::string& text, DWORD style, DWORD exStyle,
                 const ui::Control& model, HWND parent, const RECT& pixels, int id) {
    style |= WS_CHILD;
    if (model.visible()) style |= WS_VISIBLE;
    if (!model.enabled()) style |= WS_DISABLED;
    return CreateWindowExA(exStyle, windowClass, text.c_str(), style, pixels.left, pixels.top,
                           pixels.right - pixels.left, pixels.bottom - pixels.top, parent,
                           reinterpret_cast<HMENU>(static_cast<INT_PTR>(id)), GetModuleHandleA(nullptr), nullptr);
}

// The message font of the desktop (Segoe UI 9 on current Windows, Tahoma 8 under Wine).
HFONT makeFont(bool& owned) {
    NONCLIENTMETRICSA metrics{};
    metrics.cbSize = sizeof metrics;
    if (SystemParametersInfoA(SPI_GETNONCLIENTMETRICS, sizeof metrics, &metrics, 0)) {
        if (HFONT font = CreateFontIndirectA(&metrics.lfMessageFont)) {
            owned = true;
            return font;
        }
    }
    owned = false;
    return static_cast<HFONT>(GetStockObject(DEFAULT_GUI_FONT));
}

class WindowedControl : public BoundControl {
public:
    explicit WindowedControl(HWND window) : window_(window) {}
    ~WindowedControl() override {
        if (window_ && IsWindow(window_)) DestroyWindow(window_);
    }
    HWND handle() const override { return window_; }
    void modelChanged(ui::Change, int) override {}

protected:
    HWND window_;
};

// An empty label shows nothing at all: no grey box over whatever lies beneath.
class LabelControl : public WindowedControl {
public:
    LabelControl(ui::Label& model, HWND parent, const RECT& pixels, int id)
        : WindowedControl(createChild("STATIC", model.caption(), SS_LEFT | SS_NOTIFY, 0, model, parent, pixels, id)),
          model_(model) {}
    void modelChanged(ui::Change change, int) override {
        if (change == ui::Change::Text) SetWindowTextA(window_, model_.caption().c_str());
        if (change == ui::Change::Text || change == ui::Change::Visible)
            ShowWindow(window_, model_.visible() && !model_.caption().empty() ? SW_SHOWNA : SW_HIDE);
    }
    bool command(WPARAM wParam, LPARAM) override {
        if (HIWORD(wParam) != STN_CLICKED) return false;
        model_.click();
        return true;
    }

private:
    ui::Label& model_;
};

// Shows the bitmap or icon resource its caption names, or nothing while there is none.
class PictureControl : public WindowedControl {
public:
    PictureControl(ui::Picture& model, HWND parent, const RECT& pixels, int id, int dpi)
        : WindowedControl(createChild("STATIC", "", SS_LEFT | SS_NOTIFY, 0, model, parent, pixels, id)),
          model_(model), dpi_(dpi) {
        loadImage();
    }
    ~PictureControl() override {
        if (window_ && IsWindow(window_)) DestroyWindow(window_);
        window_ = nullptr;
        releaseImage();
    }
    void modelChanged(ui::Change change, int) override {
        if (change == ui::Change::Text) loadImage();
    }
    bool command(WPARAM wParam, LPARAM) override {
        if (HIWORD(wParam) != STN_CLICKED) return false;
        model_.click();
        return true;
    }

private:
    void releaseImage() {
        if (!image_) return;
        if (imageType_ == IMAGE_ICON)
            DestroyIcon(static_cast<HICON>(image_));
        else
            DeleteObject(image_);
        image_ = nullptr;
    }
    void loadImage() {
        if (!window_) return;
        if (image_) SendMessageA(window_, STM_SETIMAGE, imageType_, 0);
        releaseImage();
        const std::string& name = model_.caption();
        if (name.empty()) return;
        HINSTANCE instance = GetModuleHandleA(nullptr);
        UINT type = IMAGE_BITMAP;
        // Light grey in a bitmap becomes the button face, so the picture sits on the window's own colour.
        HANDLE image = LoadImageA(instance, name.c_str(), IMAGE_BITMAP, 0, 0, LR_LOADMAP3DCOLORS);
        if (!image) {
            type = IMAGE_ICON;
            image = LoadImageA(instance, name.c_str(), IMAGE_ICON, 0, 0, LR_DEFAULTCOLOR);
        }
        if (!image) return;
        LONG_PTR style = GetWindowLongPtrA(window_, GWL_STYLE);
        style = (style & ~static_cast<LONG_PTR>(SS_TYPEMASK)) | (type == IMAGE_ICON ? SS_ICON : SS_BITMAP) |
                SS_CENTERIMAGE;
        SetWindowLongPtrA(window_, GWL_STYLE, style);
        SendMessageA(window_, STM_SETIMAGE, type, reinterpret_cast<LPARAM>(image));
        image_ = image;
        imageType_ = type;
        // A static sizes itself to its image; the design size is the one that counts.
        RECT pixels = pixelRect(model_.bounds(), dpi_);
        SetWindowPos(window_, nullptr, 0, 0, pixels.right - pixels.left, pixels.bottom - pixels.top,
                     SWP_NOMOVE | SWP_NOZORDER | SWP_NOACTIVATE);
    }

    ui::Picture& model_;
    int dpi_;
    HANDLE image_ = nullptr;
    UINT imageType_ = IMAGE_BITMAP;
};

// A group box that holds its controls as child windows. Without a caption it
// is a plain region (the menu bar, the button rows) and draws no border.
class FrameControl : public WindowedControl {
public:
    FrameControl(ui::Frame& model, HWND parent, const RECT& pixels, int id)
        : WindowedControl(createChild("BUTTON", model.caption(), BS_GROUPBOX | WS_CLIPCHILDREN | WS_CLIPSIBLINGS,
                                      WS_EX_CONTROLPARENT, model, parent, pixels, id)),
          model_(model) {
        if (window_) SetWindowSubclass(window_, paintProc, kFramePaintId, reinterpret_cast<DWORD_PTR>(this));
    }
    ~FrameControl() override {
        if (window_ && IsWindow(window_)) RemoveWindowSubclass(window_, paintProc, kFramePaintId);
    }
    void modelChanged(ui::Change change, int) override {
        if (change != ui::Change::Text) return;
        SetWindowTextA(window_, model_.caption().c_str());
        InvalidateRect(window_, nullptr, TRUE);
    }

private:
    static LRESULT CALLBACK paintProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam, UINT_PTR,
                                      DWORD_PTR self) {
        auto* frame = reinterpret_cast<FrameControl*>(self);
        switch (message) {
            case WM_ERASEBKGND: {
                // The group box leaves its inside to the parent, which clips its children away.
                RECT client;
                GetClientRect(window, &client);
                FillRect(reinterpret_cast<HDC>(wParam), &client, GetSysColorBrush(COLOR_BTNFACE));
                return 1;
            }
            case WM_PAINT:
                if (frame->model_.caption().empty()) {
                    PAINTSTRUCT paint;
                    BeginPaint(window, &paint);
                    EndPaint(window, &paint);
                    return 0;
                }
                break;
            case WM_NCDESTROY:
                RemoveWindowSubclass(window, paintProc, kFramePaintId);
                break;
            default:
                break;
        }
        return DefSubclassProc(window, message, wParam, lParam);
    }

    ui::Frame& model_;
};

class TextBoxControl : public WindowedControl {
public:
    TextBoxControl(ui::TextBox& model, HWND parent, const RECT& pixels, int id)
        : WindowedControl(createChild("EDIT", model.text(), ES_LEFT | ES_AUTOHSCROLL | WS_TABSTOP, WS_EX_CLIENTEDGE,
                                      model, parent, pixels, id)),
          model_(model) {
        if (!window_) return;
        SendMessageA(window_, EM_SETLIMITTEXT, 0, 0);  // the model holds any length
        SetWindowSubclass(window_, keysProc, kEditKeysId, reinterpret_cast<DWORD_PTR>(this));
    }
    ~TextBoxControl() override {
        if (window_ && IsWindow(window_)) RemoveWindowSubclass(window_, keysProc, kEditKeysId);
    }
    void modelChanged(ui::Change change, int) override {
        if (change != ui::Change::Text || windowText(window_) == model_.text()) return;
        ++applying_;
        SetWindowTextA(window_, model_.text().c_str());
        --applying_;
    }
    bool command(WPARAM wParam, LPARAM) override {
        if (HIWORD(wParam) != EN_CHANGE) return false;
        if (!applying_) model_.setText(windowText(window_));
        return true;
    }

private:
    static LRESULT CALLBACK keysProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam, UINT_PTR,
                                     DWORD_PTR self) {
        auto* box = reinterpret_cast<TextBoxControl*>(self);
        switch (message) {
            case WM_KEYDOWN:
                if (wParam == VK_RETURN) {
                    box->model_.keyPress('\r');
                    return 0;
                }
                break;
            case WM_CHAR:
                if (wParam == '\r') return 0;  // a single-line edit would only beep
                break;
            case WM_GETDLGCODE: {
                // Enter belongs to a box that acts on it (the search box); elsewhere it presses the default button.
                LRESULT code = DefSubclassProc(window, message, wParam, lParam);
                auto* pending = reinterpret_cast<const MSG*>(lParam);
                if (pending && pending->message == WM_KEYDOWN && pending->wParam == VK_RETURN && box->model_.onEnter)
                    code |= DLGC_WANTMESSAGE;
                return code;
            }
            case WM_NCDESTROY:
                RemoveWindowSubclass(window, keysProc, kEditKeysId);
                break;
            default:
                break;
        }
        return DefSubclassProc(window, message, wParam, lParam);
    }

    ui::TextBox& model_;
    int applying_ = 0;
};

class PushButtonControl : public WindowedControl {
public:
    PushButtonControl(ui::Button& model, HWND parent, const RECT& pixels, int id)
        : WindowedControl(createChild("BUTTON", model.caption(), BS_PUSHBUTTON | WS_TABSTOP, 0, model, parent, pixels,
                                      id)),
          model_(model) {}
    void setDefault(bool isDefault) override {
        SendMessageA(window_, BM_SETSTYLE, isDefault ? BS_DEFPUSHBUTTON : BS_PUSHBUTTON, TRUE);
    }
    void modelChanged(ui::Change change, int) override {
        if (change == ui::Change::Text) SetWindowTextA(window_, model_.caption().c_str());
    }
    bool command(WPARAM wParam, LPARAM) override {
        if (HIWORD(wParam) != BN_CLICKED) return false;
        model_.click();
        return true;
    }

private:
    ui::Button& model_;
};

class CheckBoxControl : public WindowedControl {
public:
    CheckBoxControl(ui::CheckBox& model, HWND parent, const RECT& pixels, int id)
        : WindowedControl(createChild("BUTTON", model.caption(), BS_AUTOCHECKBOX | WS_TABSTOP, 0, model, parent,
                                      pixels, id)),
          model_(model) {
        modelChanged(ui::Change::State, -1);
    }
    void modelChanged(ui::Change change, int) override {
        if (change == ui::Change::Text) SetWindowTextA(window_, model_.caption().c_str());
        if (change == ui::Change::State)
            SendMessageA(window_, BM_SETCHECK, model_.checked() ? BST_CHECKED : BST_UNCHECKED, 0);
    }
    bool command(WPARAM wParam, LPARAM) override {
        if (HIWORD(wParam) != BN_CLICKED) return false;
        model_.setChecked(SendMessageA(window_, BM_GETCHECK, 0, 0) == BST_CHECKED);
        return true;
    }

private:
    ui::CheckBox& model_;
};

class LineControl : public WindowedControl {
public:
    LineControl(ui::Line& model, HWND parent, const RECT& pixels, int id)
        : WindowedControl(createChild("STATIC", "", SS_ETCHEDHORZ, 0, model, parent, pixels, id)) {}
};

// Docked at the bottom of its window; the panels before the last fit their
// text and the last takes the rest.
class StatusBarControl : public WindowedControl {
public:
    StatusBarControl(ui::StatusBar& model, HWND parent, int id, bool sizeGrip)
        : WindowedControl(createChild(STATUSCLASSNAMEA, "", CCS_BOTTOM | (sizeGrip ? SBARS_SIZEGRIP : 0), 0, model,
                                      parent, RECT{0, 0, 0, 0}, id)),
          model_(model) {
        for (std::size_t i = 1; i <= model_.panels().size(); ++i) showPanel(i);
    }
    void modelChanged(ui::Change change, int index) override {
        if (change != ui::Change::Panels) return;
        if (index >= 1) showPanel(static_cast<std::size_t>(index));
        layoutParts();
    }
    void parentResized() {
        SendMessageA(window_, WM_SIZE, 0, 0);
        layoutParts();
    }

private:
    void showPanel(std::size_t number) {
        if (number == 0 || number > model_.panels().size()) return;
        SendMessageA(window_, SB_SETTEXTA, number - 1, reinterpret_cast<LPARAM>(model_.panel(number).c_str()));
    }
    void layoutParts() {
        const std::size_t count = std::max<std::size_t>(model_.panels().size(), 1);
        std::vector<int> rights(count, -1);
        HDC dc = GetDC(window_);
        HGDIOBJ old = SelectObject(dc, reinterpret_cast<HFONT>(SendMessageA(window_, WM_GETFONT, 0, 0)));
        int right = 0;
        for (std::size_t i = 0; i + 1 < count; ++i) {
            const std::string& text = model_.panels()[i];
            SIZE extent{0, 0};
            GetTextExtentPoint32A(dc, text.c_str(), static_cast<int>(text.size()), &extent);
            right += std::max<int>(extent.cx + 16, 100);
            rights[i] = right;
        }
        SelectObject(dc, old);
        ReleaseDC(window_, dc);
        SendMessageA(window_, SB_SETPARTS, count, reinterpret_cast<LPARAM>(rights.data()));
    }

    ui::StatusBar& model_;
};

}  // namespace

ButtonFactory standardButtonFactory() {
    return [](ui::Button& model, HWND parent, const RECT& pixels, int controlId) -> std::unique_ptr<BoundControl> {
        return std::make_unique<PushButtonControl>(model, parent, pixels, controlId);
    };
}

WindowBinder::WindowBinder(ui::Window& window, ButtonFactory buttons, WindowOptions options)
    : model_(window), buttons_(std::move(buttons)), options_(options) {
    INITCOMMONCONTROLSEX classes{sizeof classes, ICC_LISTVIEW_CLASSES | ICC_BAR_CLASSES | ICC_STANDARD_CLASSES};
    InitCommonControlsEx(&classes);
    dpi_ = screenDpi();
    font_ = makeFont(ownsFont_);

    HINSTANCE instance = GetModuleHandleA(nullptr);
    WNDCLASSEXA windowClass{};
    windowClass.cbSize = sizeof windowClass;
    if (!GetClassInfoExA(instance, kWindowClass, &windowClass)) {
        windowClass = WNDCLASSEXA{};
        windowClass.cbSize = sizeof windowClass;
        windowClass.style = CS_DBLCLKS;
        windowClass.lpfnWndProc = windowProc;
        windowClass.hInstance = instance;
        windowClass.hCursor = LoadCursor(nullptr, IDC_ARROW);
        windowClass.hIcon = LoadIcon(nullptr, IDI_APPLICATION);
        windowClass.hbrBackground = reinterpret_cast<HBRUSH>(COLOR_BTNFACE + 1);
        windowClass.lpszClassName = kWindowClass;
        RegisterClassExA(&windowClass);
    }

    RECT pixels = pixelRect(model_.bounds(), dpi_);
    CreateWindowExA(options_.exStyle, kWindowClass, model_.title().c_str(),
                    (options_.style & ~WS_VISIBLE) | WS_CLIPCHILDREN, pixels.left, pixels.top,
                    pixels.right - pixels.left, pixels.bottom - pixels.top, options_.owner, nullptr, instance, this);
    if (!window_) {
        creating_ = false;
        return;
    }
    HICON big = options_.icon, small = options_.icon;
    if (!big) {
        big = static_cast<HICON>(LoadImageA(instance, MAKEINTRESOURCEA(1), IMAGE_ICON, GetSystemMetrics(SM_CXICON),
                                            GetSystemMetrics(SM_CYICON), LR_SHARED));
        small = static_cast<HICON>(LoadImageA(instance, MAKEINTRESOURCEA(1), IMAGE_ICON,
                                              GetSystemMetrics(SM_CXSMICON), GetSystemMetrics(SM_CYSMICON),
                                              LR_SHARED));
    }
    if (big) SendMessageA(window_, WM_SETICON, ICON_BIG, reinterpret_cast<LPARAM>(big));
    if (small) SendMessageA(window_, WM_SETICON, ICON_SMALL, reinterpret_cast<LPARAM>(small));

    reportFrameSize();
    model_.observe([this](ui::Change change, int) { applyToWindow(change); });
    for (ui::Control* control : model_.controls())
        if (control) createControl(*control);
    creating_ = false;
    if (model_.defaultButton)
        if (BoundControl* button = boundOf(*model_.defaultButton)) button->setDefault(true);
    relayoutDocked();
    if (!model_.enabled()) EnableWindow(window_, FALSE);
    if (model_.visible()) applyWindowVisible();
}

WindowBinder::~WindowBinder() {
    destroying_ = true;
    model_.observe(nullptr);
    for (auto& entry : entries_) {
        entry->model->observe(nullptr);
        if (entry->timer && window_) KillTimer(window_, static_cast<UINT_PTR>(entry->id));
    }
    for (HWND container : forwarding_)
        if (IsWindow(container)) RemoveWindowSubclass(container, containerProc, kForwardId);
    // Children go before their containers, as they were made after them.
    while (!entries_.empty()) entries_.pop_back();
    if (window_) {
        SetWindowLongPtrA(window_, GWLP_USERDATA, 0);
        DestroyWindow(window_);
    }
    if (ownsFont_) DeleteObject(font_);
    if (headingFont_) DeleteObject(headingFont_);
}

bool WindowBinder::isBoundWindow(HWND window) {
    char name[32] = {};
    return GetClassNameA(window, name, sizeof name) && std::string(name) == kWindowClass;
}

HWND WindowBinder::handleOf(const ui::Control& control) const {
    if (&control == &model_) return window_;
    BoundControl* bound = boundOf(control);
    return bound ? bound->handle() : nullptr;
}

BoundControl* WindowBinder::boundOf(const ui::Control& control) const {
    auto found = byModel_.find(&control);
    return found == byModel_.end() ? nullptr : found->second->bound.get();
}

void WindowBinder::createControl(ui::Control& control) {
    if (&control == &model_ || byModel_.count(&control)) return;
    auto entry = std::make_unique<Entry>();
    Entry* e = entry.get();
    e->model = &control;
    e->id = nextId_++;

    if (auto* timer = dynamic_cast<ui::Timer*>(&control)) {
        e->timer = timer;
        timer->observe([this, e](ui::Change change, int index) { applyToControl(*e, change, index); });
        if (timer->running() && timer->interval() > 0)
            SetTimer(window_, static_cast<UINT_PTR>(e->id), static_cast<UINT>(timer->interval()), nullptr);
    } else {
        HWND parent = containerOf(control);
        RECT pixels = pixelRect(control.bounds(), dpi_);
        std::unique_ptr<BoundControl> bound;
        if (auto* list = dynamic_cast<ui::ListView*>(&control)) {
            bound = std::make_unique<ListViewBinding>(*list, parent, pixels, e->id, dpi_);
        } else if (auto* status = dynamic_cast<ui::StatusBar*>(&control)) {
            bool grip = (GetWindowLongPtrA(window_, GWL_STYLE) & WS_THICKFRAME) != 0;
            bound = std::make_unique<StatusBarControl>(*status, parent, e->id, grip);
            e->docked = true;
        } else if (auto* frame = dynamic_cast<ui::Frame*>(&control)) {
            bound = std::make_unique<FrameControl>(*frame, parent, pixels, e->id);
        } else if (auto* label = dynamic_cast<ui::Label*>(&control)) {
            bound = std::make_unique<LabelControl>(*label, parent, pixels, e->id);
        } else if (auto* line = dynamic_cast<ui::Line*>(&control)) {
            bound = std::make_unique<LineControl>(*line, parent, pixels, e->id);
        } else if (auto* picture = dynamic_cast<ui::Picture*>(&control)) {
            bound = std::make_unique<PictureControl>(*picture, parent, pixels, e->id, dpi_);
        } else if (auto* button = dynamic_cast<ui::Button*>(&control)) {
            if (buttons_) bound = buttons_(*button, parent, pixels, e->id);
            if (!bound) bound = std::make_unique<PushButtonControl>(*button, parent, pixels, e->id);
        } else if (auto* checkBox = dynamic_cast<ui::CheckBox*>(&control)) {
            bound = std::make_unique<CheckBoxControl>(*checkBox, parent, pixels, e->id);
        } else if (auto* text = dynamic_cast<ui::TextBox*>(&control)) {
            bound = std::make_unique<TextBoxControl>(*text, parent, pixels, e->id);
        }
        if (!bound || !bound->handle()) return;  // a kind this binder does not show, or no window
        HWND handle = bound->handle();
        auto* label = dynamic_cast<ui::Label*>(&control);
        SendMessageA(handle, WM_SETFONT, reinterpret_cast<WPARAM>(label && label->heading() ? headingFont() : font_),
                     FALSE);
        // A factory's control may come visible and enabled whatever the model says.
        bool shown = (GetWindowLongPtrA(handle, GWL_STYLE) & WS_VISIBLE) != 0;
        if (shown != control.visible()) ShowWindow(handle, control.visible() ? SW_SHOWNA : SW_HIDE);
        if ((IsWindowEnabled(handle) != FALSE) != control.enabled()) EnableWindow(handle, control.enabled());
        // Labels lie beneath the other controls and siblings clip each other,
        // so a label that reaches over a list or a button row never covers it.
        SetWindowLongPtrA(handle, GWL_STYLE, GetWindowLongPtrA(handle, GWL_STYLE) | WS_CLIPSIBLINGS);
        if (label) {
            SetWindowPos(handle, HWND_BOTTOM, 0, 0, 0, 0, SWP_NOMOVE | SWP_NOSIZE | SWP_NOACTIVATE);
            bound->modelChanged(ui::Change::Visible, -1);  // an empty one starts hidden
        }
        e->bound = std::move(bound);
        byHandle_[handle] = e;
        control.observe([this, e](ui::Change change, int index) { applyToControl(*e, change, index); });
    }
    byModel_[&control] = e;
    entries_.push_back(std::move(entry));
}

HWND WindowBinder::containerOf(const ui::Control& control) {
    const ui::Control* container = control.container();
    if (!container || container == &model_) return window_;
    auto found = byModel_.find(container);
    if (found == byModel_.end() || !found->second->bound || !found->second->bound->handle()) return window_;
    HWND handle = found->second->bound->handle();
    forwardFrom(handle);
    return handle;
}

void WindowBinder::forwardFrom(HWND container) {
    if (std::find(forwarding_.begin(), forwarding_.end(), container) != forwarding_.end()) return;
    SetWindowSubclass(container, containerProc, kForwardId, reinterpret_cast<DWORD_PTR>(this));
    forwarding_.push_back(container);
}

void WindowBinder::applyToControl(Entry& entry, ui::Change change, int index) {
    if (destroying_ || !window_) return;
    if (entry.timer) {
        if (change != ui::Change::Enabled) return;
        const auto id = static_cast<UINT_PTR>(entry.id);
        if (entry.timer->running() && entry.timer->interval() > 0)
            SetTimer(window_, id, static_cast<UINT>(entry.timer->interval()), nullptr);
        else
            KillTimer(window_, id);
        return;
    }
    HWND handle = entry.bound ? entry.bound->handle() : nullptr;
    if (!handle) return;
    switch (change) {
        case ui::Change::Geometry:
            if (!entry.docked) {
                RECT pixels = pixelRect(entry.model->bounds(), dpi_);
                SetWindowPos(handle, nullptr, pixels.left, pixels.top, pixels.right - pixels.left,
                             pixels.bottom - pixels.top, SWP_NOZORDER | SWP_NOACTIVATE);
            }
            break;
        case ui::Change::Visible:
            ShowWindow(handle, entry.model->visible() ? SW_SHOWNA : SW_HIDE);
            break;
        case ui::Change::Enabled:
            EnableWindow(handle, entry.model->enabled());
            break;
        case ui::Change::Focus:
            SetFocus(handle);
            break;
        default:
            break;
    }
    entry.bound->modelChanged(change, index);
}

void WindowBinder::applyToWindow(ui::Change change) {
    if (destroying_ || !window_) return;
    switch (change) {
        case ui::Change::Geometry:
            applyWindowGeometry();
            break;
        case ui::Change::Visible:
            applyWindowVisible();
            break;
        case ui::Change::Enabled:
            EnableWindow(window_, model_.enabled());
            break;
        case ui::Change::Text:
            SetWindowTextA(window_, model_.title().c_str());
            break;
        case ui::Change::State:
            applyWindowState();
            break;
        case ui::Change::Focus:
            SetFocus(window_);
            break;
        default:
            break;
    }
}

void WindowBinder::applyWindowGeometry() {
    // The size of a minimised or maximised window is the system's; the model's applies once restored.
    if (syncingFromWindow_ || IsIconic(window_) || IsZoomed(window_)) return;
    RECT want = pixelRect(model_.bounds(), dpi_);
    RECT have;
    GetWindowRect(window_, &have);
    if (EqualRect(&want, &have)) return;
    ++applyingGeometry_;
    SetWindowPos(window_, nullptr, want.left, want.top, want.right - want.left, want.bottom - want.top,
                 SWP_NOZORDER | SWP_NOACTIVATE);
    --applyingGeometry_;
}

void WindowBinder::applyWindowVisible() {
    if (!model_.visible()) {
        ShowWindow(window_, SW_HIDE);
        return;
    }
    switch (model_.state()) {
        case ui::WindowState::Minimized:
            ShowWindow(window_, SW_SHOWMINIMIZED);
            break;
        case ui::WindowState::Maximized:
            ShowWindow(window_, SW_SHOWMAXIMIZED);
            break;
        case ui::WindowState::Normal:
            ShowWindow(window_, IsIconic(window_) || IsZoomed(window_) ? SW_SHOWNORMAL : SW_SHOW);
            break;
    }
    // A window lays itself out when it is first shown, as on any later resize.
    if (!shownOnce_) {
        shownOnce_ = true;
        model_.resizeTo(model_.width(), model_.height());
    }
}

void WindowBinder::applyWindowState() {
    if (!model_.visible()) return;  // a hidden window takes its state when shown
    switch (model_.state()) {
        case ui::WindowState::Minimized:
            if (!IsIconic(window_)) ShowWindow(window_, SW_MINIMIZE);
            break;
        case ui::WindowState::Maximized:
            if (!IsZoomed(window_)) ShowWindow(window_, SW_MAXIMIZE);
            break;
        case ui::WindowState::Normal:
            if (IsIconic(window_)) ShowWindow(window_, SW_RESTORE);
            // Restoring a window minimised from maximised brings it back maximised.
            if (IsZoomed(window_)) ShowWindow(window_, SW_RESTORE);
            break;
    }
}

void WindowBinder::relayoutDocked() {
    for (auto& entry : entries_)
        if (entry->docked && entry->bound) static_cast<StatusBarControl*>(entry->bound.get())->parentResized();
}

bool WindowBinder::routeCommand(WPARAM wParam, LPARAM lParam) {
    if (destroying_) return false;
    // Escape through the dialog manager, which finds no control of ours with the Cancel id.
    if (LOWORD(wParam) == IDCANCEL && !lParam) {
        model_.cancel();
        return true;
    }
    if (!lParam) return false;  // menus and accelerators carry no control
    auto found = byHandle_.find(reinterpret_cast<HWND>(lParam));
    if (found == byHandle_.end() || !found->second->bound) return false;
    return found->second->bound->command(wParam, lParam);
}

bool WindowBinder::routeNotify(NMHDR* header, LRESULT& result) {
    if (destroying_ || !header) return false;
    auto found = byHandle_.find(header->hwndFrom);
    if (found == byHandle_.end() || !found->second->bound) return false;
    return found->second->bound->notify(header, result);
}

// The layout keeps the controls inside the frame the window system draws.
void WindowBinder::reportFrameSize() {
    RECT outer, inner;
    if (!GetWindowRect(window_, &outer) || !GetClientRect(window_, &inner)) return;
    model_.setFrameSize(pixelsToTwips((outer.right - outer.left) - inner.right, dpi_),
                        pixelsToTwips((outer.bottom - outer.top) - inner.bottom, dpi_));
}

void WindowBinder::OnSize(UINT type) {
    if (creating_ || destroying_) return;
    if (type != SIZE_MINIMIZED) reportFrameSize();
    relayoutDocked();
    if (type == SIZE_MINIMIZED) {
        if (model_.state() != ui::WindowState::Minimized) model_.setState(ui::WindowState::Minimized);
        return;
    }
    if (type != SIZE_RESTORED && type != SIZE_MAXIMIZED) return;
    if (!applyingGeometry_) {
        RECT have;
        GetWindowRect(window_, &have);
        const int width = have.right - have.left, height = have.bottom - have.top;
        if (twipsToPixels(model_.left(), dpi_) != have.left || twipsToPixels(model_.top(), dpi_) != have.top) {
            ++syncingFromWindow_;
            model_.move(pixelsToTwips(have.left, dpi_), pixelsToTwips(have.top, dpi_));
            --syncingFromWindow_;
        }
        // Whatever size the program sets in its resize handler is applied from there.
        if (twipsToPixels(model_.width(), dpi_) != width || twipsToPixels(model_.height(), dpi_) != height)
            model_.resizeTo(pixelsToTwips(width, dpi_), pixelsToTwips(height, dpi_));
    }
    const auto state = type == SIZE_MAXIMIZED ? ui::WindowState::Maximized : ui::WindowState::Normal;
    if (model_.state() != state) model_.setState(state);
    // Moved controls leave nothing behind: no ghost column dividers, no second size grip.
    RedrawWindow(window_, nullptr, nullptr, RDW_INVALIDATE | RDW_ERASE | RDW_ALLCHILDREN);
}

void WindowBinder::OnMove() {
    if (creating_ || destroying_ || applyingGeometry_ || IsIconic(window_) || IsZoomed(window_)) return;
    RECT have;
    GetWindowRect(window_, &have);
    if (twipsToPixels(model_.left(), dpi_) == have.left && twipsToPixels(model_.top(), dpi_) == have.top) return;
    // The size may not have reached the model yet; a move alone must not push it back.
    ++syncingFromWindow_;
    model_.move(pixelsToTwips(have.left, dpi_), pixelsToTwips(have.top, dpi_));
    --syncingFromWindow_;
}

void WindowBinder::OnClose() {
    // The program decides what closing means; a window nobody handles just goes away from view.
    const bool handled = static_cast<bool>(model_.onClose);
    model_.close();
    if (!handled) model_.hide();
}

void WindowBinder::OnTimer(UINT_PTR id) {
    for (auto& entry : entries_)
        if (entry->timer && static_cast<UINT_PTR>(entry->id) == id) {
            entry->timer->tick();
            return;
        }
}

void WindowBinder::OnActivate(WPARAM wParam) {
    if (LOWORD(wParam) != WA_INACTIVE) return;
    HWND focus = GetFocus();
    if (focus && IsChild(window_, focus)) lastFocus_ = focus;
}

// The focus goes back where it was, else to the first control Tab reaches; the
// window keeps it itself (and says so) only when none of its controls can take it.
void WindowBinder::OnSetFocus() {
    if (lastFocus_ && IsWindow(lastFocus_) && IsChild(window_, lastFocus_) && IsWindowVisible(lastFocus_) &&
        IsWindowEnabled(lastFocus_)) {
        SetFocus(lastFocus_);
        return;
    }
    HWND first = GetNextDlgTabItem(window_, nullptr, FALSE);
    if (first && first != window_ && IsChild(window_, first)) {
        SetFocus(first);
        return;
    }
    model_.gotFocus();
}

// What the dialog manager asks of a dialog: the next control for Tab, the default button for Enter.
void WindowBinder::OnNextControl(WPARAM wParam, LPARAM lParam) {
    HWND next = LOWORD(lParam) ? reinterpret_cast<HWND>(wParam)
                               : GetNextDlgTabItem(window_, GetFocus(), wParam != 0 ? TRUE : FALSE);
    if (!next || !IsChild(window_, next)) return;
    SetFocus(next);
    // Tabbing into a text box selects its text, as in any dialog.
    if (SendMessageA(next, WM_GETDLGCODE, 0, 0) & DLGC_HASSETSEL) SendMessageA(next, EM_SETSEL, 0, -1);
}

LRESULT WindowBinder::defaultButtonId() const {
    if (!model_.defaultButton) return 0;
    auto found = byModel_.find(model_.defaultButton);
    if (found == byModel_.end() || !found->second->bound || !found->second->model->enabled()) return 0;
    return MAKELRESULT(found->second->id, DC_HASDEFID);
}

void WindowBinder::OnDestroy() {
    // Destroyed from outside (the owner went away): the models stay, the handles do not.
    window_ = nullptr;
    lastFocus_ = nullptr;
}

LRESULT WindowBinder::onMessage(UINT message, WPARAM wParam, LPARAM lParam) {
    switch (message) {
        case WM_COMMAND:
            if (routeCommand(wParam, lParam)) return 0;
            break;
        case WM_NOTIFY: {
            LRESULT result = 0;
            if (routeNotify(reinterpret_cast<NMHDR*>(lParam), result)) return result;
            break;
        }
        case WM_NOTIFYFORMAT:
            if (lParam == NF_QUERY) return NFR_ANSI;
            break;
        case WM_SIZE:
            OnSize(static_cast<UINT>(wParam));
            return 0;
        case WM_MOVE:
            OnMove();
            return 0;
        case WM_CLOSE:
            OnClose();
            return 0;
        case WM_ENDSESSION:
            if (wParam) model_.close();
            return 0;
        case WM_TIMER:
            OnTimer(wParam);
            return 0;
        case WM_LBUTTONUP:
            model_.click();  // the background: clicks on controls go to the controls
            return 0;
        case WM_ACTIVATE:
            OnActivate(wParam);
            break;
        case WM_SETFOCUS:
            OnSetFocus();
            return 0;
        case WM_NEXTDLGCTL:
            OnNextControl(wParam, lParam);
            return 0;
        case DM_GETDEFID:
            return defaultButtonId();
        default:
            break;
    }
    return DefWindowProcA(window_, message, wParam, lParam);
}

HFONT WindowBinder::headingFont() {
    if (!headingFont_) {
        LOGFONTA face{};
        GetObjectA(font_, sizeof face, &face);
        face.lfHeight = face.lfHeight * 2;
        face.lfWeight = FW_BOLD;
        headingFont_ = CreateFontIndirectA(&face);
    }
    return headingFont_ ? headingFont_ : font_;
}

LRESULT CALLBACK WindowBinder::windowProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
    WindowBinder* self = nullptr;
    if (message == WM_NCCREATE) {
        self = static_cast<WindowBinder*>(reinterpret_cast<CREATESTRUCTA*>(lParam)->lpCreateParams);
        SetWindowLongPtrA(window, GWLP_USERDATA, reinterpret_cast<LONG_PTR>(self));
        if (self) self->window_ = window;
    } else {
        self = reinterpret_cast<WindowBinder*>(GetWindowLongPtrA(window, GWLP_USERDATA));
    }
    if (!self || self->window_ != window) return DefWindowProcA(window, message, wParam, lParam);
    if (message == WM_NCDESTROY) {
        SetWindowLongPtrA(window, GWLP_USERDATA, 0);
        self->OnDestroy();
        return DefWindowProcA(window, message, wParam, lParam);
    }
    return self->onMessage(message, wParam, lParam);
}

LRESULT CALLBACK WindowBinder::containerProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam, UINT_PTR,
                                             DWORD_PTR self) {
    auto* binder = reinterpret_cast<WindowBinder*>(self);
    switch (message) {
        case WM_COMMAND:
            if (binder->routeCommand(wParam, lParam)) return 0;
            break;
        case WM_NOTIFY: {
            LRESULT result = 0;
            if (binder->routeNotify(reinterpret_cast<NMHDR*>(lParam), result)) return result;
            break;
        }
        case WM_NOTIFYFORMAT:
            if (lParam == NF_QUERY) return NFR_ANSI;
            break;
        case WM_NCDESTROY: {
            RemoveWindowSubclass(window, containerProc, kForwardId);
            auto& list = binder->forwarding_;
            list.erase(std::remove(list.begin(), list.end(), window), list.end());
            break;
        }
        default:
            break;
    }
    return DefSubclassProc(window, message, wParam, lParam);
}

}  // namespace win32
