// 10,000 registry values deleted with and without their backup on the
// substitutes: the registry in memory, the set written to the host disk.
#include <benchmark/benchmark.h>

#include <filesystem>

#include "bench_support/delete_with_backup.h"
#include "platform/substitute_machine.h"
#include "support/temp_folder.h"

namespace {

constexpr int kValues = 10000;

void BM_DeleteValues(benchmark::State& state) {
    const auto root = testing_support::makeTempFolder("vantrel-backup-bench");
    std::filesystem::create_directories(root / "Vantrel");
    platform::SubstituteMachine pc(root, "C:\\Vantrel");
    backup::Backups backups(pc.machine(), "C:\\Vantrel\\Backups");
    for (auto _ : state) state.SetIterationTime(bench_support::timeDeletes(pc.machine(), backups, kValues, state.range(0)));
    state.counters["values"] = kValues;
    std::filesystem::remove_all(root);
}
BENCHMARK(BM_DeleteValues)->ArgName("withBackup")->Arg(0)->Arg(1)->UseManualTime()->Unit(benchmark::kMillisecond)->Repetitions(5)->ReportAggregatesOnly(true);

}  // namespace
