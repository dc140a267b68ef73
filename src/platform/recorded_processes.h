#pragma once
// Process starts recorded instead of made, with an outcome a test sets.
#include <set>
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

    // Watched starts run until a test ends them.
    Status startWatched(const std::string& commandLine, ShowState show, ProcessId& id) override {
        const Status status = start(commandLine, show);
        id = status == kSuccess ? starts.size() : 0;
        if (id) running.insert(id);
        return status;
    }
    bool hasEnded(ProcessId id) override { return running.count(id) == 0; }
    void forget(ProcessId id) override { running.erase(id); }
    void endAll() { running.clear(); }

    std::vector<Start> starts;
    std::set<ProcessId> running;  // ids are 1-based positions in `starts`
    std::vector<std::string> addresses;
    Status startOutcome = kSuccess;
    Status addressOutcome = kSuccess;
};

}  // namespace platform
