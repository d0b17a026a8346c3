#pragma once
// The main window of Tonello, caption "Orvelia": the title selection on the
// left (AuswahlGroupBox), the player on the right (PlayerGroupBox), a column
// of speed buttons between them, the tool bar, the status bar, the main menu
// and the boxes that stay hidden until asked for.
//
// This file holds the window's controls and its life cycle: creation with its
// settings, the companions' start, the close question and the layout on
// resize. The decks, the playlist, the scan, the search and the equalizer add
// their handlers to the same controls.

#include <array>
#include <memory>
#include <random>
#include <string>
#include <vector>

#include "platform/audio/audio_engine.h"
#include "platform/controls/controls.h"
#include "platform/services.h"
#include "platform/messages/message_bus.h"
#include "shared/protocol/command_lines.h"
#include "tonello/player/player_settings.h"

namespace qb {
class TJNForm;
}

namespace qb::tonello {

class TEqForm;

class TMPlayForm : public Form {
public:
    explicit TMPlayForm(Services& services);
    ~TMPlayForm() override;

    // The windows made after this one, which the close question and the
    // settings need. Set by the program before it runs.
    void setCompanions(TJNForm* jnForm, TEqForm* eqForm) {
        jnForm_ = jnForm;
        eqForm_ = eqForm;
    }

    // --- life cycle ---
    // False when another Tonello runs: it has been brought to the front and
    // this program ends with exit code 0 before any window shows.
    bool FormCreate();
    void FormActivate();
    void FormCloseQuery(bool& canClose);
    void FormResize();
    void FormDestroy() {}
    void StartTimerTimer();
    void StartpreviewItemClick();
    void StartMidiItemClick();
    void FileExitItemClick();
    // The desktop session ends (SIGTERM, SIGINT): close as after "Ja",
    // without asking, once the settings are written.
    void sessionEnd();
    // Start a program by name and wait 250 ms; the result is not checked.
    void StartProgram(const protocol::CommandLine& commandLine);

    // --- handlers the life cycle calls ---
    void LsTrackBarChange();
    void UeberblendScrollBarChange();
    void LoadPageList();

    // --- equalizer (tmplay_eq.cpp) ---
    // Lays the equalizer's bands on a title as it starts; the bars then act
    // on the title that started last.
    void seteq(StreamHandle stream);

    // --- state kept for the run ---
    std::string DataFolder;
    std::string PlaylistFolder;
    std::string MusicFolder;
    std::string DownloadFolder1;
    std::string DownloadFolder2;
    std::array<std::string, 4> DeckFiles;
    bool FirstRun = false;
    double LogDate = 0;
    std::string PlayLogFile;
    int CurrentPage = 1;
    std::vector<std::string> PageTable;  // list-file names, page order
    int LastPage = -1;
    double StartTime = 0;                // start of the title started last
    std::string Lied;
    int Anzahl = 0;
    bool Suchmethode = false;
    bool PreviewActive = false;
    bool Closing = false;                // the close was confirmed
    WindowHandle Handle = 0;             // this window's message handle
    std::mt19937 Random;

    // --- dialogs ---
    OpenDialog PlayOpenDialog;
    SaveDialog PlaySaveDialog;
    SaveDialog MusikSaveDialog;

    // --- menu ---
    MainMenu MainMenu1{this, "MainMenu1"};
    MenuItem DateiItem{&MainMenu1, "DateiItem", "&Datei"};
    MenuItem FileNewItem{&DateiItem, "FileNewItem", "&Neu", "Ctrl+N"};
    MenuItem FileOpenItem{&DateiItem, "FileOpenItem", "Ö&ffnen", "Ctrl+O"};
    MenuItem FileSaveItem{&DateiItem, "FileSaveItem", "&Speichern", "Ctrl+S"};
    MenuItem FileSep1{&DateiItem, "FileSep1", "-"};
    MenuItem FileSearchItem{&DateiItem, "FileSearchItem", "D&urchsuchen"};
    MenuItem SuchItem{&DateiItem, "SuchItem", "Suchmethode"};
    MenuItem FileSaveAsItem{&DateiItem, "FileSaveAsItem", "Speichern &unter"};
    MenuItem FileSep2{&DateiItem, "FileSep2", "-"};
    MenuItem FileExitItem{&DateiItem, "FileExitItem", "&Beenden", "Alt+X"};

    MenuItem BearbeitenItem{&MainMenu1, "BearbeitenItem", "&Bearbeiten"};
    MenuItem CutItem{&BearbeitenItem, "CutItem", "&Ausschneiden", "Ctrl+X"};
    MenuItem CopyItem{&BearbeitenItem, "CopyItem", "&Kopieren", "Ctrl+C"};
    MenuItem PasteItem{&BearbeitenItem, "PasteItem", "&Einfügen", "Ctrl+V"};
    MenuItem ResetItem{&BearbeitenItem, "ResetItem", "Zurücksetzen"};
    MenuItem UndoresetItem{&BearbeitenItem, "UndoresetItem", "Wiederherstellen"};
    MenuItem EditSep1{&BearbeitenItem, "EditSep1", "-"};
    MenuItem StartpreviewItem{&BearbeitenItem, "StartpreviewItem", "Start Preview"};
    MenuItem StartMidiItem{&BearbeitenItem, "StartMidiItem", "Start Padlink"};

    MenuItem AuswahlItem{&MainMenu1, "AuswahlItem", "&Auswahl"};
    MenuItem VorSeiteItem{&AuswahlItem, "VorSeiteItem", "Vorherige Seite"};
    MenuItem NachSeiteItem{&AuswahlItem, "NachSeiteItem", "Nächste Seite"};
    MenuItem VorhoerItem{&AuswahlItem, "VorhoerItem", "Vor&hören", "Ctrl+H"};
    MenuItem VorhoerwItem{&AuswahlItem, "VorhoerwItem", "Weiter/Vorh.", "Ctrl+Y"};
    MenuItem AddItem{&AuswahlItem, "AddItem", "&Add", "Ctrl+Ins"};

    MenuItem PlayerItem{&MainMenu1, "PlayerItem", "&Player"};
    MenuItem PlayItem{&PlayerItem, "PlayItem", "&Play", "Ctrl+R"};
    MenuItem StopItem{&PlayerItem, "StopItem", "&Stop", "Ctrl+T"};
    MenuItem PauseItem{&PlayerItem, "PauseItem", "Pause", "Ctrl+F2"};
    MenuItem Stop2Item{&PlayerItem, "Stop2Item", "Stop 2", "Ctrl+B"};
    MenuItem LauterItem{&PlayerItem, "LauterItem", "Lauter", "Ctrl+F4"};
    MenuItem LeiserItem{&PlayerItem, "LeiserItem", "Leiser", "Ctrl+F3"};
    MenuItem PlayerSep1{&PlayerItem, "PlayerSep1", "-"};
    MenuItem MoveTopItem{&PlayerItem, "MoveTopItem", "Move &Top"};
    MenuItem MoveUpItem{&PlayerItem, "MoveUpItem", "Move &Up"};
    MenuItem MoveDownItem{&PlayerItem, "MoveDownItem", "Move &Down"};
    MenuItem DelItem{&PlayerItem, "DelItem", "&Delete", "Ctrl+Del"};

    MenuItem OptionenItem{&MainMenu1, "OptionenItem", "&Optionen"};
    MenuItem SchriftgroesserItem{&OptionenItem, "SchriftgroesserItem", "Schrift ver&größern", "Ctrl+F10"};
    MenuItem SchriftkleinerItem{&OptionenItem, "SchriftkleinerItem", "Schrift ver&kleinern", "Ctrl+F9"};
    MenuItem FarbehellItem{&OptionenItem, "FarbehellItem", "&Hell", "Ctrl+F6"};
    MenuItem FarbedunkelItem{&OptionenItem, "FarbedunkelItem", "&Dunkel", "Ctrl+F5"};
    MenuItem Schrift1Item{&OptionenItem, "Schrift1Item", "Schrift Allgemein"};
    MenuItem Schrift2Item{&OptionenItem, "Schrift2Item", "Schrift TextBoxen"};
    MenuItem Farbe1Item{&OptionenItem, "Farbe1Item", "Farbe Hintergrund"};
    MenuItem Farbe2Item{&OptionenItem, "Farbe2Item", "Farbe Textboxen"};
    MenuItem OptSep1{&OptionenItem, "OptSep1", "-"};
    MenuItem TakeoverItem{&OptionenItem, "TakeoverItem", "&Takeover"};
    MenuItem SoundkarteItem{&OptionenItem, "SoundkarteItem", "&Soundkarte"};
    MenuItem EqualizerItem{&OptionenItem, "EqualizerItem", "Equalizer", "Ctrl+E"};

    MenuItem HilfeItem{&MainMenu1, "HilfeItem", "&Hilfe"};
    MenuItem HelpInhaltItem{&HilfeItem, "HelpInhaltItem", "&Inhalt"};
    MenuItem HelpAboutItem{&HilfeItem, "HelpAboutItem", "Inf&o..."};

    // --- popup menus ---
    PopupMenu DateiPopupMenu{this, "DateiPopupMenu"};
    MenuItem VorhoerPuItem{&DateiPopupMenu, "VorhoerPuItem", "Vorhören"};
    MenuItem AddPuItem{&DateiPopupMenu, "AddPuItem", "Hinzufügen"};
    MenuItem SaveAsPuItem{&DateiPopupMenu, "SaveAsPuItem", "Speicherm"};
    MenuItem HelpPuItem{&DateiPopupMenu, "HelpPuItem", "Hilfe"};
    PopupMenu PlayPopupMenu{this, "PlayPopupMenu"};
    MenuItem PlayPuItem{&PlayPopupMenu, "PlayPuItem", "Play"};
    MenuItem VorhoerPlayPuItem{&PlayPopupMenu, "VorhoerPlayPuItem", "Vorhören"};
    MenuItem DelPuItem{&PlayPopupMenu, "DelPuItem", "&Entfernen"};
    MenuItem HelpPlayPuItem{&PlayPopupMenu, "HelpPlayPuItem", "Hilfe"};

    // --- tool bar ---
    ToolBar ToolBar1{this, "ToolBar1"};
    ToolButton NeuToolButton{&ToolBar1, "NeuToolButton", "&Neu"};
    ToolButton OeffnenToolButton{&ToolBar1, "OeffnenToolButton", "Ö&ffnen"};
    ToolButton SpeichernToolButton{&ToolBar1, "SpeichernToolButton", "&Speichern"};
    ToolButton VorToolButton{&ToolBar1, "VorToolButton", "Vorherige Seite"};
    ToolButton NachToolButton{&ToolBar1, "NachToolButton", "Nächste Seite"};
    ToolButton GroesserToolButton{&ToolBar1, "GroesserToolButton", "Schrift ver&größern"};
    ToolButton InhaltToolButton{&ToolBar1, "InhaltToolButton", "&Inhalt"};

    // --- status bar ---
    StatusBar StatusBar1{this, "StatusBar1"};

    // --- title selection ---
    GroupBox AuswahlGroupBox{this, "AuswahlGroupBox", "Auswahl"};
    Edit SuchEdit{&AuswahlGroupBox, "SuchEdit"};
    Button SuchButton{&AuswahlGroupBox, "SuchButton", "Suchen"};
    Label NichtgefundenLabel{&AuswahlGroupBox, "NichtgefundenLabel", "Nichts gefunden"};
    Button GenreButton{&AuswahlGroupBox, "GenreButton", "Genre"};
    CheckBox ChartsCheckBox{&AuswahlGroupBox, "ChartsCheckBox", "Charts"};
    CheckBox TitIntCheckBox{&AuswahlGroupBox, "TitIntCheckBox", "<->"};
    std::vector<std::unique_ptr<Button>> LetterButtons;  // Button0, AButton .. ZButton
    ListBox DateiListBox{&AuswahlGroupBox, "DateiListBox"};
    ListBox GenreListBox{&AuswahlGroupBox, "GenreListBox"};

    // --- player ---
    GroupBox PlayerGroupBox{this, "PlayerGroupBox", "Player"};
    Label MpmLabel{&PlayerGroupBox, "MpmLabel", "Stop"};
    Label DauerLabel{&PlayerGroupBox, "DauerLabel", "00:00.0"};
    Label Countdown1Label{&PlayerGroupBox, "Countdown1Label", "00:00.0"};
    Label Countdown2Label{&PlayerGroupBox, "Countdown2Label", "00:00.0"};
    Label Titel1Label{&PlayerGroupBox, "Titel1Label"};
    Label Titel2Label{&PlayerGroupBox, "Titel2Label"};
    Label InterpretLabel{&PlayerGroupBox, "InterpretLabel"};
    Label AlbumLabel{&PlayerGroupBox, "AlbumLabel"};
    Label JahrLabel{&PlayerGroupBox, "JahrLabel"};
    ScrollBar UeberblendScrollBar{&PlayerGroupBox, "UeberblendScrollBar"};
    Label UeberblendLabel{&PlayerGroupBox, "UeberblendLabel", " 5.0 Sek"};
    TrackBar LsTrackBar{&PlayerGroupBox, "LsTrackBar"};
    TrackBar CrossTrackBar{&PlayerGroupBox, "CrossTrackBar"};
    SpeedButton NextSpeedButton{&PlayerGroupBox, "NextSpeedButton", "Next"};
    SpeedButton PlaySpeedButton{&PlayerGroupBox, "PlaySpeedButton", "Play"};
    SpeedButton Stop2SpeedButton{&PlayerGroupBox, "Stop2SpeedButton", "Stop2"};
    CheckBox EinzelnCheckBox{&PlayerGroupBox, "EinzelnCheckBox", "Einzelne"};
    CheckBox ZufallCheckBox{&PlayerGroupBox, "ZufallCheckBox", "Zufall"};
    ListBox PlayListBox{&PlayerGroupBox, "PlayListBox"};

    // --- the column between the boxes ---
    SpeedButton Play1SpeedButton{this, "Play1SpeedButton", ">"};
    SpeedButton StopSpeedButton{this, "StopSpeedButton", "[]"};
    SpeedButton PauseSpeedButton{this, "PauseSpeedButton", "||"};
    SpeedButton AddSpeedButton{this, "AddSpeedButton", "+"};
    SpeedButton TopSpeedButton{this, "TopSpeedButton", "T"};
    SpeedButton UpSpeedButton{this, "UpSpeedButton", "^"};
    SpeedButton DownSpeedButton{this, "DownSpeedButton", "v"};
    SpeedButton DelSpeedButton{this, "DelSpeedButton", "x"};
    SpeedButton VorhoerSpeedButton{this, "VorhoerSpeedButton", "V"};
    SpeedButton VorhoerwSpeedButton{this, "VorhoerwSpeedButton", "W"};

    // --- hidden boxes ---
    GroupBox SuchmethodeGroupBox{this, "SuchmethodeGroupBox", "Suchmethode"};
    RadioButton DateinamenRadioButton{&SuchmethodeGroupBox, "DateinamenRadioButton", "Dateinamen"};
    RadioButton ID3TagRadioButton{&SuchmethodeGroupBox, "ID3TagRadioButton", "ID3-Tag"};
    Button SuchmethodeAbbrButton{&SuchmethodeGroupBox, "SuchmethodeAbbrButton", "&Abbr."};
    Button SuchmethodeOKButton{&SuchmethodeGroupBox, "SuchmethodeOKButton", "&OK"};

    GroupBox TakeoverGroupBox{this, "TakeoverGroupBox", "Takeover"};
    CheckBox TOCheckBox{&TakeoverGroupBox, "TOCheckBox", "Aktiv"};
    TrackBar TOLSTrackBar{&TakeoverGroupBox, "TOLSTrackBar"};
    Label TOLSLabel{&TakeoverGroupBox, "TOLSLabel", "50 %"};
    Image CrossImage{&TakeoverGroupBox, "CrossImage"};
    TrackBar CrossxTrackBar{&TakeoverGroupBox, "CrossxTrackBar"};
    Button TOOKButton{&TakeoverGroupBox, "TOOKButton", "&OK"};

    GroupBox SoundGroupBox{this, "SoundGroupBox", "Soundkarten"};
    ListBox SKListBox{&SoundGroupBox, "SKListBox"};
    Button SoundButton{&SoundGroupBox, "SoundButton", "Soundk."};
    Button SoundOKButton{&SoundGroupBox, "SoundOKButton", "OK"};

    // --- timers ---
    Timer StartTimer;
    Timer CheckTimer;
    Timer UBcTimer;
    Timer UBlTimer;
    Timer PostTimer;

    // The ten speed buttons that FormResize moves.
    std::array<SpeedButton*, 10> columnButtons();

private:
    void designControls();
    void designMenus();
    void determineFolders();
    void readSettings();
    void writeSettings();
    void closeDown();
    std::int32_t windowMessage(const WindowMessage& m);

    Services& svc_;
    TJNForm* jnForm_ = nullptr;
    TEqForm* eqForm_ = nullptr;
};

}  // namespace qb::tonello
