#include <gtest/gtest.h>

#include "platform/substitute_machine.h"

#include "shell/startup_checks.h"
#include "store/settings_store.h"

namespace {

using platform::MessageAnswer;

class StartupChecksTest : public ::testing::Test {
protected:
    StartupChecksTest() : pc(std::filesystem::temp_directory_path() / "vantrel-unused", "C:\\Vantrel") {}
    void storeResolution(const std::string& text) {
        store::SettingsStore(pc.registry, pc.profile, pc.files)
            .saveString(platform::kHkeyCurrentUser, "Display\\Settings", "Resolution", text);
    }
    platform::SubstituteMachine pc;
};

}  // namespace

TEST_F(StartupChecksTest, SecondCopyShowsTheOneMessageAndEndsBeforeAnyOtherCheck) {
    pc.desktop.otherInstance = true;
    storeResolution("640,480");
    EXPECT_FALSE(shell::runStartupChecks(pc.machine()));
    EXPECT_TRUE(pc.desktop.ended);
    ASSERT_EQ(pc.desktop.messages.size(), 1u);
    EXPECT_EQ(pc.desktop.messages[0].text, "there is another copy of Vantrel already running");
    EXPECT_EQ(pc.desktop.messages[0].title, "") << "the default title";
    EXPECT_EQ(pc.desktop.messages[0].icon, platform::MessageIcon::Critical);
    EXPECT_EQ(pc.desktop.messages[0].buttons, platform::MessageButtons::Ok);
}

TEST_F(StartupChecksTest, NarrowScreenIsQuestionedOnce_NoEnds_YesOpensTheDisplaySettings) {
    for (MessageAnswer answer : {MessageAnswer::No, MessageAnswer::Yes}) {
        pc.desktop.messages.clear();
        pc.desktop.ended = false;
        pc.processes.starts.clear();
        storeResolution(" 640,480,16 ");
        pc.desktop.answers = {answer, answer};
        const bool goOn = shell::runStartupChecks(pc.machine());
        ASSERT_EQ(pc.desktop.messages.size(), 1u);
        EXPECT_EQ(pc.desktop.messages[0].text,
                  "the  screen resolution must be at least 800 x 600 pixels\rDo you want to change it now");
        EXPECT_EQ(pc.desktop.messages[0].title, "error");
        EXPECT_EQ(pc.desktop.messages[0].icon, platform::MessageIcon::Critical);
        EXPECT_EQ(pc.desktop.messages[0].buttons, platform::MessageButtons::YesNo);
        const bool yes = answer == MessageAnswer::Yes;
        EXPECT_EQ(goOn, yes);
        EXPECT_EQ(pc.desktop.ended, !yes);
        ASSERT_EQ(pc.processes.starts.size(), yes ? 1u : 0u);
        if (yes) {
            EXPECT_EQ(pc.processes.starts[0].commandLine, "rundll32.exe shell32.dll,Control_RunDLL desk.cpl,,3");
            EXPECT_EQ(pc.processes.starts[0].show, platform::ShowState::Normal);
        }
    }
}

TEST_F(StartupChecksTest, WidthReadBeforeTheCommaJustBelow800IsQuestioned) {
    for (const char* resolution : {"799,600", "799.9,600", "x,1024"}) {
        pc.desktop.messages.clear();
        storeResolution(resolution);
        pc.desktop.answers = {MessageAnswer::Yes};
        EXPECT_TRUE(shell::runStartupChecks(pc.machine())) << resolution;
        EXPECT_EQ(pc.desktop.messages.size(), 1u) << resolution;
    }
}

TEST_F(StartupChecksTest, WideScreenMissingValueOrNoCommaPassSilently) {
    EXPECT_TRUE(shell::runStartupChecks(pc.machine()));
    for (const char* resolution : {"1024,768", "800,600", "640", ""}) {
        storeResolution(resolution);
        EXPECT_TRUE(shell::runStartupChecks(pc.machine())) << resolution;
    }
    EXPECT_TRUE(pc.desktop.messages.empty());
    EXPECT_FALSE(pc.desktop.ended);
}
