// Dragging the panel's volume and progress knobs.
#include "form5_fixture.h"

#include <gtest/gtest.h>

namespace {

constexpr int kLeft = 1;
constexpr double kGrab = 75; // pointer X inside the knob at the press

struct KnobFixture : Form5Fixture {
    KnobFixture()
    {
        check(1, 1);
        form5.ccrpFileDialogs1_FileBrowse(medium("s.mp3", 0, 0, 10));
    }
    // Drags knob i by dx twips from the grab point, without releasing.
    void drag(int i, double dx)
    {
        form5.huakuai_MouseMove(i, kLeft, 0, kGrab + dx, 100);
    }
    QImage skin(const char* name) const
    {
        return QImage(QStringLiteral(SHIPPED_DATA_DIR "/tubiao/skin/") + name + ".jpg");
    }
};

TEST(ProgressKnob, SeeksOnEveryMoveAndResumesAPausedPreview)
{
    KnobFixture f;
    f.preview.pause();
    f.form5.huakuai_MouseDown(1, kLeft, 0, kGrab, 100);
    EXPECT_FALSE(f.form5.Timer1.isActive());

    f.drag(1, 990);
    EXPECT_EQ(f.progressKnob.left(), 1830);
    EXPECT_DOUBLE_EQ(f.preview.currentPosition().value_or(-1), 5);
    EXPECT_EQ(f.preview.playState(), MediaPlayer::Playing);
    EXPECT_TRUE(f.form5.Timer1.isActive());

    f.preview.report(MediaPlayer::Stopped);
    f.drag(1, 1000); // grab point stays: one more step of 1000
    EXPECT_EQ(f.progressKnob.left(), 2830);
    EXPECT_DOUBLE_EQ(f.preview.currentPosition().value_or(-1), 10); // r held at 1: the end
    EXPECT_EQ(f.preview.playState(), MediaPlayer::Playing);

    f.drag(1, 1000); // past the limit: back onto it
    EXPECT_EQ(f.progressKnob.left(), 2820);
}

TEST(ProgressKnob, IgnoresJitterAndMovesWithoutAPress)
{
    KnobFixture f;
    f.drag(1, 500);
    EXPECT_EQ(f.progressKnob.left(), 840);
    f.form5.huakuai_MouseDown(1, kLeft, 0, kGrab, 100);
    f.drag(1, 20);
    f.drag(1, -20);
    EXPECT_EQ(f.progressKnob.left(), 840);
    f.form5.huakuai_MouseMove(1, 2, 0, kGrab + 500, 100); // right button held
    EXPECT_EQ(f.progressKnob.left(), 840);
    f.drag(1, -500); // at the left limit
    EXPECT_EQ(f.progressKnob.left(), 840);
    EXPECT_DOUBLE_EQ(f.preview.currentPosition().value_or(-1), 0);

    f.form5.huakuai_MouseUp(1, kLeft, 0, kGrab, 100);
    f.drag(1, 500);
    EXPECT_EQ(f.progressKnob.left(), 840);
}

TEST(ProgressKnob, WithoutAMediumSeeksNothing)
{
    Form5Fixture f;
    f.form5.huakuai_MouseDown(1, kLeft, 0, kGrab, 100);
    f.form5.huakuai_MouseMove(1, kLeft, 0, kGrab + 990, 100);
    EXPECT_EQ(f.progressKnob.left(), 1830);
    EXPECT_EQ(f.preview.url(), QString());
    f.form5.Timer1_Timer();
    EXPECT_EQ(f.progressKnob.left(), 840);
}

TEST(VolumeKnob, SetsTheVolumeAndAppliesIt)
{
    KnobFixture f;
    f.form.state.shengyin_shu = 32767;
    f.form5.Form_Load();
    ASSERT_EQ(f.volumeKnob.left(), 2820);
    f.form5.huakuai_MouseDown(0, kLeft, 0, kGrab, 100);
    f.drag(0, -990);
    EXPECT_EQ(f.volumeKnob.left(), 1830);
    EXPECT_DOUBLE_EQ(f.form.state.shengyin_shu, 32767 * 0.5);
    EXPECT_EQ(f.form.calls.filter("rengong_kongzhi").size(), 1);
    EXPECT_TRUE(f.form.calls.contains("rengong_kongzhi:0"));
}

TEST(VolumeKnob, APressOnTheOtherKnobEndsItsDrag)
{
    KnobFixture f;
    f.form5.huakuai_MouseDown(0, kLeft, 0, kGrab, 100);
    f.form5.huakuai_MouseDown(1, kLeft, 0, kGrab, 100);
    f.drag(0, 990);
    EXPECT_EQ(f.volumeKnob.left(), 840);
    EXPECT_FALSE(f.form.calls.contains("rengong_kongzhi:0"));
}

TEST(KnobSkins, LightTheKnobUnderThePointerUntilAHoverReset)
{
    KnobFixture f;
    const QImage dark = f.skin("form5进度条_滑块竖_暗");
    const QImage lit = f.skin("form5进度条_滑块竖_亮");
    ASSERT_FALSE(dark.isNull());
    ASSERT_FALSE(lit.isNull());
    ASSERT_NE(dark, lit);
    EXPECT_EQ(f.volumeKnob.picture(), dark);

    f.form5.huakuai_MouseMove(1, 0, 0, 10, 10);
    EXPECT_EQ(f.progressKnob.picture(), lit);
    EXPECT_EQ(f.volumeKnob.picture(), dark);
    f.form5.huakuai_MouseMove(0, 0, 0, 10, 10);
    EXPECT_EQ(f.volumeKnob.picture(), lit);
    EXPECT_EQ(f.progressKnob.picture(), dark);
    f.form5.hoverReset();
    EXPECT_EQ(f.volumeKnob.picture(), dark);
    EXPECT_EQ(f.progressKnob.picture(), dark);
}

} // namespace
