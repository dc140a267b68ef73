#pragma once
// Process starts recorded instead of made, with an outcome a test sets.
#include <string>
#include <vector>

#include "platform/processes.h"

namespace platform {

class RecordedProcesses : public Processes {
public:
    struct Start {
        std::string commandLine;
        ShowState show;
    };

    Status start(const std::string& commandLine, ShowState show) override {
        starts.push_back({commandLine, show});
        return startOutcome;
    }
    Status openAddress(const std::string& address) override {
        addresses.push_back(address);
        return addressOutcome;
    }

    std::vector<Start> starts;
    std::vector<std::string> addresses;
    Status startOutcome = kSuccess;
    Status addressOutcome = kSuccess;
};

}  // namespace platform
