#pragma once

#include <QString>
#include <QStringList>

#include <array>

// The main window's state record. Flags and switches are short strings
// compared exactly (see flags.h); numbers are doubles as the window's
// arithmetic uses them; geometry is in twips.
struct Form1State {
    // --- public: other windows read and write these by name ---
    double shengyin_shu = 0;            // volume 0 ... 32767
    double sudu_shu = 100;              // speed in hundredths, 100 = normal
    QString xitong;                     // "Windows 98" or "Windows XP", set by the start step
    QString kaishizhuce;                // "开始注册" during the silent first-run registration
    int liebiao_max_index = 0;          // index of the last playlist entry
    QString ccrpFileDialogs1_mingcheng; // file selected in the open-file dialog
    QString lincunwei_weijian_mingcheng; // full path of the entry opened last
    QString tuofang;                    // "拖放" while dropped files are being appended
    QString form5_yunantupian;          // preview switches of the open-file dialog
    QString form5_yunanyinshipin;
    QString form5_yunanflash;

    // --- private ---
    QString display_mode;               // one of DisplayMode, or "" before start-up sets it
    QString opening_entry;              // "是" while an entry is being opened
    QString media_error;                // "错误" after the main player reported an error
    QString media_ended;                // "结束" until the end-of-media step handled it
    QString closing;                    // "关闭" once shutting down
    QString start_pending;              // "开始" until the first dispatcher tick
    bool start_up_running = false;      // the load is reading options and list back
    bool close_deferred = false;        // a close request came during the load
    double standard_height = 0;         // outer height at load less 260
    double top_offset = 500;            // 480 or 500: moves the content area's top edge
    int saved_window_state = 0;         // normal (0) or maximized (2): restored from the tray

    // audio values and the seek position
    QString volume_backend;             // "Windows 7" endpoint, "Windows XP" mixer
    double balance_step = 0;            // -5 ... 5
    QString mute_state;                 // "已选择" = muted
    QString varispeed_state;            // "已选择" = variable speed on
    QString speed_x10_state;            // "已选择" = x10 multiplier on
    QString varispeed_resume;
    double position_ms = 0;
    double length_ms = 0;

    // slider and step-button state
    QString step_direction;
    std::array<double, 4> knob_grab{}; // pointer inside knob i at its press (Y, or X for 3)
    std::array<QString, 4> knob_drag;  // "开始" while knob i is dragged

    QStringList entry_dirs;             // directory part of each playlist entry

    // directory scan
    QString scan_cancel;                // "取消" after Esc
    QString chosen_folder;              // last folder chosen, "取消" when cancelled
    QString custom_suffix;              // last answer of the custom-suffix box (not stored)

    // picture drag and zoom
    QString cursor_file;
    QString drag_state;                 // "开始" during a left-button drag
    double press_x = 0;
    double press_y = 0;
    QString popup_origin;               // "快捷" after a right click on the zoomed picture

    // audio-CD device
    QString cd_drive;
    QString mci_reply;
    int cd_track = 0;

    // playing an entry
    int fail_count = 0;                 // entries given up one after another in loop-all
};
