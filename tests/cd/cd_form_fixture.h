#pragma once

#include "doubles/fake_window_frame.h"
#include "doubles/opening_media_player.h"
#include "doubles/scripted_dialogs.h"
#include "platform/cd/cdaudio_mci.h"
#include "playback/loop_mode.h"
#include "playback/playback_fixture.h"
#include "playlist/list_writer.h"
#include "playlist/playlist_entries.h"

#include <QList>
#include <QPair>
#include <functional>

// The status line, with every caption it showed and the entry current then.
class RecordingLabel : public LabelControl {
public:
    std::function<int()> currentEntry;
    QList<QPair<int, QString>> shown;

protected:
    void captionChanged() override { shown.append({currentEntry ? currentEntry() : -1, caption()}); }
};

struct CdListFixture {
    CdListFixture()
    {
        form.dialogs = &dialogs;
        ditiao.currentEntry = [this] { return PlaylistEntries::current(form.liebiao); };
    }

    // Plays the list from its first entry in the loop-all mode, the
    // dispatcher running as in the program.
    void play(const QStringList& paths)
    {
        form.xunhuan1_Click(LoopMode::All);
        setList(paths);
        form.Timer1.start();
        form.liebiao_Click(0);
    }
    // Replaces the list; the dispatcher stays off.
    void setList(const QStringList& paths)
    {
        form.write_liebiao(ListWriter::Replace, paths.join('\r') + '\r');
        form.Timer1.stop();
    }

    OpeningMediaPlayer player1;
    FakeMediaPlayer player2;
    PlacedControl picture1;
    ImageControl image1;
    ImageControl image2;
    RecordingLabel ditiao;
    FakeWindowFrame window;
    CdaudioMci mci;
    ScriptedDialogs dialogs;
    PlaybackForm form{Form1Controls{player1, player2, picture1, image1, image2, ditiao, window, mci}};
};

