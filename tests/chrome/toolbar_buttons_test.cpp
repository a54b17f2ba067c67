#include "chrome/toolbar_design.h"
#include "core/designed_menus.h"
#include "toolbar_fixture.h"

#include <QFile>
#include <gtest/gtest.h>

namespace {

struct LoadedToolbar : ToolbarFixture {
    LoadedToolbar()
    {
        toolbar.Form_Load();
        toolbar.Show();
    }
    StripLook lookOf(int i) const
    {
        for (StripLook look : {StripLook::Normal, StripLook::Pressed, StripLook::Hover}) {
            if (buttonColour(i) == stripColour(look, restoreSet))
                return look;
        }
        ADD_FAILURE() << "button " << i << " shows no look of the set";
        return StripLook::Normal;
    }
    bool restoreSet = false;
};

// A sequence of pointer events over the buttons, and the look of buttons
// 3 and 4 afterwards.
struct LookCase {
    const char* name;
    QStringList events; // "down:i", "move:i", "up:i", "strip" (a move over the bare strip)
    StripLook button3;
    StripLook button4;
    bool pressed;
    bool hoverDrawn;
};

class ToolbarLooks : public ::testing::TestWithParam<LookCase> {};

TEST_P(ToolbarLooks, AfterEvents)
{
    const LookCase& c = GetParam();
    LoadedToolbar f;
    for (const QString& event : c.events) {
        const int i = event.section(u':', 1).toInt();
        if (event.startsWith(u"down"))
            f.toolbar.Label1_MouseDown(i, 1, 0, 0, 0);
        else if (event.startsWith(u"move"))
            f.toolbar.Label1_MouseMove(i, 0, 0, 0, 0);
        else if (event.startsWith(u"up"))
            f.toolbar.Label1_MouseUp(i, 1, 0, 0, 0);
        else
            f.toolbar.Picture1_MouseMove(0, 0, 0, 0);
    }
    EXPECT_EQ(f.lookOf(3), c.button3);
    EXPECT_EQ(f.lookOf(4), c.button4);
    EXPECT_EQ(f.toolbar.button_pressed, c.pressed);
    EXPECT_EQ(f.toolbar.hover_drawn, c.hoverDrawn);
}

using L = StripLook;
const LookCase lookCases[] = {
    {"Loaded", {}, L::Normal, L::Normal, false, false},
    {"Hover", {"move:3"}, L::Hover, L::Normal, false, true},
    {"SlideStraightOntoNeighbourKeepsFirst", {"move:3", "move:4"}, L::Hover, L::Normal, false, true},
    {"CrossTheGapThenNeighbour", {"move:3", "strip", "move:4"}, L::Normal, L::Hover, false, true},
    {"Pressed", {"move:3", "down:3"}, L::Pressed, L::Normal, true, false},
    {"PressedIgnoresHover", {"down:3", "move:4"}, L::Pressed, L::Normal, true, false},
    {"ReleasedShowsHover", {"down:3", "up:3"}, L::Hover, L::Normal, false, false},
    {"ReleasedThenNeighbourHovers", {"down:3", "up:3", "move:4"}, L::Normal, L::Hover, false, true},
    {"BareStripClearsAll", {"down:3", "up:3", "strip"}, L::Normal, L::Normal, false, false},
};

INSTANTIATE_TEST_SUITE_P(Events, ToolbarLooks, ::testing::ValuesIn(lookCases),
                         [](const auto& testInfo) { return std::string(testInfo.param.name); });

TEST(ToolbarLooks, FollowTheMainWindowsStateWithinATick)
{
    LoadedToolbar f;
    f.window.state = WindowFrame::Minimized;
    f.toolbar.Timer1_Timer();
    f.restoreSet = true;
    EXPECT_EQ(f.lookOf(1), StripLook::Normal);
    EXPECT_EQ(f.toolbar.toolTips[8], "恢复窗口");
    f.toolbar.Label1_MouseMove(8, 0, 0, 0, 0);
    EXPECT_EQ(f.lookOf(8), StripLook::Hover);
    f.window.state = WindowFrame::Maximized;
    f.toolbar.Timer1_Timer();
    f.restoreSet = false;
    EXPECT_EQ(f.lookOf(8), StripLook::Normal);
    EXPECT_EQ(f.toolbar.toolTips[8], "最小化窗口");
}

TEST(ToolbarLooks, MissingPicturesLeaveTheStripAsItWas)
{
    LoadedToolbar f;
    f.toolbar.Label1_MouseMove(3, 0, 0, 0, 0);
    QFile::remove(f.dir.filePath(stripPictureName(StripLook::Normal, false)));
    QFile::remove(f.dir.filePath(stripPictureName(StripLook::Pressed, false)));
    f.toolbar.Label1_MouseDown(5, 1, 0, 0, 0);
    f.toolbar.Picture1_MouseMove(0, 0, 0, 0);
    EXPECT_EQ(f.lookOf(3), StripLook::Hover);
    EXPECT_EQ(f.lookOf(5), StripLook::Normal);
}

TEST(ToolbarLooks, NoPicturesAtAllStillLoads)
{
    ToolbarFixture f;
    QDir(f.dir.filePath("tubiao")).removeRecursively();
    f.toolbar.Form_Load();
    f.toolbar.Label1_MouseDown(1, 1, 0, 0, 0);
    f.toolbar.Label1_MouseUp(1, 1, 0, 0, 0);
    EXPECT_EQ(f.buttonColour(1), QColor(0, 0, 255));
    EXPECT_TRUE(f.toolbar.Timer1.isActive());
}

// The file's own resolution gives a picture its size: a 2x picture covers
// the strip as a 1x one does, and its blocks land on the same buttons.
TEST(ToolbarLooks, SharpPicturesAtTwiceTheResolution)
{
    LoadedToolbar f;
    for (bool restore : {false, true}) {
        QImage picture(554, 60, QImage::Format_RGB32);
        picture.fill(stripColour(StripLook::Hover, restore));
        picture.setDotsPerMeterX(7559); // 192 dpi
        picture.setDotsPerMeterY(7559);
        ASSERT_TRUE(picture.save(f.dir.filePath(stripPictureName(StripLook::Hover, restore)), "JPG"));
    }
    f.toolbar.strip.setDevicePixelRatio(2);
    f.toolbar.Label1_MouseMove(9, 0, 0, 0, 0);
    EXPECT_NEAR(f.toolbar.strip.Image1.width(), 4155, 1);
    EXPECT_EQ(f.toolbar.strip.surface().size(), QSize(554, 60));
    const QColor hover = f.buttonColour(9);
    EXPECT_NEAR(hover.green(), 255, 8);
    EXPECT_NEAR(hover.red(), 0, 8);
    EXPECT_EQ(f.lookOf(8), StripLook::Normal);
}

TEST(ToolbarButtons, EachRunsItsCommandAfterTakingTheFocus)
{
    const QStringList expected = {"kongzhi1:0", "kongzhi1:1", "kongzhi1:5", "kongzhi1:4",
                                  "kongzhi1:2", "kuaijiecaidan1:7", "kuaijiecaidan1:8"};
    LoadedToolbar f;
    for (int i = 1; i <= 7; ++i)
        f.toolbar.Label1_Click(i);
    EXPECT_EQ(f.commands, expected);
    EXPECT_EQ(f.desktop.focusCalls, 7);
}

TEST(ToolbarButtons, MinimizeAndRestoreToTheStateBefore)
{
    for (WindowFrame::State before : {WindowFrame::Normal, WindowFrame::Maximized}) {
        LoadedToolbar f;
        f.window.state = before;
        f.toolbar.Label1_Click(8);
        EXPECT_EQ(f.window.state, WindowFrame::Minimized);
        f.toolbar.Label1_Click(8);
        EXPECT_EQ(f.window.state, before);
        EXPECT_EQ(f.mainWindow.states, (QList<int>{WindowFrame::Minimized, before}));
    }
}

TEST(ToolbarButtons, CloseHidesAndSwitchesTheOptionsItem)
{
    LoadedToolbar f;
    f.form.xuanxiang1[OptionsItem::Toolbar].caption = "关闭浮动工具条(&F)";
    f.tickAt({600, 0});
    f.toolbar.Label1_Click(9);
    EXPECT_FALSE(f.desktop.visible);
    EXPECT_EQ(f.form.xuanxiang1[OptionsItem::Toolbar].caption, "打开浮动工具条(&F)");
    // Shown again, it is where it was left.
    const QRect left = f.desktop.rect;
    f.toolbar.Show();
    EXPECT_EQ(f.desktop.rect, left);
}

} // namespace
