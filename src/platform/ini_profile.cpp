#include "platform/ini_profile.h"

#include <algorithm>
#include <cctype>
#include <cstring>

#include "platform/ini_file.h"

namespace platform {
namespace {

// GetPrivateProfileInt reads the value into a buffer of this many characters.
constexpr std::uint32_t kIntBufferSize = 30;

std::uint32_t copyCut(std::string_view text, char* buffer, std::uint32_t size) {
    if (size == 0 || buffer == nullptr) return 0;
    auto count = static_cast<std::uint32_t>(std::min<std::size_t>(text.size(), size - 1));
    if (count) std::memcpy(buffer, text.data(), count);
    buffer[count] = '\0';
    return count;
}

// The default loses its trailing spaces, though never its first character.
std::string_view defaultWithoutTrailingSpaces(std::string_view text) {
    while (text.size() > 1 && text.back() == ' ') text.remove_suffix(1);
    return text;
}

// As the platform converts: blanks, a sign, "0x"/"0o"/"0b" for another base,
// digits up to the first that does not fit, wrapping on overflow.
std::uint32_t toUnsigned(std::string_view s) {
    std::size_t i = 0;
    while (i < s.size() && static_cast<unsigned char>(s[i]) <= ' ') ++i;
    bool negative = false;
    if (i < s.size() && (s[i] == '+' || s[i] == '-')) negative = s[i++] == '-';
    unsigned base = 10;
    if (i + 1 < s.size() && s[i] == '0') {
        if (s[i + 1] == 'x') base = 16;
        if (s[i + 1] == 'o') base = 8;
        if (s[i + 1] == 'b') base = 2;
        if (base != 10) i += 2;
    }
    std::uint32_t total = 0;
    for (; i < s.size(); ++i) {
        char c = s[i];
        unsigned digit = 99;
        if (c >= '0' && c <= '9') digit = static_cast<unsigned>(c - '0');
        else if (c >= 'a' && c <= 'z') digit = static_cast<unsigned>(c - 'a' + 10);
        else if (c >= 'A' && c <= 'Z') digit = static_cast<unsigned>(c - 'A' + 10);
        if (digit >= base) break;
        total = total * base + digit;
    }
    return negative ? 0u - total : total;
}

constexpr const char* kMappedKey = "Software\\Microsoft\\Windows NT\\CurrentVersion\\Windows";

bool sameLetters(std::string_view a, std::string_view b) {
    return a.size() == b.size() && std::equal(a.begin(), a.end(), b.begin(), [](char x, char y) {
               return std::tolower(static_cast<unsigned char>(x)) == std::tolower(static_cast<unsigned char>(y));
           });
}

std::string textOf(const std::string& data) { return data.substr(0, data.find('\0')); }

}  // namespace

bool IniProfile::mapped(const std::string& section, const std::string& file) const {
    return registry_ && sameLetters(section, "windows") && sameLetters(resolve(file), windowsFolder_ + "\\win.ini");
}

std::optional<std::string> IniProfile::mappedValue(const std::string& key) {
    Key opened = 0;
    if (registry_->openKey(kHkeyCurrentUser, kMappedKey, kKeyQueryValue, opened) != kSuccess) return std::nullopt;
    std::uint32_t type = 0, size = 0;
    std::optional<std::string> text;
    if (registry_->queryValue(opened, key, &type, nullptr, &size) == kSuccess) {
        std::string data(size, '\0');
        if (registry_->queryValue(opened, key, &type, reinterpret_cast<std::uint8_t*>(data.data()), &size) ==
            kSuccess)
            text = textOf(data.substr(0, size));
    }
    registry_->closeKey(opened);
    return text;
}

std::string IniProfile::mappedSection() {
    std::string listed;
    Key opened = 0;
    if (registry_->openKey(kHkeyCurrentUser, kMappedKey, kKeyQueryValue, opened) != kSuccess) return listed;
    char name[2048];
    for (std::uint32_t index = 0;; ++index) {
        std::uint32_t length = sizeof name, type = 0;
        if (registry_->enumValue(opened, index, name, &length, &type, nullptr, nullptr) != kSuccess) break;
        const std::string key(name, length);
        registry_->closeKey(opened);
        listed += key + "=" + mappedValue(key).value_or("");
        listed += '\0';
        if (registry_->openKey(kHkeyCurrentUser, kMappedKey, kKeyQueryValue, opened) != kSuccess) return listed;
    }
    registry_->closeKey(opened);
    return listed;
}

bool IniProfile::writeMapped(const std::string& key, const std::optional<std::string>& value) {
    Key opened = 0;
    if (registry_->createKey(kHkeyCurrentUser, kMappedKey, kKeySetValue, opened) != kSuccess) return false;
    Status status = kSuccess;
    if (value) {
        std::string data = *value;
        data += '\0';
        status = registry_->setValue(opened, key, kRegSz, reinterpret_cast<const std::uint8_t*>(data.data()),
                                     static_cast<std::uint32_t>(data.size()));
    } else if (registry_->deleteValue(opened, key) == kAccessDenied) {
        status = kAccessDenied;
    }
    registry_->closeKey(opened);
    return status == kSuccess;
}

IniProfile::IniProfile(Files& files, std::string windowsFolder)
    : files_(files), windowsFolder_(std::move(windowsFolder)) {}

std::string IniProfile::resolve(const std::string& file) const {
    // A bare file name lives in the Windows folder; anything with a folder in
    // it is taken as given.
    if (file.find_first_of("\\/:") == std::string::npos) return windowsFolder_ + "\\" + file;
    return file;
}

std::uint32_t IniProfile::getString(const std::string& section, const std::string& key,
                                    const std::string& defaultText, char* buffer, std::uint32_t size,
                                    const std::string& file) {
    if (size == 0 || buffer == nullptr) return 0;
    if (mapped(section, file)) {
        if (auto text = mappedValue(key)) return copyCut(*text, buffer, size);
        return copyCut(defaultWithoutTrailingSpaces(defaultText), buffer, size);
    }
    std::string bytes;
    if (files_.readFile(resolve(file), bytes) == kSuccess) {
        IniFile ini = IniFile::parse(bytes);
        if (auto value = ini.value(section, key)) return copyCut(unquotedValue(*value), buffer, size);
    }
    return copyCut(defaultWithoutTrailingSpaces(defaultText), buffer, size);
}

std::uint32_t IniProfile::getInt(const std::string& section, const std::string& key, int defaultValue,
                                 const std::string& file) {
    char text[kIntBufferSize];
    if (getString(section, key, "", text, sizeof text, file) == 0) return static_cast<std::uint32_t>(defaultValue);
    return toUnsigned(text);
}

std::uint32_t IniProfile::getSection(const std::string& section, char* buffer, std::uint32_t size,
                                     const std::string& file) {
    if (size == 0 || buffer == nullptr) return 0;
    if (size == 1) {
        buffer[0] = '\0';
        return 0;
    }
    std::string listed;  // "entry\0entry\0"
    std::string bytes;
    if (mapped(section, file)) {
        listed = mappedSection();
    } else if (files_.readFile(resolve(file), bytes) == kSuccess) {
        for (const auto& entry : IniFile::parse(bytes).sectionEntries(section)) {
            listed += entry;
            listed += '\0';
        }
    }
    if (listed.size() + 2 <= size) {
        std::memcpy(buffer, listed.data(), listed.size());
        buffer[listed.size()] = '\0';
        // An empty list still ends in two zeros.
        if (listed.empty()) buffer[1] = '\0';
        return static_cast<std::uint32_t>(listed.size());
    }
    // Too small, or only just big enough: the list is cut to size-2
    // characters and closed with two zeros.
    std::uint32_t count = size - 2;
    std::memcpy(buffer, listed.data(), count);
    buffer[count] = '\0';
    buffer[count + 1] = '\0';
    return count;
}

bool IniProfile::writeString(const std::string& section, const std::string& key,
                             const std::optional<std::string>& value, const std::string& file) {
    if (mapped(section, file)) return writeMapped(key, value);
    std::string path = resolve(file);
    std::string bytes;
    Status read = files_.readFile(path, bytes);
    if (read != kSuccess && read != kFileNotFound) return false;
    IniFile ini = IniFile::parse(bytes);
    bool changed = value ? ini.setValue(section, key, *value) : ini.removeKey(section, key);
    // Deleting from a missing file still leaves an empty file behind, as Windows does.
    if (!changed && read == kSuccess) return true;
    return files_.writeFile(path, ini.text()) == kSuccess;
}

}  // namespace platform
