#pragma once

#include "core/operation.h"

#include <QString>

class MediaPlayer;

// The operations one feature of the main window calls in another. Each
// feature assigns the ones it provides where it is wired (its *_wiring
// file); callers use them like member functions of the window. One that no
// feature provides is reported when called.
struct Switchboard {
    // --- start-up, dispatch and shutdown ---
    Operation<void()> formLoad{"formLoad"};
    Operation<void()> formUnload{"formUnload"};     // the close request
    Operation<void(const QStringList& paths)> dropFiles{"dropFiles"};
    // The title step, the once-only start step, and closing the splash.
    Operation<void()> shijian1{"shijian1"};
    Operation<void()> shijian5{"shijian5"};
    Operation<void()> unloadSplash{"unloadSplash"};
    Operation<void()> endProgram{"endProgram"};     // ends the program at once
    // The display refresh.
    Operation<void()> shijian2{"shijian2"};

    // --- playlist ---
    // Replaces ("替换写入") or extends ("增加写入") the playlist from a list text.
    Operation<void(const QString& xiang, const QString& aa)> write_liebiao{"write_liebiao"};
    // The folder filter items of File ▸ 播放目录, File ▸ 增加目录 and the shortcut menu.
    Operation<void(int Index)> bofangmulu_Click{"bofangmulu_Click"};
    Operation<void(int Index)> zunjiamulu_Click{"zunjiamulu_Click"};
    Operation<void(int Index)> kuaijie_mulu_Click{"kuaijie_mulu_Click"};
    Operation<void(int Index)> paixu1_Click{"paixu1_Click"};
    // File ▸ "保存播放列表(&B)": saves the list under a name.
    Operation<void()> baocunliebiao{"baocunliebiao"};

    // --- playback ---
    // Plays entry Index of the playlist.
    Operation<void(int Index)> liebiao_Click{"liebiao_Click"};
    // The status refresh and the end-of-media step.
    Operation<void()> shijian3{"shijian3"};
    Operation<void()> shijian6{"shijian6"};
    // Control menu (transport) and its play points.
    Operation<void(int Index)> kongzhi1_Click{"kongzhi1_Click"};
    Operation<void(int Index)> baifenbi_Click{"baifenbi_Click"};
    // The open wait on a player: up to about 3 s for its length and picture.
    Operation<void(MediaPlayer& player)> yanshihuoqu{"yanshihuoqu"};

    // --- audio ---
    // Pushes a changed volume/mute (0), speed (1), seek (2) or balance (3) out.
    Operation<void(int shu)> rengong_kongzhi{"rengong_kongzhi"};
    Operation<void()> readStartupVolume{"readStartupVolume"};
    // The slider panel's toggles (1 switches variable speed).
    Operation<void(int Index)> xuan_Click{"xuan_Click"};
    Operation<void(int Index)> yinping1_Click{"yinping1_Click"};
    Operation<void(int Index)> yinliang1_Click{"yinliang1_Click"};

    // --- pictures ---
    // Picks the control that shows the start picture (still or moving).
    Operation<void()> chooseStartPictureControl{"chooseStartPictureControl"};
    // Places the viewer frame: fitted, or by the zoom rules.
    Operation<void()> fittedPlacement{"fittedPlacement"};
    Operation<void()> windowHeightRule{"windowHeightRule"};
    Operation<void()> zoomPlacement{"zoomPlacement"};
    Operation<void()> buildPictureMenus{"buildPictureMenus"};
    // Shows a start picture (the chosen one, or one at random).
    Operation<void()> kaishihuamian{"kaishihuamian"};
    Operation<void(int Index)> beijing1_Click{"beijing1_Click"};
    Operation<void(int Index)> huamian_Click{"huamian_Click"};
    // Shows a newly loaded picture at the zoom ratio r of the one before.
    Operation<void(double r)> zoomCarryOver{"zoomCarryOver"};
    Operation<void(int Index)> tuxiang1_Click{"tuxiang1_Click"};
    Operation<void(int Index)> bili1_Click{"bili1_Click"};
    Operation<void()> Image1_DblClick{"Image1_DblClick"};
    Operation<void(int Button, int Shift, double x, double y)> Image1_MouseDown{"Image1_MouseDown"};
    Operation<void(int Button, int Shift, double x, double y)> Image1_MouseUp{"Image1_MouseUp"};
    Operation<void(int Button, int Shift, double x, double y)> Image1_MouseMove{"Image1_MouseMove"};
    // The Image menu's enabled states; the menu refresh keeps them.
    Operation<void()> refreshImageMenu{"refreshImageMenu"};
    // Pops up the Image menu tuxiang at the pointer.
    Operation<void()> popupImageMenu{"popupImageMenu"};
    // The print preview Form2: recomputes its layout and shows it modeless.
    Operation<void()> showPrintPreview{"showPrintPreview"};
    // Whether the print preview's image holds a picture, and hiding the
    // preview; the menu refresh uses both.
    Operation<bool()> printPreviewHoldsPicture{"printPreviewHoldsPicture"};
    Operation<void()> hidePrintPreview{"hidePrintPreview"};

    // --- window chrome ---
    // The skin painter; repaints only after a change of the outer size.
    Operation<void(const QString& text)> chengxutuxiang{"chengxutuxiang"};
    Operation<void()> loadTrackSkins{"loadTrackSkins"};
    Operation<void()> hoverReset{"hoverReset"};
    // Shows the floating toolbar (the window was minimized).
    Operation<void()> showFloatingToolbar{"showFloatingToolbar"};
    Operation<void()> hideFloatingToolbar{"hideFloatingToolbar"};
    Operation<void()> removeTrayIcon{"removeTrayIcon"};
    // The tray menu qmx_tuopan1; its item 12 is every menu's exit.
    Operation<void(int Index)> qmx_tuopan1_Click{"qmx_tuopan1_Click"};

    // --- options, File and shortcut menus ---
    Operation<void(int Index)> xuanxiang1_Click{"xuanxiang1_Click"};
    Operation<void(int Index)> xunhuan1_Click{"xunhuan1_Click"};
    // Stores the options file and the current list.
    Operation<void()> cunchuxuanxiang{"cunchuxuanxiang"};
    // Reads the options file at start-up and applies it.
    Operation<void()> duquxuanxiang{"duquxuanxiang"};
    Operation<void(int Index)> kuaijiecaidan1_Click{"kuaijiecaidan1_Click"};
    Operation<void(int Index)> wenjian1_Click{"wenjian1_Click"};
    // Pops up the shortcut menu kuaijiecaidan at the pointer.
    Operation<void()> popupShortcutMenu{"popupShortcutMenu"};

    // --- help, discs, registration ---
    Operation<void(int Index)> bangzhu1_Click{"bangzhu1_Click"};
    Operation<void()> dedaoguangqu{"dedaoguangqu"}; // finds the optical drives
    // The drive submenus: play the disc, open and close the tray of drive Index.
    Operation<void(int Index)> bofangguangpan1_Click{"bofangguangpan1_Click"};
    Operation<void(int Index)> tankai1_Click{"tankai1_Click"};
    Operation<void(int Index)> guanshang1_Click{"guanshang1_Click"};
    Operation<void()> firstRunRegistration{"firstRunRegistration"};
    // Options "类型注册(&Z)": shows the registration window Form3.
    Operation<void()> showRegistration{"showRegistration"};
};
