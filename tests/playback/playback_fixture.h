#pragma once

#include "wiring/main_form.h"
#include "doubles/fake_window_frame.h"
#include "doubles/opening_media_player.h"
#include "doubles/plain_controls.h"
#include "doubles/scripted_dialogs.h"
#include "doubles/scripted_mci.h"

#include <QStringList>
#include <QTemporaryDir>
#include <ostream>

// Texts in failure messages as text.
inline void PrintTo(const QString& text, std::ostream* os)
{
    *os << '"' << text.toStdString() << '"';
}

// The application's hub with the calls into features that are not under
// test recorded instead of run.
class PlaybackForm : public MainForm {
public:
    explicit PlaybackForm(const Form1Controls& controls) : MainForm(controls)
    {
        kaishihuamian = [this] { calls << "kaishihuamian"; };
        xuan_Click = [this](int Index) { calls << QString("xuan_Click:%1").arg(Index); };
        popupShortcutMenu = [this] { calls << "popupShortcutMenu"; };
        zoomCarryOver = [this](double r) { calls << QString("zoomCarryOver:%1").arg(r); };
        hoverReset = [this] { calls << "hoverReset"; };
        rengong_kongzhi = [this](int shu) {
            calls << QString("rengong_kongzhi:%1").arg(shu);
            if (shu == 2)
                seekTargets << state.position_ms;
        };
    }

    QStringList calls;
    QList<double> seekTargets; // position_ms at each seek
};

struct PlaybackFixture : PlainControls<OpeningMediaPlayer, FakeMediaPlayer, ScriptedMci> {
    PlaybackFixture();

    // Replaces the list with these paths; the dispatcher stays off, so a
    // test runs the ticks itself.
    void setList(const QStringList& paths);
    // A media file of the catalogue under the temporary folder.
    QString medium(const QString& name, int width, int height, double seconds = 60);
    // A real picture file, width x height pixels.
    QString picture(const QString& name, int width = 40, int height = 30);
    QString missing(const QString& name) const { return dir.filePath(name); }
    // The paths given to the main player (emptying it left out).
    QStringList opened() const;
    // The messages shown, in order.
    QStringList messages() const;
    void tick();
    void selectLoop(int mode) { form.xunhuan1_Click(mode); }
    void setNoPicturesInLoopAll(bool on);

    QTemporaryDir dir;
    ScriptedDialogs dialogs;
    PlaybackForm form{controls()};
};
