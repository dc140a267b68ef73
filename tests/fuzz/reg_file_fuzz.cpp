// Any bytes fed to the .reg reader must give a tree or an error, never a
// crash; whatever loads must save and load back to the same tree.
#include <cstdint>
#include <cstdlib>
#include <string>
#include <string_view>

#include "platform/memory_registry.h"
#include "platform/reg_file.h"

namespace {

using namespace platform;

constexpr Key kRoots[] = {kHkeyLocalMachine, kHkeyCurrentUser, kHkeyUsers, kHkeyCurrentConfig};

// Without a byte-order mark such text reads as UTF-8, so ANSI that happens
// to spell valid UTF-8 cannot come back unchanged; the reader documents that.
bool readsAsUtf8(std::string_view s) {
    bool multiByte = false;
    for (std::size_t i = 0; i < s.size();) {
        const auto lead = static_cast<unsigned char>(s[i]);
        std::size_t length = lead < 0x80 ? 1 : (lead & 0xE0) == 0xC0 ? 2 : (lead & 0xF0) == 0xE0 ? 3
                                                : (lead & 0xF8) == 0xF0 ? 4 : 0;
        if (length == 0 || s.size() - i < length) return false;
        for (std::size_t k = 1; k < length; ++k)
            if ((static_cast<unsigned char>(s[i + k]) & 0xC0) != 0x80) return false;
        multiByte = multiByte || length > 1;
        i += length;
    }
    return multiByte;
}

std::string saveAll(Registry& registry, RegFileFormat format) {
    std::string all;
    for (Key root : kRoots) all += saveRegFile(registry, root, "", format);
    return all;
}

void checkRoundTrip(MemoryRegistry& loaded, RegFileFormat format) {
    MemoryRegistry copy;
    for (Key root : kRoots) {
        const std::string saved = saveRegFile(loaded, root, "", format);
        if (readsAsUtf8(saved)) return;
        RegFileError error;
        if (!loadRegFile(copy, saved, error)) std::abort();  // we wrote something we cannot read
    }
    if (saveAll(copy, format) != saveAll(loaded, format)) std::abort();
    if (copy.openHandleCount() != 0 || loaded.openHandleCount() != 0) std::abort();
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    MemoryRegistry registry;
    RegFileError error;
    const std::string_view text(reinterpret_cast<const char*>(data), size);
    if (!loadRegFile(registry, text, error)) {
        if (error.line == 0 || error.column == 0 || error.message.empty()) std::abort();
        return 0;
    }
    checkRoundTrip(registry, RegFileFormat::Regedit4);
    checkRoundTrip(registry, RegFileFormat::Version5);
    return 0;
}
