#include "store/store_fixture.h"
#include "store/text_value.h"

TEST_F(StoreTest, WindowsFolder_FallsBackToTheNtKeyWhenThe9xKeyHasNoSystemRoot) {
    if (tm->isSubstitute()) {
        platform::Key handle = 0;
        ASSERT_EQ(registry.createKey(platform::kHkeyLocalMachine, "Software\\Microsoft\\Windows NT\\CurrentVersion",
                                     platform::kKeyAllAccess, handle),
                  0);
        const std::string folder = "D:\\WINNT";
        registry.setValue(handle, "SystemRoot", platform::kRegSz,
                          reinterpret_cast<const std::uint8_t*>(folder.c_str()), 9);
        registry.closeKey(handle);
        ASSERT_EQ(registry.createKey(platform::kHkeyLocalMachine, "Software\\Microsoft\\Windows\\CurrentVersion",
                                     platform::kKeyAllAccess, handle),
                  0);
        registry.setValue(handle, "SystemRoot", platform::kRegSz, reinterpret_cast<const std::uint8_t*>("  \0"), 3);
        registry.closeKey(handle);
        EXPECT_EQ(store.windowsFolder(), "D:\\WINNT");
    } else {
        // A Wine prefix keeps SystemRoot only under the NT key.
        EXPECT_EQ(store::upperCase(store.windowsFolder()), "C:\\WINDOWS");
    }
}

TEST_F(StoreTest, WindowsFolder_IsEmptyWhenNeitherKeyHasIt) {
    if (!tm->isSubstitute()) GTEST_SKIP() << "a real machine always has a Windows folder";
    EXPECT_EQ(store.windowsFolder(), "");
}
