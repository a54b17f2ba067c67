#include "playback/time_text.h"

#include "playback/numeric_value.h"

#include <cmath>

namespace TimeText {

namespace {

QString twoDigits(double n)
{
    return QString::number(qint64(n)).rightJustified(2, u'0');
}

} // namespace

std::optional<QString> hms(double seconds)
{
    if (!std::isfinite(seconds) || seconds < 0)
        return std::nullopt;
    const double h = std::floor(seconds / 3600);
    const double m = std::floor((seconds - h * 3600) / 60);
    const double s = std::floor(seconds - h * 3600 - m * 60);
    if (h >= 100)
        return std::nullopt;
    return twoDigits(h) + u':' + twoDigits(m) + u':' + twoDigits(s);
}

double seconds(QStringView text)
{
    return numericValue(text.mid(0, 2)) * 3600 + numericValue(text.mid(3, 2)) * 60
        + numericValue(text.mid(6, 2));
}

} // namespace TimeText
