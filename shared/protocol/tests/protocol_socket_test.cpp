// The protocol over the real socket transport, to a receiver in another
// process (qb_message_peer, which prints "<kind> <sync> <wParam> <lParam> <hex>").
#include "shared/protocol/captions.h"
#include "shared/protocol/commands.h"
#include "shared/protocol/midi.h"
#include "shared/protocol/senders.h"
#include "shared/protocol/title_address.h"

#include "platform/messages/socket_message_bus.h"
#include "platform/messages/tests/peer_process.h"

#include <gtest/gtest.h>

#include <span>
#include <sstream>

namespace qb::protocol {
namespace {

using qb::testing::PeerProcess;

struct Item {
    std::span<const std::uint32_t> receiverCodes;
    std::uint32_t wParam;
    std::int32_t lParam;
    bool isCommand;
};

std::vector<Item> everyForm() {
    std::vector<Item> items;
    auto commands = [&](std::span<const std::uint32_t> codes, std::int32_t lParam) {
        for (std::uint32_t c : codes) items.push_back({codes, c, lParam, true});
    };
    commands(preview_cmd::kAll, 0);
    commands(orvelia_cmd::kAll, 90000);
    commands(info_cmd::kAll, 0);
    commands(singalo_cmd::kAll, 4700);
    commands(kinolux_cmd::kAll, kinolux_cmd::PauseOnly);
    commands(report_cmd::kAll, report_cmd::EndDoubleClick);
    commands(padlink_cmd::kAll, padlink_cmd::ActiveSingalo);
    commands(scintara_cmd::kAll, -12);
    items.push_back({preview_cmd::kAll, preview_cmd::PlayTitle, *encodeTitleAddress({3, 17}), true});
    items.push_back({preview_cmd::kAll, preview_cmd::PlayTitle, *encodeTitleAddress({99, 65535}), true});
    auto midi = [&](std::span<const std::uint32_t> codes, std::uint8_t status, std::initializer_list<int> keys) {
        for (int k : keys)
            for (std::uint8_t value : {0, 1, 64, 127})
                items.push_back({codes, packMidi(status, static_cast<std::uint8_t>(k), value), 0, false});
    };
    midi(preview_cmd::kAll, 146, {33, 34, 35, 36, 98, 99, 100});
    midi(preview_cmd::kAll, 178, {20, 96});
    midi(orvelia_cmd::kAll, 145, {4, 5, 6, 20, 21, 22, 23, 33, 34, 35, 36, 41, 97, 98, 99, 100});
    midi(orvelia_cmd::kAll, 146, {4, 5, 33, 35, 36, 38, 39});
    midi(orvelia_cmd::kAll, 149, {9});
    midi(orvelia_cmd::kAll, 177, {20, 96});
    midi(orvelia_cmd::kAll, 178, {96, 112});
    midi(orvelia_cmd::kAll, 181, {2, 47, 96});
    midi(singalo_cmd::kAll, 145, {4, 5, 6, 7, 20, 21, 22, 23});
    midi(singalo_cmd::kAll, 146, {0, 1, 2, 3, 4, 5, 6, 7});
    midi(singalo_cmd::kAll, 181, {3});
    return items;
}

struct Line {
    unsigned kind = 0, sync = 0;
    std::uint32_t w = 0;
    std::int32_t l = 0;
    std::string hex;
};

Line parse(const std::string& s) {
    std::istringstream in(s);
    Line l;
    in >> l.kind >> l.sync >> l.w >> l.l >> l.hex;
    return l;
}

std::string unhex(const std::string& h) {
    if (h == "-") return {};
    std::string out;
    for (std::size_t i = 0; i + 1 < h.size(); i += 2) out.push_back(static_cast<char>(std::stoi(h.substr(i, 2), nullptr, 16)));
    return out;
}

TEST(ProtocolOverSockets, EveryCommandAndMidiFormRoundTripsInABurstOf1000) {
    PeerProcess peer({"listen", caption::Singalo, "2"});  // a slow receiver: 2 ms per message
    ASSERT_NE(peer.waitReady(), 0u);
    SocketMessageBus bus;
    const std::vector<Item> forms = everyForm();
    ASSERT_LT(forms.size(), 1000u);
    std::vector<Item> sent;
    for (std::size_t i = 0; i < 1000; ++i) {
        const Item& item = forms[i % forms.size()];
        ASSERT_TRUE(postTo(bus, caption::Singalo, item.wParam, item.lParam));  // looked up each time
        sent.push_back(item);
    }
    EXPECT_LT(peer.messages().size(), 1000u);  // the sender did not wait for the slow receiver
    ASSERT_TRUE(peer.waitMessages(1000, 60000));
    for (std::size_t i = 0; i < 1000; ++i) {
        const Line got = parse(peer.messages()[i]);
        ASSERT_EQ(got.kind, 1u) << i;
        ASSERT_EQ(got.w, sent[i].wParam) << i;
        ASSERT_EQ(got.l, sent[i].lParam) << i;
        const PlayerParam p = decodeWParam(got.w, sent[i].receiverCodes);
        ASSERT_EQ(p.isCommand, sent[i].isCommand) << i;
        if (p.isCommand) EXPECT_EQ(p.code, sent[i].wParam);
        else EXPECT_EQ(packMidi(static_cast<std::uint8_t>(p.midi.status), static_cast<std::uint8_t>(p.midi.data1),
                                static_cast<std::uint8_t>(p.midi.data2)), sent[i].wParam);
    }
}

TEST(ProtocolOverSockets, TitlesReachThePreviewByAddressAndByPath) {
    PeerProcess peer({"listen", caption::Preview});
    ASSERT_NE(peer.waitReady(), 0u);
    SocketMessageBus bus;
    const std::string path = "/home/dj/Downloads/Zwölf Lieder/Titel mit Leerzeichen.mp3";
    ASSERT_TRUE(previewTitle(bus, {3, 17}));
    ASSERT_TRUE(previewPath(bus, 321, path));
    ASSERT_TRUE(peer.waitMessages(3));
    const Line first = parse(peer.messages()[0]);
    EXPECT_EQ(first.w, preview_cmd::PlayTitle);
    EXPECT_EQ(first.l, 65536 * 3 + 17);
    EXPECT_EQ(decodeTitleAddress(first.l), (TitleAddress{3, 17}));
    const Line text = parse(peer.messages()[1]);
    EXPECT_EQ(text.kind, 2u);
    EXPECT_EQ(text.sync, 1u);
    EXPECT_EQ(text.w, 321u);
    EXPECT_EQ(unhex(text.hex), path);
    const Line byPath = parse(peer.messages()[2]);
    EXPECT_EQ(byPath.w, preview_cmd::PlayTitle);
    EXPECT_EQ(decodeTitleAddress(byPath.l), (TitleAddress{kPageByPath, 0}));
}

TEST(ProtocolOverSockets, NothingForAMissingWindowIsKept) {
    SocketMessageBus bus;
    EXPECT_FALSE(postTo(bus, caption::Kinolux, kinolux_cmd::Close));
    EXPECT_FALSE(postWithText(bus, caption::Kinolux, 1, "/v/a.mp4", kinolux_cmd::SeekAndPlay, 0));
    EXPECT_EQ(bus.pendingBytes(), 0u);
    PeerProcess peer({"listen", caption::Kinolux});
    ASSERT_NE(peer.waitReady(), 0u);
    // The send is answered only after everything before it on the way was handled.
    EXPECT_EQ(sendTo(bus, caption::Kinolux, kinolux_cmd::Volume, 64), 3 * 64 + 1);
    ASSERT_TRUE(peer.waitMessages(1));
    EXPECT_EQ(peer.messages(), (std::vector<std::string>{"1 1 46 64 -"}));
}

}  // namespace
}  // namespace qb::protocol
