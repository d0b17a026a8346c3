#include "tonello/player/tests/tonello_harness.h"

#include <filesystem>

#include "platform/testing/temp_home.h"

namespace qb::tonello::testing {

namespace fs = std::filesystem;

Machine::Machine()
    : home(qb::testing::makeTempDir("home")), settings(home + "/.config/Quillbrook") {
    folders.setLocalAppData(home + "/.local/share");
    folders.setDocuments(home + "/Documents");
    folders.setMusic(home + "/Music");
    folders.setDownloads(home + "/Downloads");
    folders.setCurrentDirectory(home);
}

std::string Machine::settingsFile() const { return home + "/.config/Quillbrook/Orvelia.reg"; }

Tonello::Tonello(Machine& m, int waveOutputs, int midiInputs, std::unique_ptr<Processes> processes)
    : machine(m),
      ownProcesses(std::move(processes)),
      devices(midiInputs, waveOutputs),
      output(std::make_unique<VirtualOutput>(m.loop)),
      outputView(output.get()),
      audio(std::make_unique<AudioEngine>(std::move(output))),
      program(services) {
    services.loop = &m.loop;
    services.settings = &m.settings;
    services.messages = &m.messages;
    services.dialogs = &dialogs;
    services.processes = ownProcesses ? ownProcesses.get() : &recorded;
    services.folders = &m.folders;
    services.drives = &m.drives;
    services.devices = &devices;
    services.audio = audio.get();
}

Tonello::~Tonello() = default;

bool Tonello::closeAnswering(int answer) {
    dialogs.answerModal([answer](Form& f) {
        auto& jn = static_cast<TJNForm&>(f);
        (answer == mrYes ? jn.JaBitBtn : jn.NeinBitBtn).click();
    });
    return form().close();
}

}  // namespace qb::tonello::testing
