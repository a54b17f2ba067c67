#include "panel_fixture.h"

#include "core/flags.h"

#include <gtest/gtest.h>

namespace {

constexpr auto Press = QEvent::MouseButtonPress;
constexpr auto Release = QEvent::MouseButtonRelease;
constexpr auto Double = QEvent::MouseButtonDblClick;

// What the toolkit hands on for a left double click.
const QList<QEvent::Type> kDoubleClick = {Press, Release, Double, Release};

QString& switchOf(Form1State& s, int i)
{
    return i == 0 ? s.mute_state : i == 1 ? s.varispeed_state : s.speed_x10_state;
}

struct ClickFixture : PanelFixture {
    ClickFixture()
    {
        // Variable speed stays on only over a playing video.
        player1.load(dir.filePath("v.mp4"), 320, 240, 100);
        player1.play();
        ditiao.setCaption(QStringLiteral("正在播放...  00:00:10/00:01:40"));
        form.state.length_ms = 100000;
    }
    SliderPanel& panel = form.sliderPanel;
};

} // namespace

// One Click per double click: each toggle switches once.
TEST(PanelClicks, ADoubleClickSwitchesAToggleOnce)
{
    for (int i = 0; i < 3; ++i) {
        ClickFixture f;
        for (QEvent::Type type : kDoubleClick)
            f.panel.toggleMouse(i, type, Qt::LeftButton, true);
        EXPECT_EQ(switchOf(f.form.state, i), Flag::Selected) << i;
        for (QEvent::Type type : kDoubleClick)
            f.panel.toggleMouse(i, type, Qt::LeftButton, true);
        EXPECT_EQ(switchOf(f.form.state, i), QString()) << i;
    }
}

TEST(PanelClicks, AToggleSwitchesOnALeftClickReleasedOverIt)
{
    ClickFixture f;
    f.panel.toggleMouse(2, Press, Qt::LeftButton, true);
    f.panel.toggleMouse(2, Release, Qt::LeftButton, false);
    f.panel.toggleMouse(2, Press, Qt::RightButton, true);
    f.panel.toggleMouse(2, Release, Qt::RightButton, true);
    EXPECT_EQ(f.form.state.speed_x10_state, QString());
    f.panel.toggleMouse(2, Press, Qt::LeftButton, true);
    f.panel.toggleMouse(2, Release, Qt::LeftButton, true);
    EXPECT_EQ(f.form.state.speed_x10_state, Flag::Selected);
}

// The second press of a double click is the button's DblClick, which it
// does not handle: one step, and the button ends released.
TEST(PanelClicks, ADoubleClickOnAStepButtonStepsOnce)
{
    struct Case {
        int button;
        double seconds;
        const char* releasedSkin;
    };
    for (const Case& c : {Case{SliderPanel::kStepBack, 49, "向上_抬起.bmp"},
                          Case{SliderPanel::kStepForward, 51, "向下_抬起.bmp"}}) {
        PanelFixture f;
        f.playSound(100);
        f.form.state.position_ms = 50000;
        QList<double> seeks;
        for (QEvent::Type type : kDoubleClick) {
            f.form.sliderPanel.stepButtonMouse(c.button, type, Qt::LeftButton);
            seeks << *f.player1.currentPosition();
        }
        EXPECT_EQ(seeks, (QList<double>{c.seconds, c.seconds, c.seconds, c.seconds})) << c.button;
        EXPECT_FALSE(f.form.Timer3.isActive());
        EXPECT_EQ(f.form.state.step_direction, QString());
        EXPECT_TRUE(shows(f.form.shang_xia[c.button], QString::fromUtf8(c.releasedSkin)));
    }
}

// A knob's double click resets the speed; the second press starts no drag.
TEST(PanelClicks, ADoubleClickOnTheSpeedKnobResetsTheSpeed)
{
    ClickFixture f;
    f.form.state.sudu_shu = 730;
    f.form.chengxutuxiang(QString());
    for (QEvent::Type type : kDoubleClick) {
        f.panel.knobMouse(1, type, Qt::LeftButton, type == Release ? Qt::NoButton : Qt::LeftButton,
                          {180, 90});
        if (type == Double) {
            EXPECT_EQ(f.form.state.knob_drag[1], QString());
        }
    }
    EXPECT_NEAR(f.form.state.sudu_shu, 100, 1e-9);
}
