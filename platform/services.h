#pragma once
// The services a program's forms run on. The program's main fills it with the
// real implementations; a test fills it with test ones (virtual loop, scripted
// dialogs, in-process messages, temporary folders). Forms reach every platform
// operation through it and through nothing else.

namespace qb {

class EventLoop;       // platform/core/event_loop.h
class SettingsStore;   // platform/settings/settings_store.h
class MessageBus;      // platform/messages/message_bus.h
class Dialogs;         // platform/controls/dialogs.h
class Processes;       // platform/system/processes.h
class KnownFolders;    // platform/system/known_folders.h
class Drives;          // platform/system/drives.h
class SystemDevices;   // platform/system/system_devices.h (MIDI inputs, ...)
class AudioEngine;     // platform/audio/audio_engine.h

struct Services {
    EventLoop* loop = nullptr;
    SettingsStore* settings = nullptr;
    MessageBus* messages = nullptr;
    Dialogs* dialogs = nullptr;
    Processes* processes = nullptr;
    KnownFolders* folders = nullptr;
    Drives* drives = nullptr;
    SystemDevices* devices = nullptr;
    AudioEngine* audio = nullptr;
};

}  // namespace qb
