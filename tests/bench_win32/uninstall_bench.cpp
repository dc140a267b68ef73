// Times the uninstall page on the real registry: an Uninstall key of N entries
// with 12 values each, listed through the program's logic beside the same
// enumeration and reads made with the raw API in the same run; a sort by each
// column; a Find that hits the last row; and the longest stretch without a
// service of the message loop during the listing. Run under Wine by scripts/bench.
#include <windows.h>

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <string>
#include <vector>

#include "localisation/lang_text.h"
#include "uninstall/find.h"
#include "uninstall/uninstall_page.h"
#include "win32/win32_services.h"

namespace {

using Clock = std::chrono::steady_clock;

double msSince(Clock::time_point start) {
    return std::chrono::duration<double, std::milli>(Clock::now() - start).count();
}

// The real desktop, remembering the longest time between two yields.
class TimedDesktop : public win32::Win32Desktop {
public:
    void yield() override {
        const auto now = Clock::now();
        if (started) longest = std::max(longest, std::chrono::duration<double, std::milli>(now - last).count());
        started = true;
        last = now;
        win32::Win32Desktop::yield();
    }
    Clock::time_point last;
    bool started = false;
    double longest = 0;
};

const std::string kParent = "Software\\VantrelUninstallBench";
const std::string kKey = kParent + "\\Uninstall";

void plant(int count) {
    char name[32], text[160];
    for (int i = 0; i < count; ++i) {
        std::snprintf(name, sizeof name, "{BENCH-%06d}", i);
        HKEY key;
        RegCreateKeyExA(HKEY_CURRENT_USER, (kKey + "\\" + name).c_str(), 0, nullptr, 0, KEY_ALL_ACCESS, nullptr, &key,
                        nullptr);
        auto text_ = [&](const char* value, const char* format) {
            std::snprintf(text, sizeof text, format, (count - i) * 7919 % count);
            RegSetValueExA(key, value, 0, REG_SZ, reinterpret_cast<const BYTE*>(text), DWORD(std::strlen(text) + 1));
        };
        text_("DisplayName", "Bench Program %06d");
        text_("UninstallString", "\"C:\\Program Files\\Bench %06d\\uninst.exe\" /quiet");
        text_("Publisher", "Publisher %d");
        text_("URLInfoAbout", "http://www.example.org/%d");
        text_("DisplayVersion", "1.%d");
        text_("InstallLocation", "C:\\Program Files\\Bench %d\\");
        text_("DisplayIcon", "C:\\Program Files\\Bench %d\\app.exe,0");
        text_("HelpLink", "http://www.example.org/help/%d");
        text_("Comments", "Planted entry %d");
        text_("Contact", "bench%d@example.org");
        text_("InstallDate", "2026%04d");
        const DWORD size = static_cast<DWORD>(i);
        RegSetValueExA(key, "EstimatedSize", 0, REG_DWORD, reinterpret_cast<const BYTE*>(&size), sizeof size);
        RegCloseKey(key);
    }
}

// The same walk with the raw API: enumerate, then open each entry and read its two values.
std::size_t rawListing() {
    HKEY parent;
    if (RegOpenKeyExA(HKEY_CURRENT_USER, kKey.c_str(), 0, KEY_ENUMERATE_SUB_KEYS, &parent)) return 0;
    std::vector<std::string> names;
    char name[2048];
    for (DWORD i = 0; RegEnumKeyA(parent, i, name, sizeof name) == ERROR_SUCCESS; ++i) names.emplace_back(name);
    RegCloseKey(parent);
    std::size_t listed = 0;
    for (const auto& entry : names) {
        HKEY key;
        if (RegOpenKeyExA(HKEY_CURRENT_USER, (kKey + "\\" + entry).c_str(), 0, KEY_QUERY_VALUE, &key)) continue;
        char data[1024];
        DWORD size = sizeof data, type = 0;
        if (RegQueryValueExA(key, "displayname", nullptr, &type, reinterpret_cast<BYTE*>(data), &size) == 0) ++listed;
        size = sizeof data;
        RegQueryValueExA(key, "UninstallString", nullptr, &type, reinterpret_cast<BYTE*>(data), &size);
        RegCloseKey(key);
    }
    return listed;
}

}  // namespace

int main(int argc, char** argv) {
    const int count = argc > 1 ? std::atoi(argv[1]) : 5000;
    win32::Win32Machine services;
    TimedDesktop desktop;
    platform::Machine machine{services.registry, services.profile, services.files, services.processes,
                              services.shortcuts, desktop};
    store::SettingsStore store(machine.registry, machine.profile, machine.files);
    localisation::Language language(store, machine.files, [] { return std::string("english.ini"); });
    backup::Backups backups(machine, machine.files.programFolder() + "\\BenchBackups");

    auto start = Clock::now();
    plant(count);
    std::printf("planted %d entries of 12 values: %.0f ms\n", count, msSince(start));

    uninstall::UninstallPage programs(machine, backups, language,
                                      {std::vector<uninstall::UninstallPlace>{
                                           {platform::kHkeyCurrentUser, platform::View::Native, kKey, kKey + "NT"}},
                                       false});
    ui::ListView& list = programs.parts.programList;

    // Alternate the two walks, best of three each, so a busy moment of the machine hurts both alike.
    double logic = 1e9, raw = 1e9;
    std::size_t rawRows = 0;
    for (int round = 0; round < 3; ++round) {
        start = Clock::now();
        rawRows = rawListing();
        raw = std::min(raw, msSince(start));
        desktop.started = false;
        desktop.longest = 0;
        start = Clock::now();
        programs.list();
        logic = std::min(logic, msSince(start));
    }
    std::printf("listing through the program: %.0f ms, %zu rows\n", logic, list.rowCount());
    std::printf("same reads by the raw API:   %.0f ms, %zu rows\n", raw, rawRows);
    std::printf("ratio: %.2f (target <= 1.2)\n", logic / raw);
    std::printf("longest time without a message-loop service while listing: %.1f ms (target <= 50)\n",
                desktop.longest);

    for (std::size_t column = 0; column < 3; ++column) {
        start = Clock::now();
        programs.columnClicked(column);
        std::printf("sort by column %zu: %.1f ms (target <= 100)\n", column + 1, msSince(start));
    }
    int findStartRow = 1;
    const std::string last = list.text(list.rowCount() - 1, 0);
    start = Clock::now();
    const bool found = uninstall::findNext({list, false, last, findStartRow}, desktop, language);
    std::printf("Find hitting the last row: %.1f ms (target <= 100), %s at row %d\n", msSince(start),
                found ? "found" : "NOT found", findStartRow - 1);

    HKEY parent;
    if (RegOpenKeyExA(HKEY_CURRENT_USER, "Software", 0, KEY_ALL_ACCESS, &parent) == ERROR_SUCCESS) {
        RegDeleteTreeA(parent, "VantrelUninstallBench");
        RegCloseKey(parent);
    }
    return list.rowCount() == static_cast<std::size_t>(count) && found ? 0 : 1;
}
