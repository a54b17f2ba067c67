#pragma once

#include "core/menu_array.h"

// The shortcut menu kuaijiecaidan1 as designed (index 17 does not exist).
MenuArray designedShortcutMenu();

// The shortcut menu kuaijiecaidan1: 0 to 5 are the Control menu's transport
// items at the same indices.
namespace ShortcutItem {
inline constexpr int Play = 0;
inline constexpr int Pause = 1;
inline constexpr int Stop = 2;
inline constexpr int Forward = 4;
inline constexpr int Back = 5;
inline constexpr int Previous = 7;
inline constexpr int Next = 8;
inline constexpr int Replay = 9;
inline constexpr int PlayFiles = 11;
inline constexpr int PlayFolder = 12;
inline constexpr int FullScreen = 14;
inline constexpr int SaveAs = 15;
inline constexpr int Exit = 18;
} // namespace ShortcutItem

// The List menu bofangliebiao: item 0 of the playlist exists from the start.
MenuArray designedListMenu();
// The sort menu paixu1.
MenuArray designedSortMenu();
// The Options menu xuanxiang1 (index 4 does not exist) and its loop-mode
// submenu xunhuan1.
MenuArray designedOptionsMenu();
MenuArray designedLoopMenu();
// The start-picture and background menus: item 0 until start-up fills them.
MenuArray designedStartPictureMenu();
MenuArray designedBackgroundMenu();

// The folder-filter submenus: File ▸ 播放目录 (bofangmulu), File ▸ 增加目录
// (zunjiamulu) and shortcut ▸ 播放目录 (kuaijie_mulu).
MenuArray designedPlayFolderMenu();
MenuArray designedAddFolderMenu();
MenuArray designedShortcutFolderMenu();
// The File menu wenjian1 (1, 5, 12 and 13 do not exist).
MenuArray designedFileMenu();

namespace OptionsItem {
inline constexpr int Loop = 0;
inline constexpr int NoPicturesInLoopAll = 1;
inline constexpr int ShowDirectories = 2;
inline constexpr int Background = 5;
inline constexpr int StartPicture = 7;
inline constexpr int RandomStartPicture = 8;
inline constexpr int Toolbar = 10;
inline constexpr int Registration = 11;
} // namespace OptionsItem

// The Help menu bangzhu1 as designed.
MenuArray designedHelpMenu();

namespace HelpItem {
inline constexpr int Features = 0;     // "功能介绍(&Y)"
inline constexpr int Upgrade = 1;      // "软件升级(&S)"
inline constexpr int NoNewsPopups = 5; // "禁止弹出新闻资讯(&X)"
inline constexpr int HomePage = 7;     // "软件主页(&H)"
inline constexpr int News = 8;         // "新闻资讯(&W)"
inline constexpr int About = 11;       // "关于...(&C)"
} // namespace HelpItem

// The Control menu kongzhi1 and its play-point submenu baifenbi.
MenuArray designedControlMenu();
MenuArray designedPlayPointMenu();

namespace ControlItem {
inline constexpr int Play = 0;
inline constexpr int Pause = 1;
inline constexpr int Stop = 2;
inline constexpr int Forward = 4;
inline constexpr int Back = 5;
inline constexpr int PlayPoints = 7;
} // namespace ControlItem

// The Audio menu yinping1 and its volume-preset submenu yinliang1 ("1" to "10").
MenuArray designedAudioMenu();
MenuArray designedVolumeMenu();

namespace AudioItem {
inline constexpr int Mute = 0;
inline constexpr int Volume = 2; // opens yinliang1
inline constexpr int VolumeUp = 3;
inline constexpr int VolumeDown = 4;
} // namespace AudioItem

// The Image menu tuxiang1 and its percentage submenu bili1.
MenuArray designedImageMenu();
MenuArray designedPercentMenu();

namespace ImageItem {
inline constexpr int ZoomIn = 0;     // "放大一倍(&F)"
inline constexpr int ZoomOut = 1;    // "缩小一半(&S)"
inline constexpr int ActualSize = 3; // "原始尺寸(&Y)"
inline constexpr int Percent = 5;    // opens bili1
inline constexpr int Normal = 7;     // "恢复正常(&H)"
inline constexpr int CloseAll = 8;   // "关闭一切(&C)"
inline constexpr int PrintPreview = 10;
} // namespace ImageItem

namespace PercentItem {
inline constexpr int Custom = 11; // "自定义"
} // namespace PercentItem
