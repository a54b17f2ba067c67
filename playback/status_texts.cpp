#include "playback/status_texts.h"

#include "platform/media_player.h"

#include <cmath>
#include <cstdlib>

namespace StatusTexts {

QString playerState(int playState)
{
    switch (playState) {
    case MediaPlayer::Playing: return Playing;
    case MediaPlayer::Paused: return Paused;
    case MediaPlayer::Buffering: return QStringLiteral(" 正在缓冲  ");
    case MediaPlayer::Transitioning: return QStringLiteral(" 正在连接  ");
    case MediaPlayer::Ready: return Ready;
    default: return Stopped;
    }
}

QString speed(double sudu_shu, bool times10)
{
    const double rate = sudu_shu / 100 * (times10 ? 10 : 1);
    const QString s = QString::number(rate, 'f', 2) + QStringLiteral("倍速");
    return QString(std::abs(int(s.size()) - 8), u' ') + s + u' ';
}

QString zoom(double shownWidth, double naturalWidth)
{
    if (naturalWidth == 0)
        return {};
    const double percent = std::nearbyint(shownWidth / naturalWidth * 100);
    return QStringLiteral("( ") + QString::number(percent, 'f', 0) + QStringLiteral("%)");
}

QString entryCounter(int checkedIndex, int count)
{
    if (checkedIndex < 0)
        return {};
    return QStringLiteral("--第%1首/总%2首").arg(checkedIndex + 1).arg(count);
}

QString padding(double outerWidthTwips)
{
    const double n = std::nearbyint(outerWidthTwips / 150 - 26);
    return n > 0 ? QString(qsizetype(n), u' ') : QString();
}

} // namespace StatusTexts
