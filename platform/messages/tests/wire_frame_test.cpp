#include "platform/messages/wire_frame.h"

#include <gtest/gtest.h>

#include <string>

namespace qb::messages {
namespace {

std::string repeat(std::string_view s, int n) {
    std::string out;
    for (int i = 0; i < n; ++i) out += s;
    return out;
}

TEST(WireFrame, HeaderIsLittleEndianAsTheTableSays) {
    WindowMessage m;
    m.kind = MessageKind::PlayerCmd;
    m.wParam = 0x01020304;
    m.lParam = -2;
    m.synchronous = true;
    const std::string f = encodeFrame(m);
    const std::string expected = std::string("QBM1") + std::string("\x01\0\0\0", 4) + std::string("\x01\0\0\0", 4) +
                                 std::string("\x04\x03\x02\x01", 4) + std::string("\xfe\xff\xff\xff", 4) +
                                 std::string("\0\0\0\0", 4);
    EXPECT_EQ(f, expected);
}

TEST(WireFrame, CopyDataCarriesAZeroFilledBufferOf255Bytes) {
    WindowMessage m;
    m.kind = MessageKind::CopyData;
    m.wParam = 4711;
    m.text = "/musik/a b.mp4";
    const std::string f = encodeFrame(m);
    ASSERT_EQ(f.size(), kFrameHeaderBytes + 255);
    EXPECT_EQ(f.substr(20, 4), std::string("\xff\0\0\0", 4));
    EXPECT_EQ(f.substr(24, m.text.size()), m.text);
    EXPECT_EQ(f.substr(24 + m.text.size()), std::string(255 - m.text.size(), '\0'));
}

TEST(WireFrame, RoundTripsEveryField) {
    const WindowMessage cases[] = {
        {MessageKind::PlayerCmd, 0, 0, "", false},
        {MessageKind::PlayerCmd, 0xFFFFFFFFu, INT32_MIN, "", true},
        {MessageKind::PlayerCmd, 145 + 256 * 100 + 65536 * 1, INT32_MAX, "", false},
        {MessageKind::CopyData, 12345, 0, "", true},
        {MessageKind::CopyData, 1, 0, "Grüße/Datei.mp3", true},
    };
    for (const auto& m : cases) {
        const std::string f = encodeFrame(m) + "QBM1";  // the start of the next frame
        WindowMessage back;
        std::size_t used = 0;
        ASSERT_EQ(decodeFrame(f, back, used), FrameStatus::Complete);
        EXPECT_EQ(used, f.size() - 4);
        EXPECT_EQ(back.kind, m.kind);
        EXPECT_EQ(back.wParam, m.wParam);
        EXPECT_EQ(back.lParam, m.lParam);
        EXPECT_EQ(back.text, m.text);
        EXPECT_EQ(back.synchronous, m.synchronous);
    }
}

TEST(WireFrame, EveryPrefixOfAFrameNeedsMore) {
    WindowMessage m;
    m.kind = MessageKind::CopyData;
    m.text = "x";
    const std::string f = encodeFrame(m);
    for (std::size_t n = 1; n < f.size(); ++n) {
        WindowMessage back;
        std::size_t used = 0;
        EXPECT_EQ(decodeFrame(std::string_view(f).substr(0, n), back, used), FrameStatus::NeedMore) << n;
    }
}

TEST(WireFrame, BrokenFramesAreRecognised) {
    WindowMessage m;
    const std::string good = encodeFrame(m);
    auto with = [&](std::size_t at, std::string bytes) {
        std::string f = good;
        f.replace(at, bytes.size(), bytes);
        return f;
    };
    const std::string cases[] = {
        with(0, "XBM1"),
        with(4, std::string("\x03\0\0\0", 4)),        // unknown kind
        with(4, std::string("\0\0\0\0", 4)),          // kind 0
        with(8, std::string("\x02\0\0\0", 4)),        // unknown flag
        with(20, std::string("\x01\0\0\0", 4)),       // payload on a command
        with(4, std::string("\x02\0\0\0", 4)),        // copy data without its buffer
        with(20, std::string("\xff\xff\xff\xff", 4)), // absurd length
    };
    for (std::size_t i = 0; i < std::size(cases); ++i) {
        WindowMessage back;
        std::size_t used = 0;
        EXPECT_EQ(decodeFrame(cases[i], back, used), FrameStatus::Broken) << i;
    }
    // Garbage is refused as soon as its first bytes show it, not after 24 bytes.
    WindowMessage back;
    std::size_t used = 0;
    EXPECT_EQ(decodeFrame("QX", back, used), FrameStatus::Broken);
    EXPECT_EQ(decodeFrame("QB", back, used), FrameStatus::NeedMore);
}

TEST(WireFrame, CopyDataTextIsCutAtAWholeCharacterWithin254Bytes) {
    struct Case {
        std::string in;
        std::string out;
    };
    const Case cases[] = {
        {"", ""},
        {repeat("a", 254), repeat("a", 254)},
        {repeat("a", 300), repeat("a", 254)},
        {repeat("ä", 150), repeat("ä", 127)},              // 300 bytes -> 254
        {"a" + repeat("ä", 150), "a" + repeat("ä", 126)},  // the next "ä" would end at byte 255
        {repeat("a", 252) + "€", repeat("a", 252)},         // three bytes do not fit into two
        {std::string("ab\0cd", 5), "ab"},                  // the text ends at its first zero
    };
    for (const auto& c : cases) EXPECT_EQ(copyDataText(c.in), c.out) << c.in.size();

    WindowMessage m;
    m.kind = MessageKind::CopyData;
    m.text = repeat("ä", 150);
    WindowMessage back;
    std::size_t used = 0;
    ASSERT_EQ(decodeFrame(encodeFrame(m), back, used), FrameStatus::Complete);
    EXPECT_EQ(back.text, repeat("ä", 127));
}

TEST(WireFrame, ReplyIsSigned32BitLittleEndian) {
    for (std::int32_t v : {0, 1, -1, 16, INT32_MIN, INT32_MAX}) {
        const std::string r = encodeReply(v);
        ASSERT_EQ(r.size(), 4u);
        EXPECT_EQ(decodeReply(r), v);
    }
    EXPECT_EQ(encodeReply(-2), std::string("\xfe\xff\xff\xff", 4));
}

}  // namespace
}  // namespace qb::messages
