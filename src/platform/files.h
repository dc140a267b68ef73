#pragma once
// The file system in Windows paths and Windows status codes.
#include <cstdint>
#include <string>
#include <vector>

#include "platform/status.h"

namespace platform {

inline constexpr std::uint32_t kAttrReadOnly = 0x01;
inline constexpr std::uint32_t kAttrHidden = 0x02;
inline constexpr std::uint32_t kAttrSystem = 0x04;
inline constexpr std::uint32_t kAttrDirectory = 0x10;
inline constexpr std::uint32_t kAttrArchive = 0x20;
inline constexpr std::uint32_t kAttrNormal = 0x80;

struct FoundEntry {
    std::string name;  // the file name only, as the folder spells it
    std::uint32_t attributes = 0;
};

class Files {
public:
    virtual ~Files() = default;

    // GetFileAttributesA / SetFileAttributesA.
    virtual Status getAttributes(const std::string& path, std::uint32_t& attributes) = 0;
    virtual Status setAttributes(const std::string& path, std::uint32_t attributes) = 0;
    // FindFirstFileA/FindNextFileA to the end: every entry matching `pattern`
    // (wildcards in the last component only), attributes unfiltered, as the
    // platform lists them. No match is kFileNotFound; a missing folder kPathNotFound.
    virtual Status find(const std::string& pattern, std::vector<FoundEntry>& entries) = 0;
    // CopyFileA.
    virtual Status copyFile(const std::string& from, const std::string& to, bool failIfExists) = 0;
    virtual Status deleteFile(const std::string& path) = 0;
    virtual Status createFolder(const std::string& path) = 0;
    // MoveFileA: a file or a folder, on one drive; an existing target is kAlreadyExists.
    virtual Status moveFile(const std::string& from, const std::string& to) = 0;
    // RemoveDirectoryA: only an empty folder (kDirNotEmpty otherwise).
    virtual Status removeFolder(const std::string& path) = 0;
    // The running program's folder, without a trailing backslash.
    virtual std::string programFolder() = 0;
    // Whole-file read and write, for the codecs that sit above this interface.
    virtual Status readFile(const std::string& path, std::string& bytes) = 0;
    virtual Status writeFile(const std::string& path, const std::string& bytes) = 0;
};

// The first entry matching `pattern` that is an ordinary file: not a folder,
// not hidden, not system (what a directory search for normal files admits).
// Empty when there is none or the search fails.
std::string findOrdinaryFile(Files& files, const std::string& pattern);

// The names of the files (not folders) in `folder` matching "*.*", in the
// order the platform lists them. kPathNotFound when the folder does not exist.
Status listFolderFiles(Files& files, const std::string& folder, std::vector<std::string>& names);

}  // namespace platform
