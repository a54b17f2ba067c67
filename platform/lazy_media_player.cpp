#include "platform/lazy_media_player.h"

LazyMediaPlayer::LazyMediaPlayer(Factory create, QObject* parent)
    : MediaPlayer(parent), create_(std::move(create))
{
}

LazyMediaPlayer::~LazyMediaPlayer() = default;

MediaPlayer& LazyMediaPlayer::real()
{
    if (real_)
        return *real_;
    real_ = create_();
    real_->setPlace(place());
    real_->setVisible(isVisible());
    real_->setRate(rate_);
    real_->setBalance(balance_);
    real_->setEnableContextMenu(contextMenu_);
    connect(real_.get(), &MediaPlayer::StatusChange, this, &MediaPlayer::StatusChange);
    connect(real_.get(), &MediaPlayer::MediaError, this, &MediaPlayer::MediaError);
    connect(real_.get(), &MediaPlayer::Click, this, &MediaPlayer::Click);
    connect(real_.get(), &MediaPlayer::MouseUp, this, &MediaPlayer::MouseUp);
    connect(real_.get(), &MediaPlayer::MouseMove, this, &MediaPlayer::MouseMove);
    return *real_;
}

QString LazyMediaPlayer::url() const
{
    return real_ ? real_->url() : QString();
}

// Emptying a player that was never made leaves it unmade.
void LazyMediaPlayer::setUrl(const QString& path)
{
    if (real_ || !path.isEmpty())
        real().setUrl(path);
}

void LazyMediaPlayer::play()
{
    if (real_)
        real_->play();
}

void LazyMediaPlayer::pause()
{
    if (real_)
        real_->pause();
}

std::optional<double> LazyMediaPlayer::currentPosition() const
{
    return real_ ? real_->currentPosition() : std::nullopt;
}

bool LazyMediaPlayer::setCurrentPosition(double seconds)
{
    return real_ && real_->setCurrentPosition(seconds);
}

std::optional<double> LazyMediaPlayer::duration() const
{
    return real_ ? real_->duration() : std::nullopt;
}

std::optional<int> LazyMediaPlayer::imageSourceWidth() const
{
    return real_ ? real_->imageSourceWidth() : std::nullopt;
}

std::optional<int> LazyMediaPlayer::imageSourceHeight() const
{
    return real_ ? real_->imageSourceHeight() : std::nullopt;
}

MediaPlayer::PlayState LazyMediaPlayer::playState() const
{
    return real_ ? real_->playState() : Undefined;
}

bool LazyMediaPlayer::setRate(double rate)
{
    rate_ = rate;
    return !real_ || real_->setRate(rate);
}

bool LazyMediaPlayer::setBalance(int balance)
{
    balance_ = balance;
    return !real_ || real_->setBalance(balance);
}

bool LazyMediaPlayer::fullScreen() const
{
    return real_ && real_->fullScreen();
}

bool LazyMediaPlayer::setFullScreen(bool on)
{
    if (!on && !real_)
        return true;
    return real().setFullScreen(on);
}

void LazyMediaPlayer::setEnableContextMenu(bool on)
{
    contextMenu_ = on;
    if (real_)
        real_->setEnableContextMenu(on);
}

void LazyMediaPlayer::placeChanged()
{
    if (!real_)
        return;
    real_->setPlace(place());
    real_->setVisible(isVisible());
}
