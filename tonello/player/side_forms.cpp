#include "tonello/player/side_forms.h"

namespace qb::tonello {

TCopyForm::TCopyForm() : Form("CopyForm", "Kopiere Datei") {
    setBorderStyle(BorderStyle::Dialog);
    setFormStyle(FormStyle::StayOnTop);
    setPosition(FormPosition::ScreenCenter);
    setClientSize(360, 110);
    setVisible(false);
    DateinameLabel.setBounds(12, 12, 336, 16);
    ProgressBar1.setBounds(12, 36, 336, 18);
    OKBitBtn.setBounds(142, 70, 75, 25);
    OKBitBtn.onClick = [this] { hide(); };
}

}  // namespace qb::tonello
