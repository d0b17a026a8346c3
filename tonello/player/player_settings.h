#pragma once
// The stored settings of the main player (key "Software\Quillbrook\Orvelia").
//
// Each value is taken at start-up only when it is stored with the expected
// type; otherwise the default stays. At close every value is written back
// (the sound card of the preview, "PreviewSD", is not ours to write here).

#include <string>

#include "platform/settings/settings_key.h"

namespace qb::tonello {

inline constexpr const char* kSettingsKey = "Software\\Quillbrook\\Orvelia";

struct PlayerSettings {
    int top = 0;
    int left = 0;
    int height = 580;
    int width = 800;
    int ueberblend = 10;    // position of UeberblendScrollBar (2..60)
    int lautstaerke = 64;   // position of LsTrackBar (0 loudest .. 127 silent)
    bool zufall = false;
    bool takeover = false;
    int takeoverls = 51;    // position of TOLSTrackBar (10..90)
    bool suchmethode = false;  // false: from file names, true: from ID3 tags
    std::string musikordner;
    std::string musikspeichernordner;
    std::string playlist;
    int anzahl = 0;
    std::string lied;
    double start = 0;       // date-time the last started title began
};

// Fills s from the key; values of another type than expected are ignored.
// A stored "Musikordner" is taken only when that folder exists.
void readPlayerSettings(const SettingsKey& key, PlayerSettings& s);

// Sets every value of s and "Datum" (the moment now, as text) on the key.
// The caller writes the key.
void setPlayerSettings(SettingsKey& key, const PlayerSettings& s, double now);

}  // namespace qb::tonello
