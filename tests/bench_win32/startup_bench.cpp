// Times the startup listing under Wine on a machine with N Run values across
// the three keys and M shortcuts in the two Startup folders: the program's
// listing beside the same reads made straight on the API, and the longest
// wait the message loop sees during the listing. Run by scripts/bench.
#include <windows.h>

#include <objbase.h>
#include <shlobj.h>
#include <shobjidl.h>

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <optional>
#include <string>
#include <vector>

#include "platform/message_pacer.h"
#include "platform/registry_key.h"
#include "startup/startup_listing.h"
#include "startup/startup_places.h"
#include "startup/startup_sources.h"
#include "win32/win32_services.h"

namespace {

using Clock = std::chrono::steady_clock;

double secondsSince(Clock::time_point start) { return std::chrono::duration<double>(Clock::now() - start).count(); }

struct RunKey {
    HKEY root;
    const char* path;
};
const RunKey kKeys[] = {{HKEY_LOCAL_MACHINE, startup::kRunKey},
                        {HKEY_CURRENT_USER, startup::kRunKey},
                        {HKEY_LOCAL_MACHINE, startup::kRunServicesKey}};

// One listing as the startup page runs it, serving the loop through the pacer: how long it took and
// the longest stretch without a service.
struct TimedListing {
    std::optional<std::vector<startup::StartupEntry>> found;
    double seconds = 0, longestWait = 0;
};
TimedListing listAsThePageDoes(platform::Machine& machine, const startup::StartupPlaces& places) {
    const auto start = Clock::now();
    platform::MessagePacer pacer(machine.desktop);
    Clock::time_point lastYield = start;
    TimedListing timed;
    timed.found = startup::listStartupEntries(machine, places, [&] {
        if (pacer.step()) {
            timed.longestWait = std::max(timed.longestWait, secondsSince(lastYield));
            lastYield = Clock::now();
        }
        return true;
    });
    timed.longestWait = std::max(timed.longestWait, secondsSince(lastYield));
    timed.seconds = secondsSince(start);
    return timed;
}

std::string benchName(int i) {
    char name[32];
    std::snprintf(name, sizeof name, "VantrelBench%05d", i);
    return name;
}

// What the listing reads, straight on the API: every value with its data, every
// Startup-folder file, each file loaded through the shell-link object.
std::size_t rawReads(const std::vector<std::string>& folders) {
    std::size_t entries = 0;
    std::vector<char> name(16384);
    std::vector<BYTE> data(65536);
    for (const RunKey& run : kKeys) {
        HKEY key;
        if (RegOpenKeyExA(run.root, run.path, 0, KEY_QUERY_VALUE, &key) != ERROR_SUCCESS) continue;
        for (DWORD i = 0;; ++i) {
            DWORD nameLength = static_cast<DWORD>(name.size()), type = 0, size = static_cast<DWORD>(data.size());
            if (RegEnumValueA(key, i, name.data(), &nameLength, nullptr, &type, data.data(), &size) != ERROR_SUCCESS)
                break;
            ++entries;
        }
        RegCloseKey(key);
    }
    IShellLinkA* link = nullptr;
    IPersistFile* file = nullptr;
    CoCreateInstance(CLSID_ShellLink, nullptr, CLSCTX_INPROC_SERVER, IID_IShellLinkA, reinterpret_cast<void**>(&link));
    if (link) link->QueryInterface(IID_IPersistFile, reinterpret_cast<void**>(&file));
    for (const std::string& folder : folders) {
        WIN32_FIND_DATAA found;
        HANDLE search = FindFirstFileA((folder + "\\*.*").c_str(), &found);
        if (search == INVALID_HANDLE_VALUE) continue;
        do {
            if (found.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY) continue;
            std::string path = folder;
            path += '\\';
            path += found.cFileName;
            std::wstring wide(path.begin(), path.end());
            char target[MAX_PATH];
            if (file && SUCCEEDED(file->Load(wide.c_str(), STGM_READ)))
                link->GetPath(target, MAX_PATH, nullptr, SLGP_UNCPRIORITY);
            ++entries;
        } while (FindNextFileA(search, &found));
        FindClose(search);
    }
    if (file) file->Release();
    if (link) link->Release();
    return entries;
}

// ---- the places current Windows adds, with its StartupApproved state ----

struct NewKey {
    HKEY root;
    const char* path;
    REGSAM view;
};
// Half the values go to the other view's Run key (each with a state, alternately enabled and disabled),
// the rest spread over RunOnce of the machine (each view) and the user, and the two policy Run keys.
const NewKey kOtherRun = {HKEY_LOCAL_MACHINE, startup::kRunKey, KEY_WOW64_32KEY};
const NewKey kNewKeys[] = {{HKEY_LOCAL_MACHINE, startup::kRunOnceKey, KEY_WOW64_64KEY},
                           {HKEY_LOCAL_MACHINE, startup::kRunOnceKey, KEY_WOW64_32KEY},
                           {HKEY_CURRENT_USER, startup::kRunOnceKey, 0},
                           {HKEY_LOCAL_MACHINE, startup::kPolicyRunKey, 0},
                           {HKEY_CURRENT_USER, startup::kPolicyRunKey, 0}};
const NewKey kRun32State = {HKEY_LOCAL_MACHINE, startup::kApprovedRun32Key, KEY_WOW64_64KEY};

const NewKey& keyOf(int i) { return i % 2 == 0 ? kOtherRun : kNewKeys[(i / 2) % 5]; }

void putValue(const NewKey& key, const std::string& name, const BYTE* data, DWORD size, DWORD type) {
    HKEY opened;
    if (RegCreateKeyExA(key.root, key.path, 0, nullptr, 0, KEY_SET_VALUE | key.view, nullptr, &opened, nullptr) !=
        ERROR_SUCCESS)
        return;
    RegSetValueExA(opened, name.c_str(), 0, type, data, size);
    RegCloseKey(opened);
}

void removeValue(const NewKey& key, const std::string& name) {
    HKEY opened;
    if (RegOpenKeyExA(key.root, key.path, 0, KEY_SET_VALUE | key.view, &opened) != ERROR_SUCCESS) return;
    RegDeleteValueA(opened, name.c_str());
    RegCloseKey(opened);
}

// Every key the listing reads, straight on the API: each live and parking key of every source, in its
// view, every value with its data, and the state keys of the places that have entries.
std::size_t rawNewReads(const std::vector<startup::RegistrySource>& sources) {
    std::vector<char> name(16384);
    std::vector<BYTE> data(65536);
    std::size_t values = 0;
    const auto readAll = [&](HKEY root, const char* path, REGSAM view) {
        HKEY key;
        if (RegOpenKeyExA(root, path, 0, KEY_QUERY_VALUE | view, &key) != ERROR_SUCCESS) return;
        for (DWORD i = 0;; ++i) {
            DWORD nameLength = static_cast<DWORD>(name.size()), type = 0, size = static_cast<DWORD>(data.size());
            if (RegEnumValueA(key, i, name.data(), &nameLength, nullptr, &type, data.data(), &size) != ERROR_SUCCESS)
                break;
            ++values;
        }
        RegCloseKey(key);
    };
    const auto flags = [](platform::View view) -> REGSAM {
        return view == platform::View::Bits32 ? KEY_WOW64_32KEY : view == platform::View::Bits64 ? KEY_WOW64_64KEY : 0;
    };
    for (const auto& source : sources) {
        const HKEY root = reinterpret_cast<HKEY>(source.root);
        readAll(root, source.liveKey, flags(source.view));
        readAll(root, source.parkingKey, KEY_WOW64_64KEY);
    }
    readAll(kRun32State.root, kRun32State.path, kRun32State.view);
    return values;
}

int benchCurrentWindowsPlaces(int values) {
    win32::Win32Machine services;
    store::SettingsStore store(services.registry, services.profile, services.files);
    platform::Machine& machine = services.machine;
    const BYTE enabled[12] = {2}, disabled[12] = {3, 0, 0, 0, 0x50, 0x6e, 0xa1, 0xc2, 0x3b, 0xd9, 0xda, 0x01};
    for (int i = 0; i < values; ++i) {
        const std::string command = "C:\\Program Files\\Bench\\" + benchName(i) + ".exe /background";
        putValue(keyOf(i), benchName(i), reinterpret_cast<const BYTE*>(command.c_str()),
                 static_cast<DWORD>(command.size() + 1), REG_SZ);
        if (i % 2 == 0) putValue(kRun32State, benchName(i), i % 4 == 0 ? enabled : disabled, 12, REG_BINARY);
    }
    const startup::StartupPlaces places = startup::findStartupPlaces(machine, store);
    const auto sources = startup::registrySources(machine.registry.views());
    const int rounds = 3;
    double program = 0, raw = 0, longestWait = 0;
    std::size_t listed = 0, disabledListed = 0, rawCount = 0;
    for (int round = 0; round < rounds; ++round) {
        const TimedListing timed = listAsThePageDoes(machine, places);
        const auto& found = timed.found;
        program += timed.seconds;
        longestWait = std::max(longestWait, timed.longestWait);
        listed = found ? found->size() : 0;
        disabledListed = 0;
        if (found)
            for (const auto& entry : *found) disabledListed += entry.disabledByWindows;
        const auto start = Clock::now();
        rawCount = rawNewReads(sources);
        raw += secondsSince(start);
    }
    program /= rounds;
    raw /= rounds;
    for (int i = 0; i < values; ++i) {
        removeValue(keyOf(i), benchName(i));
        if (i % 2 == 0) removeValue(kRun32State, benchName(i));
    }
    std::printf("startup listing, current Windows places: %d values over the other view's Run, RunOnce (both views, "
                "user) and the policy keys, %d with a StartupApproved state; %zu entries listed (%zu disabled by "
                "Windows), %zu values read raw\n",
                values, (values + 1) / 2, listed, disabledListed, rawCount);
    std::printf("program listing: %.3f s\n", program);
    std::printf("raw API reads:   %.3f s\n", raw);
    std::printf("ratio:           %.2f (target <= 1.2)\n", raw > 0 ? program / raw : 0.0);
    std::printf("longest wait of the message loop: %.1f ms (target < 50)\n", longestWait * 1000);
    return 0;
}

}  // namespace

int main(int argc, char** argv) {
    if (argc > 1 && std::string(argv[1]) == "new") return benchCurrentWindowsPlaces(argc > 2 ? std::atoi(argv[2]) : 2000);
    const int values = argc > 1 ? std::atoi(argv[1]) : 2000;
    const int shortcuts = argc > 2 ? std::atoi(argv[2]) : 500;
    CoInitializeEx(nullptr, COINIT_APARTMENTTHREADED);
    win32::Win32Machine services;
    store::SettingsStore store(services.registry, services.profile, services.files);
    platform::Machine& machine = services.machine;

    for (int i = 0; i < values; ++i) {
        const RunKey& run = kKeys[i % 3];
        const std::string command = "C:\\Program Files\\Bench\\" + benchName(i) + ".exe /background";
        platform::writeValue(services.registry, reinterpret_cast<platform::Key>(run.root), run.path,
                             platform::View::Native, benchName(i), platform::textValue(command));
    }
    const std::string folders[] = {services.shortcuts.startupFolder(false), services.shortcuts.startupFolder(true)};
    platform::ShellLink link;
    link.target = "C:\\windows\\notepad.exe";
    for (int i = 0; i < shortcuts; ++i)
        services.shortcuts.write(folders[i % 2] + "\\" + benchName(i) + ".lnk", link);

    const startup::StartupPlaces places = startup::findStartupPlaces(machine, store);
    double longestWait = 0;
    std::size_t listed = 0;
    const int rounds = 3;
    double program = 0, raw = 0;
    std::size_t rawCount = 0;
    for (int round = 0; round < rounds; ++round) {
        // The first round also loads the shell's link code.
        const TimedListing timed = listAsThePageDoes(machine, places);
        const double roundWait = timed.longestWait;
        listed = timed.found ? timed.found->size() : 0;
        program += timed.seconds;
        std::printf("round %d: %.3f s, longest wait of the message loop %.1f ms\n", round + 1, timed.seconds,
                    roundWait * 1000);
        if (round > 0) longestWait = std::max(longestWait, roundWait);
        const auto start = Clock::now();
        rawCount = rawReads(places.listedFolders);
        raw += secondsSince(start);
    }
    program /= rounds;
    raw /= rounds;

    for (int i = 0; i < values; ++i) {
        const RunKey& run = kKeys[i % 3];
        platform::deleteValue(services.registry, reinterpret_cast<platform::Key>(run.root), run.path,
                              platform::View::Native, benchName(i));
    }
    for (int i = 0; i < shortcuts; ++i) services.files.deleteFile(folders[i % 2] + "\\" + benchName(i) + ".lnk");

    std::printf("startup listing: %d Run values, %d shortcuts; %zu entries listed, %zu read raw\n", values, shortcuts,
                listed, rawCount);
    std::printf("program listing: %.3f s\n", program);
    std::printf("raw API reads:   %.3f s\n", raw);
    std::printf("ratio:           %.2f (target <= 1.3)\n", raw > 0 ? program / raw : 0.0);
    std::printf("longest wait of the message loop after the first round: %.1f ms (target <= 50)\n", longestWait * 1000);
    CoUninitialize();
    return 0;
}
