#pragma once

#include "audio/audio_menu.h"
#include "audio/manual_control.h"
#include "audio/toggles.h"
#include "chrome/floating_toolbar.h"
#include "chrome/label_menu_bar.h"
#include "chrome/menu_refresh.h"
#include "chrome/skin_painter.h"
#include "chrome/slider_panel.h"
#include "chrome/tray_menu.h"
#include "lifecycle/dispatcher.h"
#include "lifecycle/display_refresh.h"
#include "core/form1.h"
#include "discs/disc_mounter.h"
#include "discs/discs.h"
#include "discs/mount_table.h"
#include "discs/optical_drives.h"
#include "lifecycle/start_up.h"
#include "news/help_menu.h"
#include "news/news_scheduler.h"
#include "options/options_file.h"
#include "options/options_menu.h"
#include "pictures/backgrounds.h"
#include "pictures/image_menu.h"
#include "pictures/picture_mouse.h"
#include "pictures/picture_placement.h"
#include "pictures/picture_zoom.h"
#include "pictures/print_preview.h"
#include "pictures/start_pictures.h"
#include "playback/end_of_media.h"
#include "playback/entry_navigation.h"
#include "playback/entry_opener.h"
#include "playback/player_events.h"
#include "playback/status_line.h"
#include "playback/step_repeat.h"
#include "playback/transport.h"
#include "playlist/list_saver.h"
#include "playlist/list_writer.h"
#include "playlist/playlist_sorter.h"
#include "registration/form3.h"


// The main window's model with every feature plugged in: it owns the
// features' handlers and wires each feature's operations into the
// switchboard, one function a feature.
class MainForm : public Form1 {
public:
    explicit MainForm(const Form1Controls& controls);

    // What the program was started with; read by the start sequence.
    void setCommandLine(const QStringList& arguments, const QString& workingDir);

    // Set by the window: closing the splash, ending the program, and
    // popping up the shortcut and Image menus at the pointer.
    Hook<void()> closeSplash;
    Hook<void()> quit;
    Hook<void()> showShortcutMenu;
    Hook<void()> showImageMenu;

private:
    void wireStartUp();
    void wirePlaylist();
    void wirePlayback();
    void wireAudio();
    void wirePictures();
    void wireChrome();
    void wireOptions();
    void wireHelp();
    void wirePrintPreview();
    void wireDiscs();
    void wireRegistration();
    void wireToolbarAndTray();
    void shortcutMenuClick(int Index);
    void fileMenuClick(int Index);

    DisplayRefresh displayRefresh_{*this};
    StartUp startUp_{*this};
    Dispatcher dispatcher_{*this};

    ListWriter listWriter_{*this};
    PlaylistSorter sorter_{*this};
    ListSaver listSaver_{*this};

    EntryOpener entryOpener_{*this};
    StatusLine statusLine_{*this};
    EndOfMedia endOfMedia_{*this};
    PlayerEvents playerEvents_{{
        .state = state,
        .WindowsMediaPlayer1 = WindowsMediaPlayer1,
        .WindowsMediaPlayer2 = WindowsMediaPlayer2,
        .shijian2 = shijian2,
        .hoverReset = hoverReset,
        .popupShortcutMenu = popupShortcutMenu,
    }};
    StepRepeat stepRepeat_{state, rengong_kongzhi};
    Transport transport_{{
        .state = state,
        .WindowsMediaPlayer1 = WindowsMediaPlayer1,
        .Picture1 = Picture1,
        .ditiao = ditiao,
        .mci = mci,
        .dialogs = dialogs,
        .xuan_Click = xuan_Click,
        .kuaijiecaidan1_Click = kuaijiecaidan1_Click,
        .kaishihuamian = kaishihuamian,
        .shijian2 = shijian2,
        .rengong_kongzhi = rengong_kongzhi,
    }};
    EntryNavigation navigation_{*this};

    ManualControl manualControl_{*this};
    AudioMenu audioMenu_{*this};
    Toggles toggles_{*this};

    PicturePlacement picturePlacement_{*this};
    PictureZoom pictureZoom_{*this};
    ImageMenu imageMenu_{*this};
    PictureMouse pictureMouse_{*this};
    StartPictures startPictures_{*this};
    Backgrounds backgrounds_{*this};

    OptionsMenu optionsMenu_{*this};
    OptionsFile optionsFile_{*this};

    CdioOpticalDrives opticalDrives_;
    MountTable mountTable_;
    UDisksMounter discMounter_;
    Discs discs_{*this, opticalDrives_, mountTable_, discMounter_};

public:
    // The window's views draw these.
    SkinPainter skinPainter{*this};
    SliderPanel sliderPanel{*this};
    HelpMenu helpMenu{*this};
    NewsScheduler newsScheduler{*this};
    LabelMenuBar menuBar;
    Form2 form2{*this}; // the print preview
    Form3 form3{*this}; // the file-type registration
    // The floating toolbar, the menu refresh and the tray icon's menu.
    Form4 form4{*this};
    MenuRefresh menuRefresh{*this, form4};
    Tray tray{*this};
};
