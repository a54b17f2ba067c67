// The print preview's layout: paper list, page outline, scale, centring,
// margins and sliders, and bad input that must leave it standing.
#include "print_fixture.h"

#include <gtest/gtest.h>

#include <cmath>

namespace {

using PrintLayout::papers;

struct PaperCase {
    const char* width;
    const char* height;
    const char* listText;
};

class PaperListText : public ::testing::TestWithParam<PaperCase> {};

TEST_P(PaperListText, FollowsTheSizeBoxes)
{
    PrintFixture f;
    f.preview().Text2_KeyUp(0, QString::fromUtf8(GetParam().width));
    f.preview().Text2_KeyUp(1, QString::fromUtf8(GetParam().height));
    EXPECT_EQ(f.state().Combo1, QString::fromUtf8(GetParam().listText));
}

INSTANTIATE_TEST_SUITE_P(Papers, PaperListText,
                         ::testing::Values(PaperCase{"210", "297", "  A4  "},
                                           PaperCase{"211", "297", "自定义"},
                                           PaperCase{"420", "594", "  A2  "},
                                           PaperCase{"182mm", " 257", "  B5  "},
                                           PaperCase{"297", "210", "自定义"},
                                           PaperCase{"abc", "297", "自定义"}),
                         [](const auto& testInfo) { return "Case" + std::to_string(testInfo.index); });

struct OutlineCase {
    const char* name;
    int paper; // list entry
    int orientation; // 0 portrait, 1 landscape
    TwipsRect outline;
};

class Outline : public ::testing::TestWithParam<OutlineCase> {};

TEST_P(Outline, KeepsThePapersAspectInsideTheArea)
{
    PrintFixture f;
    f.preview().Combo1_Click(GetParam().paper);
    f.preview().Option1_Click(GetParam().orientation);
    EXPECT_EQ(f.state().Shape1, GetParam().outline);
    EXPECT_EQ(f.state().Shape2, GetParam().outline);
    const bool landscape = GetParam().orientation == 1;
    EXPECT_EQ(f.printer.orientation(), landscape ? 2 : 1);
    const PrintLayout::Paper& paper = papers()[GetParam().paper];
    const double PW = (landscape ? paper.height : paper.width) * 56.7;
    EXPECT_DOUBLE_EQ(f.state().paper_per_preview, PW / GetParam().outline.width);
}

INSTANTIATE_TEST_SUITE_P(Papers, Outline,
                         ::testing::Values(OutlineCase{"A4Portrait", 2, 0, {0, 60, 4550, 6435}},
                                           OutlineCase{"A4Landscape", 2, 1, {0, 1669, 4550, 3217}},
                                           OutlineCase{"A5Portrait", 3, 0, {7.5, 60, 4535, 6435}},
                                           OutlineCase{"A5Landscape", 3, 1, {0, 1674, 4550, 3207}},
                                           OutlineCase{"A2Portrait", 0, 0, {0, 60, 4550, 6435}}),
                         [](const auto& testInfo) { return std::string(testInfo.param.name); });

TEST(Outline, LandscapeAndBackGivesThePortraitOutlineAgain)
{
    PrintFixture f;
    f.preview().Option1_Click(1);
    f.preview().Option1_Click(0);
    EXPECT_EQ(f.state().Shape1, (TwipsRect{0, 60, 4550, 6435}));
}

// The shown picture is 3000 x 2000: on A4 portrait it fits the width.
struct ScaleCase {
    const char* scale;
    double width;
    double height;
    int slider;
};

class Scale : public ::testing::TestWithParam<ScaleCase> {};

TEST_P(Scale, SizesThePictureFromTheBox)
{
    PrintFixture f;
    f.preview().Text1_Change(0, QString::fromUtf8(GetParam().scale));
    EXPECT_EQ(f.state().Image1.width, GetParam().width);
    EXPECT_EQ(f.state().Image1.height, GetParam().height);
    EXPECT_EQ(f.state().Shape3, f.state().Image1);
    EXPECT_EQ(f.state().Slider1[0].value, GetParam().slider);
    EXPECT_EQ(f.state().Slider1[0].tip, QStringLiteral("缩放 %1%").arg(GetParam().slider));
    const double r = f.state().paper_per_preview;
    EXPECT_EQ(f.state().Text1[3].text, PrintLayout::oneDecimal(GetParam().width / 56.7 * r));
    EXPECT_EQ(f.state().Text1[4].text, PrintLayout::oneDecimal(GetParam().height / 56.7 * r));
}

INSTANTIATE_TEST_SUITE_P(Percent, Scale,
                         ::testing::Values(ScaleCase{"100.0", 4550, 3033, 100},
                                           ScaleCase{"50.0", 2275, 1517, 50},
                                           // Beyond the slider's range: the slider stays.
                                           ScaleCase{"250", 11375, 7583, 100},
                                           ScaleCase{"0", 0, 0, 0}),
                         [](const auto& testInfo) { return "Case" + std::to_string(testInfo.index); });

TEST(PrintedSize, FullWidthOfAFourIsTwoHundredTenMillimetres)
{
    PrintFixture f;
    f.preview().gaibian_all();
    EXPECT_EQ(f.state().Text1[3].text, QStringLiteral("210.0"));
    EXPECT_EQ(f.state().Text1[4].text, QStringLiteral("140.0"));
}

TEST(Centring, DisablesTheMarginBoxAndShowsTheCentringMargin)
{
    PrintFixture f;
    f.preview().Text1_Change(0, QStringLiteral("50.0"));
    f.preview().Check1_Click(0, 1);
    f.preview().gaibian_all();
    const PreviewState& s = f.state();
    EXPECT_FALSE(s.Text1[1].enabled);
    EXPECT_EQ(s.Text1[1].text, QStringLiteral("52.5")); // (210 - 105) / 2
    EXPECT_EQ(s.Slider1[1].value, 25);
    EXPECT_EQ(s.Slider1[1].tip, QStringLiteral("左距 25%"));
    EXPECT_NEAR(s.Image1.left, 1137.5, 0.5); // 52.5 mm
    // A moved slider does not change a centred margin.
    f.preview().Slider1_Scroll(1, 80);
    EXPECT_EQ(s.Text1[1].text, QStringLiteral("52.5"));
    // Unchecked, the box keeps the value until it is edited.
    f.preview().Check1_Click(0, 0);
    f.preview().gaibian_all();
    EXPECT_TRUE(s.Text1[1].enabled);
    EXPECT_EQ(s.Text1[1].text, QStringLiteral("52.5"));
    EXPECT_NEAR(s.Image1.left, 1137.5, 0.5);
}

TEST(Centring, VerticallyOnLandscape)
{
    PrintFixture f;
    f.preview().Option1_Click(1);
    f.preview().Text1_Change(0, QStringLiteral("50.0"));
    f.preview().Check1_Click(1, 1);
    f.preview().gaibian_all();
    const PreviewState& s = f.state();
    EXPECT_FALSE(s.Text1[2].enabled);
    // The outline is 4550 x 3217 at top 1669; the picture 2275 x 1517.
    const double r = s.paper_per_preview;
    EXPECT_EQ(s.Text1[2].text, PrintLayout::oneDecimal((3217 / 2.0 - 1517 / 2.0) / 56.7 * r));
    EXPECT_NEAR(s.Image1.top, 1669 + (3217 - 1517) / 2.0, 2);
}

TEST(Sliders, MarginSliderMovesThePicture)
{
    PrintFixture f;
    f.preview().Slider1_Scroll(1, 25);
    EXPECT_EQ(f.state().Text1[1].text, QStringLiteral("52.5"));
    EXPECT_NEAR(f.state().Image1.left, 1137.5, 0.5);
    EXPECT_EQ(f.state().Slider1[1].value, 25);
    f.preview().Slider1_Scroll(2, -10);
    EXPECT_EQ(f.state().Text1[2].text, PrintLayout::oneDecimal(-643.5 / 56.7 * f.state().paper_per_preview));
    EXPECT_NEAR(f.state().Image1.top, 60 - 643.5, 0.5);
    EXPECT_EQ(f.state().Slider1[2].tip, QStringLiteral("顶距 -10%"));
}

TEST(Sliders, ScaleSliderWritesTheScaleBox)
{
    PrintFixture f;
    f.preview().Slider1_Scroll(0, 150);
    EXPECT_EQ(f.state().Text1[0].text, QStringLiteral("150.0"));
    EXPECT_EQ(f.state().Image1.width, 6825);
    EXPECT_EQ(f.state().Text1[3].text, QStringLiteral("315.0"));
}

TEST(Boxes, MarginBoxesMoveTheirSliders)
{
    PrintFixture f;
    f.preview().Text1_Change(1, QStringLiteral("105"));
    f.preview().Text1_Change(2, QStringLiteral("999"));
    EXPECT_EQ(f.state().Slider1[1].value, 50);
    EXPECT_EQ(f.state().Slider1[2].value, 0); // outside the range: unchanged
    EXPECT_EQ(f.state().Image1.left, 2275);
}

TEST(SizeBoxes, LostFocusKeepsTheLeadingNumber)
{
    PrintFixture f;
    f.preview().Text2_KeyUp(0, QStringLiteral("  148.5mm"));
    f.preview().Text2_LostFocus(0);
    f.preview().Text2_KeyUp(1, QStringLiteral("abc"));
    f.preview().Text2_LostFocus(1);
    EXPECT_EQ(f.state().Text2[0], QStringLiteral("148.5"));
    EXPECT_EQ(f.state().Text2[1], QStringLiteral("0"));
}

TEST(PaperList, CustomKeepsTheBoxesAndAsksForTheWidth)
{
    PrintFixture f;
    int focused = 0;
    QObject context;
    f.preview().focusPaperWidth.connect(&context, [&] { ++focused; });
    f.preview().Combo1_Click(0);
    EXPECT_EQ(f.state().Text2[0], QStringLiteral("420"));
    f.preview().Combo1_Click(6);
    EXPECT_EQ(f.state().Text2[0], QStringLiteral("420"));
    EXPECT_EQ(focused, 1);
}

TEST(Shape3, ShowsWhileTheButtonIsHeldOnThePicture)
{
    PrintFixture f;
    f.preview().Image1_MouseDown();
    EXPECT_TRUE(f.state().Shape3Visible);
    f.preview().Image1_MouseUp();
    EXPECT_FALSE(f.state().Shape3Visible);
}

// Bad input keeps the layout standing and finite, and the layout always
// comes to rest.
struct BadInput {
    const char* name;
    std::array<const char*, 2> paper;
    std::array<const char*, 5> boxes;
    QSize picture;
    QSizeF shown;
    bool keepsOutline = false; // no paper that an outline can show
};

class BadInputs : public ::testing::TestWithParam<BadInput> {};

TEST_P(BadInputs, LeaveAFiniteLayoutAtRest)
{
    PrintFixture f;
    f.preview().gaibian_all();
    const TwipsRect outline = f.state().Shape1;
    const double ratio = f.state().paper_per_preview;
    f.showPicture(GetParam().picture, GetParam().shown);
    for (int i = 0; i < 2; ++i)
        f.preview().Text2_KeyUp(i, QString::fromUtf8(GetParam().paper[i]));
    for (int i = 0; i < 5; ++i)
        f.preview().Text1_Change(i, QString::fromUtf8(GetParam().boxes[i]));
    f.preview().Slider1_Scroll(1, 40);
    f.preview().Option1_Click(1);
    PreviewState& s = f.state();
    for (const TwipsRect& r : {s.Shape1, s.Image1})
        EXPECT_TRUE(std::isfinite(r.left + r.top + r.width + r.height));
    EXPECT_TRUE(std::isfinite(s.paper_per_preview));
    if (GetParam().keepsOutline) {
        EXPECT_EQ(s.Shape1, outline);
        EXPECT_EQ(s.paper_per_preview, ratio);
    }
    EXPECT_FALSE(PrintLayout::runOnce(s, GetParam().shown, f.printer.orientation()));
}

INSTANTIATE_TEST_SUITE_P(
    Layout, BadInputs,
    ::testing::Values(
        BadInput{"ZeroWidth", {"0", "297"}, {"100", "0", "0", "", ""}, {300, 200}, {3000, 2000}, true},
        BadInput{"ZeroHeight", {"210", "0"}, {"100", "0", "0", "", ""}, {300, 200}, {3000, 2000}, true},
        BadInput{"NeedleThin", {"210", "1e30"}, {"100", "0", "0", "", ""}, {300, 200}, {3000, 2000}, true},
        BadInput{"HairlineWide", {"1e30", "297"}, {"100", "0", "0", "", ""}, {300, 200}, {3000, 2000}, true},
        BadInput{"Overflowing", {"1e400", "297"}, {"100", "0", "0", "", ""}, {300, 200}, {3000, 2000}, true},
        BadInput{"SumsOverflow", {"36e302", "36e302"}, {"100", "0", "0", "", ""}, {300, 200}, {3000, 2000}, true},
        BadInput{"LettersEverywhere", {"x", "y"}, {"a", "b", "c", "d", "e"}, {300, 200}, {3000, 2000}},
        BadInput{"NegativeScale", {"210", "297"}, {"-50", "-9", "1e300", "", ""}, {300, 200}, {3000, 2000}},
        BadInput{"OnePixel", {"210", "297"}, {"100", "0", "0", "", ""}, {1, 1}, {15, 15}},
        BadInput{"VeryWide", {"210", "297"}, {"100", "0", "0", "", ""}, {20000, 100}, {300000, 1500}},
        BadInput{"NoPicture", {"210", "297"}, {"100", "0", "0", "", ""}, {0, 0}, {0, 0}}),
    [](const auto& testInfo) { return std::string(testInfo.param.name); });

TEST(BadInputs, ZeroWidthKeepsThePreviousPicture)
{
    PrintFixture f;
    f.preview().gaibian_all();
    const PreviewState before = f.state();
    f.preview().Text2_KeyUp(0, QStringLiteral("0"));
    EXPECT_EQ(f.state().Shape1, before.Shape1);
    EXPECT_EQ(f.state().Image1, before.Image1);
    EXPECT_EQ(f.state().Text1[3].text, before.Text1[3].text);
}

} // namespace
