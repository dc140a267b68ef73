// How the in-memory registry copes with the shapes real machines have: one
// key with a huge number of subkeys, and deep paths opened over and over.
#include <benchmark/benchmark.h>

#include <cstdio>
#include <string>

#include "platform/memory_registry.h"

namespace {

using namespace platform;

constexpr int kManySubkeys = 100000;

// Walks every subkey by index, the way the scanner does; one iteration is
// the whole walk, so the reported time is the total.
void BM_EnumerateSubkeysByIndex(benchmark::State& state) {
    MemoryRegistry reg;
    Key parent = 0;
    reg.createKey(kHkeyCurrentUser, "Software\\Many", kKeyAllAccess, parent);
    for (int i = 0; i < kManySubkeys; ++i) {
        char name[32];
        std::snprintf(name, sizeof name, "Subkey %06d", (i * 7919) % kManySubkeys);
        Key key = 0;
        reg.createKey(parent, name, kKeyAllAccess, key);
        reg.closeKey(key);
    }
    char name[256];
    for (auto _ : state) {
        std::uint32_t count = 0;
        while (reg.enumKey(parent, count, name, sizeof name) == kSuccess) ++count;
        if (count != kManySubkeys) state.SkipWithError("walk missed subkeys");
        benchmark::DoNotOptimize(name);
    }
    state.counters["subkeys"] = kManySubkeys;
    state.counters["indexes"] = benchmark::Counter(kManySubkeys, benchmark::Counter::kIsIterationInvariantRate);
    reg.closeKey(parent);
}
BENCHMARK(BM_EnumerateSubkeysByIndex)->Unit(benchmark::kMillisecond);

// One change to a big key, then a walk: the change is merged in once.
void BM_EnumerateFirstIndexAfterInsert(benchmark::State& state) {
    MemoryRegistry reg;
    Key parent = 0;
    reg.createKey(kHkeyCurrentUser, "Software\\Many", kKeyAllAccess, parent);
    for (int i = 0; i < kManySubkeys; ++i) {
        char name[32];
        std::snprintf(name, sizeof name, "Subkey %06d", i);
        Key key = 0;
        reg.createKey(parent, name, kKeyAllAccess, key);
        reg.closeKey(key);
    }
    char name[256];
    for (auto _ : state) {
        Key key = 0;
        reg.createKey(parent, "Fresh", kKeyAllAccess, key);
        reg.closeKey(key);
        benchmark::DoNotOptimize(reg.enumKey(parent, 0, name, sizeof name));
        reg.deleteKey(parent, "Fresh");
    }
    reg.closeKey(parent);
}
BENCHMARK(BM_EnumerateFirstIndexAfterInsert)->Unit(benchmark::kMillisecond);

void BM_OpenEightLevelPath(benchmark::State& state) {
    MemoryRegistry reg;
    const std::string path = "Software\\Microsoft\\Windows\\CurrentVersion\\Explorer\\Shell Folders\\Deep\\Leaf";
    Key key = 0;
    reg.createKey(kHkeyLocalMachine, path, kKeyAllAccess, key);
    reg.closeKey(key);
    // Siblings at every level, so lookups are not trivially the only child.
    std::string prefix;
    for (std::size_t start = 0; start < path.size();) {
        auto cut = path.find('\\', start);
        for (int i = 0; i < 200; ++i) {
            Key sibling = 0;
            reg.createKey(kHkeyLocalMachine, prefix + "Sibling" + std::to_string(i), kKeyAllAccess, sibling);
            reg.closeKey(sibling);
        }
        if (cut == std::string::npos) break;
        prefix = path.substr(0, cut + 1);
        start = cut + 1;
    }
    for (auto _ : state) {
        if (reg.openKey(kHkeyLocalMachine, path, kKeyRead, key) != kSuccess) state.SkipWithError("open failed");
        reg.closeKey(key);
    }
}
BENCHMARK(BM_OpenEightLevelPath)->Unit(benchmark::kNanosecond);

}  // namespace
