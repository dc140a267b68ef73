#include "scanner/scan_context.h"

#include <array>
#include <cctype>

#include "platform/registry_key.h"
#include "scanner/program_path.h"

namespace scanner {
namespace {

bool sameText(std::string_view a, std::string_view b) {
    if (a.size() != b.size()) return false;
    for (std::size_t i = 0; i < a.size(); ++i)
        if (std::tolower(static_cast<unsigned char>(a[i])) != std::tolower(static_cast<unsigned char>(b[i])))
            return false;
    return true;
}

// System32 folders the file-system redirector leaves alone ("File System Redirector").
constexpr std::array<std::string_view, 6> kNotRedirected{"catroot",     "catroot2", "drivers\\etc",
                                                         "driverstore", "logfiles", "spool"};

bool exempt(std::string_view rest) {
    for (std::string_view folder : kNotRedirected)
        if (rest.size() >= folder.size() && sameText(rest.substr(0, folder.size()), folder) &&
            (rest.size() == folder.size() || rest[folder.size()] == '\\'))
            return true;
    return false;
}

struct Renamed {
    Bits bits;
    bool processIs64Bit;
    std::string_view from, to;
};
// The names a process of the other bitness gives the folders a registration's references mean.
constexpr std::array<Renamed, 4> kRenamed{{
    {Bits::B32, true, "%ProgramFiles%", "%ProgramFiles(x86)%"},
    {Bits::B32, true, "%CommonProgramFiles%", "%CommonProgramFiles(x86)%"},
    {Bits::B64, false, "%ProgramFiles%", "%ProgramW6432%"},
    {Bits::B64, false, "%CommonProgramFiles%", "%CommonProgramW6432%"},
}};

template <typename List>
std::vector<std::string> names(ScanContext& context, platform::Key root, platform::View view, const std::string& path,
                               platform::Status* status, List list) {
    std::vector<std::string> found;
    platform::RegKey key;
    platform::Status result = platform::RegKey::open(context.registry, root, path, view,
                                                     platform::kKeyQueryValue | platform::kKeyEnumerateSubKeys, key);
    if (result == platform::kSuccess) result = list(key, found, [&] { return context.nextStep(found.back()); });
    if (status) *status = result;
    return found;
}

}  // namespace

std::string FileSight::asSeen(const std::string& path, Bits bits) const {
    if (bits == Bits::Native || (bits == Bits::B32) != processIs64Bit || windowsFolder.empty()) return path;
    const std::string system = windowsFolder + "\\System32\\";
    if (path.size() <= system.size() || !sameText(std::string_view(path).substr(0, system.size()), system)) return path;
    const std::string rest = path.substr(system.size());
    if (exempt(rest)) return path;
    return windowsFolder + (bits == Bits::B32 ? "\\SysWOW64\\" : "\\Sysnative\\") + rest;
}

std::string FileSight::forExpansion(const std::string& text, Bits bits) const {
    std::string out = text;
    for (const Renamed& renamed : kRenamed) {
        if (renamed.bits != bits || renamed.processIs64Bit != processIs64Bit) continue;
        for (std::size_t at = 0; at + renamed.from.size() <= out.size(); ++at)
            if (sameText(std::string_view(out).substr(at, renamed.from.size()), renamed.from))
                out.replace(at, renamed.from.size(), renamed.to);
    }
    return out;
}

bool present(ScanContext& context, const std::string& path, Bits bits) {
    return targetPresent(context.files, context.sight.asSeen(path, bits));
}

ValueText readValueText(ScanContext& context, platform::Key root, platform::View view, const std::string& path,
                        const std::string& name, Bits bits) {
    platform::RegValue raw;
    ValueText value;
    if (platform::readValue(context.registry, root, path, view, name, raw) != platform::kSuccess) return value;
    if (const auto text = platform::textOf(raw)) {
        value.kind = ValueText::Kind::Text;
        value.text = raw.type == platform::kRegExpandSz
                         ? context.processes.expandEnvironment(context.sight.forExpansion(*text, bits))
                         : *text;
    } else if (raw.type == platform::kRegDword && raw.data.size() >= 4) {
        std::uint32_t number = 0;
        for (int i = 0; i < 4; ++i) number |= std::uint32_t(static_cast<unsigned char>(raw.data[i])) << (8 * i);
        value.kind = ValueText::Kind::Text;
        value.text = std::to_string(number);
    } else {
        value.kind = ValueText::Kind::OtherType;
    }
    return value;
}

std::string readText(ScanContext& context, platform::Key root, platform::View view, const std::string& path,
                     const std::string& name, Bits bits) {
    ValueText value = readValueText(context, root, view, path, name, bits);
    return value.isText() ? std::move(value.text) : std::string();
}

std::vector<std::string> subkeyNames(ScanContext& context, platform::Key root, platform::View view,
                                     const std::string& path, platform::Status* status) {
    return names(context, root, view, path, status, [](const platform::RegKey& key, auto& found, const auto& each) {
        return key.subkeyNames(found, each);
    });
}

std::vector<std::string> valueNames(ScanContext& context, platform::Key root, platform::View view,
                                    const std::string& path, platform::Status* status) {
    return names(context, root, view, path, status, [](const platform::RegKey& key, auto& found, const auto& each) {
        return key.valueNames(found, each);
    });
}

std::string progressLine(std::size_t index, std::size_t count) {
    return "Checking    " + std::to_string(index) + " / " + std::to_string(count);
}

}  // namespace scanner
