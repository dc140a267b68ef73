// Progress on standard error: at most once a second, redrawn in place.
#include <gtest/gtest.h>

#include "report/progress_line.h"

namespace report {
namespace {

struct Captured : Output {
    std::string text;
    void write(std::string_view utf8) override { text += utf8; }
};

TEST(ProgressLine, ShowsAtMostOnceASecondAndBlanksWhatALongerLineLeft) {
    Captured error;
    double now = 10.0;
    ProgressLine progress(error, true, [&] { return now; });
    progress.show("Checking fonts");
    now = 10.9;
    progress.show("Checking dlls");
    EXPECT_EQ(error.text, "\rChecking fonts");
    now = 11.0;
    progress.show("Icons");
    EXPECT_EQ(error.text, "\rChecking fonts\rIcons         ");
    progress.finish();
    EXPECT_EQ(error.text.substr(error.text.size() - 7), "\r     \r");
}

TEST(ProgressLine, WritesNothingWhenStandardErrorIsNotAConsole) {
    Captured error;
    ProgressLine progress(error, false, [] { return 0.0; });
    progress.show("Checking fonts");
    progress.finish();
    EXPECT_TRUE(error.text.empty());
}

}  // namespace
}  // namespace report
