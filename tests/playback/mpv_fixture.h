#pragma once

#include "playback_fixture.h"

#include "platform/mpv_media_player.h"
#include "playlist/list_writer.h"

#include <QWidget>

// The window's model on the real libmpv main player, without picture or
// sound; the dispatcher runs as in the program once a list is set.
struct MpvFixture {
    // extraOptions: further mpv options of the main player.
    explicit MpvFixture(const QStringList& extraOptions = {})
        : player1(&parent, MpvPlayerOptions{MpvPlayerOptions::Video::None,
                                            QStringList{"ao=null"} + extraOptions})
    {
        form.dialogs = &dialogs;
    }

    void setList(const QStringList& paths)
    {
        form.write_liebiao(ListWriter::Replace, paths.join('\r') + '\r');
        form.Timer1.start();
    }
    QStringList messages() const
    {
        QStringList texts;
        for (const auto& shown : dialogs.shown)
            texts << shown.text;
        return texts;
    }

    QWidget parent;
    MpvMediaPlayer player1;
    FakeMediaPlayer player2;
    PlacedControl picture1;
    ImageControl image1;
    ImageControl image2;
    LabelControl ditiao;
    FakeWindowFrame window;
    ScriptedMci mci;
    ScriptedDialogs dialogs;
    PlaybackForm form{Form1Controls{player1, player2, picture1, image1, image2, ditiao, window, mci}};
};
