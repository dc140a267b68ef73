#include <windows.h>

#include "win32/win32_services.h"

namespace win32 {

std::uint32_t Win32Profile::getString(const std::string& section, const std::string& key,
                                      const std::string& defaultText, char* buffer, std::uint32_t size,
                                      const std::string& file) {
    if (size == 0 || buffer == nullptr) return 0;
    return GetPrivateProfileStringA(section.c_str(), key.c_str(), defaultText.c_str(), buffer, size, file.c_str());
}

std::uint32_t Win32Profile::getInt(const std::string& section, const std::string& key, int defaultValue,
                                   const std::string& file) {
    return GetPrivateProfileIntA(section.c_str(), key.c_str(), defaultValue, file.c_str());
}

std::uint32_t Win32Profile::getSection(const std::string& section, char* buffer, std::uint32_t size,
                                       const std::string& file) {
    if (size == 0 || buffer == nullptr) return 0;
    // Wine writes two zeros even into a one-character buffer.
    if (size == 1) {
        buffer[0] = '\0';
        return 0;
    }
    return GetPrivateProfileSectionA(section.c_str(), buffer, size, file.c_str());
}

bool Win32Profile::writeString(const std::string& section, const std::string& key,
                               const std::optional<std::string>& value, const std::string& file) {
    return WritePrivateProfileStringA(section.c_str(), key.c_str(), value ? value->c_str() : nullptr,
                                      file.c_str()) != FALSE;
}

std::string Win32Profile::fromUtf8(const std::string& utf8) {
    if (utf8.empty()) return {};
    const int wide = MultiByteToWideChar(CP_UTF8, 0, utf8.data(), static_cast<int>(utf8.size()), nullptr, 0);
    if (wide <= 0) return utf8;
    std::wstring text(static_cast<std::size_t>(wide), L'\0');
    MultiByteToWideChar(CP_UTF8, 0, utf8.data(), static_cast<int>(utf8.size()), text.data(), wide);
    const int narrow = WideCharToMultiByte(CP_ACP, 0, text.data(), wide, nullptr, 0, "?", nullptr);
    if (narrow <= 0) return utf8;
    std::string out(static_cast<std::size_t>(narrow), '\0');
    WideCharToMultiByte(CP_ACP, 0, text.data(), wide, out.data(), narrow, "?", nullptr);
    return out;
}

}  // namespace win32
