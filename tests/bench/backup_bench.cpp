// 10,000 registry values deleted three ways on the substitutes (the registry in
// memory, the set written to the host disk), printed side by side with their
// ratios to the bare registry. Run by scripts/bench.
#include <benchmark/benchmark.h>

#include <filesystem>

#include "bench_support/delete_with_backup.h"
#include "platform/substitute_machine.h"
#include "support/temp_folder.h"

namespace {

void BM_DeleteValuesThreeWays(benchmark::State& state) {
    const auto root = testing_support::makeTempFolder("vantrel-backup-bench");
    std::filesystem::create_directories(root / "Vantrel");
    platform::SubstituteMachine pc(root, "C:\\Vantrel");
    for (auto _ : state) bench_support::compareDeletes(pc.machine(), "C:\\Vantrel\\Backups", 10000, 9);
    std::filesystem::remove_all(root);
}
BENCHMARK(BM_DeleteValuesThreeWays)->Iterations(1)->Unit(benchmark::kSecond);

}  // namespace
