// libFuzzer target for the .lnk decoder: any input must decode or fail
// cleanly, and whatever decodes must survive an encode/decode round trip.
#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <string_view>

#include "platform/shell_link_codec.h"

namespace {

bool sameLink(const platform::ShellLink& a, const platform::ShellLink& b) {
    return a.target == b.target && a.workingFolder == b.workingFolder && a.arguments == b.arguments &&
           a.description == b.description && a.iconPath == b.iconPath && a.iconIndex == b.iconIndex &&
           a.showCommand == b.showCommand;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    std::string_view bytes(reinterpret_cast<const char*>(data), size);
    platform::ShellLink link;
    platform::LinkDecodeError error;
    if (!platform::decodeShellLink(bytes, link, error)) {
        if (error.message.empty() || error.offset > size) std::abort();
        return 0;
    }
    std::string encoded = platform::encodeShellLink(link);
    platform::ShellLink again;
    platform::LinkDecodeError againError;
    if (!platform::decodeShellLink(encoded, again, againError)) std::abort();
    if (!sameLink(link, again)) std::abort();
    return 0;
}
