// vantrelc.exe under Wine as a script sees it: exit codes, and where the usage,
// the errors and the reports go.
#include <gtest/gtest.h>

#include <windows.h>

#include "report_win32/console_run.h"
#include "win32/win32_services.h"

namespace {

using report_test::runConsoleProgram;

// Runs in the tests' own folder, where no "missing folder" is.
report_test::ConsoleRun run(const std::string& arguments) { return runConsoleProgram(arguments, "."); }

TEST(ConsoleProgramUnderWine, UsageOnRequestAndAOneLineErrorWithTheUsageForAMistake) {
    const auto usage = run("/?");
    EXPECT_EQ(usage.exitCode, 0);
    EXPECT_EQ(usage.out.rfind("Vantrel console:", 0), 0u) << usage.out;
    EXPECT_TRUE(usage.error.empty());

    const auto mistake = run("report programs /colour red");
    EXPECT_EQ(mistake.exitCode, 2);
    EXPECT_TRUE(mistake.out.empty()) << mistake.out;
    EXPECT_EQ(mistake.error.rfind("vantrelc: unknown switch '/colour'\r\n\r\nVantrel console:", 0), 0u)
        << mistake.error;
}

TEST(ConsoleProgramUnderWine, AnOutputInAMissingFolderExitsThreeWithTheSystemsReasonAndWritesNothing) {
    const auto unwritable = run("report startup /out \"missing folder\\s.csv\" /format csv");
    EXPECT_EQ(unwritable.exitCode, 3);
    EXPECT_TRUE(unwritable.out.empty());
    const std::string reason = win32::Win32Desktop().statusText(ERROR_PATH_NOT_FOUND);
    EXPECT_EQ(unwritable.error, "vantrelc: cannot write missing folder\\s.csv: " + reason + "\r\n");
    EXPECT_EQ(GetFileAttributesA("missing folder"), INVALID_FILE_ATTRIBUTES);
}

}  // namespace
