#include "platform/codec_shortcuts.h"

#include <string>

#include "platform/shell_link_codec.h"

namespace platform {
namespace {

// The real service reads every field into a 255-character buffer, so a
// longer field comes back cut to 254 characters; the substitute does the same.
constexpr std::size_t kFieldCharacters = 254;

void cutField(std::string& field) {
    if (field.size() > kFieldCharacters) field.resize(kFieldCharacters);
}

}  // namespace

Status CodecShortcuts::read(const std::string& path, ShellLink& link) {
    std::string bytes;
    Status status = files_.readFile(path, bytes);
    if (status != kSuccess) return status;
    ShellLink decoded;
    LinkDecodeError error;
    if (!decodeShellLink(bytes, decoded, error)) return kInvalidData;
    for (std::string* field : {&decoded.target, &decoded.workingFolder, &decoded.arguments, &decoded.description,
                               &decoded.iconPath})
        cutField(*field);
    link = std::move(decoded);
    return kSuccess;
}

Status CodecShortcuts::write(const std::string& path, const ShellLink& link) {
    return files_.writeFile(path, encodeShellLink(link));
}

}  // namespace platform
