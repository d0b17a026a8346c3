#pragma once
// MIDI short messages in wParam, as Padlink forwards them: status byte + 256 ×
// first data byte + 65536 × second data byte. A receiver looks for its command
// codes first and only then reads wParam as MIDI (decodeWParam).

#include <algorithm>
#include <cstdint>
#include <span>

namespace qb::protocol {

struct MidiMessage {
    std::uint32_t status = 0;  // wParam AND 255
    std::uint32_t data1 = 0;   // (wParam shr 8) AND 255
    std::uint32_t data2 = 0;   // wParam shr 16 (the velocity of a note)
    bool operator==(const MidiMessage&) const = default;
};

constexpr std::uint32_t packMidi(std::uint8_t status, std::uint8_t data1, std::uint8_t data2) {
    return status + 256u * data1 + 65536u * data2;
}

constexpr MidiMessage unpackMidi(std::uint32_t wParam) {
    return MidiMessage{wParam & 255u, (wParam >> 8) & 255u, wParam >> 16};
}

// wParam read as a receiver reads it: a command when it is one of the
// receiver's codes, else a MIDI message.
struct PlayerParam {
    bool isCommand = false;
    std::uint32_t code = 0;  // when isCommand
    MidiMessage midi;        // otherwise
};

constexpr PlayerParam decodeWParam(std::uint32_t wParam, std::span<const std::uint32_t> receiverCodes) {
    if (std::find(receiverCodes.begin(), receiverCodes.end(), wParam) != receiverCodes.end())
        return PlayerParam{true, wParam, {}};
    return PlayerParam{false, 0, unpackMidi(wParam)};
}

// Status bytes that receivers of the suite act on.
namespace midi_status {
inline constexpr std::uint32_t NoteCh2 = 145;
inline constexpr std::uint32_t NoteCh3 = 146;
inline constexpr std::uint32_t NoteCh6 = 149;
inline constexpr std::uint32_t ControlCh2 = 177;
inline constexpr std::uint32_t ControlCh3 = 178;
inline constexpr std::uint32_t ControlCh6 = 181;
}  // namespace midi_status

// First data bytes (note or controller numbers) by receiver and status. A
// note acts only when its velocity is not 0, unless its receiver says so.
namespace preview_midi {  // Tonello_Preview
inline constexpr std::uint32_t NoteEnd = 33, NoteOutro = 34, NoteIntro = 35, NotePlay = 36;
inline constexpr std::uint32_t NoteReset = 98, NoteResetToo = 99, NoteStop = 100;  // status 146
inline constexpr std::uint32_t CtrlVolume = 20, CtrlSeek = 96;                     // status 178
}  // namespace preview_midi

namespace orvelia_midi {  // Tonello
// status 145
inline constexpr std::uint32_t NoteFocusSearch = 4, NoteCharts = 5, NoteTitInt = 6;
inline constexpr std::uint32_t NoteFontLarger = 20, NoteFontSmaller = 21, NoteLighter = 22, NoteDarker = 23;
inline constexpr std::uint32_t NoteTakeOverHold = 33;  // velocity 0 restores
inline constexpr std::uint32_t NotePreviewW = 34, NotePreview = 35, NoteAdd = 36, NoteFirstFile = 41;
inline constexpr std::uint32_t NoteStop2 = 97, NoteStop = 98, NotePause = 99, NotePlay = 100;
// status 146
inline constexpr std::uint32_t NoteSingle = 4, NoteRandom = 5, NoteDelete = 33, NotePreviewPlay = 35;
inline constexpr std::uint32_t NoteMoveTop = 36, NoteCrossFade2 = 38, NoteCrossFade10 = 39;
// status 149
inline constexpr std::uint32_t NoteFocusSearchCh6 = 9;
// status 177
inline constexpr std::uint32_t CtrlVolume = 20, CtrlFileJog = 96;
// status 178
inline constexpr std::uint32_t CtrlPlaylistJog = 96, CtrlPlaylistMove = 112;
// status 181
inline constexpr std::uint32_t CtrlCrossX = 2, CtrlCross = 47, CtrlPageJog = 96;
}  // namespace orvelia_midi

namespace singalo_midi {
// status 145
inline constexpr std::uint32_t NotePrevFolder = 4, NoteNextFolder = 7, NoteUp = 5, NoteDown = 6;
inline constexpr std::uint32_t NoteSoundOff = 20, NoteSoundOn = 21, NotePlay = 22, NoteStop = 23;
// status 146: notes 0..7 choose the visualisation modes
inline constexpr std::uint32_t NoteFirstVisual = 0, NoteLastVisual = 7;
// status 181
inline constexpr std::uint32_t CtrlVolume = 3;
}  // namespace singalo_midi

}  // namespace qb::protocol
