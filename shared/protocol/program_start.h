#pragma once
// Starting another program of the suite: by name (found beside the starter,
// then on PATH), as a new process; the starter then pauses 250 ms and does not
// look at the result.

#include "shared/protocol/command_lines.h"

namespace qb {
class EventLoop;
class Processes;
}  // namespace qb

namespace qb::protocol {

void startProgram(Processes& processes, EventLoop& loop, const CommandLine& commandLine);

}  // namespace qb::protocol
