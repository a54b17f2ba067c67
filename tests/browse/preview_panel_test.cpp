// The panel's widgets pass the pointer to Form5 in its own units.
#include "browse/window/panel_parts.h"
#include "browse/window/preview_panel.h"
#include "core/form1_fixture.h"

#include <QCheckBox>
#include <QTest>
#include <gtest/gtest.h>

namespace {

struct PanelFixture : Form1Fixture {
    PanelFixture()
    {
        form.programDir = SHIPPED_DATA_DIR;
        panel.form5().Form_Load();
        panel.show();
    }
    ~PanelFixture() { panel.form5().Form_Unload(); }

    KnobView* knob(int i) { return panel.findChildren<KnobView*>().at(i); }
    QImage skin(const char* name) const
    {
        return QImage(QStringLiteral(SHIPPED_DATA_DIR "/tubiao/skin/") + name + ".jpg");
    }

    PreviewPanel panel{form, {MpvPlayerOptions::Video::None, {"ao=null"}}};
};

TEST(PreviewPanel, IsDesignedInTwips)
{
    PanelFixture f;
    EXPECT_EQ(f.panel.size(), QSize(209, 217));
    EXPECT_EQ(f.knob(0)->geometry(), QRect(56, 172, 10, 18)); // volume 0: Left 840, Top 2580
    EXPECT_EQ(f.knob(1)->geometry(), QRect(56, 192, 10, 18));
    EXPECT_EQ(f.knob(0)->accessibleName(), "声音");
    EXPECT_EQ(f.knob(1)->accessibleName(), "进度");
}

TEST(PreviewPanel, DraggingTheVolumeKnobSetsTheVolume)
{
    PanelFixture f;
    KnobView* knob = f.knob(0);
    QTest::mousePress(knob, Qt::LeftButton, {}, QPoint(5, 9));
    QTest::mouseMove(knob, QPoint(5 + 66, 9)); // 990 twips to the right
    QTest::mouseRelease(knob, Qt::LeftButton, {}, QPoint(5 + 66, 9));
    EXPECT_EQ(f.panel.form5().huakuai[0]->left(), 840 + 990);
    EXPECT_DOUBLE_EQ(f.form.state.shengyin_shu, 32767 * 0.5);
    EXPECT_TRUE(f.form.calls.contains("rengong_kongzhi:0"));
    EXPECT_EQ(knob->geometry().left(), 122);
}

TEST(PreviewPanel, PointerOverAKnobLightsItAndOverTheRestDarkensIt)
{
    PanelFixture f;
    QTest::mouseMove(f.knob(1), QPoint(5, 9));
    EXPECT_EQ(f.panel.form5().huakuai[1]->picture(), f.skin("form5进度条_滑块竖_亮"));
    QTest::mouseMove(f.panel.findChild<QCheckBox*>(), QPoint(5, 5));
    EXPECT_EQ(f.panel.form5().huakuai[1]->picture(), f.skin("form5进度条_滑块竖_暗"));
    QTest::mouseMove(f.knob(0), QPoint(5, 9));
    QTest::mouseMove(&f.panel, QPoint(100, 60)); // over the empty box
    EXPECT_EQ(f.panel.form5().huakuai[0]->picture(), f.skin("form5进度条_滑块竖_暗"));
}

TEST(PreviewPanel, CheckBoxClicksReachTheHandlers)
{
    PanelFixture f;
    const auto boxes = f.panel.findChildren<QCheckBox*>();
    ASSERT_EQ(boxes.size(), 2);
    EXPECT_EQ(boxes[0]->text(), QStringLiteral("预览图片"));
    EXPECT_EQ(boxes[1]->text(), QStringLiteral("预览音频视频"));
    f.form.state.ccrpFileDialogs1_mingcheng = "\"a\" \"b\" ";
    boxes[1]->click();
    EXPECT_EQ(f.panel.form5().Check2[1]->value(), 1);
    EXPECT_EQ(f.form.state.ccrpFileDialogs1_mingcheng, QString()); // refreshed
}

} // namespace
