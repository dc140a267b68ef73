#include "platform/shell_link_codec.h"

#include <array>
#include <cstdint>
#include <cstring>
#include <optional>
#include <vector>

namespace platform {
namespace {

constexpr std::uint32_t kHeaderSize = 0x4C;
// {00021401-0000-0000-C000-000000000046} as it lies in the file.
constexpr std::array<unsigned char, 16> kLinkClsid = {0x01, 0x14, 0x02, 0x00, 0x00, 0x00, 0x00, 0x00,
                                                      0xC0, 0x00, 0x00, 0x00, 0x00, 0x00, 0x00, 0x46};
// {20D04FE0-3AEA-1069-A2D8-08002B30309D}, the My Computer folder.
constexpr std::array<unsigned char, 16> kMyComputerClsid = {0xE0, 0x4F, 0xD0, 0x20, 0xEA, 0x3A, 0x69, 0x10,
                                                            0xA2, 0xD8, 0x08, 0x00, 0x2B, 0x30, 0x30, 0x9D};

constexpr std::uint32_t kHasLinkTargetIdList = 0x00000001;
constexpr std::uint32_t kHasLinkInfo = 0x00000002;
constexpr std::uint32_t kHasName = 0x00000004;
constexpr std::uint32_t kHasRelativePath = 0x00000008;
constexpr std::uint32_t kHasWorkingDir = 0x00000010;
constexpr std::uint32_t kHasArguments = 0x00000020;
constexpr std::uint32_t kHasIconLocation = 0x00000040;
constexpr std::uint32_t kIsUnicode = 0x00000080;
constexpr std::uint32_t kForceNoLinkInfo = 0x00000100;
constexpr std::uint32_t kHasExpString = 0x00000200;

constexpr std::uint32_t kVolumeIdAndLocalBasePath = 0x1;
constexpr std::uint32_t kCommonNetworkRelativeLinkAndPathSuffix = 0x2;
constexpr std::uint32_t kLinkInfoHeaderMinimum = 0x1C;
constexpr std::uint32_t kLinkInfoHeaderWithUnicode = 0x24;
constexpr std::uint32_t kNetworkLinkMinimum = 0x14;

constexpr std::uint32_t kEnvironmentBlockSignature = 0xA0000001;
constexpr std::uint32_t kEnvironmentBlockSize = 0x314;
constexpr std::size_t kEnvironmentAnsiBytes = 260;

constexpr std::uint32_t kFileExtensionSignature = 0xBEEF0004;
constexpr std::uint32_t kDriveFixed = 3;
constexpr std::uint32_t kNetLanman = 0x00020000;
constexpr std::uint32_t kValidNetType = 0x2;

constexpr std::uint16_t kAttrFolderItem = 0x10;
constexpr std::uint16_t kAttrFileItem = 0x20;

// ---------------------------------------------------------------- decoding

std::uint16_t get16(std::string_view b, std::size_t at) {
    return static_cast<std::uint16_t>(static_cast<unsigned char>(b[at]) |
                                      (static_cast<unsigned char>(b[at + 1]) << 8));
}

std::uint32_t get32(std::string_view b, std::size_t at) {
    return static_cast<std::uint32_t>(get16(b, at)) | (static_cast<std::uint32_t>(get16(b, at + 2)) << 16);
}

// UTF-16 to the ANSI code page the way the program sees it: Latin-1 passes
// through, everything else becomes '?'.
char narrow(std::uint16_t unit) { return unit <= 0xFF ? static_cast<char>(unit) : '?'; }

// Counted strings: writers disagree on whether the count covers a NUL, and
// any caller reading through the shell stops at the first one anyway.
std::string cutAtNul(std::string text) {
    auto nul = text.find('\0');
    if (nul != std::string::npos) text.resize(nul);
    return text;
}

// Bounds-checked reads inside [0, bytes.size()); every failure records the
// first offset that did not make sense.
class Decoder {
public:
    Decoder(std::string_view bytes, LinkDecodeError& error) : bytes_(bytes), error_(error) {}

    std::string_view bytes() const { return bytes_; }

    bool fits(std::size_t at, std::size_t count) const {
        return at <= bytes_.size() && count <= bytes_.size() - at;
    }
    // `reportAt` is where the count that asked for the bytes lives.
    bool need(std::size_t at, std::size_t count, const std::string& what, std::size_t reportAt) {
        if (fits(at, count)) return true;
        return fail(reportAt, what + " runs past the end of the file (" + std::to_string(bytes_.size()) + " bytes)");
    }
    bool need(std::size_t at, std::size_t count, const std::string& what) { return need(at, count, what, at); }
    bool fail(std::size_t at, const std::string& message) {
        error_.offset = at;
        error_.message = message;
        return false;
    }
    std::uint16_t u16(std::size_t at) const { return get16(bytes_, at); }
    std::uint32_t u32(std::size_t at) const { return get32(bytes_, at); }

    // A NUL-terminated ANSI string starting at `at` that must end before `end`.
    bool ansiZ(std::size_t at, std::size_t end, std::string& out, const char* what) {
        for (std::size_t i = at; i < end; ++i) {
            if (bytes_[i] == '\0') {
                out.assign(bytes_.substr(at, i - at));
                return true;
            }
        }
        return fail(at, std::string(what) + " has no terminating NUL");
    }
    bool unicodeZ(std::size_t at, std::size_t end, std::string& out, const char* what) {
        std::string text;
        for (std::size_t i = at; i + 1 < end; i += 2) {
            std::uint16_t unit = u16(i);
            if (unit == 0) {
                out = std::move(text);
                return true;
            }
            text += narrow(unit);
        }
        return fail(at, std::string(what) + " has no terminating NUL");
    }

private:
    std::string_view bytes_;
    LinkDecodeError& error_;
};

std::string joinPath(const std::string& base, const std::string& suffix) {
    if (suffix.empty()) return base;
    if (!base.empty() && base.back() == '\\') return base + suffix;
    return base + "\\" + suffix;
}

// One shell item of the target ID list, as a path component when it is one.
// Items this program does not know about make the ID list unusable as a path,
// which is not an error: the link may still carry its target elsewhere.
struct ItemView {
    std::size_t offset;
    std::string_view data;  // the whole item, size field included
};

std::optional<std::string> zeroTerminated(std::string_view data, std::size_t at) {
    if (at >= data.size()) return std::nullopt;
    auto nul = data.find('\0', at);
    if (nul == std::string_view::npos) return std::nullopt;
    return std::string(data.substr(at, nul - at));
}

std::optional<std::string> zeroTerminatedUnicode(std::string_view data, std::size_t at) {
    std::string text;
    for (std::size_t i = at; i + 1 < data.size(); i += 2) {
        std::uint16_t unit = get16(data, i);
        if (unit == 0) return text;
        text += narrow(unit);
    }
    return std::nullopt;
}

// The long name from a file entry's 0xBEEF0004 extension; where the name
// sits depends on the extension's version.
std::optional<std::string> longNameOf(std::string_view item, std::size_t extensionAt) {
    if (extensionAt + 8 > item.size()) return std::nullopt;
    std::size_t size = get16(item, extensionAt);
    std::uint16_t version = get16(item, extensionAt + 2);
    std::uint32_t signature = get32(item, extensionAt + 4);
    if (size < 8 || size > item.size() - extensionAt) return std::nullopt;
    std::size_t nameAt = 0;
    // Wine writes the version 3 layout with version and signature left zero.
    if (signature == 0 && version == 0) nameAt = 0x14;
    else if (signature != kFileExtensionSignature) return std::nullopt;
    else if (version >= 9) nameAt = 0x2E;
    else if (version >= 8) nameAt = 0x2A;
    else if (version >= 7) nameAt = 0x26;
    else if (version >= 3) nameAt = 0x14;
    else return std::nullopt;
    auto extension = item.substr(extensionAt, size);
    return zeroTerminatedUnicode(extension, nameAt);
}

std::optional<std::string> fileEntryName(std::string_view item) {
    constexpr std::size_t kNameAt = 14;
    std::uint8_t type = static_cast<std::uint8_t>(item[2]);
    bool unicode = (type & 0x04) != 0;
    std::optional<std::string> shortName =
        unicode ? zeroTerminatedUnicode(item, kNameAt) : zeroTerminated(item, kNameAt);
    if (!shortName) return std::nullopt;

    // The item's last word points at its first extension block; failing
    // that, the extension follows the word-aligned short name.
    std::optional<std::string> longName;
    if (item.size() >= kNameAt + 2) {
        std::size_t pointed = get16(item, item.size() - 2);
        if (pointed >= kNameAt && pointed < item.size()) longName = longNameOf(item, pointed);
    }
    if (!longName) {
        std::size_t after = kNameAt + (unicode ? (shortName->size() + 1) * 2 : shortName->size() + 1);
        if (after % 2) ++after;
        longName = longNameOf(item, after);
    }
    if (longName && !longName->empty()) return longName;
    return shortName;
}

std::optional<std::string> pathFromItems(const std::vector<ItemView>& items) {
    if (items.size() < 2) return std::nullopt;
    const auto& root = items[0].data;
    if (root.size() < 20 || static_cast<std::uint8_t>(root[2]) != 0x1F ||
        std::memcmp(root.data() + 4, kMyComputerClsid.data(), kMyComputerClsid.size()) != 0)
        return std::nullopt;
    const auto& drive = items[1].data;
    if (drive.size() < 4 || (static_cast<std::uint8_t>(drive[2]) & 0x70) != 0x20) return std::nullopt;
    auto volume = zeroTerminated(drive, 3);
    if (!volume || volume->empty()) return std::nullopt;

    std::string path = *volume;
    for (std::size_t i = 2; i < items.size(); ++i) {
        const auto& item = items[i].data;
        if (item.size() < 16 || (static_cast<std::uint8_t>(item[2]) & 0x70) != 0x30) return std::nullopt;
        auto name = fileEntryName(item);
        if (!name || name->empty()) return std::nullopt;
        path = joinPath(path, *name);
    }
    return path;
}

bool decodeIdList(Decoder& d, std::size_t& pos, std::optional<std::string>& target) {
    if (!d.need(pos, 2, "the ID list size")) return false;
    std::size_t size = d.u16(pos);
    std::size_t begin = pos + 2;
    if (!d.need(begin, size, "an ID list of " + std::to_string(size) + " bytes", pos)) return false;
    std::size_t end = begin + size;

    std::vector<ItemView> items;
    std::size_t at = begin;
    for (;;) {
        if (at + 2 > end) return d.fail(at, "the ID list has no terminating item");
        std::size_t itemSize = d.u16(at);
        if (itemSize == 0) break;
        if (itemSize < 3) return d.fail(at, "an ID list item of " + std::to_string(itemSize) + " bytes");
        if (itemSize > end - at)
            return d.fail(at, "an ID list item of " + std::to_string(itemSize) + " bytes runs past the list");
        items.push_back({at, d.bytes().substr(at, itemSize)});
        at += itemSize;
    }
    target = pathFromItems(items);
    pos = end;
    return true;
}

// One string of the LinkInfo: ANSI at `offset`, or UTF-16 when `unicode`.
bool linkInfoString(Decoder& d, std::size_t base, std::size_t size, std::uint32_t offset, bool unicode,
                    std::string& out, const char* what) {
    if (offset == 0 || offset >= size)
        return d.fail(base, std::string("the link info's ") + what + " offset " + std::to_string(offset) +
                                " lies outside it");
    return unicode ? d.unicodeZ(base + offset, base + size, out, what) : d.ansiZ(base + offset, base + size, out, what);
}

bool decodeLinkInfo(Decoder& d, std::size_t& pos, std::optional<std::string>& target) {
    const std::size_t base = pos;
    if (!d.need(base, 4, "the link info size")) return false;
    std::size_t size = d.u32(base);
    if (size < kLinkInfoHeaderMinimum)
        return d.fail(base, "a link info of " + std::to_string(size) + " bytes is too small");
    if (!d.need(base, size, "a link info of " + std::to_string(size) + " bytes")) return false;
    std::uint32_t headerSize = d.u32(base + 4);
    if (headerSize < kLinkInfoHeaderMinimum || headerSize > size)
        return d.fail(base + 4, "a link info header of " + std::to_string(headerSize) + " bytes");
    // The header lies inside the link info, so the Unicode offsets can be read.
    bool hasUnicodeOffsets = headerSize >= kLinkInfoHeaderWithUnicode;
    std::uint32_t flags = d.u32(base + 8);
    std::uint32_t volumeIdOffset = d.u32(base + 12);
    std::uint32_t localBaseOffset = d.u32(base + 16);
    std::uint32_t networkOffset = d.u32(base + 20);
    std::uint32_t suffixOffset = d.u32(base + 24);
    std::uint32_t localBaseUnicodeOffset = hasUnicodeOffsets ? d.u32(base + 28) : 0;
    std::uint32_t suffixUnicodeOffset = hasUnicodeOffsets ? d.u32(base + 32) : 0;

    std::optional<std::string> local;
    if (flags & kVolumeIdAndLocalBasePath) {
        if (volumeIdOffset == 0 || volumeIdOffset > size - 4)
            return d.fail(base + 12, "the volume id lies outside the link info");
        std::size_t volumeSize = d.u32(base + volumeIdOffset);
        if (volumeSize < 0x10 || volumeSize > size - volumeIdOffset)
            return d.fail(base + volumeIdOffset, "a volume id of " + std::to_string(volumeSize) + " bytes");
        std::string text;
        if (localBaseUnicodeOffset != 0) {
            if (!linkInfoString(d, base, size, localBaseUnicodeOffset, true, text, "local base path")) return false;
        } else if (!linkInfoString(d, base, size, localBaseOffset, false, text, "local base path")) {
            return false;
        }
        local = text;
    }

    std::optional<std::string> network;
    if (flags & kCommonNetworkRelativeLinkAndPathSuffix) {
        if (networkOffset == 0 || networkOffset > size - kNetworkLinkMinimum)
            return d.fail(base + 20, "the network link lies outside the link info");
        const std::size_t net = base + networkOffset;
        std::size_t netSize = d.u32(net);
        if (netSize < kNetworkLinkMinimum || netSize > size - networkOffset)
            return d.fail(net, "a network link of " + std::to_string(netSize) + " bytes");
        std::uint32_t netNameOffset = d.u32(net + 8);
        std::uint32_t netNameUnicodeOffset = 0;
        if (netNameOffset > kNetworkLinkMinimum) {
            if (netSize < kNetworkLinkMinimum + 8)
                return d.fail(net, "the network link is too small for its Unicode offsets");
            netNameUnicodeOffset = d.u32(net + 20);
        }
        std::string text;
        if (netNameUnicodeOffset != 0) {
            if (!linkInfoString(d, net, netSize, netNameUnicodeOffset, true, text, "network name")) return false;
        } else if (!linkInfoString(d, net, netSize, netNameOffset, false, text, "network name")) {
            return false;
        }
        network = text;
    }

    std::string suffix;
    if (flags & (kVolumeIdAndLocalBasePath | kCommonNetworkRelativeLinkAndPathSuffix)) {
        if (suffixUnicodeOffset != 0) {
            if (!linkInfoString(d, base, size, suffixUnicodeOffset, true, suffix, "common path suffix")) return false;
        } else if (suffixOffset != 0) {
            if (!linkInfoString(d, base, size, suffixOffset, false, suffix, "common path suffix")) return false;
        }
    }

    // The network form wins, as the program asks the shell for it.
    if (network && !network->empty()) target = joinPath(*network, suffix);
    else if (local && !local->empty()) target = joinPath(*local, suffix);
    pos = base + size;
    return true;
}

bool decodeString(Decoder& d, std::size_t& pos, bool unicode, std::string& out, const char* what) {
    if (!d.need(pos, 2, std::string("the count of the ") + what)) return false;
    std::size_t count = d.u16(pos);
    std::size_t bytes = unicode ? count * 2 : count;
    if (!d.need(pos + 2, bytes, std::string("the ") + what + " of " + std::to_string(count) + " characters", pos))
        return false;
    std::string text;
    text.reserve(count);
    if (unicode) {
        for (std::size_t i = 0; i < count; ++i) text += narrow(d.u16(pos + 2 + i * 2));
    } else {
        text.assign(d.bytes().substr(pos + 2, count));
    }
    out = cutAtNul(std::move(text));
    pos += 2 + bytes;
    return true;
}

bool decodeExtraData(Decoder& d, std::size_t pos, std::optional<std::string>& environmentTarget) {
    for (;;) {
        if (!d.need(pos, 4, "the extra data (no terminal block)")) return false;
        std::size_t blockSize = d.u32(pos);
        if (blockSize < 4) return true;
        if (blockSize < 8) return d.fail(pos, "an extra data block of " + std::to_string(blockSize) + " bytes");
        if (!d.need(pos, blockSize, "an extra data block of " + std::to_string(blockSize) + " bytes")) return false;
        if (d.u32(pos + 4) == kEnvironmentBlockSignature && blockSize >= kEnvironmentBlockSize) {
            std::string_view block = d.bytes().substr(pos, kEnvironmentBlockSize);
            std::string ansi(block.substr(8, kEnvironmentAnsiBytes));
            ansi = cutAtNul(std::move(ansi));
            std::string unicode;
            for (std::size_t i = 8 + kEnvironmentAnsiBytes; i + 1 < block.size(); i += 2) {
                std::uint16_t unit = get16(block, i);
                if (unit == 0) break;
                unicode += narrow(unit);
            }
            environmentTarget = unicode.empty() ? ansi : unicode;
        }
        pos += blockSize;
    }
}

int normalisedShowCommand(std::uint32_t value) {
    if (value == kShowNormal || value == kShowMaximized || value == kShowMinNoActive) return static_cast<int>(value);
    return kShowNormal;
}

// ---------------------------------------------------------------- encoding

void put16(std::string& out, std::uint32_t value) {
    out += static_cast<char>(value & 0xFF);
    out += static_cast<char>((value >> 8) & 0xFF);
}

void put32(std::string& out, std::uint32_t value) {
    put16(out, value & 0xFFFF);
    put16(out, value >> 16);
}

void set16(std::string& out, std::size_t at, std::uint32_t value) {
    out[at] = static_cast<char>(value & 0xFF);
    out[at + 1] = static_cast<char>((value >> 8) & 0xFF);
}

void putUnicode(std::string& out, std::string_view text) {
    for (char c : text) put16(out, static_cast<unsigned char>(c));
}

std::vector<std::string> splitComponents(std::string_view path) {
    std::vector<std::string> parts;
    std::size_t start = 0;
    while (start <= path.size()) {
        std::size_t end = path.find('\\', start);
        if (end == std::string_view::npos) end = path.size();
        if (end > start) parts.emplace_back(path.substr(start, end - start));
        start = end + 1;
    }
    return parts;
}

bool isShortNameChar(unsigned char c) {
    if (c < 0x21 || c >= 0x7F) return false;
    return std::strchr("\"*+,./:;<=>?[\\]|", c) == nullptr;
}

// The shell keeps an 8.3 name beside the long one. The codec never looks at
// the disk, so it makes one up the way FAT would; readers go by the long name.
std::string shortNameFor(const std::string& name) {
    auto dot = name.rfind('.');
    std::string stem = dot == std::string::npos ? name : name.substr(0, dot);
    std::string ext = dot == std::string::npos ? std::string() : name.substr(dot + 1);
    bool fits = !stem.empty() && stem.size() <= 8 && ext.size() <= 3 && (dot == std::string::npos || !ext.empty());
    for (unsigned char c : stem) fits = fits && isShortNameChar(c);
    for (unsigned char c : ext) fits = fits && isShortNameChar(c);
    if (fits) return name;

    auto clean = [](const std::string& part, std::size_t limit) {
        std::string result;
        for (unsigned char c : part) {
            if (result.size() == limit) break;
            if (c == ' ' || c == '.') continue;
            result += isShortNameChar(c) ? static_cast<char>(c >= 'a' && c <= 'z' ? c - 32 : c) : '_';
        }
        return result;
    };
    std::string shortStem = clean(stem, 6);
    if (shortStem.empty()) shortStem = "_";
    std::string shortExt = clean(ext, 3);
    return shortStem + "~1" + (shortExt.empty() ? "" : "." + shortExt);
}

// A file entry item: short name in ANSI, long name in a version 3 extension,
// the oldest layout every shell since XP reads. Empty when it cannot fit.
std::string fileEntryItem(const std::string& name, bool folder) {
    std::string item;
    put16(item, 0);  // size, filled in below
    item += static_cast<char>(folder ? 0x31 : 0x32);
    item += '\0';
    put32(item, 0);  // file size
    put32(item, 0);  // modification date and time
    put16(item, folder ? kAttrFolderItem : kAttrFileItem);
    item += shortNameFor(name);
    item += '\0';
    if (item.size() % 2) item += '\0';

    const std::size_t extensionAt = item.size();
    put16(item, 0);  // extension size, filled in below
    put16(item, 3);
    put32(item, kFileExtensionSignature);
    put32(item, 0);     // creation date and time
    put32(item, 0);     // last access date and time
    put16(item, 0x14);  // where the long name starts
    put16(item, 0);     // no localised name
    putUnicode(item, name);
    put16(item, 0);
    put16(item, static_cast<std::uint32_t>(extensionAt));

    if (item.size() > 0xFFFF) return {};
    set16(item, extensionAt, static_cast<std::uint32_t>(item.size() - extensionAt));
    set16(item, 0, static_cast<std::uint32_t>(item.size()));
    return item;
}

// My Computer, the drive, then one item per component. Empty when the path
// is too long for an ID list; the link info still carries the target then.
std::string idListFor(const std::string& target) {
    std::string list;
    put16(list, 0x14);
    list += static_cast<char>(0x1F);
    list += static_cast<char>(0x50);  // the sort position of My Computer
    list.append(reinterpret_cast<const char*>(kMyComputerClsid.data()), kMyComputerClsid.size());

    std::string drive;
    put16(drive, 0x19);
    drive += static_cast<char>(0x2F);
    char letter = target[0];
    if (letter >= 'a' && letter <= 'z') letter = static_cast<char>(letter - 32);
    drive += letter;
    drive += ":\\";
    drive.resize(0x19, '\0');
    list += drive;

    auto parts = splitComponents(std::string_view(target).substr(2));
    bool endsAsFolder = target.size() > 3 && target.back() == '\\';
    for (std::size_t i = 0; i < parts.size(); ++i) {
        std::string item = fileEntryItem(parts[i], i + 1 < parts.size() || endsAsFolder);
        if (item.empty()) return {};
        list += item;
    }
    put16(list, 0);
    if (list.size() > 0xFFFF) return {};
    std::string withSize;
    put16(withSize, static_cast<std::uint32_t>(list.size()));
    return withSize + list;
}

std::string localLinkInfo(const std::string& target) {
    constexpr std::uint32_t kVolumeIdSize = 0x11;  // fixed part plus an empty label
    std::string info;
    const std::uint32_t localBaseOffset = kLinkInfoHeaderMinimum + kVolumeIdSize;
    const std::uint32_t suffixOffset = localBaseOffset + static_cast<std::uint32_t>(target.size()) + 1;
    const std::uint32_t size = suffixOffset + 1;
    put32(info, size);
    put32(info, kLinkInfoHeaderMinimum);
    put32(info, kVolumeIdAndLocalBasePath);
    put32(info, kLinkInfoHeaderMinimum);
    put32(info, localBaseOffset);
    put32(info, 0);
    put32(info, suffixOffset);
    put32(info, kVolumeIdSize);
    put32(info, kDriveFixed);
    put32(info, 0);  // serial number
    put32(info, 0x10);
    info += '\0';
    info += target;
    info += '\0';
    info += '\0';  // empty common path suffix
    return info;
}

// "\\server\share" and the rest, split so that a reader joins them back to
// exactly `target`; a path that will not split that way stays whole.
std::pair<std::string, std::string> splitNetworkPath(const std::string& target) {
    auto serverEnd = target.find('\\', 2);
    if (serverEnd != std::string::npos) {
        auto shareEnd = target.find('\\', serverEnd + 1);
        if (shareEnd != std::string::npos && shareEnd + 1 < target.size()) {
            std::string name = target.substr(0, shareEnd);
            std::string suffix = target.substr(shareEnd + 1);
            if (joinPath(name, suffix) == target) return {name, suffix};
        }
    }
    return {target, std::string()};
}

std::string networkLinkInfo(const std::string& target) {
    auto [netName, suffix] = splitNetworkPath(target);
    const std::uint32_t networkSize = kNetworkLinkMinimum + static_cast<std::uint32_t>(netName.size()) + 1;
    const std::uint32_t suffixOffset = kLinkInfoHeaderMinimum + networkSize;
    const std::uint32_t size = suffixOffset + static_cast<std::uint32_t>(suffix.size()) + 1;
    std::string info;
    put32(info, size);
    put32(info, kLinkInfoHeaderMinimum);
    put32(info, kCommonNetworkRelativeLinkAndPathSuffix);
    put32(info, 0);
    put32(info, 0);
    put32(info, kLinkInfoHeaderMinimum);
    put32(info, suffixOffset);
    put32(info, networkSize);
    put32(info, kValidNetType);
    put32(info, kNetworkLinkMinimum);
    put32(info, 0);  // no device name
    put32(info, kNetLanman);
    info += netName;
    info += '\0';
    info += suffix;
    info += '\0';
    return info;
}

std::string environmentBlock(const std::string& target) {
    std::string block;
    put32(block, kEnvironmentBlockSize);
    put32(block, kEnvironmentBlockSignature);
    std::string ansi = target.substr(0, kEnvironmentAnsiBytes - 1);
    ansi.resize(kEnvironmentAnsiBytes, '\0');
    block += ansi;
    std::string unicode;
    putUnicode(unicode, target.substr(0, kEnvironmentAnsiBytes - 1));
    unicode.resize(kEnvironmentAnsiBytes * 2, '\0');
    block += unicode;
    return block;
}

bool isDrivePath(const std::string& path) {
    return path.size() >= 2 && path[1] == ':' &&
           ((path[0] >= 'A' && path[0] <= 'Z') || (path[0] >= 'a' && path[0] <= 'z'));
}

bool isNetworkPath(const std::string& path) { return path.size() >= 2 && path[0] == '\\' && path[1] == '\\'; }

void putCountedString(std::string& out, const std::string& text) {
    std::string_view kept = std::string_view(text).substr(0, 0xFFFF);
    put16(out, static_cast<std::uint32_t>(kept.size()));
    putUnicode(out, kept);
}

}  // namespace

std::string LinkDecodeError::describe() const { return "offset " + std::to_string(offset) + ": " + message; }

bool decodeShellLink(std::string_view bytes, ShellLink& link, LinkDecodeError& error) {
    Decoder d(bytes, error);
    if (!d.need(0, kHeaderSize, "the shell link header")) return false;
    if (d.u32(0) != kHeaderSize)
        return d.fail(0, "the header size is " + std::to_string(d.u32(0)) + ", not 76: not a shell link");
    if (std::memcmp(bytes.data() + 4, kLinkClsid.data(), kLinkClsid.size()) != 0)
        return d.fail(4, "the class id is not the shell link's");
    const std::uint32_t flags = d.u32(20);
    const bool unicode = (flags & kIsUnicode) != 0;

    ShellLink decoded;
    decoded.iconIndex = static_cast<std::int32_t>(d.u32(56));
    decoded.showCommand = normalisedShowCommand(d.u32(60));
    decoded.hotkey = d.u16(64);

    std::size_t pos = kHeaderSize;
    std::optional<std::string> idListTarget;
    if ((flags & kHasLinkTargetIdList) && !decodeIdList(d, pos, idListTarget)) return false;
    std::optional<std::string> linkInfoTarget;
    if ((flags & kHasLinkInfo) && !decodeLinkInfo(d, pos, linkInfoTarget)) return false;

    std::string relativePath;
    if ((flags & kHasName) && !decodeString(d, pos, unicode, decoded.description, "description")) return false;
    if ((flags & kHasRelativePath) && !decodeString(d, pos, unicode, relativePath, "relative path")) return false;
    if ((flags & kHasWorkingDir) && !decodeString(d, pos, unicode, decoded.workingFolder, "working folder"))
        return false;
    if ((flags & kHasArguments) && !decodeString(d, pos, unicode, decoded.arguments, "arguments")) return false;
    if ((flags & kHasIconLocation) && !decodeString(d, pos, unicode, decoded.iconPath, "icon location"))
        return false;

    std::optional<std::string> environmentTarget;
    if (!decodeExtraData(d, pos, environmentTarget)) return false;

    if (linkInfoTarget && !(flags & kForceNoLinkInfo)) decoded.target = *linkInfoTarget;
    else if (idListTarget) decoded.target = *idListTarget;
    else if (environmentTarget) decoded.target = *environmentTarget;

    link = std::move(decoded);
    return true;
}

std::string encodeShellLink(const ShellLink& link) {
    const std::string& target = link.target;
    std::string idList;
    std::string linkInfo;
    std::string extra;
    std::uint32_t flags = kIsUnicode;
    std::uint32_t attributes = 0;
    if (isDrivePath(target)) {
        idList = idListFor(target);
        attributes = target.back() == '\\' ? kAttrFolderItem : kAttrFileItem;
    }
    if (isNetworkPath(target)) {
        linkInfo = networkLinkInfo(target);
    } else if (!target.empty()) {
        linkInfo = localLinkInfo(target);
        // The shell expands this one itself; the plain path is its fallback.
        if (!isDrivePath(target) && target.find('%') != std::string::npos &&
            target.size() < kEnvironmentAnsiBytes) {
            extra = environmentBlock(target);
            flags |= kHasExpString;
        }
    }
    if (!idList.empty()) flags |= kHasLinkTargetIdList;
    if (!linkInfo.empty()) flags |= kHasLinkInfo;
    if (!link.description.empty()) flags |= kHasName;
    if (!link.workingFolder.empty()) flags |= kHasWorkingDir;
    if (!link.arguments.empty()) flags |= kHasArguments;
    if (!link.iconPath.empty()) flags |= kHasIconLocation;

    std::string out;
    put32(out, kHeaderSize);
    out.append(reinterpret_cast<const char*>(kLinkClsid.data()), kLinkClsid.size());
    put32(out, flags);
    put32(out, attributes);
    out.append(24, '\0');  // creation, access and write times
    put32(out, 0);         // target size
    put32(out, static_cast<std::uint32_t>(link.iconIndex));
    put32(out, static_cast<std::uint32_t>(link.showCommand));
    out += static_cast<char>(link.hotkey & 0xFF);
    out += static_cast<char>(link.hotkey >> 8);
    out.append(10, '\0');  // reserved fields

    out += idList;
    out += linkInfo;
    if (flags & kHasName) putCountedString(out, link.description);
    if (flags & kHasWorkingDir) putCountedString(out, link.workingFolder);
    if (flags & kHasArguments) putCountedString(out, link.arguments);
    if (flags & kHasIconLocation) putCountedString(out, link.iconPath);
    out += extra;
    put32(out, 0);
    return out;
}

}  // namespace platform
