#pragma once
// Sending on top of the MessageBus, as every program of the suite sends: the
// receiver is looked up by caption each time; a missing receiver is not an
// error, the message is dropped (nothing is reported, queued or retried).
// Commands are posted; copy data, code 99 to "Info Orvelia" and code 1000 to
// "Scintara" are sent synchronously.

#include "platform/messages/message_bus.h"
#include "shared/protocol/companion_file.h"
#include "shared/protocol/title_address.h"

#include <cstdint>
#include <optional>
#include <string_view>

namespace qb::protocol {

// Post a command to the newest window of caption; false when none was found.
bool postTo(MessageBus& bus, const char* caption, std::uint32_t code, std::int32_t lParam = 0);

// Send synchronously; the receiver's result, nullopt when none was found.
std::optional<std::int32_t> sendTo(MessageBus& bus, const char* caption, std::uint32_t code,
                                   std::int32_t lParam = 0);

// Copy data alone (sent synchronously); false when no window was found.
bool copyDataTo(MessageBus& bus, const char* caption, WindowHandle from, std::string_view text);

// Copy data, then the command that uses its text, both to the same window, so
// that the receiver holds the text when the command arrives. The command is
// not posted when the text did not arrive (it would act on an older text).
bool postWithText(MessageBus& bus, const char* caption, WindowHandle from, std::string_view text,
                  std::uint32_t code, std::int32_t lParam = 0);

// Singalo's rule for "Padlink" and "Scintara": a handle counts only when it
// lies between 1 and 1999999999.
constexpr bool handleInRange(WindowHandle h) { return h >= 1 && h <= 1999999999u; }
WindowHandle findInRange(MessageBus& bus, const char* caption);
bool postToInRange(MessageBus& bus, const char* caption, std::uint32_t code, std::int32_t lParam = 0);

// Singalo to "Scintara": the number of the current lyrics line, synchronously.
std::optional<std::int32_t> sendScintaraNumber(MessageBus& bus, std::int32_t number);

// A starting Tonello: when an "Info Orvelia" exists, send it code 99 and
// return true (the caller then ends); false when no instance runs.
bool wakeFirstInstance(MessageBus& bus);

// Tonello to the preview: a title of a list file (false when the address does
// not fit or no "Preview" exists) or a title by its full path (page 100).
bool previewTitle(MessageBus& bus, TitleAddress address);
bool previewPath(MessageBus& bus, WindowHandle from, std::string_view path);

// Tonello preparing a title with a companion file: every "Video=" path goes to
// "Singalo" as copy data, in file order, so Singalo holds the last one. True
// when at least one arrived (the title then counts as having a video; its
// code 41 follows when it starts playing).
bool announceVideos(MessageBus& bus, WindowHandle from, const CompanionFile& file);

// Kinolux's reports go to "Singalo", else "Valdoro", "Marquesta", "Lumbrato":
// the first that exists; 0 (report dropped) when none does.
WindowHandle findReportTarget(MessageBus& bus);
bool postReport(MessageBus& bus, std::uint32_t code, std::int32_t lParam);

}  // namespace qb::protocol
