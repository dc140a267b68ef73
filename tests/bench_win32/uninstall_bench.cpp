// Times the uninstall page on the real registry: N entries of 12 values spread
// over the three places Programs and Features reads (HKLM in the native and the
// 32-bit view, HKCU), listed through the program's logic beside the same
// enumerations and reads made with the raw API in the same run; Size and
// Installed sorts; a Find that hits the last row; and the longest stretch without
// a service of the message loop during the listing, to the filled list. Run under Wine by scripts/bench.
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
#include "win32/short_date.h"
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

// The three places Programs and Features reads, each under a scratch key.
struct BenchPlace {
    HKEY root;
    REGSAM view;
    platform::Key key;
    platform::View placeView;
};
const BenchPlace kPlaces[] = {
    {HKEY_LOCAL_MACHINE, 0, platform::kHkeyLocalMachine, platform::View::Native},
    {HKEY_LOCAL_MACHINE, KEY_WOW64_32KEY, platform::kHkeyLocalMachine, platform::View::Bits32},
    {HKEY_CURRENT_USER, 0, platform::kHkeyCurrentUser, platform::View::Native},
};
// What a listing reads of each entry.
const char* const kListedValues[] = {"DisplayName", "UninstallString", "Publisher",        "DisplayVersion",
                                     "InstallDate", "EstimatedSize",   "SystemComponent",  "WindowsInstaller",
                                     "ParentKeyName", "ReleaseType"};

void plant(int count) {
    char name[32], text[160];
    for (int i = 0; i < count; ++i) {
        const BenchPlace& place = kPlaces[i % 3];
        std::snprintf(name, sizeof name, "{BENCH-%06d}", i);
        HKEY key;
        RegCreateKeyExA(place.root, (kKey + "\\" + name).c_str(), 0, nullptr, 0, KEY_ALL_ACCESS | place.view, nullptr,
                        &key, nullptr);
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
        std::snprintf(text, sizeof text, "20%02d%02d%02d", 10 + i % 16, 1 + i % 12, 1 + i % 28);
        RegSetValueExA(key, "InstallDate", 0, REG_SZ, reinterpret_cast<const BYTE*>(text), DWORD(std::strlen(text) + 1));
        const DWORD size = static_cast<DWORD>((count - i) * 7919 % 4000000);
        RegSetValueExA(key, "EstimatedSize", 0, REG_DWORD, reinterpret_cast<const BYTE*>(&size), sizeof size);
        RegCloseKey(key);
    }
}

// The same walk with the raw API: enumerate each place, then open each entry below it and read the listed values.
std::size_t rawListing() {
    std::size_t listed = 0;
    for (const BenchPlace& place : kPlaces) {
        HKEY parent;
        if (RegOpenKeyExA(place.root, kKey.c_str(), 0, KEY_READ | place.view, &parent)) continue;
        std::vector<std::string> names;
        char name[2048];
        for (DWORD i = 0; RegEnumKeyA(parent, i, name, sizeof name) == ERROR_SUCCESS; ++i) names.emplace_back(name);
        for (const auto& entry : names) {
            HKEY key;
            if (RegOpenKeyExA(parent, entry.c_str(), 0, KEY_QUERY_VALUE, &key)) continue;
            char data[1024];
            for (const char* value : kListedValues) {
                DWORD size = sizeof data, type = 0;
                if (RegQueryValueExA(key, value, nullptr, &type, reinterpret_cast<BYTE*>(data), &size) == 0 &&
                    value == kListedValues[0])
                    ++listed;
            }
            RegCloseKey(key);
        }
        RegCloseKey(parent);
    }
    return listed;
}

void removePlanted() {
    for (const BenchPlace& place : kPlaces) {
        HKEY software;
        if (RegOpenKeyExA(place.root, "Software", 0, KEY_ALL_ACCESS | place.view, &software) != ERROR_SUCCESS) continue;
        RegDeleteTreeA(software, "VantrelUninstallBench");
        RegCloseKey(software);
    }
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
    removePlanted();  // what an interrupted run left
    plant(count);
    std::printf("planted %d entries of 12 values: %.0f ms\n", count, msSince(start));

    std::vector<uninstall::UninstallPlace> places;
    for (const BenchPlace& place : kPlaces) places.push_back({place.key, place.placeView, kKey, "", {}});
    uninstall::UninstallPage programs(machine, backups, language, {places, false});
    programs.shortDate = win32::shortDate;  // as the program binds it
    ui::ListView& list = programs.parts.programList;

    // The three walks in turn, best of five each, so a busy moment of the machine hurts all alike.
    // The longest wait counts to the listing's end: the rows are filled after the last read.
    constexpr int kRounds = 5;
    double logic = 1e9, raw = 1e9, records = 1e9;
    std::size_t rawRows = 0, recordCount = 0;
    std::vector<double> waits;
    for (int round = 0; round < kRounds; ++round) {
        start = Clock::now();
        rawRows = rawListing();
        raw = std::min(raw, msSince(start));
        start = Clock::now();
        recordCount = uninstall::listInstalledPrograms(machine, {places, false}).programs.size();
        records = std::min(records, msSince(start));
        desktop.started = false;
        desktop.longest = 0;
        start = Clock::now();
        programs.list();
        logic = std::min(logic, msSince(start));
        waits.push_back(std::max(desktop.longest, msSince(desktop.last)));
    }
    std::printf("records alone (no page, no message loop): %.0f ms, %zu records\n", records, recordCount);
    std::printf("listing through the program: %.0f ms, %zu rows\n", logic, list.rowCount());
    std::printf("same reads by the raw API:   %.0f ms, %zu rows\n", raw, rawRows);
    std::printf("ratio: %.2f (target <= 1.2), records alone %.2f\n", logic / raw, records / raw);
    std::string eachRound;
    for (double wait : waits) {
        eachRound += ' ';
        eachRound += std::to_string(static_cast<int>(wait + 0.5));
    }
    std::printf("longest time without a message-loop service while listing: %.1f ms in the best round "
                "(target <= 50); each round in ms:%s\n",
                *std::min_element(waits.begin(), waits.end()), eachRound.c_str());

    const std::pair<const char*, std::size_t> sorts[] = {
        {"Program Name", uninstall::kNameColumn}, {"Size", uninstall::kSizeColumn},
        {"Size", uninstall::kSizeColumn},          {"Installed", uninstall::kInstalledColumn},
        {"Installed", uninstall::kInstalledColumn}};
    for (const auto& [header, column] : sorts) {
        start = Clock::now();
        programs.columnClicked(column);
        std::printf("header click %s (%s): %.1f ms (target <= 100)\n", header,
                    list.sortOrder() == ui::SortOrder::Ascending ? "ascending" : "descending", msSince(start));
    }
    int findStartRow = 1;
    const std::string last = list.text(list.rowCount() - 1, 0);
    start = Clock::now();
    const bool found = uninstall::findNext({list, false, last, findStartRow}, desktop, language);
    std::printf("Find hitting the last row: %.1f ms (target <= 100), %s at row %d\n", msSince(start),
                found ? "found" : "NOT found", findStartRow - 1);

    removePlanted();
    return list.rowCount() == static_cast<std::size_t>(count) && found ? 0 : 1;
}
