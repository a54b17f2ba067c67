// Reading picture and cursor files, good and bad.
#include "picture_files.h"

#include "pictures/cursor_file.h"
#include "pictures/picture_file.h"
#include "platform/placed_control.h"

#include <QDir>
#include <QFile>
#include <QImageReader>
#include <QTemporaryDir>
#include <QtEndian>
#include <gtest/gtest.h>

namespace {

struct PictureFileTest : ::testing::Test {
    QString path(const QString& name) const { return dir.filePath(name); }
    QTemporaryDir dir;
};

struct FormatCase {
    const char* name;
    const char* format; // written by Qt
};

TEST_F(PictureFileTest, FormatsWithAReaderLoadAtTheirNaturalSize)
{
    QList<FormatCase> cases = {{"a.jpg", "jpg"}, {"a.jpeg", "jpeg"}, {"a.png", "png"},
                               {"a.bmp", "bmp"}, {"a.dib", "bmp"},   {"a.ico", "ico"},
                               {"a.ppm", "ppm"}, {"a.xpm", "xpm"}};
    if (QImageReader::supportedImageFormats().contains("tiff"))
        cases += {{"a.tif", "tiff"}, {"a.tiff", "tiff"}};
    if (QImageReader::supportedImageFormats().contains("webp"))
        cases += {{"a.webp", "webp"}};
    for (const FormatCase& c : cases) {
        TestPictures::write(path(c.name), {37, 23}, c.format);
        ImageControl control;
        EXPECT_TRUE(PictureFile::loadInto(control, path(c.name))) << c.name;
        EXPECT_EQ(control.picture().size(), QSize(37, 23)) << c.name;
        EXPECT_EQ(control.width(), 37 * 15) << c.name;
        EXPECT_EQ(control.height(), 23 * 15) << c.name;
    }
}

TEST_F(PictureFileTest, GifLoads)
{
    // Qt reads GIF but does not write it: a black 2 x 1 GIF written out.
    const QByteArray gif = QByteArray::fromHex("47494638396102000100f0000000000000000021f904"
                                               "00000000002c0000000002000100000202040a003b");
    TestPictures::putBytes(path("a.gif"), gif);
    const PictureFile::Picture picture = PictureFile::read(path("a.gif"));
    EXPECT_EQ(picture.naturalSize, QSize(2, 1));
}

TEST_F(PictureFileTest, MisnamedPicturesLoadByTheirContent)
{
    TestPictures::putBytes(path("png.jpg"), TestPictures::bytes({5, 4}, "png"));
    TestPictures::putBytes(path("jpeg.bmp"), TestPictures::bytes({6, 4}, "jpg"));
    TestPictures::putBytes(path("noname"), TestPictures::bytes({7, 4}, "png"));
    EXPECT_EQ(PictureFile::read(path("png.jpg")).naturalSize, QSize(5, 4));
    EXPECT_EQ(PictureFile::read(path("jpeg.bmp")).naturalSize, QSize(6, 4));
    EXPECT_EQ(PictureFile::read(path("noname")).naturalSize, QSize(7, 4));
}

// Whatever a bad file is, it gives the empty picture and 0 x 0, or (a
// truncated one) what could be read; it never brings the program down.
TEST_F(PictureFileTest, BadFilesGiveNoPicture)
{
    const QByteArray jpeg = TestPictures::bytes({64, 48}, "jpg");
    QByteArray damaged = jpeg;
    for (int i = 200; i < damaged.size() - 2; i += 7)
        damaged[i] = char(0xA5);
    const QList<QPair<QString, QByteArray>> files = {
        {"zero.jpg", QByteArray()},
        {"text.jpg", "this is not a picture\r\n"},
        {"header.png", QByteArray::fromHex("89504e470d0a1a0a")},
        {"damaged.jpg", damaged},
        {"truncated.jpg", jpeg.left(jpeg.size() / 2)},
        {"truncated.png", TestPictures::bytes({64, 48}, "png").left(40)},
        {"random.bmp", QByteArray(5000, char(0x42))},
    };
    for (const auto& [name, bytes] : files) {
        TestPictures::putBytes(path(name), bytes);
        ImageControl control;
        control.setWidth(99);
        const bool loaded = PictureFile::loadInto(control, path(name));
        EXPECT_EQ(loaded, !control.picture().isNull()) << name.toStdString();
        if (!loaded) {
            EXPECT_EQ(control.width(), 0) << name.toStdString();
            EXPECT_EQ(control.height(), 0) << name.toStdString();
        } else {
            EXPECT_EQ(control.width(), 64 * 15) << name.toStdString();
        }
    }
    EXPECT_TRUE(PictureFile::read(path("zero.jpg")).image.isNull());
    EXPECT_TRUE(PictureFile::read(path("text.jpg")).image.isNull());
    EXPECT_TRUE(PictureFile::read(path("missing.jpg")).image.isNull());
    QDir().mkpath(path("folder.jpg"));
    EXPECT_TRUE(PictureFile::read(path("folder.jpg")).image.isNull());
    EXPECT_TRUE(PictureFile::read(QString()).image.isNull());
}

// A BMP header that claims 100000 x 100000 pixels: refused before anything
// is allocated.
TEST_F(PictureFileTest, AHugeClaimIsRefused)
{
    QByteArray bmp = TestPictures::bytes({4, 4}, "bmp");
    auto* b = reinterpret_cast<uchar*>(bmp.data());
    qToLittleEndian<qint32>(100000, b + 18);
    qToLittleEndian<qint32>(100000, b + 22);
    TestPictures::putBytes(path("huge.bmp"), bmp);
    const PictureFile::Picture picture = PictureFile::read(path("huge.bmp"));
    EXPECT_TRUE(picture.image.isNull());
    EXPECT_EQ(picture.naturalSize, QSize(0, 0));
}

// 100 megapixels (a one-bit PNG, small on disk) are shown at full size.
TEST_F(PictureFileTest, HundredMegapixelsLoad)
{
    QImage mono(10000, 10000, QImage::Format_Mono);
    mono.fill(1);
    ASSERT_TRUE(mono.save(path("big.png")));
    mono = QImage();
    const PictureFile::Picture picture = PictureFile::read(path("big.png"));
    EXPECT_EQ(picture.naturalSize, QSize(10000, 10000));
    EXPECT_EQ(picture.image.size(), QSize(10000, 10000));
}

// A JPEG beyond the limit is decoded reduced, keeping its natural size.
TEST_F(PictureFileTest, ALargerJpegIsReadReduced)
{
    QByteArray jpeg = TestPictures::bytes({16, 16}, "jpg");
    // Make the frame header (SOF0: FF C0, length, precision, height, width)
    // claim 12000 x 12000; the data then runs out, which the decoder fills.
    const qsizetype sof = jpeg.indexOf(QByteArray::fromHex("ffc0"));
    ASSERT_GT(sof, 0);
    auto* b = reinterpret_cast<uchar*>(jpeg.data()) + sof;
    qToBigEndian<quint16>(12000, b + 5);
    qToBigEndian<quint16>(12000, b + 7);
    TestPictures::putBytes(path("large.jpg"), jpeg);
    const PictureFile::Picture picture = PictureFile::read(path("large.jpg"));
    EXPECT_EQ(picture.naturalSize, QSize(12000, 12000));
    EXPECT_EQ(picture.image.size(), QSize(6000, 6000));
}

TEST_F(PictureFileTest, CursorFilesGiveTheirHotSpot)
{
    TestPictures::writeCursor(path("a.cur"), {32, 32}, {3, 7});
    TestPictures::writeIcon(path("a.ico"), {24, 24});
    const auto cursor = CursorFile::read(path("a.cur"));
    ASSERT_TRUE(cursor);
    EXPECT_EQ(cursor->image.size(), QSize(32, 32));
    EXPECT_EQ(cursor->hotSpot, QPoint(3, 7));
    const auto icon = CursorFile::read(path("a.ico"));
    ASSERT_TRUE(icon);
    EXPECT_EQ(icon->hotSpot, QPoint(12, 12));

    TestPictures::writeCursor(path("far.cur"), {32, 32}, {300, 7});
    EXPECT_EQ(CursorFile::read(path("far.cur"))->hotSpot, QPoint(16, 16));
    TestPictures::putBytes(path("bad.cur"), QByteArray::fromHex("000002000100"));
    EXPECT_FALSE(CursorFile::read(path("bad.cur")));
    EXPECT_FALSE(CursorFile::read(path("missing.cur")));
}

} // namespace
