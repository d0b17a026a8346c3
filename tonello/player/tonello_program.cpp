#include "tonello/player/tonello_program.h"

#include "platform/core/event_loop.h"
#include "platform/settings/settings_key.h"

namespace qb::tonello {

TonelloProgram::TonelloProgram(Services& s) : services(s) {}

TonelloProgram::~TonelloProgram() {
    // The other windows go before the main window that owns them.
    EqForm.reset();
    AboutBox.reset();
    JNForm.reset();
    HelpForm.reset();
    CopyForm.reset();
    MPlayForm.reset();
}

bool TonelloProgram::start() {
    MPlayForm = std::make_unique<TMPlayForm>(services);
    if (!MPlayForm->FormCreate()) return false;
    CopyForm = std::make_unique<TCopyForm>();
    HelpForm = std::make_unique<THelpForm>();
    JNForm = std::make_unique<TJNForm>();
    AboutBox = std::make_unique<TAboutBox>();
    AboutBox->registerWindow(*services.messages, [this] { MPlayForm->bringToFront(); });
    EqForm = std::make_unique<TEqForm>();
    EqForm->FormCreate(SettingsKey(*services.settings, kSettingsKey));
    MPlayForm->setCompanions(JNForm.get(), EqForm.get());
    MPlayForm->afterClose = [this](Form&) { services.loop->quit(0); };
    MPlayForm->show();
    MPlayForm->FormResize();
    return true;
}

}  // namespace qb::tonello
