#pragma once
// The cost of backups: N registry values of one key deleted three ways, side by
// side: the bare registry (one open key, a query and a delete per value, the
// least any careful program can do), the program's delete alone, and the
// program's delete after saving every value in one backup set.
#include <algorithm>
#include <chrono>
#include <cstdio>
#include <string>
#include <vector>

#include "backup/backups.h"
#include "platform/registry_key.h"

namespace bench_support {

inline const char* kBenchKey = "Software\\VantrelBackupBench";

enum class Way { BareRegistry, Program, ProgramWithBackup };

inline std::vector<std::string> valueNames(int count) {
    std::vector<std::string> names;
    char name[32];
    for (int i = 0; i < count; ++i) {
        std::snprintf(name, sizeof name, "Value %05d", i);
        names.emplace_back(name);
    }
    return names;
}

inline void plantValues(platform::Registry& registry, const std::vector<std::string>& names) {
    platform::RegKey key;
    platform::RegKey::create(registry, platform::kHkeyCurrentUser, kBenchKey, platform::View::Native,
                             platform::kKeySetValue, key);
    for (const auto& name : names) key.write(name, platform::textValue("C:\\Program Files\\Gone\\app.exe /run"));
}

// The floor: what the registry itself costs for reading each value once and deleting it.
inline void deleteBare(platform::Registry& registry, const std::vector<std::string>& names) {
    platform::Key key = 0;
    registry.openKey(platform::kHkeyCurrentUser, kBenchKey, platform::kKeyQueryValue | platform::kKeySetValue, key);
    std::vector<std::uint8_t> data(1024);
    for (const auto& name : names) {
        std::uint32_t type = 0, size = static_cast<std::uint32_t>(data.size());
        registry.queryValue(key, name, &type, data.data(), &size);
        registry.deleteValue(key, name);
    }
    registry.closeKey(key);
}

// Seconds for one way; the set is removed afterwards.
inline double timeDeletes(platform::Machine& machine, backup::Backups& backups, int count, Way way) {
    const std::vector<std::string> names = valueNames(count);
    plantValues(machine.registry, names);
    const auto start = std::chrono::steady_clock::now();
    std::string setFolder;
    if (way == Way::BareRegistry) {
        deleteBare(machine.registry, names);
    } else {
        std::vector<bool> saved(names.size(), true);
        if (way == Way::ProgramWithBackup) {
            backup::BackupSet set = backups.open("Benchmark delete");
            for (std::size_t i = 0; i < names.size(); ++i)
                saved[i] = set.addValue(platform::kHkeyCurrentUser, kBenchKey, names[i]);
            if (!set.commit()) saved.assign(names.size(), false);
            setFolder = set.folder();
        }
        platform::ValueDeletes deletes(machine.registry);
        for (std::size_t i = 0; i < names.size(); ++i)
            if (saved[i]) deletes.remove(platform::kHkeyCurrentUser, kBenchKey, platform::View::Native, names[i]);
    }
    const double seconds = std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count();
    if (!setFolder.empty()) backups.remove(setFolder.substr(setFolder.find_last_of('\\') + 1));
    platform::deleteKeyTree(machine.registry, platform::kHkeyCurrentUser, kBenchKey, platform::View::Native);
    return seconds;
}

// Rounds run the three ways in turn so drift in the machine hits them alike; each
// round is printed, then the median and fastest of each with their ratio to the bare registry.
inline int compareDeletes(platform::Machine& machine, const std::string& backupsFolder, int count, int rounds) {
    backup::Backups backups(machine, backupsFolder);
    std::vector<double> times[3];
    for (int round = 0; round < rounds; ++round) {
        for (Way way : {Way::BareRegistry, Way::Program, Way::ProgramWithBackup})
            times[static_cast<int>(way)].push_back(timeDeletes(machine, backups, count, way));
        std::printf("round %d: %d values: bare registry %.3f s, program %.3f s, program with backup %.3f s\n",
                    round + 1, count, times[0].back(), times[1].back(), times[2].back());
    }
    auto median = [](std::vector<double> v) {
        std::sort(v.begin(), v.end());
        return v[v.size() / 2];
    };
    auto fastest = [](const std::vector<double>& v) { return *std::min_element(v.begin(), v.end()); };
    auto spread = [&](const std::vector<double>& v) {
        return 100.0 * (*std::max_element(v.begin(), v.end()) - fastest(v)) / median(v);
    };
    for (int how = 0; how < 2; ++how) {
        double figure[3];
        for (int way = 0; way < 3; ++way) figure[way] = how == 0 ? median(times[way]) : fastest(times[way]);
        std::printf("%s: bare registry %.3f s, program %.3f s (%.2fx), program with backup %.3f s (%.2fx; target "
                    "at most 1.25x)\n",
                    how == 0 ? "median " : "fastest", figure[0], figure[1], figure[1] / figure[0], figure[2],
                    figure[2] / figure[0]);
    }
    std::printf("noise (slowest minus fastest, of the median): bare %.0f%%, program %.0f%%, with backup %.0f%%\n",
                spread(times[0]), spread(times[1]), spread(times[2]));
    return 0;
}

}  // namespace bench_support
