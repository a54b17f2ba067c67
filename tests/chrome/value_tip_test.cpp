#include "panel_fixture.h"

#include "chrome/value_tip.h"
#include "core/flags.h"

#include <gtest/gtest.h>

namespace {

// Lights knob i of the test's window and shows its tip.
void showTip(Form1& form, int i)
{
    ValueTip::show(form.state, form.huakuai, form.xianshi_wenben,
                   [&form](const QString& relative) { return form.programPath(relative); }, i);
}

} // namespace

struct TipCase {
    int knob;
    double value;
    QString text;
    friend void PrintTo(const TipCase& c, std::ostream* os)
    {
        *os << c.knob << " " << c.value << " " << c.text.toStdString();
    }
};

class TipText : public ::testing::TestWithParam<TipCase> {};

TEST_P(TipText, WritesTheValueRoundedHalfToEven)
{
    Form1State s;
    const TipCase c = GetParam();
    s.length_ms = 8; // eighths are exact: 1/8 is 12.5 %
    switch (c.knob) {
    case 0: s.shengyin_shu = c.value; break;
    case 1: s.sudu_shu = c.value; break;
    case 2: s.position_ms = c.value; break;
    case 3: s.balance_step = c.value; break;
    }
    EXPECT_EQ(ValueTip::text(s, c.knob).value_or("(none)"), c.text);
}

INSTANTIATE_TEST_SUITE_P(
    AllKnobs, TipText,
    ::testing::Values(TipCase{0, 0, "声音 0%"}, TipCase{0, 32767, "声音 100%"},
                      TipCase{0, 32767 * 0.295, "声音 30%"}, TipCase{0, 32767 * 0.125, "声音 12%"},
                      TipCase{1, 100, "1.00倍速"}, TipCase{1, 1000, "10.00倍速"},
                      TipCase{2, 1, "进度 12%"}, TipCase{2, 3, "进度 38%"},
                      TipCase{2, 4, "进度 50%"},
                      TipCase{3, -5, "平衡 -100%"}, TipCase{3, 0, "平衡 0%"},
                      TipCase{3, 2, "平衡 40%"}));

TEST(TipText, SpeedTimesTenAndAMediumWithoutLength)
{
    Form1State s;
    s.sudu_shu = 125;
    s.speed_x10_state = Flag::Selected;
    EXPECT_EQ(ValueTip::text(s, 1), "12.50倍速");
    s.length_ms = 0;
    EXPECT_FALSE(ValueTip::text(s, 2).has_value());
}

TEST(ValueTip, SitsBesideTheKnobAndIgnoresSmallMoves)
{
    PanelFixture f;
    PanelLabel& tip = f.form.xianshi_wenben;
    EXPECT_FALSE(tip.isVisible());
    f.form.huakuai[0].setTop(3000);
    showTip(f.form, 0);
    EXPECT_TRUE(tip.isVisible());
    EXPECT_EQ(tip.left(), f.form.huakuai[0].left() - 50);
    EXPECT_EQ(tip.top(), 3400);
    EXPECT_EQ(tip.width(), 880);
    EXPECT_TRUE(shows(f.form.huakuai[0], "进度条_滑块横_亮.jpg"));

    f.form.huakuai[0].setTop(3030);
    showTip(f.form, 0);
    EXPECT_EQ(tip.top(), 3400);
    f.form.huakuai[0].setTop(3031);
    showTip(f.form, 0);
    EXPECT_EQ(tip.top(), 3431);

    showTip(f.form, 2);
    EXPECT_EQ(tip.left(), f.form.huakuai[2].left() - 250);
    showTip(f.form, 3);
    EXPECT_EQ(tip.width(), 960);
    EXPECT_TRUE(shows(f.form.huakuai[3], "进度条_滑块竖_亮.jpg"));
}

TEST(ValueTip, StaysHiddenOverTheProgressKnobWithoutAMedium)
{
    PanelFixture f;
    showTip(f.form, 0);
    f.form.state.length_ms = 0;
    showTip(f.form, 2);
    EXPECT_FALSE(f.form.xianshi_wenben.isVisible());
    EXPECT_TRUE(shows(f.form.huakuai[2], "进度条_滑块横_亮.jpg"));
}

TEST(ValueTip, HoverResetHidesItAndDarkensEveryKnob)
{
    PanelFixture f;
    for (int i = 0; i < 4; ++i)
        showTip(f.form, i);
    f.form.menuBar.Lab_caidan_MouseMove(2);
    f.form.hoverReset();
    EXPECT_FALSE(f.form.xianshi_wenben.isVisible());
    EXPECT_FALSE(f.form.menuBar.highlightVisible());
    for (int i = 0; i < 3; ++i)
        EXPECT_TRUE(shows(f.form.huakuai[i], "进度条_滑块横_暗.jpg")) << i;
    EXPECT_TRUE(shows(f.form.huakuai[3], "进度条_滑块竖_暗.jpg"));
}

TEST(ValueTip, AMissingSkinFileLeavesThePictureShownBefore)
{
    PanelFixture f;
    f.form.hoverReset();
    f.removeSkin("进度条_滑块横_亮.jpg");
    showTip(f.form, 1);
    EXPECT_TRUE(shows(f.form.huakuai[1], "进度条_滑块横_暗.jpg"));
    EXPECT_TRUE(f.form.xianshi_wenben.isVisible());
}
