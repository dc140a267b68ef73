// The full seven-category scan under Wine: once through the program's own
// scanner page on real windows, once as bare registry reads and file searches
// with no UI. Prints one line: both times, their ratio, the findings of each
// (they must agree) and the longest time the message loop went unserved.
// scripts/bench imports the machine scripts/make_scan_machine.py writes first.
#include <windows.h>

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <functional>
#include <optional>
#include <string>
#include <vector>

#include "scanner/program_path.h"
#include "ui_win32/ui_desktop.h"
#include "win32/program.h"

namespace {

using Clock = std::chrono::steady_clock;

double secondsSince(Clock::time_point start) { return std::chrono::duration<double>(Clock::now() - start).count(); }

// The test desktop, timing the gaps between two services of the message loop.
class TimedDesktop : public ui_test::UiDesktop {
public:
    void yield() override {
        const auto now = Clock::now();
        const double waited = std::chrono::duration<double>(now - last).count();
        if (timing && waited > longest) {
            longest = waited;
            if (where) longestAt = where();
        }
        UiDesktop::yield();
        last = Clock::now();
        if (timing) {
            ++yields;
            inYields += std::chrono::duration<double>(last - now).count();
        }
    }
    // The scan paces its yields by the clock, so during it the clock is the real one.
    double secondsSinceMidnight() override {
        return timing ? std::chrono::duration<double>(Clock::now().time_since_epoch()).count() : clock;
    }
    bool timing = false;
    double longest = 0;
    int yields = 0;
    double inYields = 0;                 // seconds the message loop took to serve the window
    std::function<std::string()> where;  // what the window showed when the longest wait ended
    std::string longestAt;
    Clock::time_point last = Clock::now();
};

// --- the same reads and tests with the bare API ---------------------------------------------

std::vector<std::string> subkeys(HKEY root, const std::string& path) {
    std::vector<std::string> names;
    HKEY key;
    if (RegOpenKeyExA(root, path.c_str(), 0, KEY_ENUMERATE_SUB_KEYS, &key) != ERROR_SUCCESS) return names;
    char name[2048];
    for (DWORD i = 0;; ++i) {
        DWORD length = sizeof name;
        if (RegEnumKeyExA(key, i, name, &length, nullptr, nullptr, nullptr, nullptr) != ERROR_SUCCESS) break;
        names.emplace_back(name, length);
    }
    RegCloseKey(key);
    return names;
}

std::vector<std::string> valueNames(HKEY root, const std::string& path) {
    std::vector<std::string> names;
    HKEY key;
    if (RegOpenKeyExA(root, path.c_str(), 0, KEY_QUERY_VALUE, &key) != ERROR_SUCCESS) return names;
    char name[2048];
    for (DWORD i = 0;; ++i) {
        DWORD length = sizeof name;
        if (RegEnumValueA(key, i, name, &length, nullptr, nullptr, nullptr, nullptr) != ERROR_SUCCESS) break;
        names.emplace_back(name, length);
    }
    RegCloseKey(key);
    return names;
}

std::string text(HKEY root, const std::string& path, const std::string& name) {
    HKEY key;
    if (RegOpenKeyExA(root, path.c_str(), 0, KEY_QUERY_VALUE, &key) != ERROR_SUCCESS) return {};
    std::string data(256, '\0');
    DWORD type = 0, size = static_cast<DWORD>(data.size());
    LONG status = RegQueryValueExA(key, name.c_str(), nullptr, &type, reinterpret_cast<BYTE*>(data.data()), &size);
    if (status == ERROR_MORE_DATA) {
        data.assign(size, '\0');
        status = RegQueryValueExA(key, name.c_str(), nullptr, &type, reinterpret_cast<BYTE*>(data.data()), &size);
    }
    RegCloseKey(key);
    if (status != ERROR_SUCCESS) return {};
    data.resize(size);
    if (type == REG_DWORD) return std::to_string(*reinterpret_cast<const DWORD*>(data.data()));
    if (type != REG_SZ && type != REG_EXPAND_SZ) return {};
    data = data.substr(0, data.find('\0'));
    if (type == REG_EXPAND_SZ) {
        char expanded[4096];
        const DWORD length = ExpandEnvironmentStringsA(data.c_str(), expanded, sizeof expanded);
        if (length > 0 && length <= sizeof expanded) data = expanded;
    }
    return data;
}

std::string trim(const std::string& s) {
    const auto a = s.find_first_not_of(' ');
    return a == std::string::npos ? std::string() : s.substr(a, s.find_last_not_of(' ') - a + 1);
}

bool present(const std::string& path) {
    if (trim(path).empty()) return true;
    WIN32_FIND_DATAA found;
    HANDLE search = FindFirstFileA(path.c_str(), &found);
    if (search == INVALID_HANDLE_VALUE) return false;
    bool file = false;
    do file = file || !(found.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY);
    while (!file && FindNextFileA(search, &found));
    FindClose(search);
    return file;
}

std::vector<std::string> valuesOf(const char* first, const char* alternative, std::string& walked) {
    walked = first;
    HKEY key;
    if (RegOpenKeyExA(HKEY_LOCAL_MACHINE, first, 0, KEY_QUERY_VALUE, &key) == ERROR_SUCCESS) {
        RegCloseKey(key);
    } else {
        walked = alternative;
    }
    return valueNames(HKEY_LOCAL_MACHINE, walked);
}

std::size_t rawScan() {
    std::size_t found = 0;
    std::string walked;
    std::string windows = text(HKEY_LOCAL_MACHINE, "software\\microsoft\\windows\\currentversion", "SystemRoot");
    if (trim(windows).empty()) windows = text(HKEY_LOCAL_MACHINE, "software\\microsoft\\windows nt\\currentversion", "SystemRoot");
    for (const auto& n : valuesOf("Software\\Microsoft\\windows\\currentversion\\fonts",
                                  "Software\\Microsoft\\windows nt\\currentversion\\fonts", walked)) {
        const std::string file = trim(text(HKEY_LOCAL_MACHINE, walked, n));
        if (file.empty()) continue;
        const bool full = scanner::hasDriveLetter(file) || file.rfind("\\\\", 0) == 0;
        found += !present(full ? file : windows + "\\fonts\\" + file);
    }
    for (const auto& n : valuesOf("Software\\Microsoft\\windows\\currentversion\\SharedDlls",
                                  "Software\\Microsoft\\windows nt\\currentversion\\SharedDlls", walked))
        found += !trim(n).empty() && !present(trim(n));
    const char* appPaths = "SOFTWARE\\Microsoft\\Windows\\CurrentVersion\\App Paths";
    for (const auto& n : subkeys(HKEY_LOCAL_MACHINE, appPaths)) {
        std::string lower = trim(n);
        for (char& c : lower) c = static_cast<char>(tolower(static_cast<unsigned char>(c)));
        if (lower == "setup.exe" || lower == "install.exe" || lower.empty()) continue;
        std::string path = trim(text(HKEY_LOCAL_MACHINE, std::string(appPaths) + "\\" + n, ""));
        if (!path.empty() && path.front() == '"') path = path.size() >= 2 ? path.substr(1, path.size() - 2) : "";
        found += path.empty() || !present(path);
    }
    for (const char* help : {"SOFTWARE\\Microsoft\\Windows\\Help", "SOFTWARE\\Microsoft\\Windows\\HTML Help"})
        for (const auto& n : valueNames(HKEY_LOCAL_MACHINE, help)) {
            const std::string folder = text(HKEY_LOCAL_MACHINE, help, n);
            found += !trim(folder).empty() && !present(folder + "\\" + trim(n));
        }
    // Each check walks its keys afresh, as the scanner's checks do.
    for (const auto& n : subkeys(HKEY_CLASSES_ROOT, "")) {
        std::string icon = trim(text(HKEY_CLASSES_ROOT, n + "\\defaulticon", ""));
        if (scanner::hasDriveLetter(icon)) found += !present(icon.substr(0, icon.find(',')));
    }
    for (const auto& n : subkeys(HKEY_CLASSES_ROOT, "")) {
        if (trim(n).empty() || trim(n).front() != '.') continue;
        const std::string type = text(HKEY_CLASSES_ROOT, n, "");
        if (trim(type).empty()) continue;
        std::string command = text(HKEY_CLASSES_ROOT, type + "\\shell\\open\\command", "");
        if (trim(command).empty()) command = text(HKEY_CLASSES_ROOT, type + "\\shell\\edit\\command", "");
        const std::string program = trim(scanner::extractProgramPath(command));
        if (scanner::endsWithExe(program) && scanner::hasDriveLetter(program)) found += !present(program);
    }
    auto classPrograms = [&](std::initializer_list<const char*> keys) {
        for (const auto& id : subkeys(HKEY_CLASSES_ROOT, "clsid")) {
            if (trim(id).empty()) continue;
            std::string value;
            for (const char* key : keys)
                if (!(value = trim(text(HKEY_CLASSES_ROOT, "clsid\\" + id + "\\" + key, ""))).empty()) break;
            if (!scanner::hasDriveLetter(value)) continue;
            const std::string program = trim(scanner::extractProgramPath(value));
            found += scanner::endsWithExe(program) && !present(program);
        }
    };
    classPrograms({"InprocServer32", "LocalServer32", "InprocServer", "LocalServer"});
    for (const auto& library : subkeys(HKEY_CLASSES_ROOT, "typelib")) {
        std::string version;
        for (const auto& v : subkeys(HKEY_CLASSES_ROOT, "typelib\\" + library)) {
            version = v;
            if (!v.empty() && (isdigit(static_cast<unsigned char>(v[0])))) break;
        }
        if (version.empty()) continue;
        const auto locales = subkeys(HKEY_CLASSES_ROOT, "typelib\\" + library + "\\" + version);
        if (locales.empty()) continue;
        std::string file = trim(text(HKEY_CLASSES_ROOT, "typelib\\" + library + "\\" + version + "\\" + locales[0] + "\\win32", ""));
        const auto slash = file.find_last_of('\\');
        if (slash != std::string::npos && slash + 1 < file.size() &&
            file.find_first_not_of("0123456789", slash + 1) == std::string::npos)
            file = file.substr(0, slash);
        found += !file.empty() && scanner::hasDriveLetter(file) && !present(file);
    }
    classPrograms({"toolboxbitmap32", "toolboxbitmap"});
    return found;
}

}  // namespace

int main(int argc, char** argv) {
    const char* label = argc > 1 ? argv[1] : "the imported machine";
    ui_test::UiMachine pc;
    TimedDesktop desktop;
    platform::Machine machine{pc.real.registry, pc.real.profile, pc.real.files, pc.real.processes, pc.real.shortcuts,
                              desktop};
    win32::Program program(machine);
    if (!program.start()) return 1;
    shell::MainWindow& main = *program.application().mainWindow();
    desktop.clock += 6;
    ui_test::pumpUntil([&] { return main.window.visible(); }, 3000);
    main.scannerMenuButton.click();
    for (std::size_t row = 0; row < main.scannerPage->categoryList.rowCount(); ++row)
        main.scannerPage->categoryList.setChecked(row, true);

    desktop.where = [&] {
        return "\"" + main.statusCaption.caption() + "\", " +
               std::to_string(main.scannerPage->findingsList.rowCount()) + " rows";
    };
    // The bare scan runs before and after the program's, so neither meets a colder machine than the other.
    auto start = Clock::now();
    const std::size_t rawFindings = rawScan();
    const double rawBefore = secondsSince(start);

    desktop.last = Clock::now();
    desktop.timing = true;
    start = Clock::now();
    main.scannerPage->startButton.click();
    const double programSeconds = secondsSince(start);
    desktop.timing = false;
    const std::size_t programFindings = main.scannerPage->findingsList.rowCount();

    start = Clock::now();
    rawScan();
    const double rawAfter = secondsSince(start);
    const double rawSeconds = (rawBefore + rawAfter) / 2;

    std::printf(
        "scan, %s: program %.2f s, bare API %.2f s (%.2f before, %.2f after), ratio %.2f (target at most 1.3); %zu findings (bare %zu); "
        "longest message-loop wait %.1f ms (target under 50, at %s); %d yields, %.2f s serving the window\n",
        label, programSeconds, rawSeconds, rawBefore, rawAfter, programSeconds / rawSeconds, programFindings, rawFindings,
        desktop.longest * 1000, desktop.longestAt.c_str(), desktop.yields, desktop.inYields);
    return programFindings == rawFindings ? 0 : 2;
}
