// Times a bound list view under Wine: 50,000 rows added through the model,
// then scrolled page by page to the end. Prints its figures; scripts/bench runs it.
#include <windows.h>
#include <commctrl.h>

#include <chrono>
#include <cstdio>
#include <string>

#include "ui/list_view.h"
#include "ui/window.h"
#include "win32/window_binder.h"

namespace {

double secondsSince(std::chrono::steady_clock::time_point start) {
    return std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count();
}

void pumpPending() {
    MSG message;
    while (PeekMessageA(&message, nullptr, 0, 0, PM_REMOVE)) {
        TranslateMessage(&message);
        DispatchMessageA(&message);
    }
}

}  // namespace

int main(int argc, char** argv) {
    const int rows = argc > 1 ? std::atoi(argv[1]) : 50000;
    INITCOMMONCONTROLSEX controls{sizeof controls, ICC_LISTVIEW_CLASSES};
    InitCommonControlsEx(&controls);

    ui::Window window("Bench", {0, 0, 9000, 7000}, "List view bench");
    ui::ListView list("List", {120, 120, 8500, 6000}, {{"Program", 3000}, {"Command", 4500}, {"", 0}}, true);
    window.add(list);
    win32::WindowBinder binder(window);
    window.show();
    pumpPending();
    HWND view = binder.handleOf(list);
    if (!view) {
        std::printf("the list view was not made (no display?)\n");
        return 1;
    }

    auto start = std::chrono::steady_clock::now();
    for (int i = 0; i < rows; ++i) {
        ui::Row row;
        row.texts = {"Program " + std::to_string(i), "C:\\Program Files\\P" + std::to_string(i) + "\\uninst.exe",
                     "key" + std::to_string(i)};
        row.checked = i % 3 == 0;
        list.addRow(std::move(row));
    }
    pumpPending();
    const double filled = secondsSince(start);
    const auto count = SendMessageA(view, LVM_GETITEMCOUNT, 0, 0);

    start = std::chrono::steady_clock::now();
    int pages = 0;
    while (SendMessageA(view, LVM_GETTOPINDEX, 0, 0) + SendMessageA(view, LVM_GETCOUNTPERPAGE, 0, 0) < count &&
           pages < 100000) {
        SendMessageA(view, WM_VSCROLL, SB_PAGEDOWN, 0);
        UpdateWindow(view);
        ++pages;
    }
    const double scrolled = secondsSince(start);

    std::printf("rows: %d (list shows %ld)\n", rows, static_cast<long>(count));
    std::printf("fill through the model:   %.3f s (%.2f us a row)\n", filled, 1e6 * filled / rows);
    std::printf("scroll to the end:        %.3f s (%d pages, %.2f ms a page)\n", scrolled, pages,
                pages ? 1e3 * scrolled / pages : 0.0);
    return count == rows ? 0 : 1;
}
