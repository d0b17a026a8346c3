#include "platform/messages/wire_frame.h"

#include "platform/core/text.h"

#include <cstring>

namespace qb::messages {

namespace {

constexpr char kMagic[4] = {'Q', 'B', 'M', '1'};

void putU32(std::string& out, std::uint32_t v) {
    for (int i = 0; i < 4; ++i) out.push_back(static_cast<char>((v >> (8 * i)) & 0xFFu));
}

std::uint32_t getU32(std::string_view s, std::size_t at) {
    std::uint32_t v = 0;
    for (int i = 3; i >= 0; --i) v = (v << 8) | static_cast<unsigned char>(s[at + static_cast<std::size_t>(i)]);
    return v;
}

}  // namespace

std::string copyDataText(std::string_view text) {
    std::string_view cut = text::cutUtf8(text, kCopyDataTextBytes);
    const auto zero = cut.find('\0');
    if (zero != std::string_view::npos) cut = cut.substr(0, zero);
    return std::string(cut);
}

std::string encodeFrame(const WindowMessage& msg) {
    const bool copy = msg.kind == MessageKind::CopyData;
    std::string out;
    out.reserve(kFrameHeaderBytes + (copy ? kCopyDataBytes : 0));
    out.append(kMagic, 4);
    putU32(out, static_cast<std::uint32_t>(msg.kind));
    putU32(out, msg.synchronous ? kFlagSynchronous : 0u);
    putU32(out, msg.wParam);
    putU32(out, static_cast<std::uint32_t>(msg.lParam));
    putU32(out, copy ? static_cast<std::uint32_t>(kCopyDataBytes) : 0u);
    if (copy) {
        const std::string t = copyDataText(msg.text);
        out += t;
        out.append(kCopyDataBytes - t.size(), '\0');
    }
    return out;
}

FrameStatus decodeFrame(std::string_view buf, WindowMessage& msg, std::size_t& used) {
    // Check what is there already, so that garbage is refused early.
    const std::size_t magicBytes = buf.size() < 4 ? buf.size() : 4;
    if (std::memcmp(buf.data(), kMagic, magicBytes) != 0) return FrameStatus::Broken;
    if (buf.size() < kFrameHeaderBytes) return FrameStatus::NeedMore;
    const std::uint32_t kind = getU32(buf, 4);
    const std::uint32_t flags = getU32(buf, 8);
    const std::uint32_t n = getU32(buf, 20);
    if (kind != static_cast<std::uint32_t>(MessageKind::PlayerCmd) &&
        kind != static_cast<std::uint32_t>(MessageKind::CopyData))
        return FrameStatus::Broken;
    if ((flags & ~kFlagSynchronous) != 0) return FrameStatus::Broken;
    const std::uint32_t expected =
        kind == static_cast<std::uint32_t>(MessageKind::CopyData) ? kCopyDataBytes : 0;
    if (n != expected) return FrameStatus::Broken;
    if (buf.size() < kFrameHeaderBytes + n) return FrameStatus::NeedMore;

    msg.kind = static_cast<MessageKind>(kind);
    msg.synchronous = (flags & kFlagSynchronous) != 0;
    msg.wParam = getU32(buf, 12);
    msg.lParam = static_cast<std::int32_t>(getU32(buf, 16));
    msg.text.clear();
    if (n > 0) {
        const std::string_view payload = buf.substr(kFrameHeaderBytes, n);
        msg.text.assign(payload.substr(0, payload.find('\0')));
    }
    used = kFrameHeaderBytes + n;
    return FrameStatus::Complete;
}

std::string encodeReply(std::int32_t result) {
    std::string out;
    putU32(out, static_cast<std::uint32_t>(result));
    return out;
}

std::int32_t decodeReply(std::string_view fourBytes) {
    return static_cast<std::int32_t>(getU32(fourBytes, 0));
}

}  // namespace qb::messages
