#pragma once
// Running the `lame` encoder for tests and benchmarks (no shell: an argument list).

#include <string>
#include <vector>

namespace qb::audiotest {

// True when `lame` can be run.
bool haveLame();
// lame --quiet <options...> in out; true when it exits 0 and out exists.
bool runLame(const std::vector<std::string>& options, const std::string& in, const std::string& out);

}  // namespace qb::audiotest
