#pragma once
// The copy progress window "Kopiere Datei", made at start-up and hidden
// until a copy runs. (The help window is shared with the preview:
// shared/forms/help_form.h.)

#include "platform/controls/controls.h"

namespace qb::tonello {

class TCopyForm : public Form {
public:
    TCopyForm();
    Label DateinameLabel{this, "DateinameLabel"};
    ProgressBar ProgressBar1{this, "ProgressBar"};
    Button OKBitBtn{this, "OKBitBtn", "&OK"};
};

}  // namespace qb::tonello
