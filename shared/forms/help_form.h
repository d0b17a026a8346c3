#pragma once
// The help window "Hilfe" of Tonello and Tonello_Preview: eleven pages of
// help text, each with a help context; the caller names the context it wants
// and shows the window (not modal). The window keeps its last page between
// showings.

#include "platform/controls/controls.h"

namespace qb {

class THelpForm : public Form {
public:
    THelpForm();

    // Sets HelpContextWanted and shows the window on the page of that
    // context (page 0 for a context no page has).
    void showContext(int context);

    Label TopLabel{this, "TopLabel"};
    Button ZurueckBitBtn{this, "ZurueckBitBtn", "Zurück"};
    Button WeiterBitBtn{this, "WeiterBitBtn", "Weiter"};
    Button OKBitBtn{this, "OKBitBtn", "&OK"};

    int HelpContextWanted = 1;
    int HelpPageIndex = 0;
};

}  // namespace qb
