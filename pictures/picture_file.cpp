#include "pictures/picture_file.h"

#include "platform/placed_control.h"

#include <QFileInfo>
#include <QImageReader>
#include <optional>

namespace PictureFile {

namespace {

constexpr int kBytesPerPixel = 4;

qint64 pixelsOf(QSize size)
{
    return qint64(size.width()) * size.height();
}

// A JPEG is decoded reduced by the decoder itself (by 2, 4 or 8), so a
// reduced read never holds the full picture. Other decoders would read it
// whole first.
bool canReduce(const QImageReader& reader)
{
    return reader.format() == "jpeg" || reader.format() == "jpg";
}

// The decoder's own reduction, to at most half the limit: the decoder may
// give a pixel more than asked, which costs one more copy at that size.
std::optional<QSize> reducedToFit(QSize size)
{
    for (int d = 2; d <= 8; d *= 2) {
        const QSize reduced(qMax(1, size.width() / d), qMax(1, size.height() / d));
        if (pixelsOf(reduced) <= kMaxPixels / 2)
            return reduced;
    }
    return std::nullopt;
}

Picture readWith(QImageReader& reader)
{
    // Qt's own limit would refuse an ordinary 40-megapixel photo; ours is
    // the pixel count above, checked by each decoder before it allocates.
    reader.setAllocationLimit(int(kMaxPixels * kBytesPerPixel / (1024 * 1024)) + 1);
    const QSize natural = reader.size();
    if (natural.isValid() && pixelsOf(natural) > kMaxPixels) {
        const std::optional<QSize> reduced = reducedToFit(natural);
        if (!reduced || !canReduce(reader))
            return {};
        reader.setScaledSize(*reduced);
    }
    Picture picture{reader.read(), natural};
    if (picture.image.isNull())
        return {};
    if (!picture.naturalSize.isValid())
        picture.naturalSize = picture.image.size();
    return picture;
}

} // namespace

// By content first, so a PNG named .jpg still loads; then by the suffix,
// for pictures without a signature of their own (a header-less .dib).
Picture read(const QString& path)
{
    if (path.isEmpty() || !QFileInfo(path).isFile())
        return {};
    for (const bool byContent : {true, false}) {
        QImageReader reader(path);
        reader.setDecideFormatFromContent(byContent);
        const Picture picture = readWith(reader);
        if (!picture.image.isNull())
            return picture;
    }
    return {};
}

bool loadInto(ImageControl& control, const QString& path)
{
    const Picture picture = read(path);
    control.setPicture(picture.image);
    control.setWidth(pixelsToTwips(picture.naturalSize.width()));
    control.setHeight(pixelsToTwips(picture.naturalSize.height()));
    return !picture.image.isNull();
}

} // namespace PictureFile
