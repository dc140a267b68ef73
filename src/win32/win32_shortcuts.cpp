#include <windows.h>

#include <objbase.h>
#include <shlguid.h>
#include <shlobj.h>
#include <shobjidl.h>

#include <string>

#include "win32/win32_services.h"

namespace win32 {
namespace {

using platform::Status;

// The program's buffers for every field of a link.
constexpr int kFieldBuffer = 255;
// The target alone gets the shell's whole path length (259 characters and the zero).
constexpr int kTargetBuffer = MAX_PATH;
constexpr DWORD kUncPriority = 2;  // SLGP_UNCPRIORITY: the network form, no resolving
constexpr DWORD kResolveUpdate = 4;  // SLR_UPDATE

// COM for the length of one call, unless the thread already has it; a thread
// in the other apartment model still lets us use the shell-link object.
class ComScope {
public:
    ComScope() : result_(CoInitializeEx(nullptr, COINIT_APARTMENTTHREADED)) {}
    ~ComScope() {
        if (SUCCEEDED(result_)) CoUninitialize();
    }
    ComScope(const ComScope&) = delete;
    ComScope& operator=(const ComScope&) = delete;
    bool usable() const { return SUCCEEDED(result_) || result_ == RPC_E_CHANGED_MODE; }
    HRESULT result() const { return result_; }
    // COM was there before this call, so it stays after it.
    bool lasting() const { return result_ == S_FALSE || result_ == RPC_E_CHANGED_MODE; }

private:
    HRESULT result_;
};

template <typename T>
class ComPtr {
public:
    ComPtr() = default;
    ~ComPtr() {
        if (ptr_) ptr_->Release();
    }
    ComPtr(const ComPtr&) = delete;
    ComPtr& operator=(const ComPtr&) = delete;
    T** put() { return &ptr_; }
    void** putVoid() { return reinterpret_cast<void**>(&ptr_); }
    T* operator->() const { return ptr_; }
    T* get() const { return ptr_; }

private:
    T* ptr_ = nullptr;
};

// Win32 errors travel inside HRESULTs (0x8007xxxx, and the storage facility
// reuses the low file codes); anything else means the file was no shortcut.
Status statusOf(HRESULT hr) {
    if (HRESULT_FACILITY(hr) == FACILITY_WIN32) return static_cast<Status>(HRESULT_CODE(hr));
    if (HRESULT_FACILITY(hr) == FACILITY_STORAGE) {
        switch (HRESULT_CODE(hr)) {
            case ERROR_FILE_NOT_FOUND:
            case ERROR_PATH_NOT_FOUND:
            case ERROR_ACCESS_DENIED:
            case ERROR_SHARING_VIOLATION:
            case ERROR_LOCK_VIOLATION:
                return static_cast<Status>(HRESULT_CODE(hr));
            default:
                break;
        }
    }
    if (hr == E_INVALIDARG) return platform::kInvalidParameter;
    if (hr == E_ACCESSDENIED) return platform::kAccessDenied;
    return platform::kInvalidData;
}

std::wstring wide(const std::string& text) {
    if (text.empty()) return std::wstring();
    int length = MultiByteToWideChar(CP_ACP, 0, text.data(), static_cast<int>(text.size()), nullptr, 0);
    std::wstring result(static_cast<std::size_t>(length), L'\0');
    MultiByteToWideChar(CP_ACP, 0, text.data(), static_cast<int>(text.size()), result.data(), length);
    return result;
}

// Some implementations fill the whole buffer when the text does not fit
// and leave it unterminated; the last character is ours.
std::string fieldText(char (&buffer)[kFieldBuffer]) {
    buffer[kFieldBuffer - 1] = '\0';
    return std::string(buffer);
}

Status createLink(ComPtr<IShellLinkA>& link, ComPtr<IPersistFile>& file, IClassFactory* factory) {
    HRESULT hr = factory ? factory->CreateInstance(nullptr, IID_IShellLinkA, link.putVoid())
                         : CoCreateInstance(CLSID_ShellLink, nullptr, CLSCTX_INPROC_SERVER, IID_IShellLinkA,
                                            link.putVoid());
    if (FAILED(hr)) return statusOf(hr);
    hr = link->QueryInterface(IID_IPersistFile, file.putVoid());
    if (FAILED(hr)) return statusOf(hr);
    return platform::kSuccess;
}

}  // namespace

// Looking the class up costs about a millisecond under Wine, so a listing of
// many shortcuts keeps its factory while the thread's COM lasts.
void* Win32Shortcuts::factoryFor(bool comLasts) {
    const DWORD thread = GetCurrentThreadId();
    if (!comLasts) return nullptr;
    if (factory_ && factoryThread_ == thread) return factory_;
    if (factory_) return nullptr;
    void* made = nullptr;
    if (FAILED(CoGetClassObject(CLSID_ShellLink, CLSCTX_INPROC_SERVER, nullptr, IID_IClassFactory, &made)))
        return nullptr;
    factory_ = made;
    factoryThread_ = thread;
    return factory_;
}

Win32Shortcuts::~Win32Shortcuts() {
    // Released only on its own thread, where its apartment may still be alive.
    if (factory_ && factoryThread_ == GetCurrentThreadId()) static_cast<IClassFactory*>(factory_)->Release();
}

Status Win32Shortcuts::read(const std::string& path, platform::ShellLink& link) {
    ComScope com;
    if (!com.usable()) return statusOf(com.result());
    ComPtr<IShellLinkA> shellLink;
    ComPtr<IPersistFile> file;
    auto* factory = static_cast<IClassFactory*>(factoryFor(com.lasting()));
    if (Status status = createLink(shellLink, file, factory); status != platform::kSuccess) return status;

    std::wstring widePath = wide(path);
    HRESULT hr = file->Load(widePath.c_str(), STGM_READ);
    if (FAILED(hr)) return statusOf(hr);

    platform::ShellLink loaded;
    char target[kTargetBuffer] = {};
    // No target at all is S_FALSE with an empty buffer, still a valid link.
    hr = shellLink->GetPath(target, kTargetBuffer, nullptr, kUncPriority);
    if (FAILED(hr)) return statusOf(hr);
    target[kTargetBuffer - 1] = '\0';
    loaded.target = target;

    char buffer[kFieldBuffer] = {};

    buffer[0] = '\0';
    if (hr = shellLink->GetWorkingDirectory(buffer, kFieldBuffer); FAILED(hr)) return statusOf(hr);
    loaded.workingFolder = fieldText(buffer);
    buffer[0] = '\0';
    if (hr = shellLink->GetArguments(buffer, kFieldBuffer); FAILED(hr)) return statusOf(hr);
    loaded.arguments = fieldText(buffer);
    buffer[0] = '\0';
    if (hr = shellLink->GetDescription(buffer, kFieldBuffer); FAILED(hr)) return statusOf(hr);
    loaded.description = fieldText(buffer);
    buffer[0] = '\0';
    int iconIndex = 0;
    if (hr = shellLink->GetIconLocation(buffer, kFieldBuffer, &iconIndex); FAILED(hr)) return statusOf(hr);
    loaded.iconPath = fieldText(buffer);
    loaded.iconIndex = iconIndex;
    int showCommand = SW_SHOWNORMAL;
    if (hr = shellLink->GetShowCmd(&showCommand); FAILED(hr)) return statusOf(hr);
    loaded.showCommand = showCommand;
    WORD hotkey = 0;
    if (hr = shellLink->GetHotkey(&hotkey); FAILED(hr)) return statusOf(hr);
    loaded.hotkey = hotkey;

    link = std::move(loaded);
    return platform::kSuccess;
}

Status Win32Shortcuts::write(const std::string& path, const platform::ShellLink& link) {
    ComScope com;
    if (!com.usable()) return statusOf(com.result());
    ComPtr<IShellLinkA> shellLink;
    ComPtr<IPersistFile> file;
    auto* factory = static_cast<IClassFactory*>(factoryFor(com.lasting()));
    if (Status status = createLink(shellLink, file, factory); status != platform::kSuccess) return status;

    // A target that does not exist yet is S_FALSE: the link is still made.
    HRESULT hr = shellLink->SetPath(link.target.c_str());
    if (FAILED(hr)) return statusOf(hr);
    if (!link.workingFolder.empty()) {
        if (hr = shellLink->SetWorkingDirectory(link.workingFolder.c_str()); FAILED(hr)) return statusOf(hr);
    }
    if (!link.arguments.empty()) {
        if (hr = shellLink->SetArguments(link.arguments.c_str()); FAILED(hr)) return statusOf(hr);
    }
    if (!link.description.empty()) {
        if (hr = shellLink->SetDescription(link.description.c_str()); FAILED(hr)) return statusOf(hr);
    }
    if (!link.iconPath.empty()) {
        if (hr = shellLink->SetIconLocation(link.iconPath.c_str(), link.iconIndex); FAILED(hr)) return statusOf(hr);
    }
    if (hr = shellLink->SetShowCmd(link.showCommand); FAILED(hr)) return statusOf(hr);
    if (link.hotkey != 0) {
        if (hr = shellLink->SetHotkey(link.hotkey); FAILED(hr)) return statusOf(hr);
    }
    // Fills in what the shell knows about the target; a missing one is no reason to stop.
    shellLink->Resolve(nullptr, kResolveUpdate);

    std::wstring widePath = wide(path);
    hr = file->Save(widePath.c_str(), FALSE);
    if (FAILED(hr)) return statusOf(hr);
    return platform::kSuccess;
}

}  // namespace win32

namespace win32 {

std::string Win32Shortcuts::startupFolder(bool allUsers) {
    char path[MAX_PATH] = {};
    const int folder = allUsers ? CSIDL_COMMON_STARTUP : CSIDL_STARTUP;
    return SUCCEEDED(SHGetFolderPathA(nullptr, folder, nullptr, 0, path)) ? std::string(path) : std::string();
}

}  // namespace win32
