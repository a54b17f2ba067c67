#pragma once

#include <QString>
#include <QStringList>

class QIODevice;

// The program's text files: GB18030 without a byte-order mark, lines ended
// by CR LF. Readers also take lines ended by LF or CR alone, and a last
// line without an end.
namespace GbText {

// Nothing beyond this many bytes of a file is read: a list of the most
// entries the program holds is far smaller.
inline constexpr qint64 kMaxBytes = qint64(256) << 20;

enum class EmptyLines { Keep, Skip };

// The lines of a device, at most maxLines of them (skipped lines do not
// count). Bytes that are not GB18030 read as U+FFFD.
QStringList readLines(QIODevice& device, int maxLines, EmptyLines empty = EmptyLines::Keep);

// The lines of a file; none when it is missing, unreadable or not a
// regular file (a pipe or a device would never end or never answer).
QStringList readFileLines(const QString& path, int maxLines, EmptyLines empty = EmptyLines::Keep);

// Replaces the file with the lines, each followed by CR LF. The old file
// stays whole until the new one is complete. False when it could not be
// written (a missing folder is not created).
bool writeFile(const QString& path, const QStringList& lines);

} // namespace GbText
