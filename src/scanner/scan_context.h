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

struct ScanContext {
    platform::Registry& registry;
    platform::Files& files;
    platform::Processes& processes;  // expands the environment references of REG_EXPAND_SZ
    const ScanSettings& settings;
    ScanProgress& progress;
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
ValueText readValueText(ScanContext& context, platform::Key root, platform::View view, const std::string& path,
                        const std::string& name);
// The text of a value, empty when it is missing or of another type.
std::string readText(ScanContext& context, platform::Key root, platform::View view, const std::string& path,
                     const std::string& name);

// Names as the registry lists them, each shown as it is read; `status` tells a missing key (2).
std::vector<std::string> subkeyNames(ScanContext& context, platform::Key root, platform::View view,
                                     const std::string& path, platform::Status* status = nullptr);
std::vector<std::string> valueNames(ScanContext& context, platform::Key root, platform::View view,
                                    const std::string& path, platform::Status* status = nullptr);

// The "Checking    i / n" line of the long walks.
std::string progressLine(std::size_t index, std::size_t count);

}  // namespace scanner
