#pragma once
// The binary shell-link (.lnk) format: reads what the Windows shell writes and
// writes what it reads.
#include <cstddef>
#include <string>
#include <string_view>

#include "platform/shortcuts.h"

namespace platform {

struct LinkDecodeError {
    std::size_t offset = 0;  // byte offset where the input stopped making sense
    std::string message;
    std::string describe() const;  // "offset 76: ..."
};

// Never reads past `bytes`; on failure `link` is left untouched.
bool decodeShellLink(std::string_view bytes, ShellLink& link, LinkDecodeError& error);
std::string encodeShellLink(const ShellLink& link);

}  // namespace platform
