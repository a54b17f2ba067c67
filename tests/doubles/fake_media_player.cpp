#include "fake_media_player.h"

void FakeMediaPlayer::load(const QString& path, int width, int height, double seconds)
{
    url_ = path;
    width_ = width;
    height_ = height;
    duration_ = seconds;
    position_ = 0;
    report(Playing);
}

void FakeMediaPlayer::report(PlayState state)
{
    if (state == state_)
        return;
    state_ = state;
    emit StatusChange();
}

void FakeMediaPlayer::endMedium()
{
    position_ = 0;
    report(MediaEnded);
    report(Stopped);
}

void FakeMediaPlayer::setUrl(const QString& path)
{
    urlsSet << path;
    url_ = path;
    width_ = height_ = 0;
    duration_ = position_ = 0;
    report(path.isEmpty() ? Undefined : Transitioning);
}

void FakeMediaPlayer::play()
{
    if (hasMedium())
        report(Playing);
}

void FakeMediaPlayer::pause()
{
    if (hasMedium())
        report(Paused);
}

std::optional<double> FakeMediaPlayer::currentPosition() const
{
    return hasMedium() ? std::optional(position_) : std::nullopt;
}

bool FakeMediaPlayer::setCurrentPosition(double seconds)
{
    if (!hasMedium())
        return false;
    position_ = seconds;
    return true;
}

std::optional<double> FakeMediaPlayer::duration() const
{
    return hasMedium() ? std::optional(duration_) : std::nullopt;
}

std::optional<int> FakeMediaPlayer::imageSourceWidth() const
{
    return hasMedium() ? std::optional(width_) : std::nullopt;
}

std::optional<int> FakeMediaPlayer::imageSourceHeight() const
{
    return hasMedium() ? std::optional(height_) : std::nullopt;
}

bool FakeMediaPlayer::setRate(double rate)
{
    rates << rate;
    return true;
}

bool FakeMediaPlayer::setBalance(int balance)
{
    balances << balance;
    return true;
}

bool FakeMediaPlayer::setFullScreen(bool on)
{
    fullScreen_ = on;
    return true;
}
