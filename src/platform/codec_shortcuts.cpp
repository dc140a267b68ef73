#include "platform/codec_shortcuts.h"

#include <string>

#include "platform/shell_link_codec.h"

namespace platform {
namespace {

// The real service reads every field but the target into a 255-character buffer,
// so a longer field comes back cut to 254 characters; the substitute does the same.
constexpr std::size_t kFieldCharacters = 254;
constexpr std::size_t kTargetCharacters = 259;  // the target gets the shell's whole path length

void cutField(std::string& field, std::size_t limit = kFieldCharacters) {
    if (field.size() > limit) field.resize(limit);
}

}  // namespace

Status CodecShortcuts::read(const std::string& path, ShellLink& link) {
    std::string bytes;
    Status status = files_.readFile(path, bytes);
    if (status != kSuccess) return status;
    ShellLink decoded;
    LinkDecodeError error;
    if (!decodeShellLink(bytes, decoded, error)) return kInvalidData;
    cutField(decoded.target, kTargetCharacters);
    for (std::string* field : {&decoded.workingFolder, &decoded.arguments, &decoded.description,
                               &decoded.iconPath})
        cutField(*field);
    link = std::move(decoded);
    return kSuccess;
}

Status CodecShortcuts::write(const std::string& path, const ShellLink& link) {
    return files_.writeFile(path, encodeShellLink(link));
}

}  // namespace platform
