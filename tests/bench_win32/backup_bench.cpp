// 10,000 registry values deleted with and without their backup, on the real
// registry under Wine. Run by scripts/bench.
#include <windows.h>

#include <algorithm>
#include <cstdlib>

#include "bench_support/delete_with_backup.h"
#include "win32/win32_services.h"

int main(int argc, char** argv) {
    const int count = argc > 1 ? std::atoi(argv[1]) : 10000;
    win32::Win32Machine services;
    char temp[MAX_PATH];
    GetTempPathA(MAX_PATH, temp);
    return bench_support::compareDeletes(services.machine, std::string(temp) + "VantrelBackupBench", count, 9);
}
