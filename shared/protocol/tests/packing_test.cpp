#include "shared/protocol/commands.h"
#include "shared/protocol/midi.h"
#include "shared/protocol/title_address.h"

#include <gtest/gtest.h>

#include <set>

namespace qb::protocol {
namespace {

TEST(MidiPacking, PacksAndUnpacksEveryByte) {
    struct Case {
        std::uint8_t status, d1, d2;
        std::uint32_t packed;
    };
    const Case cases[] = {
        {145, 100, 1, 145 + 256 * 100 + 65536},
        {146, 36, 0, 146 + 256 * 36},
        {178, 96, 127, 178 + 256 * 96 + 65536 * 127},
        {181, 47, 64, 181 + 256 * 47 + 65536 * 64},
        {255, 255, 255, 0xFFFFFFu},
        {0, 0, 0, 0},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(packMidi(c.status, c.d1, c.d2), c.packed);
        EXPECT_EQ(unpackMidi(c.packed), (MidiMessage{c.status, c.d1, c.d2}));
    }
    // Data 2 is everything above bit 15, as a receiver reads it.
    EXPECT_EQ(unpackMidi(0x12345678u), (MidiMessage{0x78, 0x56, 0x1234}));
}

TEST(MidiPacking, CommandCodesAreTestedBeforeMidi) {
    // Code 2 is a command for Tonello; for Singalo, which has no code 2, the
    // same wParam is a MIDI message of status 2.
    EXPECT_TRUE(decodeWParam(2, orvelia_cmd::kAll).isCommand);
    const auto asMidi = decodeWParam(2, singalo_cmd::kAll);
    EXPECT_FALSE(asMidi.isCommand);
    EXPECT_EQ(asMidi.midi, (MidiMessage{2, 0, 0}));

    const auto note = decodeWParam(packMidi(146, 36, 100), preview_cmd::kAll);
    EXPECT_FALSE(note.isCommand);
    EXPECT_EQ(note.midi, (MidiMessage{146, 36, 100}));
    const auto stop = decodeWParam(preview_cmd::Stop, preview_cmd::kAll);
    EXPECT_TRUE(stop.isCommand);
    EXPECT_EQ(stop.code, preview_cmd::Stop);
}

TEST(MidiPacking, NoCodeOfAReceiverLooksLikeAMessageItActsOn) {
    // A message with a status the receiver acts on must never be taken for a
    // command, or a controller key would be lost.
    const std::set<std::uint32_t> statuses = {midi_status::NoteCh2,    midi_status::NoteCh3,
                                              midi_status::NoteCh6,    midi_status::ControlCh2,
                                              midi_status::ControlCh3, midi_status::ControlCh6};
    auto check = [&](auto codes) {
        for (std::uint32_t c : codes) EXPECT_EQ(statuses.count(c & 255u), 0u) << c;
    };
    check(preview_cmd::kAll);
    check(orvelia_cmd::kAll);
    check(singalo_cmd::kAll);
    check(kinolux_cmd::kAll);
}

TEST(TitleAddress, PageAndRecordShareLParam) {
    EXPECT_EQ(encodeTitleAddress({3, 17}), 65536 * 3 + 17);
    EXPECT_EQ(decodeTitleAddress(65536 * 3 + 17), (TitleAddress{3, 17}));
    EXPECT_EQ(encodeTitleAddress({kPageByPath, 0}), 65536 * 100);
    EXPECT_EQ(decodeTitleAddress(65536 * 100).page, kPageByPath);
    for (const TitleAddress a : {TitleAddress{0, 0}, TitleAddress{99, 65535}, TitleAddress{100, 0}, TitleAddress{42, 1}})
        EXPECT_EQ(decodeTitleAddress(*encodeTitleAddress(a)), a);
    // Bits above 22 are not part of the page.
    EXPECT_EQ(decodeTitleAddress(static_cast<std::int32_t>(0x80000000u | (5u << 16) | 9u)), (TitleAddress{5, 9}));
}

TEST(TitleAddress, AddressesThatDoNotFitAreRefused) {
    // Record 65536 of page 3 would otherwise be record 0 of page 4.
    EXPECT_EQ(encodeTitleAddress({3, 65536}), std::nullopt);
    EXPECT_EQ(encodeTitleAddress({3, -1}), std::nullopt);
    EXPECT_EQ(encodeTitleAddress({101, 0}), std::nullopt);
    EXPECT_EQ(encodeTitleAddress({-1, 0}), std::nullopt);
}

}  // namespace
}  // namespace qb::protocol
