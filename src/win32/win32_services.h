#pragma once
// The real Windows services: thin wrappers over the ANSI Win32 functions.
#include <map>

#include "platform/machine.h"

namespace win32 {

class Win32Registry : public platform::Registry {
public:
    Win32Registry();
    platform::Status openKey(platform::Key parent, const std::string& subKey, std::uint32_t access,
                             platform::Key& result) override;
    platform::Status createKey(platform::Key parent, const std::string& subKey, std::uint32_t access,
                               platform::Key& result, std::uint32_t* disposition = nullptr) override;
    platform::Status queryValue(platform::Key key, const std::string& name, std::uint32_t* type, std::uint8_t* data,
                                std::uint32_t* size) override;
    platform::Status setValue(platform::Key key, const std::string& name, std::uint32_t type,
                              const std::uint8_t* data, std::uint32_t size) override;
    platform::Status deleteValue(platform::Key key, const std::string& name) override;
    platform::Status deleteKey(platform::Key key, const std::string& subKey) override;
    platform::Status enumKey(platform::Key key, std::uint32_t index, char* name, std::uint32_t nameSize) override;
    platform::Status enumValue(platform::Key key, std::uint32_t index, char* name, std::uint32_t* nameLength,
                               std::uint32_t* type, std::uint8_t* data, std::uint32_t* dataSize) override;
    platform::Status closeKey(platform::Key key) override;
    platform::Status deleteKeyInView(platform::Key key, const std::string& subKey, std::uint32_t viewFlags) override;
    platform::RegistryViews views() const override { return views_; }

private:
    platform::RegistryViews views_;  // asked once: every key the layer opens needs it
};

class Win32Profile : public platform::Profile {
public:
    std::uint32_t getString(const std::string& section, const std::string& key, const std::string& defaultText,
                            char* buffer, std::uint32_t size, const std::string& file) override;
    std::uint32_t getInt(const std::string& section, const std::string& key, int defaultValue,
                         const std::string& file) override;
    std::uint32_t getSection(const std::string& section, char* buffer, std::uint32_t size,
                             const std::string& file) override;
    bool writeString(const std::string& section, const std::string& key, const std::optional<std::string>& value,
                     const std::string& file) override;
    std::string fromUtf8(const std::string& utf8) override;  // to the system's ANSI code page
};

class Win32Files : public platform::Files {
public:
    platform::Status getAttributes(const std::string& path, std::uint32_t& attributes) override;
    platform::Status setAttributes(const std::string& path, std::uint32_t attributes) override;
    platform::Status find(const std::string& pattern, std::vector<platform::FoundEntry>& entries) override;
    platform::Status copyFile(const std::string& from, const std::string& to, bool failIfExists) override;
    platform::Status deleteFile(const std::string& path) override;
    platform::Status createFolder(const std::string& path) override;
    platform::Status moveFile(const std::string& from, const std::string& to) override;
    platform::Status removeFolder(const std::string& path) override;
    std::string programFolder() override;
    platform::Status readFile(const std::string& path, std::string& bytes) override;
    platform::Status writeFile(const std::string& path, const std::string& bytes) override;
};

class Win32Processes : public platform::Processes {
public:
    platform::Status start(const std::string& commandLine, platform::ShowState show) override;
    platform::Status openAddress(const std::string& address) override;
    std::string expandEnvironment(const std::string& text) override;
    platform::Status startWatched(const std::string& commandLine, platform::ShowState show, ProcessId& id) override;
    bool hasEnded(ProcessId id) override;
    void forget(ProcessId id) override;
    ~Win32Processes() override;

private:
    platform::Status create(const std::string& commandLine, platform::ShowState show, void*& process);
    std::map<ProcessId, void*> watched_;  // process handles
    ProcessId nextId_ = 1;
};

// Uses the shell's IShellLinkA and IPersistFile; COM must be initialised on
// the calling thread (Win32Shortcuts does it for its own calls when needed).
class Win32Shortcuts : public platform::Shortcuts {
public:
    Win32Shortcuts() = default;
    ~Win32Shortcuts() override;
    Win32Shortcuts(const Win32Shortcuts&) = delete;
    Win32Shortcuts& operator=(const Win32Shortcuts&) = delete;
    platform::Status read(const std::string& path, platform::ShellLink& link) override;
    platform::Status write(const std::string& path, const platform::ShellLink& link) override;
    std::string startupFolder(bool allUsers) override;

private:
    // The shell-link class factory (an IClassFactory*), kept while its thread's COM lasts.
    void* factoryFor(bool comLasts);
    void* factory_ = nullptr;
    unsigned long factoryThread_ = 0;
};

class Win32Desktop : public platform::Desktop {
public:
    // `instanceName` names the mutex that tells a second copy it is not the first.
    explicit Win32Desktop(std::string applicationTitle = "Vantrel", std::string instanceName = {});
    ~Win32Desktop() override;
    Win32Desktop(const Win32Desktop&) = delete;
    Win32Desktop& operator=(const Win32Desktop&) = delete;

    bool anotherInstanceRunning() override;
    int screenWidthTwips() override;
    int screenHeightTwips() override;
    double twipsPerPixelX() override;
    double twipsPerPixelY() override;
    double secondsSinceMidnight() override;
    platform::CalendarTime localTime() override;
    platform::MessageAnswer messageBox(const std::string& text, const std::string& title, platform::MessageIcon icon,
                                       platform::MessageButtons buttons) override;
    std::optional<std::string> openFile(const platform::OpenFileRequest& request) override;
    std::string statusText(std::uint32_t status) override;
    void yield() override;
    void endProcess() override;
    std::string userName() override;

    // The window message boxes and dialogs belong to (0: the active window of the thread that asks).
    void setOwner(std::uintptr_t window) { owner_ = window; }

private:
    std::string title_;
    std::string instanceName_;
    void* mutex_ = nullptr;
    std::uintptr_t owner_ = 0;
};

// All six, owned together, as the program and the Wine tests use them.
struct Win32Machine {
    // A named single-instance check, as the program wants; tests leave it off.
    explicit Win32Machine(std::string instanceName = {}) : desktop("Vantrel", std::move(instanceName)) {}
    Win32Registry registry;
    Win32Profile profile;
    Win32Files files;
    Win32Processes processes;
    Win32Shortcuts shortcuts;
    Win32Desktop desktop;
    platform::Machine machine{registry, profile, files, processes, shortcuts, desktop};
};

}  // namespace win32
