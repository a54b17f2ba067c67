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
#include "core/folder_path.h"
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
    // The window's folders as the handlers take them.
    ProgramPathOf programPathOf() { return [this](const QString& relative) { return programPath(relative); }; }
    ProgramPathOf userPathOf() { return [this](const QString& relative) { return userPath(relative); }; }

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
    AudioMenu audioMenu_{{.state = state,
                          .yinping1 = yinping1,
                          .yinliang1 = yinliang1,
                          .rengong_kongzhi = rengong_kongzhi,
                          .xuan_Click = xuan_Click}};
    Toggles toggles_{{.state = state,
                      .xuan = xuan,
                      .yinping1 = yinping1,
                      .WindowsMediaPlayer1 = WindowsMediaPlayer1,
                      .ditiao = ditiao,
                      .programPath = programPathOf(),
                      .rengong_kongzhi = rengong_kongzhi,
                      .xuan_Click = xuan_Click}};

    PicturePlacement picturePlacement_{{.state = state,
                                        .Picture1 = Picture1,
                                        .Image2 = Image2,
                                        .WindowsMediaPlayer2 = WindowsMediaPlayer2,
                                        .window = window,
                                        .chengxutuxiang = chengxutuxiang}};
    PictureZoomParts zoomParts_{.state = state,
                                .Picture1 = Picture1,
                                .Image2 = Image2,
                                .window = window,
                                .shijian2 = shijian2};
    PictureZoom pictureZoom_{zoomParts_};
    ImageMenu imageMenu_{{.state = state,
                          .tuxiang1 = tuxiang1,
                          .Image1 = Image1,
                          .dialogs = dialogs,
                          .kongzhi1_Click = kongzhi1_Click,
                          .showPrintPreview = showPrintPreview,
                          .zoom = zoomParts_}};
    PictureMouse pictureMouse_{{.state = state,
                                .Image1 = Image1,
                                .Image1Pointer = Image1Pointer,
                                .Picture1 = Picture1,
                                .ditiao = ditiao,
                                .window = window,
                                .tuxiang1 = tuxiang1,
                                .programPath = programPathOf(),
                                .hoverReset = hoverReset,
                                .shijian2 = shijian2,
                                .popupImageMenu = popupImageMenu,
                                .popupShortcutMenu = popupShortcutMenu,
                                .kongzhi1_Click = kongzhi1_Click,
                                .tuxiang1_Click = tuxiang1_Click}};
    StartPictures startPictures_{{.state = state,
                                  .huamian = huamian,
                                  .xuanxiang1 = xuanxiang1,
                                  .Image1 = Image1,
                                  .Image2 = Image2,
                                  .WindowsMediaPlayer2 = WindowsMediaPlayer2,
                                  .programPath = programPathOf(),
                                  .shijian2 = shijian2,
                                  .huamian_Click = huamian_Click}};
    Backgrounds backgrounds_{{.state = state,
                              .beijing1 = beijing1,
                              .beijing_linshi = beijing_linshi,
                              .programPath = programPathOf(),
                              .chengxutuxiang = chengxutuxiang}};

    OptionsMenu optionsMenu_{{.xuanxiang1 = xuanxiang1,
                              .xunhuan1 = xunhuan1,
                              .liebiao = liebiao,
                              .state = state,
                              .showRegistration = showRegistration,
                              .showFloatingToolbar = showFloatingToolbar,
                              .hideFloatingToolbar = hideFloatingToolbar}};
    OptionsFile optionsFile_{{.state = state,
                              .userPath = userPathOf(),
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
    SkinPainter skinPainter{{.beijing1 = beijing1,
                             .beijing_linshi = beijing_linshi,
                             .window = window,
                             .panel = {.state = state,
                                       .window = window,
                                       .jingdutiao = jingdutiao,
                                       .huakuai = huakuai,
                                       .xuan = xuan,
                                       .shang_xia = shang_xia,
                                       .Lab_biaoji = Lab_biaoji,
                                       .Label3 = Label3,
                                       .ditiao = ditiao}}};
    SliderPanel sliderPanel{*this};
    HelpMenu helpMenu{bangzhu1, dialogs, programPathOf(),
                      userPathOf()};
    NewsScheduler newsScheduler{bangzhu1, Timer_tan};
    LabelMenuBar menuBar;
    Form2 form2{timersHeldWhileOpening, Image1, printPreviewImage, dialogs}; // the print preview
    // the file-type registration
    Form3 form3{{.state = state,
                 .programDir = programDir,
                 .programPath = programPathOf(),
                 .userPath = userPathOf(),
                 .dialogs = dialogs}};
    // The floating toolbar, the menu refresh and the tray icon's menu.
    Form4 form4{{.window = window,
                 .xuanxiang1 = xuanxiang1,
                 .programPath = programPathOf(),
                 .kongzhi1_Click = kongzhi1_Click,
                 .kuaijiecaidan1_Click = kuaijiecaidan1_Click}};
    MenuRefresh menuRefresh{{.state = state,
                             .xuanxiang1 = xuanxiang1,
                             .tuxiang1 = tuxiang1,
                             .printPreviewHoldsPicture = printPreviewHoldsPicture,
                             .hidePrintPreview = hidePrintPreview},
                            form4};
    Tray tray{{.state = state,
               .window = window,
               .wenjian1_Click = wenjian1_Click,
               .kongzhi1_Click = kongzhi1_Click,
               .bangzhu1_Click = bangzhu1_Click,
               .formUnload = formUnload}};
};
