#include <windows.h>

#include "win32/win32_services.h"

namespace win32 {
namespace {

HKEY toHkey(platform::Key key) { return reinterpret_cast<HKEY>(key); }
platform::Key fromHkey(HKEY key) { return reinterpret_cast<platform::Key>(key); }

}  // namespace

platform::Status Win32Registry::openKey(platform::Key parent, const std::string& subKey, std::uint32_t access,
                                        platform::Key& result) {
    HKEY opened = nullptr;
    LONG status = RegOpenKeyExA(toHkey(parent), subKey.c_str(), 0, access, &opened);
    result = status == ERROR_SUCCESS ? fromHkey(opened) : 0;
    return status;
}

platform::Status Win32Registry::createKey(platform::Key parent, const std::string& subKey, std::uint32_t access,
                                          platform::Key& result, std::uint32_t* disposition) {
    HKEY created = nullptr;
    DWORD how = 0;
    LONG status = RegCreateKeyExA(toHkey(parent), subKey.c_str(), 0, nullptr, REG_OPTION_NON_VOLATILE, access,
                                  nullptr, &created, &how);
    result = status == ERROR_SUCCESS ? fromHkey(created) : 0;
    if (status == ERROR_SUCCESS && disposition) *disposition = how;
    return status;
}

platform::Status Win32Registry::queryValue(platform::Key key, const std::string& name, std::uint32_t* type,
                                           std::uint8_t* data, std::uint32_t* size) {
    DWORD valueType = 0;
    DWORD bytes = size ? *size : 0;
    LONG status = RegQueryValueExA(toHkey(key), name.c_str(), nullptr, type ? &valueType : nullptr, data,
                                   size ? &bytes : nullptr);
    if (type && (status == ERROR_SUCCESS || status == ERROR_MORE_DATA)) *type = valueType;
    if (size && (status == ERROR_SUCCESS || status == ERROR_MORE_DATA)) *size = bytes;
    return status;
}

platform::Status Win32Registry::setValue(platform::Key key, const std::string& name, std::uint32_t type,
                                         const std::uint8_t* data, std::uint32_t size) {
    return RegSetValueExA(toHkey(key), name.c_str(), 0, type, data, size);
}

platform::Status Win32Registry::deleteValue(platform::Key key, const std::string& name) {
    return RegDeleteValueA(toHkey(key), name.c_str());
}

platform::Status Win32Registry::deleteKey(platform::Key key, const std::string& subKey) {
    return RegDeleteKeyA(toHkey(key), subKey.c_str());
}

platform::Status Win32Registry::enumKey(platform::Key key, std::uint32_t index, char* name, std::uint32_t nameSize) {
    return RegEnumKeyA(toHkey(key), index, name, nameSize);
}

platform::Status Win32Registry::enumValue(platform::Key key, std::uint32_t index, char* name,
                                          std::uint32_t* nameLength, std::uint32_t* type, std::uint8_t* data,
                                          std::uint32_t* dataSize) {
    DWORD length = nameLength ? *nameLength : 0;
    DWORD valueType = 0;
    DWORD bytes = dataSize ? *dataSize : 0;
    LONG status = RegEnumValueA(toHkey(key), index, name, nameLength ? &length : nullptr, nullptr,
                                type ? &valueType : nullptr, data, dataSize ? &bytes : nullptr);
    if (status == ERROR_SUCCESS) {
        if (nameLength) *nameLength = length;
        if (type) *type = valueType;
    }
    if (dataSize && (status == ERROR_SUCCESS || status == ERROR_MORE_DATA)) *dataSize = bytes;
    return status;
}

platform::Status Win32Registry::closeKey(platform::Key key) { return RegCloseKey(toHkey(key)); }

platform::Status Win32Registry::deleteKeyInView(platform::Key key, const std::string& subKey,
                                                std::uint32_t viewFlags) {
    return RegDeleteKeyExA(toHkey(key), subKey.c_str(), viewFlags, 0);
}

Win32Registry::Win32Registry() {
    BOOL wow64 = FALSE;
    IsWow64Process(GetCurrentProcess(), &wow64);
    constexpr bool kProcessIs64Bit = sizeof(void*) == 8;
    views_ = {kProcessIs64Bit || wow64 != FALSE, kProcessIs64Bit};
}

}  // namespace win32
