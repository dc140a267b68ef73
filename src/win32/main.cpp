// Vantrel's entry point. For now a plain window that lists the interface
// texts of the chosen language file; the main window replaces it.
#include <windows.h>

#include <string>

#include "localisation/lang_text.h"
#include "store/settings_store.h"
#include "win32/win32_services.h"

namespace {

constexpr int kFirstShownText = 2;
constexpr int kLastShownText = 8;

LRESULT CALLBACK windowProcedure(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
    if (message == WM_DESTROY) {
        PostQuitMessage(0);
        return 0;
    }
    return DefWindowProcA(window, message, wParam, lParam);
}

std::string shownTexts(const localisation::Language& language) {
    std::string lines = "Language file: " + language.filePath() + "\r\n\r\n";
    for (int key = kFirstShownText; key <= kLastShownText; ++key) lines += language.LangText(key) + "\r\n";
    return lines;
}

}  // namespace

int WINAPI WinMain(HINSTANCE instance, HINSTANCE, LPSTR, int show) {
    win32::Win32Machine services;
    store::SettingsStore store(services.registry, services.profile, services.files);
    const std::string languageFile = localisation::chooseLanguageFile(store);
    localisation::Language language(store, services.files, [&] { return languageFile; });

    WNDCLASSA windowClass{};
    windowClass.lpfnWndProc = windowProcedure;
    windowClass.hInstance = instance;
    windowClass.hCursor = LoadCursor(nullptr, IDC_ARROW);
    windowClass.hbrBackground = reinterpret_cast<HBRUSH>(COLOR_BTNFACE + 1);
    windowClass.lpszClassName = "VantrelMain";
    RegisterClassA(&windowClass);

    const std::string title = language.LangText(88);
    HWND window = CreateWindowExA(0, "VantrelMain", title.c_str(), WS_OVERLAPPEDWINDOW, CW_USEDEFAULT, CW_USEDEFAULT,
                                  560, 360, nullptr, nullptr, instance, nullptr);
    if (!window) return 1;
    CreateWindowExA(0, "STATIC", shownTexts(language).c_str(), WS_CHILD | WS_VISIBLE, 16, 16, 520, 300, window,
                    nullptr, instance, nullptr);
    ShowWindow(window, show);
    UpdateWindow(window);

    MSG message;
    while (GetMessageA(&message, nullptr, 0, 0) > 0) {
        TranslateMessage(&message);
        DispatchMessageA(&message);
    }
    return static_cast<int>(message.wParam);
}
