#pragma once
// Windows paths over the host disk: each drive letter maps to a host folder,
// names are matched ignoring case, and hidden/system live in the extended
// attribute user.DOSATTRIB and read-only in the mode bits, as Wine keeps them,
// so the substitute and Wine see the same attributes on one tree.
#include <filesystem>
#include <map>
#include <optional>

#include "platform/files.h"

namespace platform {

class HostFiles : public Files {
public:
    explicit HostFiles(std::string programFolder);

    void mapDrive(char letter, const std::filesystem::path& hostRoot);
    // The host path of a Windows path, each existing component matched ignoring
    // case; empty when the drive is not mapped or the path is malformed.
    std::optional<std::filesystem::path> hostPath(const std::string& windowsPath) const;

    Status getAttributes(const std::string& path, std::uint32_t& attributes) override;
    Status setAttributes(const std::string& path, std::uint32_t attributes) override;
    Status find(const std::string& pattern, std::vector<FoundEntry>& entries) override;
    Status copyFile(const std::string& from, const std::string& to, bool failIfExists) override;
    Status deleteFile(const std::string& path) override;
    Status createFolder(const std::string& path) override;
    Status moveFile(const std::string& from, const std::string& to) override;
    Status removeFolder(const std::string& path) override;
    std::string programFolder() override;
    Status readFile(const std::string& path, std::string& bytes) override;
    Status writeFile(const std::string& path, const std::string& bytes) override;

private:
    std::string programFolder_;
    std::map<char, std::filesystem::path> drives_;  // upper-case letter -> host folder
};

}  // namespace platform
