#pragma once
// Process starts recorded instead of made, with an outcome a test sets.
#include <cctype>
#include <set>
#include <string>
#include <utility>
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

    std::string expandEnvironment(const std::string& text) override {
        std::string out;
        for (std::size_t i = 0; i < text.size();) {
            const auto end = text[i] == '%' ? text.find('%', i + 1) : std::string::npos;
            const auto found = end == std::string::npos ? environment.end() : findVariable(text.substr(i + 1, end - i - 1));
            if (found == environment.end()) {
                out += text[i++];
                continue;
            }
            out += found->second;
            i = end + 1;
        }
        return out;
    }

    // Names compare ignoring case, as Windows compares them.
    std::vector<std::pair<std::string, std::string>> environment = {
        {"SystemRoot", "C:\\WINDOWS"}, {"windir", "C:\\WINDOWS"}, {"ProgramFiles", "C:\\Program Files"},
        {"SystemDrive", "C:"}};
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

private:
    std::vector<std::pair<std::string, std::string>>::const_iterator findVariable(const std::string& name) const {
        for (auto it = environment.begin(); it != environment.end(); ++it) {
            if (it->first.size() != name.size()) continue;
            bool same = true;
            for (std::size_t k = 0; k < name.size() && same; ++k)
                same = std::tolower(static_cast<unsigned char>(it->first[k])) == std::tolower(static_cast<unsigned char>(name[k]));
            if (same) return it;
        }
        return environment.end();
    }
};

}  // namespace platform
