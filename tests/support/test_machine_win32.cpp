#include <windows.h>

#include <atomic>
#include <fstream>
#include <stdexcept>

#include "support/test_machine.h"
#include "win32/win32_services.h"

namespace testing_support {
namespace {

bool runningOnWine() {
    HMODULE ntdll = GetModuleHandleA("ntdll.dll");
    return ntdll && GetProcAddress(ntdll, "wine_get_version") != nullptr;
}

std::string uniqueSuffix() {
    static std::atomic<unsigned> counter{0};  // distinct names within one test run
    return std::to_string(GetCurrentProcessId()) + "_" + std::to_string(++counter);
}

void removeFolderTree(const std::string& folder) {
    WIN32_FIND_DATAA data;
    HANDLE search = FindFirstFileA((folder + "\\*").c_str(), &data);
    if (search != INVALID_HANDLE_VALUE) {
        do {
            std::string name = data.cFileName;
            if (name == "." || name == "..") continue;
            std::string path = folder + "\\" + name;
            if (data.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY) {
                removeFolderTree(path);
            } else {
                SetFileAttributesA(path.c_str(), FILE_ATTRIBUTE_NORMAL);
                DeleteFileA(path.c_str());
            }
        } while (FindNextFileA(search, &data));
        FindClose(search);
    }
    RemoveDirectoryA(folder.c_str());
}

class Win32TestMachine : public TestMachine {
public:
    Win32TestMachine() {
        char temp[MAX_PATH];
        GetTempPathA(MAX_PATH, temp);
        // Under Wine an ended run's folder can outlive its process for a moment, and
        // process ids come round again: a name taken already is passed over.
        for (int attempt = 0;; ++attempt) {
            scratchFolder_ = std::string(temp) + "vantrel-" + uniqueSuffix();
            if (CreateDirectoryA(scratchFolder_.c_str(), nullptr)) break;
            if (GetLastError() != ERROR_ALREADY_EXISTS || attempt == 100) throw std::runtime_error("no scratch folder");
        }
        scratchKey_ = "Software\\VantrelTest\\" + uniqueSuffix();
    }
    ~Win32TestMachine() override {
        deleteTree(real_.registry, platform::kHkeyCurrentUser, scratchKey_);
        removeFolderTree(scratchFolder_);
    }

    platform::Machine& machine() override { return real_.machine; }
    const std::string& scratchFolder() const override { return scratchFolder_; }
    const std::string& scratchKey() const override { return scratchKey_; }
    bool isWine() const override { return runningOnWine(); }
    bool isSubstitute() const override { return false; }
    void writeHostFile(const std::string& windowsPath, const std::string& bytes) override {
        std::ofstream(windowsPath, std::ios::binary) << bytes;
    }
    bool setRegistryViews(const platform::RegistryViews&) override { return false; }

private:
    win32::Win32Machine real_;
    std::string scratchFolder_;
    std::string scratchKey_;
};

}  // namespace

std::unique_ptr<TestMachine> makeTestMachine() { return std::make_unique<Win32TestMachine>(); }

}  // namespace testing_support
