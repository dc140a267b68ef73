#pragma once
// The cost of backups: N registry values deleted through the store, once
// straight and once after saving them all in one backup set.
#include <algorithm>
#include <chrono>
#include <cstdio>
#include <string>
#include <tuple>
#include <vector>

#include "backup/backups.h"
#include "store/settings_store.h"

namespace bench_support {

inline const char* kBenchKey = "Software\\VantrelBackupBench";

inline void plantValues(store::SettingsStore& store, int count) {
    char name[32];
    for (int i = 0; i < count; ++i) {
        std::snprintf(name, sizeof name, "Value %05d", i);
        store.saveString(platform::kHkeyCurrentUser, kBenchKey, name, "C:\\Program Files\\Gone\\app.exe /run");
    }
}

// Seconds for the deletes alone, or for the backup and the deletes; the set is removed afterwards.
inline double timeDeletes(platform::Machine& machine, backup::Backups& backups, int count, bool withBackup) {
    store::SettingsStore store(machine.registry, machine.profile, machine.files);
    plantValues(store, count);
    std::vector<std::string> names;
    char name[32];
    for (int i = 0; i < count; ++i) {
        std::snprintf(name, sizeof name, "Value %05d", i);
        names.emplace_back(name);
    }
    const auto start = std::chrono::steady_clock::now();
    std::vector<bool> saved(names.size(), true);
    std::string setFolder;
    if (withBackup) {
        backup::BackupSet set = backups.open("Benchmark delete");
        for (std::size_t i = 0; i < names.size(); ++i) saved[i] = set.addValue(platform::kHkeyCurrentUser, kBenchKey, names[i]);
        if (!set.commit()) saved.assign(names.size(), false);
        setFolder = set.folder();
    }
    for (std::size_t i = 0; i < names.size(); ++i)
        if (saved[i]) store.deleteValue("HKCU", kBenchKey, names[i]);
    const double seconds = std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count();
    if (withBackup) backups.remove(setFolder.substr(setFolder.find_last_of('\\') + 1));
    store.deleteKeyPath(platform::kHkeyCurrentUser, kBenchKey);
    return seconds;
}

// Alternates the two runs so drift in the machine hits both alike; prints each pair and the medians.
inline int compareDeletes(platform::Machine& machine, const std::string& backupsFolder, int count, int rounds) {
    backup::Backups backups(machine, backupsFolder);
    std::vector<double> plain, backed;
    for (int round = 0; round < rounds; ++round) {
        plain.push_back(timeDeletes(machine, backups, count, false));
        backed.push_back(timeDeletes(machine, backups, count, true));
        std::printf("round %d: %d deletes %.3f s, with backup %.3f s\n", round + 1, count, plain.back(), backed.back());
    }
    auto median = [](std::vector<double> v) {
        std::sort(v.begin(), v.end());
        return v[v.size() / 2];
    };
    // The least disturbed run of each shows the cost best where the registry stalls now and then.
    for (const auto& [label, a, b] : {std::tuple{"median", median(plain), median(backed)},
                                      std::tuple{"fastest", *std::min_element(plain.begin(), plain.end()),
                                                 *std::min_element(backed.begin(), backed.end())}})
        std::printf("%s: %.3f s without, %.3f s with backup: %+.1f%% (target at most +20%%)\n", label, a, b,
                    100.0 * (b - a) / a);
    return 0;
}

}  // namespace bench_support
