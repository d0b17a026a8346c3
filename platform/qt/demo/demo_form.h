#pragma once
// A small form with one control of most kinds, docked boxes, a menu and a
// status bar: what the view tests drive and what scripts/screenshot shows.

#include "platform/controls/controls.h"

namespace qb::demo {

class TDemoForm : public Form {
public:
    TDemoForm() : Form("DemoForm", "Orvelia") {
        setFont(Font::fromPixels("Arial", 13, true));
        setClientSize(640, 400);
        setLeft(40);
        setTop(40);

        Neu.setHint("Neu|Playliste löschen");
        Beenden.setHint("Beenden|Programm beenden");
        NeuTool.setHint(Neu.hint());
        NeuTool.menuItem = &Neu;
        Status.addPanel(300);
        Status.addPanel(50, "QUILLBROOK");
        Status.autoHint = true;

        Auswahl.setWidth(300);
        Auswahl.setAlign(Align::Left);
        Auswahl.setHelpContext(11000);
        Player.setWidth(330);
        Player.setAlign(Align::Right);
        Player.setHelpContext(12000);

        Such.setBounds(8, 24, 200, 22);
        Such.setHint("Suchen");
        SuchButton.setBounds(214, 23, 75, 24);
        Dateien.setBounds(8, 54, 284, 230);
        Dateien.setFont(Font::fromPixels("Courier New", 13, true));
        for (const char* t : {"ABBA - Waterloo", "Boney M. - Rasputin", "Nena - 99 Luftballons",
                              "Modern Talking - Brother Louie", "Falco - Rock Me Amadeus"})
            Dateien.items().add(t);
        Dateien.setItemIndex(0);

        Play.setBounds(8, 24, 75, 25);
        Play.setHint("Play|Wiedergabe starten > Shift + L Play");
        Stop.setBounds(88, 24, 75, 25);
        Stop.setHint("Stop|Wiedergabe stoppen > Shift + L CUP");
        TitelLabel.setBounds(8, 60, 300, 16);
        LsLabel.setBounds(8, 88, 100, 16);
        Ls.setBounds(8, 106, 300, 32);
        Ls.setRange(0, 127);
        Ls.pageSize = 26;
        Ls.setPosition(64);
        Ls.setHint("Lautstärke|Lautstärke > CH-1");
        Aktiv.setBounds(8, 146, 120, 20);
        Aktiv.setHint("Takeover aktivieren");
        PlayList.setBounds(8, 174, 314, 110);
        PlayList.setFont(Font::fromPixels("Courier New", 13, true));
        PlayList.setDragMode(DragMode::Automatic);
        PlayList.setPopupMenu(&PlayerPopup);
        PlayList.items().add("Queen - Bohemian Rhapsody");
        PlayList.setColor(clYellow);
        TitelLabel.setCaption("Wiedergabe starten mit Play");
    }

    MainMenu Menu{this, "MainMenu1"};
    MenuItem Datei{&Menu, "DateiItem", "&Datei"};
    MenuItem Neu{&Datei, "FileNewItem", "&Neu", "Ctrl+N"};
    MenuItem Strich{&Datei, "N1", "-"};
    MenuItem Beenden{&Datei, "FileExitItem", "&Beenden", "Alt+X"};
    MenuItem PlayerMenu{&Menu, "PlayerItem", "&Player"};
    MenuItem PlayItem{&PlayerMenu, "PlayItem", "&Play", "Ctrl+R"};
    PopupMenu PlayerPopup{this, "PlayerPopupMenu"};
    MenuItem DelPu{&PlayerPopup, "DelPuItem", "&Entfernen", "Ctrl+Del"};

    ToolBar Tools{this, "ToolBar1"};
    ToolButton NeuTool{&Tools, "NeuToolButton", "&Neu"};
    StatusBar Status{this, "StatusBar1"};
    GroupBox Auswahl{this, "AuswahlGroupBox", "Auswahl"};
    Edit Such{&Auswahl, "SuchEdit"};
    Button SuchButton{&Auswahl, "SuchButton", "Suchen"};
    ListBox Dateien{&Auswahl, "DateiListBox"};
    GroupBox Player{this, "PlayerGroupBox", "Player"};
    SpeedButton Play{&Player, "PlaySpeedButton", "Play"};
    SpeedButton Stop{&Player, "StopSpeedButton", "Stop"};
    Label TitelLabel{&Player, "Titel1Label"};
    Label LsLabel{&Player, "LsLabel", "Lautstärke"};
    TrackBar Ls{&Player, "LsTrackBar"};
    CheckBox Aktiv{&Player, "TOCheckBox", "Aktiv"};
    ListBox PlayList{&Player, "PlayListBox"};
};

}  // namespace qb::demo
