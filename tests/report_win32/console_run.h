#pragma once
// vantrelc.exe run as a user runs it, from the Wine tests: its exit code, and
// what it wrote to standard output and standard error (redirected to files).
#include <string>
#include <vector>

namespace report_test {

struct ConsoleRun {
    int exitCode = -1;
    std::string out;    // bytes as written
    std::string error;
};

// The console program beside the tests' build folder (build/windows/vantrelc.exe).
std::string consoleProgramPath();
// Runs vantrelc.exe with `arguments` (joined as given, quoting is the caller's)
// in `folder`, and waits for it.
ConsoleRun runConsoleProgram(const std::string& arguments, const std::string& folder);
// Any program's standard output, as `reg query` gives it.
ConsoleRun runProgram(const std::string& commandLine, const std::string& folder);

// RFC 4180 rows, a leading UTF-8 byte-order mark skipped.
std::vector<std::vector<std::string>> readCsv(const std::string& bytes);

}  // namespace report_test
