#pragma once

#include "audio/audio_menu.h"
#include "audio/manual_control.h"
#include "audio/toggles.h"
#include "chrome/label_menu_bar.h"
#include "chrome/skin_painter.h"
#include "chrome/slider_panel.h"
#include "core/dispatcher.h"
#include "core/display_refresh.h"
#include "core/start_up.h"
#include "core/form1.h"
#include "news/help_menu.h"
#include "options/options_file.h"
#include "options/options_menu.h"
#include "pictures/backgrounds.h"
#include "pictures/image_menu.h"
#include "pictures/picture_mouse.h"
#include "pictures/picture_placement.h"
#include "pictures/picture_zoom.h"
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

// The application's hub: routes each operation of the main window to the
// feature that implements it.
class MainForm : public Form1 {
public:
    explicit MainForm(const Form1Controls& controls);

    void shijian2() override;
    void write_liebiao(const QString& xiang, const QString& aa) override;
    void liebiao_Click(int Index) override;
    void paixu1_Click(int Index) override;
    void xuanxiang1_Click(int Index) override;
    void xunhuan1_Click(int Index) override;
    void cunchuxuanxiang() override;
    void duquxuanxiang() override;
    void baocunliebiao() override;
    void bofangmulu_Click(int Index) override;
    void zunjiamulu_Click(int Index) override;
    void kuaijie_mulu_Click(int Index) override;

    // What the program was started with; read by the start sequence.
    void setCommandLine(const QStringList& arguments, const QString& workingDir);
    void formLoad();
    void formUnload();
    void dropFiles(const QStringList& paths);
    void shijian1() override;
    void shijian5() override;
    void unloadSplash() override;
    void endProgram() override;
    // Set by the window: closing the splash, and ending the program.
    std::function<void()> closeSplash;
    std::function<void()> quit;

private:
    DisplayRefresh displayRefresh_;
    StartUp startUp_;
    Dispatcher dispatcher_;
    ListWriter listWriter_;
    PlaylistSorter sorter_;
    ListSaver listSaver_;
    OptionsMenu optionsMenu_;
    OptionsFile optionsFile_;

public:
    // Playback.
    void shijian3() override;
    void shijian6() override;
    void kongzhi1_Click(int Index) override;
    void baifenbi_Click(int Index) override;
    void kuaijiecaidan1_Click(int Index) override;
    void wenjian1_Click(int Index) override;
    void yanshihuoqu(MediaPlayer& player) override;
    void popupShortcutMenu() override;
    // Set by the window: pops up the shortcut menu at the pointer.
    std::function<void()> showShortcutMenu;

private:
    EntryOpener entryOpener_{*this};
    StatusLine statusLine_{*this};
    EndOfMedia endOfMedia_{*this};
    PlayerEvents playerEvents_{*this};
    StepRepeat stepRepeat_{*this};
    Transport transport_{*this};
    EntryNavigation navigation_{*this};

public:
    // Audio.
    void rengong_kongzhi(int shu) override;
    void readStartupVolume() override;
    void xuan_Click(int Index) override;
    void yinping1_Click(int Index) override;
    void yinliang1_Click(int Index) override;

private:
    ManualControl manualControl_{*this};
    AudioMenu audioMenu_{*this};
    Toggles toggles_{*this};

public:
    // Pictures.
    void chooseStartPictureControl() override;
    void fittedPlacement() override;
    void windowHeightRule() override;
    void zoomPlacement() override;
    void buildPictureMenus() override;
    void kaishihuamian() override;
    void beijing1_Click(int Index) override;
    void huamian_Click(int Index) override;
    void zoomCarryOver(double r) override;
    void tuxiang1_Click(int Index) override;
    void bili1_Click(int Index) override;
    void Image1_DblClick() override;
    void Image1_MouseDown(int Button, int Shift, double x, double y) override;
    void Image1_MouseUp(int Button, int Shift, double x, double y) override;
    void Image1_MouseMove(int Button, int Shift, double x, double y) override;
    void popupImageMenu() override;
    // The Image menu's enabled states; the menu refresh keeps them.
    void refreshImageMenu();
    // Set by the window: pops up the Image menu at the pointer.
    std::function<void()> showImageMenu;

private:
    PicturePlacement picturePlacement_{*this};
    PictureZoom pictureZoom_{*this};
    ImageMenu imageMenu_{*this};
    PictureMouse pictureMouse_{*this};
    StartPictures startPictures_{*this};
    Backgrounds backgrounds_{*this};

public:
    // Window chrome.
    void chengxutuxiang(const QString& text) override;
    void hoverReset() override;
    SkinPainter skinPainter{*this};
    void loadTrackSkins() override;
    SliderPanel sliderPanel{*this};
    // Help.
    void bangzhu1_Click(int Index) override;
    HelpMenu helpMenu{*this};
    LabelMenuBar menuBar;
};
