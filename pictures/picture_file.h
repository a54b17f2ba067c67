#pragma once

#include <QImage>
#include <QSize>
#include <QString>

class ImageControl;

// Reading picture files. Any format Qt has a reader for loads, known by
// the file's content (a PNG named .jpg still loads), or by its suffix when
// the content has no signature (a header-less .dib). Files that are no
// picture, damaged beyond reading, empty or too large give the empty
// picture; nothing is reported.
namespace PictureFile {

// Largest picture kept at full resolution: 128 megapixels (512 MB at four
// bytes a pixel). A larger JPEG is decoded reduced by 2, 4 or 8 to at most
// half of that; a larger picture of another format is not read at all.
inline constexpr qint64 kMaxPixels = qint64(128) * 1024 * 1024;

struct Picture {
    QImage image;            // what is shown; may be reduced from the file
    QSize naturalSize{0, 0}; // the file's own size in pixels; 0 x 0 when none
};

Picture read(const QString& path);

// Loads a file into an image control, as a picture is loaded into Image2:
// the control holds the picture and takes its natural size in twips; a
// file that is no picture leaves it empty and 0 x 0. True when it holds a
// picture.
bool loadInto(ImageControl& control, const QString& path);

} // namespace PictureFile
