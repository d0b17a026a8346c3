#include "shared/forms/help_form.h"

namespace qb {

THelpForm::THelpForm() : Form("HelpForm", "Hilfe") {
    setFormStyle(FormStyle::StayOnTop);
    setPosition(FormPosition::ScreenCenter);
    setClientSize(464, 341);
    setVisible(false);
    TopLabel.setBounds(12, 8, 400, 20);
    ZurueckBitBtn.setBounds(12, 306, 75, 25);
    WeiterBitBtn.setBounds(96, 306, 75, 25);
    OKBitBtn.setBounds(376, 306, 75, 25);
    OKBitBtn.onClick = [this] { hide(); };
}

void THelpForm::showContext(int context) {
    HelpContextWanted = context;
    show();
}

}  // namespace qb
