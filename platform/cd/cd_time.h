#pragma once

#include "platform/cd/cd_toc.h"

#include <QString>
#include <optional>

// The device's two time formats and the texts it answers in. Milliseconds
// count from the start of the disc's audio, so the lengths of the tracks
// before a track add up to exactly where it begins.
namespace CdTime {

constexpr int kSectorsPerSecond = 75;

enum class Format { Tmsf, Milliseconds };

// "mm:ss:ff" of a number of sectors.
QString msf(qint32 sectors);
// Sectors to milliseconds, rounded down, and back, rounded up: a position
// read in milliseconds and sent back lands on the same sector.
qint64 msOf(qint32 sectors);
qint32 sectorsOfMs(qint64 ms);

// The reply to "status position": tmsf "tt:mm:ss:ff" or milliseconds.
QString positionText(const CdToc& toc, Format format, qint32 lsn);
// The reply to "status length track N": tmsf "mm:ss:ff" or milliseconds;
// none for a number that is no audio track.
std::optional<QString> trackLengthText(const CdToc& toc, Format format, const QString& number);
// The sector a "seek to" / "play from" value names, none when the value is
// no number of the format or lies outside the audio. In tmsf a value is a
// track ("3"), "t:m:s:f", or the four bytes packed into one number.
std::optional<qint32> positionOf(const CdToc& toc, Format format, const QString& value);

// A decimal number of at most 32 bits, nothing else.
std::optional<quint32> decimal(const QString& text);

} // namespace CdTime
