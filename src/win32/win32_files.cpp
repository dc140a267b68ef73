#include <windows.h>

#include <algorithm>

#include "win32/win32_services.h"

namespace win32 {
namespace {

platform::Status lastError() { return static_cast<platform::Status>(GetLastError()); }

class Handle {
public:
    explicit Handle(HANDLE handle) : handle_(handle) {}
    ~Handle() {
        if (valid()) CloseHandle(handle_);
    }
    Handle(const Handle&) = delete;
    Handle& operator=(const Handle&) = delete;
    bool valid() const { return handle_ != INVALID_HANDLE_VALUE; }
    HANDLE get() const { return handle_; }

private:
    HANDLE handle_;
};

}  // namespace

platform::Status Win32Files::getAttributes(const std::string& path, std::uint32_t& attributes) {
    DWORD result = GetFileAttributesA(path.c_str());
    if (result == INVALID_FILE_ATTRIBUTES) return lastError();
    attributes = result;
    return platform::kSuccess;
}

platform::Status Win32Files::setAttributes(const std::string& path, std::uint32_t attributes) {
    return SetFileAttributesA(path.c_str(), attributes) ? platform::kSuccess : lastError();
}

platform::Status Win32Files::find(const std::string& pattern, std::vector<platform::FoundEntry>& entries) {
    entries.clear();
    WIN32_FIND_DATAA data;
    HANDLE search = FindFirstFileA(pattern.c_str(), &data);
    if (search == INVALID_HANDLE_VALUE) return lastError();
    do {
        entries.push_back({data.cFileName, data.dwFileAttributes});
    } while (FindNextFileA(search, &data));
    platform::Status status = lastError();
    FindClose(search);
    return status == ERROR_NO_MORE_FILES ? platform::kSuccess : status;
}

platform::Status Win32Files::copyFile(const std::string& from, const std::string& to, bool failIfExists) {
    return CopyFileA(from.c_str(), to.c_str(), failIfExists ? TRUE : FALSE) ? platform::kSuccess : lastError();
}

platform::Status Win32Files::deleteFile(const std::string& path) {
    return DeleteFileA(path.c_str()) ? platform::kSuccess : lastError();
}

platform::Status Win32Files::createFolder(const std::string& path) {
    return CreateDirectoryA(path.c_str(), nullptr) ? platform::kSuccess : lastError();
}

platform::Status Win32Files::moveFile(const std::string& from, const std::string& to) {
    return MoveFileA(from.c_str(), to.c_str()) ? platform::kSuccess : lastError();
}

platform::Status Win32Files::removeFolder(const std::string& path) {
    return RemoveDirectoryA(path.c_str()) ? platform::kSuccess : lastError();
}

std::string Win32Files::programFolder() {
    std::string path(MAX_PATH, '\0');
    for (;;) {
        DWORD length = GetModuleFileNameA(nullptr, path.data(), static_cast<DWORD>(path.size()));
        if (length == 0) return {};
        // A full buffer means the name was cut; try again with room to spare.
        if (length < path.size()) {
            path.resize(length);
            break;
        }
        path.resize(path.size() * 2);
    }
    std::size_t slash = path.find_last_of("\\/");
    return slash == std::string::npos ? std::string() : path.substr(0, slash);
}

platform::Status Win32Files::readFile(const std::string& path, std::string& bytes) {
    bytes.clear();
    Handle file(CreateFileA(path.c_str(), GENERIC_READ, FILE_SHARE_READ | FILE_SHARE_WRITE, nullptr, OPEN_EXISTING,
                            FILE_ATTRIBUTE_NORMAL, nullptr));
    if (!file.valid()) return lastError();
    char buffer[65536];
    for (;;) {
        DWORD got = 0;
        if (!ReadFile(file.get(), buffer, sizeof buffer, &got, nullptr)) {
            bytes.clear();
            return lastError();
        }
        if (got == 0) break;
        bytes.append(buffer, got);
    }
    return platform::kSuccess;
}

platform::Status Win32Files::writeFile(const std::string& path, const std::string& bytes) {
    // OPEN_ALWAYS, not CREATE_ALWAYS: the latter refuses an existing hidden
    // file and would reset the attributes of the one it replaces.
    Handle file(CreateFileA(path.c_str(), GENERIC_WRITE, 0, nullptr, OPEN_ALWAYS, FILE_ATTRIBUTE_NORMAL, nullptr));
    if (!file.valid()) return lastError();
    for (std::size_t done = 0; done < bytes.size();) {
        DWORD chunk = static_cast<DWORD>(std::min<std::size_t>(bytes.size() - done, 1u << 20));
        DWORD wrote = 0;
        if (!WriteFile(file.get(), bytes.data() + done, chunk, &wrote, nullptr)) return lastError();
        done += wrote;
    }
    if (!SetEndOfFile(file.get())) return lastError();
    return platform::kSuccess;
}

}  // namespace win32
