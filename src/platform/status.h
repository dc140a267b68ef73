#pragma once
// Windows status codes and constants, spelled out so that portable code can
// speak the platform's language without <windows.h>.
#include <cstdint>

namespace platform {

using Status = std::int32_t;  // a Win32 error code (LONG / DWORD)

inline constexpr Status kSuccess = 0;
inline constexpr Status kFileNotFound = 2;
inline constexpr Status kPathNotFound = 3;
inline constexpr Status kAccessDenied = 5;
inline constexpr Status kInvalidHandle = 6;
inline constexpr Status kInvalidData = 13;
inline constexpr Status kInvalidParameter = 87;
inline constexpr Status kInvalidName = 123;
inline constexpr Status kBadPathname = 161;
inline constexpr Status kAlreadyExists = 183;
inline constexpr Status kDirNotEmpty = 145;
inline constexpr Status kDirectoryName = 267;
inline constexpr Status kMoreData = 234;
inline constexpr Status kNoMoreItems = 259;
inline constexpr Status kKeyDeleted = 1018;
inline constexpr Status kNoMoreFiles = 18;
inline constexpr Status kFileExists = 80;
inline constexpr Status kNotImplemented = 120;
inline constexpr Status kGenFailure = 31;

}  // namespace platform
