#include "shared/protocol/program_start.h"

#include "platform/core/event_loop.h"
#include "platform/system/processes.h"

namespace qb::protocol {

void startProgram(Processes& processes, EventLoop& loop, const CommandLine& commandLine) {
    processes.start(commandLine.program, commandLine.args);
    loop.pause(250);
}

}  // namespace qb::protocol
