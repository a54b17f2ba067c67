#include "chrome/skin_painter.h"

#include <QCoreApplication>
#include <gtest/gtest.h>

TEST(SkinRepaintRule, FirstCallAlwaysChanges)
{
    SkinRepaintRule rule;
    EXPECT_TRUE(rule.changed(9000, 7000, QString()));
}

TEST(SkinRepaintRule, RepaintsOnlyOnSizeChangeOrForce)
{
    struct Case {
        double w, h;
        QString arg;
        bool changed;
    };
    const Case cases[] = {
        {9000, 7000, "", false},
        {9015, 7000, "", true},
        {9000, 6985, "", true},
        {9000, 7000, "改变", true},
        {9000, 7000, "改", false},
    };
    for (const Case& c : cases) {
        SkinRepaintRule rule;
        rule.remember(9000, 7000);
        EXPECT_EQ(rule.changed(c.w, c.h, c.arg), c.changed) << c.w << "x" << c.h << " " << c.arg.toStdString();
    }
}

TEST(SkinRepaintRule, RemembersTheLatestSize)
{
    SkinRepaintRule rule;
    rule.remember(9000, 7000);
    rule.remember(10000, 7000);
    EXPECT_FALSE(rule.changed(10000, 7000, QString()));
    EXPECT_TRUE(rule.changed(9000, 7000, QString()));
}

#include "chrome_fixture.h"
#include "doubles/panel_layout_parts.h"

namespace {

struct PainterFixture : ChromeFixture {
    PainterFixture()
    {
        QImage picture(120, 90, QImage::Format_RGB32);
        picture.fill(QColor(30, 60, 90));
        form.beijing_linshi.setPicture(picture);
        painter.surfaceChanged.connect(qApp, [this] { ++repaints; });
    }
    SkinPainter painter{{.beijing1 = form.beijing1,
                         .beijing_linshi = form.beijing_linshi,
                         .window = form.window,
                         .panel = panelLayoutParts(form)}};
    int repaints = 0;
};

} // namespace

TEST(SkinPainter, RepaintsOnlyOnSizeChangeOrForce)
{
    PainterFixture f;
    f.painter.chengxutuxiang(QString());
    EXPECT_EQ(f.repaints, 1);
    f.painter.chengxutuxiang(QString());
    EXPECT_EQ(f.repaints, 1);
    f.window.clientWidth += 15;
    f.painter.chengxutuxiang(QString());
    EXPECT_EQ(f.repaints, 2);
    f.painter.chengxutuxiang(QStringLiteral("改变"));
    EXPECT_EQ(f.repaints, 3);
    f.painter.chengxutuxiang(QString());
    EXPECT_EQ(f.repaints, 3);
}

TEST(SkinPainter, SurfaceCoversTheClientAreaWithTheBackground)
{
    PainterFixture f;
    f.window.clientWidth = 9000;
    f.window.clientHeight = 6000;
    f.painter.devicePixelRatio = 2;
    f.painter.chengxutuxiang(QString());
    const QImage& s = f.painter.surface();
    EXPECT_EQ(s.size(), QSize(1200, 800));
    EXPECT_EQ(s.devicePixelRatio(), 2);
    EXPECT_EQ(s.pixelColor(1199, 799), QColor(30, 60, 90));
    EXPECT_EQ(f.form.beijing_linshi.place().width, 12000);
    EXPECT_EQ(f.form.beijing_linshi.place().height, 9000);
}

namespace {
QStringList warnings;
void recordWarning(QtMsgType type, const QMessageLogContext&, const QString& text)
{
    if (type == QtWarningMsg)
        warnings << text;
}
} // namespace

TEST(SkinPainter, ClientAreaWithoutRoomPaintsNothingQuietly)
{
    PainterFixture f;
    f.window.clientHeight = -300; // a window rule shrank it below its borders
    warnings.clear();
    const QtMessageHandler previous = qInstallMessageHandler(recordWarning);
    f.painter.chengxutuxiang(QString());
    qInstallMessageHandler(previous);
    EXPECT_TRUE(f.painter.surface().isNull());
    EXPECT_TRUE(warnings.isEmpty()) << warnings.join('\n').toStdString();

    f.window.clientHeight = 6000;
    f.painter.chengxutuxiang(QString());
    EXPECT_FALSE(f.painter.surface().isNull());
}
