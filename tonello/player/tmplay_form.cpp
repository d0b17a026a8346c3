// The life cycle of the main window: creation, activation, the companions'
// start, the close question with the settings written, and the layout.
#include "tonello/player/tmplay_form.h"

#include <algorithm>
#include <cmath>
#include <cstdio>
#include <filesystem>
#include <system_error>

#include "platform/audio/audio_engine.h"
#include "platform/controls/dialogs.h"
#include "platform/core/event_loop.h"
#include "platform/core/text.h"
#include "platform/settings/settings_key.h"
#include "platform/system/known_folders.h"
#include "platform/system/processes.h"
#include "platform/system/system_devices.h"
#include "shared/forms/jn_form.h"
#include "shared/protocol/captions.h"
#include "shared/protocol/command_lines.h"
#include "shared/protocol/program_start.h"
#include "shared/protocol/commands.h"
#include "shared/protocol/senders.h"
#include "tonello/library/library_folders.h"
#include "tonello/library/list_file_names.h"
#include "tonello/library/play_log.h"
#include "tonello/player/eq_form.h"

namespace qb::tonello {

namespace fs = std::filesystem;

TMPlayForm::TMPlayForm(Services& services)
    : Form("MPlayForm", protocol::caption::Orvelia),
      StartTimer(*services.loop, "StartTimer", 1000, false),
      CheckTimer(*services.loop, "CheckTimer", 200, false),
      UBcTimer(*services.loop, "UBcTimer", 100, false),
      UBlTimer(*services.loop, "UBlTimer", 100, false),
      PostTimer(*services.loop, "PostTimer", 10000, false),
      svc_(services) {
    designControls();
    designMenus();
    setVisible(false);

    StartTimer.onTimer = [this] { StartTimerTimer(); };
    StartpreviewItem.onClick = [this] { StartpreviewItemClick(); };
    StartMidiItem.onClick = [this] { StartMidiItemClick(); };
    FileExitItem.onClick = [this] { FileExitItemClick(); };
    LsTrackBar.onChange = [this] { LsTrackBarChange(); };
    UeberblendScrollBar.onChange = [this] { UeberblendScrollBarChange(); };
    onActivate = [this] { FormActivate(); };
    onCloseQuery = [this](bool& canClose) { FormCloseQuery(canClose); };
    onResize = [this] { FormResize(); };
}

TMPlayForm::~TMPlayForm() {
    if (Handle) svc_.messages->unregisterWindow(Handle);
}

bool TMPlayForm::FormCreate() {
    // 1. One Tonello at a time: the running one comes to the front.
    if (protocol::wakeFirstInstance(*svc_.messages)) return false;
    // 2. Random numbers from the clock.
    Random.seed(static_cast<std::uint32_t>(svc_.loop->monotonicMs() ^
                                           static_cast<std::int64_t>(svc_.loop->now() * 86400000.0)));
    // 3. Designed place and size.
    setBounds(0, 0, 800, 580);
    // 4. Folders.
    determineFolders();
    // 5. Dialog presets.
    PlayOpenDialog.initialDir = PlaylistFolder;
    PlayOpenDialog.fileName = PlaylistFolder + "/Playlist.txt";
    MusikSaveDialog.initialDir = MusicFolder;
    // 6. The deck copies of the last run go.
    for (const std::string& f : DeckFiles) {
        std::error_code ec;
        fs::remove(f, ec);
    }
    // 7. Defaults.
    UeberblendScrollBar.setPosition(10);
    CurrentPage = 1;
    StartTime = svc_.loop->now();
    // 8. Stored settings.
    readSettings();
    // 9. The play log of the evening (it runs on until 06:00 next morning).
    LogDate = playLogDate(svc_.loop->now());
    PlayLogFile = playLogPath(PlaylistFolder, LogDate);
    ensurePlayLog(PlayLogFile);
    // 10. The pages of the library.
    LoadPageList();
    // 11. No deck plays; all player flags are clear (their defaults).
    PreviewActive = false;
    // 12. The companions start one second after start-up when there is a
    // second sound card or a MIDI controller.
    if (svc_.devices->waveOutputCount() >= 2 || svc_.devices->midiInputCount() >= 1)
        StartTimer.setEnabled(true);
    // 13. The application's activation runs FormActivate (onActivate).
    // 14. Sound output on the default device.
    if (!svc_.audio->init(-1, 44100))
        svc_.dialogs->messageBox("Error initializing audio!", caption(), MsgButtons::Ok, MsgIcon::Error);
    // 15. The volume bar sets the program's output volume.
    LsTrackBarChange();
    // 16. A random title for an empty playlist comes with the playlist.

    Handle = svc_.messages->registerWindow(caption(), [this](const WindowMessage& m) { return windowMessage(m); });
    return true;
}

void TMPlayForm::determineFolders() {
    KnownFolders& kf = *svc_.folders;
    const std::optional<std::string> localAppData = kf.localAppData();
    const std::optional<std::string> documents = kf.documents();
    const std::optional<std::string> music = kf.music();
    const std::string home = [] {
        const char* h = std::getenv("HOME");
        return std::string(h ? h : "/");
    }();
    const LibraryFolders folders = prepareLibraryFolders(localAppData, documents);
    DataFolder = folders.dataFolder;
    PlaylistFolder = folders.playlistFolder;
    FirstRun = folders.firstRun;
    const std::string shellMusic = music ? *music : documents ? *documents : home;
    MusicFolder = shellMusic;
    DownloadFolder1 = kf.downloads().value_or("");
    DownloadFolder2 = shellMusic + "/Amazon MP3";
    for (int i = 0; i < 4; ++i) DeckFiles[i] = DataFolder + "/Play" + std::to_string(i + 1) + ".mp3";
}

void TMPlayForm::readSettings() {
    PlayerSettings s;
    s.musikordner = MusicFolder;
    s.musikspeichernordner = MusikSaveDialog.initialDir;
    s.playlist = PlayOpenDialog.fileName;
    s.start = StartTime;
    s.ueberblend = UeberblendScrollBar.position();
    const SettingsKey key(*svc_.settings, kSettingsKey);
    readPlayerSettings(key, s);

    setBounds(s.left, s.top, s.width, s.height);
    UeberblendScrollBar.setPosition(s.ueberblend);
    LsTrackBar.setPosition(s.lautstaerke);
    ZufallCheckBox.setChecked(s.zufall);
    TOCheckBox.setChecked(s.takeover);
    TOLSTrackBar.setPosition(s.takeoverls);
    Suchmethode = s.suchmethode;
    (Suchmethode ? ID3TagRadioButton : DateinamenRadioButton).setChecked(true);
    MusicFolder = s.musikordner;
    MusikSaveDialog.initialDir = s.musikspeichernordner;
    PlayOpenDialog.fileName = s.playlist;
    PlayOpenDialog.initialDir = fs::path(s.playlist).parent_path().string();
    Anzahl = s.anzahl;
    Lied = s.lied;
    StartTime = s.start;
    // The save dialog starts where the open dialog does.
    PlaySaveDialog.initialDir = PlayOpenDialog.initialDir;
    PlaySaveDialog.fileName = PlayOpenDialog.fileName;
}

void TMPlayForm::writeSettings() {
    PlayerSettings s;
    s.top = top();
    s.left = left();
    s.height = height();
    s.width = width();
    s.ueberblend = UeberblendScrollBar.position();
    s.lautstaerke = LsTrackBar.position();
    s.zufall = ZufallCheckBox.checked();
    s.takeover = TOCheckBox.checked();
    s.takeoverls = TOLSTrackBar.position();
    s.playlist = PlayOpenDialog.fileName;
    s.suchmethode = Suchmethode;
    s.musikordner = MusicFolder;
    s.musikspeichernordner = MusikSaveDialog.initialDir;
    s.anzahl = Anzahl;
    s.lied = Lied;
    s.start = StartTime;
    SettingsKey key(*svc_.settings, kSettingsKey);
    setPlayerSettings(key, s, svc_.loop->now());
    if (eqForm_) eqForm_->storeSettings(key);
    key.write();
}

void TMPlayForm::LoadPageList() {
    const std::vector<std::string> files = enumerateListFiles(DataFolder);
    PageTable.assign(files.begin(), files.end());
    LastPage = static_cast<int>(std::min<std::size_t>(files.size(), kMaxListFiles)) - 1;
    GenreListBox.items().clear();
    GenreListBox.setSorted(true);
    for (const std::string& file : PageTable) {
        // "Dateiliste" + name + ".dat": the name, at most 35 characters.
        std::string_view name = file;
        name.remove_prefix(std::min<std::size_t>(10, name.size()));
        name = text::leftChars(name, 35);
        const std::size_t chars = text::charCount(name);
        name = text::leftChars(name, chars >= 4 ? chars - 4 : 0);
        GenreListBox.items().add(std::string(name));
    }
    GenreListBox.items().add("zzzx_Download");
    GenreListBox.items().add("zzzy_Titelliste");
    GenreListBox.items().add("zzzz_Interpretenliste");
    // The last three entries get their shown names in place, so that the
    // entry at index k stays the one of page k.
    GenreListBox.setSorted(false);
    const int n = GenreListBox.count();
    GenreListBox.items().setString(n - 3, "Download");
    GenreListBox.items().setString(n - 2, "Titelliste");
    GenreListBox.items().setString(n - 1, "Interpretenliste");
}

void TMPlayForm::FormActivate() {
    // A fresh installation (FirstRun) starts with the library scan; the flag
    // stays set for it until the scan has run.
    protocol::postTo(*svc_.messages, protocol::caption::Padlink, protocol::padlink_cmd::Active,
                     protocol::padlink_cmd::ActiveTonello);
}

void TMPlayForm::StartTimerTimer() {
    StartTimer.setEnabled(false);
    StartProgram(protocol::previewCommandLine());
    if (svc_.devices->midiInputCount() >= 1) {
        StartProgram(protocol::padlinkCommandLine());
        // The jog-wheel timer of the remote control comes with it.
    }
}

void TMPlayForm::StartpreviewItemClick() {
    if (!svc_.messages->findWindow(protocol::caption::Preview)) StartProgram(protocol::previewCommandLine());
}

void TMPlayForm::StartMidiItemClick() {
    if (const WindowHandle padlink = svc_.messages->findWindow(protocol::caption::Padlink))
        svc_.messages->postMessage(padlink, protocol::padlink_cmd::Started, 0);
    else
        StartProgram(protocol::padlinkCommandLine());
}

void TMPlayForm::StartProgram(const protocol::CommandLine& commandLine) {
    protocol::startProgram(*svc_.processes, *svc_.loop, commandLine);
}

void TMPlayForm::FileExitItemClick() { close(); }

void TMPlayForm::FormCloseQuery(bool& canClose) {
    // 1. The play log of the running title comes with the play log.
    // 2. Ask.
    int answer = mrYes;
    if (!Closing) answer = jnForm_ ? svc_.dialogs->showModal(*jnForm_) : mrNo;
    // 3. The settings are written whatever the answer.
    writeSettings();
    // 4./5.
    if (answer != mrYes) {
        canClose = false;
        return;
    }
    closeDown();
    canClose = true;
}

void TMPlayForm::closeDown() {
    Closing = true;
    StartTimer.setEnabled(false);
    protocol::postTo(*svc_.messages, protocol::caption::Preview, protocol::preview_cmd::End, 0);
    protocol::postTo(*svc_.messages, protocol::caption::Padlink, protocol::padlink_cmd::End, 0);
    svc_.audio->free();
    for (const std::string& f : DeckFiles) {
        std::error_code ec;
        fs::remove(f, ec);
    }
    if (Handle) {
        svc_.messages->unregisterWindow(Handle);
        Handle = 0;
    }
}

void TMPlayForm::sessionEnd() {
    if (Closing) return;
    Closing = true;  // no question: the desktop is going away
    close();
}

void TMPlayForm::FormResize() {
    const int w = clientWidth();
    const int h = clientHeight();
    const int half = w / 2;
    StatusBar1.setPanelWidth(0, w - 110);
    AuswahlGroupBox.setWidth(half - 20);
    PlayerGroupBox.setWidth(half - 20);
    for (ListBox* l : {&DateiListBox, &GenreListBox, &PlayListBox}) {
        l->setWidth(half - 36);
        l->setHeight(h - 216);
    }
    for (SpeedButton* b : columnButtons()) b->setLeft(half - 12);
    // The cross-fade and volume bars stay anchored below the playlist.
    const int below = PlayListBox.top() + PlayListBox.height() + 2;
    UeberblendScrollBar.setTop(below);
    UeberblendLabel.setTop(below);
    LsTrackBar.setTop(below + 18);
    CrossTrackBar.setTop(below + 18);
}

void TMPlayForm::LsTrackBarChange() {
    // 0 is the loudest position, 127 silent: (127 − position) × 512 per channel.
    const std::uint32_t v = static_cast<std::uint32_t>(127 - LsTrackBar.position()) * 512u;
    const float gain = waveVolumeGain(v);
    svc_.audio->setOutputGain(gain, gain);
}

void TMPlayForm::UeberblendScrollBarChange() {
    const int pos = UeberblendScrollBar.position();
    const int ms = pos == 60 ? 90000 : pos * 500;
    char buf[16];
    std::snprintf(buf, sizeof buf, "%4.1f Sek", ms / 1000.0);
    UeberblendLabel.setCaption(buf);
}

std::int32_t TMPlayForm::windowMessage(const WindowMessage&) {
    // The remote commands of the player are handled with the remote control.
    return 0;
}

}  // namespace qb::tonello
