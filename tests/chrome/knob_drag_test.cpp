#include "panel_fixture.h"

#include "core/flags.h"

#include <gtest/gtest.h>

namespace {

constexpr double kTop = PanelFixture::kTrackTop, kBottom = PanelFixture::kTrackBottom;

struct DragFixture : PanelFixture {
    KnobDrag& knobs = form.sliderPanel.knobs;
    void press(int i, double x, double y) { knobs.huakuai_MouseDown(i, Qt::LeftButton, x, y); }
    void drag(int i, double x, double y) { knobs.huakuai_MouseMove(i, Qt::LeftButton, x, y); }
    void release(int i) { knobs.huakuai_MouseUp(i, Qt::LeftButton); }
};

} // namespace

// Within 20 twips of the grab point the knob stays; beyond, it follows.
TEST(KnobDrag, DeadBandAroundTheGrabPoint)
{
    struct Case {
        double y;
        double moved;
    };
    const Case cases[] = {{100, 0}, {120, 0}, {80, 0}, {121, 21}, {79, -21}, {400, 300}};
    for (const Case& c : cases) {
        DragFixture f;
        f.form.state.shengyin_shu = 32767 / 2.0;
        f.form.chengxutuxiang(QString());
        const double before = f.form.huakuai[0].top();
        f.press(0, 180, 100);
        f.drag(0, 180, c.y);
        EXPECT_DOUBLE_EQ(f.form.huakuai[0].top(), before + c.moved) << c.y;
    }
}

TEST(KnobDrag, VolumeFollowsTheKnobAndNeverLeavesTheTrack)
{
    DragFixture f;
    f.form.state.shengyin_shu = 1000;
    f.form.chengxutuxiang(QString());
    f.press(0, 180, 100);
    f.drag(0, 180, 100 + (kBottom - kTop) / 2);
    EXPECT_NEAR(f.form.state.shengyin_shu, 1000 + 32767 / 2.0, 0.01);
    // Far past the foot: full volume, the knob on the track's end.
    f.drag(0, 180, 100 + 2 * (kBottom - kTop));
    EXPECT_EQ(f.form.state.shengyin_shu, 32767);
    EXPECT_EQ(f.form.huakuai[0].top(), kBottom);
}

// A knob carried past the track's end must not give a speed beyond it:
// the speed is read back from the knob.
TEST(KnobDrag, SpeedStaysWithinTheTrackWhenThrownPastAnEnd)
{
    DragFixture f;
    f.form.state.sudu_shu = 950;
    f.form.chengxutuxiang(QString());
    f.press(1, 180, 100);
    f.drag(1, 180, 2000);
    EXPECT_EQ(f.form.state.sudu_shu, 1000);
    f.drag(1, 180, -20000);
    EXPECT_EQ(f.form.state.sudu_shu, 0);
    EXPECT_EQ(f.form.huakuai[1].top(), kTop);
}

TEST(KnobDrag, PressAndReleaseRecomputesTheSpeedFromTheKnob)
{
    DragFixture f;
    f.form.state.sudu_shu = 100;
    f.form.chengxutuxiang(QString());
    f.press(1, 180, 100);
    f.release(1);
    EXPECT_NEAR(f.form.state.sudu_shu, 100, 1e-9);
    // A knob that sits elsewhere than its value gives its own speed.
    f.form.huakuai[1].setTop(kTop + (kBottom - kTop) / 2);
    f.press(1, 180, 100);
    f.release(1);
    EXPECT_NEAR(f.form.state.sudu_shu, 500, 1e-9);
}

TEST(KnobDrag, BalanceFullyLeftAndCentre)
{
    DragFixture f;
    f.press(3, 100, 180);
    f.drag(3, -1000, 180);
    EXPECT_EQ(f.form.state.balance_step, -5);
    EXPECT_EQ(f.form.huakuai[3].left(), PanelFixture::kBalanceLeft);
    EXPECT_EQ(f.form.xianshi_wenben.caption(), "平衡 -100%");
    EXPECT_EQ(f.player1.balances.last(), -5000);

    const double half = (PanelFixture::kBalanceRight - PanelFixture::kBalanceLeft) / 2;
    f.drag(3, 100 + half, 180);
    EXPECT_EQ(f.form.state.balance_step, 0);
    EXPECT_EQ(f.form.xianshi_wenben.caption(), "平衡 0%");
}

// While the progress knob is held, playback leaves it alone; the seek goes
// out on release.
TEST(KnobDrag, ProgressSeeksOnlyOnRelease)
{
    DragFixture f;
    f.playSound(100);
    f.form.Timer1.start();
    f.press(2, 180, 100);
    EXPECT_FALSE(f.form.Timer1.isActive());
    f.drag(2, 180, 100 + (kBottom - kTop) / 4);
    EXPECT_NEAR(f.form.state.position_ms, 25000, 1e-6);
    EXPECT_EQ(f.player1.currentPosition(), 0);
    EXPECT_FALSE(f.form.Timer1.isActive());
    EXPECT_EQ(f.form.xianshi_wenben.caption(), "进度 25%");
    f.release(2);
    EXPECT_NEAR(*f.player1.currentPosition(), 25, 1e-6);
    EXPECT_TRUE(f.form.Timer1.isActive());
    EXPECT_EQ(f.form.state.knob_drag[2], QString());
}

TEST(KnobDrag, OnlyTheLeftButtonOnThePressedKnobDrags)
{
    DragFixture f;
    const double before = f.form.huakuai[0].top();
    f.knobs.huakuai_MouseDown(0, Qt::RightButton, 180, 100);
    f.drag(0, 180, 1000);
    f.press(1, 180, 100); // a press on another knob forgets the first
    f.drag(0, 180, 1000);
    f.knobs.huakuai_MouseMove(1, Qt::LeftButton | Qt::RightButton, 180, 1000);
    EXPECT_EQ(f.form.huakuai[0].top(), before);
    EXPECT_EQ(f.form.state.knob_drag[1], "开始");
    EXPECT_EQ(f.form.state.knob_drag[0], QString());
}

// A double click resets the speed to normal (1.00x, also with x10 on) and
// the balance to the centre; the release that follows keeps that.
TEST(KnobDrag, DoubleClickResetsSpeedAndBalance)
{
    struct Case {
        QString x10;
        double speed;
    };
    for (const Case& c : {Case{"", 100}, Case{Flag::Selected, 10}}) {
        DragFixture f;
        f.form.state.speed_x10_state = c.x10;
        f.form.state.sudu_shu = 730;
        f.form.state.balance_step = 4;
        f.form.chengxutuxiang(QString());
        f.knobs.huakuai_DblClick(1);
        f.release(1);
        f.knobs.huakuai_DblClick(3);
        f.release(3);
        EXPECT_NEAR(f.form.state.sudu_shu, c.speed, 1e-9);
        EXPECT_EQ(f.form.state.balance_step, 0);
    }
}
