#pragma once
// The profile (INI) functions, with their fixed buffers and truncation rules.
#include <cstdint>
#include <optional>
#include <string>

#include "platform/text_encoding.h"

namespace platform {

class Profile {
public:
    virtual ~Profile() = default;

    // GetPrivateProfileStringA with a section and a key: copies at most
    // size-1 characters and a zero into `buffer`, returns the characters copied.
    virtual std::uint32_t getString(const std::string& section, const std::string& key,
                                    const std::string& defaultText, char* buffer, std::uint32_t size,
                                    const std::string& file) = 0;
    // GetPrivateProfileIntA.
    virtual std::uint32_t getInt(const std::string& section, const std::string& key, int defaultValue,
                                 const std::string& file) = 0;
    // GetPrivateProfileSectionA: "key=value\0...\0\0"; returns the characters
    // copied, not counting the final zero (size-2 when the buffer was too small).
    virtual std::uint32_t getSection(const std::string& section, char* buffer, std::uint32_t size,
                                     const std::string& file) = 0;
    // WritePrivateProfileStringA; no value deletes the key. False when the
    // file could not be written.
    virtual bool writeString(const std::string& section, const std::string& key,
                             const std::optional<std::string>& value, const std::string& file) = 0;
    // A UTF-8 text in the program's ANSI code page (Windows-1252 unless the system says otherwise).
    virtual std::string fromUtf8(const std::string& utf8) { return utf8ToWindows1252(utf8); }
};

}  // namespace platform
