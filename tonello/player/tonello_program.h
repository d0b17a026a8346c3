#pragma once
// The windows of Tonello, made in their order at start-up: the main window
// (whose creation runs before the others exist), then "Kopiere Datei",
// "Hilfe", "Achtung", "Info Orvelia" and "Eqalizer". The program's main and
// the tests both run Tonello through this class.

#include <memory>

#include "platform/services.h"
#include "shared/forms/help_form.h"
#include "shared/forms/jn_form.h"
#include "tonello/player/about_box.h"
#include "tonello/player/eq_form.h"
#include "tonello/player/side_forms.h"
#include "tonello/player/tmplay_form.h"

namespace qb::tonello {

class TonelloProgram {
public:
    explicit TonelloProgram(Services& services);
    ~TonelloProgram();

    // Make every window and show the main one. False when another Tonello
    // runs: nothing is shown and the program ends with exit code 0.
    bool start();

    Services& services;
    std::unique_ptr<TMPlayForm> MPlayForm;
    std::unique_ptr<TCopyForm> CopyForm;
    std::unique_ptr<THelpForm> HelpForm;
    std::unique_ptr<TJNForm> JNForm;
    std::unique_ptr<TAboutBox> AboutBox;
    std::unique_ptr<TEqForm> EqForm;
};

}  // namespace qb::tonello
