#include "chrome/skin_background.h"
#include "core/menu_array.h"

#include <QImage>
#include <QPainter>
#include <gtest/gtest.h>

TEST(CheckedBackgroundSuffix, HighestCheckedItemDecides)
{
    MenuArray menu;
    EXPECT_EQ(checkedBackgroundSuffix(menu), QString());
    menu[0] = {"山水.jpg", true};
    menu[3] = {"边框.wzh", false};
    EXPECT_EQ(checkedBackgroundSuffix(menu), ".jpg");
    menu[3].checked = true;
    EXPECT_EQ(checkedBackgroundSuffix(menu), ".wzh");
    menu[0].checked = menu[3].checked = false;
    EXPECT_EQ(checkedBackgroundSuffix(menu), QString());
}

TEST(NinePartFrame, TableForAWideWindow)
{
    const double W = 12000, H = 9000;
    const QList<FramePart> parts = ninePartFrame(W, H);
    const QList<FramePart> expected = {
        {{0, 0, 3000, 2400}, {0, 0, 3000, 2400}},
        {{3000, 0, 6000, 2400}, {3000, 0, 6000, 2400}},
        {{9000, 0, 3000, 2400}, {9000, 0, 3000, 2400}},
        {{0, 2400, 3000, 4780}, {0, 2400, 3000, 4200}},
        {{3000, 2400, 6000, 4780}, {3000, 2400, 6000, 4200}},
        {{9000, 2400, 3000, 4780}, {9000, 2400, 3000, 4200}},
        {{0, 7180, 3000, 2400}, {0, 6600, 3000, 2400}},
        {{3000, 7180, 6000, 2400}, {3000, 6600, 6000, 2400}},
        {{9000, 7180, 3000, 2400}, {9000, 6600, 3000, 2400}},
    };
    ASSERT_EQ(parts.size(), expected.size());
    for (int i = 0; i < parts.size(); ++i) {
        EXPECT_EQ(parts[i].destination, expected[i].destination) << i;
        EXPECT_EQ(parts[i].source, expected[i].source) << i;
    }
}

TEST(NinePartFrame, DegenerateRectanglesAreSkipped)
{
    struct Case {
        double w, h;
        int parts;
    };
    const Case cases[] = {{6000, 9000, 6}, {5000, 9000, 6}, {9000, 4220, 6}, {6000, 4000, 4}, {6015, 4235, 9}};
    for (const Case& c : cases)
        EXPECT_EQ(ninePartFrame(c.w, c.h).size(), c.parts) << c.w << "x" << c.h;
}

namespace {

// A 12000 x 9000-twip source whose nine blocks have their own colours.
QImage nineColourPicture()
{
    QImage img(800, 600, QImage::Format_RGB32);
    QPainter p(&img);
    const int xs[] = {0, 200, 600, 800}, ys[] = {0, 160, 440, 600};
    for (int r = 0; r < 3; ++r)
        for (int c = 0; c < 3; ++c)
            p.fillRect(QRect(QPoint(xs[c], ys[r]), QPoint(xs[c + 1] - 1, ys[r + 1] - 1)),
                       QColor(40 + 80 * c, 40 + 80 * r, 128));
    return img;
}

QImage painted(const QString& suffix, double w, double h)
{
    QImage out(twipsToPixels(w), twipsToPixels(h), QImage::Format_RGB32);
    out.fill(Qt::black);
    QPainter p(&out);
    paintBackground(p, nineColourPicture(), suffix, w, h);
    return out;
}

} // namespace

TEST(PaintBackground, FrameKeepsCornersAtTheirSize)
{
    const QImage out = painted(".wzh", 18000, 12000);   // 1200 x 800 pixels
    EXPECT_EQ(out.pixelColor(10, 10), QColor(40, 40, 128));          // top-left corner
    EXPECT_EQ(out.pixelColor(1190, 10), QColor(200, 40, 128));       // top-right corner
    EXPECT_EQ(out.pixelColor(600, 400), QColor(120, 120, 128));      // stretched centre
    EXPECT_EQ(out.pixelColor(195, 10), QColor(40, 40, 128));         // corner 200 px wide
    EXPECT_EQ(out.pixelColor(205, 10), QColor(120, 40, 128));        // top edge starts
    // The bottom row starts 1820 twips (121 px) above the bottom.
    EXPECT_EQ(out.pixelColor(10, 800 - 115), QColor(40, 200, 128));
    EXPECT_EQ(out.pixelColor(10, 800 - 128), QColor(40, 120, 128));
}

TEST(PaintBackground, OtherNamesAreStretched)
{
    for (const QString& suffix : {QString(".jpg"), QString(".WZH"), QString()}) {
        const QImage out = painted(suffix, 18000, 12000);
        // Stretched by 1.5: the top-left block reaches 300 px across.
        EXPECT_EQ(out.pixelColor(290, 10), QColor(40, 40, 128)) << suffix.toStdString();
        EXPECT_EQ(out.pixelColor(1190, 790), QColor(200, 200, 128)) << suffix.toStdString();
    }
}

TEST(PaintBackground, EmptyPicturePaintsNothing)
{
    QImage out(100, 100, QImage::Format_RGB32);
    out.fill(Qt::black);
    QPainter p(&out);
    paintBackground(p, QImage(), ".wzh", 1500, 1500);
    p.end();
    EXPECT_EQ(out.pixelColor(50, 50), QColor(Qt::black));
}
