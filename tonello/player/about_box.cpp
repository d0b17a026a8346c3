#include "tonello/player/about_box.h"

#include "shared/protocol/captions.h"
#include "shared/protocol/commands.h"

namespace qb::tonello {

TAboutBox::TAboutBox() : Form("AboutBox", protocol::caption::InfoOrvelia) {
    setBorderStyle(BorderStyle::Dialog);
    setPosition(FormPosition::ScreenCenter);
    setFont(Font::fromPixels("Arial", 13, true));
    setClientSize(298, 210);
    setVisible(false);

    Panel1.setBounds(8, 8, 281, 161);
    Panel1.setBevelOuter(Bevel::Lowered);
    ProgramIcon.setBounds(8, 8, 32, 32);
    ProductName.setBounds(88, 16, 180, 16);
    Version.setBounds(88, 40, 180, 16);
    AnzahlLabel.setBounds(8, 72, 260, 16);
    AnzahlLabel.setHint("Anzahl aller Titel");
    StartLabel.setBounds(8, 92, 260, 16);
    StartLabel.setHint("Letzte Wiedergabe");
    LiedLabel.setBounds(8, 112, 260, 16);
    LiedLabel.setHint("Letztes Lied");
    WwwLabel.setBounds(8, 136, 260, 16);
    WwwLabel.setWordWrap(true);
    OKBitBtn.setBounds(111, 176, 75, 25);
    OKBitBtn.setDefault(true);
    OKBitBtn.setCancel(true);
    OKBitBtn.setModalResult(mrOk);
}

TAboutBox::~TAboutBox() {
    if (bus_ && handle_) bus_->unregisterWindow(handle_);
}

void TAboutBox::registerWindow(MessageBus& bus, std::function<void()> bringToFront) {
    bus_ = &bus;
    handle_ = bus.registerWindow(caption(), [bringToFront](const WindowMessage& m) -> std::int32_t {
        if (m.kind == MessageKind::PlayerCmd && m.wParam == protocol::info_cmd::ToFront && bringToFront)
            bringToFront();
        return 0;
    });
}

}  // namespace qb::tonello
