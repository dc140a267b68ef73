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
#include "scanner/scan_context.h"
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
        if (timing && waited > 0.05) ++over50;
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
    int over50 = 0;  // waits of 50 ms or more: one is the machine's load, many are the scan's
    int yields = 0;
    double inYields = 0;                 // seconds the message loop took to serve the window
    std::function<std::string()> where;  // what the window showed when the longest wait ended
    std::string longestAt;
    Clock::time_point last = Clock::now();
};

// --- the same reads and tests with the bare API ---------------------------------------------
// The same places as the scan: the machine's keys in both views, App Paths once, the machine's
// and the user's classes apart (shared keys through the 64-bit view, class ids in both).

using scanner::Bits;

struct Raw {
    scanner::FileSight sight;
    std::size_t found = 0;
};

std::vector<std::string> subkeys(HKEY root, REGSAM view, const std::string& path) {
    std::vector<std::string> names;
    HKEY key;
    if (RegOpenKeyExA(root, path.c_str(), 0, KEY_ENUMERATE_SUB_KEYS | view, &key) != ERROR_SUCCESS) return names;
    char name[2048];
    for (DWORD i = 0;; ++i) {
        DWORD length = sizeof name;
        if (RegEnumKeyExA(key, i, name, &length, nullptr, nullptr, nullptr, nullptr) != ERROR_SUCCESS) break;
        names.emplace_back(name, length);
    }
    RegCloseKey(key);
    return names;
}

std::vector<std::string> valueNames(HKEY root, REGSAM view, const std::string& path) {
    std::vector<std::string> names;
    HKEY key;
    if (RegOpenKeyExA(root, path.c_str(), 0, KEY_QUERY_VALUE | view, &key) != ERROR_SUCCESS) return names;
    char name[2048];
    for (DWORD i = 0;; ++i) {
        DWORD length = sizeof name;
        if (RegEnumValueA(key, i, name, &length, nullptr, nullptr, nullptr, nullptr) != ERROR_SUCCESS) break;
        names.emplace_back(name, length);
    }
    RegCloseKey(key);
    return names;
}

std::string text(const Raw& raw, HKEY root, REGSAM view, const std::string& path, const std::string& name, Bits bits) {
    HKEY key;
    if (RegOpenKeyExA(root, path.c_str(), 0, KEY_QUERY_VALUE | view, &key) != ERROR_SUCCESS) return {};
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
        const std::string named = raw.sight.forExpansion(data, bits);
        const DWORD length = ExpandEnvironmentStringsA(named.c_str(), expanded, sizeof expanded);
        if (length > 0 && length <= sizeof expanded) data = expanded;
    }
    return data;
}

std::string trim(const std::string& s) {
    const auto a = s.find_first_not_of(' ');
    return a == std::string::npos ? std::string() : s.substr(a, s.find_last_not_of(' ') - a + 1);
}

bool present(const Raw& raw, const std::string& given, Bits bits) {
    if (trim(given).empty()) return true;
    const std::string path = raw.sight.asSeen(given, bits);
    WIN32_FIND_DATAA found;
    HANDLE search = FindFirstFileA(path.c_str(), &found);
    if (search == INVALID_HANDLE_VALUE) return false;
    bool file = false;
    do file = file || !(found.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY);
    while (!file && FindNextFileA(search, &found));
    FindClose(search);
    return file;
}

struct View {
    REGSAM flag;
    Bits bits;
};
const View kViews[] = {{KEY_WOW64_64KEY, Bits::B64}, {KEY_WOW64_32KEY, Bits::B32}};

// The 9x key when this view has it, else the NT one; nothing when that is the NT font list,
// which both views share and the 64-bit walk has judged.
std::vector<std::string> valuesOf(const View& view, const std::string& first, const std::string& alternative,
                                  std::string& walked) {
    walked = first;
    HKEY key;
    if (RegOpenKeyExA(HKEY_LOCAL_MACHINE, first.c_str(), 0, KEY_QUERY_VALUE | view.flag, &key) == ERROR_SUCCESS) {
        RegCloseKey(key);
    } else {
        walked = alternative;
        if (view.bits == Bits::B32 && alternative.find("fonts") != std::string::npos) return {};
    }
    return valueNames(HKEY_LOCAL_MACHINE, view.flag, walked);
}

void machineKeys(Raw& raw, const View& view) {
    const std::string windows = raw.sight.windowsFolder, nine = "Software\\Microsoft\\windows\\currentversion\\",
                      nt = "Software\\Microsoft\\windows nt\\currentversion\\";
    std::string walked;
    for (const auto& n : valuesOf(view, nine + "fonts", nt + "fonts", walked)) {
        const std::string file = trim(text(raw, HKEY_LOCAL_MACHINE, view.flag, walked, n, view.bits));
        if (file.empty()) continue;
        const bool full = scanner::hasDriveLetter(file) || file.rfind("\\\\", 0) == 0;
        raw.found += !present(raw, full ? file : windows + "\\fonts\\" + file, view.bits);
    }
    for (const auto& n : valuesOf(view, nine + "SharedDlls", nt + "SharedDlls", walked))
        raw.found += !trim(n).empty() && !present(raw, trim(n), view.bits);
    const char* appPaths = "SOFTWARE\\Microsoft\\Windows\\CurrentVersion\\App Paths";
    if (view.bits == Bits::B64)
        for (const auto& n : subkeys(HKEY_LOCAL_MACHINE, view.flag, appPaths)) {
            std::string lower = trim(n);
            for (char& c : lower) c = static_cast<char>(tolower(static_cast<unsigned char>(c)));
            if (lower == "setup.exe" || lower == "install.exe" || lower.empty()) continue;
            std::string path =
                trim(text(raw, HKEY_LOCAL_MACHINE, view.flag, std::string(appPaths) + "\\" + n, "", view.bits));
            if (!path.empty() && path.front() == '"') path = path.size() >= 2 ? path.substr(1, path.size() - 2) : "";
            raw.found += path.empty() || !present(raw, path, view.bits);
        }
}

void helpFiles(Raw& raw, const View& view, const char* part) {
    std::string walked;
    for (const auto& n : valuesOf(view, std::string("SOFTWARE\\Microsoft\\Windows\\") + part,
                                  std::string("Software\\Microsoft\\windows nt\\") + part, walked)) {
        const std::string folder = text(raw, HKEY_LOCAL_MACHINE, view.flag, walked, n, view.bits);
        raw.found += !trim(folder).empty() && !present(raw, folder + "\\" + trim(n), view.bits);
    }
}

const std::string kClasses = "Software\\Classes";

void defaultIcons(Raw& raw, HKEY root) {
    for (const auto& n : subkeys(root, KEY_WOW64_64KEY, kClasses)) {
        std::string icon = trim(text(raw, root, KEY_WOW64_64KEY, kClasses + "\\" + n + "\\defaulticon", "", Bits::B64));
        if (scanner::hasDriveLetter(icon)) raw.found += !present(raw, icon.substr(0, icon.find(',')), Bits::B64);
    }
}

void fileTypes(Raw& raw, HKEY root) {
    for (const auto& n : subkeys(root, KEY_WOW64_64KEY, kClasses)) {
        if (trim(n).empty() || trim(n).front() != '.') continue;
        const std::string type = text(raw, root, KEY_WOW64_64KEY, kClasses + "\\" + n, "", Bits::B64);
        if (trim(type).empty()) continue;
        std::string command;
        // A user's extension may name a type the machine registers.
        for (HKEY from : {root, HKEY_LOCAL_MACHINE}) {
            for (const char* verb : {"open", "edit"})
                if (!trim(command = text(raw, from, KEY_WOW64_64KEY,
                                         kClasses + "\\" + type + "\\shell\\" + verb + "\\command", "", Bits::B64))
                         .empty())
                    break;
            if (!trim(command).empty() || root == HKEY_LOCAL_MACHINE) break;
        }
        const std::string program = trim(scanner::extractProgramPath(command));
        if (scanner::endsWithExe(program) && scanner::hasDriveLetter(program)) raw.found += !present(raw, program, Bits::B64);
    }
}

void classPrograms(Raw& raw, HKEY root, const View& view, std::initializer_list<const char*> keys) {
    const std::string clsid = kClasses + "\\clsid";
    for (const auto& id : subkeys(root, view.flag, clsid)) {
        if (trim(id).empty()) continue;
        std::string value;
        for (const char* key : keys)
            if (!(value = trim(text(raw, root, view.flag, clsid + "\\" + id + "\\" + key, "", view.bits))).empty()) break;
        if (!scanner::hasDriveLetter(value)) continue;
        const std::string program = trim(scanner::extractProgramPath(value));
        raw.found += scanner::endsWithExe(program) && !present(raw, program, view.bits);
    }
}

// A type library's win32 file is a 32-bit file.
void typeLibraries(Raw& raw, HKEY root) {
    const std::string typelib = kClasses + "\\typelib";
    for (const auto& library : subkeys(root, KEY_WOW64_64KEY, typelib)) {
        std::string version;
        for (const auto& v : subkeys(root, KEY_WOW64_64KEY, typelib + "\\" + library)) {
            version = v;
            if (!v.empty() && (isdigit(static_cast<unsigned char>(v[0])))) break;
        }
        if (version.empty()) continue;
        const auto locales = subkeys(root, KEY_WOW64_64KEY, typelib + "\\" + library + "\\" + version);
        if (locales.empty()) continue;
        std::string file = trim(text(raw, root, KEY_WOW64_64KEY,
                                     typelib + "\\" + library + "\\" + version + "\\" + locales[0] + "\\win32", "",
                                     Bits::B32));
        const auto slash = file.find_last_of('\\');
        if (slash != std::string::npos && slash + 1 < file.size() &&
            file.find_first_not_of("0123456789", slash + 1) == std::string::npos)
            file = file.substr(0, slash);
        raw.found += !file.empty() && scanner::hasDriveLetter(file) && !present(raw, file, Bits::B32);
    }
}

// Each check walks its keys afresh, as the scanner's checks do, in their order.
std::size_t rawScan() {
    Raw raw{{true, {}}};
    for (const char* key : {"software\\microsoft\\windows\\currentversion", "software\\microsoft\\windows nt\\currentversion"})
        if (raw.sight.windowsFolder.empty())
            raw.sight.windowsFolder = trim(text(raw, HKEY_LOCAL_MACHINE, 0, key, "SystemRoot", Bits::Native));
    const HKEY roots[] = {HKEY_LOCAL_MACHINE, HKEY_CURRENT_USER};
    for (const View& view : kViews) machineKeys(raw, view);
    for (const char* part : {"Help", "HTML Help"})
        for (const View& view : kViews) helpFiles(raw, view, part);
    for (HKEY root : roots) defaultIcons(raw, root);
    for (HKEY root : roots) fileTypes(raw, root);
    for (HKEY root : roots)
        for (const View& view : kViews) classPrograms(raw, root, view, {"InprocServer32", "LocalServer32", "InprocServer", "LocalServer"});
    for (HKEY root : roots) typeLibraries(raw, root);
    for (HKEY root : roots)
        for (const View& view : kViews) classPrograms(raw, root, view, {"toolboxbitmap32", "toolboxbitmap"});
    return raw.found;
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
        "longest message-loop wait %.1f ms (target under 50, at %s), %d over 50 ms; %d yields, %.2f s serving the window\n",
        label, programSeconds, rawSeconds, rawBefore, rawAfter, programSeconds / rawSeconds, programFindings, rawFindings,
        desktop.longest * 1000, desktop.longestAt.c_str(), desktop.over50, desktop.yields, desktop.inYields);
    return programFindings == rawFindings ? 0 : 2;
}
