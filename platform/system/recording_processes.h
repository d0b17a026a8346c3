#pragma once
// Processes for tests: records every start instead of starting anything.

#include <string>
#include <vector>

#include "platform/system/processes.h"

namespace qb {

class RecordingProcesses final : public Processes {
public:
    struct Start {
        std::string program;
        std::vector<std::string> args;
        bool operator==(const Start&) const = default;
    };

    void start(const std::string& program, const std::vector<std::string>& args) override {
        starts.push_back(Start{program, args});
    }

    std::vector<Start> starts;
};

}  // namespace qb
