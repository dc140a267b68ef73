#pragma once
// Starting other programs without waiting for them.
#include <cstdint>
#include <string>

#include "platform/status.h"

namespace platform {

enum class ShowState { Hidden = 0, Normal = 1 };

class Processes {
public:
    virtual ~Processes() = default;
    // Starts a command line (program and arguments) and returns at once.
    virtual Status start(const std::string& commandLine, ShowState show) = 0;
    // Hands a web or mail address to the default handler (the shell's "open").
    virtual Status openAddress(const std::string& address) = 0;
    // ExpandEnvironmentStringsA: each %NAME% of this process's environment replaced;
    // a reference to a name that is not set stays as written.
    virtual std::string expandEnvironment(const std::string& text) = 0;

    // A start the caller watches: `id` names the program until it is forgotten.
    // Services that cannot watch start it plainly and report it ended at once.
    using ProcessId = std::uint64_t;
    virtual Status startWatched(const std::string& commandLine, ShowState show, ProcessId& id) {
        id = 0;
        return start(commandLine, show);
    }
    // Asks without waiting; an unknown id has ended.
    virtual bool hasEnded(ProcessId) { return true; }
    virtual void forget(ProcessId) {}
};

}  // namespace platform
