#pragma once

#include "audio/audio_items.h"
#include "core/menu_array.h"
#include "news/help_items.h"
#include "options/menu_items.h"
#include "pictures/image_items.h"
#include "playback/control_items.h"

// The shortcut menu kuaijiecaidan1 as designed (index 17 does not exist).
MenuArray designedShortcutMenu();

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

// A drive submenu (File ▸ bofangguangpan1, tankai1, guanshang1): item 0,
// hidden with an empty caption until a drive is found.
MenuArray designedDriveMenu();

// The Help menu bangzhu1 as designed.
MenuArray designedHelpMenu();

// The Control menu kongzhi1 and its play-point submenu baifenbi.
MenuArray designedControlMenu();
MenuArray designedPlayPointMenu();

// The Audio menu yinping1 and its volume-preset submenu yinliang1 ("1" to "10").
MenuArray designedAudioMenu();
MenuArray designedVolumeMenu();

// The Image menu tuxiang1 and its percentage submenu bili1.
MenuArray designedImageMenu();
MenuArray designedPercentMenu();

