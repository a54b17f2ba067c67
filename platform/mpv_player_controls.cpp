// The player's readings and settings: position, duration, picture size,
// rate and balance.
#include "platform/mpv_media_player.h"

#include "platform/mpv_core.h"

#include <algorithm>
#include <cmath>

namespace {

// The filter graph that lowers the far channel by |balance| hundredths of a
// dB. pan works on stereo, so other layouts are mixed to stereo first, and
// on float samples, so a lowered channel keeps its detail.
QString balanceGraph(int balance)
{
    const double gain = std::pow(10.0, -std::abs(balance) / 100.0 / 20.0);
    const double left = balance > 0 ? gain : 1.0;
    const double right = balance < 0 ? gain : 1.0;
    return QString("aformat=sample_fmts=flt:channel_layouts=stereo,pan=stereo|c0=%1*c0|c1=%2*c1")
        .arg(left, 0, 'g', 9)
        .arg(right, 0, 'g', 9);
}

} // namespace

std::optional<double> MpvMediaPlayer::currentPosition() const
{
    if (url_.isEmpty())
        return std::nullopt;
    if (medium_.ended)
        return medium_.startAt;
    if (!medium_.open)
        return 0.0;
    if (seekTarget_)
        return *seekTarget_;
    return observed_.timePos;
}

// On an ended medium the position is where the next play starts it.
bool MpvMediaPlayer::setCurrentPosition(double seconds)
{
    if (!std::isfinite(seconds))
        return false;
    seconds = std::max(0.0, seconds);
    if (medium_.ended) {
        medium_.startAt = std::min(seconds, knownDuration_);
        return true;
    }
    if (!medium_.open)
        return false;
    if (!core_->command({"seek", QString::number(seconds, 'f', 3), "absolute"}))
        return false;
    seekTarget_ = seconds;
    return true;
}

std::optional<double> MpvMediaPlayer::duration() const
{
    if (url_.isEmpty())
        return std::nullopt;
    return knownDuration_;
}

std::optional<int> MpvMediaPlayer::imageSourceWidth() const
{
    if (url_.isEmpty())
        return std::nullopt;
    return knownWidth_;
}

std::optional<int> MpvMediaPlayer::imageSourceHeight() const
{
    if (url_.isEmpty())
        return std::nullopt;
    return knownHeight_;
}

// The status tick sets the rate five times a second; mpv keeps its speed
// from one medium to the next, so only a change goes out.
bool MpvMediaPlayer::setRate(double rate)
{
    if (!std::isfinite(rate) || rate <= 0)
        return false;
    if (rate == rate_ && core_->hasEngine())
        return true;
    if (!core_->setDouble("speed", rate))
        return false;
    rate_ = rate;
    return true;
}

// mpv accepts a filter it cannot build without complaint, so the value is
// read back to see that it took.
bool MpvMediaPlayer::setBalance(int balance)
{
    balance = std::clamp(balance, -10000, 10000);
    const QString graph = balance == 0 ? QString() : balanceGraph(balance);
    if (!core_->setString("af", graph.isEmpty() ? QString() : "lavfi=[" + graph + "]"))
        return false;
    const QString applied = core_->getString("af").value_or(QString());
    return graph.isEmpty() ? applied.isEmpty() : applied.contains(graph);
}
