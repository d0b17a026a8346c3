// Tonello: the main music player.
#include <QApplication>
#include <QSocketNotifier>

#include <clocale>
#include <csignal>
#include <sys/socket.h>
#include <unistd.h>

#include "platform/audio/audio_engine.h"
#include "platform/audio/sdl_output.h"
#include "platform/messages/socket_message_bus.h"
#include "platform/qt/qt_dialogs.h"
#include "platform/qt/qt_event_loop.h"
#include "platform/qt/qt_view.h"
#include "platform/settings/reg_file_store.h"
#include "platform/system/alsa_sdl_devices.h"
#include "platform/system/system_drives.h"
#include "platform/system/system_processes.h"
#include "platform/system/xdg_known_folders.h"
#include "tonello/player/tonello_program.h"

namespace {
int g_signalPipe[2] = {-1, -1};

void onSignal(int) {
    const char c = 1;
    [[maybe_unused]] const auto n = write(g_signalPipe[1], &c, 1);
}
}  // namespace

int main(int argc, char** argv) {
    QApplication app(argc, argv);
    std::setlocale(LC_NUMERIC, "C");

    qb::QtEventLoop loop;
    qb::RegFileStore settings;
    qb::SocketMessageBus messages;
    qb::QtView view;
    qb::QtDialogs dialogs(view);
    qb::SystemProcesses processes;
    qb::XdgKnownFolders folders;
    qb::SystemDrives drives;
    qb::AlsaSdlDevices devices;
    qb::AudioEngine audio(std::make_unique<qb::SdlOutput>());

    qb::Services services;
    services.loop = &loop;
    services.settings = &settings;
    services.messages = &messages;
    services.dialogs = &dialogs;
    services.processes = &processes;
    services.folders = &folders;
    services.drives = &drives;
    services.devices = &devices;
    services.audio = &audio;

    qb::tonello::TonelloProgram program(services);
    if (!program.start()) return 0;  // another Tonello runs and came to the front
    view.show(*program.MPlayForm);

    // The desktop session ends: close as after "Ja", settings written first.
    if (socketpair(AF_UNIX, SOCK_STREAM, 0, g_signalPipe) == 0) {
        auto* notifier = new QSocketNotifier(g_signalPipe[0], QSocketNotifier::Read, &app);
        QObject::connect(notifier, &QSocketNotifier::activated, [&] {
            char c;
            [[maybe_unused]] const auto n = read(g_signalPipe[0], &c, 1);
            program.MPlayForm->sessionEnd();
        });
        struct sigaction sa {};
        sa.sa_handler = onSignal;
        sigemptyset(&sa.sa_mask);
        sa.sa_flags = SA_RESTART;
        sigaction(SIGTERM, &sa, nullptr);
        sigaction(SIGINT, &sa, nullptr);
    }
    return loop.exec();
}
