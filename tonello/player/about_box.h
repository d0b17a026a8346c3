#pragma once
// The info window "Info Orvelia". It exists hidden for the whole run and so
// marks a running Tonello: a second one finds it, sends it command 99 and
// ends; the window then brings this program to the front.

#include <functional>

#include "platform/controls/controls.h"
#include "platform/messages/message_bus.h"

namespace qb::tonello {

class TAboutBox : public Form {
public:
    TAboutBox();
    ~TAboutBox() override;

    // Make the window findable; bringToFront runs on command 99.
    void registerWindow(MessageBus& bus, std::function<void()> bringToFront);

    Panel Panel1{this, "Panel1"};
    Label ProductName{&Panel1, "ProductName", "Brenviks mp3-Player"};
    Label Version{&Panel1, "Version", "Version 1.0.0"};
    Label AnzahlLabel{&Panel1, "AnzahlLabel"};
    Label StartLabel{&Panel1, "StartLabel", "01.01.2000 00:00:00"};
    Label LiedLabel{&Panel1, "LiedLabel"};
    Image ProgramIcon{&Panel1, "ProgramIcon"};
    Label WwwLabel{&Panel1, "WwwLabel"};
    Button OKBitBtn{this, "OKBitBtn", "&OK"};

private:
    MessageBus* bus_ = nullptr;
    WindowHandle handle_ = 0;
};

}  // namespace qb::tonello
