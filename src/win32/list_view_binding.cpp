#include "win32/list_view_binding.h"

#include <algorithm>
#include <cctype>
#include <cstdint>
#include <cstring>
#include <vector>

#include "win32/twips.h"

namespace win32 {
namespace {

// Posted to the list itself: the row count is set once per burst of additions.
constexpr UINT kSyncRows = WM_APP + 0x51;
constexpr UINT_PTR kSubclassId = 0x4C56;  // "LV"
constexpr int kUnchecked = 1, kChecked = 2;  // state image indexes of the check box
constexpr COLORREF kMaskColour = RGB(255, 0, 255);

void copyText(const std::string& text, char* buffer, int size) {
    if (!buffer || size <= 0) return;
    std::size_t n = std::min(text.size(), static_cast<std::size_t>(size - 1));
    std::memcpy(buffer, text.data(), n);
    buffer[n] = '\0';
}

void copyText(const std::string& text, wchar_t* buffer, int size) {
    if (!buffer || size <= 0) return;
    buffer[0] = L'\0';
    if (text.empty()) return;
    int needed = MultiByteToWideChar(CP_ACP, 0, text.data(), static_cast<int>(text.size()), nullptr, 0);
    std::vector<wchar_t> wide(static_cast<std::size_t>(std::max(needed, 0)));
    if (needed > 0) MultiByteToWideChar(CP_ACP, 0, text.data(), static_cast<int>(text.size()), wide.data(), needed);
    std::size_t n = std::min(wide.size(), static_cast<std::size_t>(size - 1));
    std::copy_n(wide.begin(), n, buffer);
    buffer[n] = L'\0';
}

// A steady, distinct colour per picture key until the real pictures exist.
COLORREF colourForKey(const std::string& key) {
    std::uint32_t hash = 2166136261u;
    for (unsigned char c : key) hash = (hash ^ c) * 16777619u;
    int hue = static_cast<int>(hash % 360), sector = hue / 60, rise = (hue % 60) * 255 / 60;
    const int high = 210, low = 70, up = low + (high - low) * rise / 255, down = high - (high - low) * rise / 255;
    switch (sector) {
        case 0: return RGB(high, up, low);
        case 1: return RGB(down, high, low);
        case 2: return RGB(low, high, up);
        case 3: return RGB(low, down, high);
        case 4: return RGB(up, low, high);
        default: return RGB(high, low, down);
    }
}

bool startsWithIgnoringCase(const std::string& text, const std::string& prefix, bool whole) {
    if (whole ? text.size() != prefix.size() : text.size() < prefix.size()) return false;
    for (std::size_t i = 0; i < prefix.size(); ++i)
        if (std::tolower(static_cast<unsigned char>(text[i])) != std::tolower(static_cast<unsigned char>(prefix[i])))
            return false;
    return true;
}

std::string narrow(const wchar_t* text) {
    if (!text) return {};
    int needed = WideCharToMultiByte(CP_ACP, 0, text, -1, nullptr, 0, nullptr, nullptr);
    if (needed <= 1) return {};
    std::string result(static_cast<std::size_t>(needed), '\0');
    WideCharToMultiByte(CP_ACP, 0, text, -1, result.data(), needed, nullptr, nullptr);
    result.resize(static_cast<std::size_t>(needed - 1));
    return result;
}

}  // namespace

ListViewBinding::ListViewBinding(ui::ListView& model, HWND parent, const RECT& pixels, int controlId, int dpi)
    : model_(model), dpi_(dpi) {
    DWORD style = WS_CHILD | WS_TABSTOP | WS_CLIPSIBLINGS | LVS_REPORT | LVS_OWNERDATA | LVS_SHOWSELALWAYS |
                  LVS_SINGLESEL;
    if (model.visible()) style |= WS_VISIBLE;
    if (!model.enabled()) style |= WS_DISABLED;
    list_ = CreateWindowExA(WS_EX_CLIENTEDGE, WC_LISTVIEWA, "", style, pixels.left, pixels.top,
                            pixels.right - pixels.left, pixels.bottom - pixels.top, parent,
                            reinterpret_cast<HMENU>(static_cast<INT_PTR>(controlId)), GetModuleHandleA(nullptr),
                            nullptr);
    if (!list_) return;
    DWORD extended = LVS_EX_FULLROWSELECT | (model.checkBoxes() ? LVS_EX_CHECKBOXES : 0);
    SendMessageA(list_, LVM_SETEXTENDEDLISTVIEWSTYLE, extended, extended);
    // A virtual list keeps only selection and focus; the tick comes from the model.
    if (model.checkBoxes()) SendMessageA(list_, LVM_SETCALLBACKMASK, LVIS_STATEIMAGEMASK, 0);
    SetWindowSubclass(list_, subclassProc, kSubclassId, reinterpret_cast<DWORD_PTR>(this));
    applyColumns();
    for (std::size_t i = 0; i < model.rowCount() && !iconsAttached_; ++i) noteIcon(i);
    SendMessageA(list_, LVM_SETITEMCOUNT, model.rowCount(), LVSICF_NOINVALIDATEALL | LVSICF_NOSCROLL);
    applySelection();
}

ListViewBinding::~ListViewBinding() {
    if (list_ && IsWindow(list_)) {
        RemoveWindowSubclass(list_, subclassProc, kSubclassId);
        DestroyWindow(list_);  // the list destroys the small-picture list with it
    } else if (icons_ && !iconsAttached_) {
        ImageList_Destroy(icons_);
    }
}

int ListViewBinding::modelRow(int item) const {
    return item >= 0 && static_cast<std::size_t>(item) < model_.rowCount() ? item : -1;
}

void ListViewBinding::modelChanged(ui::Change change, int index) {
    if (!list_) return;
    switch (change) {
        case ui::Change::Rows: {
            // Appending keeps what is on screen; anything else shifts rows under the view.
            bool appended = index >= 0 && static_cast<std::size_t>(index) + 1 == model_.rowCount();
            if (!appended) fullRepaint_ = true;
            if (index < 0 || (mirroredSelection_ >= 0 && index <= mirroredSelection_)) selectionStale_ = true;
            if (index >= 0) noteIcon(static_cast<std::size_t>(index));
            if (!rowsPending_) {
                rowsPending_ = true;
                if (!PostMessageA(list_, kSyncRows, 0, 0)) flushRows();
            }
            break;
        }
        case ui::Change::Row:
            if (index < 0) break;
            noteIcon(static_cast<std::size_t>(index));
            if (index < static_cast<int>(SendMessageA(list_, LVM_GETITEMCOUNT, 0, 0)))
                SendMessageA(list_, LVM_REDRAWITEMS, index, index);
            break;
        case ui::Change::Selection:
            flushRows();
            applySelection();
            break;
        case ui::Change::Columns:
            applyColumns();
            break;
        case ui::Change::Sorting:
            applySortArrow();
            break;
        default:
            break;
    }
}

void ListViewBinding::flushRows() {
    if (!rowsPending_ || !list_) return;
    rowsPending_ = false;
    SendMessageA(list_, LVM_SETITEMCOUNT, model_.rowCount(), LVSICF_NOINVALIDATEALL | LVSICF_NOSCROLL);
    if (fullRepaint_) {
        fullRepaint_ = false;
        InvalidateRect(list_, nullptr, TRUE);
    }
    if (selectionStale_) applySelection();
}

void ListViewBinding::applyColumns() {
    HWND header = reinterpret_cast<HWND>(SendMessageA(list_, LVM_GETHEADER, 0, 0));
    int have = header ? static_cast<int>(SendMessageA(header, HDM_GETITEMCOUNT, 0, 0)) : 0;
    const auto& columns = model_.columns();
    const int want = static_cast<int>(columns.size());
    while (have > want) SendMessageA(list_, LVM_DELETECOLUMN, --have, 0);
    for (int i = 0; i < want; ++i) {
        std::string header = columns[static_cast<std::size_t>(i)].header;
        LVCOLUMNA column{};
        column.mask = LVCF_TEXT | LVCF_WIDTH | LVCF_SUBITEM;
        column.pszText = header.data();
        column.cx = twipsToPixels(columns[static_cast<std::size_t>(i)].width, dpi_);
        column.iSubItem = i;
        SendMessageA(list_, i < have ? LVM_SETCOLUMNA : LVM_INSERTCOLUMNA, i, reinterpret_cast<LPARAM>(&column));
    }
    applySortArrow();
}

void ListViewBinding::applySortArrow() {
    HWND header = reinterpret_cast<HWND>(SendMessageA(list_, LVM_GETHEADER, 0, 0));
    if (!header) return;
    int count = static_cast<int>(SendMessageA(header, HDM_GETITEMCOUNT, 0, 0));
    for (int i = 0; i < count; ++i) {
        HDITEMA item{};
        item.mask = HDI_FORMAT;
        if (!SendMessageA(header, HDM_GETITEMA, i, reinterpret_cast<LPARAM>(&item))) continue;
        int format = item.fmt & ~(HDF_SORTUP | HDF_SORTDOWN);
        if (model_.sorted() && static_cast<std::size_t>(i) == model_.sortKey())
            format |= model_.sortOrder() == ui::SortOrder::Ascending ? HDF_SORTUP : HDF_SORTDOWN;
        if (format == item.fmt) continue;
        item.fmt = format;
        SendMessageA(header, HDM_SETITEMA, i, reinterpret_cast<LPARAM>(&item));
    }
}

void ListViewBinding::applySelection() {
    std::size_t selected = model_.selectedIndex();
    int want = selected < model_.rowCount() ? static_cast<int>(selected) : -1;
    int have = static_cast<int>(SendMessageA(list_, LVM_GETNEXTITEM, static_cast<WPARAM>(-1), LVNI_SELECTED));
    if (have != want) {
        ++mirroring_;
        LVITEMA item{};
        item.stateMask = LVIS_SELECTED;
        SendMessageA(list_, LVM_SETITEMSTATE, static_cast<WPARAM>(-1), reinterpret_cast<LPARAM>(&item));
        if (want >= 0) {
            item.state = item.stateMask = LVIS_SELECTED | LVIS_FOCUSED;
            SendMessageA(list_, LVM_SETITEMSTATE, want, reinterpret_cast<LPARAM>(&item));
            // A row the program picks (Find) is brought into view, as the user expects.
            SendMessageA(list_, LVM_ENSUREVISIBLE, want, FALSE);
        }
        --mirroring_;
    }
    mirroredSelection_ = want;
    selectionStale_ = false;
}

void ListViewBinding::noteIcon(std::size_t index) {
    if (iconsAttached_ || index >= model_.rowCount() || model_.row(index).smallIcon.empty()) return;
    int cx = GetSystemMetrics(SM_CXSMICON), cy = GetSystemMetrics(SM_CYSMICON);
    icons_ = ImageList_Create(cx > 0 ? cx : 16, cy > 0 ? cy : 16, ILC_COLOR24 | ILC_MASK, 4, 4);
    if (!icons_) return;
    SendMessageA(list_, LVM_SETIMAGELIST, LVSIL_SMALL, reinterpret_cast<LPARAM>(icons_));
    iconsAttached_ = true;
    InvalidateRect(list_, nullptr, TRUE);
}

int ListViewBinding::iconIndex(const std::string& key) {
    if (key.empty() || !icons_) return I_IMAGENONE;
    auto found = iconIndexes_.find(key);
    if (found != iconIndexes_.end()) return found->second;
    int cx = 16, cy = 16;
    ImageList_GetIconSize(icons_, &cx, &cy);
    HDC screen = GetDC(nullptr);
    HDC dc = CreateCompatibleDC(screen);
    HBITMAP bitmap = CreateCompatibleBitmap(screen, cx, cy);
    ReleaseDC(nullptr, screen);
    int index = I_IMAGENONE;
    if (dc && bitmap) {
        HGDIOBJ oldBitmap = SelectObject(dc, bitmap);
        RECT all{0, 0, cx, cy};
        HBRUSH mask = CreateSolidBrush(kMaskColour);
        FillRect(dc, &all, mask);
        DeleteObject(mask);
        COLORREF colour = colourForKey(key);
        HBRUSH fill = CreateSolidBrush(colour);
        HPEN edge = CreatePen(PS_SOLID, 1, RGB(GetRValue(colour) / 2, GetGValue(colour) / 2, GetBValue(colour) / 2));
        HGDIOBJ oldBrush = SelectObject(dc, fill);
        HGDIOBJ oldPen = SelectObject(dc, edge);
        RoundRect(dc, 1, 1, cx - 1, cy - 1, cx / 3, cy / 3);
        SelectObject(dc, oldPen);
        SelectObject(dc, oldBrush);
        DeleteObject(edge);
        DeleteObject(fill);
        SelectObject(dc, oldBitmap);
        index = ImageList_AddMasked(icons_, bitmap, kMaskColour);
    }
    if (bitmap) DeleteObject(bitmap);
    if (dc) DeleteDC(dc);
    if (index < 0) index = I_IMAGENONE;
    iconIndexes_[key] = index;
    return index;
}

bool ListViewBinding::notify(NMHDR* header, LRESULT& result) {
    if (!header || header->hwndFrom != list_) return false;
    result = 0;
    switch (header->code) {
        case LVN_GETDISPINFOA:
            onGetDispInfoA(*reinterpret_cast<NMLVDISPINFOA*>(header));
            return true;
        case LVN_GETDISPINFOW:
            onGetDispInfoW(*reinterpret_cast<NMLVDISPINFOW*>(header));
            return true;
        case NM_CUSTOMDRAW:
            result = onCustomDraw(*reinterpret_cast<NMLVCUSTOMDRAW*>(header));
            return true;
        case NM_CLICK:
            onClick(*reinterpret_cast<NMITEMACTIVATE*>(header));
            return true;
        case LVN_ITEMCHANGED:
            onItemChanged(*reinterpret_cast<NMLISTVIEW*>(header));
            return true;
        case LVN_COLUMNCLICK: {
            int column = reinterpret_cast<NMLISTVIEW*>(header)->iSubItem;
            if (column >= 0) model_.clickColumn(static_cast<std::size_t>(column));
            return true;
        }
        case LVN_ODFINDITEMA:
            result = onFindItem(*reinterpret_cast<NMLVFINDITEMA*>(header));
            return true;
        case LVN_ODFINDITEMW: {
            const auto& wide = *reinterpret_cast<NMLVFINDITEMW*>(header);
            NMLVFINDITEMA find{};
            find.hdr = wide.hdr;
            find.iStart = wide.iStart;
            find.lvfi.flags = wide.lvfi.flags;
            std::string text = (wide.lvfi.flags & (LVFI_STRING | LVFI_PARTIAL)) ? narrow(wide.lvfi.psz) : std::string();
            find.lvfi.psz = text.c_str();
            result = onFindItem(find);
            return true;
        }
        default:
            return false;
    }
}

// The list asks in ANSI or in Unicode depending on who created it; the answer is the same.
template <typename Item>
void ListViewBinding::fillItem(Item& item) {
    int row = modelRow(item.iItem);
    if (item.mask & LVIF_TEXT) {
        std::string text = row >= 0 && item.iSubItem >= 0
                               ? model_.text(static_cast<std::size_t>(row), static_cast<std::size_t>(item.iSubItem))
                               : std::string();
        copyText(text, item.pszText, item.cchTextMax);
    }
    if (item.mask & LVIF_IMAGE)
        item.iImage = row >= 0 && item.iSubItem == 0 ? iconIndex(model_.row(static_cast<std::size_t>(row)).smallIcon)
                                                     : I_IMAGENONE;
    if ((item.mask & LVIF_STATE) && model_.checkBoxes()) {
        bool checked = row >= 0 && model_.row(static_cast<std::size_t>(row)).checked;
        item.state = (item.state & ~LVIS_STATEIMAGEMASK) | INDEXTOSTATEIMAGEMASK(checked ? kChecked : kUnchecked);
        item.stateMask |= LVIS_STATEIMAGEMASK;
    }
}

void ListViewBinding::onGetDispInfoA(NMLVDISPINFOA& info) { fillItem(info.item); }

void ListViewBinding::onGetDispInfoW(NMLVDISPINFOW& info) { fillItem(info.item); }

LRESULT ListViewBinding::onCustomDraw(NMLVCUSTOMDRAW& draw) {
    switch (draw.nmcd.dwDrawStage) {
        case CDDS_PREPAINT:
            return CDRF_NOTIFYITEMDRAW;
        case CDDS_ITEMPREPAINT: {
            int row = modelRow(static_cast<int>(draw.nmcd.dwItemSpec));
            if (row < 0) return CDRF_DODEFAULT;
            std::uint32_t colour = model_.row(static_cast<std::size_t>(row)).color;
            if (colour == 0) return CDRF_DODEFAULT;  // the system's window text colour
            draw.clrText = colour;
            return CDRF_NEWFONT;
        }
        default:
            return CDRF_DODEFAULT;
    }
}

void ListViewBinding::onClick(const NMITEMACTIVATE& click) {
    LVHITTESTINFO hit{};
    hit.pt = click.ptAction;
    SendMessageA(list_, LVM_HITTEST, 0, reinterpret_cast<LPARAM>(&hit));
    bool reported = clickReported_;
    clickReported_ = false;
    if (model_.checkBoxes() && hit.iItem >= 0 && (hit.flags & LVHT_ONITEMSTATEICON)) {
        toggleCheck(hit.iItem);
        return;
    }
    int row = modelRow(click.iItem >= 0 ? click.iItem : hit.iItem);
    if (row >= 0 && !reported) model_.clickRow(static_cast<std::size_t>(row));
}

void ListViewBinding::onItemChanged(const NMLISTVIEW& change) {
    if (mirroring_ || !(change.uChanged & LVIF_STATE)) return;
    bool nowSelected = (change.uNewState & LVIS_SELECTED) && !(change.uOldState & LVIS_SELECTED);
    int row = modelRow(change.iItem);
    if (!nowSelected || row < 0) return;
    // A press that selects a row reports its click here; the NM_CLICK after it is the same click.
    if (mouseDown_) clickReported_ = true;
    mirroredSelection_ = row;
    model_.clickRow(static_cast<std::size_t>(row));
}

LRESULT ListViewBinding::onFindItem(const NMLVFINDITEMA& find) {
    if (!(find.lvfi.flags & (LVFI_STRING | LVFI_PARTIAL)) || !find.lvfi.psz) return -1;
    const std::string wanted = find.lvfi.psz;
    const bool whole = !(find.lvfi.flags & LVFI_PARTIAL);
    const std::size_t count = model_.rowCount();
    if (count == 0) return -1;
    std::size_t start = find.iStart >= 0 && static_cast<std::size_t>(find.iStart) < count ? find.iStart : 0;
    for (std::size_t n = 0; n < count; ++n) {
        std::size_t i = (start + n) % count;
        if (startsWithIgnoringCase(model_.text(i, 0), wanted, whole)) return static_cast<LRESULT>(i);
        if (!(find.lvfi.flags & LVFI_WRAP) && i + 1 == count) break;
    }
    return -1;
}

void ListViewBinding::toggleCheck(int item) {
    int row = modelRow(item);
    if (row < 0) return;
    model_.checkRowByUser(static_cast<std::size_t>(row), !model_.row(static_cast<std::size_t>(row)).checked);
}

LRESULT ListViewBinding::onMouseDown(UINT message, WPARAM wParam, LPARAM lParam) {
    if (model_.checkBoxes()) {
        LVHITTESTINFO hit{};
        hit.pt.x = static_cast<short>(LOWORD(lParam));
        hit.pt.y = static_cast<short>(HIWORD(lParam));
        SendMessageA(list_, LVM_HITTEST, 0, reinterpret_cast<LPARAM>(&hit));
        // The tick is the model's: the control never sees this press, so it cannot toggle a second time.
        if (hit.iItem >= 0 && (hit.flags & LVHT_ONITEMSTATEICON)) {
            SetFocus(list_);
            toggleCheck(hit.iItem);
            return 0;
        }
    }
    clickReported_ = false;
    ++mouseDown_;
    LRESULT result = DefSubclassProc(list_, message, wParam, lParam);
    --mouseDown_;
    return result;
}

LRESULT ListViewBinding::onMessage(UINT message, WPARAM wParam, LPARAM lParam) {
    switch (message) {
        case kSyncRows:
            flushRows();
            return 0;
        case WM_LBUTTONDOWN:
        case WM_LBUTTONDBLCLK:
            return onMouseDown(message, wParam, lParam);
        case WM_KEYDOWN:
            if (wParam == VK_SPACE && model_.checkBoxes()) {
                int focused =
                    static_cast<int>(SendMessageA(list_, LVM_GETNEXTITEM, static_cast<WPARAM>(-1), LVNI_FOCUSED));
                if (focused < 0) {
                    std::size_t selected = model_.selectedIndex();
                    focused = selected < model_.rowCount() ? static_cast<int>(selected) : -1;
                }
                toggleCheck(focused);
                return 0;
            }
            break;
        case WM_CHAR:
            if (wParam == ' ' && model_.checkBoxes()) return 0;  // Space ticks; it starts no search
            break;
        case WM_NCDESTROY: {
            HWND window = list_;
            RemoveWindowSubclass(window, subclassProc, kSubclassId);
            list_ = nullptr;
            return DefSubclassProc(window, message, wParam, lParam);
        }
        default:
            break;
    }
    return DefSubclassProc(list_, message, wParam, lParam);
}

LRESULT CALLBACK ListViewBinding::subclassProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam, UINT_PTR,
                                               DWORD_PTR self) {
    auto* binding = reinterpret_cast<ListViewBinding*>(self);
    if (!binding || binding->list_ != window) return DefSubclassProc(window, message, wParam, lParam);
    return binding->onMessage(message, wParam, lParam);
}

}  // namespace win32
