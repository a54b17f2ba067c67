// Zooming the viewer frame: steps, percentages, the actual size, the
// custom percentage box and the centring after the picture's popup menu.
#include "picture_fixture.h"

#include "core/designed_menus.h"
#include "core/display_mode.h"
#include "pictures/percent_input.h"

#include <gtest/gtest.h>

namespace {

struct ZoomTest : ::testing::Test {
    ZoomTest()
    {
        f.form.refreshOn = false;
        f.setNaturalSize(3000, 2250);
    }
    void setFrame(double w, double h) { f.picture1.setPlace({500, 400, w, h}); }
    PictureFixture f;
};

TEST_F(ZoomTest, StepsCompoundThenActualSizeThenFiftyPercent)
{
    setFrame(400, 300);
    f.form.tuxiang1_Click(ImageItem::ZoomIn);
    f.form.tuxiang1_Click(ImageItem::ZoomIn);
    EXPECT_EQ(f.frame().width, 1600);
    EXPECT_EQ(f.frame().height, 1200);
    EXPECT_EQ(f.form.state.display_mode, DisplayMode::Zoom);
    EXPECT_EQ(f.form.refreshes, 2); // each step lays out at once

    f.form.tuxiang1_Click(ImageItem::ActualSize);
    EXPECT_EQ(f.frame().width, 3000);
    EXPECT_EQ(f.frame().height, 2250);
    EXPECT_EQ(f.form.refreshes, 3);

    f.form.bili1_Click(1); // "50%" of the natural size, whatever the zoom
    EXPECT_EQ(f.frame().width, 1500);
    EXPECT_EQ(f.frame().height, 1125);
    EXPECT_EQ(f.form.refreshes, 3); // the layout follows on the next tick
    EXPECT_TRUE(f.picture1.isVisible());
}

TEST_F(ZoomTest, HalfStepKeepsThePlaceOutsideThePopup)
{
    setFrame(4000, 3000);
    f.form.tuxiang1_Click(ImageItem::ZoomOut);
    EXPECT_EQ(f.frame(), (TwipsRect{500, 400, 2000, 1500}));
}

TEST_F(ZoomTest, PercentItemsGiveTheirFactors)
{
    const QList<QPair<int, double>> cases = {{0, 0.25}, {3, 1.0},  {7, 2.0},
                                             {8, 2.5},  {9, 3.0},  {10, 4.0}};
    for (const auto& [index, factor] : cases) {
        f.form.bili1_Click(index);
        EXPECT_DOUBLE_EQ(f.frame().width, 3000 * factor) << index;
        EXPECT_DOUBLE_EQ(f.frame().height, 2250 * factor) << index;
    }
}

struct CustomCase {
    QStringList answers;
    int asks;
    double factor; // 0: nothing changes
};

TEST_F(ZoomTest, CustomPercentageAsksUntilOneToThousand)
{
    const QList<CustomCase> cases = {
        {{"abc", "1000"}, 2, 10},
        {{"0", "1001", ""}, 3, 0},
        {{""}, 1, 0},
        {{"  250%"}, 1, 2.5},
        {{"12.5"}, 1, 0.125},
        {{"-5", "1"}, 2, 0.01},
    };
    for (const CustomCase& c : cases) {
        PictureFixture g;
        g.form.refreshOn = false;
        g.setNaturalSize(3000, 2000);
        g.picture1.setPlace({0, 0, 400, 300});
        for (const QString& answer : c.answers)
            g.dialogs.answers.enqueue(answer);
        g.form.bili1_Click(PercentItem::Custom);
        ASSERT_EQ(g.dialogs.shown.size(), c.asks) << c.answers.join('|').toStdString();
        EXPECT_EQ(g.dialogs.shown.first().text, PercentInput::kPrompt);
        EXPECT_EQ(g.dialogs.shown.first().title, QString());
        const bool changed = c.factor > 0;
        EXPECT_DOUBLE_EQ(g.frame().width, changed ? 3000 * c.factor : 400);
        EXPECT_EQ(g.form.state.display_mode,
                  changed ? DisplayMode::Zoom : DisplayMode::Picture);
    }
}

TEST(PercentInputTest, LeadingNumber)
{
    const QList<QPair<QString, double>> cases = {
        {"250", 250}, {" 75%", 75}, {"12.5x", 12.5}, {"abc", 0}, {"", 0},
        {"-3", -3}, {"1e2", 100}, {".5", 0.5}, {"+8", 8}, {"%50", 0},
    };
    for (const auto& [text, value] : cases)
        EXPECT_DOUBLE_EQ(PercentInput::leadingNumber(text), value) << text.toStdString();
}

// Left press at x = 1000, then a right click on the zoomed picture: the
// next step brings the pressed point to the middle (W / 2 - f * x).
TEST_F(ZoomTest, StepAfterThePicturePopupCentresOnTheLastPress)
{
    f.form.state.display_mode = DisplayMode::Zoom;
    setFrame(6000, 4000);
    f.form.Image1_MouseDown(1, 0, 1000, 600);
    f.form.Image1_MouseUp(1, 0, 1000, 600);
    f.form.Image1_MouseUp(2, 0, 3000, 3000);
    EXPECT_EQ(f.form.state.popup_origin, "快捷");

    f.form.tuxiang1_Click(ImageItem::ZoomIn);
    EXPECT_EQ(f.frame().width, 12000);
    EXPECT_EQ(f.frame().left, 10100 / 2 - 2000);
    EXPECT_EQ(f.frame().top, 7700 / 2 - 1200);
    EXPECT_EQ(f.form.state.popup_origin, QString());
}

TEST_F(ZoomTest, OnlyALargerAxisIsCentred)
{
    f.form.state.popup_origin = "快捷";
    f.form.state.press_x = 1000;
    f.form.state.press_y = 600;
    setFrame(6000, 1000);
    f.form.tuxiang1_Click(ImageItem::ZoomIn); // 12000 x 2000: only wider than the area
    EXPECT_EQ(f.frame(), (TwipsRect{10100 / 2 - 2000, 400, 12000, 2000}));
}

TEST_F(ZoomTest, WithoutThePopupTheFrameKeepsItsCorner)
{
    f.form.state.press_x = 1000;
    setFrame(6000, 4000);
    f.form.tuxiang1_Click(ImageItem::ZoomIn);
    EXPECT_EQ(f.frame(), (TwipsRect{500, 400, 12000, 8000}));
}

// The percentage zoom keeps the popup's mark, so a step chosen next from
// the menu bar still centres.
TEST_F(ZoomTest, PercentageZoomKeepsThePopupMark)
{
    f.form.state.popup_origin = "快捷";
    f.form.state.press_x = 100;
    f.form.bili1_Click(7); // 200%: 6000 wide, not wider than W
    EXPECT_EQ(f.form.state.popup_origin, "快捷");
    f.form.tuxiang1_Click(ImageItem::ZoomIn); // 12000 wide
    EXPECT_EQ(f.frame().left, 10100 / 2 - 200);
}

TEST_F(ZoomTest, CarryOverKeepsTheRatioOfThePictureBefore)
{
    f.form.state.display_mode = DisplayMode::Zoom;
    f.form.zoomCarryOver(0.5);
    EXPECT_EQ(f.frame().width, 1500);
    EXPECT_EQ(f.frame().height, 1125);
    EXPECT_EQ(f.form.state.display_mode, DisplayMode::Zoom);
}

TEST_F(ZoomTest, MenuItemsAndTheirPlainActions)
{
    f.form.state.popup_origin = "快捷";
    f.form.state.display_mode = DisplayMode::Zoom;
    f.form.tuxiang1_Click(ImageItem::Normal);
    EXPECT_EQ(f.form.state.display_mode, DisplayMode::Picture);
    EXPECT_EQ(f.form.state.popup_origin, QString());
    EXPECT_EQ(f.form.refreshes, 0); // the next tick lays out

    f.form.tuxiang1_Click(ImageItem::CloseAll);
    f.form.tuxiang1_Click(ImageItem::PrintPreview);
    EXPECT_EQ(f.form.calls, (QStringList{"kongzhi1_Click:2", "showPrintPreview"}));
}

TEST_F(ZoomTest, MenuCaptions)
{
    const QStringList image = {"放大一倍(&F)", "缩小一半(&S)", "-", "原始尺寸(&Y)", "-", "按比例(&A)",
                               "-", "恢复正常(&H)", "关闭一切(&C)", "-", "预览及打印图像(&D)"};
    const QStringList percent = {"25%",  "50%",  "75%",  "100%", "125%", "150%",
                                 "175%", "200%", "250%", "300%", "400%", "自定义"};
    for (int i = 0; i < image.size(); ++i)
        EXPECT_EQ(f.form.tuxiang1.at(i).caption, image.at(i));
    for (int i = 0; i < percent.size(); ++i)
        EXPECT_EQ(f.form.bili1.at(i).caption, percent.at(i));
}

struct StateCase {
    QString mode;
    bool zoomItems;
    bool normalItem;
};

TEST_F(ZoomTest, EnabledStatesFollowTheDisplayMode)
{
    const QList<StateCase> cases = {
        {DisplayMode::Picture, true, false}, {DisplayMode::Zoom, true, true},
        {DisplayMode::Idle, false, false},   {DisplayMode::Video, false, false},
        {DisplayMode::Audio, false, false},
    };
    for (const StateCase& c : cases) {
        f.form.state.display_mode = c.mode;
        f.form.refreshImageMenu();
        for (const int i : {0, 1, 3, 5, 8})
            EXPECT_EQ(f.form.tuxiang1.at(i).enabled, c.zoomItems) << c.mode.toStdString() << i;
        EXPECT_EQ(f.form.tuxiang1.at(7).enabled, c.normalItem) << c.mode.toStdString();
    }
    f.image1.setPicture(QImage());
    f.form.refreshImageMenu();
    EXPECT_FALSE(f.form.tuxiang1.at(10).enabled);
    f.image1.setPicture(f.image2.picture());
    f.form.refreshImageMenu();
    EXPECT_TRUE(f.form.tuxiang1.at(10).enabled);
}

} // namespace
