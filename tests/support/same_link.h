#pragma once
// Field-by-field comparison of two shell links, so a failure names the field.
#include <gtest/gtest.h>

#include "platform/shortcuts.h"

namespace testing_support {

inline void expectSameLink(const platform::ShellLink& expected, const platform::ShellLink& actual) {
    EXPECT_EQ(expected.target, actual.target);
    EXPECT_EQ(expected.workingFolder, actual.workingFolder);
    EXPECT_EQ(expected.arguments, actual.arguments);
    EXPECT_EQ(expected.description, actual.description);
    EXPECT_EQ(expected.iconPath, actual.iconPath);
    EXPECT_EQ(expected.iconIndex, actual.iconIndex);
    EXPECT_EQ(expected.showCommand, actual.showCommand);
    EXPECT_EQ(expected.hotkey, actual.hotkey);
}

}  // namespace testing_support
