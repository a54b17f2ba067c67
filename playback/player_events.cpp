#include "playback/player_events.h"

#include "core/display_mode.h"
#include "core/flags.h"
#include "core/form1_state.h"
#include "platform/media_player.h"
#include "playback/player_wait.h"


void PlayerEvents::connectPlayers()
{
    MediaPlayer* main = &parts_.WindowsMediaPlayer1;
    MediaPlayer* second = &parts_.WindowsMediaPlayer2;
    QObject::connect(main, &MediaPlayer::StatusChange, &context_, [this] { statusChange(); });
    QObject::connect(main, &MediaPlayer::MediaError, &context_, [this] { mediaError(); });
    QObject::connect(main, &MediaPlayer::Click, &context_, [this](int b) { click(b); });
    QObject::connect(main, &MediaPlayer::MouseUp, &context_,
                     [this](int b, int, double, double) { mouseUp(b); });
    QObject::connect(second, &MediaPlayer::MouseUp, &context_,
                     [this](int b, int, double, double) { secondMouseUp(b); });
    for (MediaPlayer* player : {main, second}) {
        QObject::connect(player, &MediaPlayer::MouseMove, &context_,
                         [this](int, int, double, double) { parts_.hoverReset(); });
    }
}

void PlayerEvents::statusChange()
{
    if (parts_.WindowsMediaPlayer1.playState() == MediaPlayer::MediaEnded)
        parts_.state.media_ended = Flag::MediaEnded;
    parts_.shijian2();
}

void PlayerEvents::mediaError()
{
    parts_.state.media_error = Flag::MediaError;
}

void PlayerEvents::click(int button)
{
    MediaPlayer& player = parts_.WindowsMediaPlayer1;
    if (button == MouseButton::Left) {
        const MediaPlayer::PlayState state = player.playState();
        if (state == MediaPlayer::Playing)
            player.pause();
        else if (state == MediaPlayer::Paused || state == MediaPlayer::Stopped)
            player.play();
    }
    parts_.hoverReset();
}

void PlayerEvents::mouseUp(int button)
{
    MediaPlayer& player = parts_.WindowsMediaPlayer1;
    if (button == MouseButton::Right) {
        parts_.popupShortcutMenu();
        player.setEnableContextMenu(false);
    } else if (button == MouseButton::Middle && parts_.state.display_mode == DisplayMode::Video) {
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
    parts_.popupShortcutMenu();
    parts_.WindowsMediaPlayer1.setEnableContextMenu(false);
    parts_.WindowsMediaPlayer2.setEnableContextMenu(false);
}
