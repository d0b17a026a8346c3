#pragma once
// The frame of one window message on a socket, and the copy data buffer.
//
// Little-endian, 24 bytes of header and a payload:
//   "QBM1" | kind | flags | wParam | lParam | n | n bytes of payload
// kind 1 = WM_PLAYERCMD (n = 0), kind 2 = WM_COPYDATA (n = 255); flags bit 0 =
// synchronous (the receiver answers with a signed 32-bit little-endian result
// once its handler has run). Every other value is a broken frame.

#include "platform/messages/message_bus.h"

#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>

namespace qb::messages {

constexpr std::size_t kFrameHeaderBytes = 24;
constexpr std::size_t kCopyDataBytes = 255;      // the whole buffer, zero-filled
constexpr std::size_t kCopyDataTextBytes = 254;  // text bytes that fit before the zero
constexpr std::size_t kReplyBytes = 4;
constexpr std::uint32_t kFlagSynchronous = 1;

// The text a receiver reads from a copy data buffer built from text: cut to
// 254 bytes at a whole character, then up to its first zero byte.
std::string copyDataText(std::string_view text);

// A whole frame ready to write. For copy data, text is cut as copyDataText.
std::string encodeFrame(const WindowMessage& msg);

enum class FrameStatus { Complete, NeedMore, Broken };

// Read one frame from the start of buf. Complete: msg is filled and used
// holds the frame's size. NeedMore: buf holds the start of a valid frame.
// Broken: bad magic, kind, flags or payload length.
FrameStatus decodeFrame(std::string_view buf, WindowMessage& msg, std::size_t& used);

std::string encodeReply(std::int32_t result);
std::int32_t decodeReply(std::string_view fourBytes);

}  // namespace qb::messages
