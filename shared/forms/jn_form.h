#pragma once
// The yes/no window "Achtung" that asks before a program ends. "&Nein" is
// focused and is the default and the cancel button, so Return or Escape keep
// the program running.

#include "platform/controls/controls.h"

namespace qb {

class TJNForm : public Form {
public:
    TJNForm();

    Label TextLabel{this, "TextLabel", "Das Programm beenden ?"};
    Button JaBitBtn{this, "JaBitBtn", "&Ja"};
    Button NeinBitBtn{this, "NeinBitBtn", "&Nein"};
};

}  // namespace qb
