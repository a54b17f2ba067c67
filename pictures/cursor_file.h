#pragma once

#include <QImage>
#include <QPoint>
#include <QString>
#include <optional>

// A mouse cursor read from a Windows cursor (.cur) or icon (.ico) file:
// its picture and hot spot. A cursor file names its hot spot; an icon's is
// its centre.
struct CursorPicture {
    QImage image;
    QPoint hotSpot;
};

namespace CursorFile {

// Nothing when the file is missing or holds no picture.
std::optional<CursorPicture> read(const QString& path);

} // namespace CursorFile
