#pragma once

#include "core/designed_menus.h"
#include "core/form1_state.h"
#include "core/menu_array.h"
#include "platform/dialogs.h"
#include "platform/media_player.h"
#include "platform/mci.h"
#include "platform/placed_control.h"
#include "platform/window_frame.h"

#include <QCoreApplication>
#include <QList>
#include <QPoint>
#include <QPointer>
#include <QString>
#include <QTimer>
#include <array>
#include <functional>

class SystemVolume;

// A control of the slider panel. The window's widget for it follows each
// change of place, picture or caption.
class PanelImage : public ImageControl {
public:
    std::function<void()> changed;

protected:
    void placeChanged() override { tell(); }
    void pictureChanged() override { tell(); }

private:
    void tell()
    {
        if (changed)
            changed();
    }
};

class PanelLabel : public LabelControl {
public:
    std::function<void()> changed;

protected:
    void placeChanged() override { tell(); }
    void captionChanged() override { tell(); }

private:
    void tell()
    {
        if (changed)
            changed();
    }
};

// The controls of the main window that the handlers drive. The real
// window supplies widget-backed ones; tests supply plain ones.
struct Form1Controls {
    MediaPlayer& WindowsMediaPlayer1; // main player
    MediaPlayer& WindowsMediaPlayer2; // start-picture player inside the frame
    PlacedControl& Picture1;          // viewer frame
    ImageControl& Image1;             // stretched picture inside the frame
    ImageControl& Image2;             // hidden natural-size picture
    LabelControl& ditiao;             // status line
    WindowFrame& window;
    Mci& mci;                         // audio-CD command device
};

// A control's mouse pointer: the arrow, or the custom cursor whose picture
// and hot spot were loaded into MouseIcon.
struct MousePointerState {
    static constexpr int Arrow = 0;
    static constexpr int Custom = 99;
    int MousePointer = Arrow;
    QImage MouseIcon;
    QPoint hotSpot;
};

// The main window as the handlers see it: its state record, its controls
// and menus, and the operations one feature calls in another. Each
// operation is virtual: the application's hub routes it to the feature
// that implements it, and a test can observe it.
class Form1 {
public:
    explicit Form1(const Form1Controls& controls);
    virtual ~Form1() = default;
    Form1(const Form1&) = delete;
    Form1& operator=(const Form1&) = delete;

    Form1State state;
    MenuArray kuaijiecaidan1; // shortcut menu
    QTimer Timer1;            // the 200 ms dispatcher
    QTimer Timer_end;         // ends the program 100 ms after the first close request
    MenuArray liebiao = designedListMenu();       // the playlist (List menu bofangliebiao)
    MenuArray paixu1 = designedSortMenu();        // sort menu
    MenuArray xuanxiang1 = designedOptionsMenu(); // Options menu
    MenuArray xunhuan1 = designedLoopMenu();      // Options ▸ loop mode
    MenuArray huamian = designedStartPictureMenu();
    MenuArray beijing1 = designedBackgroundMenu();
    MenuArray bofangmulu = designedPlayFolderMenu();       // File ▸ 播放目录 filters
    MenuArray zunjiamulu = designedAddFolderMenu();        // File ▸ 增加目录 filters
    MenuArray kuaijie_mulu = designedShortcutFolderMenu(); // shortcut ▸ 播放目录 filters
    MenuArray wenjian1 = designedFileMenu();                // File menu

    // The folder of the executable, which holds the data folders.
    QString programDir = QCoreApplication::applicationDirPath();
    // A file or folder under the program directory.
    QString programPath(const QString& relative) const
    {
        return programDir.endsWith(QLatin1Char('/')) ? programDir + relative
                                                     : programDir + QLatin1Char('/') + relative;
    }
    // Message, input and file dialogs; without them every dialog counts as cancelled.
    Dialogs* dialogs = nullptr;

    MediaPlayer& WindowsMediaPlayer1;
    MediaPlayer& WindowsMediaPlayer2;
    PlacedControl& Picture1;
    ImageControl& Image1;
    ImageControl& Image2;
    LabelControl& ditiao;
    WindowFrame& window;
    Mci& mci;

    // The display refresh.
    virtual void shijian2() {}
    // The skin painter; repaints only after a change of the outer size.
    virtual void chengxutuxiang(const QString& text) { (void)text; }
    // Picks the control that shows the start picture (still or moving).
    virtual void chooseStartPictureControl() {}
    // Places the viewer frame: fitted, or by the zoom rules.
    virtual void fittedPlacement() {}
    virtual void windowHeightRule() {}
    virtual void zoomPlacement() {}

    // Replaces ("替换写入") or extends ("增加写入") the playlist from a list text.
    virtual void write_liebiao(const QString& xiang, const QString& aa) { (void)xiang; (void)aa; }
    // Plays entry Index of the playlist.
    virtual void liebiao_Click(int Index) { (void)Index; }
    // The folder filter items of File ▸ 播放目录, File ▸ 增加目录 and the shortcut menu.
    virtual void bofangmulu_Click(int Index) { (void)Index; }
    virtual void zunjiamulu_Click(int Index) { (void)Index; }
    virtual void kuaijie_mulu_Click(int Index) { (void)Index; }
    virtual void paixu1_Click(int Index) { (void)Index; }
    virtual void xuanxiang1_Click(int Index) { (void)Index; }
    virtual void xunhuan1_Click(int Index) { (void)Index; }
    virtual void beijing1_Click(int Index) { (void)Index; }
    // Stores the options file and the current list.
    virtual void cunchuxuanxiang() {}
    // Reads the options file at start-up and applies it.
    virtual void duquxuanxiang() {}
    // File ▸ "保存播放列表(&B)": saves the list under a name.
    virtual void baocunliebiao() {}

    MenuArray bangzhu1 = designedHelpMenu(); // Help menu
    virtual void bangzhu1_Click(int Index) { (void)Index; }
    // Dropped files are taken once the start step has run.
    bool acceptsDrops = false;

    // Start-up steps of other features.
    virtual void readStartupVolume() {}
    virtual void buildPictureMenus() {}
    virtual void loadTrackSkins() {}
    virtual void dedaoguangqu() {} // finds the optical drives
    virtual void firstRunRegistration() {}
    virtual void removeTrayIcon() {}
    // Shows the floating toolbar (the window was minimized).
    virtual void showFloatingToolbar() {}
    // Ends the program at once.
    virtual void endProgram() {}

    // The title step, the once-only start step, and closing the splash.
    virtual void shijian1() {}
    virtual void shijian5() {}
    virtual void unloadSplash() {}
    // Shows a start picture (the chosen one, or one at random).
    virtual void kaishihuamian() {}

    // The status refresh and the end-of-media step.
    virtual void shijian3() {}
    virtual void shijian6() {}
    // Pushes a changed volume/mute (0), speed (1), seek (2) or balance (3) out.
    virtual void rengong_kongzhi(int shu) { (void)shu; }
    // Control menu (transport) and shortcut menu commands.
    virtual void kongzhi1_Click(int Index) { (void)Index; }
    virtual void kuaijiecaidan1_Click(int Index) { (void)Index; }
    virtual void wenjian1_Click(int Index) { (void)Index; }

    // Playback: the step buttons' repeat, the Control menu and its play points.
    QTimer Timer3;                              // 200 ms, off until a step button is held
    MenuArray kongzhi1 = designedControlMenu(); // Control menu (transport)
    MenuArray baifenbi = designedPlayPointMenu(); // Control ▸ 选择播放点(&Z)
    // The timers held while an entry opens; other windows add theirs.
    QList<QPointer<QTimer>> timersHeldWhileOpening{&Timer1, &Timer3};
    virtual void baifenbi_Click(int Index) { (void)Index; }
    // The open wait on a player: up to about 3 s for its length and picture.
    virtual void yanshihuoqu(MediaPlayer& player) { (void)player; }
    // Pops up the shortcut menu kuaijiecaidan at the pointer.
    virtual void popupShortcutMenu() {}
    // Shows a newly loaded picture at the zoom ratio r of the one before.
    virtual void zoomCarryOver(double r) { (void)r; }
    // The slider panel's toggles (1 switches variable speed) and hover reset.
    virtual void xuan_Click(int Index) { (void)Index; }
    virtual void hoverReset() {}

    // Audio: the system's volume and mute (none: volume changes reach
    // nothing), the Audio menu and its presets, and the slider panel's
    // knobs (volume, speed, progress, balance) and toggles (mute, variable
    // speed, x10) as placed controls.
    SystemVolume* systemVolume = nullptr;
    MenuArray yinping1 = designedAudioMenu();
    MenuArray yinliang1 = designedVolumeMenu();
    std::array<PanelImage, 4> huakuai;
    std::array<PanelImage, 3> xuan;
    virtual void yinping1_Click(int Index) { (void)Index; }
    virtual void yinliang1_Click(int Index) { (void)Index; }

    // The rest of the slider panel: the track pieces, the step buttons,
    // the two captions and the value tip (a text box).
    std::array<PanelImage, 10> jingdutiao;
    std::array<PanelImage, 2> shang_xia;
    PanelLabel Lab_biaoji;
    PanelLabel Label3;
    PanelLabel xianshi_wenben;

    // Pictures: the Image menu and its percentage submenu, the background
    // holder the skin painter draws from, Image1's mouse pointer and input.
    MenuArray tuxiang1 = designedImageMenu();
    MenuArray bili1 = designedPercentMenu();
    ImageControl beijing_linshi;
    MousePointerState Image1Pointer;
    virtual void tuxiang1_Click(int Index) { (void)Index; }
    virtual void bili1_Click(int Index) { (void)Index; }
    virtual void huamian_Click(int Index) { (void)Index; }
    virtual void Image1_DblClick() {}
    virtual void Image1_MouseDown(int /*Button*/, int /*Shift*/, double /*x*/, double /*y*/) {}
    virtual void Image1_MouseUp(int /*Button*/, int /*Shift*/, double /*x*/, double /*y*/) {}
    virtual void Image1_MouseMove(int /*Button*/, int /*Shift*/, double /*x*/, double /*y*/) {}
    // Pops up the Image menu tuxiang at the pointer.
    virtual void popupImageMenu() {}
    // The print preview Form2: recomputes its layout and shows it modeless.
    virtual void showPrintPreview() {}
};
