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
    explicit RecordingForm(const Form1Controls& controls) : Form1(controls)
    {
        chengxutuxiang = [this](const QString& text) { calls << "chengxutuxiang:" + text; };
        record(chooseStartPictureControl);
        record(fittedPlacement);
        record(windowHeightRule);
        record(zoomPlacement);
        record(shijian1);
        record(shijian2);
        record(shijian3);
        record(shijian5);
        record(shijian6);
        rengong_kongzhi = [this](int shu) { calls << "rengong_kongzhi:" + QString::number(shu); };
        record(unloadSplash);
    }

    void record(Operation<void()>& operation)
    {
        operation = [this, name = QString::fromLatin1(operation.name())] { calls << name; };
    }

    QStringList calls;
};

struct Form1Fixture : PlainControls<> {
    RecordingForm form{controls()};
};
