#pragma once
// qbmsg listen: register a caption and print each message that reaches it.
#include "platform/messages/message_bus.h"

#include <string>

namespace qb::qbmsg {

// One line for a received message:
//   "post <wParam> <lParam>", "send <wParam> <lParam>",
//   "copydata <sender> <text>" (sent) or "copydata-post <sender> <text>".
// Control bytes and backslashes of the text are written as \xNN and \\.
std::string describe(const WindowMessage& m);

// Runs until SIGINT or SIGTERM; then the caption's socket is removed.
int listen(const std::string& caption);

}  // namespace qb::qbmsg
