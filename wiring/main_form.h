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
#include "options/file_menu.h"
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
#include "playlist/folder_scan.h"
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

    ListWriter listWriter_{{.state = state,
                            .liebiao = liebiao,
                            .paixu1 = paixu1,
                            .xuanxiang1 = xuanxiang1,
                            .Timer1 = Timer1,
                            .ditiao = ditiao,
                            .liebiao_Click = liebiao_Click}};
    PlaylistSorter sorter_{liebiao, state, xuanxiang1, paixu1};
    ListSaver listSaver_{dialogs, liebiao, state};
    FolderScanParts folderScanParts_{.state = state,
                                     .dialogs = dialogs,
                                     .Timer1 = Timer1,
                                     .ditiao = ditiao,
                                     .WindowsMediaPlayer1 = WindowsMediaPlayer1,
                                     .liebiao = liebiao,
                                     .bofangmulu = bofangmulu,
                                     .write_liebiao = write_liebiao,
                                     .liebiao_Click = liebiao_Click};

    EntryOpener entryOpener_{*this};
    StatusLine statusLine_{*this};
    EndOfMedia endOfMedia_{*this};
    PlayerEvents playerEvents_{*this};
    StepRepeat stepRepeat_{*this};
    Transport transport_{*this};
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

    OptionsMenu optionsMenu_{{.xuanxiang1 = xuanxiang1,
                              .xunhuan1 = xunhuan1,
                              .liebiao = liebiao,
                              .state = state,
                              .showRegistration = showRegistration,
                              .showFloatingToolbar = showFloatingToolbar,
                              .hideFloatingToolbar = hideFloatingToolbar}};
    OptionsFile optionsFile_{{.state = state,
                              .userPath = [this](const QString& relative) { return userPath(relative); },
                              .liebiao = liebiao,
                              .xuanxiang1 = xuanxiang1,
                              .xunhuan1 = xunhuan1,
                              .huamian = huamian,
                              .beijing1 = beijing1,
                              .xunhuan1_Click = xunhuan1_Click,
                              .beijing1_Click = beijing1_Click}};
    FileMenuParts fileMenuParts_{.dialogs = dialogs,
                                 .wenjian1 = wenjian1,
                                 .liebiao = liebiao,
                                 .state = state,
                                 .write_liebiao = write_liebiao,
                                 .liebiao_Click = liebiao_Click};

    CdioOpticalDrives opticalDrives_;
    MountTable mountTable_;
    UDisksMounter discMounter_;
    Discs discs_{*this, opticalDrives_, mountTable_, discMounter_};

public:
    // The window's views draw these.
    SkinPainter skinPainter{*this};
    SliderPanel sliderPanel{*this};
    HelpMenu helpMenu{bangzhu1, dialogs, [this](const QString& relative) { return programPath(relative); },
                      [this](const QString& relative) { return userPath(relative); }};
    NewsScheduler newsScheduler{bangzhu1, Timer_tan};
    LabelMenuBar menuBar;
    Form2 form2{*this}; // the print preview
    Form3 form3{*this}; // the file-type registration
    // The floating toolbar, the menu refresh and the tray icon's menu.
    Form4 form4{*this};
    MenuRefresh menuRefresh{*this, form4};
    Tray tray{*this};
};
