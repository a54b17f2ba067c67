#pragma once

#include <QByteArray>
#include <QColor>
#include <QPoint>
#include <QSize>
#include <QString>

// Picture and cursor files made at test time.
namespace TestPictures {

// Writes a picture of one colour; format as Qt names it ("png", "jpg", ...).
void write(const QString& path, QSize size, const char* format, QColor colour = Qt::darkCyan);
// The bytes of such a picture.
QByteArray bytes(QSize size, const char* format, QColor colour = Qt::darkCyan);
void putBytes(const QString& path, const QByteArray& data);
// A Windows cursor file with one image and its hot spot.
void writeCursor(const QString& path, QSize size, QPoint hotSpot, QColor colour = Qt::black);
// A Windows icon file with one image.
void writeIcon(const QString& path, QSize size, QColor colour = Qt::black);

} // namespace TestPictures
