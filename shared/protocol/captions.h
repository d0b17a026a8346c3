#pragma once
// The captions by which the programs find one another's windows. No program
// changes its caption while it runs, so these are stable addresses.

namespace qb::protocol::caption {

inline constexpr const char* Orvelia = "Orvelia";           // main window of Tonello
inline constexpr const char* InfoOrvelia = "Info Orvelia";  // hidden info window of Tonello
inline constexpr const char* Preview = "Preview";           // Tonello_Preview
inline constexpr const char* Singalo = "Singalo";
inline constexpr const char* Kinolux = "Kinolux";
inline constexpr const char* Padlink = "Padlink";      // outside MIDI companion
inline constexpr const char* Valdoro = "Valdoro";      // outside players that take
inline constexpr const char* Marquesta = "Marquesta";  // Kinolux's reports when
inline constexpr const char* Lumbrato = "Lumbrato";    // no Singalo runs
inline constexpr const char* Scintara = "Scintara";    // outside display of numbers

}  // namespace qb::protocol::caption
