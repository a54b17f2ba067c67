#include "platform/cd/cd_time.h"

#include <QStringList>

namespace CdTime {

namespace {

QString twoDigits(qint64 n)
{
    return QString::number(n).rightJustified(2, u'0');
}

std::optional<qint32> tmsfPosition(const CdToc& toc, quint32 t, quint32 m, quint32 s, quint32 f)
{
    const CdTrack* track = toc.audioTrack(int(t));
    if (!track || s > 59 || f >= kSectorsPerSecond)
        return std::nullopt;
    const qint64 offset = (qint64(m) * 60 + s) * kSectorsPerSecond + f;
    if (offset > track->sectors)
        return std::nullopt;
    return track->lsn + qint32(offset);
}

std::optional<qint32> tmsfPosition(const CdToc& toc, const QString& value)
{
    const QStringList parts = value.split(u':');
    if (parts.size() == 1) {
        // One number is the four bytes track, minute, second, frame packed.
        const auto packed = decimal(value);
        if (!packed)
            return std::nullopt;
        return tmsfPosition(toc, *packed & 0xff, (*packed >> 8) & 0xff, (*packed >> 16) & 0xff, *packed >> 24);
    }
    if (parts.size() > 4)
        return std::nullopt;
    quint32 fields[4] = {0, 0, 0, 0};
    for (qsizetype i = 0; i < parts.size(); ++i) {
        const auto field = decimal(parts.at(i));
        if (!field || *field > 0xff)
            return std::nullopt;
        fields[i] = *field;
    }
    return tmsfPosition(toc, fields[0], fields[1], fields[2], fields[3]);
}

} // namespace

QString msf(qint32 sectors)
{
    const qint32 seconds = sectors / kSectorsPerSecond;
    return twoDigits(seconds / 60) + u':' + twoDigits(seconds % 60) + u':'
        + twoDigits(sectors % kSectorsPerSecond);
}

qint64 msOf(qint32 sectors)
{
    return qint64(sectors) * 1000 / kSectorsPerSecond;
}

qint32 sectorsOfMs(qint64 ms)
{
    return qint32((ms * kSectorsPerSecond + 999) / 1000);
}

QString positionText(const CdToc& toc, Format format, qint32 lsn)
{
    if (format == Format::Milliseconds)
        return QString::number(msOf(lsn - toc.audioStart()));
    const CdTrack* track = toc.trackAt(lsn);
    if (!track)
        return QString();
    return twoDigits(track->number) + u':' + msf(lsn - track->lsn);
}

std::optional<QString> trackLengthText(const CdToc& toc, Format format, const QString& number)
{
    const auto n = decimal(number);
    const CdTrack* track = n && *n <= 99 ? toc.audioTrack(int(*n)) : nullptr;
    if (!track)
        return std::nullopt;
    if (format == Format::Tmsf)
        return msf(track->sectors);
    // The difference of the two ends, so that lengths add up to positions.
    const qint32 start = toc.audioStart();
    return QString::number(msOf(track->end() - start) - msOf(track->lsn - start));
}

std::optional<qint32> positionOf(const CdToc& toc, Format format, const QString& value)
{
    if (format == Format::Tmsf)
        return tmsfPosition(toc, value);
    const auto ms = decimal(value);
    if (!ms)
        return std::nullopt;
    const qint64 lsn = toc.audioStart() + qint64(sectorsOfMs(*ms));
    if (lsn > toc.audioEnd() || !toc.trackAt(qint32(lsn)))
        return std::nullopt;
    return qint32(lsn);
}

std::optional<quint32> decimal(const QString& text)
{
    if (text.isEmpty() || text.size() > 10)
        return std::nullopt;
    for (QChar c : text) {
        if (c < u'0' || c > u'9')
            return std::nullopt;
    }
    const qulonglong value = text.toULongLong();
    if (value > 0xffffffffULL)
        return std::nullopt;
    return quint32(value);
}

} // namespace CdTime
