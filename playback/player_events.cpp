#include "playback/player_events.h"

#include "core/display_mode.h"
#include "core/flags.h"
#include "core/form1.h"
#include "playback/player_wait.h"


void PlayerEvents::connectPlayers()
{
    MediaPlayer* main = &form_.WindowsMediaPlayer1;
    MediaPlayer* second = &form_.WindowsMediaPlayer2;
    QObject::connect(main, &MediaPlayer::StatusChange, &context_, [this] { statusChange(); });
    QObject::connect(main, &MediaPlayer::MediaError, &context_, [this] { mediaError(); });
    QObject::connect(main, &MediaPlayer::Click, &context_, [this](int b) { click(b); });
    QObject::connect(main, &MediaPlayer::MouseUp, &context_,
                     [this](int b, int, double, double) { mouseUp(b); });
    QObject::connect(second, &MediaPlayer::MouseUp, &context_,
                     [this](int b, int, double, double) { secondMouseUp(b); });
    for (MediaPlayer* player : {main, second}) {
        QObject::connect(player, &MediaPlayer::MouseMove, &context_,
                         [this](int, int, double, double) { form_.hoverReset(); });
    }
}

void PlayerEvents::statusChange()
{
    if (form_.WindowsMediaPlayer1.playState() == MediaPlayer::MediaEnded)
        form_.state.media_ended = Flag::MediaEnded;
    form_.shijian2();
}

void PlayerEvents::mediaError()
{
    form_.state.media_error = Flag::MediaError;
}

void PlayerEvents::click(int button)
{
    MediaPlayer& player = form_.WindowsMediaPlayer1;
    if (button == MouseButton::Left) {
        const MediaPlayer::PlayState state = player.playState();
        if (state == MediaPlayer::Playing)
            player.pause();
        else if (state == MediaPlayer::Paused || state == MediaPlayer::Stopped)
            player.play();
    }
    form_.hoverReset();
}

void PlayerEvents::mouseUp(int button)
{
    MediaPlayer& player = form_.WindowsMediaPlayer1;
    if (button == MouseButton::Right) {
        form_.popupShortcutMenu();
        player.setEnableContextMenu(false);
    } else if (button == MouseButton::Middle && form_.state.display_mode == DisplayMode::Video) {
        if (player.playState() == MediaPlayer::Playing) {
            player.pause();
        } else {
            PlayerWait::forLength(player);
            player.play();
        }
    }
}

void PlayerEvents::secondMouseUp(int button)
{
    if (button != MouseButton::Right)
        return;
    form_.popupShortcutMenu();
    form_.WindowsMediaPlayer1.setEnableContextMenu(false);
    form_.WindowsMediaPlayer2.setEnableContextMenu(false);
}
