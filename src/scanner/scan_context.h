#pragma once
// What a check needs: the services it reads through, and the running scan's
// link to the window (yield, progress, stop).
#include <optional>
#include <string>
#include <vector>

#include "localisation/lang_text.h"
#include "platform/files.h"
#include "platform/processes.h"
#include "store/settings_store.h"

namespace scanner {

class ScanWalk {
public:
    virtual ~ScanWalk() = default;
    // Serves the message loop; false when the scan must end now (Stop, a page
    // switch, closing): the check then returns what it has found so far.
    virtual bool nextStep() = 0;
    virtual void showProgress(const std::string& line) = 0;
    // Where the store's enumerations show each name and ask whether to stop.
    virtual store::EnumerationProgress& enumeration() = 0;
};

struct ScanContext {
    store::SettingsStore& store;
    platform::Files& files;
    platform::Processes& processes;  // expands the environment references of REG_EXPAND_SZ
    const localisation::Language& language;
    ScanWalk& walk;
};

// A value read as the checks judge it: text (REG_SZ; REG_EXPAND_SZ expanded;
// REG_DWORD in decimal), or missing, or of a type that names no file.
struct ValueText {
    enum class Kind { Missing, Text, OtherType } kind = Kind::Missing;
    std::string text;
    bool isText() const { return kind == Kind::Text; }
};
ValueText readValueText(ScanContext& context, platform::Key root, const std::string& path, const std::string& name);
// The text of a value, empty when it is missing or of another type.
std::string readText(ScanContext& context, platform::Key root, const std::string& path, const std::string& name);

// The "Checking    i / n" line of the long walks.
std::string progressLine(std::size_t index, std::size_t count);

}  // namespace scanner
