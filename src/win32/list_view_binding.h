#pragma once
// A ui::ListView shown by a virtual report list view: the control keeps no
// rows of its own and asks the model for each visible cell, so tens of
// thousands of rows cost nothing until they scroll into view.
#include <windows.h>
#include <commctrl.h>

#include <map>
#include <string>

#include "ui/list_view.h"
#include "win32/bound_control.h"

namespace win32 {

class ListViewBinding : public BoundControl {
public:
    ListViewBinding(ui::ListView& model, HWND parent, const RECT& pixels, int controlId, int dpi);
    ~ListViewBinding() override;
    ListViewBinding(const ListViewBinding&) = delete;
    ListViewBinding& operator=(const ListViewBinding&) = delete;

    HWND handle() const override { return list_; }
    void modelChanged(ui::Change change, int index) override;
    bool notify(NMHDR* header, LRESULT& result) override;

    // Row-count changes are gathered and applied once per message-loop turn;
    // this applies a pending one at once.
    void flushRows();
    bool rowsPending() const { return rowsPending_; }

private:
    static LRESULT CALLBACK subclassProc(HWND, UINT, WPARAM, LPARAM, UINT_PTR, DWORD_PTR);
    LRESULT onMessage(UINT message, WPARAM wParam, LPARAM lParam);
    LRESULT onMouseDown(UINT message, WPARAM wParam, LPARAM lParam);

    void applyColumns();
    void applySortArrow();
    void applySelection();
    void noteIcon(std::size_t index);
    int iconIndex(const std::string& key);

    template <typename Item>
    void fillItem(Item& item);
    void onGetDispInfoA(NMLVDISPINFOA& info);
    void onGetDispInfoW(NMLVDISPINFOW& info);
    LRESULT onCustomDraw(NMLVCUSTOMDRAW& draw);
    void onClick(const NMITEMACTIVATE& click);
    void onItemChanged(const NMLISTVIEW& change);
    LRESULT onFindItem(const NMLVFINDITEMA& find);
    void toggleCheck(int row);
    // Row index from the control, or -1 when it names no row of the model.
    int modelRow(int item) const;

    ui::ListView& model_;
    HWND list_ = nullptr;
    int dpi_;
    bool rowsPending_ = false;
    bool fullRepaint_ = false;
    bool selectionStale_ = false;
    int mirroredSelection_ = -1;
    int mirroring_ = 0;           // our own selection changes are not the user's
    bool clickReported_ = false;  // the selection change of this press already reported the click
    int mouseDown_ = 0;
    HIMAGELIST icons_ = nullptr;
    bool iconsAttached_ = false;
    std::map<std::string, int> iconIndexes_;
};

}  // namespace win32
