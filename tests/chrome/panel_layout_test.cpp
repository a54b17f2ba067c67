#include "panel_fixture.h"

#include "chrome/panel_layout.h"
#include "doubles/panel_layout_parts.h"

#include <gtest/gtest.h>

namespace {

// Every control of the panel, named for the failure messages.
QList<QPair<QString, PlacedControl*>> panelControls(Form1& f)
{
    QList<QPair<QString, PlacedControl*>> all;
    for (int i = 0; i < 10; ++i)
        all.append({QString("jingdutiao(%1)").arg(i), &f.jingdutiao[i]});
    for (int i = 0; i < 4; ++i)
        all.append({QString("huakuai(%1)").arg(i), &f.huakuai[i]});
    for (int i = 0; i < 3; ++i)
        all.append({QString("xuan(%1)").arg(i), &f.xuan[i]});
    for (int i = 0; i < 2; ++i)
        all.append({QString("shang_xia(%1)").arg(i), &f.shang_xia[i]});
    all.append({"Lab_biaoji", &f.Lab_biaoji});
    all.append({"Label3", &f.Label3});
    return all;
}

} // namespace

TEST(PanelLayout, AWiderWindowMovesEveryControlRightByTheSameAmount)
{
    PanelFixture narrow, wide;
    wide.window.clientWidth = 13000;
    wide.form.chengxutuxiang(QString());
    const auto before = panelControls(narrow.form), after = panelControls(wide.form);
    for (int i = 0; i < before.size(); ++i)
        EXPECT_EQ(after[i].second->left() - before[i].second->left(), 1000) << before[i].first.toStdString();
    EXPECT_EQ(narrow.form.jingdutiao[0].left(), 10440);
    EXPECT_EQ(wide.form.jingdutiao[0].left(), 11440);
}

TEST(PanelLayout, TopOffsetMovesExactlyTheControlsPlacedBelowTheMenuBar)
{
    PanelFixture f;
    f.form.state.top_offset = 0;
    PanelLayout::layOut(panelLayoutParts(f.form));
    QMap<QString, double> tops;
    for (const auto& [name, control] : panelControls(f.form))
        tops[name] = control->top();
    f.form.state.top_offset = 480;
    PanelLayout::layOut(panelLayoutParts(f.form));

    const QStringList moved = {"jingdutiao(0)", "jingdutiao(1)", "jingdutiao(2)", "jingdutiao(3)",
                               "jingdutiao(4)", "jingdutiao(5)", "jingdutiao(6)", "huakuai(3)",
                               "xuan(1)",       "shang_xia(0)",  "Lab_biaoji"};
    for (const auto& [name, control] : panelControls(f.form)) {
        if (name.startsWith("huakuai") && name != "huakuai(3)")
            continue; // their Top follows the values
        EXPECT_EQ(tops[name] - control->top(), moved.contains(name) ? 480 : 0) << name.toStdString();
    }
    // The middle pieces stretch so that they still end where the bottom caps begin.
    EXPECT_EQ(f.form.jingdutiao[5].top() + f.form.jingdutiao[5].height(), 8400 - 1820);
    EXPECT_EQ(f.form.jingdutiao[8].top(), 8400 - 1820);
}

TEST(PanelLayout, DesignedPlacesAndStatusLine)
{
    PanelFixture f; // W 12000, H 8400, T 500
    EXPECT_EQ(f.form.jingdutiao[4].place(), (TwipsRect{10600, 1900, 195, 4680}));
    EXPECT_EQ(f.form.huakuai[2].left(), 11360);
    EXPECT_EQ(f.form.huakuai[3].place().top, 1000);
    EXPECT_EQ(f.form.xuan[0].place(), (TwipsRect{10600, 7320, 225, 225}));
    EXPECT_EQ(f.form.Label3.place(), (TwipsRect{10560, 7560, 1395, 195}));
    EXPECT_EQ(f.form.ditiao.top(), 8120);
    const PanelLayout::Limits l = PanelLayout::limits(f.form.state, f.form.xuan);
    EXPECT_EQ(l.trackTop, PanelFixture::kTrackTop);
    EXPECT_EQ(l.trackBottom, PanelFixture::kTrackBottom);
    EXPECT_EQ(l.balanceLeft, PanelFixture::kBalanceLeft);
    EXPECT_EQ(l.balanceRight, PanelFixture::kBalanceRight);
}

struct KnobCase {
    int knob;
    double value;
    double expected; // Top, or Left for the balance knob
    friend void PrintTo(const KnobCase& c, std::ostream* os)
    {
        *os << c.knob << " " << c.value << " " << c.expected;
    }
};

class KnobPlacement : public ::testing::TestWithParam<KnobCase> {};

TEST_P(KnobPlacement, ValuePutsTheKnobOnItsTrack)
{
    PanelFixture f;
    const KnobCase c = GetParam();
    Form1State& s = f.form.state;
    switch (c.knob) {
    case 0: s.shengyin_shu = c.value; break;
    case 1: s.sudu_shu = c.value; break;
    case 2: s.length_ms = 100000; s.position_ms = c.value; break;
    case 3: s.balance_step = c.value; break;
    }
    PanelLayout::placeKnobs(f.form.state, f.form.huakuai, f.form.xuan);
    const PlacedControl& knob = f.form.huakuai[c.knob];
    EXPECT_DOUBLE_EQ(c.knob == 3 ? knob.left() : knob.top(), c.expected);
}

constexpr double kTop = PanelFixture::kTrackTop, kBottom = PanelFixture::kTrackBottom;
constexpr double kLeft = PanelFixture::kBalanceLeft, kRight = PanelFixture::kBalanceRight;

INSTANTIATE_TEST_SUITE_P(
    EdgesAndNormal, KnobPlacement,
    ::testing::Values(KnobCase{0, 0, kTop}, KnobCase{0, 32767, kBottom},
                      KnobCase{1, 100, kTop + (kBottom - kTop) / 10}, KnobCase{1, 1000, kBottom},
                      KnobCase{2, 25000, kTop + (kBottom - kTop) / 4},
                      KnobCase{3, -5, kLeft}, KnobCase{3, 0, (kLeft + kRight) / 2},
                      KnobCase{3, 5, kRight}));

TEST(KnobPlacement, AMediumWithoutLengthLeavesTheProgressKnob)
{
    PanelFixture f;
    f.form.huakuai[2].setTop(3333);
    f.form.state.length_ms = 0;
    f.form.state.position_ms = 5000;
    PanelLayout::placeKnobs(f.form.state, f.form.huakuai, f.form.xuan);
    EXPECT_EQ(f.form.huakuai[2].top(), 3333);
}

TEST(SkinPainterPanel, LaysOutOnlyOnASizeChangeButPlacesKnobsEveryTime)
{
    PanelFixture f;
    f.form.jingdutiao[0].setLeft(0);
    f.form.state.shengyin_shu = 32767;
    f.form.chengxutuxiang(QString());
    EXPECT_EQ(f.form.jingdutiao[0].left(), 0);
    EXPECT_EQ(f.form.huakuai[0].top(), PanelFixture::kTrackBottom);

    f.window.clientHeight += 150;
    f.form.chengxutuxiang(QString());
    EXPECT_EQ(f.form.jingdutiao[0].left(), 10440);
    EXPECT_EQ(f.form.huakuai[0].top(), PanelFixture::kTrackBottom + 150);

    f.form.jingdutiao[0].setLeft(0);
    f.form.chengxutuxiang(QStringLiteral("改变"));
    EXPECT_EQ(f.form.jingdutiao[0].left(), 10440);
}
