#include "shared/forms/jn_form.h"

namespace qb {

TJNForm::TJNForm() : Form("JNForm", "Achtung") {
    setBorderStyle(BorderStyle::Dialog);
    setFormStyle(FormStyle::StayOnTop);
    setPosition(FormPosition::ScreenCenter);
    setFont(Font::fromPixels("Arial", 13, true));
    setClientSize(250, 100);
    setVisible(false);

    TextLabel.setBounds(24, 16, 200, 20);
    TextLabel.setAlignment(Alignment::Center);
    JaBitBtn.setBounds(32, 56, 80, 28);
    JaBitBtn.setHint("Programmende");
    JaBitBtn.setModalResult(mrYes);
    NeinBitBtn.setBounds(138, 56, 80, 28);
    NeinBitBtn.setHint("Abbrechen");
    NeinBitBtn.setModalResult(mrNo);
    NeinBitBtn.setDefault(true);
    NeinBitBtn.setCancel(true);
    onShow = [this] { NeinBitBtn.setFocus(); };
}

}  // namespace qb
