#include "panel_fixture.h"

#include <QCoreApplication>
#include <QTest>
#include <gtest/gtest.h>

namespace {

struct StepFixture : PanelFixture {
    StepFixture() { playSound(100); }
    SliderPanel& panel = form.sliderPanel;
};

} // namespace

// Holding "forward" on a 100-second medium: 1 s at the press and 1 s each
// tick of the 200 ms repeat after, never past the end.
TEST(StepButtons, ForwardMovesOnePercentPerPressAndTickUpToTheEnd)
{
    StepFixture f;
    f.form.state.position_ms = 97000;
    f.player1.setCurrentPosition(97);
    QList<double> seen;
    QObject::connect(&f.form.Timer3, &QTimer::timeout, [&] { seen << *f.player1.currentPosition(); });
    f.panel.shang_xia_MouseDown(SliderPanel::kStepForward, Qt::LeftButton);
    EXPECT_NEAR(*f.player1.currentPosition(), 98, 1e-9);
    EXPECT_TRUE(shows(f.form.shang_xia[1], "向下_按下.bmp"));
    EXPECT_EQ(f.form.Timer3.interval(), 200);
    ASSERT_TRUE(QTest::qWaitFor([&] { return seen.size() >= 3; }, 5000));
    EXPECT_EQ(seen.mid(0, 3), (QList<double>{99, 100, 100}));

    f.panel.shang_xia_MouseUp(SliderPanel::kStepForward, Qt::LeftButton);
    EXPECT_FALSE(f.form.Timer3.isActive());
    EXPECT_EQ(f.form.state.step_direction, QString());
    EXPECT_TRUE(shows(f.form.shang_xia[1], "向下_抬起.bmp"));
}

TEST(StepButtons, BackStopsAtTheStart)
{
    StepFixture f;
    f.form.state.position_ms = 500;
    f.panel.shang_xia_MouseDown(SliderPanel::kStepBack, Qt::LeftButton);
    EXPECT_EQ(f.form.state.step_direction, "0");
    EXPECT_NEAR(*f.player1.currentPosition(), 0, 1e-9);
    EXPECT_TRUE(shows(f.form.shang_xia[0], "向上_按下.bmp"));
    f.panel.shang_xia_MouseUp(SliderPanel::kStepBack, Qt::LeftButton);
    EXPECT_TRUE(shows(f.form.shang_xia[0], "向上_抬起.bmp"));
}

TEST(StepButtons, OtherButtonsDoNothing)
{
    StepFixture f;
    f.form.state.position_ms = 50000;
    f.panel.shang_xia_MouseDown(SliderPanel::kStepForward, Qt::RightButton);
    EXPECT_FALSE(f.form.Timer3.isActive());
    EXPECT_EQ(f.form.state.position_ms, 50000);
}

// Right button over a track piece or a caption: the shortcut menu.
TEST(SliderPanel, RightReleaseOverTracksAndCaptionsPopsUpTheShortcutMenu)
{
    PanelFixture f;
    int popups = 0;
    f.form.showShortcutMenu.connect(qApp, [&] { ++popups; });
    SliderPanel& p = f.form.sliderPanel;
    p.jingdutiao_MouseUp(4, Qt::RightButton);
    p.Lab_biaoji_MouseUp(Qt::RightButton);
    p.Label3_MouseUp(Qt::RightButton);
    EXPECT_EQ(popups, 3);
    p.jingdutiao_MouseUp(4, Qt::LeftButton);
    p.Label3_MouseUp(Qt::LeftButton);
    EXPECT_EQ(popups, 3);
}

TEST(SliderPanel, TracksGetTheirSkinAtTheStartStep)
{
    PanelFixture f;
    EXPECT_TRUE(f.form.jingdutiao[5].picture().isNull());
    f.form.loadTrackSkins();
    const char* expected[] = {"进度条_横.jpg", "进度条_上.jpg", "进度条_上.jpg", "进度条_上.jpg",
                              "进度条_中.jpg", "进度条_中.jpg", "进度条_中.jpg",
                              "进度条_下.jpg", "进度条_下.jpg", "进度条_下.jpg"};
    for (int i = 0; i < 10; ++i)
        EXPECT_TRUE(shows(f.form.jingdutiao[i], QString::fromUtf8(expected[i]))) << i;
}

TEST(SliderPanel, CaptionsAndATrackMoveResetTheHover)
{
    PanelFixture f;
    EXPECT_EQ(f.form.Lab_biaoji.caption(), "声音 速度 进度");
    EXPECT_EQ(f.form.Label3.caption(), "静音 ×10");
    f.form.sliderPanel.knobs.huakuai_MouseMove(0, Qt::NoButton, 10, 10);
    EXPECT_TRUE(f.form.xianshi_wenben.isVisible());
    f.form.sliderPanel.jingdutiao_MouseMove(5);
    EXPECT_FALSE(f.form.xianshi_wenben.isVisible());
}
