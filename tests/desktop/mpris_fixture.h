#pragma once

#include "core/display_mode.h"
#include "core/form1.h"
#include "doubles/plain_controls.h"
#include "playlist/playlist_entries.h"

#include <QStringList>

// The window's model with a list of three files, the second one playing,
// recording what the desktop's commands ask of the window's handlers.
class MprisForm : public Form1 {
public:
    explicit MprisForm(const Form1Controls& controls) : Form1(controls)
    {
        kongzhi1_Click = [this](int i) { calls << "kongzhi1_Click:" + QString::number(i); };
        kuaijiecaidan1_Click = [this](int i) { calls << "kuaijiecaidan1_Click:" + QString::number(i); };
        xunhuan1_Click = [this](int i) {
            calls << "xunhuan1_Click:" + QString::number(i);
            for (int k = 0; k < 3; ++k)
                xunhuan1[k].checked = k == i;
        };
        rengong_kongzhi = [this](int shu) { calls << "rengong_kongzhi:" + QString::number(shu); };
        dropFiles = [this](const QStringList& paths) { calls << "dropFiles:" + paths.join('|'); };
        formUnload = [this] { calls << "formUnload"; };

        PlaylistEntries::showPaths(liebiao, state.entry_dirs, xuanxiang1, {"/music/one.mp3", "/music/two.ogg", "/music/three.wav"});
        PlaylistEntries::checkOnly(liebiao, 1);
        state.display_mode = DisplayMode::Audio;
        state.length_ms = 200000;
        state.position_ms = 5000;
        state.shengyin_shu = 32767;
        ditiao.setCaption("正在播放...--第2首/总3首      00:05/03:20");
    }

    QStringList calls;
};

struct MprisFixture : PlainControls<> {
    MprisForm form{controls()};
};
