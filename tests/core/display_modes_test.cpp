// What the display refresh shows, hides, empties and offers in each mode.
#include "audio/balance_rule.h"
#include "core/designed_menus.h"
#include "core/display_mode.h"
#include "lifecycle/display_refresh.h"
#include "core/flags.h"
#include "form1_fixture.h"

#include <gtest/gtest.h>

namespace {

const QString kPictureSaveAs = "图象文件另存为(&L)...";
const QString kAudioSaveAs = "音频文件另存为(&L)...";
const QString kVideoSaveAs = "视频文件另存为(&L)...";

struct MenuCase {
    const char* name;
    friend void PrintTo(const MenuCase& c, std::ostream* os) { *os << c.name; }
    QString mode;
    QString status;
    bool fullScreen;
    QString saveAsCaption;
    bool saveAsEnabled;
    QString fullScreenCaption;
    bool fullScreenEnabled;
};

class ShortcutItems : public ::testing::TestWithParam<MenuCase> {};

TEST_P(ShortcutItems, FollowTheMode)
{
    const MenuCase& c = GetParam();
    Form1Fixture f;
    f.form.state.display_mode = c.mode;
    f.ditiao.setCaption(c.status);
    if (c.mode == DisplayMode::Video)
        f.player1.load("/media/v.mp4", 320, 240);
    f.player1.setFullScreen(c.fullScreen);

    DisplayRefresh(f.form).run();

    const MenuItem& saveAs = f.form.kuaijiecaidan1.at(ShortcutItem::SaveAs);
    const MenuItem& fullScreen = f.form.kuaijiecaidan1.at(ShortcutItem::FullScreen);
    EXPECT_EQ(saveAs.caption, c.saveAsCaption);
    EXPECT_EQ(saveAs.enabled, c.saveAsEnabled);
    EXPECT_EQ(fullScreen.caption, c.fullScreenCaption);
    EXPECT_EQ(fullScreen.enabled, c.fullScreenEnabled);
}

const QString kPlaying = "正在播放...--第1首/总1首         00:00:05/00:01:00";
const QString kNoLength = "正在播放...--第1首/总1首         00:00:00/00:00:00";

INSTANTIATE_TEST_SUITE_P(
    Modes, ShortcutItems,
    ::testing::Values(
        MenuCase{"idle", DisplayMode::Idle, kPlaying, false, kPictureSaveAs, false, "全屏幕(&Q)", false},
        MenuCase{"picture", DisplayMode::Picture, "", false, kPictureSaveAs, true, "全屏幕(&Q)", false},
        MenuCase{"zoom", DisplayMode::Zoom, "", false, kPictureSaveAs, true, "全屏幕(&Q)", false},
        MenuCase{"audio", DisplayMode::Audio, kPlaying, false, kAudioSaveAs, true, "全屏幕(&Q)", false},
        MenuCase{"cd", DisplayMode::Cd, kPlaying, false, kAudioSaveAs, true, "全屏幕(&Q)", false},
        MenuCase{"video", DisplayMode::Video, kPlaying, false, kVideoSaveAs, true, "全屏幕(&Q)", true},
        MenuCase{"video_without_length", DisplayMode::Video, kNoLength, false, kPictureSaveAs, true,
                 "全屏幕(&Q)", true},
        MenuCase{"video_full_screen", DisplayMode::Video, kPlaying, true, kVideoSaveAs, true,
                 "恢复视窗(&Q)", true},
        // Before start-up sets a mode: the save-as item keeps its designed
        // form, the full-screen item is disabled.
        MenuCase{"no_mode_yet", "", kPlaying, false, "图象另存为(&L)...", true, "全屏幕(&Q)", false},
        MenuCase{"unknown_mode", "别的", kPlaying, false, "图象另存为(&L)...", true, "全屏幕(&Q)", false}),
    [](const auto& testInfo) { return std::string(testInfo.param.name); });

struct PlayersCase {
    const char* name;
    friend void PrintTo(const PlayersCase& c, std::ostream* os) { *os << c.name; }
    QString mode;
    bool player1Emptied;
    bool player1Visible;
    bool player2Emptied;
    bool picture1Visible;
};

class PlayersAndFrame : public ::testing::TestWithParam<PlayersCase> {};

TEST_P(PlayersAndFrame, ShowHideAndEmptyByMode)
{
    const PlayersCase& c = GetParam();
    Form1Fixture f;
    f.form.state.display_mode = c.mode;
    f.player1.load("/media/a.mp4", 320, 240);
    f.player2.load("/start/s.avi", 320, 240);
    f.player1.setVisible(!c.player1Visible);
    f.picture1.setVisible(!c.picture1Visible);

    DisplayRefresh(f.form).run();

    EXPECT_EQ(f.player1.url().isEmpty(), c.player1Emptied);
    EXPECT_EQ(f.player1.isVisible(), c.player1Visible);
    EXPECT_EQ(f.player2.url().isEmpty(), c.player2Emptied);
    EXPECT_EQ(f.picture1.isVisible(), c.picture1Visible);
    if (!c.player1Visible) {
        EXPECT_DOUBLE_EQ(f.player1.top(), 20000);
    }
    if (c.player2Emptied) {
        EXPECT_DOUBLE_EQ(f.player2.top(), 20000);
    }
}

INSTANTIATE_TEST_SUITE_P(
    Modes, PlayersAndFrame,
    ::testing::Values(PlayersCase{"idle", DisplayMode::Idle, true, false, false, true},
                      PlayersCase{"picture", DisplayMode::Picture, true, false, true, true},
                      PlayersCase{"zoom", DisplayMode::Zoom, true, false, true, true},
                      PlayersCase{"audio", DisplayMode::Audio, false, false, false, true},
                      PlayersCase{"cd", DisplayMode::Cd, false, false, false, true},
                      PlayersCase{"video", DisplayMode::Video, false, true, true, false}),
    [](const auto& testInfo) { return std::string(testInfo.param.name); });

TEST(DisplayModes, LayoutCallsByMode)
{
    for (const QString& mode : {DisplayMode::Idle, DisplayMode::Picture, DisplayMode::Audio,
                                DisplayMode::Cd}) {
        Form1Fixture f;
        f.form.state.display_mode = mode;
        DisplayRefresh(f.form).run();
        EXPECT_EQ(f.form.calls, QStringList({"chengxutuxiang:", "chooseStartPictureControl",
                                             "fittedPlacement"}))
            << mode.toStdString();
    }
    Form1Fixture zoom;
    zoom.form.state.display_mode = DisplayMode::Zoom;
    DisplayRefresh(zoom.form).run();
    EXPECT_EQ(zoom.form.calls,
              QStringList({"chengxutuxiang:", "windowHeightRule", "zoomPlacement"}));
}

TEST(DisplayModes, FullScreenAppliesBalanceButMovesNothing)
{
    Form1Fixture f;
    f.form.state.display_mode = DisplayMode::Video;
    f.form.state.balance_step = -3;
    f.window.setWidth(7000);
    f.player1.load("/media/v.mp4", 320, 240);
    f.player1.setFullScreen(true);
    f.player1.setPlace({10, 20, 30, 40});

    DisplayRefresh(f.form).run();

    EXPECT_EQ(f.player1.balances, QList<int>({-600}));
    EXPECT_EQ(f.player1.place(), (TwipsRect{10, 20, 30, 40}));
    EXPECT_DOUBLE_EQ(f.window.width(), 7000);
    EXPECT_TRUE(f.form.calls.isEmpty());
}

TEST(DisplayModes, OpeningEntryFreezesEverything)
{
    Form1Fixture f;
    f.form.state.display_mode = DisplayMode::Idle;
    f.form.state.opening_entry = Flag::OpeningEntry;
    f.window.setWidth(7000);
    f.player1.load("/media/v.mp4", 320, 240);
    const MenuArray before = f.form.kuaijiecaidan1;

    DisplayRefresh(f.form).run();

    EXPECT_EQ(f.player1.url(), "/media/v.mp4");
    EXPECT_TRUE(f.player1.balances.isEmpty());
    EXPECT_DOUBLE_EQ(f.window.width(), 7000);
    EXPECT_EQ(f.form.kuaijiecaidan1.at(14).caption, before.at(14).caption);
    EXPECT_EQ(f.form.kuaijiecaidan1.at(15).caption, before.at(15).caption);
    EXPECT_EQ(f.form.kuaijiecaidan1.at(15).enabled, before.at(15).enabled);
}

TEST(DisplayModes, FinalSizingFollowsTheFrame)
{
    Form1Fixture f;
    f.form.state.display_mode = DisplayMode::Picture;
    f.picture1.setPlace({300, 400, 5000, 3000});
    QImage picture(40, 30, QImage::Format_RGB32);
    picture.fill(Qt::red);
    f.image2.setPicture(picture);

    DisplayRefresh(f.form).run();

    EXPECT_DOUBLE_EQ(f.image1.width(), 5000);
    EXPECT_DOUBLE_EQ(f.image1.height(), 3000);
    EXPECT_DOUBLE_EQ(f.player2.width(), 5000);
    EXPECT_DOUBLE_EQ(f.player2.height(), 3000);
    EXPECT_EQ(f.image1.picture(), picture);
}

TEST(BalanceRule, StepsBecomePlayerBalance)
{
    const QList<QPair<int, int>> cases = {{-5, -5000}, {-4, -800}, {-3, -600}, {-2, -400},
                                          {-1, -200},  {0, 0},     {1, 200},   {2, 400},
                                          {3, 600},    {4, 800},   {5, 5000}};
    for (const auto& [step, balance] : cases)
        EXPECT_EQ(balanceForStep(step), balance) << step;
}

} // namespace
