#include "platform/host_files.h"

#include <algorithm>
#include <cerrno>
#include <cstdio>
#include <cstring>

#include <dirent.h>
#include <fcntl.h>
#include <sys/stat.h>
#include <sys/types.h>
#include <sys/xattr.h>
#include <unistd.h>

namespace platform {
namespace {

namespace fs = std::filesystem;

// Where Wine keeps hidden and system, written as "0x%x" (no terminating zero).
constexpr const char* kDosAttribXattr = "user.DOSATTRIB";
constexpr std::uint32_t kXattrMask = kAttrHidden | kAttrSystem;
// CopyFileA onto its own source fails this way on Windows.
constexpr Status kSharingViolation = 32;

// ---- ANSI (code page 1252) <-> UTF-8, the way Wine names host files ----

constexpr char32_t kCp1252High[32] = {
    0x20AC, 0x0081, 0x201A, 0x0192, 0x201E, 0x2026, 0x2020, 0x2021, 0x02C6, 0x2030, 0x0160,
    0x2039, 0x0152, 0x008D, 0x017D, 0x008F, 0x0090, 0x2018, 0x2019, 0x201C, 0x201D, 0x2022,
    0x2013, 0x2014, 0x02DC, 0x2122, 0x0161, 0x203A, 0x0153, 0x009D, 0x017E, 0x0178};

char32_t ansiToCodePoint(unsigned char c) {
    if (c >= 0x80 && c < 0xA0) return kCp1252High[c - 0x80];
    return c;
}

// '\0' when the code point has no place in the code page.
char codePointToAnsi(char32_t cp) {
    if (cp < 0x80 || (cp >= 0xA0 && cp <= 0xFF)) return static_cast<char>(cp);
    for (int i = 0; i < 32; ++i)
        if (kCp1252High[i] == cp) return static_cast<char>(0x80 + i);
    return '\0';
}

void appendUtf8(std::string& out, char32_t cp) {
    if (cp < 0x80) {
        out += static_cast<char>(cp);
    } else if (cp < 0x800) {
        out += static_cast<char>(0xC0 | (cp >> 6));
        out += static_cast<char>(0x80 | (cp & 0x3F));
    } else {
        out += static_cast<char>(0xE0 | (cp >> 12));
        out += static_cast<char>(0x80 | ((cp >> 6) & 0x3F));
        out += static_cast<char>(0x80 | (cp & 0x3F));
    }
}

std::string ansiToHost(const std::string& ansi) {
    std::string out;
    out.reserve(ansi.size());
    for (unsigned char c : ansi) appendUtf8(out, ansiToCodePoint(c));
    return out;
}

// Empty when the host name is not valid UTF-8 or needs characters outside
// the code page: such entries have no ANSI name and cannot be addressed.
std::string hostToAnsi(const std::string& host) {
    std::string out;
    out.reserve(host.size());
    for (std::size_t i = 0; i < host.size();) {
        auto c = static_cast<unsigned char>(host[i]);
        char32_t cp = 0;
        std::size_t extra = 0;
        if (c < 0x80) {
            cp = c;
        } else if ((c & 0xE0) == 0xC0) {
            cp = c & 0x1F;
            extra = 1;
        } else if ((c & 0xF0) == 0xE0) {
            cp = c & 0x0F;
            extra = 2;
        } else {
            return {};
        }
        for (std::size_t k = 1; k <= extra; ++k) {
            if (i + k >= host.size()) return {};
            auto next = static_cast<unsigned char>(host[i + k]);
            if ((next & 0xC0) != 0x80) return {};
            cp = (cp << 6) | (next & 0x3F);
        }
        i += extra + 1;
        char ansi = codePointToAnsi(cp);
        if (ansi == '\0') return {};
        out += ansi;
    }
    return out;
}

// The upper-case form Windows compares and sorts names by.
char32_t upperCodePoint(char32_t cp) {
    if (cp >= 'a' && cp <= 'z') return cp - 32;
    if (cp >= 0xE0 && cp <= 0xFE && cp != 0xF7) return cp - 32;
    switch (cp) {
    case 0x0161: return 0x0160;
    case 0x0153: return 0x0152;
    case 0x017E: return 0x017D;
    case 0x00FF: return 0x0178;
    default: return cp;
    }
}

std::u32string upperKey(const std::string& ansi) {
    std::u32string key;
    key.reserve(ansi.size());
    for (unsigned char c : ansi) key += upperCodePoint(ansiToCodePoint(c));
    return key;
}

// ---- wildcard matching with the rules of a directory search ----

constexpr char kDosStar = '<';
constexpr char kDosQm = '>';
constexpr char kDosDot = '"';

// The search turns '?' and the '*' and '.' next to a dot into their DOS
// forms, which is how "*.*" also matches names without a dot and "*." only those.
std::string dosPattern(const std::string& pattern) {
    std::string out = pattern;
    for (std::size_t i = 0; i < out.size(); ++i) {
        char next = i + 1 < pattern.size() ? pattern[i + 1] : '\0';
        if (pattern[i] == '?') {
            out[i] = kDosQm;
        } else if (pattern[i] == '*' && next == '.') {
            out[i] = kDosStar;
        } else if (pattern[i] == '.' && (next == '?' || next == '*' || next == '\0')) {
            out[i] = kDosDot;
        }
    }
    return out;
}

bool matchesFrom(const std::u32string& p, std::size_t pi, const std::u32string& n, std::size_t ni,
                 std::size_t lastDot, std::vector<signed char>& memo) {
    const std::size_t width = n.size() + 1;
    signed char& slot = memo[pi * width + ni];
    if (slot >= 0) return slot != 0;
    bool result = false;
    if (pi == p.size()) {
        result = ni == n.size();
    } else {
        char32_t c = p[pi];
        bool atEnd = ni == n.size();
        if (c == U'*') {
            result = matchesFrom(p, pi + 1, n, ni, lastDot, memo) ||
                     (!atEnd && matchesFrom(p, pi, n, ni + 1, lastDot, memo));
        } else if (c == U'?') {
            result = !atEnd && matchesFrom(p, pi + 1, n, ni + 1, lastDot, memo);
        } else if (c == static_cast<char32_t>(kDosStar)) {
            // Consumes anything up to, not including, the name's final dot.
            bool mayConsume = !atEnd && (lastDot == std::u32string::npos || ni < lastDot);
            result = matchesFrom(p, pi + 1, n, ni, lastDot, memo) ||
                     (mayConsume && matchesFrom(p, pi, n, ni + 1, lastDot, memo));
        } else if (c == static_cast<char32_t>(kDosQm)) {
            if (!atEnd && n[ni] != U'.') {
                result = matchesFrom(p, pi + 1, n, ni + 1, lastDot, memo);
            } else {
                std::size_t skip = pi;
                while (skip < p.size() && p[skip] == static_cast<char32_t>(kDosQm)) ++skip;
                result = matchesFrom(p, skip, n, ni, lastDot, memo);
            }
        } else if (c == static_cast<char32_t>(kDosDot)) {
            if (!atEnd && n[ni] == U'.')
                result = matchesFrom(p, pi + 1, n, ni + 1, lastDot, memo);
            else if (atEnd)
                result = matchesFrom(p, pi + 1, n, ni, lastDot, memo);
        } else {
            result = !atEnd && n[ni] == c && matchesFrom(p, pi + 1, n, ni + 1, lastDot, memo);
        }
    }
    slot = result ? 1 : 0;
    return result;
}

bool wildcardMatch(const std::string& dosForm, const std::string& name) {
    // The DOS marks are ASCII, so upper-casing leaves them alone.
    std::u32string p = upperKey(dosForm);
    std::u32string n = upperKey(name);
    std::size_t lastDot = n.rfind(U'.');
    std::vector<signed char> memo((p.size() + 1) * (n.size() + 1), -1);
    return matchesFrom(p, 0, n, 0, lastDot, memo);
}

bool hasWildcard(const std::string& s) { return s.find_first_of("*?") != std::string::npos; }

bool validNameChar(unsigned char c) {
    return c >= 0x20 && c != '<' && c != '>' && c != ':' && c != '"' && c != '|';
}

// ---- the host side ----

bool statPath(const fs::path& p, struct stat& st) { return ::stat(p.c_str(), &st) == 0; }

bool isDirectory(const fs::path& p) {
    struct stat st;
    return statPath(p, st) && S_ISDIR(st.st_mode);
}

std::vector<std::string> hostEntries(const fs::path& folder) {
    std::vector<std::string> names;
    DIR* dir = ::opendir(folder.c_str());
    if (!dir) return names;
    while (dirent* entry = ::readdir(dir)) {
        std::string name = entry->d_name;
        if (name != "." && name != "..") names.push_back(std::move(name));
    }
    ::closedir(dir);
    return names;
}

// The host entry of `folder` that a Windows name denotes: the exact spelling
// first, then any spelling that differs only in case.
std::optional<std::string> matchEntry(const fs::path& folder, const std::string& ansiName) {
    std::string exact = ansiToHost(ansiName);
    struct stat st;
    if (::lstat((folder / exact).c_str(), &st) == 0) return exact;
    std::u32string wanted = upperKey(ansiName);
    for (const auto& host : hostEntries(folder)) {
        std::string ansi = hostToAnsi(host);
        if (!ansi.empty() && upperKey(ansi) == wanted) return host;
    }
    return std::nullopt;
}

std::uint32_t readXattrBits(const fs::path& p) {
    char value[32];
    ssize_t len = ::getxattr(p.c_str(), kDosAttribXattr, value, sizeof value - 1);
    if (len <= 2) return 0;
    value[len] = '\0';
    // Wine takes only a full "0x<hex>" text, and of it only hidden and system.
    if (value[0] != '0' || value[1] != 'x') return 0;
    char* end = nullptr;
    unsigned long bits = std::strtoul(value + 2, &end, 16);
    if (end == value + 2 || *end != '\0') return 0;
    return static_cast<std::uint32_t>(bits) & kXattrMask;
}

void writeXattrBits(const fs::path& p, std::uint32_t bits) {
    bits &= kXattrMask;
    if (bits == 0) {
        ::removexattr(p.c_str(), kDosAttribXattr);
        return;
    }
    char value[16];
    int len = std::snprintf(value, sizeof value, "0x%x", static_cast<unsigned>(bits));
    ::setxattr(p.c_str(), kDosAttribXattr, value, static_cast<std::size_t>(len), 0);
}

std::uint32_t attributesOf(const fs::path& p, const struct stat& st, const std::string& ansiName) {
    std::uint32_t attributes = S_ISDIR(st.st_mode) ? kAttrDirectory : kAttrArchive;
    if (!(st.st_mode & (S_IWUSR | S_IWGRP | S_IWOTH))) attributes |= kAttrReadOnly;
    attributes |= readXattrBits(p);
    if (!ansiName.empty() && ansiName[0] == '.' && ansiName != "." && ansiName != "..") attributes |= kAttrHidden;
    return attributes;
}

Status statusFromErrno(int error) {
    switch (error) {
    case ENOENT: return kFileNotFound;
    case ENOTDIR: return kPathNotFound;
    case EEXIST: return kAlreadyExists;
    case ENAMETOOLONG: return kInvalidName;
    default: return kAccessDenied;
    }
}

// A Windows path taken apart and laid onto the host tree.
struct Resolved {
    Status status = kSuccess;     // set when the path itself is unusable
    fs::path host;                // the whole path on the host
    fs::path parent;              // the folder holding the last component
    bool parentExists = false;    // that folder exists
    bool isRoot = false;          // the path names the drive itself
    bool parentIsRoot = false;    // the last component sits in the drive's top folder
    bool trailingSeparator = false;
    std::string lastName;         // the last component as written (a pattern for find)
    std::string lastHostName;     // its host spelling
};

Resolved resolvePath(const std::map<char, fs::path>& drives, const std::string& windowsPath, bool wildcardLast) {
    Resolved r;
    std::string path = windowsPath;
    std::replace(path.begin(), path.end(), '/', '\\');
    // No current folder exists here, so relative, drive-relative and network
    // paths lead nowhere, as a path whose folder is missing.
    if (path.size() < 3 || path[1] != ':' || path[2] != '\\' ||
        !((path[0] >= 'A' && path[0] <= 'Z') || (path[0] >= 'a' && path[0] <= 'z'))) {
        r.status = kPathNotFound;
        return r;
    }
    char letter = static_cast<char>(path[0] & ~0x20);
    auto drive = drives.find(letter);
    if (drive == drives.end()) {
        r.status = kPathNotFound;
        return r;
    }

    std::vector<std::string> parts;
    std::size_t start = 3;
    while (start <= path.size()) {
        std::size_t end = path.find('\\', start);
        if (end == std::string::npos) end = path.size();
        std::string part = path.substr(start, end - start);
        if (part == "..") {
            if (!parts.empty()) parts.pop_back();
        } else if (!part.empty() && part != ".") {
            parts.push_back(part);
        }
        start = end + 1;
    }
    r.trailingSeparator = path.size() > 3 && path.back() == '\\';

    for (std::size_t i = 0; i < parts.size(); ++i) {
        bool last = i + 1 == parts.size();
        std::string& part = parts[i];
        for (unsigned char c : part) {
            if (!validNameChar(c) || ((c == '*' || c == '?') && !(last && wildcardLast))) {
                r.status = kInvalidName;
                return r;
            }
        }
        // Windows drops trailing dots and blanks of a name; a pattern keeps them.
        if (last && !hasWildcard(part)) {
            while (!part.empty() && (part.back() == '.' || part.back() == ' ')) part.pop_back();
            if (part.empty()) {
                parts.pop_back();
                break;
            }
        }
    }

    fs::path current = drive->second;
    bool walking = isDirectory(current);
    if (parts.empty()) {
        r.isRoot = true;
        r.host = current;
        r.parent = current;
        r.parentExists = walking;
        return r;
    }
    for (std::size_t i = 0; i + 1 < parts.size(); ++i) {
        std::optional<std::string> hostName = walking ? matchEntry(current, parts[i]) : std::nullopt;
        current /= hostName ? *hostName : ansiToHost(parts[i]);
        walking = hostName && isDirectory(current);
    }
    r.parent = current;
    r.parentExists = walking;
    r.parentIsRoot = parts.size() == 1;
    r.lastName = parts.back();
    std::optional<std::string> lastHost;
    if (walking && !hasWildcard(r.lastName)) lastHost = matchEntry(current, r.lastName);
    r.lastHostName = lastHost ? *lastHost : ansiToHost(r.lastName);
    r.host = current / r.lastHostName;
    return r;
}

// The status of a path that does not exist: its folder missing or not.
Status missingStatus(const Resolved& r) { return r.parentExists ? kFileNotFound : kPathNotFound; }

bool copyBytes(const fs::path& from, const fs::path& to, Status& status) {
    int in = ::open(from.c_str(), O_RDONLY | O_CLOEXEC);
    if (in < 0) {
        status = statusFromErrno(errno);
        return false;
    }
    int out = ::open(to.c_str(), O_WRONLY | O_CREAT | O_TRUNC | O_CLOEXEC, 0666);
    if (out < 0) {
        status = statusFromErrno(errno);
        ::close(in);
        return false;
    }
    char buffer[65536];
    bool ok = true;
    for (;;) {
        ssize_t got = ::read(in, buffer, sizeof buffer);
        if (got < 0 && errno == EINTR) continue;
        if (got <= 0) {
            ok = got == 0;
            break;
        }
        for (ssize_t done = 0; done < got;) {
            ssize_t wrote = ::write(out, buffer + done, static_cast<std::size_t>(got - done));
            if (wrote < 0 && errno == EINTR) continue;
            if (wrote <= 0) {
                ok = false;
                break;
            }
            done += wrote;
        }
        if (!ok) break;
    }
    ::close(in);
    if (::close(out) != 0) ok = false;
    if (!ok) status = kAccessDenied;
    return ok;
}

void applyReadOnly(const fs::path& p, const struct stat& st, bool readOnly) {
    mode_t mode = st.st_mode & 07777;
    bool writable = mode & (S_IWUSR | S_IWGRP | S_IWOTH);
    if (readOnly && writable) ::chmod(p.c_str(), mode & ~static_cast<mode_t>(0222));
    if (!readOnly && !writable) ::chmod(p.c_str(), mode | S_IWUSR);
}

}  // namespace

HostFiles::HostFiles(std::string programFolder) : programFolder_(std::move(programFolder)) {}

void HostFiles::mapDrive(char letter, const std::filesystem::path& hostRoot) {
    drives_[static_cast<char>(letter & ~0x20)] = hostRoot;
}

std::optional<std::filesystem::path> HostFiles::hostPath(const std::string& windowsPath) const {
    Resolved r = resolvePath(drives_, windowsPath, false);
    if (r.status != kSuccess) return std::nullopt;
    return r.host;
}

Status HostFiles::getAttributes(const std::string& path, std::uint32_t& attributes) {
    Resolved r = resolvePath(drives_, path, false);
    if (r.status != kSuccess) return r.status;
    struct stat st;
    if (!statPath(r.host, st)) return missingStatus(r);
    // "file\" names a folder that is not one.
    if (r.trailingSeparator && !S_ISDIR(st.st_mode)) return kInvalidName;
    attributes = attributesOf(r.host, st, r.isRoot ? std::string() : r.lastName);
    return kSuccess;
}

Status HostFiles::setAttributes(const std::string& path, std::uint32_t attributes) {
    Resolved r = resolvePath(drives_, path, false);
    if (r.status != kSuccess) return r.status;
    struct stat st;
    if (!statPath(r.host, st)) return missingStatus(r);
    if (r.trailingSeparator && !S_ISDIR(st.st_mode)) return kInvalidName;
    // As with Wine, read-only only means something for files.
    if (!S_ISDIR(st.st_mode)) applyReadOnly(r.host, st, attributes & kAttrReadOnly);
    writeXattrBits(r.host, attributes);
    return kSuccess;
}

Status HostFiles::find(const std::string& pattern, std::vector<FoundEntry>& entries) {
    entries.clear();
    Resolved r = resolvePath(drives_, pattern, true);
    if (r.status != kSuccess) return r.status;
    // "folder\" searches the folder for an empty name: nothing to find.
    if (r.isRoot) return kFileNotFound;
    if (r.trailingSeparator) return isDirectory(r.host) ? kFileNotFound : kPathNotFound;
    if (!r.parentExists) return kPathNotFound;

    if (!hasWildcard(r.lastName)) {
        struct stat st;
        if (!statPath(r.host, st)) return kFileNotFound;
        std::string name = hostToAnsi(r.lastHostName);
        entries.push_back({name, attributesOf(r.host, st, name)});
        return kSuccess;
    }

    std::string dosForm = dosPattern(r.lastName);
    // A drive's top folder has no "." and "..", as on NTFS.
    if (!r.parentIsRoot) {
        struct stat st;
        for (const char* dots : {".", ".."}) {
            fs::path where = std::string(dots) == "." ? r.parent : r.parent / "..";
            if (wildcardMatch(dosForm, dots) && statPath(where, st))
                entries.push_back({dots, attributesOf(where, st, dots)});
        }
    }

    std::vector<std::pair<std::u32string, FoundEntry>> found;
    for (const auto& host : hostEntries(r.parent)) {
        std::string name = hostToAnsi(host);
        if (name.empty() || !std::all_of(name.begin(), name.end(), [](unsigned char c) {
                return validNameChar(c) && c != '*' && c != '?' && c != '\\';
            }))
            continue;
        if (!wildcardMatch(dosForm, name)) continue;
        struct stat st;
        fs::path full = r.parent / host;
        if (!statPath(full, st)) continue;  // a dangling link is no entry
        found.push_back({upperKey(name), {name, attributesOf(full, st, name)}});
    }
    // NTFS keeps a folder sorted by upper-cased name; ties only on a host
    // that allows names differing in case alone.
    std::sort(found.begin(), found.end(), [](const auto& a, const auto& b) {
        if (a.first != b.first) return a.first < b.first;
        return a.second.name < b.second.name;
    });
    for (auto& [key, entry] : found) entries.push_back(std::move(entry));
    return entries.empty() ? kFileNotFound : kSuccess;
}

Status HostFiles::copyFile(const std::string& from, const std::string& to, bool failIfExists) {
    Resolved source = resolvePath(drives_, from, false);
    if (source.status != kSuccess) return source.status;
    struct stat sourceStat;
    if (!statPath(source.host, sourceStat)) return missingStatus(source);
    if (S_ISDIR(sourceStat.st_mode) || source.trailingSeparator) return kAccessDenied;

    Resolved target = resolvePath(drives_, to, false);
    if (target.status != kSuccess) return target.status;
    if (!target.parentExists) return kPathNotFound;
    struct stat targetStat;
    if (statPath(target.host, targetStat)) {
        if (failIfExists) return kFileExists;
        if (S_ISDIR(targetStat.st_mode)) return kAccessDenied;
        if (sourceStat.st_dev == targetStat.st_dev && sourceStat.st_ino == targetStat.st_ino) return kSharingViolation;
        // CopyFile refuses to overwrite a hidden or read-only file.
        std::uint32_t existing = attributesOf(target.host, targetStat, target.lastName);
        if (existing & (kAttrHidden | kAttrReadOnly)) return kAccessDenied;
    } else if (target.trailingSeparator) {
        return kInvalidName;
    }

    Status status = kSuccess;
    if (!copyBytes(source.host, target.host, status)) return status;
    struct stat copied;
    if (statPath(target.host, copied)) {
        applyReadOnly(target.host, copied, !(sourceStat.st_mode & (S_IWUSR | S_IWGRP | S_IWOTH)));
        writeXattrBits(target.host, readXattrBits(source.host));
    }
    return kSuccess;
}

Status HostFiles::deleteFile(const std::string& path) {
    Resolved r = resolvePath(drives_, path, false);
    if (r.status != kSuccess) return r.status;
    struct stat st;
    if (!statPath(r.host, st)) return missingStatus(r);
    if (S_ISDIR(st.st_mode)) return kAccessDenied;
    if (r.trailingSeparator) return kInvalidName;
    if (!(st.st_mode & (S_IWUSR | S_IWGRP | S_IWOTH))) return kAccessDenied;
    if (::unlink(r.host.c_str()) != 0) return statusFromErrno(errno);
    return kSuccess;
}

Status HostFiles::createFolder(const std::string& path) {
    Resolved r = resolvePath(drives_, path, false);
    if (r.status != kSuccess) return r.status;
    if (r.isRoot) return kAccessDenied;
    struct stat st;
    if (statPath(r.host, st)) return kAlreadyExists;
    if (!r.parentExists) return kPathNotFound;
    if (::mkdir(r.host.c_str(), 0777) != 0) return statusFromErrno(errno);
    return kSuccess;
}

Status HostFiles::moveFile(const std::string& from, const std::string& to) {
    Resolved source = resolvePath(drives_, from, false);
    if (source.status != kSuccess) return source.status;
    Resolved target = resolvePath(drives_, to, false);
    if (target.status != kSuccess) return target.status;
    if (source.isRoot || target.isRoot) return kAccessDenied;
    struct stat st;
    if (!statPath(source.host, st)) return missingStatus(source);
    if (statPath(target.host, st)) return kAlreadyExists;
    if (!target.parentExists) return kPathNotFound;
    if (::rename(source.host.c_str(), target.host.c_str()) != 0) return statusFromErrno(errno);
    return kSuccess;
}

Status HostFiles::removeFolder(const std::string& path) {
    Resolved r = resolvePath(drives_, path, false);
    if (r.status != kSuccess) return r.status;
    if (r.isRoot) return kAccessDenied;
    struct stat st;
    if (!statPath(r.host, st)) return missingStatus(r);
    if (!S_ISDIR(st.st_mode)) return kDirectoryName;
    if (::rmdir(r.host.c_str()) != 0) return errno == ENOTEMPTY || errno == EEXIST ? kDirNotEmpty : statusFromErrno(errno);
    return kSuccess;
}

std::string HostFiles::programFolder() { return programFolder_; }

Status HostFiles::readFile(const std::string& path, std::string& bytes) {
    bytes.clear();
    Resolved r = resolvePath(drives_, path, false);
    if (r.status != kSuccess) return r.status;
    struct stat st;
    if (!statPath(r.host, st)) return missingStatus(r);
    if (S_ISDIR(st.st_mode)) return kAccessDenied;
    if (r.trailingSeparator) return kInvalidName;
    int fd = ::open(r.host.c_str(), O_RDONLY | O_CLOEXEC);
    if (fd < 0) return statusFromErrno(errno);
    char buffer[65536];
    for (;;) {
        ssize_t got = ::read(fd, buffer, sizeof buffer);
        if (got < 0 && errno == EINTR) continue;
        if (got < 0) {
            ::close(fd);
            bytes.clear();
            return kAccessDenied;
        }
        if (got == 0) break;
        bytes.append(buffer, static_cast<std::size_t>(got));
    }
    ::close(fd);
    return kSuccess;
}

Status HostFiles::writeFile(const std::string& path, const std::string& bytes) {
    Resolved r = resolvePath(drives_, path, false);
    if (r.status != kSuccess) return r.status;
    if (r.isRoot) return kAccessDenied;
    struct stat st;
    bool exists = statPath(r.host, st);
    if (!exists && !r.parentExists) return kPathNotFound;
    if (exists && S_ISDIR(st.st_mode)) return kAccessDenied;
    if (r.trailingSeparator) return kInvalidName;
    // Windows refuses to write a read-only file whoever asks, root or not.
    if (exists && !(st.st_mode & (S_IWUSR | S_IWGRP | S_IWOTH))) return kAccessDenied;
    int fd = ::open(r.host.c_str(), O_WRONLY | O_CREAT | O_TRUNC | O_CLOEXEC, 0666);
    if (fd < 0) return statusFromErrno(errno);
    bool ok = true;
    for (std::size_t done = 0; done < bytes.size();) {
        ssize_t wrote = ::write(fd, bytes.data() + done, bytes.size() - done);
        if (wrote < 0 && errno == EINTR) continue;
        if (wrote <= 0) {
            ok = false;
            break;
        }
        done += static_cast<std::size_t>(wrote);
    }
    if (::close(fd) != 0) ok = false;
    return ok ? kSuccess : kAccessDenied;
}

}  // namespace platform
