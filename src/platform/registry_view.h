#pragma once
// Registry views: on a 64-bit Windows, 32-bit programs see parts of HKLM\Software
// (and a few class keys) under WOW6432Node. A place names its view; the layer turns
// it into the access flag, and on a machine with one view the flag is dropped.
#include <cstdint>

namespace platform {

enum class View { Native, Bits32, Bits64 };

inline constexpr std::uint32_t kKeyWow64_64Key = 0x0100;
inline constexpr std::uint32_t kKeyWow64_32Key = 0x0200;
inline constexpr std::uint32_t kKeyWow64Res = 0x0300;

// What this process can see: a 32-bit machine has one view whatever asks.
struct RegistryViews {
    bool machineIs64Bit = false;
    bool processIs64Bit = false;
    bool hasSecondView() const { return machineIs64Bit; }
    // The view a process of this build reads without flags.
    View ownView() const { return !machineIs64Bit ? View::Native : processIs64Bit ? View::Bits64 : View::Bits32; }
    // The view that is not this build's own; Native where there is only one.
    View otherView() const {
        return !machineIs64Bit ? View::Native : processIs64Bit ? View::Bits32 : View::Bits64;
    }
    // The access flag for `view`: none on a one-view machine or for Native.
    std::uint32_t flagsFor(View view) const {
        if (!machineIs64Bit) return 0;
        return view == View::Bits32 ? kKeyWow64_32Key : view == View::Bits64 ? kKeyWow64_64Key : 0;
    }
    // The same view named plainly (Native resolved), for records and reports.
    View resolved(View view) const { return view == View::Native ? ownView() : (machineIs64Bit ? view : View::Native); }
};

}  // namespace platform
