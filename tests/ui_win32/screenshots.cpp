// Starts the program on real windows and saves a picture of each window a
// user meets: the splash, the main window on its three pages (the startup page
// also with entries), the Add/Edit dialog, the about box, the options dialog,
// the Backups dialog and the uninstall page's dialogs; with "buttons" after the
// folder, the gallery of drawn buttons instead; with "win10" and an image folder,
// the uninstall and startup pages on that 64-bit Windows 10 image. scripts/screenshots runs it under Xvfb.
#include <cstdio>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <string>

#include "platform/memory_registry.h"
#include "platform/reg_file.h"
#include "ui_win32/button_gallery.h"
#include "ui_win32/ui_desktop.h"
#include "win32/program.h"
#include "win32/screenshot.h"

namespace {

bool save(HWND window, const std::string& folder, const char* name) {
    ui_test::pump(400);
    const std::string path = folder + "\\" + name + ".bmp";
    const bool saved = win32::saveWindowBitmap(window, path);
    std::printf("%s %s\n", saved ? "saved" : "FAILED", path.c_str());
    return saved;
}

constexpr const char* kUninstallKey = "Software\\Microsoft\\Windows\\CurrentVersion\\Uninstall\\";
const char* const kSamplePrograms[][4] = {
    {"VantrelShotViewer", "Image Viewer 4", "\"C:\\Program Files\\Image Viewer\\uninstall.exe\"", "Example Imaging"},
    {"VantrelShotMail", "Mail Checker", "MsiExec.exe /X{6B3F0C2E-1D7A-4C59-9E2B-8A4F00C1D2E3}", "Example Mail"},
    {"VantrelShotTool", "Stale Tool 1.0", "C:\\Program Files\\Stale Tool\\remove.exe", "Example Tools"},
};

// Sample programs in the Uninstall key of the screenshot prefix; false removes them.
void plantSamplePrograms(bool plant) {
    for (const auto& sample : kSamplePrograms) {
        const std::string path = std::string(kUninstallKey) + sample[0];
        if (!plant) {
            RegDeleteKeyA(HKEY_LOCAL_MACHINE, path.c_str());
            continue;
        }
        HKEY key;
        if (RegCreateKeyExA(HKEY_LOCAL_MACHINE, path.c_str(), 0, nullptr, 0, KEY_ALL_ACCESS, nullptr, &key, nullptr))
            continue;
        const char* const names[] = {"DisplayName", "UninstallString", "Publisher"};
        for (int i = 0; i < 3; ++i)
            RegSetValueExA(key, names[i], 0, REG_SZ, reinterpret_cast<const BYTE*>(sample[i + 1]),
                           static_cast<DWORD>(std::string(sample[i + 1]).size() + 1));
        const DWORD size = 2560;
        RegSetValueExA(key, "EstimatedSize", 0, REG_DWORD, reinterpret_cast<const BYTE*>(&size), sizeof size);
        RegCloseKey(key);
    }
}

// The uninstall and startup pages of a 64-bit Windows 10: the program on real windows over the image's
// registry, held in memory, and its Startup-folder files planted in the prefix's folders.
int saveWindows10StartupPage(const std::string& folder, const std::string& image) {
    std::ifstream in(std::filesystem::path(image) / "machine.reg", std::ios::binary);
    const std::string text((std::istreambuf_iterator<char>(in)), std::istreambuf_iterator<char>());
    platform::MemoryRegistry registry;
    registry.setViews({true, true});
    platform::RegFileError error;
    if (!platform::loadRegFile(registry, text, error)) {
        std::printf("FAILED %s: %s\n", image.c_str(), error.describe().c_str());
        return 1;
    }
    ui_test::UiMachine pc;
    const std::string planted[] = {pc.real.shortcuts.startupFolder(true) + "\\Shared.bat",
                                   pc.real.shortcuts.startupFolder(false) + "\\Mine.bat",
                                   pc.real.shortcuts.startupFolder(false) + "\\Notes.bat"};
    for (const std::string& path : planted) std::ofstream(path, std::ios::binary) << "@echo off\r\n";
    platform::Machine machine{registry, pc.real.profile, pc.real.files, pc.real.processes, pc.real.shortcuts,
                              pc.desktop};
    bool ok = false;
    {
        win32::Program program(machine);
        if (program.start()) {
            shell::MainWindow& main = *program.application().mainWindow();
            pc.desktop.clock += 6;
            ok = ui_test::pumpUntil([&] { return main.window.visible(); }, 3000);
            // Wide enough for every column of the uninstall page, as a user who sorts by them would make it.
            main.window.move(0, main.window.top());
            main.window.resizeTo(18900, main.window.height());
            ok = save(program.handleOf(main.window), folder, "main-uninstall-win10x64") && ok;
            main.startupMenuButton.click();
            ok = save(program.handleOf(main.window), folder, "main-startup-win10x64") && ok;
        }
    }
    for (const std::string& path : planted) DeleteFileA(path.c_str());
    return ok ? 0 : 1;
}

}  // namespace

int main(int argc, char** argv) {
    const std::string folder = argc > 1 ? argv[1] : ".";
    if (argc > 2 && std::string(argv[2]) == "buttons")
        return ui_test::saveButtonGallery(folder + "\\buttons.bmp") ? 0 : 1;
    if (argc > 3 && std::string(argv[2]) == "win10") return saveWindows10StartupPage(folder, argv[3]);
    plantSamplePrograms(true);
    ui_test::UiMachine pc;
    win32::Program program(pc.machine);
    if (!program.start()) return 1;
    shell::Application& app = program.application();
    shell::MainWindow& main = *app.mainWindow();
    bool ok = save(program.handleOf(app.aboutBox()->window), folder, "splash");

    pc.desktop.clock += 6;
    ok = ui_test::pumpUntil([&] { return main.window.visible(); }, 3000) && ok;
    HWND mainWindow = program.handleOf(main.window);
    ok = save(mainWindow, folder, "main-uninstall") && ok;
    main.uninstallPage->parts.programList.clickRow(0);
    ok = save(mainWindow, folder, "main-uninstall-programs") && ok;
    main.uninstallPage->parts.uninstallButton.click();
    if (auto* confirm = main.uninstallPage->confirmDialog()) {
        ok = save(program.handleOf(confirm->window), folder, "confirm-program") && ok;
        confirm->cancel();
    }
    main.uninstallPage->parts.programInfoButton.click();
    if (auto* info = main.uninstallPage->programInfoDialog()) {
        ok = save(program.handleOf(info->window), folder, "program-info") && ok;
        info->cancel();
    }
    plantSamplePrograms(false);
    main.startupMenuButton.click();
    ok = save(mainWindow, folder, "main-startup") && ok;
    main.scannerMenuButton.click();
    ok = save(mainWindow, folder, "main-scanner") && ok;
    // A scan of every category on this prefix; its findings are printed for a reader to check by hand.
    scanner::ScannerPage& scan = *main.scannerPage;
    for (std::size_t row = 0; row < scan.categoryList.rowCount(); ++row) scan.categoryList.setChecked(row, true);
    scan.startButton.click();
    for (const scanner::Finding& finding : scan.findings())
        std::printf("finding %s | %s | tag %d\n", finding.location.c_str(), finding.reference.c_str(),
                    static_cast<int>(finding.tag));
    ok = save(mainWindow, folder, "main-scanner-findings") && ok;

    // The startup page with a sample entry and a parked one, and its dialog; the samples go afterwards.
    const std::string run = "Software\\Microsoft\\Windows\\CurrentVersion\\Run";
    const std::string parked = "software\\morvalen\\run\\Disabled";
    main.store.saveString(platform::kHkeyCurrentUser, run, "Sample Tool", "C:\\windows\\notepad.exe /min");
    main.store.saveString(platform::kHkeyCurrentUser, parked, "Parked Tool", "C:\\windows\\regedit.exe");
    main.startupMenuButton.click();
    ok = save(mainWindow, folder, "main-startup-entries") && ok;
    main.startupPage.addButton.click();
    ok = save(program.handleOf(main.startupPage.dialog().window), folder, "startup-entry-dialog") && ok;
    main.startupPage.dialog().cancel();
    main.store.deleteValue("HKCU", run, "Sample Tool");
    main.store.deleteValue("HKCU", parked, "Parked Tool");

    main.aboutMenuButton.click();
    ok = save(program.handleOf(app.aboutBox()->window), folder, "about") && ok;
    app.aboutBox()->closeSpotClick();
    main.optionsMenuButton.click();
    ok = save(program.handleOf(app.optionsDialog()->window), folder, "options") && ok;

    // Two sample sets in the test program's own Backups folder, gone again afterwards.
    for (const char* command : {"Registry scanner delete", "Startup disable"}) {
        backup::BackupSet set = main.backups.open(command);
        set.addValue(platform::kHkeyCurrentUser, "Software\\VantrelScreenshot", "sample");
        set.addFile(program.handleOf(main.window) ? "C:\\windows\\win.ini" : "");
        ok = set.commit() && ok;
    }
    app.optionsDialog()->backupsButton.click();
    ok = save(program.handleOf(app.backupsDialog()->window), folder, "backups") && ok;
    for (const auto& set : main.backups.list()) main.backups.remove(set.folderName);
    return ok ? 0 : 1;
}
