#include "picture_files.h"

#include <QBuffer>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QImage>
#include <QtEndian>

namespace TestPictures {

QByteArray bytes(QSize size, const char* format, QColor colour)
{
    QImage image(size, QImage::Format_ARGB32);
    image.fill(colour);
    QByteArray data;
    QBuffer buffer(&data);
    buffer.open(QIODevice::WriteOnly);
    image.save(&buffer, format);
    return data;
}

void putBytes(const QString& path, const QByteArray& data)
{
    QDir().mkpath(QFileInfo(path).path());
    QFile file(path);
    if (file.open(QIODevice::WriteOnly))
        file.write(data);
}

void write(const QString& path, QSize size, const char* format, QColor colour)
{
    putBytes(path, bytes(size, format, colour));
}

void writeIcon(const QString& path, QSize size, QColor colour)
{
    putBytes(path, bytes(size, "ico", colour));
}

// A cursor file is an icon file of type 2 whose entry holds the hot spot
// where an icon's holds its planes and bit count.
void writeCursor(const QString& path, QSize size, QPoint hotSpot, QColor colour)
{
    QByteArray data = bytes(size, "ico", colour);
    auto* b = reinterpret_cast<uchar*>(data.data());
    qToLittleEndian<quint16>(2, b + 2);
    qToLittleEndian<quint16>(quint16(hotSpot.x()), b + 6 + 4);
    qToLittleEndian<quint16>(quint16(hotSpot.y()), b + 6 + 6);
    putBytes(path, data);
}

} // namespace TestPictures
