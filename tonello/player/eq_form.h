#pragma once
// The equalizer window "Eqalizer": five vertical bars (80 Hz .. 15 kHz, the
// gain is the negated position, −15..15 dB) and the on/off box. It reads its
// stored state when it is made; the main window writes it back at close.

#include <array>

#include "platform/controls/controls.h"
#include "platform/settings/settings_key.h"

namespace qb::tonello {

class TEqForm : public Form {
public:
    TEqForm();

    // Creation: place the window and set the box and bars from the key
    // (each value only when stored as an integer), then EqCheckBoxClick.
    void FormCreate(const SettingsKey& key);
    // The values the main window writes at close.
    void storeSettings(SettingsKey& key);

    void EqCheckBoxClick();
    // The value label of a band follows its bar.
    void bandChanged(int band);

    CheckBox EqCheckBox{this, "EqCheckBox", "Equalizer"};
    TrackBar TrackBar80{this, "TrackBar80"};
    TrackBar TrackBar250{this, "TrackBar250"};
    TrackBar TrackBar1k{this, "TrackBar1k"};
    TrackBar TrackBar4k{this, "TrackBar4k"};
    TrackBar TrackBar15k{this, "TrackBar15k"};
    Label Label80x{this, "Label80x", "0dB"};
    Label Label250x{this, "Label250x", "0dB"};
    Label Label1kx{this, "Label1kx", "0dB"};
    Label Label4kx{this, "Label4kx", "0dB"};
    Label Label15kx{this, "Label15kx", "0dB"};
    Label Label80{this, "Label80", "80Hz"};
    Label Label250{this, "Label250", "250Hz"};
    Label Label1k{this, "Label1k", "1kHz"};
    Label Label4k{this, "Label4k", "4kHz"};
    Label Label15k{this, "Label15k", "15kHz"};

    std::array<TrackBar*, 5> bars() { return {&TrackBar80, &TrackBar250, &TrackBar1k, &TrackBar4k, &TrackBar15k}; }
    std::array<Label*, 5> valueLabels() { return {&Label80x, &Label250x, &Label1kx, &Label4kx, &Label15kx}; }

    // Centre frequencies and stored names of the bands, in band order.
    static constexpr std::array<float, 5> kCentres{80.0f, 250.0f, 1000.0f, 4000.0f, 15000.0f};
    static constexpr std::array<const char*, 5> kValueNames{"Eq80", "Eq250", "Eq1k", "Eq4k", "Eq15k"};
};

}  // namespace qb::tonello
