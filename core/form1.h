#pragma once

#include "core/designed_menus.h"
#include "core/hook.h"
#include "core/form1_state.h"
#include "core/menu_array.h"
#include "core/switchboard.h"
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
    Hook<void()> changed;

protected:
    void placeChanged() override { tell(); }
    void pictureChanged() override { tell(); }

private:
    void tell() { changed(); }
};

class PanelLabel : public LabelControl {
public:
    Hook<void()> changed;

protected:
    void placeChanged() override { tell(); }
    void captionChanged() override { tell(); }

private:
    void tell() { changed(); }
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
// and menus, and (from the switchboard) the operations one feature calls in
// another.
class Form1 : public Switchboard {
public:
    explicit Form1(const Form1Controls& controls);
    ~Form1() = default;
    Form1(const Form1&) = delete;
    Form1& operator=(const Form1&) = delete;

    Form1State state;
    MenuArray kuaijiecaidan1; // shortcut menu
    QTimer Timer1;            // the 200 ms dispatcher
    QTimer Timer_end;         // ends the program 100 ms after the first close request
    QTimer Timer_tan;         // the 1000 ms news popup scheduler, running from the start
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
    // One item per optical drive, the same index in all three: play the
    // disc, open the tray, close the tray.
    MenuArray bofangguangpan1 = designedDriveMenu();
    MenuArray tankai1 = designedDriveMenu();
    MenuArray guanshang1 = designedDriveMenu();

    // The folder of the executable, which holds the data folders.
    QString programDir = QCoreApplication::applicationDirPath();
    // A file or folder under the program directory.
    QString programPath(const QString& relative) const
    {
        return programDir.endsWith(QLatin1Char('/')) ? programDir + relative
                                                     : programDir + QLatin1Char('/') + relative;
    }
    // A file the program writes (数据库/…, v.sz): beside the executable in
    // an application folder; in the user's data folder
    // (~/.local/share/xuanyinfang) for an installed program, whose folder
    // is not the user's. The install marks its folder with kInstalledMark.
    QString userPath(const QString& relative) const;
    static constexpr const char* kInstalledMark = ".installed";
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

    MenuArray bangzhu1 = designedHelpMenu(); // Help menu
    // Dropped files are taken once the start step has run.
    bool acceptsDrops = false;

    // Playback: the step buttons' repeat, the Control menu and its play points.
    QTimer Timer3;                              // 200 ms, off until a step button is held
    MenuArray kongzhi1 = designedControlMenu(); // Control menu (transport)
    MenuArray baifenbi = designedPlayPointMenu(); // Control ▸ 选择播放点(&Z)
    // The timers held while an entry opens; other windows add theirs.
    QList<QPointer<QTimer>> timersHeldWhileOpening{&Timer1, &Timer3};

    // Audio: the system's volume and mute (none: volume changes reach
    // nothing), the Audio menu and its presets, and the slider panel's
    // knobs (volume, speed, progress, balance) and toggles (mute, variable
    // speed, x10) as placed controls.
    SystemVolume* systemVolume = nullptr;
    MenuArray yinping1 = designedAudioMenu();
    MenuArray yinliang1 = designedVolumeMenu();
    std::array<PanelImage, 4> huakuai;
    std::array<PanelImage, 3> xuan;

    // The rest of the slider panel: the track pieces, the step buttons,
    // the two captions and the value tip (a text box).
    std::array<PanelImage, 10> jingdutiao;
    std::array<PanelImage, 2> shang_xia;
    PanelLabel Lab_biaoji;
    PanelLabel Label3;
    PanelLabel xianshi_wenben;

    // Pictures: the Image menu and its percentage submenu, the background
    // holder the skin painter draws from, Image1's mouse pointer.
    MenuArray tuxiang1 = designedImageMenu();
    MenuArray bili1 = designedPercentMenu();
    ImageControl beijing_linshi;
    MousePointerState Image1Pointer;
    // The print preview's picture: the display refresh hands it the
    // natural-size picture; the preview window shows and prints it.
    PanelImage printPreviewImage;
};
