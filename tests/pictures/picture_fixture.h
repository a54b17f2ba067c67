#pragma once

#include "wiring/main_form.h"
#include "doubles/fake_media_player.h"
#include "doubles/plain_controls.h"
#include "doubles/fake_window_frame.h"
#include "doubles/scripted_dialogs.h"
#include "platform/no_drive_mci.h"

#include <QMap>
#include <QSize>
#include <QStringList>
#include <QTemporaryDir>

// A player that opens the videos it knows at once, with their picture size.
class CataloguePlayer : public FakeMediaPlayer {
public:
    void setUrl(const QString& path) override
    {
        FakeMediaPlayer::setUrl(path);
        if (videos.contains(path))
            load(path, videos[path].width(), videos[path].height());
    }
    QMap<QString, QSize> videos;
};

// The hub over plain controls, recording what the pictures ask of features
// not under test. The display refresh runs unless switched off.
class PictureForm : public MainForm {
public:
    explicit PictureForm(const Form1Controls& controls) : MainForm(controls)
    {
        chengxutuxiang = [this](const QString& text) { calls << "chengxutuxiang:" + text; };
        kongzhi1_Click = [this](int Index) { calls << "kongzhi1_Click:" + QString::number(Index); };
        popupShortcutMenu = [this] { calls << "popupShortcutMenu"; };
        popupImageMenu = [this] { calls << "popupImageMenu"; };
        showPrintPreview = [this] { calls << "showPrintPreview"; };
        hoverReset = [this] { calls << "hoverReset"; };
        shijian2 = [this, run = shijian2.implementation()] {
            ++refreshes;
            if (refreshOn)
                run();
        };
    }

    QStringList calls;
    bool refreshOn = true;
    int refreshes = 0;
};

// Client area 12000 x 8400 twips: L 180, R 10280, W 10100; with top_offset
// 500, T 350, B 8050, H 7700.
struct PictureFixture : PlainControls<FakeMediaPlayer, CataloguePlayer> {
    PictureFixture();

    // The calls recorded whose text starts with `prefix`.
    QStringList callsOf(const QString& prefix) const;
    // Sets Image2 to a natural size in twips (with a picture of that size).
    void setNaturalSize(double width, double height);
    QString path(const QString& relative) const { return dir.filePath(relative); }
    TwipsRect frame() const { return picture1.place(); }

    ScriptedDialogs dialogs;
    QTemporaryDir dir;
    PictureForm form{controls()};
};
