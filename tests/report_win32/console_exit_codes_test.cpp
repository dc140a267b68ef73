// vantrelc.exe under Wine as a script sees it: exit codes, and where the usage,
// the errors and the reports go.
#include <gtest/gtest.h>

#include <windows.h>

#include "report_win32/console_run.h"
#include "support/test_machine.h"

namespace {

using report_test::runConsoleProgram;

TEST(ConsoleProgramUnderWine, UsageOnRequestAndAOneLineErrorWithTheUsageForAMistake) {
    const auto test = testing_support::makeTestMachine();
    const auto usage = runConsoleProgram("/?", test->scratchFolder());
    EXPECT_EQ(usage.exitCode, 0);
    EXPECT_EQ(usage.out.rfind("Vantrel console:", 0), 0u) << usage.out;
    EXPECT_TRUE(usage.error.empty());

    const auto mistake = runConsoleProgram("report programs /colour red", test->scratchFolder());
    EXPECT_EQ(mistake.exitCode, 2);
    EXPECT_TRUE(mistake.out.empty());
    EXPECT_EQ(mistake.error.rfind("vantrelc: unknown switch '/colour'\r\n\r\nVantrel console:", 0), 0u)
        << mistake.error;
}

TEST(ConsoleProgramUnderWine, AnOutputInAMissingFolderExitsThreeWithTheSystemsReasonAndWritesNothing) {
    const auto test = testing_support::makeTestMachine();
    const auto run = runConsoleProgram("report startup /out \"missing folder\\s.csv\" /format csv",
                                       test->scratchFolder());
    EXPECT_EQ(run.exitCode, 3);
    EXPECT_TRUE(run.out.empty());
    const std::string reason = test->machine().desktop.statusText(ERROR_PATH_NOT_FOUND);
    EXPECT_EQ(run.error, "vantrelc: cannot write missing folder\\s.csv: " + reason + "\r\n");
    EXPECT_EQ(GetFileAttributesA((test->scratchFolder() + "\\missing folder").c_str()), INVALID_FILE_ATTRIBUTES);
}

}  // namespace
