// The .lnk codec against the shell itself: what the codec writes must load
// in IShellLinkA field for field, and what IShellLinkA saves must decode.
#include <windows.h>

#include <gtest/gtest.h>

#include <memory>
#include <string>
#include <vector>

#include "platform/shell_link_codec.h"
#include "support/test_machine.h"
#include "win32/win32_services.h"

namespace {

using platform::ShellLink;

std::string readBytes(const std::string& path) {
    HANDLE file = CreateFileA(path.c_str(), GENERIC_READ, FILE_SHARE_READ, nullptr, OPEN_EXISTING, 0, nullptr);
    if (file == INVALID_HANDLE_VALUE) return {};
    std::string bytes;
    char chunk[4096];
    DWORD got = 0;
    while (ReadFile(file, chunk, sizeof chunk, &got, nullptr) && got > 0) bytes.append(chunk, got);
    CloseHandle(file);
    return bytes;
}

std::uint32_t linkFlagsOf(const std::string& bytes) {
    if (bytes.size() < 24) return 0;
    return static_cast<unsigned char>(bytes[20]) | (static_cast<unsigned char>(bytes[21]) << 8) |
           (static_cast<unsigned char>(bytes[22]) << 16) | (static_cast<std::uint32_t>(static_cast<unsigned char>(bytes[23])) << 24);
}

class ShellLinkCrossCheck : public ::testing::Test {
protected:
    void SetUp() override {
        tm_ = testing_support::makeTestMachine();
        folder_ = tm_->scratchFolder();
        tm_->writeHostFile(folder_ + "\\present.exe", "MZ");
    }

    // Links worth comparing: a target that exists in a real folder, one that
    // does not exist at all, spaces, Latin-1 text, empty optional fields.
    std::vector<ShellLink> samples() const {
        ShellLink existing;
        existing.target = folder_ + "\\present.exe";
        existing.workingFolder = folder_;
        existing.arguments = "/tray --quiet";
        existing.description = "Vantrel cross-check";
        existing.iconPath = folder_ + "\\present.exe";
        existing.iconIndex = 2;
        existing.showCommand = platform::kShowMinNoActive;

        ShellLink missing;
        missing.target = "C:\\Vantrel Nowhere\\Not Installed\\missing app.exe";
        missing.workingFolder = "C:\\Vantrel Nowhere";
        missing.arguments = "\"C:\\a file.txt\" -x";
        missing.description = "Caf\xE9 \xE0 la cr\xE8me";
        missing.iconPath = "C:\\Vantrel Nowhere\\icons.dll";
        missing.iconIndex = -104;
        missing.showCommand = platform::kShowMaximized;

        ShellLink bare;
        bare.target = "C:\\windows\\notepad.exe";
        return {existing, missing, bare};
    }

    std::unique_ptr<testing_support::TestMachine> tm_;
    std::string folder_;
    win32::Win32Shortcuts shell_;
};

TEST_F(ShellLinkCrossCheck, ShellLoadsEveryFieldTheCodecWrites) {
    int n = 0;
    for (const ShellLink& link : samples()) {
        SCOPED_TRACE(link.target);
        std::string path = folder_ + "\\codec" + std::to_string(++n) + ".lnk";
        tm_->writeHostFile(path, platform::encodeShellLink(link));
        ShellLink loaded;
        ASSERT_EQ(platform::kSuccess, shell_.read(path, loaded));
        EXPECT_EQ(link.target, loaded.target);
        EXPECT_EQ(link.workingFolder, loaded.workingFolder);
        EXPECT_EQ(link.arguments, loaded.arguments);
        EXPECT_EQ(link.description, loaded.description);
        EXPECT_EQ(link.iconPath, loaded.iconPath);
        EXPECT_EQ(link.iconIndex, loaded.iconIndex);
        if (tm_->isWine()) {
            EXPECT_EQ(platform::kShowNormal, loaded.showCommand) << "Wine deviation: GetShowCmd gives 1 after loading";
        } else {
            EXPECT_EQ(link.showCommand, loaded.showCommand);
        }
    }
}

TEST_F(ShellLinkCrossCheck, ShellSetsTheSameLinkFlagsAsTheCodec) {
    int n = 0;
    for (const ShellLink& link : samples()) {
        SCOPED_TRACE(link.target);
        std::string path = folder_ + "\\flags" + std::to_string(++n) + ".lnk";
        ASSERT_EQ(platform::kSuccess, shell_.write(path, link));
        // Only the flags for the fields both write; the shell may add others.
        constexpr std::uint32_t kFieldFlags = 0x01 | 0x02 | 0x04 | 0x10 | 0x20 | 0x40 | 0x80;
        std::uint32_t codecFlags = linkFlagsOf(platform::encodeShellLink(link)) & kFieldFlags;
        std::uint32_t shellFlags = linkFlagsOf(readBytes(path)) & kFieldFlags;
        if (tm_->isWine() && link.iconPath.empty()) {
            EXPECT_EQ(codecFlags | 0x40, shellFlags)
                << "Wine deviation: Resolve(SLR_UPDATE) adds the target as icon location";
        } else {
            EXPECT_EQ(codecFlags, shellFlags);
        }
    }
}

TEST_F(ShellLinkCrossCheck, CodecDecodesEveryFieldTheShellWrites) {
    int n = 0;
    for (const ShellLink& link : samples()) {
        SCOPED_TRACE(link.target);
        std::string path = folder_ + "\\shell" + std::to_string(++n) + ".lnk";
        ASSERT_EQ(platform::kSuccess, shell_.write(path, link));
        ShellLink decoded;
        platform::LinkDecodeError error;
        ASSERT_TRUE(platform::decodeShellLink(readBytes(path), decoded, error)) << error.describe();
        EXPECT_EQ(link.target, decoded.target);
        EXPECT_EQ(link.workingFolder, decoded.workingFolder);
        EXPECT_EQ(link.arguments, decoded.arguments);
        EXPECT_EQ(link.description, decoded.description);
        if (tm_->isWine() && link.iconPath.empty()) {
            EXPECT_EQ(link.target, decoded.iconPath)
                << "Wine deviation: Resolve(SLR_UPDATE) adds the target as icon location";
        } else {
            EXPECT_EQ(link.iconPath, decoded.iconPath);
        }
        EXPECT_EQ(link.iconIndex, decoded.iconIndex);
        EXPECT_EQ(link.showCommand, decoded.showCommand) << "the file keeps the show command the shell was given";
    }
}

TEST_F(ShellLinkCrossCheck, NetworkTargetsTravelBothWays) {
    ShellLink link;
    link.target = "\\\\fileserver\\public\\tools\\run.exe";
    link.arguments = "-net";

    std::string codecPath = folder_ + "\\unc-codec.lnk";
    tm_->writeHostFile(codecPath, platform::encodeShellLink(link));
    ShellLink loaded;
    ASSERT_EQ(platform::kSuccess, shell_.read(codecPath, loaded));
    EXPECT_EQ("-net", loaded.arguments);
    if (tm_->isWine()) {
        EXPECT_EQ("", loaded.target) << "Wine deviation: the network form of the link info is not read";
    } else {
        EXPECT_EQ(link.target, loaded.target);
    }

    // Wine saves the network path as a local base path; either form decodes.
    std::string shellPath = folder_ + "\\unc-shell.lnk";
    ASSERT_EQ(platform::kSuccess, shell_.write(shellPath, link));
    ShellLink decoded;
    platform::LinkDecodeError error;
    ASSERT_TRUE(platform::decodeShellLink(readBytes(shellPath), decoded, error)) << error.describe();
    EXPECT_EQ(link.target, decoded.target);
    EXPECT_EQ("-net", decoded.arguments);
}

TEST_F(ShellLinkCrossCheck, ShellStringCountsIncludeTheNulAndStillDecode) {
    ShellLink link;
    link.target = folder_ + "\\present.exe";
    link.description = "count";
    std::string path = folder_ + "\\count.lnk";
    ASSERT_EQ(platform::kSuccess, shell_.write(path, link));
    std::string bytes = readBytes(path);
    std::string wide = std::string("c\0o\0u\0n\0t\0", 10);
    auto at = bytes.find(wide);
    ASSERT_NE(std::string::npos, at);
    ASSERT_GE(at, 2u);
    unsigned count = static_cast<unsigned char>(bytes[at - 2]) | (static_cast<unsigned char>(bytes[at - 1]) << 8);
    if (tm_->isWine()) {
        EXPECT_EQ(6u, count) << "Wine deviation: string counts include the terminating NUL";
    } else {
        EXPECT_EQ(5u, count);
    }
    ShellLink decoded;
    platform::LinkDecodeError error;
    ASSERT_TRUE(platform::decodeShellLink(bytes, decoded, error)) << error.describe();
    EXPECT_EQ("count", decoded.description);
}

}  // namespace
