#pragma once
// The console program, apart from Windows: reads the command line, asks the
// report kind's listing for its records, writes them in the chosen format to
// standard output or a file, and answers with the exit code.
#include <array>
#include <functional>
#include <string>
#include <string_view>
#include <vector>

#include "platform/machine.h"
#include "report/command_line.h"
#include "report/output.h"
#include "report/progress_line.h"
#include "report/record.h"

namespace report {

enum ExitCode : int { kDone = 0, kFound = 1, kUsageError = 2, kNotWritable = 3 };

// What a report kind's listing is handed.
struct ReportContext {
    platform::Machine& machine;
    const ReportRequest& request;
    std::function<std::string(std::string_view)> ansiToUtf8;  // registry and file texts come in the ANSI code page
    std::function<void(std::string_view)> warn;               // a place it could not read; the report goes on
    ProgressLine& progress;
};

// One report kind: what it lists, and whether a record means "found something" (exit 1).
struct ReportKind {
    What what;
    std::function<Report(ReportContext&)> read;
    bool recordsAreFindings = false;
};

using ReportKinds = std::array<ReportKind, 3>;

struct Console {
    platform::Machine& machine;
    Output& out;
    Output& error;
    bool errorIsConsole;
    std::function<double()> seconds;
    std::function<std::string(std::string_view)> ansiToUtf8;
    const ReportKinds& kinds;
};

int runConsole(const std::vector<std::string>& arguments, Console& console);

}  // namespace report
