#pragma once
// What a check needs: the services it reads through, the scan's settings, and
// the running scan's progress and stop.
#include <string>
#include <string_view>
#include <vector>

#include "platform/files.h"
#include "platform/processes.h"
#include "platform/registry.h"
#include "platform/registry_view.h"
#include "scanner/scan.h"

namespace scanner {

// A registration's own bitness on a 64-bit Windows, which decides how its paths read.
enum class Bits { Native, B32, B64 };

// How files look to the process a registration is for: a 32-bit program's System32
// is SysWOW64 and its %ProgramFiles% is "Program Files (x86)"; a 64-bit program's
// System32, seen from this 32-bit build, is Sysnative.
struct FileSight {
    bool processIs64Bit = true;
    std::string windowsFolder;
    // The path this process tests for a file the registration names.
    std::string asSeen(const std::string& path, Bits bits) const;
    // The environment references of a REG_EXPAND_SZ text renamed to this process's names for them.
    std::string forExpansion(const std::string& text, Bits bits) const;
};

struct ScanContext {
    platform::Registry& registry;
    platform::Files& files;
    platform::Processes& processes;  // expands the environment references of REG_EXPAND_SZ
    const ScanSettings& settings;
    ScanProgress& progress;
    FileSight sight;
    bool stopped = false;

    // One entry read; false once the scan must end (the check returns what it has).
    bool nextStep(std::string_view line = {}) {
        if (!stopped && !progress.step(line)) stopped = true;
        return !stopped;
    }
};

// A value read as the checks judge it: text (REG_SZ; REG_EXPAND_SZ expanded;
// REG_DWORD in decimal), or missing, or of a type that names no file.
struct ValueText {
    enum class Kind { Missing, Text, OtherType } kind = Kind::Missing;
    std::string text;
    bool isText() const { return kind == Kind::Text; }
};
// `bits` says whose environment references a REG_EXPAND_SZ text names.
ValueText readValueText(ScanContext& context, platform::Key root, platform::View view, const std::string& path,
                        const std::string& name, Bits bits = Bits::Native);
// The text of a value, empty when it is missing or of another type.
std::string readText(ScanContext& context, platform::Key root, platform::View view, const std::string& path,
                     const std::string& name, Bits bits = Bits::Native);

// Whether the file a registration of `bits` names is there, as its own process would find it.
bool present(ScanContext& context, const std::string& path, Bits bits);

// Names as the registry lists them, each shown as it is read; `status` tells a missing key (2).
std::vector<std::string> subkeyNames(ScanContext& context, platform::Key root, platform::View view,
                                     const std::string& path, platform::Status* status = nullptr);
std::vector<std::string> valueNames(ScanContext& context, platform::Key root, platform::View view,
                                    const std::string& path, platform::Status* status = nullptr);

// The "Checking    i / n" line of the long walks.
std::string progressLine(std::size_t index, std::size_t count);

}  // namespace scanner
