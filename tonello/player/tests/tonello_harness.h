#pragma once
// Tonello driven headless: virtual time, scripted dialogs, in-process
// messages, temporary folders, the settings file of the private home and an
// audio engine on a virtual output.

#include <memory>
#include <string>

#include "platform/audio/audio_engine.h"
#include "platform/audio/virtual_output.h"
#include "platform/controls/scripted_dialogs.h"
#include "platform/core/virtual_loop.h"
#include "platform/messages/local_message_bus.h"
#include "platform/services.h"
#include "platform/settings/reg_file_store.h"
#include "platform/system/fixed_devices.h"
#include "platform/system/fixed_drives.h"
#include "platform/system/fixed_known_folders.h"
#include "platform/system/recording_processes.h"
#include "tonello/player/tonello_program.h"

namespace qb::tonello::testing {

// The machine a Tonello runs on; several programs may share one.
struct Machine {
    Machine();
    std::string home;  // a fresh folder for each machine
    VirtualLoop loop;
    LocalMessageBus messages{loop};
    RegFileStore settings;
    FixedKnownFolders folders;
    FixedDrives drives;

    std::string settingsFile() const;
};

// One running Tonello on a machine.
struct Tonello {
    explicit Tonello(Machine& m, int waveOutputs = 1, int midiInputs = 0,
                     std::unique_ptr<Processes> processes = nullptr);
    ~Tonello();

    Machine& machine;
    ScriptedDialogs dialogs;
    RecordingProcesses recorded;
    std::unique_ptr<Processes> ownProcesses;
    FixedDevices devices;
    std::unique_ptr<VirtualOutput> output;  // owned by the engine after start
    VirtualOutput* outputView = nullptr;
    std::unique_ptr<AudioEngine> audio;
    Services services;
    TonelloProgram program;

    TMPlayForm& form() { return *program.MPlayForm; }
    // Ask to close; the close question gets the given answer.
    bool closeAnswering(int answer);
};

}  // namespace qb::tonello::testing
