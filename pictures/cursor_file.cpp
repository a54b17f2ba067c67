#include "pictures/cursor_file.h"

#include <QFile>
#include <QImageReader>
#include <QtEndian>

namespace CursorFile {

namespace {

constexpr int kHeaderBytes = 6;     // reserved, type, count
constexpr int kFirstEntryBytes = 16; // the first image's directory entry
constexpr quint16 kCursorType = 2;

// The hot spot of a cursor file's first image: its entry keeps it where an
// icon keeps its colour planes and bit count.
std::optional<QPoint> cursorHotSpot(const QByteArray& head)
{
    if (head.size() < kHeaderBytes + kFirstEntryBytes)
        return std::nullopt;
    const auto* bytes = reinterpret_cast<const uchar*>(head.constData());
    if (qFromLittleEndian<quint16>(bytes + 2) != kCursorType)
        return std::nullopt;
    return QPoint(qFromLittleEndian<quint16>(bytes + kHeaderBytes + 4),
                  qFromLittleEndian<quint16>(bytes + kHeaderBytes + 6));
}

} // namespace

std::optional<CursorPicture> read(const QString& path)
{
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return std::nullopt;
    const QByteArray head = file.peek(kHeaderBytes + kFirstEntryBytes);
    QImageReader reader(&file);
    const QImage image = reader.read();
    if (image.isNull())
        return std::nullopt;
    const QPoint centre(image.width() / 2, image.height() / 2);
    QPoint hotSpot = cursorHotSpot(head).value_or(centre);
    if (!image.rect().contains(hotSpot))
        hotSpot = centre;
    return CursorPicture{image, hotSpot};
}

} // namespace CursorFile
