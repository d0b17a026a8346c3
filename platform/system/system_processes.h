#pragma once
// Starting programs for real. A bare name is looked for in the starter's own
// folder first (where the suite is installed side by side), then in the
// folders of PATH; a name with a "/" is taken as the path itself. The program
// starts detached, as a new session (its end leaves no zombie behind, and it
// outlives the starter), with the arguments exactly as given: there is no shell
// and no quoting. Nothing is reported when the program is missing or fails.

#include <optional>
#include <string>
#include <vector>

#include "platform/system/processes.h"

namespace qb {

class SystemProcesses final : public Processes {
public:
    // The own folder is the folder of the running executable.
    SystemProcesses();
    explicit SystemProcesses(std::string ownFolder);

    void start(const std::string& program, const std::vector<std::string>& args) override;

    // The executable file start() would run; nullopt when there is none.
    std::optional<std::string> locate(const std::string& program) const;

    const std::string& ownFolder() const { return ownFolder_; }

private:
    std::string ownFolder_;
};

}  // namespace qb
