#pragma once
// The registry as the program calls it: the ANSI Reg* functions, buffer rules
// and status codes included, so the store above behaves the same on either side.
#include <cstdint>
#include <string>

#include "platform/registry_view.h"
#include "platform/status.h"

namespace platform {

using Key = std::uintptr_t;  // an HKEY

inline constexpr Key kHkeyClassesRoot = 0x80000000u;
inline constexpr Key kHkeyCurrentUser = 0x80000001u;
inline constexpr Key kHkeyLocalMachine = 0x80000002u;
inline constexpr Key kHkeyUsers = 0x80000003u;
inline constexpr Key kHkeyPerformanceData = 0x80000004u;
inline constexpr Key kHkeyCurrentConfig = 0x80000005u;
inline constexpr Key kHkeyDynData = 0x80000006u;

// Value types.
inline constexpr std::uint32_t kRegNone = 0;
inline constexpr std::uint32_t kRegSz = 1;
inline constexpr std::uint32_t kRegExpandSz = 2;
inline constexpr std::uint32_t kRegBinary = 3;
inline constexpr std::uint32_t kRegDword = 4;
inline constexpr std::uint32_t kRegMultiSz = 7;
inline constexpr std::uint32_t kRegQword = 11;

// Access rights.
inline constexpr std::uint32_t kKeyQueryValue = 0x0001;
inline constexpr std::uint32_t kKeySetValue = 0x0002;
inline constexpr std::uint32_t kKeyCreateSubKey = 0x0004;
inline constexpr std::uint32_t kKeyEnumerateSubKeys = 0x0008;
inline constexpr std::uint32_t kKeyNotify = 0x0010;
inline constexpr std::uint32_t kKeyCreateLink = 0x0020;
inline constexpr std::uint32_t kDelete = 0x00010000;
inline constexpr std::uint32_t kReadControl = 0x00020000;
inline constexpr std::uint32_t kKeyRead = 0x00020019;
inline constexpr std::uint32_t kKeyWrite = 0x00020006;
inline constexpr std::uint32_t kKeyAllAccess = 0x000F003F;

// Create dispositions.
inline constexpr std::uint32_t kCreatedNewKey = 1;
inline constexpr std::uint32_t kOpenedExistingKey = 2;

class Registry {
public:
    virtual ~Registry() = default;

    // RegOpenKeyExA. On failure `result` is 0.
    virtual Status openKey(Key parent, const std::string& subKey, std::uint32_t access, Key& result) = 0;
    // RegCreateKeyExA, non-volatile; creates missing parents.
    virtual Status createKey(Key parent, const std::string& subKey, std::uint32_t access, Key& result,
                             std::uint32_t* disposition = nullptr) = 0;
    // RegQueryValueExA. `data` null asks for the size only; a buffer too small
    // gives kMoreData with the needed size in `*size` and leaves the buffer alone.
    virtual Status queryValue(Key key, const std::string& name, std::uint32_t* type, std::uint8_t* data,
                              std::uint32_t* size) = 0;
    // RegSetValueExA: stores exactly `size` bytes.
    virtual Status setValue(Key key, const std::string& name, std::uint32_t type, const std::uint8_t* data,
                            std::uint32_t size) = 0;
    virtual Status deleteValue(Key key, const std::string& name) = 0;
    // RegDeleteKeyA: one level; a subkey that has subkeys of its own is refused (5).
    virtual Status deleteKey(Key key, const std::string& subKey) = 0;
    // RegEnumKeyA: `nameSize` characters including the terminating zero.
    virtual Status enumKey(Key key, std::uint32_t index, char* name, std::uint32_t nameSize) = 0;
    // RegEnumValueA: `*nameLength` is the buffer's size in characters on entry
    // and the name's length without the zero on success. `data` may be null.
    virtual Status enumValue(Key key, std::uint32_t index, char* name, std::uint32_t* nameLength,
                             std::uint32_t* type, std::uint8_t* data, std::uint32_t* dataSize) = 0;
    virtual Status closeKey(Key key) = 0;
    // RegDeleteKeyExA: as deleteKey, in the view `viewFlags` names (kKeyWow64_32Key, kKeyWow64_64Key or 0).
    virtual Status deleteKeyInView(Key key, const std::string& subKey, std::uint32_t viewFlags) = 0;
    // Whether the machine has a second view, and which one this process reads without flags.
    virtual RegistryViews views() const = 0;
};

}  // namespace platform
