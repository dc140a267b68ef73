// Starts the program on real windows and saves a picture of each window a
// user meets: the splash, the main window on its three pages (the startup page
// also with entries), the Add/Edit dialog, the about box, the options dialog and the Backups dialog. scripts/screenshots runs it under Xvfb.
#include <cstdio>
#include <string>

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

}  // namespace

int main(int argc, char** argv) {
    const std::string folder = argc > 1 ? argv[1] : ".";
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
    main.startupMenuButton.click();
    ok = save(mainWindow, folder, "main-startup") && ok;
    main.scannerMenuButton.click();
    ok = save(mainWindow, folder, "main-scanner") && ok;

    // The startup page with a sample entry and a parked one, and its dialog; the samples go afterwards.
    const std::string run = "Software\\Microsoft\\Windows\\CurrentVersion\\Run";
    const std::string parked = "software\\morvalen\\run\\Disabled";
    main.store.saveString(platform::kHkeyCurrentUser, run, "Sample Tool", "C:\\windows\\notepad.exe /min");
    main.store.saveString(platform::kHkeyCurrentUser, parked, "Parked Tool", "C:\\windows\\regedit.exe");
    main.startupMenuButton.click();
    ok = save(mainWindow, folder, "main-startup-entries") && ok;
    main.addStartupButton.click();
    ok = save(program.handleOf(main.startupTool->dialog().window), folder, "startup-entry-dialog") && ok;
    main.startupTool->dialog().cancel();
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
