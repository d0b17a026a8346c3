#pragma once
// Starting another program of the suite (or an outside one) by name.

#include <string>
#include <vector>

namespace qb {

class Processes {
public:
    virtual ~Processes() = default;
    // Start program with args as a new process with a normal window. The name
    // is looked for first in the starter's own folder, then on PATH. The result
    // is not checked: a program that cannot be started is simply not started.
    virtual void start(const std::string& program, const std::vector<std::string>& args) = 0;
};

}  // namespace qb
