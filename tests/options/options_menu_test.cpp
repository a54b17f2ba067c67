// The Options menu and its loop-mode submenu.
#include "doubles/missing_operations.h"
#include "playlist/playlist_fixture.h"

#include <gtest/gtest.h>

namespace {

TEST(OptionsMenuDesign, CaptionsAndChecks)
{
    PlaylistFixture f;
    const QList<QPair<int, QString>> items = {
        {0, "循环播放(&X)"}, {1, "全部循环时禁止播放图片(&J)"}, {2, "显示列表文件目录(&L)"}, {3, "-"},
        {5, "背景图(&B)"},   {6, "-"}, {7, "开始画面(&H)"}, {8, "随机开始画面(&S)"}, {9, "-"},
        {10, "打开浮动工具条(&F)"}, {11, "类型注册(&Z)"}};
    ASSERT_EQ(f.form.xuanxiang1.items().size(), items.size());
    for (const auto& [index, caption] : items) {
        EXPECT_EQ(f.form.xuanxiang1.at(index).caption, caption);
        EXPECT_EQ(f.form.xuanxiang1.at(index).checked, index == 2) << index;
    }
    EXPECT_FALSE(f.form.xuanxiang1.contains(4));
    EXPECT_EQ(f.form.xunhuan1.at(0).caption, "全部(&Q)");
    EXPECT_EQ(f.form.xunhuan1.at(1).caption, "单首(&D)");
    EXPECT_EQ(f.form.xunhuan1.at(2).caption, "禁止(&J)");
    EXPECT_TRUE(f.form.xunhuan1.at(0).checked);
    EXPECT_EQ(f.form.paixu1.at(0).caption, "按目录名称排序(&M)");
    EXPECT_EQ(f.form.paixu1.at(1).caption, "按文件名称排序(&W)");
    EXPECT_EQ(f.form.paixu1.at(2).caption, "按后缀类型排序(&H)");
    EXPECT_EQ(f.form.liebiao.at(0).caption, "列表0");
}

TEST(OptionsMenuClick, TogglesItsCheckItems)
{
    PlaylistFixture f;
    for (const int index : {1, 8}) {
        f.form.xuanxiang1_Click(index);
        EXPECT_TRUE(f.form.xuanxiang1[index].checked) << index;
        f.form.xuanxiang1_Click(index);
        EXPECT_FALSE(f.form.xuanxiang1[index].checked) << index;
    }
}

// Submenu titles change nothing; a separator
// or an index the menu lacks is a wiring fault, and is reported.
TEST(OptionsMenuClick, SubmenuTitlesChangeNothing)
{
    PlaylistFixture f;
    f.setList({"/m/a"});
    const RecordMissingOperations missing;
    for (const int index : {0, 3, 5, 7, 4, 99})
        f.form.xuanxiang1_Click(index);
    EXPECT_EQ(missing.names(), QStringList({"xuanxiang1[3]", "xuanxiang1[4]", "xuanxiang1[99]"}));
    EXPECT_EQ(f.form.xuanxiang1.items().size(), 11);
    EXPECT_EQ(f.form.xuanxiang1.at(10).caption, "打开浮动工具条(&F)");
    EXPECT_TRUE(f.form.xuanxiang1.at(2).checked);
    EXPECT_EQ(f.captions(), QStringList{"/m/a"});
}

// "类型注册(&Z)" loads the registration window and shows it.
TEST(OptionsMenuClick, RegistrationShowsItsWindow)
{
    PlaylistFixture f;
    int shown = 0;
    QObject view;
    f.form.form3.showWindow.connect(&view, [&] { ++shown; });
    f.form.xuanxiang1_Click(11);
    EXPECT_EQ(shown, 1);
    EXPECT_TRUE(f.form.form3.isLoaded());
}

TEST(DirectoryDisplay, TogglesCaptionsAndRestoresThem)
{
    PlaylistFixture f;
    f.showDirectories(false);
    f.setList({"/d/音乐/a.mp3", "plain", "/b.wav"});
    const QStringList names = f.captions();
    const QStringList dirs = f.form.state.entry_dirs;
    EXPECT_EQ(names, QStringList({"a.mp3", "plain", "b.wav"}));

    f.form.xuanxiang1_Click(2);
    EXPECT_TRUE(f.form.xuanxiang1[2].checked);
    EXPECT_EQ(f.captions(), QStringList({"/d/音乐/a.mp3", "plain", "/b.wav"}));
    EXPECT_EQ(f.form.state.entry_dirs, QStringList({"", "", ""}));

    f.form.xuanxiang1_Click(2);
    EXPECT_EQ(f.captions(), names);
    EXPECT_EQ(f.form.state.entry_dirs, dirs);
}

struct LoopCase {
    int index;
    int checked;
    bool noPicturesEnabled;
    friend void PrintTo(const LoopCase& c, std::ostream* os)
    {
        *os << c.index << " " << c.checked << " " << c.noPicturesEnabled;
    }
};

class LoopMode : public ::testing::TestWithParam<LoopCase> {};

TEST_P(LoopMode, ChecksOneModeAndEnablesPictureOption)
{
    const LoopCase& c = GetParam();
    PlaylistFixture f;
    f.form.xunhuan1_Click(1);
    f.form.xuanxiang1[1].checked = true;
    f.form.xunhuan1_Click(c.index);
    for (int i = 0; i < 3; ++i)
        EXPECT_EQ(f.form.xunhuan1[i].checked, i == c.checked) << i;
    EXPECT_EQ(f.form.xuanxiang1[1].enabled, c.noPicturesEnabled);
    EXPECT_TRUE(f.form.xuanxiang1[1].checked); // the check itself is left alone
}

INSTANTIATE_TEST_SUITE_P(Cases, LoopMode,
                         ::testing::Values(LoopCase{0, 0, true}, LoopCase{1, 1, false}, LoopCase{2, 2, false},
                                           LoopCase{3, 1, false}, LoopCase{-1, 1, false}),
                         [](const auto& testInfo) {
                             const int i = testInfo.param.index;
                             return (i < 0 ? "minus" : "index") + std::to_string(i < 0 ? -i : i);
                         });

} // namespace
