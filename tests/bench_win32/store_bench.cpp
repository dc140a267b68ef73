// Times the real registry through the settings store: create N subkeys, list
// them with enumerateSubkeys, delete them. Prints its figures; run under Wine by
// scripts/bench.
#include <windows.h>

#include <chrono>
#include <cstdio>
#include <cstdlib>

#include "store/settings_store.h"
#include "win32/win32_services.h"

namespace {

double secondsSince(std::chrono::steady_clock::time_point start) {
    return std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count();
}

}  // namespace

int main(int argc, char** argv) {
    const int count = argc > 1 ? std::atoi(argv[1]) : 20000;
    win32::Win32Machine services;
    store::SettingsStore store(services.registry, services.profile, services.files);
    const std::string parent = "Software\\VantrelBench";
    char name[32];

    auto start = std::chrono::steady_clock::now();
    for (int i = 0; i < count; ++i) {
        std::snprintf(name, sizeof name, "Entry%06d", i);
        store.writeValue("HKCU", parent + "\\" + name, "DisplayName", "S", std::string(name));
    }
    const double created = secondsSince(start);

    store::RecordedProgress progress;
    std::vector<std::string> names;
    std::string items;
    start = std::chrono::steady_clock::now();
    const auto status = store.enumerateSubkeys("HKCU", parent, items, names, progress);
    const double listed = secondsSince(start);

    start = std::chrono::steady_clock::now();
    for (const auto& entry : names) store.deleteKey("HKCU", parent, entry);
    const double deleted = secondsSince(start);
    store.deleteKeyPath(platform::kHkeyCurrentUser, parent);

    std::printf("subkeys: %d (listed %zu, status %d)\n", count, names.size(), status);
    std::printf("create through writeValue: %.2f s (%.1f us each)\n", created, 1e6 * created / count);
    std::printf("enumerateSubkeys:          %.2f s (%.1f us each)\n", listed, 1e6 * listed / count);
    std::printf("delete through deleteKey:  %.2f s (%.1f us each)\n", deleted, 1e6 * deleted / count);
    return names.size() == static_cast<std::size_t>(count) ? 0 : 1;
}
