// The designed look of the main window: controls, captions, hints, help
// contexts, ranges and the main menu.
#include "tonello/player/tmplay_form.h"

#include <string>

namespace qb::tonello {

namespace {
void setItem(MenuItem& item, const char* hint, int helpContext) {
    item.setHint(hint);
    item.helpContext = helpContext;
}
}  // namespace

void TMPlayForm::designMenus() {
    DateiItem.helpContext = 1000;
    setItem(FileNewItem, "Neu|Playliste löschen", 1000);
    setItem(FileOpenItem, "Öffnen|Playliste laden", 1000);
    setItem(FileSaveItem, "Speichern|Playliste speichern", 1000);
    setItem(FileSearchItem, "Durchsuchen|Nach Musikdateien suchen", 1000);
    setItem(SuchItem, "Suchmethode|Suchmethode beim Musiksuchen", 1000);
    setItem(FileSaveAsItem, "Titel speichern|Ausgewählten Titel speichern unter...", 1000);
    setItem(FileExitItem, "Beenden|Programm beenden", 1000);

    BearbeitenItem.helpContext = 2000;
    for (MenuItem* m : {&CutItem, &CopyItem, &PasteItem}) {
        m->helpContext = 2000;
        m->setVisible(false);  // kept in the menu for their shortcuts' sake only
    }
    setItem(ResetItem, "Zurücksetzen|Alle Startzeiten zurücksetzen", 2000);
    setItem(UndoresetItem, "Wiederherstellen|Startzeiten wiederherstellen", 2000);
    setItem(StartpreviewItem, "Start Preview|Preview neu starten", 2000);
    setItem(StartMidiItem, "Start Padlink|Padlink neu starten", 2000);

    AuswahlItem.helpContext = 3000;
    setItem(VorSeiteItem, "Vorherige Seite|Vorherige Seite anzeigen", 3000);
    setItem(NachSeiteItem, "Nächste Seite|Nächste Seite anzeigen", 3000);
    setItem(VorhoerItem, "Vorhören|Ausgewählten Titel vorhören", 3000);
    setItem(VorhoerwItem, "Weiter/Vorh.|Nächsten Titel auswählen und vorhören", 3000);
    setItem(AddItem, "Add|Ausgewählten Titel zur Playliste hinzufügen", 3000);

    PlayerItem.helpContext = 4000;
    setItem(PlayItem, "Play|Wiedergabe starten", 4000);
    setItem(StopItem, "Stop|Wiedergabe stoppen", 4000);
    setItem(PauseItem, "Pause|Wiedergabe anhalten", 4000);
    setItem(Stop2Item, "Stop 2|Überblendung stoppen", 4000);
    setItem(LauterItem, "Lauter|Lautstärke erhöhen", 4000);
    setItem(LeiserItem, "Leiser|Lautstärke verringern", 4000);
    setItem(MoveTopItem, "Move Top|Titel an den Anfang der Playliste", 4000);
    setItem(MoveUpItem, "Move Up|Titel nach oben schieben", 4000);
    setItem(MoveDownItem, "Move Down|Titel nach unten schieben", 4000);
    setItem(DelItem, "Delete|Titel aus der Playliste entfernen", 4000);

    OptionenItem.helpContext = 5000;
    setItem(SchriftgroesserItem, "Schrift vergrößern|Schrift vergrößern und an den Alkoholpegel anpassen ", 5000);
    setItem(SchriftkleinerItem, "Schrift verkleinern", 5000);
    setItem(FarbehellItem, "Hell|Helle Farben einstellen", 5000);
    setItem(FarbedunkelItem, "Dunkel|Dunkle Farben einstellen", 5000);
    setItem(Schrift1Item, "Schrift Allgemein|Schrift Allgemein anpassen", 5000);
    setItem(Schrift2Item, "Schrift TextBoxen|Schrift der TextBoxen anpassen", 5000);
    setItem(Farbe1Item, "Farbe Hintergrund|Farbe des Hintergrundes anpassen", 5000);
    setItem(Farbe2Item, "Farbe Textboxen|Farbe der Textboxen anpassen", 5000);
    setItem(TakeoverItem, "Takeover|Takeover einstellen", 5000);
    setItem(SoundkarteItem,
            "Soundkarte|Auswahl Soundkarte, eventuell muss danach das Programm beendet und neu gestartet werden",
            5000);
    setItem(EqualizerItem, "Equalizer|Equalizer aufrufen", 5000);

    HilfeItem.helpContext = 6000;
    setItem(HelpInhaltItem, "Inhalt|Hilfe anzeigen", 6000);
    setItem(HelpAboutItem, "Info|Programminformationen anzeigen", 6000);

    PlayPuItem.setHint("Als Nächstes Spielen");
    DateiListBox.setPopupMenu(&DateiPopupMenu);
    PlayListBox.setPopupMenu(&PlayPopupMenu);

    // The tool bar repeats menu items: a click chooses the item.
    const std::pair<ToolButton*, MenuItem*> tools[] = {
        {&NeuToolButton, &FileNewItem},       {&OeffnenToolButton, &FileOpenItem},
        {&SpeichernToolButton, &FileSaveItem}, {&VorToolButton, &VorSeiteItem},
        {&NachToolButton, &NachSeiteItem},    {&GroesserToolButton, &SchriftgroesserItem},
        {&InhaltToolButton, &HelpInhaltItem}};
    for (const auto& [button, item] : tools) {
        button->menuItem = item;
        button->setHint(item->hint());
    }
    ToolBar1.setShowCaptions(true);
    ToolBar1.setButtonSize(96, 22);
    ToolBar1.arrange();
}

void TMPlayForm::designControls() {
    setFont(Font::fromPixels("Arial", 13, true));
    setBounds(0, 0, 800, 580);

    ToolBar1.setAlign(Align::Top);
    ToolBar1.setHeight(26);
    StatusBar1.setAlign(Align::Bottom);
    StatusBar1.setHeight(20);
    StatusBar1.addPanel(300);
    StatusBar1.addPanel(50, "QUILLBROOK");

    // Title selection (left half).
    AuswahlGroupBox.setAlign(Align::Left);
    AuswahlGroupBox.setWidth(380);
    AuswahlGroupBox.setHelpContext(11000);
    SuchEdit.setBounds(8, 18, 180, 24);
    SuchEdit.setHint("Suchen");
    SuchButton.setBounds(192, 18, 64, 24);
    GenreButton.setBounds(260, 18, 64, 24);
    GenreButton.setHint("Genre auswählen");
    ChartsCheckBox.setBounds(8, 46, 80, 20);
    ChartsCheckBox.setHint("Nur Titel aus den Charts anzeigen");
    TitIntCheckBox.setBounds(96, 46, 60, 20);
    TitIntCheckBox.setHint("In der Liste Titel und Interpret vertauschen");
    NichtgefundenLabel.setBounds(168, 48, 150, 16);
    NichtgefundenLabel.setHint("Nichts gefunden|in der Datenbank wurde nichts gefunden");
    NichtgefundenLabel.setVisible(false);
    for (int i = 0; i < 27; ++i) {
        const std::string letter = i == 0 ? "0" : std::string(1, static_cast<char>('A' + i - 1));
        const std::string name = i == 0 ? "Button0" : letter + "Button";
        auto b = std::make_unique<Button>(&AuswahlGroupBox, name, "&" + letter);
        b->setBounds(8 + (i % 14) * 26, 70 + (i / 14) * 24, 25, 23);
        LetterButtons.push_back(std::move(b));
    }
    const Font listFont = Font::fromPixels("Courier New", 13, true);
    DateiListBox.setBounds(8, 124, 344, 364);
    DateiListBox.setFont(listFont);
    GenreListBox.setBounds(8, 124, 344, 364);
    GenreListBox.setFont(listFont);
    GenreListBox.setSorted(true);
    GenreListBox.setVisible(false);

    // Player (right half).
    PlayerGroupBox.setAlign(Align::Right);
    PlayerGroupBox.setWidth(380);
    PlayerGroupBox.setHelpContext(12000);
    MpmLabel.setBounds(8, 18, 40, 16);
    MpmLabel.setHint("Status");
    DauerLabel.setBounds(56, 18, 64, 16);
    DauerLabel.setHint("Dauer");
    Countdown1Label.setBounds(128, 18, 64, 16);
    Countdown1Label.setHint("Countdown");
    Countdown2Label.setBounds(200, 18, 64, 16);
    Countdown2Label.setHint("Countdown");
    Titel1Label.setBounds(8, 38, 264, 16);
    Titel2Label.setBounds(8, 56, 264, 16);
    InterpretLabel.setBounds(8, 74, 264, 16);
    AlbumLabel.setBounds(8, 92, 250, 16);
    AlbumLabel.setHint("Album");
    JahrLabel.setBounds(264, 92, 60, 16);
    JahrLabel.setHint("Jahr");
    PlayListBox.setBounds(8, 124, 344, 364);
    PlayListBox.setFont(listFont);

    UeberblendScrollBar.setRange(2, 60);
    UeberblendScrollBar.largeChange = 4;
    UeberblendScrollBar.setPosition(10);
    UeberblendScrollBar.setHint("Überblendzeit in Sekunden");
    UeberblendScrollBar.setBounds(8, 496, 200, 17);
    UeberblendLabel.setBounds(214, 496, 64, 16);
    LsTrackBar.setRange(0, 127);
    LsTrackBar.pageSize = 26;
    LsTrackBar.setPosition(64);
    LsTrackBar.setHint("Lautstärke|Lautstärke > CH-1");
    LsTrackBar.setBounds(8, 516, 160, 22);
    CrossTrackBar.setRange(0, 127);
    CrossTrackBar.pageSize = 26;
    CrossTrackBar.setPosition(127);
    CrossTrackBar.setHint("Crossfader|Crossfader");
    CrossTrackBar.setBounds(176, 516, 160, 22);
    PlaySpeedButton.setBounds(278, 18, 40, 22);
    PlaySpeedButton.setHint("Play|Wiedergabe starten > Shift + L Play");
    NextSpeedButton.setBounds(322, 18, 40, 22);
    NextSpeedButton.setHint("Überblenden|Jetzt Überblenden > L SYNC");
    Stop2SpeedButton.setBounds(322, 44, 40, 22);
    Stop2SpeedButton.setHint("Stop2|Überblendung stoppen > Shift + L SYNC");
    EinzelnCheckBox.setBounds(278, 70, 84, 20);
    ZufallCheckBox.setBounds(278, 90, 84, 20);
    ZufallCheckBox.setHint("Bei leerer Playliste Titel in zufälliger Reihenfolge abspielen");

    // The column between the two boxes.
    StopSpeedButton.setHint("Stop|Wiedergabe stoppen > Shift + L CUP");
    PauseSpeedButton.setHint("Pause|Wiedergabe anhalten > Shift + L CUE");
    Play1SpeedButton.setHint("Play|Wiedergabe starten");
    AddSpeedButton.setHint("Add|Titel zur Playliste hinzufügen");
    TopSpeedButton.setHint("Top|Titel als Nächstes spielen");
    UpSpeedButton.setHint("Up|Titel nach oben schieben");
    DownSpeedButton.setHint("Down|Titel nach unten schieben");
    DelSpeedButton.setHint("Delete|Titel aus der Playliste entfernen");
    VorhoerSpeedButton.setHint("Vorhören|Ausgewählten Titel vorhören");
    VorhoerwSpeedButton.setHint("Weiter/Vorh.|Nächsten Titel auswählen und vorhören");
    int y = 60;
    for (SpeedButton* b : columnButtons()) {
        b->setBounds(388, y, 24, 24);
        y += 30;
    }

    // Boxes shown only when asked for.
    SuchmethodeGroupBox.setBounds(120, 150, 220, 110);
    SuchmethodeGroupBox.setVisible(false);
    DateinamenRadioButton.setBounds(12, 20, 180, 20);
    DateinamenRadioButton.setHint("Listeneintragungen aus den Dateinamen bilden");
    DateinamenRadioButton.setChecked(true);
    ID3TagRadioButton.setBounds(12, 44, 180, 20);
    ID3TagRadioButton.setHint("Listeneintragungen aus den ID3-Tags bilden");
    SuchmethodeAbbrButton.setBounds(12, 74, 90, 25);
    SuchmethodeAbbrButton.setHint("Einstellung Abbrechen");
    SuchmethodeOKButton.setBounds(116, 74, 90, 25);
    SuchmethodeOKButton.setHint("Einstellung übernehmen");

    TakeoverGroupBox.setBounds(420, 150, 300, 220);
    TakeoverGroupBox.setVisible(false);
    TOCheckBox.setBounds(12, 20, 100, 20);
    TOCheckBox.setHint("Takeover aktivieren");
    TOLSTrackBar.setRange(10, 90);
    TOLSTrackBar.pageSize = 10;
    TOLSTrackBar.setPosition(51);
    TOLSTrackBar.setHint("Takeover-Lautstärke");
    TOLSTrackBar.setBounds(12, 44, 200, 24);
    TOLSLabel.setBounds(220, 48, 60, 16);
    CrossImage.setBounds(12, 76, 128, 100);
    CrossxTrackBar.setRange(1, 127);
    CrossxTrackBar.setPosition(64);
    CrossxTrackBar.setBounds(148, 110, 140, 24);
    TOOKButton.setBounds(210, 184, 75, 25);

    SoundGroupBox.setBounds(420, 150, 300, 200);
    SoundGroupBox.setVisible(false);
    SKListBox.setBounds(12, 20, 276, 130);
    SoundButton.setBounds(12, 160, 90, 25);
    SoundButton.setHint("Auswahl Standardgerät");
    SoundOKButton.setBounds(198, 160, 90, 25);

    // The hints of the controls and menus go to the first status panel.
    onHint = [this](const std::string& text) { StatusBar1.setPanelText(0, text); };
}

std::array<SpeedButton*, 10> TMPlayForm::columnButtons() {
    return {&Play1SpeedButton, &StopSpeedButton,    &PauseSpeedButton, &AddSpeedButton,
            &TopSpeedButton,   &UpSpeedButton,      &DownSpeedButton,  &DelSpeedButton,
            &VorhoerSpeedButton, &VorhoerwSpeedButton};
}

}  // namespace qb::tonello
