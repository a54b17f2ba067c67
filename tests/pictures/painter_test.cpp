// Painting the picture: only the exposed part, from reduced copies when
// the picture is shown smaller, at any zoom; and clipping huge frames.
#include "pictures/picture_clip.h"
#include "pictures/picture_painter.h"

#include <QPainter>
#include <cmath>
#include <gtest/gtest.h>
#include <limits>

namespace {

QImage canvas(int w, int h)
{
    QImage image(w, h, QImage::Format_RGB32);
    image.fill(Qt::white);
    return image;
}

QImage paint(const PicturePainter& painter, const QRectF& target, QSize size = {50, 50},
             QRect exposed = {})
{
    QImage device = canvas(size.width(), size.height());
    QPainter p(&device);
    painter.paint(p, target, exposed.isNull() ? device.rect() : exposed);
    return device;
}

// One-pixel black and white stripes.
QImage stripes(int w, int h)
{
    QImage image(w, h, QImage::Format_RGB32);
    for (int y = 0; y < h; ++y) {
        auto* line = reinterpret_cast<QRgb*>(image.scanLine(y));
        for (int x = 0; x < w; ++x)
            line[x] = (x % 2) ? qRgb(255, 255, 255) : qRgb(0, 0, 0);
    }
    return image;
}

double deviation(const QImage& image)
{
    double sum = 0, squares = 0;
    const int n = image.width() * image.height();
    for (int y = 0; y < image.height(); ++y) {
        for (int x = 0; x < image.width(); ++x) {
            const double v = qRed(image.pixel(x, y));
            sum += v;
            squares += v * v;
        }
    }
    return std::sqrt(squares / n - (sum / n) * (sum / n));
}

// A picture shown at a tenth of its size is drawn from a reduced copy:
// fine stripes become an even grey, not moiré.
TEST(PicturePainterTest, ReducedPicturesStaySmooth)
{
    PicturePainter painter;
    painter.setImage(stripes(2000, 1000));
    const QImage shown = paint(painter, QRectF(0, 0, 200, 100), {200, 100});
    EXPECT_LT(deviation(shown), 12);
}

TEST(PicturePainterTest, LevelsFollowTheShownSize)
{
    PicturePainter painter;
    painter.setImage(canvas(1024, 512));
    const QList<QPair<QSizeF, int>> cases = {
        {{1024, 512}, 0}, {{5000, 2500}, 0}, {{600, 300}, 0}, {{512, 256}, 1},
        {{300, 100}, 1},  {{256, 128}, 2},   {{1, 1}, 4},
    };
    for (const auto& [size, level] : cases)
        EXPECT_EQ(painter.levelFor(size), level) << size.width();
}

// Zoomed a trillion times: the pixel under the device is still found.
TEST(PicturePainterTest, AnyZoomShowsTheRightPixel)
{
    QImage quarters(2, 2, QImage::Format_RGB32);
    quarters.setPixel(0, 0, qRgb(255, 0, 0));
    quarters.setPixel(1, 0, qRgb(0, 255, 0));
    quarters.setPixel(0, 1, qRgb(0, 0, 255));
    quarters.setPixel(1, 1, qRgb(255, 255, 0));
    PicturePainter painter;
    painter.setImage(quarters);
    const double big = 1e12;
    // The device lies in the middle of pixel (1, 1), then of pixel (0, 0).
    QImage shown = paint(painter, QRectF(-1.5 * big, -1.5 * big, 2 * big, 2 * big));
    EXPECT_EQ(shown.pixel(25, 25), qRgb(255, 255, 0));
    shown = paint(painter, QRectF(-0.5 * big, -0.5 * big, 2 * big, 2 * big));
    EXPECT_EQ(shown.pixel(25, 25), qRgb(255, 0, 0));
}

TEST(PicturePainterTest, OnlyTheExposedPartIsPainted)
{
    QImage red(10, 10, QImage::Format_RGB32);
    red.fill(Qt::red);
    PicturePainter painter;
    painter.setImage(red);
    const QImage shown = paint(painter, QRectF(0, 0, 50, 50), {50, 50}, QRect(10, 10, 5, 5));
    EXPECT_EQ(shown.pixelColor(12, 12), QColor(Qt::red));
    EXPECT_EQ(shown.pixelColor(30, 30), QColor(Qt::white));
    EXPECT_EQ(shown.pixelColor(5, 12), QColor(Qt::white));
}

TEST(PicturePainterTest, NothingToPaint)
{
    QImage red(10, 10, QImage::Format_RGB32);
    red.fill(Qt::red);
    PicturePainter painter;
    painter.setImage(red);
    const double inf = std::numeric_limits<double>::infinity();
    const double nan = std::numeric_limits<double>::quiet_NaN();
    for (const QRectF& target : {QRectF(0, 0, inf, inf), QRectF(nan, 0, 10, 10),
                                 QRectF(0, 0, 0, 10), QRectF(100, 100, 10, 10)})
        EXPECT_EQ(paint(painter, target).pixelColor(5, 5), QColor(Qt::white));
    PicturePainter empty;
    EXPECT_EQ(paint(empty, QRectF(0, 0, 50, 50)).pixelColor(5, 5), QColor(Qt::white));
}

struct ClipCase {
    const char* name;
    QRectF place;
    bool shown;
    QRect widget;
    QPointF origin;
};

TEST(PictureClipTest, OnlyThePartInsideGetsAWidget)
{
    const QRect bounds(0, 0, 800, 600);
    const QList<ClipCase> cases = {
        {"inside", {10, 20, 300, 200}, true, {10, 20, 300, 200}, {0, 0}},
        {"huge", {-1e13, -2e13, 1e14, 1e14}, true, bounds, {-1e13, -2e13}},
        {"partly", {-100.5, 500, 400, 400}, true, {0, 500, 300, 100}, {-100.5, 0}},
        {"outside", {900, 0, 100, 100}, false, {}, {}},
        {"empty", {10, 10, 0, 100}, false, {}, {}},
        {"not finite", {0, 0, std::numeric_limits<double>::infinity(), 10}, false, {}, {}},
    };
    for (const ClipCase& c : cases) {
        const ClippedPlace clip = clipPlace(c.place, bounds);
        EXPECT_EQ(clip.shown, c.shown) << c.name;
        if (!c.shown)
            continue;
        EXPECT_EQ(clip.widget, c.widget) << c.name;
        EXPECT_EQ(clip.origin, c.origin) << c.name;
    }
}

} // namespace
