#include "chrome/label_menu_bar.h"

#include <QCoreApplication>
#include <QStringList>
#include <gtest/gtest.h>

namespace {

struct BarFixture {
    BarFixture()
    {
        bar.popupMenu.connect(qApp, [this](int i, QPointF at) {
            calls << QString("menu %1 at %2,%3").arg(i).arg(at.x()).arg(at.y());
        });
        bar.popupSortMenu.connect(qApp, [this] { calls << "sort"; });
        bar.highlightChanged.connect(qApp, [this] { ++changes; });
    }
    LabelMenuBar bar;
    QStringList calls;
    int changes = 0;
};

} // namespace

TEST(LabelMenuBar, LeftButtonPopsUpEachMenuBelowItsLabel)
{
    for (int i = 0; i < LabelMenuBar::kLabels; ++i) {
        BarFixture f;
        f.bar.Lab_caidan_MouseUp(i, Qt::LeftButton);
        EXPECT_EQ(f.calls, QStringList{QString("menu %1 at %2,325").arg(i).arg(60 + 840 * i)});
        EXPECT_TRUE(f.bar.highlightVisible());
        EXPECT_EQ(f.bar.highlightColour(), QColor(181, 190, 214));
    }
}

TEST(LabelMenuBar, RightButtonOnlyOnTheListLabel)
{
    for (int i = 0; i < LabelMenuBar::kLabels; ++i) {
        BarFixture f;
        f.bar.Lab_caidan_MouseUp(i, Qt::RightButton);
        EXPECT_EQ(f.calls, i == 5 ? QStringList{"sort"} : QStringList{}) << i;
        EXPECT_EQ(f.bar.highlightVisible(), i == 5) << i;
    }
    BarFixture f;
    f.bar.Lab_caidan_MouseUp(2, Qt::MiddleButton);
    EXPECT_TRUE(f.calls.isEmpty());
}

TEST(LabelMenuBar, HighlightFollowsThePointerAcrossLabels)
{
    BarFixture f;
    const double lefts[] = {70, 910, 1750};
    for (int i = 0; i < 3; ++i) {
        f.bar.Lab_caidan_MouseMove(i);
        EXPECT_EQ(f.bar.highlightPlace(), (TwipsRect{lefts[i], 30, 855, 250})) << i;
        EXPECT_EQ(f.bar.highlightColour(), QColor(193, 210, 238));
    }
    EXPECT_EQ(f.changes, 3);
    f.bar.Lab_caidan_MouseMove(2);   // moving within a label places nothing
    EXPECT_EQ(f.changes, 3);
    f.bar.hideHighlight();
    EXPECT_FALSE(f.bar.highlightVisible());
    f.bar.Lab_caidan_MouseMove(2);   // hidden: shown again on the same label
    EXPECT_TRUE(f.bar.highlightVisible());
}

TEST(LabelMenuBar, DesignedLabels)
{
    const QStringList captions = {"文件(&F)", "控制(&C)", "音频(&A)", "图像(&T)",
                                  "选项(&X)", "列表(&L)", "帮助(&H)"};
    const QStringList shown = {"文件(F)", "控制(C)", "音频(A)", "图像(T)",
                               "选项(X)", "列表(L)", "帮助(H)"};
    const QString keys = "FCATXLH";
    for (int i = 0; i < LabelMenuBar::kLabels; ++i) {
        EXPECT_EQ(LabelMenuBar::caption(i), captions[i]);
        EXPECT_EQ(LabelMenuBar::shownCaption(i), shown[i]);
        EXPECT_EQ(LabelMenuBar::accessKey(i), QKeySequence(Qt::ALT | Qt::Key(keys[i].unicode())));
        EXPECT_EQ(LabelMenuBar::labelPlace(i), (TwipsRect{120.0 + 840 * i, 60, 855, 195}));
    }
}
