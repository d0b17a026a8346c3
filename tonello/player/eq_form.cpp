#include "tonello/player/eq_form.h"

#include <string>

namespace qb::tonello {

TEqForm::TEqForm() : Form("EqForm", "Eqalizer") {
    setBorderStyle(BorderStyle::Dialog);
    setFormStyle(FormStyle::StayOnTop);
    setFont(Font::fromPixels("Arial", 13, true));
    setClientSize(324, 231);
    setVisible(false);

    EqCheckBox.setBounds(16, 200, 120, 20);
    EqCheckBox.setHint("Equalizer einschalten");
    EqCheckBox.onClick = [this] { EqCheckBoxClick(); };
    const auto b = bars();
    const auto v = valueLabels();
    const std::array<Label*, 5> names{&Label80, &Label250, &Label1k, &Label4k, &Label15k};
    for (int i = 0; i < 5; ++i) {
        const int x = 16 + i * 62;
        b[i]->setOrientation(Orientation::Vertical);
        b[i]->setRange(-15, 15);
        b[i]->frequency = 2;
        b[i]->setBounds(x, 28, 40, 150);
        b[i]->onChange = [this, i] { bandChanged(i); };
        v[i]->setBounds(x, 8, 50, 16);
        names[i]->setBounds(x, 180, 50, 16);
    }
}

void TEqForm::FormCreate(const SettingsKey& key) {
    if (key.exists()) {
        int top = this->top(), left = this->left();
        if (key.readInteger("EqTop", top)) setTop(top);
        if (key.readInteger("EqLeft", left)) setLeft(left);
        int on = 0;
        if (key.readInteger("EqEin", on)) EqCheckBox.setChecked(on != 0);
        const auto b = bars();
        for (int i = 0; i < 5; ++i) {
            int pos = 0;
            if (key.readInteger(kValueNames[i], pos)) b[i]->setPosition(pos);
        }
    }
    EqCheckBoxClick();
}

void TEqForm::storeSettings(SettingsKey& key) {
    key.setInteger("EqTop", top());
    key.setInteger("EqLeft", left());
    key.setBool("EqEin", EqCheckBox.checked());
    const auto b = bars();
    for (int i = 0; i < 5; ++i) key.setInteger(kValueNames[i], b[i]->position());
}

void TEqForm::EqCheckBoxClick() {
    for (TrackBar* bar : bars()) bar->setEnabled(EqCheckBox.checked());
}

void TEqForm::bandChanged(int band) {
    valueLabels()[band]->setCaption(std::to_string(-bars()[band]->position()) + "dB");
}

}  // namespace qb::tonello
