#pragma once
// The copy progress window "Kopiere Datei" and the help window "Hilfe".
// Both are made at start-up and stay hidden until used.

#include "platform/controls/controls.h"

namespace qb::tonello {

class TCopyForm : public Form {
public:
    TCopyForm();
    Label DateinameLabel{this, "DateinameLabel"};
    ProgressBar ProgressBar1{this, "ProgressBar"};
    Button OKBitBtn{this, "OKBitBtn", "&OK"};
};

class THelpForm : public Form {
public:
    THelpForm();
    Label TopLabel{this, "TopLabel"};
    Button ZurueckBitBtn{this, "ZurueckBitBtn", "<<"};
    Button WeiterBitBtn{this, "WeiterBitBtn", ">>"};
    Button OKBitBtn{this, "OKBitBtn", "&OK"};
};

}  // namespace qb::tonello
