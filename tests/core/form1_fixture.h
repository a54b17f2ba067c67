#pragma once

#include "core/form1.h"
#include "doubles/fake_media_player.h"
#include "doubles/plain_controls.h"
#include "doubles/fake_window_frame.h"
#include "platform/no_drive_mci.h"

#include <QStringList>

// The main window's model on plain controls, recording the calls it makes
// into features that are not under test.
class RecordingForm : public Form1 {
public:
    using Form1::Form1;

    void chengxutuxiang(const QString& text) override { calls << "chengxutuxiang:" + text; }
    void chooseStartPictureControl() override { calls << "chooseStartPictureControl"; }
    void fittedPlacement() override { calls << "fittedPlacement"; }
    void windowHeightRule() override { calls << "windowHeightRule"; }
    void zoomPlacement() override { calls << "zoomPlacement"; }
    void shijian1() override { calls << "shijian1"; }
    void shijian2() override { calls << "shijian2"; }
    void shijian3() override { calls << "shijian3"; }
    void shijian5() override { calls << "shijian5"; }
    void shijian6() override { calls << "shijian6"; }
    void rengong_kongzhi(int shu) override { calls << "rengong_kongzhi:" + QString::number(shu); }
    void unloadSplash() override { calls << "unloadSplash"; }

    QStringList calls;
};

struct Form1Fixture : PlainControls<> {
    RecordingForm form{controls()};
};
