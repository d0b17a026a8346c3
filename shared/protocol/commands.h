#pragma once
// WM_PLAYERCMD and its command codes, grouped by the window that receives them.
// wParam carries the code (or a packed MIDI message, midi.h), lParam the
// argument (0 when a command has none). Each group's kAll lists the codes that
// receiver tests before it decodes wParam as MIDI.

#include <array>
#include <cstdint>

namespace qb::protocol {

inline constexpr std::uint32_t WM_PLAYERCMD = 33168;  // WM_APP + 400

// "Preview" (Tonello_Preview), sent by Tonello.
namespace preview_cmd {
inline constexpr std::uint32_t PlayTitle = 1;    // lParam: title address (title_address.h)
inline constexpr std::uint32_t Stop = 2;
inline constexpr std::uint32_t End = 3;          // end the program without asking
inline constexpr std::uint32_t ReloadLists = 9;  // read the list of list files again
inline constexpr std::array<std::uint32_t, 4> kAll = {PlayTitle, Stop, End, ReloadLists};
}  // namespace preview_cmd

// "Orvelia" (Tonello's main window).
namespace orvelia_cmd {
inline constexpr std::uint32_t PreviewStopped = 2;  // from Tonello_Preview
inline constexpr std::uint32_t ToFront = 8;
inline constexpr std::uint32_t TakeOverOn = 11;
inline constexpr std::uint32_t TakeOverOff = 12;
inline constexpr std::uint32_t PlayItem = 13;
inline constexpr std::uint32_t StopAll = 14;
inline constexpr std::uint32_t DlStart = 15;     // lParam: start point in ms of the page-100 title, 0 clears
inline constexpr std::uint32_t Remaining1 = 31;  // lParam: position in ms on deck 1
inline constexpr std::uint32_t Remaining2 = 32;  // ... on deck 2
inline constexpr std::uint32_t EndPoint1 = 33;   // lParam: end point in ms of deck 1
inline constexpr std::uint32_t EndPoint2 = 34;   // ... of deck 2
inline constexpr std::uint32_t PasteSearch = 50;
inline constexpr std::array<std::uint32_t, 12> kAll = {PreviewStopped, ToFront, TakeOverOn, TakeOverOff,
                                                       PlayItem, StopAll, DlStart, Remaining1,
                                                       Remaining2, EndPoint1, EndPoint2, PasteSearch};
}  // namespace orvelia_cmd

// "Info Orvelia": a second Tonello sends this synchronously, then ends.
namespace info_cmd {
inline constexpr std::uint32_t ToFront = 99;
inline constexpr std::array<std::uint32_t, 1> kAll = {ToFront};
}  // namespace info_cmd

// "Singalo".
namespace singalo_cmd {
inline constexpr std::uint32_t ToFront = 8;
inline constexpr std::uint32_t StartAnnouncedVideo = 41;  // lParam: start offset in ms (from Tonello)
inline constexpr std::uint32_t VideoClosed = 43;          // lParam: end reason (from Kinolux)
inline constexpr std::uint32_t VideoPosition = 44;        // lParam: position in ms
inline constexpr std::uint32_t VideoLength = 45;          // lParam: length in ms
inline constexpr std::uint32_t RereadFolder = 60;
inline constexpr std::array<std::uint32_t, 6> kAll = {ToFront, StartAnnouncedVideo, VideoClosed,
                                                      VideoPosition, VideoLength, RereadFolder};
}  // namespace singalo_cmd

// "Kinolux".
namespace kinolux_cmd {
inline constexpr std::uint32_t Close = 3;
inline constexpr std::uint32_t SeekAndPlay = 41;  // lParam: position in ms
inline constexpr std::uint32_t Pause = 42;        // lParam: one of the pause modes below
inline constexpr std::uint32_t Stop = 43;
inline constexpr std::uint32_t Seek = 44;         // lParam: position in ms
inline constexpr std::uint32_t Volume = 46;       // lParam: 0..127
inline constexpr std::array<std::uint32_t, 6> kAll = {Close, SeekAndPlay, Pause, Stop, Seek, Volume};

// lParam of Pause; any value other than 1, 2, 3 toggles.
inline constexpr std::int32_t PauseToggle = 0;
inline constexpr std::int32_t PauseResume = 1;
inline constexpr std::int32_t PauseOnly = 2;
inline constexpr std::int32_t PauseStop = 3;
}  // namespace kinolux_cmd

// What Kinolux reports to "Singalo" (or "Valdoro", "Marquesta", "Lumbrato").
namespace report_cmd {
inline constexpr std::uint32_t Closed = 43;    // lParam: end reason below
inline constexpr std::uint32_t Position = 44;  // lParam: position in ms, every 100 ms while playing
inline constexpr std::uint32_t Length = 45;    // lParam: length in ms, once the file is open
inline constexpr std::array<std::uint32_t, 3> kAll = {Closed, Position, Length};

inline constexpr std::int32_t EndOther = 0;         // e.g. the file does not exist
inline constexpr std::int32_t EndReached = 1;       // the position came within 1000 ms of the end
inline constexpr std::int32_t EndDoubleClick = 2;
inline constexpr std::int32_t EndClosedByCommand = 3;
}  // namespace report_cmd

// "Padlink", the outside MIDI companion.
namespace padlink_cmd {
inline constexpr std::uint32_t End = 3;      // lParam: the sender, below
inline constexpr std::uint32_t Started = 5;  // lParam 0
inline constexpr std::uint32_t Active = 8;   // lParam: the sender whose window became active
inline constexpr std::array<std::uint32_t, 3> kAll = {End, Started, Active};

// lParam values that name the sender.
inline constexpr std::int32_t ActiveTonello = 1;
inline constexpr std::int32_t ActiveSingalo = 3;
inline constexpr std::int32_t EndTonello = 0;
inline constexpr std::int32_t EndSingalo = 3;
}  // namespace padlink_cmd

// "Scintara", the outside display: sent synchronously.
namespace scintara_cmd {
inline constexpr std::uint32_t Number = 1000;  // lParam: the number of the current lyrics line
inline constexpr std::array<std::uint32_t, 1> kAll = {Number};
}  // namespace scintara_cmd

}  // namespace qb::protocol
